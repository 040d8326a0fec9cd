// The extremes the sweep keeps: the shear just right of every joint, the tie rules, the exact
// moment at a free far end, and the "na" threshold of deflections. Expected values come from
// statics and beam theory.
#include <gtest/gtest.h>

#include <string>

#include "response/extremes_report.h"
#include "response_test_support.h"

namespace spanlyx::test {
namespace {

// System E: 29e6 psi and 500 in^4.
constexpr double kEpsi = 29e6;
constexpr double kIin4 = 500;

TEST(SweepExtremes, ShearJustRightOfEveryJointIsAnExtreme) {
    // Two spans of 20 ft under 1000 lb/ft, pinned: R = 3wL/8, 10wL/8, 3wL/8; the shear runs
    // from 7500 down to -12500 in span 1 and from 12500 down to -7500 in span 2.
    Beam beam = make_beam({20, 20}, {kPinned, kPinned, kPinned}, UnitSystem::E, kEpsi, kIin4);
    add_uniform(beam, 1, 1000);
    add_uniform(beam, 2, 1000);
    const Swept s = sweep(beam);
    const SpanExtremes& one = s.response.span_extremes.at(0);
    const SpanExtremes& two = s.response.span_extremes.at(1);
    EXPECT_NEAR(one.shear_max.value, 7500, 1e-6);
    EXPECT_EQ(one.shear_max.at, 0.0);
    EXPECT_NEAR(one.shear_min.value, -12500, 1e-6);
    EXPECT_EQ(one.shear_min.at, 20.0);
    EXPECT_NEAR(two.shear_max.value, 12500, 1e-6);
    EXPECT_EQ(two.shear_max.at, 20.0);
    EXPECT_NEAR(two.shear_min.value, -7500, 1e-6);
    EXPECT_EQ(two.shear_min.at, 40.0);
    EXPECT_NEAR(s.response.beam_extremes.shear_max, 12500, 1e-6);

    const std::string& text = s.response.extremes_text;
    EXPECT_NE(text.find("    Maximum '+' Shear      (#)     = 7500.0\r\n"
                        "             @  Location   (ft)    = 0.00\r\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("    SPAN  2 \r\n    ****************************\r\n\r\n\r\n\r\n"
                        "    Maximum '+' Shear      (#)     = 12500.0\r\n"
                        "             @  Location   (ft)    = 0.00\r\n"),
              std::string::npos)
        << text;

    // The read-out of span 2 at X = 0 gets the values right of the support: V = 5wL/8.
    ASSERT_EQ(s.response.span_first_points.size(), 2u);
    const SamplePoint& start2 = s.response.span_first_points[1];
    EXPECT_EQ(start2.span, 2);
    EXPECT_EQ(start2.beam_x, 20.0);
    EXPECT_EQ(start2.span_x, 0.0);
    EXPECT_NEAR(start2.shear, 12500, 1e-5);
    EXPECT_NEAR(start2.moment, -1000 * 20.0 * 20 / 8, 1e-5);  // -wL^2/8
    EXPECT_EQ(s.response.span_first_points[0], s.points.front());
}

TEST(SweepExtremes, TiesKeepTheEarlierPointExceptForTheLargestDeflection) {
    RunningExtremes running;
    // Values of 0 never take an extreme: they start at 0.
    running.offer_shear(0, 1);
    running.offer_moment(0, 1);
    running.offer_deflection(-0.0, 1);
    SpanExtremes none = running.take();
    EXPECT_EQ(none.shear_max.at, 0);
    EXPECT_EQ(none.moment_min.at, 0);
    EXPECT_EQ(none.deflection_min.at, 0);
    EXPECT_EQ(none.deflection_max.at, 1);  // 0 >= 0: the deflection maximum moves on

    for (double at : {2.0, 3.0}) {
        running.offer_shear(5, at);
        running.offer_shear(-5, at);
        running.offer_moment(7, at);
        running.offer_moment(-7, at);
        running.offer_deflection(0.25, at);
        running.offer_deflection(-0.25, at);
    }
    const SpanExtremes row = running.take();
    EXPECT_EQ(row.shear_max.at, 2);
    EXPECT_EQ(row.shear_min.at, 2);
    EXPECT_EQ(row.moment_max.at, 2);
    EXPECT_EQ(row.moment_min.at, 2);
    EXPECT_EQ(row.deflection_min.at, 2);
    EXPECT_EQ(row.deflection_max.at, 3);
    // Just above and below a running value: the later point takes it.
    running.offer_moment(7, 2);
    running.offer_moment(7.000001, 3);
    running.offer_shear(-5, 2);
    running.offer_shear(-5.000001, 3);
    const SpanExtremes beyond = running.take();
    EXPECT_EQ(beyond.moment_max.at, 3);
    EXPECT_EQ(beyond.shear_min.at, 3);
    EXPECT_EQ(running.take().moment_max.at, 0);  // taking starts the next span afresh
}

TEST(SweepExtremes, TiesInTheSweep) {
    // Cantilever fixed at the left with P at its free tip: V = P from the root to just left of
    // the tip, the same value at every point; the earliest, the root, is kept.
    for (const double p : {30000.0, -30000.0}) {
        Beam beam = make_beam({5}, {kFixed, kFree});
        add_point(beam, 1, p, 5);
        const SpanExtremes e = sweep(beam).response.span_extremes.at(0);
        const Extreme& v = p > 0 ? e.shear_max : e.shear_min;
        EXPECT_NEAR(v.value, p, 1e-6) << p;
        EXPECT_EQ(v.at, 0.0) << p;
        // M = -P (L - x): the extreme at the root, the other never set.
        const Extreme& m = p > 0 ? e.moment_min : e.moment_max;
        EXPECT_NEAR(m.value, -p * 5, 1e-6) << p;
        EXPECT_EQ(m.at, 0.0) << p;
    }

    // A span held at both ends by fixed joints, unloaded beside a loaded one: its deflection
    // is 0 at every point and the last of the equal values, its right end, is kept.
    Beam pair = make_beam({5, 5}, {kFixed, kFixed, kPinned});
    add_uniform(pair, 2, 10000);
    const SpanExtremes rest = sweep(pair).response.span_extremes.at(0);
    EXPECT_EQ(rest.deflection_max.value, 0);
    EXPECT_EQ(rest.deflection_max.at, 5.0);
    EXPECT_EQ(rest.deflection_min.at, 0.0);  // never set
}

TEST(SweepExtremes, FreeFarEndStoresTheExactEndMoment) {
    // Cantilever of 2 ft fixed at the left; at its free tip a counterclockwise couple of 3000
    // ft-lb and a load of 5050 lb: M(x) = 3000 - 5050 (2 - x), 3000 just left of the tip.
    Beam beam = make_beam({2}, {kFixed, kFree}, UnitSystem::E, kEpsi, kIin4);
    add_moment(beam, 1, 3000, 2);
    add_point(beam, 1, 5050, 2);
    for (const bool zero_residual : {true, false}) {
        SessionOptions options;
        options.zero_residual = zero_residual;
        const Swept s = sweep(beam, options);
        const SpanExtremes& e = s.response.span_extremes.at(0);
        EXPECT_NEAR(e.moment_max.value, 3000, zero_residual ? 0 : 1e-6) << zero_residual;
        EXPECT_EQ(e.moment_max.at, 2.0) << zero_residual;
        EXPECT_NEAR(e.moment_min.value, 3000 - 5050 * 2, 1e-6);
        EXPECT_EQ(e.moment_min.at, 0.0);
        EXPECT_NE(s.response.extremes_text.find("    Maximum '+' Moment     (ft-#)  = 3000.0\r\n"
                                                "             @  Location   (ft)    = 2.00\r\n"),
                  std::string::npos);
    }

    // Without a couple the exact end moment is 0: under a uniform load M = -w (L - x)^2 / 2 is
    // never positive, whatever the residual at the tip.
    Beam plain = make_beam({2}, {kFixed, kFree}, UnitSystem::E, kEpsi, kIin4);
    add_uniform(plain, 1, 1000);
    const SpanExtremes e = sweep(plain).response.span_extremes.at(0);
    EXPECT_EQ(e.moment_max.value, 0);
    EXPECT_EQ(e.moment_max.at, 0);
    EXPECT_NEAR(e.moment_min.value, -1000 * 2.0 * 2 / 2, 1e-6);
}

TEST(SweepExtremes, DeflectionsPrintNaBelowHalfOfTheFourthDecimal) {
    // 0.00005 rounds to 0.0001 at four decimals and is printed; 0.000049 rounds to 0 and is
    // "na", on either side of the axis.
    const NumberPatterns patterns{"0.0", "0.0", "0.0", "0.000000", "0.0"};
    const std::string na_max = "    Maximum '+' Deflection         = na\r\n";
    const std::string na_min = "    Maximum '-' Deflection         = na\r\n";
    for (const double size : {0.00005, 0.000049}) {
        SpanExtremes row;
        row.deflection_max = {size, 1.5};
        row.deflection_min = {-size, 2.5};
        const std::string text = extremes_report({row}, {0}, UnitSystem::M, patterns);
        const bool shown = size >= 0.00005;
        EXPECT_EQ(text.find(na_max) == std::string::npos, shown) << size;
        EXPECT_EQ(text.find(na_min) == std::string::npos, shown) << size;
        if (shown) {
            EXPECT_NE(text.find("\r\n    Maximum '+' Deflection (m)     = 0.000050\r\n"
                                "             @  Location   (m)     = 1.50\r\n"),
                      std::string::npos)
                << text;
            EXPECT_NE(text.find("\r\n    Maximum '-' Deflection (m)     = -0.000050\r\n"
                                "             @  Location   (m)     = 2.50\r\n"),
                      std::string::npos)
                << text;
        }
    }
}

}  // namespace
}  // namespace spanlyx::test
