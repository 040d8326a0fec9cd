#include <gtest/gtest.h>

#include <algorithm>

#include "beam_file_test_support.h"
#include "storage/beam_file.h"

namespace spanlyx {
namespace {

using test::crlf_lines;
using Lines = std::vector<std::string>;

Span span_of(HeldNumber length, double inertia, HeldNumber modulus) {
    Span span;
    span.length = std::move(length);
    span.inertia = inertia;
    span.modulus = std::move(modulus);
    return span;
}

// Two spans in system E: typed and computed values, each load kind, a release.
Beam two_span_beam() {
    Beam beam;
    beam.units = UnitSystem::E;
    beam.comments = {"Job 12", "", "", ""};
    Span first = span_of(HeldNumber::typed("10"), 100, HeldNumber::typed("29000000"));
    first.release = Release::Left;
    first.uniforms.push_back({0, 100, 10, 100});
    Span second = span_of(HeldNumber::computed(12.5), 0.5, HeldNumber::computed(3e7));
    second.points.push_back({6.25, HeldNumber::typed("-1500")});
    second.count_text[static_cast<std::size_t>(LoadKind::Point)] = "1";
    second.moments.push_back({12.5, -2000});
    beam.spans = {first, second};
    beam.joints = {{1, 0}, {1, 1}, {0, 0}};
    return beam;
}

TEST(BeamFileWriter, WritesEveryLineOfTheLayout) {
    const Lines expected = {
        "Spanlyx Program", "# OF COMMENT LINES (0-4)", " 1 ", "Job 12", "END COMMENTS",
        "Metric E,M,M2,M3 Or M4", "E", "number of spans", " 2 ", "total length ", " 22.5 ",
        "START MEMBER INFO",
        // span 1
        "MEMBER NUMBER", " 1 ", "member length ", "10", "member I", " 100 ", "member E  ",
        "29000000", "member release", " 1 ", "******** Number of uniform loads", " 1 ",
        "dist 1 from the left end of member (ft)", " 0 ", "uniform load #1", " 100 ",
        "dist 2 from the left end of member (ft)", " 10 ", "uniform load #2", " 100 ",
        "******** Number of point loads", " 0 ", "******** Number of Applied Moments", " 0 ",
        // span 2
        "MEMBER NUMBER", " 2 ", "member length ", " 12.5 ", "member I", " .5 ", "member E  ",
        " 30000000 ", "member release", " 0 ", "******** Number of uniform loads", " 0 ",
        "******** Number of point loads", "1", "dist from left end of member (ft) ", " 6.25 ",
        "Load ", "-1500", "******** Number of Applied Moments", " 1 ",
        "dist from left end of member (ft) ", " 12.5 ", "moment ", "-2000 ",
        // joints
        "Number of Joints", " 3 ", "Joint Number", " 1 ", "Joint Restraint  Y", " 1 ",
        "Joint Restraint  Z", " 0 ", "Joint Number", " 2 ", "Joint Restraint  Y", " 1 ",
        "Joint Restraint  Z", " 1 ", "Joint Number", " 3 ", "Joint Restraint  Y", " 0 ",
        "Joint Restraint  Z", " 0 "};
    EXPECT_EQ(crlf_lines(format_beam_file(two_span_beam())), expected);
}

// Each (0-based index, text) pair names a line of the file.
void expect_lines(const Lines& lines,
                  std::initializer_list<std::pair<std::size_t, const char*>> at) {
    for (const auto& [index, text] : at) {
        ASSERT_LT(index, lines.size());
        EXPECT_EQ(lines[index], text) << "line " << index + 1;
    }
}

Lines written(const Beam& beam) {
    return crlf_lines(format_beam_file(beam));
}

TEST(BeamFileWriter, CommentsCountsAndFieldTexts) {
    Beam beam = two_span_beam();
    beam.comments = {"", "", "", ""};
    expect_lines(written(beam), {{2, " 0 "}, {3, "END COMMENTS"}});
    // Only filled comments are written, in order, behind their count.
    beam.comments = {"first", "", "third", ""};
    expect_lines(written(beam), {{2, " 2 "}, {3, "first"}, {4, "third"}, {5, "END COMMENTS"}});
    // A line feed inside a comment would split it; a lone carriage return ends no line.
    beam.comments = {"a\rb", "c\nd", "", ""};
    expect_lines(written(beam), {{3, "a\rb"}, {4, "c d"}});

    // The field texts travel as held; a count text that no longer counts the loads does not.
    beam = two_span_beam();
    beam.spans_text = "2";
    beam.total_length_text = "22.50";
    beam.spans[0].count_text = {"0", "0", "0"};  // says 0 uniform loads while one is held
    beam.spans[1].count_text = {"0", " 3 ", "1"};
    expect_lines(written(beam),
                 {{8, "2"}, {10, "22.50"}, {23, " 1 "}, {47, "0"}, {49, " 1 "}, {55, "1"}});
    // Field texts that would not read back as numbers give way to the values.
    beam.spans_text = "7";
    beam.spans[0].length = {10, "ten"};
    expect_lines(written(beam), {{8, " 2 "}, {15, " 10 "}});
}

TEST(BeamFileWriter, UnitTagsLabelsAndEntryUnits) {
    Beam beam = two_span_beam();
    beam.units = UnitSystem::E2;
    expect_lines(written(beam), {{6, "E2"},
                                 {24, "dist 1 from the left end of member (in)"},
                                 {28, "dist 2 from the left end of member (in)"},
                                 {50, "dist from left end of member (in) "}});

    // Metric I and E go back to entry units: 0.000125 m^4 is 12.5 x10^-5 m^4, 2E11 N/m^2 is
    // 200 GN/m^2; every metric system labels distances "(m)".
    beam.units = UnitSystem::M;
    beam.spans[0].inertia = 0.000125;
    beam.spans[0].modulus = HeldNumber::computed(2e11);
    expect_lines(written(beam), {{6, "M"},
                                 {16, "member I"},
                                 {17, " 12.5 "},
                                 {19, " 200 "},
                                 {24, "dist 1 from the left end of member (m)"}});

    // M3: 0.00008 m^4 is 8000 cm^4; 2.1E10 kg/m^2 is 2.1E6 kg/cm^2. M4 keeps E as typed.
    beam.units = UnitSystem::M3;
    beam.spans[0].inertia = 0.00008;
    beam.spans[0].modulus = HeldNumber::computed(2.1e10);
    expect_lines(written(beam), {{17, " 8000 "}, {19, " 2100000 "}});
    beam.units = UnitSystem::M4;
    beam.spans[0].modulus = HeldNumber::typed("200000");
    expect_lines(written(beam),
                 {{6, "M4"}, {19, "200000"}, {50, "dist from left end of member (m) "}});

    // I from the section: depth and width lines replace the I line.
    beam = two_span_beam();
    beam.inertia_entered = false;
    beam.spans[0].depth = 24;
    beam.spans[0].width = 12;
    const Lines lines = written(beam);
    expect_lines(lines, {{16, "member depth "},
                         {17, " 24 "},
                         {18, "member width "},
                         {19, " 12 "},
                         {20, "member E  "},
                         {21, "29000000"}});
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "member I"), 0);
}

TEST(BeamFileWriter, SnapshotOmitsTagAndReleasesAndKeepsStoredUnits) {
    Beam beam = two_span_beam();
    beam.units = UnitSystem::M;
    beam.spans[0].inertia = 0.000125;
    beam.spans[0].modulus = HeldNumber::computed(2e11);
    beam.spans[0].points.push_back({5, HeldNumber::typed("40")});
    const Lines lines = crlf_lines(format_beam_snapshot(beam));
    // No unit tag after the comments; I and E stored; the first distance label keeps "(ft)".
    // clang-format off
    EXPECT_EQ((Lines(lines.begin() + 4, lines.begin() + 29)),
              (Lines{"END COMMENTS", "number of spans", " 2 ", "total length ", " 22.5 ",
                     "START MEMBER INFO", "MEMBER NUMBER", " 1 ", "member length ", "10",
                     "member I", " .000125 ", "member E  ", " 200000000000 ",
                     "******** Number of uniform loads", " 1 ",
                     "dist 1 from the left end of member (ft)", " 0 ", "uniform load #1", " 100 ",
                     "dist 2 from the left end of member (m)", " 10 ", "uniform load #2", " 100 ",
                     "******** Number of point loads"}));
    // clang-format on
    EXPECT_EQ(lines[30], "dist from left end of member ");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "member release"), 0);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Metric E,M,M2,M3 Or M4"), 0);

    beam.units = UnitSystem::E2;
    EXPECT_EQ(crlf_lines(format_beam_snapshot(beam))[20],
              "dist 1 from the left end of member (in)");
}

// I typed on one span, then the mode switched to b and d for the others: the typed I survives a
// save and reopen, and the beam stays in b, d mode.
TEST(BeamFileWriter, TypedInertiaSurvivesTheSwitchToSectionEntry) {
    Beam beam = two_span_beam();
    beam.inertia_entered = false;
    beam.spans.push_back(beam.spans[1]);
    beam.spans[0].inertia = 100;  // typed, no section
    for (std::size_t s : {1U, 2U}) {
        beam.spans[s].width = 6;
        beam.spans[s].depth = 10;
        beam.spans[s].inertia = 500;  // 6 * 10^3 / 12
    }
    beam.joints.push_back({1, 0});
    const BeamReadResult read = parse_beam_file(format_beam_file(beam));
    ASSERT_TRUE(read.beam) << read.message;
    EXPECT_FALSE(read.beam->inertia_entered);
    ASSERT_EQ(read.beam->span_count(), 3);
    EXPECT_DOUBLE_EQ(read.beam->spans[0].inertia, 100);
    for (std::size_t s : {1U, 2U}) {
        EXPECT_DOUBLE_EQ(read.beam->spans[s].inertia, 500);
        EXPECT_DOUBLE_EQ(read.beam->spans[s].width, 6);
    }
}

}  // namespace
}  // namespace spanlyx
