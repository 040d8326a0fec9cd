#pragma once
// The program's data folder and the names of the files it keeps there: the settings file, the
// untitled beam, the sections list and the beam snapshot; and the names of the temporary report
// pieces, which each running instance keeps in its own folder (storage/instance_folder.h).

#include <filesystem>
#include <string>
#include <string_view>

namespace spanlyx {

enum class TempFile { Detailed, Brief, Extremes, Extra, Samples, Results };

// "_CONT01.TMP", "_CONT02.TMP", "_CONT03.TMP", "_CONT08.TMP", "_cont10.tmp", "_CONTOUT.TMP".
std::string_view temp_suffix(TempFile file);

// The temporary files of one analysis session, each the login name and its suffix.
struct TempFilePaths {
    std::filesystem::path detailed;  // "_CONT01.TMP"
    std::filesystem::path brief;     // "_CONT02.TMP"
    std::filesystem::path extremes;  // "_CONT03.TMP"
    std::filesystem::path extra;     // "_CONT08.TMP"
    std::filesystem::path samples;   // "_cont10.tmp"
    std::filesystem::path results;   // "_CONTOUT.TMP"
};
TempFilePaths temp_file_paths(const std::filesystem::path& folder, const std::string& login);

struct DataFolder {
    std::filesystem::path folder;
    std::string login;  // prefixes every file of the user

    std::filesystem::path settings_file() const { return folder / "sx.ini"; }
    std::filesystem::path untitled_beam() const { return folder / (login + "_untitled.cb"); }
    std::filesystem::path sections_file() const { return folder / "sections.dat"; }
    // The beam snapshot written when the results window closes; shared by every instance.
    std::filesystem::path snapshot_file() const { return folder / (login + "_contfile.tmp"); }
};

// $XDG_DATA_HOME/Spanlyx, else ~/.local/share/Spanlyx. Does not create it.
std::filesystem::path default_data_folder();
// UserName, else USER, else LOGNAME, else empty.
std::string login_name();

}  // namespace spanlyx
