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
    Beam beam;
    beam.units = UnitSystem::M;
    Span span;
    span.length = HeldNumber::typed("10");
    span.inertia = 1e-7;
    span.modulus = HeldNumber::computed(2e11);
    span.uniforms.push_back({0.0, 1.2, 10.0, 1.2});
    beam.spans.push_back(span);
    beam.joints = {{1, 1}, {1, 0}};
    const CalculateOutcome outcome = calculate(beam);
    ASSERT_EQ(outcome.status, CalculateStatus::Analysed);
    ASSERT_TRUE(outcome.model && outcome.results);

    const ReportContext context = hand_case(UnitSystem::M, {10.0}).context;
    const ReportPieces pieces =
        write_report_pieces(beam, *outcome.model, *outcome.results, context);
    const auto lines = crlf_lines(pieces.detailed);
    auto from_column = [&](int index, std::size_t column) {
        if (index < 0 || index >= static_cast<int>(lines.size()))
            return std::string("missing");
        const std::string& line = lines[static_cast<std::size_t>(index)];
        return line.size() < column ? std::string("short") : line.substr(column - 1);
    };
    auto value_at = [&](std::string_view prefix, int from, std::size_t column) {
        return from_column(find_line(lines, prefix, from), column);
    };
    // Three coordinates per joint, five of them restrained.
    EXPECT_EQ(value_at("    Number of Degrees of Freedom = ", 0, 43), "1");
    EXPECT_EQ(value_at("    Number of Restraints         = ", 0, 43), "5");
    EXPECT_EQ(value_at("    Span one LT FEM = ", 0, 29), "10.00 (N/m)");

    const int forces = find_line(lines, "    Member End Forces");
    ASSERT_GE(forces, 0);
    EXPECT_EQ(from_column(forces + 6, 57), "7.50          15.000");
    EXPECT_EQ(from_column(forces + 7, 57), "4.50          0.000");

    const int joint2 = find_line(lines, "    Joint #    2 ");
    EXPECT_EQ(value_at("    Y Displacement (m)  = ", joint2, 29), "0.0000");
    EXPECT_EQ(value_at("    Z Rotation (deg)     = ", joint2, 29), "0.0716197");
    EXPECT_EQ(value_at("    Z Rotation (rad)     = ", joint2, 29), "0.0012500");

    const int reactions = find_line(lines, "    SUPPORT REACTIONS");
    EXPECT_EQ(value_at("    Joint #    1 ", reactions, 57), "7.50");
    EXPECT_EQ(value_at("    Joint #    1 ", reactions + 6, 57), "15.000");
    EXPECT_EQ(value_at("    Joint #    2 ", reactions, 57), "4.50");
}

}  // namespace
}  // namespace spanlyx::test
