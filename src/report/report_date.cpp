#include <array>
#include <cstdio>
#include <string>

#include "report/report_pieces.h"

namespace spanlyx {

std::string report_date_text(const std::tm& when) {
    static constexpr std::array<const char*, 12> kMonths = {
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    const int month = when.tm_mon >= 0 && when.tm_mon < 12 ? when.tm_mon : 0;
    return std::string(kMonths[static_cast<std::size_t>(month)]) + " " +
           std::to_string(when.tm_mday) + ", " + std::to_string(when.tm_year + 1900);
}

std::string report_time_text(const std::tm& when) {
    const int hour12 = when.tm_hour % 12 == 0 ? 12 : when.tm_hour % 12;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%d:%02d:%02d %s", hour12, when.tm_min, when.tm_sec,
                  when.tm_hour < 12 ? "AM" : "PM");
    return buffer;
}

}  // namespace spanlyx
