#pragma once
// The beam file the main window works on, as its caption shows it, and whether a calculation
// ran since start-up, New or Open (Save and Save As work only then).

#include <filesystem>
#include <string>

namespace spanlyx {

struct FileState {
    std::filesystem::path current_file;  // full path
    std::string current_file_name;       // the file name alone
    std::string calculated_flag = "n";   // "y" after Calculate
};

}  // namespace spanlyx
