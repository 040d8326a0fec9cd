// Loading information: one block per span, the same lines in both pieces.

#include <gtest/gtest.h>

#include "report/report_sections.h"
#include "report_test_support.h"

namespace spanlyx::test {
namespace {

PieceWriters loading(const HandCase& c) {
    PieceWriters pieces;
    write_loading_information(pieces, c.beam);
    return pieces;
}

TEST(LoadingInformation, EverySpanGetsItsBlockAndLoadsInKindOrder) {
    HandCase c = hand_case(UnitSystem::E, {10.0, 8.0});
    c.beam.spans[0].moments.push_back({4.0, -300.0});
    c.beam.spans[0].uniforms.push_back({0.0, 1.2, 10.0, 1.25});
    c.beam.spans[0].points.push_back({2.5, HeldNumber::typed("1000")});
    const PieceWriters pieces = loading(c);
    EXPECT_EQ(pieces.detailed.text(), pieces.brief.text());
    const auto lines = crlf_lines(pieces.detailed.text());

    // Span 1: point loads, then distributed loads, then moments; every line followed by a
    // blank line; values in the fifth print zone (column 57).
    const std::string stars = "    " + std::string(31, '*');
    const auto at57 = [](std::string_view label, std::string_view value) {
        return std::string(label) + std::string(56 - label.size(), ' ') + std::string(value);
    };
    // clang-format off
    const std::vector<std::string> span1 = {
        " ", stars, "    LOADING INFORMATION", stars, " ", " ", "    Span       1 ", "",
        "    {Point Loads}", " ",
        at57("    dist from the left end member      (ft) =", "2.50"), " ",
        at57("    Load                                (#) =", "1000.00"), " ",
        "    {Uniform Loads}", " ",
        at57("    dist 1 from the left end of member (ft) =", "0.00"), " ",
        at57("    uniform load #1 (#/lf)                  =", "1.20"), " ",
        at57("    dist 2 from the left end of member (ft) =", "10.00"), " ",
        at57("    uniform load #2 (#/ft)                  =", "1.25"), " ",
        "    {Moment Loads}", " ",
        at57("    dist from the left end member      (ft) =", "4.00"), " ",
        at57("    Moment                           (ft-#) =", "-300.00"), " ",
        // Span 2 carries no loads: its block is the header alone and ends the section.
        " ", stars, "    LOADING INFORMATION", stars, " ", " ", "    Span       2 ", ""};
    // clang-format on
    EXPECT_EQ(lines, span1);
}

TEST(LoadingInformation, UnitLabelsFollowTheSystem) {
    const std::pair<UnitSystem, std::vector<std::string_view>> systems[] = {
        {UnitSystem::M3,
         {"    Load                                (kg) =",
          "    dist from the left end member       (m) =",
          "    uniform load #1 (kg/m)                   =",
          "    Moment                            (m-kg) ="}},
        // Millimetre beams: the point-load distance in mm, distributed-load distances in m.
        {UnitSystem::M4,
         {"    dist from the left end member       (mm) =",
          "    dist 1 from the left end of member (m)  =",
          "    dist 2 from the left end of member (m) =",
          "    uniform load #2 (N/mm)                  =",
          "    Moment                            (mm-N) ="}}};
    for (const auto& [units, labels] : systems) {
        HandCase c = hand_case(units, {6.0});
        c.beam.spans[0].points.push_back({2.0, HeldNumber::typed("5")});
        c.beam.spans[0].uniforms.push_back({1.0, 2.0, 3.0, 4.0});
        c.beam.spans[0].moments.push_back({2.0, 7.0});
        const std::string text = loading(c).brief.text();
        for (std::string_view label : labels)
            EXPECT_TRUE(contains(text, label)) << label;
    }
}

}  // namespace
}  // namespace spanlyx::test
