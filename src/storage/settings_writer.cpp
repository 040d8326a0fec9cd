// Writes sx.ini: the current settings, or the defaults of a new file.

#include <algorithm>
#include <cassert>
#include <cctype>
#include <string>

#include "model/print_line.h"
#include "storage/data_folder.h"
#include "storage/file_io.h"
#include "storage/settings_file.h"
#include "storage/settings_file_lines.h"

namespace spanlyx {
namespace {

namespace line = settings_file;

char capital(char flag) {
    assert((flag == 'y' || flag == 'n') && "a yes/no setting holds 'y' or 'n'");
    return static_cast<char>(std::toupper(static_cast<unsigned char>(flag)));
}

// The display window lets a decimals box be emptied (value 0) or hold more than it allows; the
// reader refuses such a line and the program would not start again, so the file gets the
// nearest value it accepts.
std::string decimals(int value, int most) {
    return std::to_string(std::clamp(value, 1, most));
}

std::string settings_lines(const Settings& settings, std::string_view units_help) {
    TextWriter out;
    out.line(line::kTitle);
    out.line(units_help);
    out.line(unit_tag(settings.units));
    out.line(line::kLetterhead);
    out.line(std::string(1, capital(settings.letterhead)));
    out.line(line::kSpeedUp);
    out.line(std::string(1, capital(settings.speed_up)));
    out.line(line::kDecimals);
    out.line(line::kLoads);
    out.line(decimals(settings.load_decimals, kMaxForceDecimals));
    out.line(line::kShear);
    out.line(decimals(settings.shear_decimals, kMaxForceDecimals));
    out.line(line::kMoment);
    out.line(decimals(settings.moment_decimals, kMaxForceDecimals));
    out.line(line::kDeflection);
    out.line(decimals(settings.deflection_decimals, kMaxDeflectionDecimals));
    out.line(line::kWhiteBackground);
    out.line(settings.white_background);
    out.line(line::kFirstSpanEI);
    out.line(settings.use_first_span_ei ? "yes" : "no");
    return out.take();
}

}  // namespace

std::string format_settings(const Settings& settings) {
    return settings_lines(settings, line::kUnitsHelp);
}

std::string default_settings_text() {
    Settings defaults;
    defaults.units = UnitSystem::E;
    defaults.letterhead = 'n';
    defaults.speed_up = 'n';
    defaults.load_decimals = 2;
    defaults.shear_decimals = 2;
    defaults.moment_decimals = 2;
    defaults.deflection_decimals = 4;
    defaults.white_background = "N";
    defaults.use_first_span_ei = false;
    return settings_lines(defaults, line::kUnitsHelpNewFile);
}

std::optional<std::string> sxini_write(const Settings& settings,
                                       const std::filesystem::path& folder) {
    return write_file_atomically(DataFolder{folder, {}}.settings_file(), format_settings(settings));
}

}  // namespace spanlyx
