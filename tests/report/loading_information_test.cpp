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
    const std::string stars = "    " + std::string(31, '*');
    const std::vector<std::string> span_header = {" ", stars, "    LOADING INFORMATION", stars,
                                                  " ", " ",   "    Span       2 ",       ""};
    // Span 2 carries no loads: its block is the header alone and ends the section.
    ASSERT_GE(lines.size(), span_header.size());
    const std::vector<std::string> tail(lines.end() - static_cast<long>(span_header.size()),
                                        lines.end());
    EXPECT_EQ(tail, span_header);

    // Span 1: point loads, then distributed loads, then moments; each value line followed by
    // a blank line; values in the zone at column 57.
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"    {Point Loads}", ""},
        {"    dist from the left end member      (ft) =", "2.50"},
        {"    Load                                (#) =", "1000.00"},
        {"    {Uniform Loads}", ""},
        {"    dist 1 from the left end of member (ft) =", "0.00"},
        {"    uniform load #1 (#/lf)                  =", "1.20"},
        {"    dist 2 from the left end of member (ft) =", "10.00"},
        {"    uniform load #2 (#/ft)                  =", "1.25"},
        {"    {Moment Loads}", ""},
        {"    dist from the left end member      (ft) =", "4.00"},
        {"    Moment                           (ft-#) =", "-300.00"},
    };
    ASSERT_EQ(lines[6], "    Span       1 ");
    for (std::size_t k = 0; k < expected.size(); ++k) {
        const std::string& line = lines[8 + 2 * k];
        EXPECT_TRUE(line.starts_with(expected[k].first)) << line;
        if (!expected[k].second.empty()) {
            EXPECT_EQ(column_of(line, expected[k].second), 57u) << line;
            EXPECT_TRUE(line.ends_with(expected[k].second)) << line;
        }
        EXPECT_EQ(lines[9 + 2 * k], " ");
    }
    EXPECT_EQ(lines[8 + 2 * expected.size()], " ");  // next span block starts
}

TEST(LoadingInformation, UnitLabelsFollowTheSystem) {
    auto labels_of = [](UnitSystem units) {
        HandCase c = hand_case(units, {6.0});
        c.beam.spans[0].points.push_back({2.0, HeldNumber::typed("5")});
        c.beam.spans[0].uniforms.push_back({1.0, 2.0, 3.0, 4.0});
        c.beam.spans[0].moments.push_back({2.0, 7.0});
        return loading(c).brief.text();
    };
    const std::string m3 = labels_of(UnitSystem::M3);
    EXPECT_TRUE(contains(m3, "    Load                                (kg) ="));
    EXPECT_TRUE(contains(m3, "    dist from the left end member       (m) ="));
    EXPECT_TRUE(contains(m3, "    uniform load #1 (kg/m)                   ="));
    EXPECT_TRUE(contains(m3, "    Moment                            (m-kg) ="));

    // Millimetre beams: the point-load distance in mm, distributed-load distances in m.
    const std::string m4 = labels_of(UnitSystem::M4);
    EXPECT_TRUE(contains(m4, "    dist from the left end member       (mm) ="));
    EXPECT_TRUE(contains(m4, "    dist 1 from the left end of member (m)  ="));
    EXPECT_TRUE(contains(m4, "    dist 2 from the left end of member (m) ="));
    EXPECT_TRUE(contains(m4, "    uniform load #2 (N/mm)                  ="));
    EXPECT_TRUE(contains(m4, "    Moment                            (mm-N) ="));
}

}  // namespace
}  // namespace spanlyx::test
