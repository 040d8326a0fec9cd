// The sweep over spring-borne and settled joints, and settlements in the envelopes' dead case.
#include <gtest/gtest.h>

#include <cmath>

#include "response/envelope.h"
#include "response_test_support.h"

namespace spanlyx::test {
namespace {

constexpr double kL = 6.0;  // m

Joint spring_y(double k) {
    Joint joint{0, 0};
    joint.spring_y = true;
    joint.ky = k;
    return joint;
}
Joint settled_pin(double settlement) {
    Joint joint{1, 0};
    joint.settlement = settlement;
    return joint;
}

// The sweep integrates the curvature in 0.01 steps: deflections agree with the closed forms to
// about a millionth of their size.
constexpr double kSweepShare = 1e-5;

TEST(SweepSprings, SpanOnTwoSpringsDeflectsByTheDropPlusItsOwnBending) {
    const double p = 10000, k = 1.0e6;  // N, N/m
    Beam beam = make_beam({kL}, {spring_y(k), spring_y(k)});
    add_point(beam, 1, p, kL / 2);
    const Swept s = sweep(beam);
    const double drop = p / (2 * k);
    const double mid = drop + p * kL * kL * kL / (48 * kEI);
    EXPECT_NEAR(s.at(1, 0).deflection, -drop, 1e-12);  // the joint's own displacement
    EXPECT_NEAR(s.at(1, 300).deflection, -mid, kSweepShare * mid);
    EXPECT_NEAR(s.points.back().deflection, -drop, kSweepShare * mid);
    EXPECT_NEAR(s.at(1, 0).shear, p / 2, 1e-6);  // the spring's reaction enters the shear
    // Over a spring joint the extreme is the true deflection: the midspan one here.
    const Extreme& min = s.response.span_extremes[0].deflection_min;
    EXPECT_NEAR(min.value, -mid, kSweepShare * mid);
    EXPECT_DOUBLE_EQ(min.at, 3.0);
}

TEST(SweepSprings, LoadStandingOnASpringJointBendsTheBeamOverIt) {
    // Two spans pinned at the ends, the middle joint on a spring, P entered at x = L of span 1:
    // the spring holds the middle of a 2L simple span, R2 = P / (1 + 48 E I / k (2L)^3); each
    // end takes (P - R2)/2 and the moment over the spring is (P - R2)/2 L.
    const double p = 10000, k = 2.0e6;
    Beam beam = make_beam({kL, kL}, {kPinned, spring_y(k), kPinned});
    add_point(beam, 1, p, kL);
    const Swept s = sweep(beam);
    const double r2 = p / (1 + 48 * kEI / (k * std::pow(2 * kL, 3)));
    const double end = (p - r2) / 2;
    EXPECT_NEAR(s.calc.results->reaction_shear[1], r2, 1e-6 * p);
    EXPECT_NEAR(s.at(1, 300).shear, end, 1e-6 * p);
    EXPECT_NEAR(s.at(2, 300).shear, -end, 1e-6 * p);  // after the load and the spring
    EXPECT_NEAR(s.at(2, 300).moment, end * kL / 2, 1e-6 * p * kL);
    const Extreme& max = s.response.span_extremes[0].moment_max;
    EXPECT_NEAR(max.value, end * kL, 1e-6 * p * kL);
    EXPECT_DOUBLE_EQ(max.at, kL);
    EXPECT_NEAR(s.at(1, 599).deflection, -r2 / k, kSweepShare * r2 / k);
}

TEST(SweepSprings, SettledSupportKeepsItsDeflectionInTheExtremes) {
    // Two spans, the middle support settles delta: the curve is that of a 2L simple span under a
    // central force 6 E I delta / L^3, y = -F x (12 L^2 - 4 x^2) / 48 E I on the first span.
    const double delta = 0.01;
    Beam beam = make_beam({kL, kL}, {kPinned, settled_pin(delta), kPinned});
    const Swept s = sweep(beam);  // no loads: the settlement is what is analysed
    const double f = 6 * kEI * delta / (kL * kL * kL);
    for (const long long h : {100LL, 250LL, 400LL, 599LL}) {
        const double x = static_cast<double>(h) / 100;
        const double y = -f * x * (12 * kL * kL - 4 * x * x) / (48 * kEI);
        EXPECT_NEAR(s.at(1, h).deflection, y, kSweepShare * delta) << x;
        // Span 2 mirrors span 1 about the settled support.
        EXPECT_NEAR(s.at(2, 600 - h).deflection, y, kSweepShare * delta) << x;
    }
    const Extreme& min = s.response.span_extremes[0].deflection_min;
    EXPECT_NEAR(min.value, -delta, kSweepShare * delta);  // not the 0 of an unmoved support
    EXPECT_DOUBLE_EQ(min.at, kL);
    // Span 2 ends over an unmoved support: its extreme there stays 0, its minimum at its start.
    EXPECT_NEAR(s.response.span_extremes[1].deflection_min.value, -delta, kSweepShare * delta);
    EXPECT_EQ(s.response.span_extremes[1].deflection_max.value, 0);
}

TEST(EnvelopeSettlements, SettlementsBelongToTheDeadCase) {
    Beam beam = make_beam({kL, kL}, {kPinned, settled_pin(0.01), kPinned});
    add_uniform(beam, 1, 1000);
    add_uniform(beam, 2, 1000);
    span_of(beam, 2).uniforms[0].load_case = LoadCase::Live;
    EXPECT_EQ(load_case_beam(beam, 0).joints, beam.joints);
    const Beam live = load_case_beam(beam, 2);
    EXPECT_EQ(live.joints[1].settlement, 0);
    EXPECT_TRUE(live.spans[0].uniforms.empty());

    // Dead only (live factor 0): the envelope is the as-entered response without the live load,
    // settlement included; counted once even though a live case exists.
    beam.combinations = {{"D", 1, 0}, {"2D", 2, 0}};
    const std::vector<CombinationEnvelope> env = compute_envelopes(beam, {});
    ASSERT_EQ(env.size(), 2u);
    Beam dead = beam;
    span_of(dead, 2).uniforms.clear();
    dead.combinations.clear();
    const CalculateOutcome d = calculate(dead);
    ASSERT_EQ(d.status, CalculateStatus::Analysed);
    for (std::size_t j = 0; j < 3; ++j) {
        EXPECT_NEAR(env[0].reactions[j].shear_max.value, d.results->reaction_shear[j], 1e-6);
        EXPECT_NEAR(env[1].reactions[j].shear_max.value, 2 * d.results->reaction_shear[j], 1e-6);
    }
    // The deflections too: the dead case's sweep carries the settled support.
    const Swept dead_sweep = sweep(dead);
    for (std::size_t span = 0; span < 2; ++span) {
        EXPECT_NEAR(env[0].spans[span].deflection_min.value,
                    dead_sweep.response.span_extremes[span].deflection_min.value,
                    kSweepShare * 0.01);
    }
    EXPECT_LT(env[0].spans[0].deflection_min.value, -0.01 + 1e-9);
}

}  // namespace
}  // namespace spanlyx::test
