// Values at an interval and at one distance along every span.
#include <gtest/gtest.h>

#include <string>

#include "response_test_support.h"

namespace spanlyx::test {
namespace {

std::size_t count_of(const std::string& text, const std::string& item) {
    std::size_t n = 0;
    for (auto at = text.find(item); at != std::string::npos; at = text.find(item, at + 1))
        ++n;
    return n;
}

std::string block(const std::string& x, const std::string& v, const std::string& m,
                  const std::string& d) {
    return "    Dist X from Lt side of span (m)   = " + x + "\r\n    Shear           = " + v +
           "\r\n    Moment          = " + m + "\r\n    Deflection (m) = " + d + "\r\n \r\n";
}

TEST(ExtraOutput, IntervalBlocksFallOnWholeHundredths) {
    // Simply supported 10.00 m span, 1000 N/m: V = w(L/2 - x), M = w x (L - x) / 2,
    // D = -w x (L^3 - 2 L x^2 + x^3) / 24EI.
    Beam beam = make_beam({10}, {kPinned, kPinned});
    add_uniform(beam, 1, 1000);
    SessionOptions options;
    options.interval_wanted = true;
    options.interval_step = 2.5;
    const Swept s = sweep(beam, options);
    ASSERT_TRUE(s.response.extra_text.has_value());
    const std::string expected =
        "\r\n    *****************************\r\n    EXTRA DATA REQUESTED BY USER\r\n"
        "    Interval @2.50\r\n    *****************************\r\n"
        "\r\n\r\n    ****************************\r\n    SPAN  1 \r\n"
        "    ****************************\r\n\r\n\r\n" +
        block("2.50", "2500.0", "9375.0", "-0.005") + block("5.00", "0.0", "12500.0", "-0.007") +
        block("7.50", "-2500.0", "9375.0", "-0.005") + block("10.00", "-5000.0", "0.0", "0.000");
    EXPECT_EQ(*s.response.extra_text, expected);

    // An interval that is not a whole number of hundredths is taken to the nearest one.
    for (const double step : {2.504, 2.4951}) {
        options.interval_step = step;
        EXPECT_EQ(sweep(beam, options).response.extra_text, expected) << step;
    }
}

TEST(ExtraOutput, SpecificXOnlyOnSpansThatReachIt) {
    Beam beam = make_beam({2, 6}, {kPinned, kPinned, kPinned});
    add_uniform(beam, 1, 1000);
    add_uniform(beam, 2, 1000);
    SessionOptions options;
    options.specific_wanted = true;
    options.specific_x = 3;
    const std::string text = sweep(beam, options).response.extra_text.value_or("");
    const std::string head =
        "\r\n    *****************************\r\n    EXTRA DATA REQUESTED BY USER\r\n"
        "    Specific X Dist From Left\r\n    Span  2 \r\n    *****************************\r\n"
        "    Dist X from Lt side of span (m)   = 3.00\r\n    Shear           = ";
    EXPECT_EQ(text.substr(0, head.size()), head);
    EXPECT_EQ(count_of(text, "Specific X"), 1u);
    EXPECT_EQ(count_of(text, "Interval"), 0u);

    EXPECT_FALSE(sweep(beam).response.extra_text.has_value());  // neither output on
}

TEST(ExtraOutput, CentimetreDeflections) {
    // System M3: deflections in cm. Mid-span of 10 m under 1000 kg/m with E I = 2e7 kg m^2:
    // 5wL^4/384EI = 0.006510 m = 0.651 cm.
    Beam beam = make_beam({10}, {kPinned, kPinned}, UnitSystem::M3);
    add_uniform(beam, 1, 1000);
    SessionOptions options;
    options.specific_wanted = true;
    options.specific_x = 5;
    const std::string text = sweep(beam, options).response.extra_text.value_or("");
    EXPECT_NE(text.find("    Moment          = 12500.0\r\n    Deflection (cm) = -0.651\r\n"),
              std::string::npos)
        << text;
}

}  // namespace
}  // namespace spanlyx::test
