#include <gtest/gtest.h>

#include "analysis/gauss_jordan.h"
#include "beam_fixtures.h"

namespace spanlyx {
namespace {

using namespace test;

TEST(GaussJordan, PivotIsZeroBelowTheRatioOfItsAssembledDiagonal) {
    // [[1, 1], [1, 1 + delta]] d = [2, 2 + delta]: d = (1, 1), second pivot delta.
    const auto solve = [](double delta) {
        LinearSystem system(2);
        system.s = {1, 1, 1, 1 + delta};
        system.p = {2, 2 + delta};
        const EliminationOutcome outcome = solve_gauss_jordan(system);
        if (outcome == EliminationOutcome::Solved) {
            EXPECT_NEAR(system.p[0], 1, 1e-6);
            EXPECT_NEAR(system.p[1], 1, 1e-6);
        }
        return outcome;
    };
    EXPECT_EQ(solve(0), EliminationOutcome::ZeroPivot);
    EXPECT_EQ(solve(1e-12), EliminationOutcome::ZeroPivot);
    EXPECT_EQ(solve(1e-8), EliminationOutcome::Solved);

    LinearSystem negative(1);  // a negative pivot is no failure; no equations is no failure
    negative.s = {-2};
    negative.p = {4};
    EXPECT_EQ(solve_gauss_jordan(negative), EliminationOutcome::Solved);
    EXPECT_EQ(negative.p[0], -2);
    LinearSystem empty(0);
    EXPECT_EQ(solve_gauss_jordan(empty), EliminationOutcome::Solved);
}

TEST(Stability, MechanismsAreUnstableThoughRoundingLeavesAPivot) {
    // With E = 29e6 psi and I = 100 in^4 in system E, plain elimination of (a) and (b) ends on
    // a pivot of rounding size instead of an exact zero.
    const auto unstable = [](const Beam& beam) {
        const AnalysisResults r = analyse(beam);
        EXPECT_EQ(r.member_end_disp_local.size(), beam.spans.size());
        return !r.stable;
    };
    const auto E = UnitSystem::E;
    // (a) a span turning about the pin at joint 1, joint 2 free
    EXPECT_TRUE(unstable(make_beam({0.37}, {kPinned, kFree}, {uniform(1, 10)}, E, 29e6, 100)));
    // (b) span 1 hinged on its right end; span 2 hangs from joint 2 with joint 3 free
    EXPECT_TRUE(unstable(
        released(make_beam({1, 10}, {kPinned, kPinned, kFree}, {uniform(2, 10)}, E, 29e6, 100), 1,
                 Release::Right)));
    // hinges on both sides of a free joint; a link between joints free to rotate
    EXPECT_TRUE(
        unstable(released(released(make_beam({10, 10}, {kPinned, kFree, kPinned}, {uniform(1, 10)}),
                                   1, Release::Right),
                          2, Release::Left)));
    EXPECT_TRUE(unstable(
        released(make_beam({10}, {kPinned, kPinned}, {uniform(1, 10)}), 1, Release::Both)));
}

TEST(Stability, StableBeamsWithExtremeRatiosStayStable) {
    // Spans of 0.1 and 100 ft, I of 1e4 and 1 in^4.
    Beam beam = make_beam({0.1, 100}, {kFixed, kPinned, kPinned},
                          {uniform(2, 10), point(1, 50, 0.05)}, UnitSystem::E, 29e6, 1);
    beam.spans[0].inertia = 1.0e4;
    expect_equilibrium(beam, analyse(beam));

    // A 40-span cantilever fixed at joint 1, every other joint free, tip load over 40 m.
    std::vector<Joint> joints(41, kFree);
    joints[0] = kFixed;
    const Beam chain = make_beam(std::vector<double>(40, 1.0), joints, {point(40, 1000, 1.0)},
                                 UnitSystem::M, 2e11, 8.36e-5);
    const AnalysisResults c = analyse(chain);
    ASSERT_TRUE(c.stable);
    EXPECT_NEAR(c.joint_disp_y[40], -1000 * 64000 / (3 * 2e11 * 8.36e-5), 1e-9);
    expect_equilibrium(chain, c);
}

}  // namespace
}  // namespace spanlyx
