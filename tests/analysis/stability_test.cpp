// Whether a beam is held: the decision from supports and hinges, the analysis, and the exact
// rank of the stiffness matrix (in rational arithmetic) must all agree.

#include <gtest/gtest.h>

#include <random>

#include "analysis/structure_stability.h"
#include "beam_fixtures.h"
#include "exact_reference.h"

namespace spanlyx {
namespace {

using namespace test;

bool exactly_regular(const Beam& beam, const StiffnessModel& model) {
    const ExactBeamSystem sys = exact_system(beam, model);
    return solve_exactly(sys.k, std::vector<Rational>(sys.p.size(), Rational(0))).has_value();
}

// The structural decision, checked against the exact rank and the analysis itself.
bool held(const Beam& beam) {
    const StiffnessModel model = generate_structure(beam);
    const bool decided = structure_is_stable(model);
    EXPECT_EQ(exactly_regular(beam, model), decided) << "the exact rank disagrees";
    const AnalysisResults r = runanalysis(model);
    EXPECT_EQ(r.stable, decided) << "the analysis disagrees";
    EXPECT_FALSE(r.numerical_breakdown);
    return decided;
}

Beam with_releases(Beam beam, const std::vector<Release>& releases) {
    for (std::size_t i = 0; i < releases.size(); ++i)
        beam.spans.at(i).release = releases[i];
    return beam;
}

constexpr Release N = Release::None, L = Release::Left, R = Release::Right, B = Release::Both;

TEST(StructureStability, CantileversAndOverhangs) {
    EXPECT_TRUE(held(make_beam({3}, {kFixed, kFree})));
    EXPECT_FALSE(held(make_beam({3}, {kPinned, kFree})));  // turns about the pin
    EXPECT_FALSE(held(make_beam({3}, {kGuided, kFree})));  // slides: nothing vertical
    EXPECT_TRUE(held(make_beam({3}, {kGuided, kPinned})));
    // A hinge at the free tip leaves the tip rotation with an empty row.
    EXPECT_FALSE(held(with_releases(make_beam({3}, {kFixed, kFree}), {R})));
    // A 4-span cantilever hinged at its root swings about the support.
    const Beam four = make_beam({2, 2, 2, 2}, {kFixed, kFree, kFree, kFree, kFree});
    EXPECT_TRUE(held(four));
    EXPECT_FALSE(held(with_releases(four, {L})));
    // The same hinged root with the tip on a roller is a propped span.
    EXPECT_TRUE(
        held(with_releases(make_beam({2, 2, 2, 2}, {kFixed, kFree, kFree, kFree, kPinned}), {L})));
    // An overhang hinged at its support swings; its tip on a pin holds it.
    EXPECT_FALSE(held(with_releases(make_beam({6, 2}, {kPinned, kPinned, kFree}), {N, L})));
    EXPECT_TRUE(held(with_releases(make_beam({6, 2}, {kPinned, kPinned, kPinned}), {N, L})));
    // With the hinge in the main span's end instead, the overhang still turns about the pin:
    // the joint's rotation follows the overhang but nothing fixes it.
    EXPECT_FALSE(held(with_releases(make_beam({6, 2}, {kPinned, kPinned, kFree}), {R, N})));
    EXPECT_TRUE(held(with_releases(make_beam({6, 2}, {kPinned, kFixed, kFree}), {R, N})));
}

TEST(StructureStability, HingesMeetingAtAJoint) {
    // Over a free joint: the two spans fold (the case with the release message).
    EXPECT_FALSE(held(with_releases(make_beam({10, 10}, {kPinned, kFree, kPinned}), {R, L})));
    // Over a pin free to rotate: both spans are held, but the joint's rotation reaches no
    // member end, so its row is empty.
    EXPECT_FALSE(held(with_releases(make_beam({10, 10}, {kPinned, kPinned, kPinned}), {R, L})));
    // Over a fixed joint the rotation is restrained and both spans are simply supported.
    EXPECT_TRUE(held(with_releases(make_beam({10, 10}, {kPinned, kFixed, kPinned}), {R, L})));
    // Over a guided joint (rotation fixed, free to move vertically) each span has one pin only.
    EXPECT_FALSE(held(with_releases(make_beam({10, 10}, {kPinned, kGuided, kPinned}), {R, L})));
    // A guided joint with one hinge: the rigid side has a pin and a fixed rotation, and
    // holds the hinged side's end.
    EXPECT_TRUE(held(with_releases(make_beam({10, 10}, {kPinned, kGuided, kPinned}), {R, N})));
}

TEST(StructureStability, LinksBetweenPins) {
    // A span hinged at both ends between pins: nothing reaches either rotation.
    EXPECT_FALSE(held(with_releases(make_beam({10}, {kPinned, kPinned}), {B})));
    EXPECT_TRUE(held(with_releases(make_beam({10}, {kFixed, kFixed}), {B})));
    // Between rigid neighbours the link carries nothing and the outer spans stand alone.
    EXPECT_TRUE(
        held(with_releases(make_beam({4, 4, 4}, {kPinned, kPinned, kPinned, kPinned}), {N, B, N})));
    // A drop-in link between two cantilevers, and the same with a free joint one side.
    EXPECT_TRUE(
        held(with_releases(make_beam({6, 12, 6}, {kFixed, kFree, kFree, kFixed}), {N, B, N})));
    EXPECT_FALSE(
        held(with_releases(make_beam({4, 4, 4}, {kFixed, kFree, kFree, kPinned}), {N, B, N})));
    // A suspended span held only by hinges to two held cantilevers.
    EXPECT_TRUE(
        held(with_releases(make_beam({6, 12, 6}, {kFixed, kFree, kFree, kFixed}), {R, N, L})));
}

TEST(StructureStability, ChainsOfHinges) {
    // Pins at joints 1, 3, 5 and hinges at free joints 2 and 4: three bodies, six freedoms,
    // five conditions.
    const Beam chain = with_releases(
        make_beam({4, 4, 4, 4}, {kPinned, kFree, kPinned, kFree, kPinned}), {R, N, N, L});
    EXPECT_FALSE(held(chain));
    // Fixing joint 1 holds the first body, which holds the next through the hinge, and so on.
    Beam fixed_start = chain;
    fixed_start.joints[0] = kFixed;
    EXPECT_TRUE(held(fixed_start));
    // A Gerber beam: cantilevered spans carrying suspended spans, hinges in every other span.
    EXPECT_TRUE(held(with_releases(
        make_beam({5, 2, 5, 2, 5}, {kPinned, kPinned, kFree, kPinned, kFree, kPinned}),
        {N, R, N, R, N})));
    // One support fewer at the end and the last suspended span swings.
    EXPECT_FALSE(held(
        with_releases(make_beam({5, 2, 5, 2, 5}, {kPinned, kPinned, kFree, kPinned, kFree, kFree}),
                      {N, R, N, R, N})));
    // Every body of this one is held (two cantilevers and a link between their tips), but the
    // hinges on both sides of joints 2 and 3 leave their rotations to nothing.
    EXPECT_FALSE(
        held(with_releases(make_beam({3, 1, 3}, {kFixed, kFree, kFree, kFixed}), {R, B, L})));
}

TEST(StructureStability, ShortStiffSpansAreNotMistakenForMechanisms) {
    // Elimination of these gives pivots as small as those of rounding on a mechanism.
    EXPECT_TRUE(held(make_beam({5.00, 0.01, 5.00}, {kPinned, kFree, kFree, kPinned},
                               {uniform(1, 10), uniform(3, 10)}, UnitSystem::M, 2e11, 8.36e-5)));
    EXPECT_TRUE(held(make_beam({0.005, 5, 5, 0.005}, {kFree, kPinned, kFree, kPinned, kFree},
                               {uniform(2, 10)}, UnitSystem::M, 2e11, 8.36e-5)));
}

// Random small beams: every release code, every restraint, lengths and E*I spread over
// decades. The decision from the structure must match the exact rank every time.
TEST(StructureStability, AgreesWithTheExactRankOnRandomBeams) {
    std::mt19937 random(20261206);
    const std::vector<double> lengths = {0.01, 0.5, 1, 2.5, 3, 7.25, 10};
    const std::vector<Joint> joints = {kFree, kPinned, kFixed, kGuided};
    const std::vector<Release> releases = {N, N, L, R, B};
    const auto pick = [&](const auto& from) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
    };
    int stable = 0, unstable = 0;
    for (int trial = 0; trial < 400; ++trial) {
        const int spans = std::uniform_int_distribution<int>(1, 5)(random);
        std::vector<double> l;
        std::vector<Joint> j;
        for (int s = 0; s < spans; ++s) {
            l.push_back(pick(lengths));
            j.push_back(pick(joints));
        }
        j.push_back(pick(joints));
        Beam beam = make_beam(l, j, {}, UnitSystem::M, 2e11, 1e-4);
        for (Span& span : beam.spans) {
            span.release = pick(releases);
            span.inertia *= std::pow(10.0, std::uniform_int_distribution<int>(-2, 2)(random));
        }
        (held(beam) ? stable : unstable) += 1;
        if (HasFailure()) {
            ADD_FAILURE() << "trial " << trial;
            break;
        }
    }
    // Both outcomes must be well represented for the comparison to mean anything.
    EXPECT_GT(stable, 60);
    EXPECT_GT(unstable, 60);
}

}  // namespace
}  // namespace spanlyx
