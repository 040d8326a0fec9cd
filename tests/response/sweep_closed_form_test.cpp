// The sampled shear, moment and deflection of single spans against beam theory. Deflections are
// compared with the exact elastic curves. The strip integration is second-order accurate: its
// error is of the order (h/L)^2 of the largest deflection, 4e-6 for h = 0.01 on a 5 m span, so
// the curves must agree within 1e-4 of the largest deflection.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "response_test_support.h"

namespace spanlyx::test {
namespace {

constexpr double kL = 5.0;
constexpr double kW = 10000.0;  // N/m

// Every record against exact curves of x (the span's own coordinate).
void expect_curves(const Swept& s, const std::function<double(double)>& shear,
                   const std::function<double(double)>& moment,
                   const std::function<double(double)>& deflection, double deflection_scale) {
    for (const SamplePoint& p : s.points) {
        const double x = p.span_x;
        if (shear) {
            EXPECT_NEAR(p.shear, shear(x), 1e-6 * kW * kL) << "x = " << x;
        }
        if (moment) {
            EXPECT_NEAR(p.moment, moment(x), 1e-6 * kW * kL * kL) << "x = " << x;
        }
        EXPECT_NEAR(p.deflection, deflection(x), 1e-4 * deflection_scale) << "x = " << x;
    }
}

using Curve = std::function<double(double)>;

// Uniform load kW on a single span kL: every record against the exact curves, and what each
// support arrangement adds.
TEST(SweepClosedForm, UniformLoadFollowsTheElasticCurveOfEachSupportArrangement) {
    const double l3 = kL * kL * kL, l4 = l3 * kL;
    const Curve simple_v = [](double x) { return kW * kL / 2 - kW * x; };
    const Curve simple_m = [](double x) { return kW * x * (kL - x) / 2; };
    const Curve simple_d = [l3](double x) {
        return -kW * x * (l3 - 2 * kL * x * x + x * x * x) / (24 * kEI);
    };
    const struct {
        const char* name;
        Joint left, right;
        Release release;
        Curve shear, moment, deflection;  // no shear or moment: not compared
        double largest_deflection;
        std::function<void(const Swept&)> also;
    } cases[] = {
        {"simply supported", kPinned, kPinned, Release::None, simple_v, simple_m, simple_d,
         5 * kW * l4 / (384 * kEI),
         [&](const Swept& s) {
             ASSERT_EQ(s.points.size(), 501u);  // 0.00 to 5.00
             EXPECT_EQ(s.response.sample_count, 501);
             EXPECT_EQ(s.points.front(), (SamplePoint{0, kW * kL / 2, 0, 0, 1, 0}));
             const SpanExtremes& e = s.response.span_extremes.at(0);
             // The reaction wL/2 is the shear at the span's first point.
             EXPECT_EQ(e.shear_max.at, 0.0);
             EXPECT_NEAR(e.shear_max.value, kW * kL / 2, 1e-6);
             EXPECT_DOUBLE_EQ(e.shear_min.at, kL);
             EXPECT_NEAR(e.shear_min.value, -kW * kL / 2, 1e-6);
             EXPECT_DOUBLE_EQ(e.moment_max.at, 2.5);
             EXPECT_NEAR(e.moment_max.value, kW * kL * kL / 8, 1e-6);
             EXPECT_DOUBLE_EQ(e.deflection_min.at, 2.5);
             EXPECT_NEAR(e.deflection_min.value, simple_d(2.5), -1e-4 * simple_d(2.5));
         }},
        {"propped cantilever", kFixed, kPinned, Release::None,
         [](double x) { return 5 * kW * kL / 8 - kW * x; },
         [](double x) { return -kW * kL * kL / 8 + 5 * kW * kL * x / 8 - kW * x * x / 2; },
         [](double x) { return -kW * x * x * (3 * kL * kL - 5 * kL * x + 2 * x * x) / (48 * kEI); },
         kW * l4 / (185 * kEI),
         [](const Swept& s) {
             EXPECT_NEAR(s.points.front().moment, -kW * kL * kL / 8, 1e-5);
             const Extreme& max = s.response.span_extremes[0].moment_max;
             EXPECT_NEAR(max.value, 9 * kW * kL * kL / 128, 0.2);  // at 5L/8 = 3.125
             EXPECT_NEAR(max.at, 3.125, 0.0051);
         }},
        {"fixed ends", kFixed, kFixed, Release::None, simple_v,
         [](double x) { return -kW * kL * kL / 12 + kW * x * (kL - x) / 2; },
         [](double x) { return -kW * x * x * (kL - x) * (kL - x) / (24 * kEI); },
         kW * l4 / (384 * kEI),
         [](const Swept& s) {
             // The reaction moment of joint 2 acts after its point: the end keeps -wL^2/12.
             EXPECT_NEAR(s.points.back().moment, -kW * kL * kL / 12, 1e-5);  // 5 decimals
             EXPECT_NEAR(s.response.span_extremes[0].moment_min.value, -kW * kL * kL / 12, 1e-6);
         }},
        // Hinged spans take their left slope from the release formula: pinned at the left and
        // fixed at the right, or simply supported whatever the joints do.
        {"hinge on the left between fixed joints", kFixed, kFixed, Release::Left, nullptr, nullptr,
         [l3](double x) { return -kW * x * (l3 - 3 * kL * x * x + 2 * x * x * x) / (48 * kEI); },
         kW * l4 / (185 * kEI), nullptr},
        {"hinges at both ends", kFixed, kFixed, Release::Both, nullptr, simple_m, simple_d,
         5 * kW * l4 / (384 * kEI), nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Beam beam = make_beam({kL}, {c.left, c.right});
        beam.spans[0].release = c.release;
        add_uniform(beam, 1, kW);
        const Swept s = sweep(beam);
        expect_curves(s, c.shear, c.moment, c.deflection, c.largest_deflection);
        if (c.also)
            c.also(s);
    }
}

TEST(SweepClosedForm, PointLoadStepsTheShearAtItsSample) {
    const double p = 20000;
    Beam beam = make_beam({kL}, {kPinned, kPinned});
    add_point(beam, 1, p, 2.5);
    const Swept s = sweep(beam);
    EXPECT_NEAR(s.at(1, 249).shear, p / 2, 1e-9);
    EXPECT_NEAR(s.at(1, 250).shear, -p / 2, 1e-9);
    EXPECT_NEAR(s.at(1, 250).moment, p * kL / 4, 1e-6);
    const double mid = p * std::pow(kL, 3) / (48 * kEI);
    EXPECT_NEAR(s.at(1, 250).deflection, -mid, 1e-4 * mid);
}

TEST(SweepClosedForm, AppliedMomentStepsTheMomentOnly) {
    const double c = 10000;
    for (const double a : {2.5, 1.0}) {
        Beam beam = make_beam({kL}, {kPinned, kPinned});
        add_moment(beam, 1, c, a);
        const Swept s = sweep(beam);
        const auto h = std::llround(a * 100);
        EXPECT_NEAR(s.at(1, h - 1).shear, c / kL, 1e-9);
        EXPECT_NEAR(s.at(1, h).shear, c / kL, 1e-9);
        EXPECT_NEAR(s.at(1, h - 1).moment, c * (a - 0.01) / kL, 1e-6);
        EXPECT_NEAR(s.at(1, h).moment, c * a / kL - c, 1e-6);  // right of the moment
        // Both sides of the step reach the extremes.
        EXPECT_NEAR(s.response.span_extremes[0].moment_max.value, c * a / kL, 1e-6);
        EXPECT_NEAR(s.response.span_extremes[0].moment_min.value, c * a / kL - c, 1e-6);
        // The strip ending at the moment enters the slope once: the curve closes at x = L.
        double scale = 0;
        for (double x = 0; x <= kL; x += 0.01)
            scale = std::max(scale, std::fabs(couple_deflection(c, a, x, kL)));
        expect_curves(
            s, [&](double) { return c / kL; }, nullptr,
            [&](double x) { return couple_deflection(c, a, x, kL); }, scale);
    }
}

TEST(SweepClosedForm, EndMomentOnSimplySupportedSpan) {
    const double c = 10000;
    Beam beam = make_beam({kL}, {kPinned, kPinned});
    add_moment(beam, 1, c, 0);  // carried by joint 1
    const Swept s = sweep(beam);
    EXPECT_NEAR(s.points.front().moment, -c, 1e-9);
    const auto y = [&](double x) {
        return c * (x * x * x / (6 * kL) - x * x / 2 + kL * x / 3) / kEI;
    };
    expect_curves(
        s, [&](double) { return c / kL; }, [&](double x) { return c * (x / kL - 1); }, y,
        c * kL * kL / (9 * std::sqrt(3.0) * kEI));
}

TEST(SweepClosedForm, ImperialFeetSampleDeflectionsInInches) {
    // 10 ft span, 100 lb/ft, E = 29e6 psi, I = 100 in^4.
    Beam beam = make_beam({10}, {kPinned, kPinned}, UnitSystem::E, 29e6, 100);
    add_uniform(beam, 1, 100);
    const Swept s = sweep(beam);
    const double w_per_inch = 100.0 / 12, l_inches = 120;
    const double mid = 5 * w_per_inch * std::pow(l_inches, 4) / (384 * 29e6 * 100);
    EXPECT_NEAR(s.at(1, 500).moment, 100 * 10 * 10 / 8.0, 1e-6);  // ft-lb
    EXPECT_NEAR(s.at(1, 500).deflection, -mid, 1e-4 * mid);
}

}  // namespace
}  // namespace spanlyx::test
