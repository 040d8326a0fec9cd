#pragma once
// A file the batch tool writes for the user (-o, --samples, --diagrams): written beside its
// target and renamed over it when complete, so a failed or interrupted run leaves the old file
// as it was. The temporary is removed when the writer is dropped unfinished, and by the signal
// handler when the tool is interrupted.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "storage/file_io.h"

namespace spanlyx {

class OutputFile {
  public:
    OutputFile() = default;
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Every error names the file and the reason.
    std::optional<std::string> open(const std::filesystem::path& target);
    std::optional<std::string> write(std::string_view bytes) { return writer_.write(bytes); }
    std::optional<std::string> commit();

  private:
    void release_slot();

    AtomicFileWriter writer_;
    int slot_ = -1;  // the signal handler's record of the temporary
};

// The whole text at once.
std::optional<std::string> write_output_file(const std::filesystem::path& target,
                                             std::string_view bytes);

}  // namespace spanlyx
