#include "batch/scratch_folder.h"

#include <stdlib.h>

#include <cerrno>
#include <cstring>
#include <system_error>
#include <vector>

#include "batch/signal_cleanup.h"

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
    // Created and recorded for the signal handler in one step, so no signal comes between.
    const signal_cleanup::SignalsHeld held;
    if (mkdtemp(buffer.data()) == nullptr) {
        error_ =
            "cannot create a temporary folder in " + base.string() + ": " + std::strerror(errno);
        return;
    }
    path_ = buffer.data();
    if (!signal_cleanup::watch_folder(path_)) {
        std::filesystem::remove(path_, ec);
        path_.clear();
        error_ = "the temporary folder's name is too long: " + pattern;
    }
}

ScratchFolder::~ScratchFolder() {
    if (path_.empty())
        return;
    const signal_cleanup::SignalsHeld held;
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
    signal_cleanup::forget_folder();
}

}  // namespace spanlyx
