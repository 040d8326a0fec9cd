// Calculate through the engine and the report together, on a beam solved by hand.

#include <gtest/gtest.h>

#include "analysis/calculate.h"
#include "report_test_support.h"

namespace spanlyx::test {
namespace {

// Propped cantilever in system M, L = 10 m, w = 1.2 N/m down, fixed at joint 1, held
// vertically at joint 2; E = 2e11 N/m^2 and I = 1e-7 m^4 give EI = 20000 N-m^2.
// Reactions 5wL/8 = 7.5 N and 3wL/8 = 4.5 N, moment wL^2/8 = 15 N-m (counterclockwise);
// rotation at joint 2 wL^3/48EI = 0.00125 rad = 0.0716197 degrees.
TEST(CalculatedReport, ProppedCantileverMatchesBeamTheory) {
    HandCase c = hand_case(UnitSystem::M, {10.0});
    c.beam.spans[0].inertia = 1e-7;
    c.beam.spans[0].modulus = HeldNumber::computed(2e11);
    c.beam.spans[0].uniforms.push_back({0.0, 1.2, 10.0, 1.2});
    c.beam.joints = {{1, 1}, {1, 0}};
    const CalculateOutcome outcome = calculate(c.beam);
    ASSERT_EQ(outcome.status, CalculateStatus::Analysed);
    const auto lines = crlf_lines(
        write_report_pieces(c.beam, *outcome.model, *outcome.results, c.context).detailed);
    // The text from `column` on of the first line at or after line `from` starting with prefix.
    auto value_at = [&](std::string_view prefix, std::size_t column, int from = 0) {
        const int at = find_line(lines, prefix, std::max(from, 0));
        const std::string line = at < 0 ? "" : lines[static_cast<std::size_t>(at)];
        return line.size() < column ? std::string("missing") : line.substr(column - 1);
    };
    // Three coordinates per joint, five of them restrained.
    EXPECT_EQ(value_at("    Number of Degrees of Freedom = ", 43), "1");
    EXPECT_EQ(value_at("    Number of Restraints         = ", 43), "5");
    EXPECT_EQ(value_at("    Span one LT FEM = ", 29), "10.00 (N/m)");

    const int forces = find_line(lines, "    Member End Forces");
    ASSERT_GE(forces, 0);
    EXPECT_EQ(lines.at(static_cast<std::size_t>(forces) + 6).substr(56), "7.50          15.000");
    EXPECT_EQ(lines.at(static_cast<std::size_t>(forces) + 7).substr(56), "4.50          0.000");

    const int joint2 = find_line(lines, "    Joint #    2 ");
    EXPECT_EQ(value_at("    Y Displacement (m)  = ", 29, joint2), "0.0000");
    EXPECT_EQ(value_at("    Z Rotation (deg)     = ", 29, joint2), "0.0716197");
    EXPECT_EQ(value_at("    Z Rotation (rad)     = ", 29, joint2), "0.0012500");

    const int reactions = find_line(lines, "    SUPPORT REACTIONS");
    EXPECT_EQ(value_at("    Joint #    1 ", 57, reactions), "7.50");
    EXPECT_EQ(value_at("    Joint #    1 ", 57, reactions + 6), "15.000");
    EXPECT_EQ(value_at("    Joint #    2 ", 57, reactions), "4.50");
}

}  // namespace
}  // namespace spanlyx::test
