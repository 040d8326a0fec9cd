// Springs and imposed movements in the report: the echo block and the spring joints' results.

#include <gtest/gtest.h>

#include "analysis/calculate.h"
#include "report_test_support.h"

namespace spanlyx::test {
namespace {

// A 20 ft span in system E on two springs of 500 lb/in under 1000 lb at midspan: each spring
// carries 500 lb and sinks 1 in.
Beam spring_beam() {
    HandCase c = hand_case(UnitSystem::E, {20.0});
    Beam beam = c.beam;
    beam.spans[0].points.push_back({10.0, HeldNumber::computed(1000)});
    beam.joints = {{0, 0}, {0, 0}};
    for (Joint& joint : beam.joints) {
        joint.spring_y = true;
        joint.ky = 500;
    }
    return beam;
}

TEST(SpringsReport, EchoListsTheSpringJointsAfterTheJoints) {
    Beam beam = spring_beam();
    beam.joints.push_back(Joint{1, 1});
    beam.joints.back().settlement = 0.75;
    beam.joints.back().imposed_rotation = -0.0125;
    beam.spans.push_back(beam.spans[0]);
    beam.spans.back().points.clear();
    const CalculateOutcome outcome = calculate(beam);
    ASSERT_EQ(outcome.status, CalculateStatus::Analysed);
    const ReportContext context = hand_case(UnitSystem::E, {20.0}).context;
    const ReportPieces pieces =
        write_report_pieces(beam, *outcome.model, *outcome.results, context);
    // Print zones start at columns 15, 29, 43, 57 and 71, as in the Support Information table;
    // stiffnesses in the shear and moment decimals (0.00 here), settlements in the deflection
    // decimals (0.000).
    const std::string z = std::string(14, ' ');
    const std::vector<std::string> expected = {
        "    *****************************",
        "    Springs and Imposed Movements",
        "    *****************************",
        "",
        z + "Joint         Y Spring      Z Spring      Settlement    Imposed Rot",
        z + z + "(#/in)        (ft-#/rad)    (in)          (rad)",
        "",
        z + " 1            500.00        none          0.000         0.000000",
        z + " 2            500.00        none          0.000         0.000000",
        z + " 3            none          none          0.750         -0.012500",
        "",
    };
    for (const std::string* piece : {&pieces.detailed, &pieces.brief}) {
        const std::vector<std::string> lines = crlf_lines(*piece);
        const int at = find_line(lines, expected[1]);
        ASSERT_GT(at, 0);
        const std::vector<std::string> block(
            lines.begin() + at - 1, lines.begin() + at - 1 + static_cast<long>(expected.size()));
        EXPECT_EQ(block, expected);
        // After the joints: the detailed piece's joint coordinates come first.
        if (piece == &pieces.detailed) {
            EXPECT_LT(find_line(lines, "    Joint Coordinates"), at);
        }
        EXPECT_LT(at, find_line(lines, "    LOADING INFORMATION"));
    }
}

TEST(SpringsReport, SpringJointsGiveTheirDisplacementAndReaction) {
    const Beam beam = spring_beam();
    const CalculateOutcome outcome = calculate(beam);
    ASSERT_EQ(outcome.status, CalculateStatus::Analysed);
    const ReportContext context = hand_case(UnitSystem::E, {20.0}).context;
    const auto lines =
        crlf_lines(write_report_pieces(beam, *outcome.model, *outcome.results, context).detailed);
    const int displacements = find_line(lines, "    JOINT DISPLACEMENTS");
    const int joint2 = find_line(lines, "    Joint #    2 ", displacements);
    ASSERT_GT(joint2, 0);
    EXPECT_EQ(lines.at(static_cast<std::size_t>(joint2) + 1).substr(28), "-1.0000");
    const int reactions = find_line(lines, "    SUPPORT REACTIONS");
    const int shear2 = find_line(lines, "    Joint #    2 ", reactions);
    ASSERT_GT(shear2, 0);
    EXPECT_NE(lines.at(static_cast<std::size_t>(shear2)).find("500.0"), std::string::npos)
        << lines.at(static_cast<std::size_t>(shear2));
}

}  // namespace
}  // namespace spanlyx::test
