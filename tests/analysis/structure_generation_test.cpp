#include <gtest/gtest.h>

#include "beam_fixtures.h"

namespace spanlyx {
namespace {

using namespace test;

TEST(GenerateStructure, JointsSupportsMaterialsSectionsAndMembers) {
    const StiffnessModel model = generate_structure(
        released(make_beam({10, 15}, {kPinned, kFree, kFixed}, {}, UnitSystem::E, 29e6, 500), 2,
                 Release::Right));
    EXPECT_EQ(model.joint_coord[2], (std::array<double, 2>{25, 0}));
    EXPECT_EQ(model.supports[0].restraint, (std::array{1, 1, 0}));  // X always restrained
    EXPECT_EQ(model.supports[1].restraint, (std::array{1, 0, 0}));
    EXPECT_EQ(model.ndof(), 3);
    EXPECT_NEAR(model.material_modulus[0], 201388.8888888889, 1e-9);  // 29e6 / 144
    EXPECT_EQ(model.sections[1].inertia, 500.0);
    EXPECT_EQ(model.members[1].start_joint, 2);
    EXPECT_EQ(model.members[1].release, Release::Right);
    // Other systems keep E as stored.
    EXPECT_EQ(generate_structure(make_beam({10}, {kFixed, kFixed}, {}, UnitSystem::E2, 29e6, 1))
                  .material_modulus[0],
              29e6);
}

TEST(GenerateStructure, LoadsAtSpanEndsGoToJointsAndTheRestStayInOrder) {
    const StiffnessModel model = generate_structure(
        make_beam({10, 20}, {kPinned, kPinned, kPinned},
                  {couple(1, 11, 2), point(1, 5, 10), point(1, 3, 0), point(1, 4, 6),
                   uniform(1, 13, 1, 4, 14), couple(2, 7, 0), point(2, 2, 20)}));
    EXPECT_EQ(model.joint_force, (std::vector<double>{-3, -5, -2}));  // downward loads, Y up
    EXPECT_EQ(model.joint_moment, (std::vector<double>{0, 7, 0}));
    ASSERT_EQ(model.joint_loads.size(), 3u);
    EXPECT_EQ(model.joint_loads[1].values, (std::array<double, 3>{0, -5, 7}));
    // Distributed, then concentrated, then moments.
    ASSERT_EQ(model.member_loads.size(), 3u);
    EXPECT_EQ(model.member_loads[0].values, (std::array<double, 4>{13, 14, 1, 4}));
    EXPECT_EQ(model.member_loads[1].values, (std::array<double, 4>{4, 0, 6, 0}));
    EXPECT_EQ(model.member_loads[2].type, MemberLoadType::Moment);
    EXPECT_EQ(model.member_loads[2].values, (std::array<double, 4>{0, 11, 2, 0}));

    // Span fixed-end sums: member loads only, before the hinge redistribution.
    const double l = 10, w = 2, p = 8;
    const FixedEndActions sum =
        generate_structure(released(make_beam({l}, {kPinned, kFixed},
                                              {uniform(1, w), point(1, p, 5), point(1, 99, l)}),
                                    1, Release::Left))
            .span_fem[0];
    EXPECT_NEAR(sum.start_shear, w * l / 2 + p / 2, 1e-12);
    EXPECT_NEAR(sum.start_moment, w * l * l / 12 + p * l / 8, 1e-12);
    EXPECT_NEAR(sum.end_moment, -w * l * l / 12 - p * l / 8, 1e-12);
}

TEST(GenerateStructure, InertiaOfSectionsAndOfTheDeflectionAnalysis) {
    // System E: I in in^4 for the stiffness, in ft^4 for deflections.
    Beam beam = make_beam({10}, {kFixed, kFixed}, {}, UnitSystem::E, 29e6, 20736);
    EXPECT_EQ(generate_structure(beam).sections[0].inertia, 20736.0);
    EXPECT_NEAR(generate_structure(beam).span_inertia_analysis[0], 1.0, 1e-15);
    // From a 12 x 24 in section: 13824 in^4, and (1 ft)(2 ft)^3/12.
    beam.inertia_entered = false;
    beam.spans[0].width = 12;
    beam.spans[0].depth = 24;
    EXPECT_NEAR(generate_structure(beam).sections[0].inertia, 13824.0, 1e-9);
    EXPECT_NEAR(generate_structure(beam).span_inertia_analysis[0], 8.0 / 12, 1e-15);
    EXPECT_EQ(generate_structure(make_beam({4}, {kFixed, kFixed}, {}, UnitSystem::M, 2e11, 8.36e-5))
                  .span_inertia_analysis[0],
              8.36e-5);
}

}  // namespace
}  // namespace spanlyx
