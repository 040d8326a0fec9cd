#include "response/record_rounding.h"

#include <array>
#include <cassert>
#include <cmath>
#include <optional>

#include "model/number_text.h"

namespace spanlyx {
namespace {

constexpr std::array<double, 11> kPowersOfTen = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5,
                                                 1e6, 1e7, 1e8, 1e9, 1e10};

// The fixed pattern first takes 15 significant digits, which moves a value by at most
// 5e-15 of itself; the product value x 10^d adds one rounding of 1.1e-16. A fraction further
// than this from one half decides the same way as the text does.
constexpr double kRelativeBand = 8e-15;
constexpr double kAbsoluteBand = 1e-12;
// Beyond 15 significant digits the pattern rounds on the digits it keeps, not on the value.
constexpr double kLargestScaled = 1e14;

double power_of_ten(int decimals) {
    assert(decimals >= 0 && decimals < static_cast<int>(kPowersOfTen.size()));
    return kPowersOfTen[static_cast<std::size_t>(decimals)];
}

// The rounded units when the numeric decision is certain; nothing near a half or for values
// too large to decide on.
std::optional<long long> numeric_units(double value, double scale) {
    const double scaled = std::fabs(value) * scale;
    if (!(scaled < kLargestScaled))
        return std::nullopt;
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (std::fabs(fraction - 0.5) <= scaled * kRelativeBand + kAbsoluteBand)
        return std::nullopt;
    const auto units = static_cast<long long>(whole) + (fraction > 0.5 ? 1 : 0);
    return value < 0 ? -units : units;
}

}  // namespace

long long rounded_units(double value, int decimals) {
    const double scale = power_of_ten(decimals);
    if (const auto units = numeric_units(value, scale))
        return *units;
    return std::llround(round_to_decimals(value, decimals) * scale);
}

double round_record_field(double value, int decimals) {
    const double scale = power_of_ten(decimals);
    if (const auto units = numeric_units(value, scale)) {
        // Whole units and a power of ten are exact doubles, so the quotient is the double
        // nearest to the decimal text, as reading the text back gives.
        return static_cast<double>(*units) / scale;
    }
    return round_to_decimals(value, decimals);
}

}  // namespace spanlyx
