#pragma once
// The beam file the main window works on, as its caption shows it, and whether a calculation
// ran or the beam was opened or saved under a name (the quit routine asks about saving then).

#include <filesystem>
#include <string>

namespace spanlyx {

struct FileState {
    std::filesystem::path current_file;  // full path
    std::string current_file_name;       // the file name alone
    std::string calculated_flag = "n";   // "y" after Calculate, Open or Save
};

}  // namespace spanlyx
