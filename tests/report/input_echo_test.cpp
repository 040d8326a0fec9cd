// write_input: structural parameters, span blocks and releases, supports, joint coordinates.

#include <gtest/gtest.h>

#include "report/report_sections.h"
#include "report_test_support.h"

namespace spanlyx::test {
namespace {

struct Echo {
    std::vector<std::string> detailed, brief;
    std::string brief_text;
};

Echo echo(const HandCase& c) {
    PieceWriters pieces;
    write_input(pieces, c.beam, c.model);
    return {crlf_lines(pieces.detailed.text()), crlf_lines(pieces.brief.text()),
            pieces.brief.text()};
}

// The text from column 43 on of the first line starting with `label`: values and counts go to
// the fourth print zone.
std::string value_of(const std::vector<std::string>& lines, std::string_view label) {
    const int at = find_line(lines, label);
    return at < 0 ? std::string("missing") : lines[static_cast<std::size_t>(at)].substr(42);
}

TEST(InputEcho, DegreesOfFreedomAreThreePerJointLessRestraints) {
    HandCase simple = hand_case(UnitSystem::E, {10.0});  // X and Y held at both ends
    Echo out = echo(simple);
    ASSERT_EQ(out.detailed[4], "    STRUCTURAL PARAMETERS");
    // Each count sits seven blanks after its 35-character label, a line of its own.
    EXPECT_EQ(out.detailed[9], "    Number of Members            =        1");
    EXPECT_EQ(out.detailed[11], "    Number of Degrees of Freedom =        2");
    EXPECT_EQ(out.detailed[13], "    Number of Joints             =        2");
    EXPECT_EQ(out.detailed[15], "    Number of Restraints         =        4");
    EXPECT_EQ(out.detailed[17], "    Number of Restrained Joints  =        2");

    simple.model.supports = {{1, {1, 1, 1}}, {2, {1, 1, 1}}};
    out = echo(simple);
    EXPECT_EQ(value_of(out.detailed, "    Number of Degrees of Freedom = "), "0");
    EXPECT_EQ(value_of(out.detailed, "    Number of Restraints         = "), "6");
}

TEST(InputEcho, ImperialSpanBlocksAndReleaseLines) {
    HandCase c = hand_case(UnitSystem::E, {10.0, 12.5});
    c.beam.spans[0].release = Release::Both;
    c.beam.spans[1].modulus = HeldNumber::computed(29000000.0);
    const Echo out = echo(c);
    const std::string zone4(8, ' ');
    for (const auto& [lines, modulus] :
         {std::pair{&out.detailed, "    Mod of Elasticity (Psi)     = " + zone4},
          std::pair{&out.brief, "    Mod of Elasticity (Psi) = " + std::string(12, ' ')}}) {
        // Span 1: 0.096 ft^4 is 1990.656 in^4; E as typed; hinged at both ends.
        const int span = find_line(*lines, "    SPAN       1 ");
        ASSERT_GE(span, 0);
        EXPECT_EQ((*lines)[static_cast<std::size_t>(span) + 5],
                  "    Moment of Inertia (in^4)    = " + zone4 + "1990.66");
        EXPECT_EQ((*lines)[static_cast<std::size_t>(span) + 7], modulus + "30000000");
        EXPECT_EQ(
            (*lines)[static_cast<std::size_t>(span) + 9],
            "    Span Release information " + std::string(13, ' ') + "Both Ends of Span Hinged");
        // Span 2 has no release line; its computed E is printed in the general form, a blank
        // either side.
        const int span2 = find_line(*lines, "    SPAN       2 ");
        ASSERT_GE(span2, 0);
        EXPECT_EQ(find_line(*lines, "    Span Release information ", span + 10), -1);
        EXPECT_EQ((*lines)[static_cast<std::size_t>(span2) + 7], modulus + " 29000000 ");
        EXPECT_EQ(find_line(*lines, "    Width (in)"), -1);  // I typed, not from b and d
    }
}

TEST(InputEcho, MetricSpanBlocksConvertToEntryUnitsAndShortenBriefLabels) {
    // M3, I from a 0.3 m x 0.5 m section: 0.003125 m^4 = 312500 cm^4; E 2.1e9 kg/m^2 =
    // 210000 kg/cm^2.
    HandCase c = hand_case(UnitSystem::M3, {6.0});
    c.beam.inertia_entered = false;
    c.beam.spans[0].width = 0.3;
    c.beam.spans[0].depth = 0.5;
    c.beam.spans[0].modulus = HeldNumber::computed(2.1e9);
    c.model.span_inertia_analysis = {0.003125};
    const Echo out = echo(c);
    EXPECT_EQ(value_of(out.detailed, "    Length (m)                  = "), "6.00");
    EXPECT_EQ(value_of(out.detailed, "    Width (m)                   = "), "0.30");
    EXPECT_EQ(value_of(out.detailed, "    Depth (m)                   = "), "0.50");
    EXPECT_EQ(value_of(out.detailed, "    Moment of Inertia (cm^4)    = "), "312500.0000");
    EXPECT_EQ(value_of(out.detailed, "    Mod of Elasticity (kg/cm^2) = "), "210000.000");
    EXPECT_EQ(value_of(out.brief, "    Length (m)                 = "), "6.00");
    EXPECT_EQ(value_of(out.brief, "    Width (m)                  = "), "0.30");
    EXPECT_EQ(value_of(out.brief, "    Depth (m)                  = "), "0.50");
    EXPECT_EQ(value_of(out.brief, "    Moment of Inertia (cm^4)    = "), "312500.000");
    EXPECT_FALSE(contains(out.brief_text, "    Length (m)                  = "));

    // M2: 8.36e-5 m^4 is 8360 x10^4 mm^4; 2e11 N/m^2 is 200000 N/mm^2.
    HandCase m2 = hand_case(UnitSystem::M2, {6.0});
    m2.beam.spans[0].modulus = HeldNumber::computed(2e11);
    m2.model.span_inertia_analysis = {8.36e-5};
    const Echo out2 = echo(m2);
    EXPECT_EQ(value_of(out2.detailed, "    Moment of Inertia (x10^4 mm^4)    = "), "8360.0000");
    EXPECT_EQ(value_of(out2.brief, "    Moment of Inertia (x10^4 mm^4)    = "), "8360.00");
    EXPECT_EQ(value_of(out2.brief, "    Mod of Elasticity (N/mm^2)        = "), "200000.00");
}

TEST(InputEcho, SupportsAndJointCoordinatesOnlyInTheDetailedPiece) {
    HandCase c = hand_case(UnitSystem::E, {0.5, 12.0});
    c.model.supports[0].restraint = {1, 1, 1};
    const Echo out = echo(c);
    const int supports = find_line(out.detailed, "    Support Information");
    const int coords = find_line(out.detailed, "    Joint Coordinates");
    ASSERT_GE(supports, 0);
    ASSERT_GE(coords, 0);
    const auto row = [&](int at) { return out.detailed[static_cast<std::size_t>(at)]; };
    const std::string zone2(14, ' '), gap(11, ' ');
    EXPECT_EQ(row(supports + 3),
              zone2 + "Joint" + std::string(9, ' ') + "X Restrained  Y Restrained  Z Restrained");
    EXPECT_EQ(row(supports + 5), zone2 + " 1 " + gap + "yes" + gap + "yes" + gap + "yes");
    EXPECT_EQ(row(supports + 6), zone2 + " 2 " + gap + "yes" + gap + "yes" + gap + "no");
    EXPECT_EQ(row(coords + 6), zone2 + " 2 " + gap + " .5 " + std::string(10, ' ') + " 0 ");
    EXPECT_EQ(row(coords + 7), zone2 + " 3 " + gap + " 12.5 " + std::string(8, ' ') + " 0 ");
    EXPECT_EQ(out.detailed.size(), static_cast<std::size_t>(coords + 8));  // last line: joint 3

    for (const char* absent : {"STRUCTURAL PARAMETERS", "Support Information", "Joint Coordinates"})
        EXPECT_FALSE(contains(out.brief_text, absent)) << absent;
}

}  // namespace
}  // namespace spanlyx::test
