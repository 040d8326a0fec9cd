#include <gtest/gtest.h>

#include <algorithm>

#include "beam_file_test_support.h"
#include "storage/beam_file.h"

namespace spanlyx {
namespace {

using test::crlf_text;
using Lines = std::vector<std::string>;

// A one-span file in system E; the comments give the 1-based numbers of each row's lines.
Lines one_span_file() {
    // clang-format off
    return {"Spanlyx Program", "# OF COMMENT LINES (0-4)", " 1 ", "a comment",           // 1-4
            "END COMMENTS", "Metric E,M,M2,M3 Or M4", "E",                                // 5-7
            "number of spans", " 1 ", "total length ", " 10 ", "START MEMBER INFO",       // 8-12
            "MEMBER NUMBER", " 1 ", "member length ", " 10 ",                             // 13-16
            "member I", " 100 ", "member E  ", " 29000000 ", "member release", " 2 ",     // 17-22
            "******** Number of uniform loads", " 1 ",                                   // 23-24
            "dist 1 from the left end of member (ft)", " 0 ", "uniform load #1", " 50 ",  // 25-28
            "dist 2 from the left end of member (ft)", " 10 ", "uniform load #2", " 60 ", // 29-32
            "******** Number of point loads", " 1 ",                                     // 33-34
            "dist from left end of member (ft) ", " 5 ", "Load ", " 1000 ",               // 35-38
            "******** Number of Applied Moments", " 0 ", "Number of Joints", " 2 ",       // 39-42
            "Joint Number", " 1 ", "Joint Restraint  Y", " 1 ",                           // 43-46
            "Joint Restraint  Z", " 0 ", "Joint Number", " 2 ",                           // 47-50
            "Joint Restraint  Y", " 1 ", "Joint Restraint  Z", " 1 "};                    // 51-54
    // clang-format on
}

Lines with_line(Lines lines, int number, std::string text) {
    lines[static_cast<std::size_t>(number - 1)] = std::move(text);
    return lines;
}

TEST(BeamFileReader, ReadsEveryValue) {
    const BeamReadResult read = parse_beam_file(crlf_text(one_span_file()));
    ASSERT_TRUE(read.beam) << read.message;
    const Beam& beam = *read.beam;
    EXPECT_EQ(beam.units, UnitSystem::E);
    EXPECT_EQ(beam.comments, (std::array<std::string, 4>{"a comment", "", "", ""}));
    EXPECT_EQ(beam.spans_text, " 1 ");
    EXPECT_EQ(beam.total_length_text, "10.00");
    ASSERT_EQ(beam.span_count(), 1);
    const Span& span = beam.spans[0];
    EXPECT_EQ(span.length, (HeldNumber{10, " 10 "}));
    EXPECT_TRUE(beam.inertia_entered);
    EXPECT_EQ(span.inertia, 100);
    EXPECT_EQ(span.modulus, (HeldNumber{29000000, " 29000000 "}));
    EXPECT_EQ(span.release, Release::Right);
    EXPECT_EQ(span.uniforms, (std::vector<UniformLoad>{{0, 50, 10, 60}}));
    EXPECT_EQ(span.points, (std::vector<PointLoad>{{5, {1000, " 1000 "}}}));
    EXPECT_TRUE(span.moments.empty());
    EXPECT_EQ(span.count_text, (std::array<std::string, 3>{" 1 ", " 1 ", " 0 "}));
    EXPECT_EQ(beam.joints, (std::vector<Joint>{{1, 0}, {1, 1}}));

    // LF line ends read the same; an empty total is recomputed from the spans.
    const auto lf = parse_beam_file(crlf_text(with_line(one_span_file(), 11, ""), "\n"));
    ASSERT_TRUE(lf.beam) << lf.message;
    EXPECT_EQ(lf.beam->total_length_text, "10.00");
    EXPECT_EQ(lf.beam->spans[0].points, span.points);

    // Files written before releases existed read with no hinge.
    Lines old = one_span_file();
    old.erase(old.begin() + 20, old.begin() + 22);
    const auto no_release = parse_beam_file(crlf_text(old));
    ASSERT_TRUE(no_release.beam) << no_release.message;
    EXPECT_EQ(no_release.beam->spans[0].release, Release::None);
    EXPECT_EQ(no_release.beam->spans[0].uniforms, span.uniforms);
}

// Two copies of the span of one_span_file, each giving I = 100 or depth 2 and width 3.
std::string two_span_file(bool first_from_section, bool second_from_section) {
    const Lines one = with_line(with_line(one_span_file(), 9, " 2 "), 11, "");
    Lines lines(one.begin(), one.begin() + 12);
    for (bool from_section : {first_from_section, second_from_section}) {
        lines.insert(lines.end(), one.begin() + 12, one.begin() + 16);
        if (from_section)
            lines.insert(lines.end(), {"member depth ", " 2 ", "member width ", " 3 "});
        else
            lines.insert(lines.end(), one.begin() + 16, one.begin() + 18);
        lines.insert(lines.end(), one.begin() + 18, one.begin() + 40);
    }
    lines.insert(lines.end(), {"Number of Joints", " 3 "});
    lines.insert(lines.end(), one.begin() + 42, one.end());
    lines.insert(lines.end(), one.end() - 6, one.end());
    return crlf_text(lines);
}

TEST(BeamFileReader, TheLastSpanReadDecidesTheInertiaMode) {
    const auto section_last = parse_beam_file(two_span_file(false, true));
    ASSERT_TRUE(section_last.beam) << section_last.message;
    EXPECT_FALSE(section_last.beam->inertia_entered);
    EXPECT_EQ(section_last.beam->spans[0].inertia, 100);
    EXPECT_EQ(section_last.beam->spans[1].inertia, 2.0);  // 3 * 2^3 / 12
    EXPECT_EQ(section_last.beam->total_length_text, "20.00");

    const auto typed_last = parse_beam_file(two_span_file(true, false));
    ASSERT_TRUE(typed_last.beam) << typed_last.message;
    EXPECT_TRUE(typed_last.beam->inertia_entered);
    EXPECT_EQ(typed_last.beam->spans[0].inertia, 2.0);

    // Saved again, the section span becomes an I line that still reads back, even where
    // b*d^3/12 is far beyond any value typed.
    Beam huge = *typed_last.beam;
    huge.units = UnitSystem::M2;
    huge.spans[0].inertia = 1e30 * 1e30 * 1e30 * 1e30 / 12;
    const auto saved = parse_beam_file(format_beam_file(huge));
    ASSERT_TRUE(saved.beam) << saved.message;
    EXPECT_DOUBLE_EQ(saved.beam->spans[0].inertia, huge.spans[0].inertia);
}

TEST(BeamFileReader, RefusesGarbageNamingTheLine) {
    const std::string comments = "expected the number of comment lines (0 to 4), found ";
    const std::string spans = "expected the number of spans (1 to 40), found ";
    const std::string uniforms = "expected the number of uniform loads on span 1 (0 to 90), found ";
    // clang-format off
    const struct {
        int line;
        std::string text, message;  // the message follows "Line <line>: "
    } cases[] = {
        {3, "5", comments + "\"5\""},
        {3, "-1", comments + "\"-1\""},
        {9, " 0 ", spans + "\"0\""},
        {9, "41", spans + "\"41\""},
        {9, "1.5", spans + "\"1.5\""},
        {11, "ten", "expected the total length (a number, or nothing), found \"ten\""},
        {16, "10 ft", "expected the length of span 1 (a number), found \"10 ft\""},
        {18, "", "expected the moment of inertia of span 1 (a number), found \"\""},
        {20, "2.9E+40",
         "expected the modulus E of span 1 (a number), found \"2.9E+40\" (too large)"},
        {16, "-10", "expected the length of span 1 (a number), found \"-10\" (negative)"},
        {16, "1E-320", "expected the length of span 1 (a number), found \"1E-320\" (too small)"},
        {18, "-100", "expected the moment of inertia of span 1 (a number), found \"-100\" (negative)"},
        {18, "2E-308", "expected the moment of inertia of span 1 (a number), found \"2E-308\" (too small)"},
        {20, "-29000000", "expected the modulus E of span 1 (a number), found \"-29000000\" (negative)"},
        {20, "1E-320", "expected the modulus E of span 1 (a number), found \"1E-320\" (too small)"},
        {22, "4", "expected the release code of span 1 (0 to 3), found \"4\""},
        {24, "91", uniforms + "\"91\""},
        {24, "0.5", uniforms + "\"0.5\""},
        {26, "x", "expected X1 of uniform load 1 on span 1 (a number), found \"x\""},
        {32, "-", "expected W2 of uniform load 1 on span 1 (a number), found \"-\""},
        {34, "-1", "expected the number of point loads on span 1 (0 to 90), found \"-1\""},
        {38, "1kN", "expected the value of point load 1 on span 1 (a number), found \"1kN\""},
        {40, "two", "expected the number of applied moments on span 1 (0 to 90), found \"two\""},
        {42, " 3 ", "expected the number of joints (2), found \"3\""},
        {46, "2", "expected the vertical restraint of joint 1 (0 or 1), found \"2\""},
        {54, "-1", "expected the rotational restraint of joint 2 (0 or 1), found \"-1\""},
    };
    // clang-format on
    for (const auto& c : cases) {
        const auto read = parse_beam_file(crlf_text(with_line(one_span_file(), c.line, c.text)));
        SCOPED_TRACE(c.message);
        EXPECT_FALSE(read.beam);
        EXPECT_EQ(read.message, "Line " + std::to_string(c.line) + ": " + c.message);
        EXPECT_EQ(read.line, c.line);
        EXPECT_FALSE(read.unit_tag_refused);
    }
}

// A 0 is what an empty entry field saves: such a file opens, and Calculate asks for the value.
// Values no field can hold are refused at their line, judged in stored units and for b and d too.
TEST(BeamFileReader, ReadsZeroValuesAndRefusesOnesNoFieldHolds) {
    Lines zeros = with_line(with_line(with_line(one_span_file(), 16, " 0 "), 18, " 0 "), 20, " 0 ");
    const auto read = parse_beam_file(crlf_text(zeros));
    ASSERT_TRUE(read.beam) << read.message;
    EXPECT_EQ(read.beam->spans[0].length.value, 0);
    EXPECT_EQ(read.beam->spans[0].inertia, 0);
    EXPECT_EQ(read.beam->spans[0].modulus.value, 0);
    // 2.2250738585072014E-308 is the smallest normal double.
    EXPECT_TRUE(
        parse_beam_file(crlf_text(with_line(one_span_file(), 18, "2.2250738585072014E-308"))).beam);

    // System M2 stores I x 1e-8: 1E-300 typed is 1e-308 stored, below the smallest normal number.
    Lines m2 = with_line(one_span_file(), 7, "M2");
    EXPECT_TRUE(parse_beam_file(crlf_text(with_line(m2, 18, "1E-299"))).beam);
    EXPECT_EQ(parse_beam_file(crlf_text(with_line(m2, 18, "1E-300"))).message,
              "Line 18: expected the moment of inertia of span 1 (a number), found \"1E-300\" (too "
              "small)");

    Lines section = one_span_file();
    section.erase(section.begin() + 16, section.begin() + 18);
    section.insert(section.begin() + 16, {"member depth ", " 2 ", "member width ", "-3"});
    EXPECT_EQ(parse_beam_file(crlf_text(section)).message,
              "Line 20: expected the width of span 1 (a number), found \"-3\" (negative)");
    section[17] = "1E-310";
    EXPECT_EQ(parse_beam_file(crlf_text(section)).message,
              "Line 18: expected the depth of span 1 (a number), found \"1E-310\" (too small)");
}

TEST(BeamFileReader, RefusesFilesThatEndEarly) {
    EXPECT_EQ(parse_beam_file("").message,
              "Line 1: expected the label \"Spanlyx Program\", found the end of the file");
    Lines cut = one_span_file();
    cut.resize(47);
    const auto read = parse_beam_file(crlf_text(cut));
    EXPECT_FALSE(read.beam);
    EXPECT_EQ(read.line, 48);
    EXPECT_EQ(read.message,
              "Line 48: expected the rotational restraint of joint 1 (0 or 1), "
              "found the end of the file");
    cut.resize(30);
    EXPECT_EQ(parse_beam_file(crlf_text(cut)).line, 31);
    cut.resize(3);  // the count promises a comment that never comes
    EXPECT_EQ(parse_beam_file(crlf_text(cut)).message,
              "Line 4: expected comment 1, found the end of the file");
}

TEST(BeamFileReader, RefusesAnUnknownUnitTag) {
    for (const char* tag : {"e", "E ", "M5", ""}) {
        const auto read = parse_beam_file(crlf_text(with_line(one_span_file(), 7, tag)));
        EXPECT_FALSE(read.beam) << tag;
        EXPECT_TRUE(read.unit_tag_refused) << tag;
        EXPECT_EQ(read.line, 7);
        EXPECT_EQ(read.message,
                  "The Data file Does not Contain a Metric or English Tag Aborting open");
    }
}

// Every unit system, both ways of giving I: what is written reads back to the same beam, and
// writing the beam read gives the same file again. With the writer's exact entry-unit lines
// checked on their own, this also holds the reader's scaling of metric I and E and its b*d^3/12.
TEST(BeamFileReader, ReadsBackWhatItWrites) {
    for (UnitSystem units : kAllUnitSystems) {
        for (bool inertia_entered : {true, false}) {
            SCOPED_TRACE(::testing::Message() << unit_tag(units) << " " << inertia_entered);
            Beam beam;
            beam.units = units;
            beam.inertia_entered = inertia_entered;
            beam.comments = {"Bridge", "", "west wing", ""};
            beam.total_length_text = "14.50";
            for (int m = 0; m < 2; ++m) {
                Span& span = beam.spans.emplace_back();
                span.length = m == 0 ? HeldNumber::typed("8") : HeldNumber::computed(6.5);
                span.width = 10;
                span.depth = 20.5;
                span.inertia =
                    inertia_entered ? inertia_to_stored(units, 8.36) : 10 * 20.5 * 20.5 * 20.5 / 12;
                span.modulus = HeldNumber::computed(modulus_to_stored(units, 200));
                span.release = m == 0 ? Release::Both : Release::None;
                span.uniforms = {{0.25, 1.5, 4, 3}, {4, 3, 8, 3}};
                span.points = {{2.125, HeldNumber::typed("-7.5")}, {3, HeldNumber::computed(1e-5)}};
                span.moments = {{6, 12000.75}};
            }
            beam.joints = {{1, 1}, {1, 0}, {0, 0}};

            const std::string file = format_beam_file(beam);
            const BeamReadResult read = parse_beam_file(file);
            ASSERT_TRUE(read.beam) << read.message;
            const Beam& back = *read.beam;
            EXPECT_EQ(back.units, units);
            EXPECT_EQ(back.inertia_entered, inertia_entered);
            EXPECT_EQ(back.comments, (std::array<std::string, 4>{"Bridge", "west wing", "", ""}));
            ASSERT_EQ(back.span_count(), 2);
            for (std::size_t m = 0; m < 2; ++m) {
                const Span &span = beam.spans[m], &got = back.spans[m];
                EXPECT_EQ(got.length.value, span.length.value);
                EXPECT_DOUBLE_EQ(got.inertia, span.inertia);
                EXPECT_DOUBLE_EQ(got.modulus.value, span.modulus.value);
                EXPECT_TRUE(inertia_entered || (got.width == 10 && got.depth == 20.5));
                EXPECT_EQ(got.release, span.release);
                EXPECT_EQ(got.uniforms, span.uniforms);
                ASSERT_EQ(got.points.size(), 2u);
                EXPECT_EQ(got.points[0].load.value, -7.5);
                EXPECT_EQ(got.points[1].load.value, 1e-5);
                EXPECT_EQ(got.moments, span.moments);
            }
            EXPECT_EQ(back.joints, beam.joints);
            EXPECT_EQ(format_beam_file(back), file);
        }
    }
}

}  // namespace
}  // namespace spanlyx
