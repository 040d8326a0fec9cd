#pragma once
// Writes the sample file record after record through a large buffer. The file is created anew;
// a failure is kept as an error text and stops further writes.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "response/sample_point.h"

namespace spanlyx {

class SampleFileWriter final : public SampleSink {
  public:
    SampleFileWriter() = default;
    SampleFileWriter(const SampleFileWriter&) = delete;
    SampleFileWriter& operator=(const SampleFileWriter&) = delete;
    ~SampleFileWriter() override;

    // Creates (or empties) the file. The error text names the path and the reason.
    std::optional<std::string> open(const std::filesystem::path& path);
    void write(const SamplePoint& point) override;
    // Writes what is buffered and closes the file; the first error met since open, if any.
    std::optional<std::string> close();

    std::int64_t records_written() const { return records_; }

  private:
    void flush();
    void fail(const char* what);

    std::FILE* file_ = nullptr;
    std::filesystem::path path_;
    std::vector<std::byte> buffer_;
    std::size_t used_ = 0;
    std::int64_t records_ = 0;
    std::optional<std::string> error_;
};

}  // namespace spanlyx
