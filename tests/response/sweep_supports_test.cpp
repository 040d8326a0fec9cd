// What happens at the joints: reactions, moment reactions, loads standing on supports, free and
// guided ends, and the records written around a joint.
#include <gtest/gtest.h>

#include <cmath>

#include "response_test_support.h"

namespace spanlyx::test {
namespace {

constexpr double kL = 5.0;
constexpr double kW = 10000.0;

TEST(SweepSupports, TwoSpanJointIsSampledTwiceAndTheShearJumpsByTheReaction) {
    Beam beam = make_beam({kL, kL}, {kPinned, kPinned, kPinned});
    add_uniform(beam, 1, kW);
    add_uniform(beam, 2, kW);
    const Swept s = sweep(beam);
    // 501 records for span 1 (its start included), 500 for span 2 (its start is the joint).
    ASSERT_EQ(s.points.size(), 1001u);
    const SamplePoint& left = s.points[500];
    const SamplePoint& right = s.points[501];
    EXPECT_EQ(left.span, 1);
    EXPECT_DOUBLE_EQ(left.beam_x, 5.0);
    EXPECT_NEAR(left.shear, -5 * kW * kL / 8, 1e-5);
    EXPECT_NEAR(left.moment, -kW * kL * kL / 8, 1e-5);
    EXPECT_NEAR(left.deflection, 0, 1e-4 * kW * std::pow(kL, 4) / kEI);  // integration error
    EXPECT_EQ(right.span, 2);
    EXPECT_DOUBLE_EQ(right.beam_x, 5.01);
    EXPECT_DOUBLE_EQ(right.span_x, 0.01);
    // Reaction 10wL/8 between the two sides.
    EXPECT_NEAR(right.shear, 5 * kW * kL / 8 - 0.01 * kW, 1e-5);
    // The joint belongs to both spans: span 2 meets its hogging moment at its start.
    const Extreme& span2_min = s.response.span_extremes[1].moment_min;
    EXPECT_NEAR(span2_min.value, -kW * kL * kL / 8, 1e-6);
    EXPECT_DOUBLE_EQ(span2_min.at, 5.0);
    EXPECT_EQ(s.response.span_start, (std::vector<double>{0, 5}));
}

TEST(SweepSupports, RecordCountsFollowTheSpanLengths) {
    Beam beam = make_beam({2, 6}, {kPinned, kPinned, kPinned});
    add_uniform(beam, 2, kW);
    const Swept s = sweep(beam);
    ASSERT_EQ(s.points.size(), 801u);
    EXPECT_EQ(s.points.front().span, 1);
    EXPECT_DOUBLE_EQ(s.points.front().beam_x, 0);
    EXPECT_DOUBLE_EQ(s.points[200].beam_x, 2.0);
    EXPECT_EQ(s.points[201].span, 2);
    EXPECT_DOUBLE_EQ(s.points.back().beam_x, 8.0);
    EXPECT_DOUBLE_EQ(s.points.back().span_x, 6.0);
    for (std::size_t i = 1; i < s.points.size(); ++i) {
        EXPECT_NEAR(s.points[i].beam_x - s.points[i - 1].beam_x, 0.01, 1e-9);
    }
}

TEST(SweepSupports, FixedEndMomentActsAfterItsPointAndFreeEndsStartFromTheirDisplacement) {
    // Cantilever fixed at its right end: free end at x = 0.
    Beam cantilever = make_beam({kL}, {kFree, kFixed});
    add_uniform(cantilever, 1, kW);
    const Swept s = sweep(cantilever);
    EXPECT_NEAR(s.points.front().deflection, -kW * std::pow(kL, 4) / (8 * kEI), 1e-10);
    for (const SamplePoint& p : s.points) {
        const double x = p.span_x;
        const double y =
            -kW * (std::pow(x, 4) - 4 * std::pow(kL, 3) * x + 3 * std::pow(kL, 4)) / (24 * kEI);
        EXPECT_NEAR(p.deflection, y, 1e-4 * kW * std::pow(kL, 4) / (8 * kEI)) << x;
    }
    EXPECT_NEAR(s.points.back().moment, -kW * kL * kL / 2, 1e-5);
    EXPECT_NEAR(s.points.back().shear, -kW * kL, 1e-5);
    const Extreme& min = s.response.span_extremes[0].moment_min;
    EXPECT_NEAR(min.value, -kW * kL * kL / 2, 1e-6);
    EXPECT_DOUBLE_EQ(min.at, kL);

    // Guided left end (no rotation, free to translate): y(0) = -wL^4 / 24EI.
    Beam guided = make_beam({kL}, {kGuided, kFixed});
    add_uniform(guided, 1, kW);
    const Swept g = sweep(guided);
    for (const SamplePoint& p : g.points) {
        const double x = p.span_x;
        const double y =
            (-kW * std::pow(kL, 4) / 24 + kW * kL * kL / 12 * x * x - kW * std::pow(x, 4) / 24) /
            kEI;
        EXPECT_NEAR(p.deflection, y, 1e-4 * kW * std::pow(kL, 4) / (24 * kEI)) << x;
    }

    // Joint 2 fixed between a loaded and an unloaded cantilever: span 2 starts from the moment
    // after the reaction moment, which is nil.
    Beam pair = make_beam({kL, kL}, {kFree, kFixed, kFree});
    add_uniform(pair, 1, kW);
    const Swept p = sweep(pair);
    EXPECT_NEAR(p.response.span_extremes[0].moment_min.value, -kW * kL * kL / 2, 1e-6);
    for (std::size_t i = 501; i < p.points.size(); ++i) {
        EXPECT_NEAR(p.points[i].moment, 0, 1e-5);
        EXPECT_NEAR(p.points[i].shear, 0, 1e-5);
    }
}

TEST(SweepSupports, LoadsStandingOnASupportGoStraightIntoIt) {
    // On the end support of a simply supported span: the span's shear stays that of w.
    Beam single = make_beam({kL}, {kPinned, kPinned});
    add_uniform(single, 1, kW);
    add_point(single, 1, 30000, kL);
    const Swept s = sweep(single);
    EXPECT_NEAR(s.points.back().shear, -kW * kL / 2, 1e-5);
    EXPECT_NEAR(s.response.span_extremes[0].shear_min.value, -kW * kL / 2, 1e-6);

    // On the middle support of two spans, entered on either span.
    for (const int span : {1, 2}) {
        Beam beam = make_beam({kL, kL}, {kPinned, kPinned, kPinned});
        add_uniform(beam, 1, kW);
        add_uniform(beam, 2, kW);
        add_point(beam, span, 30000, span == 1 ? kL : 0);
        const Swept t = sweep(beam);
        EXPECT_NEAR(t.points[500].shear, -5 * kW * kL / 8, 1e-5) << span;
        EXPECT_NEAR(t.points[501].shear, 5 * kW * kL / 8 - 0.01 * kW, 1e-5) << span;
    }

    // At a free end the load is taken at its point: the tip shear closes to 0.
    Beam tip = make_beam({kL}, {kFixed, kFree});
    add_point(tip, 1, 30000, kL);
    const Swept c = sweep(tip);
    EXPECT_NEAR(c.points.front().moment, -30000 * kL, 1e-5);
    EXPECT_NEAR(c.at(1, 499).shear, 30000, 1e-5);
    EXPECT_NEAR(c.points.back().shear, 0, 1e-5);

    // A moment applied at a joint fixed against rotation: the span itself carries nothing.
    Beam held = make_beam({kL}, {kFixed, kFixed});
    add_moment(held, 1, 40000, kL);
    for (const SamplePoint& p : sweep(held).points) {
        EXPECT_EQ(p.moment, 0) << p.span_x;
        EXPECT_EQ(p.shear, 0) << p.span_x;
    }
    // A couple c at the end of span 1 stands on the pinned middle joint of two equal spans:
    // R1 = c/2L, so the span ends at +c/2 and the couple acts after that record, leaving -c/2.
    Beam pair = make_beam({kL, kL}, {kPinned, kPinned, kPinned});
    add_moment(pair, 1, 40000, kL);
    const Swept j = sweep(pair);
    EXPECT_NEAR(j.points[500].moment, 20000, 1e-5);
    EXPECT_NEAR(j.points[501].moment, -20000 + 4000 * 0.01, 1e-5);
}

}  // namespace
}  // namespace spanlyx::test
