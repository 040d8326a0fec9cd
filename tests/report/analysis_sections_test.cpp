// Fixed-end actions, member end forces, joint displacements and support reactions.

#include <gtest/gtest.h>

#include "report/report_sections.h"
#include "report_test_support.h"

namespace spanlyx::test {
namespace {

// The expected print-zone line: each item at its 1-based column, blanks between.
std::string zones(std::initializer_list<std::pair<std::size_t, std::string_view>> items) {
    std::string line;
    for (const auto& [column, item] : items)
        line.append(column - 1 - line.size(), ' ').append(item);
    return line;
}

std::string stars(std::size_t count) {
    return "    " + std::string(count, '*');
}

TEST(FemSection, MemberBlocksWithValuesInZoneThreeAndSystemUnits) {
    const auto fem = [](std::string_view label, std::string_view value) {
        return zones({{1, "    Span one " + std::string(label) + " = "}, {29, value}});
    };
    TextWriter out;
    write_fem_section(out, cantilever(UnitSystem::E).model);
    // Fixed-fixed span under w = 1.2 over 10 ft: shears wL/2 = 6, moments +-wL^2/12 = 10.
    // clang-format off
    const std::vector<std::string> expected = {
        "", stars(27), "    FEM FOR EACH MEMBER", stars(27), "", " ", "    MEMBER #  1 ", "",
        fem("LT FEA", "6.00 (#)"), "", fem("LT FEM", "10.00 (#/lf)"), "",
        fem("RT FEA", "6.00 (#)"), "", fem("RT FEM", "-10.00 (#/lf)"), " "};
    // clang-format on
    EXPECT_EQ(crlf_lines(out.text()), expected);

    // The second member is numbered 2 and still labelled "Span one".
    HandCase mm = cantilever(UnitSystem::M4);
    mm.model.span_fem.push_back({1.5, 0.0, 0.0, 0.0});
    mm.model.members.push_back({2, 3, 2, 2, Release::None});
    TextWriter text;
    write_fem_section(text, mm.model);
    const auto lines = crlf_lines(text.text());
    EXPECT_EQ(lines[10], fem("LT FEM", "10.00 (N/mm)"));
    EXPECT_EQ(lines[16], "    MEMBER #  2 ");
    EXPECT_EQ(lines[18], fem("LT FEA", "1.50 (N)"));

    TextWriter kg;
    write_fem_section(kg, cantilever(UnitSystem::M3).model);
    EXPECT_TRUE(contains(kg.text(), "6.00 (kg)\r\n") && contains(kg.text(), "10.00 (kg/m)\r\n"));
}

TEST(MemberEndForces, TitlesAndValuesInZonesTwoToSix) {
    HandCase c = hand_case(UnitSystem::E, {10.0, 8.0});
    c.results.member_force_local[0] = {0.0, 12.0, 60.0, 0.0, -2.5, 0.125};
    c.results.member_force_local[1] = {0.0, 4.0, 0.0, 0.0, 4.0, -8.0};
    TextWriter out;
    write_member_end_forces(out, c.model, c.results, c.context.patterns);
    const auto row = [](std::string_view member, std::string_view joint, std::string_view shear,
                        std::string_view moment) {
        return zones({{15, member}, {29, joint}, {43, "0.0"}, {57, shear}, {71, moment}});
    };
    // clang-format off
    const std::vector<std::string> expected = {
        stars(28), " ", " ", stars(38), "    Member End Forces in Local Coordinates", stars(38),
        " ", "", "",
        zones({{15, "Member"}, {29, "Joint"}, {43, "Axial"}, {57, "Shear"}, {71, "Moment"}}),
        row(" 1 ", " 1 ", "12.00", "60.000"), row(" 1 ", " 2 ", "-2.50", "0.125"), "",
        row(" 2 ", " 2 ", "4.00", "0.000"), row(" 2 ", " 3 ", "4.00", "-8.000")};
    // clang-format on
    EXPECT_EQ(crlf_lines(out.text()), expected);
}

TEST(JointDisplacements, RotationsInDegreesUsePiAndDisplacementsTheSystemUnit) {
    // Cantilever tip: 0.075 ft down is 0.9 in; 0.01 rad clockwise is 0.5729578 degrees.
    const HandCase e = cantilever(UnitSystem::E);
    PieceWriters out;
    write_joint_displacements(out, e.model, e.results);
    const auto detailed = crlf_lines(out.detailed.text());
    const auto brief = crlf_lines(out.brief.text());
    ASSERT_EQ(detailed.size(), 19u);
    EXPECT_EQ(detailed[2], stars(28));
    EXPECT_EQ(brief[2], stars(27));
    EXPECT_EQ(detailed[3], "    JOINT DISPLACEMENTS '");
    EXPECT_EQ(detailed[8], "    Y Displacement (in)  =  0.0000");  // the fixed end
    EXPECT_EQ(detailed[14], "    Joint #    2 ");
    EXPECT_EQ(detailed[15], "    Y Displacement (in)  =  -0.9000");
    EXPECT_EQ(detailed[16], "    Z Rotation (deg)     =  -0.57296");
    EXPECT_EQ(brief[17], "    Z Rotation (rad)     =  -0.01000");

    // Metric: displacement as computed; one decimal more in the detailed piece.
    const HandCase m = cantilever(UnitSystem::M);
    PieceWriters metric;
    write_joint_displacements(metric, m.model, m.results);
    const auto m_detailed = crlf_lines(metric.detailed.text());
    const auto m_brief = crlf_lines(metric.brief.text());
    EXPECT_EQ(m_detailed[15], "    Y Displacement (m)  =   -0.0750");
    EXPECT_EQ(m_detailed[16], "    Z Rotation (deg)     =  -0.5729578");
    EXPECT_EQ(m_brief[16], "    Z Rotation (deg)     =  -0.572958");
    EXPECT_EQ(m_detailed[17], "    Z Rotation (rad)     =  -0.0100000");
    EXPECT_EQ(m_brief[17], "    Z Rotation (rad)     =  -0.010000");
}

TEST(SupportReactions, LabelsPerSystemAndZeroForFreeDirections) {
    const auto row = [](std::string_view joint, std::string_view label, std::string_view value) {
        return zones({{1, "    Joint # "}, {15, joint}, {29, label}, {57, value}});
    };
    const HandCase c = cantilever(UnitSystem::E);
    PieceWriters out;
    write_support_reactions(out, c.model, c.results, c.context.patterns);
    EXPECT_EQ(out.detailed.text(), out.brief.text());
    // clang-format off
    const std::vector<std::string> expected = {
        " ", " ", stars(28), "    SUPPORT REACTIONS '", stars(28), " ", " ", " ",
        row(" 1 ", " Shear  Reaction (#)    = ", "12.00"),
        row(" 1 ", " Moment Reaction (FT-#) = ", "60.000"), " ", " ", " ",
        row(" 2 ", " Shear  Reaction (#)    = ", "0.00"),
        row(" 2 ", " Moment Reaction (FT-#) = ", "0.000"), " "};
    // clang-format on
    EXPECT_EQ(crlf_lines(out.detailed.text()), expected);

    for (const auto& [units, shear, moment] :
         {std::tuple{UnitSystem::E2, " Shear  Reaction (#)    = ", " Moment Reaction (IN-#) = "},
          std::tuple{UnitSystem::M2, " Shear  Reaction (N)    = ", " Moment Reaction (m-N) = "},
          std::tuple{UnitSystem::M3, " Shear  Reaction (kg)    = ", " Moment Reaction (m-kg) = "},
          std::tuple{UnitSystem::M4, " Shear  Reaction (N)    = ", " Moment Reaction (mm-N) = "}}) {
        const HandCase other = cantilever(units);
        PieceWriters text;
        write_support_reactions(text, other.model, other.results, other.context.patterns);
        const auto lines = crlf_lines(text.brief.text());
        EXPECT_EQ(lines[8], row(" 1 ", shear, "12.00"));
        EXPECT_EQ(lines[9], row(" 1 ", moment, "60.000"));
    }
}

}  // namespace
}  // namespace spanlyx::test
