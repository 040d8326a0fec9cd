// Feeds arbitrary bytes to the sx.ini reader. Settings it accepts must write out as a file that
// reads back to the same settings.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "storage/settings_file.h"

namespace {

// Names the broken property on standard error before stopping, so a finding explains itself.
void require(bool condition, const char* property) {
    if (condition)
        return;
    std::fprintf(stderr, "broken property: %s\n", property);
    std::abort();
}

bool same(const spanlyx::Settings& a, const spanlyx::Settings& b) {
    return a.units == b.units && a.letterhead == b.letterhead && a.speed_up == b.speed_up &&
           a.load_decimals == b.load_decimals && a.shear_decimals == b.shear_decimals &&
           a.moment_decimals == b.moment_decimals &&
           a.deflection_decimals == b.deflection_decimals &&
           a.white_background == b.white_background && a.use_first_span_ei == b.use_first_span_ei;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const spanlyx::SettingsReadOutcome read = spanlyx::parse_settings(text);
    if (read.corruption)
        return 0;
    const spanlyx::SettingsReadOutcome again =
        spanlyx::parse_settings(spanlyx::format_settings(read.settings));
    require(!again.corruption, "accepted settings read back after writing");
    require(same(read.settings, again.settings), "the settings read back are the same");
    return 0;
}
