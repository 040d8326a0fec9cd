#include "storage/data_folder.h"

#include <cstdlib>

namespace spanlyx {

std::string_view temp_suffix(TempFile file) {
    switch (file) {
        case TempFile::Detailed:
            return "_CONT01.TMP";
        case TempFile::Brief:
            return "_CONT02.TMP";
        case TempFile::Extremes:
            return "_CONT03.TMP";
        case TempFile::Extra:
            return "_CONT08.TMP";
        case TempFile::Samples:
            return "_cont10.tmp";
        case TempFile::Results:
            return "_CONTOUT.TMP";
    }
    return "";
}

TempFilePaths temp_file_paths(const std::filesystem::path& folder, const std::string& login) {
    const auto path = [&](TempFile file) {
        return folder / (login + std::string(temp_suffix(file)));
    };
    return {path(TempFile::Detailed), path(TempFile::Brief),   path(TempFile::Extremes),
            path(TempFile::Extra),    path(TempFile::Samples), path(TempFile::Results)};
}

namespace {
std::string env(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}
}  // namespace

std::filesystem::path default_data_folder() {
    const std::string xdg = env("XDG_DATA_HOME");
    if (!xdg.empty())
        return std::filesystem::path(xdg) / "Spanlyx";
    const std::string home = env("HOME");
    return std::filesystem::path(home.empty() ? "." : home) / ".local" / "share" / "Spanlyx";
}

std::string login_name() {
    for (const char* name : {"UserName", "USER", "LOGNAME"}) {
        std::string value = env(name);
        if (!value.empty())
            return value;
    }
    return {};
}

}  // namespace spanlyx
