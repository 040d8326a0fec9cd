// Elastic supports and imposed support movements against closed forms of beam theory and an
// independent three-moment solution.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "analysis/calculate.h"
#include "analysis/structure_stability.h"
#include "beam_fixtures.h"

namespace spanlyx::test {
namespace {

// System M4: N and mm; E I = 200000 N/mm^2 x 1e8 mm^4.
constexpr double kEI = 200000.0 * 1.0e8;
constexpr double kL = 6000.0;

Joint settled(Joint joint, double settlement) {
    joint.settlement = settlement;
    return joint;
}
Joint turned(Joint joint, double rotation) {
    joint.imposed_rotation = rotation;
    return joint;
}
Joint y_spring(Joint joint, double ky) {
    joint.restraint_y = 0;
    joint.spring_y = true;
    joint.ky = ky;
    return joint;
}
Joint z_spring(Joint joint, double kz) {
    joint.restraint_z = 0;
    joint.spring_z = true;
    joint.kz = kz;
    return joint;
}

// The results of a beam that must analyse.
AnalysisResults analysed(const Beam& beam) {
    const CalculateOutcome out = calculate(beam);
    EXPECT_EQ(out.status, CalculateStatus::Analysed);
    return out.results ? *out.results : AnalysisResults{};
}

#define EXPECT_REL(actual, expected, rel) \
    EXPECT_NEAR((actual), (expected), (rel)*std::abs(expected) + 1e-9)

TEST(SpringsAndSettlements, ProppedCantileverWhosePropSettles) {
    // A cantilever tip pushed down by delta needs P = 3 E I delta / L^3; the wall takes P and the
    // moment P L; the tip turns clockwise by 3 delta / 2L. No loads: the movement alone loads it.
    const double delta = 12.0;  // mm
    const Beam beam = make_beam({kL}, {kFixed, settled(kPinned, delta)});
    const AnalysisResults r = analysed(beam);
    const double p = 3 * kEI * delta / std::pow(kL, 3);
    EXPECT_REL(r.reaction_shear[1], -p, 1e-9);
    EXPECT_REL(r.reaction_moment[0], p * kL, 1e-9);
    EXPECT_DOUBLE_EQ(r.joint_disp_y[1], -delta);
    EXPECT_REL(r.joint_rotation[1], -1.5 * delta / kL, 1e-9);
    expect_equilibrium(beam, r);
}

TEST(SpringsAndSettlements, TwoEqualSpansWhoseMiddleSupportSettles) {
    // Three-moment equation: 2 M_B (2L) = 6 E I (delta/L + delta/L), M_B = 3 E I delta / L^2,
    // sagging; the middle support pulls down 6 E I delta / L^3, each end pushes up half.
    const double delta = 5.0;
    const Beam beam = make_beam({kL, kL}, {kPinned, settled(kPinned, delta), kPinned});
    const AnalysisResults r = analysed(beam);
    const double m_b = 3 * kEI * delta / (kL * kL);
    EXPECT_REL(r.member_force_local[0][5], m_b, 1e-9);  // right end of span 1, ccw on it
    EXPECT_REL(r.reaction_shear[1], -2 * m_b / kL, 1e-9);
    EXPECT_DOUBLE_EQ(r.joint_disp_y[1], -delta);
    EXPECT_NEAR(r.joint_rotation[1], 0, 1e-15);  // symmetry
    expect_equilibrium(beam, r);                 // with symmetry: each end m_b / L
}

TEST(SpringsAndSettlements, ImposedRotationOfAFixedEnd) {
    // Fixed-fixed span whose left end is turned by theta: end moments 4EI theta/L and
    // 2EI theta/L, shears 6 E I theta / L^2.
    const double theta = 0.002;
    const AnalysisResults r = analysed(make_beam({kL}, {turned(kFixed, theta), kFixed}));
    EXPECT_REL(r.reaction_moment[0], 4 * kEI * theta / kL, 1e-9);
    EXPECT_REL(r.reaction_moment[1], 2 * kEI * theta / kL, 1e-9);
    EXPECT_REL(r.reaction_shear[0], 6 * kEI * theta / (kL * kL), 1e-9);
    EXPECT_REL(r.reaction_shear[1], -6 * kEI * theta / (kL * kL), 1e-9);
    EXPECT_DOUBLE_EQ(r.joint_rotation[0], theta);
}

TEST(SpringsAndSettlements, RotationalSpringSharesTheFixedEndMoment) {
    // Pinned at the left, held in Y and by kz at the right, uniform w: the end moment is
    // (w L^2 / 8) kz / (kz + 3 E I / L): 0 for a soft spring, w L^2 / 8 for a stiff one.
    const double w = 20.0;  // N/mm
    const double k_beam = 3 * kEI / kL;
    for (const double ratio : {1e-9, 0.25, 1.0, 4.0, 1e9}) {
        SCOPED_TRACE(ratio);
        const double kz = ratio * k_beam;
        const Beam beam = make_beam({kL}, {kPinned, z_spring(kPinned, kz)}, {uniform(1, w)});
        const AnalysisResults r = analysed(beam);
        const double moment = w * kL * kL / 8 * kz / (kz + k_beam);
        // The spring turns with the joint (ccw for a sagging span) and resists it.
        EXPECT_REL(r.reaction_moment[1], -moment, 1e-9);
        EXPECT_REL(r.reaction_moment[1], -kz * r.joint_rotation[1], 1e-12);
        expect_equilibrium(beam, r);
    }
}

// Three spans of 20 ft, E = 29000 ksi, I = 7800 in^4, 2 k/ft throughout; supports B, C and D
// settle 5/8, 1.5 and 3/4 in. Solved here by the three-moment equation (M sagging positive,
// settlements s downward):
//   M_l L_l + 2 M_c (L_l + L_r) + M_r L_r =
//       -w L_l^3 / 4 - w L_r^3 / 4 + 6 E I [(s_c - s_l) / L_l + (s_c - s_r) / L_r]
TEST(SpringsAndSettlements, ThreeSpanBeamWithSettlementsAgreesWithTheThreeMomentEquation) {
    const double l = 20.0;                    // ft
    const double w = 2000.0;                  // lb/ft
    const double ei = 29.0e6 * 7800 / 144.0;  // lb ft^2
    const std::array<double, 4> s_in = {0, 0.625, 1.5, 0.75};
    std::array<double, 4> s{};  // ft
    for (std::size_t i = 0; i < 4; ++i)
        s[i] = s_in[i] / 12;
    const double load = -w * l * l * l / 4 * 2;
    const double rhs_b = load + 6 * ei * ((s[1] - s[0]) / l + (s[1] - s[2]) / l);
    const double rhs_c = load + 6 * ei * ((s[2] - s[1]) / l + (s[2] - s[3]) / l);
    // [4L L; L 4L] [M_B; M_C] = [rhs_b; rhs_c]
    const double det = 16 * l * l - l * l;
    const double m_b = (4 * l * rhs_b - l * rhs_c) / det;
    const double m_c = (4 * l * rhs_c - l * rhs_b) / det;
    const std::array<double, 4> m = {0, m_b, m_c, 0};
    std::array<double, 4> reaction{};
    for (std::size_t span = 0; span < 3; ++span) {
        const double left_shear = w * l / 2 + (m[span + 1] - m[span]) / l;
        reaction[span] += left_shear;
        reaction[span + 1] += w * l - left_shear;
    }

    Beam beam = make_beam(
        {l, l, l},
        {kPinned, settled(kPinned, s_in[1]), settled(kPinned, s_in[2]), settled(kPinned, s_in[3])},
        {uniform(1, w), uniform(2, w), uniform(3, w)}, UnitSystem::E, 29.0e6, 7800);
    const AnalysisResults r = analysed(beam);
    EXPECT_REL(r.member_force_local[0][5], m_b, 1e-9);
    EXPECT_REL(r.member_force_local[2][2], -m_c, 1e-9);
    for (std::size_t j = 0; j < 4; ++j) {
        EXPECT_REL(r.reaction_shear[j], reaction[j], 1e-9) << j;
        EXPECT_DOUBLE_EQ(r.joint_disp_y[j], -s[j]) << j;  // feet inside the analysis
    }
}

TEST(SpringsAndSettlements, SpringStiffnessesArePerInchAndPerRadianInSystemE) {
    // 20 ft span on two springs of 500 lb/in under 1000 lb at midspan: each sinks 1 in (the
    // rigid-body drop P / 2k; the bending on top of it is checked by the sweep tests).
    const AnalysisResults r =
        analysed(make_beam({20.0}, {y_spring(kFree, 500), y_spring(kFree, 500)},
                           {point(1, 1000, 10)}, UnitSystem::E, 29.0e6, 100));
    EXPECT_REL(r.joint_disp_y[0] * 12, -1.0, 1e-12);
    EXPECT_REL(r.joint_disp_y[1] * 12, -1.0, 1e-12);
    EXPECT_REL(r.reaction_shear[1], 500.0, 1e-12);
    // kz is in ft-lb per radian, as the moments are: a span pinned at both ends with a rotational
    // spring at the right under a couple of 1000 ft-lb there: the joint turns by
    // C / (kz + 3 E I / L), E I in lb ft^2.
    const double ei = 29.0e6 * 100 / 144.0, kz = 1.0e6;
    const AnalysisResults c =
        analysed(make_beam({20.0}, {kPinned, z_spring(kPinned, kz)}, {couple(1, 1000, 20.0)},
                           UnitSystem::E, 29.0e6, 100));
    EXPECT_REL(c.joint_rotation[1], 1000 / (kz + 3 * ei / 20.0), 1e-12);
    EXPECT_REL(c.reaction_moment[1], -kz * 1000 / (kz + 3 * ei / 20.0), 1e-12);
}

TEST(SpringsAndSettlements, AStiffSpringActsAsASupportAndASoftOneAsNone) {
    // Two spans under uniform load with the middle joint on a spring: the middle reaction is
    // R = (5 w (2L)^4 / 384 E I) / (1/k + (2L)^3 / 48 E I), from 5wL/4 (rigid, k -> infinity)
    // down to 0 (k -> 0). Stiffness ratios of 1e12 either way must still solve accurately.
    const double w = 10.0;
    const double span = 2 * kL;
    const double free_sag = 5 * w * std::pow(span, 4) / (384 * kEI);
    const double beam_flex = std::pow(span, 3) / (48 * kEI);
    for (const double ratio : {1e-12, 1e-3, 1.0, 1e3, 1e12}) {
        const double k = ratio / beam_flex;
        const Beam beam = make_beam({kL, kL}, {kPinned, y_spring(kFree, k), kPinned},
                                    {uniform(1, w), uniform(2, w)});
        const AnalysisResults r = analyse(beam);
        ASSERT_TRUE(r.stable) << ratio;
        const double reaction = free_sag / (1 / k + beam_flex);
        EXPECT_NEAR(r.reaction_shear[1], reaction, 1e-9 * w * span) << ratio;
        EXPECT_NEAR(r.joint_disp_y[1], -reaction / k, 1e-9 * free_sag) << ratio;
        expect_equilibrium(beam, r);
    }
}

TEST(SpringsAndSettlements, SpringsHoldTheirCoordinateForStability) {
    const Joint y = y_spring(kFree, 100);
    const struct {
        std::vector<double> lengths;
        std::vector<Joint> joints;
        bool hinge_at_2, stable;
    } cases[] = {
        {{kL}, {y, kFree}, false, false},  // one spring: a mechanism
        {{kL}, {y, y}, false, true},
        {{kL}, {z_spring(y, 1e9), kFree}, false, true},  // spring cantilever
        {{kL, kL}, {kPinned, y, kFree}, false, true},    // an overhang
        {{kL, kL}, {kFree, y, kFree}, false, false},
        {{kL, kL}, {kPinned, y, y}, false, true},
        // A hinge at the spring joint: each body needs two holds of its own.
        {{kL, kL}, {kPinned, y, y}, true, true},
        {{kL, kL}, {kPinned, y, kFree}, true, false},
        {{kL, kL}, {kPinned, y, z_spring(kFree, 100)}, true, true},  // turned at 3
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        Beam beam = make_beam(cases[i].lengths, cases[i].joints);
        if (cases[i].hinge_at_2)
            beam = released(beam, 1, Release::Right);
        EXPECT_EQ(structure_is_stable(generate_structure(beam)), cases[i].stable) << i;
    }
    // Calculate stops at the mechanism.
    EXPECT_EQ(calculate(make_beam({kL}, {y, kFree}, {uniform(1, 1)})).status,
              CalculateStatus::Unstable);
}

TEST(SpringsAndSettlements, NoLoadsIsRefusedSilentlyUnlessASupportMoves) {
    EXPECT_EQ(calculate(make_beam({kL}, {y_spring(kPinned, 100), kPinned})).status,
              CalculateStatus::NoLoads);
    EXPECT_EQ(calculate(make_beam({kL}, {turned(kFixed, -0.001), kPinned})).status,
              CalculateStatus::Analysed);
}

TEST(SpringsAndSettlements, BadSpringsAndMovementsAreRefusedWithAMessage) {
    const double nan = std::nan("");
    const double inf = INFINITY;
    Joint spring_on_fixed = y_spring(kPinned, 10);
    spring_on_fixed.restraint_y = 1;
    Joint z_spring_on_fixed = z_spring(kPinned, 10);
    z_spring_on_fixed.restraint_z = 1;
    const std::string ky = "Joint 2 Spring Stiffness ky is not valid as it is ";
    const std::string kz = "Joint 2 Spring Stiffness kz is not valid as it is ";
    const std::string settlement = "Joint 2 Settlement is not valid as ";
    const std::string rotation = "Joint 2 Imposed Rotation is not valid as ";
    const struct {
        Joint joint;
        std::string message;
    } cases[] = {
        {y_spring(kPinned, 0), ky + "not greater than 0"},
        {y_spring(kPinned, -5), ky + "not greater than 0"},
        {y_spring(kPinned, nan), ky + "not a finite number"},
        {y_spring(kPinned, inf), ky + "not a finite number"},
        {y_spring(kPinned, 1e-310), ky + "too small to calculate with"},
        {z_spring(kPinned, 0), kz + "not greater than 0"},
        {z_spring(kPinned, -inf), kz + "not a finite number"},
        {spring_on_fixed, "Joint 2 Y Spring is not valid as the joint is fixed in Y"},
        {z_spring_on_fixed, "Joint 2 Z Spring is not valid as the joint is fixed in rotation"},
        {settled(kFree, 1), settlement + "the joint is not fixed in Y"},
        {settled(y_spring(kFree, 10), 1), settlement + "the joint is not fixed in Y"},
        {settled(kPinned, nan), settlement + "it is not a finite number"},
        {turned(kPinned, 0.01), rotation + "the joint is not fixed in rotation"},
        {turned(kFixed, inf), rotation + "it is not a finite number"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const CalculateOutcome out =
            calculate(make_beam({kL, kL}, {kFixed, c.joint, kPinned}, {uniform(1, 1)}));
        EXPECT_EQ(out.status, CalculateStatus::BeamRejected);
        ASSERT_EQ(out.messages.size(), 1u);
        EXPECT_EQ(out.messages[0].text, c.message + ". Please Check");
        EXPECT_EQ(out.messages[0].title, "Continuous Beam Response");
        // Refused as well when the movement is all that loads the beam.
        if (c.joint.settlement != 0 || c.joint.imposed_rotation != 0) {
            EXPECT_EQ(calculate(make_beam({kL, kL}, {kFixed, c.joint, kPinned})).status,
                      CalculateStatus::BeamRejected);
        }
    }
}

}  // namespace
}  // namespace spanlyx::test
