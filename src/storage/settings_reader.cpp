// Reads sx.ini at start-up, creating the folder and a default file when they are missing.

#include <cmath>
#include <string>
#include <system_error>

#include "model/number_text.h"
#include "storage/data_folder.h"
#include "storage/file_io.h"
#include "storage/settings_file.h"
#include "storage/settings_file_lines.h"

namespace spanlyx {
namespace {

namespace line = settings_file;

Message corruption_message(std::string text) {
    return {std::move(text), std::string(kResponseTitle), MessageIcon::Information};
}

Message notice(std::string text) {
    return {std::move(text), std::string(kProgramTitle), MessageIcon::None};
}

class SettingsLines {
  public:
    explicit SettingsLines(std::string_view text) : lines_(split_lines(text)) {}

    // Line n (1-based), trimmed; nothing when the file ends before it.
    std::optional<std::string_view> trimmed(std::size_t n) const {
        if (n == 0 || n > lines_.size())
            return std::nullopt;
        return trim(lines_[n - 1]);
    }
    bool has(std::size_t n) const { return n >= 1 && n <= lines_.size(); }

    // A yes/no letter in either case, returned in small letters.
    std::optional<char> letter(std::size_t n) const {
        const auto text = trimmed(n);
        if (!text || text->size() != 1)
            return std::nullopt;
        const char c = (*text)[0];
        if (c == 'Y' || c == 'y')
            return 'y';
        if (c == 'N' || c == 'n')
            return 'n';
        return std::nullopt;
    }

    // A whole number of decimals within 1..most.
    std::optional<int> decimals(std::size_t n, int most) const {
        const auto text = trimmed(n);
        if (!text)
            return std::nullopt;
        const std::optional<double> value = parse_number(*text);
        if (!value || *value != std::floor(*value) || *value < 1 ||
            *value > static_cast<double>(most)) {
            return std::nullopt;
        }
        return static_cast<int>(*value);
    }

  private:
    std::vector<std::string_view> lines_;
};

}  // namespace

SettingsReadOutcome parse_settings(std::string_view text) {
    const SettingsLines lines(text);
    SettingsReadOutcome out;
    Settings& settings = out.settings;
    const auto corrupt = [&out](std::string_view message) {
        out.corruption = corruption_message(std::string(message));
        return out;
    };

    const auto tag = lines.trimmed(3);
    const std::optional<UnitSystem> units = tag ? parse_unit_tag(*tag) : std::nullopt;
    if (!units)
        return corrupt(line::kCorruptUnits);
    settings.units = *units;

    const auto letterhead = lines.letter(5);
    if (!letterhead)
        return corrupt(line::kCorruptLetterhead);
    settings.letterhead = *letterhead;

    const auto speed_up = lines.letter(7);
    if (!speed_up)
        return corrupt(line::kCorruptSpeedUp);
    settings.speed_up = *speed_up;

    const struct {
        std::size_t line;
        int most;
        int Settings::*field;
        std::string_view message;
    } decimals[] = {
        {10, kMaxForceDecimals, &Settings::load_decimals, line::kCorruptLoadDecimals},
        {12, kMaxForceDecimals, &Settings::shear_decimals, line::kCorruptShearDecimals},
        {14, kMaxForceDecimals, &Settings::moment_decimals, line::kCorruptMomentDecimals},
        {16, kMaxDeflectionDecimals, &Settings::deflection_decimals,
         line::kCorruptDeflectionDecimals},
    };
    for (const auto& entry : decimals) {
        const auto value = lines.decimals(entry.line, entry.most);
        if (!value)
            return corrupt(entry.message);
        settings.*entry.field = *value;
    }

    // Files of 16 lines predate the last two options.
    const auto white = lines.has(17) ? lines.trimmed(18) : std::nullopt;
    settings.white_background = white ? std::string(*white) : "n";

    settings.use_first_span_ei = false;
    if (lines.has(19)) {
        const auto first_span = lines.trimmed(20);
        if (first_span == "Yes" || first_span == "yes") {
            settings.use_first_span_ei = true;
        } else if (first_span != "No" && first_span != "no") {
            return corrupt(line::kCorruptFirstSpanEI);
        }
    }
    return out;
}

SettingsReadOutcome sxini_read(const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    const fs::path path = DataFolder{folder, {}}.settings_file();
    std::vector<Message> notices;
    std::error_code error;
    if (!fs::is_regular_file(path, error)) {
        notices.push_back(
            notice("Cannot find the sx.ini file in the users local application dir. " +
                   path.string() + " - Checking for Spanlyx dir"));
        if (!fs::is_directory(folder, error)) {
            notices.push_back(
                notice(path.string() + "\\Spanlyx directory not found... - Creating"));
            error.clear();
            fs::create_directories(folder, error);
            if (error) {
                SettingsReadOutcome failed;
                failed.notices = std::move(notices);
                failed.corruption = corruption_message("Cannot create the folder \"" +
                                                       folder.string() + "\": " + error.message());
                return failed;
            }
        }
        if (auto failure = write_file_atomically(path, default_settings_text())) {
            SettingsReadOutcome failed;
            failed.notices = std::move(notices);
            failed.corruption = corruption_message(std::move(*failure));
            return failed;
        }
    }
    std::string text;
    if (auto failure = read_whole_file(path, text)) {
        SettingsReadOutcome failed;
        failed.notices = std::move(notices);
        failed.corruption = corruption_message(std::move(*failure));
        return failed;
    }
    SettingsReadOutcome outcome = parse_settings(text);
    outcome.notices = std::move(notices);
    return outcome;
}

}  // namespace spanlyx
