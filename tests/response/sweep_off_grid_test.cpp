// Loads that stand between two sampled points (6.6666667 in a file, three decimals in some
// unit systems). They act, and are shown, at the sampled point their two-decimal text names,
// but the moment after them is the moment of the true position: nothing is carried on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "model/number_text.h"
#include "response_test_support.h"

namespace spanlyx::test {
namespace {

constexpr double kL = 5.0;
// Records hold shear and moment to 5 decimals.
constexpr double kRecord = 1e-5;

TEST(SweepOffGrid, PointLoadCarriesNothingIntoTheNextSpan) {
    // Two spans of 20 ft, pinned, P at a = 6.6666667 ft in span 1. Three-moment equation:
    // M_B = -P a (L^2 - a^2) / (4 L^2); R_A = P (L - a) / L + M_B / L; span 2 carries the
    // straight line from M_B to 0.
    const double l = 20, p = 5000, a = 6.6666667;
    Beam beam = make_beam({l, l}, {kPinned, kPinned, kPinned}, UnitSystem::E, 29e6, 500);
    add_point(beam, 1, p, a);
    const Swept s = sweep(beam);
    const double mb = -p * a * (l * l - a * a) / (4 * l * l);
    const double ra = p * (l - a) / l + mb / l;
    for (const SamplePoint& pt : s.points) {
        const double x = pt.span_x;
        if (pt.span == 1) {
            EXPECT_NEAR(pt.moment, ra * x - p * std::max(0.0, x - a), 1e-4) << x;
            const double v = hundredths(x) >= hundredths(a) ? ra - p : ra;  // at 6.67
            EXPECT_NEAR(pt.shear, v, kRecord) << x;
        } else {
            EXPECT_NEAR(pt.moment, mb * (1 - x / l), 1e-4) << x;
            EXPECT_NEAR(pt.shear, -mb / l, kRecord) << x;
        }
    }
    EXPECT_NEAR(s.response.span_extremes[0].moment_max.value, ra * 6.67 - p * (6.67 - a), 1e-4);
    EXPECT_EQ(s.response.span_extremes[0].moment_max.at, 6.67);
}

TEST(SweepOffGrid, PointLoadOnEitherSideOfItsSampledPoint) {
    // Simply supported, P at a: M = P (L - a) x / L - P (x - a) for x > a; deflection of the
    // textbook curve. 2.504 is taken at 2.50, 2.506 at 2.51.
    const double p = 20000;
    for (const double a : {2.504, 2.506}) {
        Beam beam = make_beam({kL}, {kPinned, kPinned});
        add_point(beam, 1, p, a);
        const Swept s = sweep(beam);
        const double b = kL - a;
        const double largest = p * kL * kL * kL / (48 * kEI);  // near enough, as a scale
        for (const SamplePoint& pt : s.points) {
            const double x = pt.span_x;
            EXPECT_NEAR(pt.moment, p * b * x / kL - p * std::max(0.0, x - a), kRecord)
                << a << " " << x;
            const double y = x <= a ? -p * b * x * (kL * kL - b * b - x * x) / (6 * kL * kEI)
                                    : -p * a * (kL - x) * (kL * kL - a * a - (kL - x) * (kL - x)) /
                                          (6 * kL * kEI);
            EXPECT_NEAR(pt.deflection, y, 1e-4 * largest) << a << " " << x;
        }
        const long long acting = hundredths(a);  // 250 and 251
        EXPECT_NEAR(s.at(1, acting - 1).shear, p * b / kL, kRecord) << a;
        EXPECT_NEAR(s.at(1, acting).shear, p * b / kL - p, kRecord) << a;
    }
}

TEST(SweepOffGrid, CoupleBendsTheSpanFromItsTruePosition) {
    const double c = 10000;
    for (const double a : {2.504, 2.506}) {
        Beam beam = make_beam({kL}, {kPinned, kPinned});
        add_moment(beam, 1, c, a);
        const Swept s = sweep(beam);
        double largest = 0;
        for (double x = 0; x <= kL; x += 0.01)
            largest = std::max(largest, std::fabs(couple_deflection(c, a, x, kL)));
        const long long acting = hundredths(a);
        for (const SamplePoint& pt : s.points) {
            const double x = pt.span_x;
            // The jump is shown at the sampled point the couple's text names.
            const double m = c * x / kL - (hundredths(x) >= acting ? c : 0);
            EXPECT_NEAR(pt.moment, m, kRecord) << a << " " << x;
            EXPECT_NEAR(pt.deflection, couple_deflection(c, a, x, kL), 1e-4 * largest)
                << a << " " << x;
        }
    }
}

TEST(SweepOffGrid, DistributedLoadBetweenThirdPoints) {
    // Simply supported span of 10 m, a load from L/3 to 2L/3, neither on a sampled point.
    const double l = 10, x1 = l / 3, x2 = 2 * l / 3, w = 10000, len = x2 - x1;
    // Uniform: R_A = w len / 2 by symmetry.
    {
        Beam beam = make_beam({l}, {kPinned, kPinned});
        span_of(beam, 1).uniforms.push_back({x1, w, x2, w});
        const Swept s = sweep(beam);
        const double ra = w * len / 2;
        for (const SamplePoint& pt : s.points) {
            const double x = pt.span_x;
            const double under = std::clamp(x - x1, 0.0, len);
            EXPECT_NEAR(pt.shear, ra - w * under, kRecord) << x;
            const double m = ra * x - w * under * (x - x1 - under / 2);
            EXPECT_NEAR(pt.moment, m, kRecord) << x;
        }
        EXPECT_NEAR(s.points.back().moment, 0, kRecord);
    }
    // Triangular, 0 at x1 rising to w at x2: resultant W = w len / 2 at x1 + 2 len / 3. Under
    // the load the shear is quadratic and the trapezoid rule on it errs by len h^2 w' / 12 in
    // all, h = 0.01: the bound of the comparison.
    {
        Beam beam = make_beam({l}, {kPinned, kPinned});
        span_of(beam, 1).uniforms.push_back({x1, 0, x2, w});
        const Swept s = sweep(beam);
        const double slope = w / len, total = w * len / 2, centroid = x1 + 2 * len / 3;
        const double ra = total * (l - centroid) / l;
        const double bound = len * 1e-4 * slope / 12 * 1.01;
        for (const SamplePoint& pt : s.points) {
            const double x = pt.span_x;
            const double u = std::clamp(x - x1, 0.0, len);
            double v = ra, m = ra * x;
            if (x <= x2) {
                v -= slope * u * u / 2;
                m -= slope * u * u * u / 6;
            } else {
                v -= total;
                m -= total * (x - centroid);
            }
            EXPECT_NEAR(pt.shear, v, kRecord) << x;
            EXPECT_NEAR(pt.moment, m, bound + kRecord) << x;
        }
    }
}

TEST(SweepOffGrid, SpanEndingBetweenSampledPointsEndsItsLastStripThere) {
    // Two spans under w, pinned; span 1 is 2.125 (end point sampled as 2.13) or 2.124 (2.12).
    // Three-moment equation: M_B = -w (L1^3 + L2^3) / (8 (L1 + L2)); span 2 carries
    // M_B (1 - x / L2) + w x (L2 - x) / 2 and closes to 0 at the far end.
    const double w = 10000, l2 = 2;
    for (const double l1 : {2.125, 2.124}) {
        Beam beam = make_beam({l1, l2}, {kPinned, kPinned, kPinned});
        add_uniform(beam, 1, w);
        add_uniform(beam, 2, w);
        const Swept s = sweep(beam);
        const double mb = -w * (l1 * l1 * l1 + l2 * l2 * l2) / (8 * (l1 + l2));
        const SamplePoint& joint = s.at(1, hundredths(l1));
        EXPECT_NEAR(joint.moment, mb, kRecord) << l1;
        EXPECT_NEAR(joint.shear, -w * l1 / 2 + mb / l1, kRecord) << l1;  // just left of B
        // Integration error of the curve only: well below the 0.005 of slope the half step
        // beyond the end would add.
        const double scale = 1e-5 * w * std::pow(l1, 4) / kEI;
        EXPECT_NEAR(joint.deflection, 0, scale) << l1;
        for (const SamplePoint& pt : s.points) {
            if (pt.span != 2)
                continue;
            const double x = pt.span_x;
            EXPECT_NEAR(pt.moment, mb * (1 - x / l2) + w * x * (l2 - x) / 2, kRecord) << l1 << x;
        }
        EXPECT_NEAR(s.points.back().deflection, 0, scale) << l1;
    }
}

}  // namespace
}  // namespace spanlyx::test
