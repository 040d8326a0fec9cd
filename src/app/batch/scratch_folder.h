#pragma once
// A private temporary folder that is removed with everything in it when it goes out of scope,
// or by the signal handler when the tool is interrupted (signal_cleanup::install first).

#include <filesystem>
#include <string>

namespace spanlyx {

class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    bool ok() const { return !path_.empty(); }
    const std::filesystem::path& path() const { return path_; }
    const std::string& error() const { return error_; }

  private:
    std::filesystem::path path_;
    std::string error_;
};

}  // namespace spanlyx
