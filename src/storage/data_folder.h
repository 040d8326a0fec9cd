#pragma once
// The program's data folder and the names of the files it keeps there: the settings file, the
// untitled beam, the temporary report pieces and the beam snapshot.

#include <filesystem>
#include <string>
#include <string_view>

namespace spanlyx {

enum class TempFile { Detailed, Brief, Extremes, Extra, Samples, Results, Snapshot };

// "_CONT01.TMP", "_CONT02.TMP", "_CONT03.TMP", "_CONT08.TMP", "_cont10.tmp", "_CONTOUT.TMP",
// "_contfile.tmp".
std::string_view temp_suffix(TempFile file);

struct DataFolder {
    std::filesystem::path folder;
    std::string login;  // prefixes every file of the user

    std::filesystem::path settings_file() const { return folder / "sx.ini"; }
    std::filesystem::path untitled_beam() const { return folder / (login + "_untitled.cb"); }
    std::filesystem::path sections_file() const { return folder / "sections.dat"; }
    std::filesystem::path temp_file(TempFile file) const;
};

// $XDG_DATA_HOME/Spanlyx, else ~/.local/share/Spanlyx. Does not create it.
std::filesystem::path default_data_folder();
// UserName, else USER, else LOGNAME, else empty.
std::string login_name();

}  // namespace spanlyx
