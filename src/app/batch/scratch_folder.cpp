#include "batch/scratch_folder.h"

#include <stdlib.h>

#include <cerrno>
#include <cstring>
#include <system_error>
#include <vector>

namespace spanlyx {

ScratchFolder::ScratchFolder() {
    std::error_code ec;
    const std::filesystem::path base = std::filesystem::temp_directory_path(ec);
    if (ec) {
        error_ = "no temporary folder: " + ec.message();
        return;
    }
    std::string pattern = (base / "spanlyx-report-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) == nullptr) {
        error_ =
            "cannot create a temporary folder in " + base.string() + ": " + std::strerror(errno);
        return;
    }
    path_ = buffer.data();
}

ScratchFolder::~ScratchFolder() {
    if (path_.empty())
        return;
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

}  // namespace spanlyx
