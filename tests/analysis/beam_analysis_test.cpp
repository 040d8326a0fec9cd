// Beams against closed-form beam theory: reactions, one joint's displacement, equilibrium.

#include <gtest/gtest.h>

#include "beam_fixtures.h"

namespace spanlyx {
namespace {

using namespace test;

constexpr double l = 4000, w = 5, p = 12000, m = 6.0e6, a = 1000, b = 3000;
constexpr double ei = 200000.0 * 1.0e8, l3 = l * l * l;
constexpr double feet_ei = 29.0e6 * 1000 / 144;  // E = 29e6 psi, I = 1000 in^4, lengths in ft

Beam one(Joint j1, Joint j2, std::vector<Load> loads) {
    return make_beam({l}, {j1, j2}, loads);
}
Beam two(Joint j1, Joint j2, std::vector<Load> loads, int hinged = 0, Release r = Release::None) {
    Beam beam = make_beam({l, l}, {j1, j2, kPinned}, loads);
    return hinged > 0 ? released(beam, hinged, r) : beam;
}

struct BeamCase {
    const char* name;
    Beam beam;
    std::vector<double> shear, moment;  // expected reactions per joint; empty: not checked
    int joint = 0;                      // 1-based joint whose displacement is checked
    double disp_y = 0, rotation = 0;
};

TEST(BeamAnalysis, ReactionsDisplacementsAndEquilibriumMatchBeamTheory) {
    // clang-format off
    const std::vector<BeamCase> cases = {
        {"simple span", one(kPinned, kPinned, {uniform(1, w)}), {w * l / 2, w * l / 2}, {0, 0}, 2, 0, w * l3 / (24 * ei)},
        {"propped cantilever", one(kFixed, kPinned, {uniform(1, w)}), {5 * w * l / 8, 3 * w * l / 8}, {w * l * l / 8, 0}, 2, 0, w * l3 / (48 * ei)},
        {"fixed ends, no equations", one(kFixed, kFixed, {uniform(1, w), point(1, p, a)}),
         {w * l / 2 + p * b * b * (3 * a + b) / l3, w * l / 2 + p * a * a * (a + 3 * b) / l3},
         {w * l * l / 12 + p * a * b * b / (l * l), -w * l * l / 12 - p * a * a * b / (l * l)}},
        {"cantilever", one(kFixed, kFree, {point(1, p, l)}), {p, 0}, {p * l, 0}, 2, -p * l3 / (3 * ei), -p * l * l / (2 * ei)},
        {"guided end", one(kFixed, kGuided, {point(1, p, l)}), {p, 0}, {p * l / 2, p * l / 2}, 2, -p * l3 / (12 * ei), 0},
        // A counterclockwise couple inside a simple span: R1 = M/L, R2 = -M/L by statics.
        {"couple in span", one(kPinned, kPinned, {couple(1, m, a)}), {m / l, -m / l}, {0, 0}},
        {"couple on fixed joint", one(kFixed, kFree, {couple(1, m, 0), point(1, p, 0)}), {p, 0}, {-m, 0}, 2, 0, 0},
        {"couple at tip", one(kFixed, kFree, {couple(1, m, l)}), {0, 0}, {-m, 0}, 2, m * l * l / (2 * ei), m * l / ei},
        {"two spans", two(kPinned, kPinned, {uniform(1, w), uniform(2, w)}), {3 * w * l / 8, 10 * w * l / 8, 3 * w * l / 8}, {0, 0, 0}, 2, 0, 0},
        {"three spans", make_beam({l, l, l}, {kPinned, kPinned, kPinned, kPinned}, {uniform(1, w), uniform(2, w), uniform(3, w)}),
         {0.4 * w * l, 1.1 * w * l, 1.1 * w * l, 0.4 * w * l}, {}},
        {"loads on joints", two(kPinned, kPinned, {point(1, p, l), point(2, 3000, 0), point(1, 700, 0)}), {700, p + 3000, 0}, {0, 0, 0}, 2, 0, 0},
        // Each span resists a couple on the middle joint with 3EI/L.
        {"couple on joint", two(kPinned, kPinned, {couple(1, m, l)}), {m / (2 * l), 0, -m / (2 * l)}, {}, 2, 0, m * l / (6 * ei)},
        // Span 1 acts as a propped cantilever, span 2 as a simple span.
        {"hinge on right", two(kFixed, kPinned, {uniform(1, w), uniform(2, w)}, 1, Release::Right), {5 * w * l / 8, 7 * w * l / 8, w * l / 2}, {w * l * l / 8, 0, 0}},
        {"hinge on left", two(kPinned, kFixed, {uniform(2, w)}, 2, Release::Left), {0, w * l / 2, w * l / 2}, {0, 0, 0}, 3, 0, w * l3 / (24 * ei)},
        {"link", released(one(kFixed, kFixed, {uniform(1, w)}), 1, Release::Both), {w * l / 2, w * l / 2}, {0, 0}},
        {"mixed loads", make_beam({3000, 7000, 2500}, {kFixed, kPinned, kFree, kPinned}, {uniform(1, 4, 500, 2600, 9),
         uniform(2, 6, 0, 7000, 1), point(2, 9000, 2200), couple(3, 4.0e6, 1000), point(3, 5000, 2500)}), {}, {}},
        {"system E", make_beam({20}, {kFixed, kPinned}, {uniform(1, 1000)}, UnitSystem::E, 29e6, 1000),
         {12500, 7500}, {50000, 0}, 2, 0, 1000 * 8000 / (48 * feet_ei)},
        {"system M3, kg", make_beam({4}, {kFixed, kFree}, {point(1, 1000, 4)}, UnitSystem::M3, 2.1e9, 8.0e-5),
         {1000, 0}, {4000, 0}, 2, -1000 * 64 / (3 * 2.1e9 * 8.0e-5), -1000 * 16 / (2 * 2.1e9 * 8.0e-5)},
    };
    // clang-format on
    for (const BeamCase& c : cases) {
        SCOPED_TRACE(c.name);
        const AnalysisResults r = analyse(c.beam);
        ASSERT_TRUE(r.stable);
        for (std::size_t j = 0; j < c.shear.size(); ++j)
            EXPECT_CLOSE(r.reaction_shear[j], c.shear[j]);
        for (std::size_t j = 0; j < c.moment.size(); ++j)
            EXPECT_CLOSE(r.reaction_moment[j], c.moment[j]);
        if (c.joint > 0) {
            EXPECT_CLOSE(r.joint_disp_y[static_cast<std::size_t>(c.joint - 1)], c.disp_y);
            EXPECT_CLOSE(r.joint_rotation[static_cast<std::size_t>(c.joint - 1)], c.rotation);
        }
        expect_equilibrium(c.beam, r);
    }
}

TEST(BeamAnalysis, MemberEndForcesAndDisplacements) {
    // Hogging wL^2/8 over the middle support: clockwise on the end of span 1; none at a hinge.
    const AnalysisResults r = analyse(two(kPinned, kPinned, {uniform(1, w), uniform(2, w)}));
    EXPECT_CLOSE(r.member_force_local[0][5], -w * l * l / 8);
    EXPECT_CLOSE(r.member_force_local[1][2], w * l * l / 8);
    const Beam hinged = two(kFixed, kPinned, {uniform(1, w), uniform(2, w)}, 1, Release::Right);
    EXPECT_NEAR(analyse(hinged).member_force_local[0][5], 0, 1e-6);
    EXPECT_EQ(analyse(one(kFixed, kFixed, {uniform(1, w)})).ndof, 0);

    // System E: joint displacements in feet, member end translations in inches.
    const AnalysisResults ft =
        analyse(make_beam({20}, {kFixed, kFree}, {point(1, 5000, 20)}, UnitSystem::E, 29e6, 1000));
    EXPECT_CLOSE(ft.joint_disp_y[1], -5000 * 8000 / (3 * feet_ei));
    EXPECT_CLOSE(ft.member_end_disp_local[0][4], 12 * ft.joint_disp_y[1]);
    EXPECT_CLOSE(ft.member_end_disp_local[0][5], -5000 * 400 / (2 * feet_ei));
    const AnalysisResults mm = analyse(one(kFixed, kFree, {point(1, p, l)}));
    EXPECT_EQ(mm.member_end_disp_local[0][4], mm.joint_disp_y[1]);
}

}  // namespace
}  // namespace spanlyx
