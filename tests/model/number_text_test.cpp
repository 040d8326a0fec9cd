#include <gtest/gtest.h>

#include <cmath>

#include "model/number_text.h"

namespace spanlyx {
namespace {

TEST(FixedPatterns, RoundHalfAwayFromZeroWithoutNegativeZero) {
    EXPECT_EQ(format_fixed(2.675, 2), "2.68");  // the double is 2.67499999...; the text rounds up
    EXPECT_EQ(format_fixed(-2.675, 2), "-2.68");
    EXPECT_EQ(format_fixed(0.125, 2), "0.13");
    EXPECT_EQ(format_fixed(0.5, 0), "1");
    EXPECT_EQ(format_fixed(-0.5, 0), "-1");
    EXPECT_EQ(format_fixed(-0.004, 2), "0.00");
    EXPECT_EQ(format_fixed(-0.0, 2), "0.00");
    EXPECT_EQ(format_fixed(9.999, 2), "10.00");
    EXPECT_EQ(format_fixed(0.1 + 0.2, 2), "0.30");
    EXPECT_EQ(format_fixed(12345678.9, 1), "12345678.9");
    EXPECT_EQ(format_fixed(0.00004, 4), "0.0000");
    EXPECT_EQ(format_fixed(0.5729577951308232, 7), "0.5729578");
    EXPECT_EQ(format_fixed(1e-20, 3), "0.000");
    EXPECT_EQ(format_fixed(3.0, 0), "3");
    EXPECT_EQ(format_pattern(-1.23456, "0.0000"), "-1.2346");
    EXPECT_EQ(format_pattern(7, "0"), "7");
}

TEST(FixedPatterns, PatternsFromDecimals) {
    EXPECT_EQ(decimals_pattern(0), "0");
    EXPECT_EQ(decimals_pattern(1), "0.0");
    EXPECT_EQ(decimals_pattern(6), "0.000000");
    EXPECT_EQ(pattern_decimals("0.000"), 3);
    EXPECT_EQ(pattern_decimals("0"), 0);
}

TEST(GeneralNumberForm, FilesAndReportsWriteNumbersThisWay) {
    EXPECT_EQ(general_number(12.5), "12.5");
    EXPECT_EQ(general_number(0.5), ".5");
    EXPECT_EQ(general_number(-0.5), "-.5");
    EXPECT_EQ(general_number(-3), "-3");
    EXPECT_EQ(general_number(0), "0");
    EXPECT_EQ(general_number(0.00001), "1E-05");
    EXPECT_EQ(general_number(0.0001), ".0001");
    EXPECT_EQ(general_number(0.000125), ".000125");
    EXPECT_EQ(general_number(29000000), "29000000");
    EXPECT_EQ(general_number(1.5e20), "1.5E+20");
    EXPECT_EQ(general_number(1e15), "1E+15");
    EXPECT_EQ(general_number(123456789012345.0), "123456789012345");
    EXPECT_EQ(general_number(0.1 + 0.2), ".3");  // 15 significant digits hide the binary noise
    EXPECT_EQ(general_number(1.0 / 3.0), ".333333333333333");
    EXPECT_EQ(general_number(2.5e-7), "2.5E-07");
}

TEST(GeneralNumberForm, PaddedFormsOfValueLines) {
    EXPECT_EQ(padded_number(12.5), " 12.5 ");
    EXPECT_EQ(padded_number(0.5), " .5 ");
    EXPECT_EQ(padded_number(-3), "-3 ");
    EXPECT_EQ(padded_number(0.00001), " 1E-05 ");
    EXPECT_EQ(padded_integer(3), " 3 ");
    EXPECT_EQ(padded_integer(0), " 0 ");
    EXPECT_EQ(padded_integer(-1), "-1 ");
}

TEST(Positions, HundredthsAreTheTwoDecimalText) {
    EXPECT_EQ(hundredths(2.5), 250);
    EXPECT_EQ(hundredths(10.0), 1000);
    EXPECT_EQ(hundredths(2.005), 201);  // "2.01"
    EXPECT_EQ(hundredths(0.004), 0);
    EXPECT_EQ(hundredths(-0.01), -1);
    EXPECT_EQ(hundredths(0.1 * 3), 30);
    EXPECT_LT(hundredths(2.0), hundredths(10.0));  // numeric order, not text order
    EXPECT_DOUBLE_EQ(round_to_decimals(1.234567, 5), 1.23457);
    EXPECT_EQ(round_to_decimals(2.675, 2), 2.68);  // 2.675 is held as 2.67499...: rounded as typed
    // Absurd magnitudes saturate rather than overflow.
    EXPECT_GT(hundredths(1e300), hundredths(1e14));
    EXPECT_LT(hundredths(-1e300), hundredths(-1e14));
}

TEST(Parsing, NumberLinesAndFieldValues) {
    EXPECT_EQ(parse_number(" 12.5 "), 12.5);
    EXPECT_EQ(parse_number(".5"), 0.5);
    EXPECT_EQ(parse_number("-3"), -3.0);
    EXPECT_EQ(parse_number(" 1E-05 "), 1e-05);
    EXPECT_EQ(parse_number("29000000"), 29000000.0);
    EXPECT_FALSE(parse_number(""));
    EXPECT_FALSE(parse_number("   "));
    EXPECT_FALSE(parse_number("abc"));
    EXPECT_FALSE(parse_number("12abc"));
    EXPECT_FALSE(parse_number("."));
    EXPECT_FALSE(parse_number("1e999"));
    EXPECT_EQ(leading_value("12abc"), 12.0);
    EXPECT_EQ(leading_value("."), 0.0);
    EXPECT_EQ(leading_value(""), 0.0);
    EXPECT_EQ(leading_value("-"), 0.0);
    EXPECT_EQ(trim("  M2 \t"), "M2");
}

TEST(Parsing, EdgesOfTheDoubleRange) {
    // Beyond the largest double (about 1.8E+308) a value is infinite, so not a number of a file.
    EXPECT_EQ(parse_number("1000E305"), 1e308);
    EXPECT_FALSE(parse_number("100000E305"));
    EXPECT_FALSE(parse_number("1E+99999999999999999999"));
    EXPECT_EQ(leading_value("2E400 ft"), 0.0);
    // Below half the smallest subnormal (about 2.5E-324) a value reads as zero, keeping its sign;
    // subnormals themselves are read exactly.
    EXPECT_EQ(parse_number("1E-400"), 0.0);
    EXPECT_TRUE(std::signbit(*parse_number("-1E-400")));
    EXPECT_EQ(parse_number("0.001E-322"), 0.0);
    EXPECT_EQ(parse_number("-1E-99999999999999999999"), 0.0);
    EXPECT_EQ(parse_number("1E-320"), 1e-320);
    EXPECT_EQ(parse_number("+5"), 5.0);
    EXPECT_EQ(parse_number("5."), 5.0);
    EXPECT_EQ(general_number(5e-324), "4.94065645841247E-324");
    EXPECT_EQ(general_number(-1.7976931348623157e308), "-1.79769313486232E+308");
}

}  // namespace
}  // namespace spanlyx
