// Record fields are rounded numerically to what the fixed pattern gives (half away from zero on
// the value's 15-digit decimal form).
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "model/number_text.h"
#include "response/record_rounding.h"

namespace spanlyx {
namespace {

TEST(RecordRounding, HalvesGoAwayFromZero) {
    EXPECT_EQ(round_record_field(2.675, 2), 2.68);  // binary 2.67499999..., decimal 2.675
    EXPECT_EQ(round_record_field(-2.675, 2), -2.68);
    EXPECT_EQ(round_record_field(0.125, 2), 0.13);
    EXPECT_EQ(round_record_field(1.000005, 5), 1.00001);
    EXPECT_EQ(round_record_field(31249.999996, 5), 31250.0);
    EXPECT_EQ(round_record_field(-0.00000000004, 10), 0.0);
    EXPECT_FALSE(std::signbit(round_record_field(-0.00000000004, 10)));
    EXPECT_EQ(rounded_units(2.675, 2), 268);
    EXPECT_EQ(rounded_units(-0.005, 2), -1);
    EXPECT_EQ(rounded_units(0.0049999, 2), 0);
}

TEST(RecordRounding, AgreesWithThePatternAcrossMagnitudes) {
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-12, 12);
    for (int i = 0; i < 20000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, exponent(random));
        for (const int decimals : {2, 5, 10}) {
            ASSERT_EQ(round_record_field(value, decimals), round_to_decimals(value, decimals))
                << value << " at " << decimals;
        }
    }
    // Exact halves at every grid, where the numeric test must hand over to the text form.
    for (long long n = -2000; n <= 2000; ++n) {
        const double half = (static_cast<double>(n) + 0.5) / 100000;
        ASSERT_EQ(round_record_field(half, 5), round_to_decimals(half, 5)) << half;
    }
}

}  // namespace
}  // namespace spanlyx
