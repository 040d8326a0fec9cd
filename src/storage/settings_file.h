#pragma once
// sx.ini: the preferences file, read at start-up and written by the display window, by
// "Save Units Option" and by the first-span E and I check box.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/message.h"
#include "model/settings.h"

namespace spanlyx {

struct SettingsReadOutcome {
    Settings settings;
    std::vector<Message> notices;      // shown in order before reading (missing file, folder)
    std::optional<Message> corruption;  // the program ends after showing it
};

// Reads the settings from the text of an sx.ini file; corruption names the line.
SettingsReadOutcome parse_settings(std::string_view text);

// sxini_read: reads <folder>/sx.ini, first creating the folder and a default file when missing.
SettingsReadOutcome sxini_read(const std::filesystem::path& folder);

// The 20 lines written by sxini_write, and those of a new default file.
std::string format_settings(const Settings& settings);
std::string default_settings_text();

// sxini_write: replaces <folder>/sx.ini through a temporary file; the error names path and reason.
std::optional<std::string> sxini_write(const Settings& settings, const std::filesystem::path& folder);

}  // namespace spanlyx
