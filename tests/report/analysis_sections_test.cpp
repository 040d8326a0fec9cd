// Fixed-end actions, member end forces, joint displacements and support reactions.

#include <gtest/gtest.h>

#include "report/report_sections.h"
#include "report_test_support.h"

namespace spanlyx::test {
namespace {

std::string zones(std::initializer_list<std::pair<std::size_t, std::string_view>> items) {
    // Places each item at its 1-based column, blanks between: the expected print-zone line.
    std::string line;
    for (const auto& [column, item] : items) {
        line.append(column - 1 - line.size(), ' ');
        line.append(item);
    }
    return line;
}

TEST(FemSection, MemberBlocksWithValuesInZoneThreeAndSystemUnits) {
    const HandCase c = cantilever(UnitSystem::E);
    TextWriter out;
    write_fem_section(out, c.model);
    const std::string stars = "    " + std::string(27, '*');
    // Fixed-fixed span under w = 1.2 over 10 ft: shears wL/2 = 6, moments +-wL^2/12 = 10.
    const std::vector<std::string> expected = {
        "",
        stars,
        "    FEM FOR EACH MEMBER",
        stars,
        "",
        " ",
        "    MEMBER #  1 ",
        "",
        zones({{1, "    Span one LT FEA = "}, {29, "6.00 (#)"}}),
        "",
        zones({{1, "    Span one LT FEM = "}, {29, "10.00 (#/lf)"}}),
        "",
        zones({{1, "    Span one RT FEA = "}, {29, "6.00 (#)"}}),
        "",
        zones({{1, "    Span one RT FEM = "}, {29, "-10.00 (#/lf)"}}),
        " "};
    EXPECT_EQ(crlf_lines(out.text()), expected);

    for (const auto& [units, shear, moment] : {std::tuple{UnitSystem::M, " (N)", " (N/m)"},
                                               std::tuple{UnitSystem::M3, " (kg)", " (kg/m)"},
                                               std::tuple{UnitSystem::M4, " (N)", " (N/mm)"}}) {
        HandCase metric = cantilever(units);
        metric.model.span_fem.push_back({1.5, 0.0, 0.0, 0.0});
        metric.model.members.push_back({2, 3, 2, 2, Release::None});
        TextWriter text;
        write_fem_section(text, metric.model);
        const auto lines = crlf_lines(text.text());
        EXPECT_EQ(lines[8],
                  zones({{1, "    Span one LT FEA = "}, {29, std::string("6.00") + shear}}));
        EXPECT_EQ(lines[10],
                  zones({{1, "    Span one LT FEM = "}, {29, std::string("10.00") + moment}}));
        // The second member is numbered 2 and still labelled "Span one".
        EXPECT_EQ(lines[16], "    MEMBER #  2 ");
        EXPECT_EQ(lines[18],
                  zones({{1, "    Span one LT FEA = "}, {29, std::string("1.50") + shear}}));
    }
}

TEST(MemberEndForces, TitlesAndValuesInZonesTwoToSix) {
    HandCase c = hand_case(UnitSystem::E, {10.0, 8.0});
    c.results.member_force_local[0] = {0.0, 12.0, 60.0, 0.0, -2.5, 0.125};
    c.results.member_force_local[1] = {0.0, 4.0, 0.0, 0.0, 4.0, -8.0};
    TextWriter out;
    write_member_end_forces(out, c.model, c.results, c.context.patterns);
    const auto lines = crlf_lines(out.text());
    const std::string title_stars = "    " + std::string(38, '*');
    const std::vector<std::string> expected = {
        "    " + std::string(28, '*'),
        " ",
        " ",
        title_stars,
        "    Member End Forces in Local Coordinates",
        title_stars,
        " ",
        "",
        "",
        zones({{15, "Member"}, {29, "Joint"}, {43, "Axial"}, {57, "Shear"}, {71, "Moment"}}),
        zones({{15, " 1 "}, {29, " 1 "}, {43, "0.0"}, {57, "12.00"}, {71, "60.000"}}),
        zones({{15, " 1 "}, {29, " 2 "}, {43, "0.0"}, {57, "-2.50"}, {71, "0.125"}}),
        "",
        zones({{15, " 2 "}, {29, " 2 "}, {43, "0.0"}, {57, "4.00"}, {71, "0.000"}}),
        zones({{15, " 2 "}, {29, " 3 "}, {43, "0.0"}, {57, "4.00"}, {71, "-8.000"}}),
    };
    EXPECT_EQ(lines, expected);
}

TEST(JointDisplacements, RotationsInDegreesUsePiAndDisplacementsTheSystemUnit) {
    // Cantilever tip: 0.075 ft down is 0.9 in; 0.01 rad clockwise is 0.5729578 degrees.
    PieceWriters e;
    write_joint_displacements(e, cantilever(UnitSystem::E).model,
                              cantilever(UnitSystem::E).results);
    const auto detailed = crlf_lines(e.detailed.text());
    const auto brief = crlf_lines(e.brief.text());
    ASSERT_EQ(detailed.size(), 19u);
    EXPECT_EQ(detailed[2], "    " + std::string(28, '*'));
    EXPECT_EQ(brief[2], "    " + std::string(27, '*'));
    EXPECT_EQ(detailed[3], "    JOINT DISPLACEMENTS '");
    EXPECT_EQ(detailed[14], "    Joint #    2 ");
    EXPECT_EQ(detailed[15], "    Y Displacement (in)  =  -0.9000");
    EXPECT_EQ(detailed[16], "    Z Rotation (deg)     =  -0.57296");
    EXPECT_EQ(detailed[17], "    Z Rotation (rad)     =  -0.01000");
    EXPECT_EQ(brief[16], "    Z Rotation (deg)     =  -0.57296");
    EXPECT_EQ(detailed[8], "    Y Displacement (in)  =  0.0000");  // the fixed end

    // Metric: displacement as computed; one decimal more in the detailed piece.
    PieceWriters m;
    const HandCase metric = cantilever(UnitSystem::M);
    write_joint_displacements(m, metric.model, metric.results);
    const auto m_detailed = crlf_lines(m.detailed.text());
    const auto m_brief = crlf_lines(m.brief.text());
    EXPECT_EQ(m_detailed[15], "    Y Displacement (m)  =   -0.0750");
    EXPECT_EQ(m_detailed[16], "    Z Rotation (deg)     =  -0.5729578");
    EXPECT_EQ(m_brief[16], "    Z Rotation (deg)     =  -0.572958");
    EXPECT_EQ(m_detailed[17], "    Z Rotation (rad)     =  -0.0100000");
    EXPECT_EQ(m_brief[17], "    Z Rotation (rad)     =  -0.010000");

    PieceWriters mm;
    const HandCase millimetre = cantilever(UnitSystem::M4);
    write_joint_displacements(mm, millimetre.model, millimetre.results);
    EXPECT_EQ(crlf_lines(mm.brief.text())[15], "    Y Displacement (mm)  =  -0.0750");
}

TEST(SupportReactions, LabelsPerSystemAndZeroForFreeDirections) {
    const HandCase c = cantilever(UnitSystem::E);
    PieceWriters out;
    write_support_reactions(out, c.model, c.results, c.context.patterns);
    EXPECT_EQ(out.detailed.text(), out.brief.text());
    const auto lines = crlf_lines(out.detailed.text());
    const std::string stars = "    " + std::string(28, '*');
    const std::vector<std::string> expected = {
        " ",
        " ",
        stars,
        "    SUPPORT REACTIONS '",
        stars,
        " ",
        " ",
        " ",
        zones(
            {{1, "    Joint # "}, {15, " 1 "}, {29, " Shear  Reaction (#)    = "}, {57, "12.00"}}),
        zones(
            {{1, "    Joint # "}, {15, " 1 "}, {29, " Moment Reaction (FT-#) = "}, {57, "60.000"}}),
        " ",
        " ",
        " ",
        zones({{1, "    Joint # "}, {15, " 2 "}, {29, " Shear  Reaction (#)    = "}, {57, "0.00"}}),
        zones(
            {{1, "    Joint # "}, {15, " 2 "}, {29, " Moment Reaction (FT-#) = "}, {57, "0.000"}}),
        " "};
    EXPECT_EQ(lines, expected);

    for (const auto& [units, shear, moment] :
         {std::tuple{UnitSystem::E2, " Shear  Reaction (#)    = ", " Moment Reaction (IN-#) = "},
          std::tuple{UnitSystem::M2, " Shear  Reaction (N)    = ", " Moment Reaction (m-N) = "},
          std::tuple{UnitSystem::M3, " Shear  Reaction (kg)    = ", " Moment Reaction (m-kg) = "},
          std::tuple{UnitSystem::M4, " Shear  Reaction (N)    = ", " Moment Reaction (mm-N) = "}}) {
        const HandCase other = cantilever(units);
        PieceWriters text;
        write_support_reactions(text, other.model, other.results, other.context.patterns);
        const auto other_lines = crlf_lines(text.brief.text());
        EXPECT_EQ(other_lines[8],
                  zones({{1, "    Joint # "}, {15, " 1 "}, {29, shear}, {57, "12.00"}}));
        EXPECT_EQ(other_lines[9],
                  zones({{1, "    Joint # "}, {15, " 1 "}, {29, moment}, {57, "60.000"}}));
    }
}

}  // namespace
}  // namespace spanlyx::test
