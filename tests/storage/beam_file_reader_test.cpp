#include <gtest/gtest.h>

#include "beam_file_test_support.h"
#include "storage/beam_file.h"

namespace spanlyx {
namespace {

using test::crlf_text;
using Lines = std::vector<std::string>;

// A one-span file in system E; the comments give each line its 1-based number.
Lines one_span_file() {
    return {
        "Spanlyx Program",
        "# OF COMMENT LINES (0-4)",
        " 1 ",
        "a comment",  // 1-4
        "END COMMENTS",
        "Metric E,M,M2,M3 Or M4",
        "E",  // 5-7
        "number of spans",
        " 1 ",
        "total length ",
        " 10 ",
        "START MEMBER INFO",  // 8-12
        "MEMBER NUMBER",
        " 1 ",
        "member length ",
        " 10 ",  // 13-16
        "member I",
        " 100 ",
        "member E  ",
        " 29000000 ",  // 17-20
        "member release",
        " 2 ",  // 21-22
        "******** Number of uniform loads",
        " 1 ",  // 23-24
        "dist 1 from the left end of member (ft)",
        " 0 ",
        "uniform load #1",
        " 50 ",  // 25-28
        "dist 2 from the left end of member (ft)",
        " 10 ",
        "uniform load #2",
        " 60 ",  // 29-32
        "******** Number of point loads",
        " 1 ",  // 33-34
        "dist from left end of member (ft) ",
        " 5 ",
        "Load ",
        " 1000 ",  // 35-38
        "******** Number of Applied Moments",
        " 0 ",  // 39-40
        "Number of Joints",
        " 2 ",  // 41-42
        "Joint Number",
        " 1 ",
        "Joint Restraint  Y",
        " 1 ",
        "Joint Restraint  Z",
        " 0 ",  // 43-48
        "Joint Number",
        " 2 ",
        "Joint Restraint  Y",
        " 1 ",
        "Joint Restraint  Z",
        " 1 ",  // 49-54
    };
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

TEST(BeamFileReader, ScalesMetricValuesAndDerivesIFromTheSection) {
    Lines metric = with_line(with_line(one_span_file(), 7, "M"), 18, " 12.5 ");
    metric = with_line(metric, 20, " 200 ");
    const auto m = parse_beam_file(crlf_text(metric));
    ASSERT_TRUE(m.beam) << m.message;
    EXPECT_DOUBLE_EQ(m.beam->spans[0].inertia, 0.000125);
    EXPECT_DOUBLE_EQ(m.beam->spans[0].modulus.value, 2e11);

    const auto m3 = parse_beam_file(crlf_text(with_line(with_line(metric, 7, "M3"), 18, "8000")));
    ASSERT_TRUE(m3.beam) << m3.message;
    EXPECT_DOUBLE_EQ(m3.beam->spans[0].inertia, 0.00008);
    EXPECT_DOUBLE_EQ(m3.beam->spans[0].modulus.value, 2e6);

    // Depth 12 and width 6: I = b d^3 / 12 = 6 * 1728 / 12 = 864.
    Lines section = one_span_file();
    section[16] = "member depth ";
    section[17] = " 12 ";
    section.insert(section.begin() + 18, {"member width ", " 6 "});
    const auto bd = parse_beam_file(crlf_text(section));
    ASSERT_TRUE(bd.beam) << bd.message;
    EXPECT_FALSE(bd.beam->inertia_entered);
    EXPECT_EQ(bd.beam->spans[0].depth, 12);
    EXPECT_EQ(bd.beam->spans[0].width, 6);
    EXPECT_DOUBLE_EQ(bd.beam->spans[0].inertia, 864);
}

// Two spans without loads, each giving I directly or from depth and width.
std::string two_span_file(bool first_from_section, bool second_from_section) {
    Lines lines = {"Spanlyx Program",
                   "# OF COMMENT LINES (0-4)",
                   " 0 ",
                   "END COMMENTS",
                   "Metric E,M,M2,M3 Or M4",
                   "E",
                   "number of spans",
                   " 2 ",
                   "total length ",
                   "",
                   "START MEMBER INFO"};
    for (bool from_section : {first_from_section, second_from_section}) {
        const Lines head = {"MEMBER NUMBER", " 1 ", "member length ", " 4 "};
        const Lines section = from_section ? Lines{"member depth ", " 2 ", "member width ", " 3 "}
                                           : Lines{"member I", " 7 "};
        const Lines tail = {"member E  ",
                            " 29000000 ",
                            "******** Number of uniform loads",
                            " 0 ",
                            "******** Number of point loads",
                            " 0 ",
                            "******** Number of Applied Moments",
                            " 0 "};
        for (const Lines* part : {&head, &section, &tail}) {
            lines.insert(lines.end(), part->begin(), part->end());
        }
    }
    lines.insert(lines.end(), {"Number of Joints", " 3 "});
    for (int j = 1; j <= 3; ++j) {
        lines.insert(lines.end(), {"Joint Number", " 1 ", "Joint Restraint  Y", " 1 ",
                                   "Joint Restraint  Z", " 0 "});
    }
    return crlf_text(lines);
}

TEST(BeamFileReader, TheLastSpanReadDecidesTheInertiaMode) {
    const auto section_last = parse_beam_file(two_span_file(false, true));
    ASSERT_TRUE(section_last.beam) << section_last.message;
    EXPECT_FALSE(section_last.beam->inertia_entered);
    EXPECT_EQ(section_last.beam->spans[0].inertia, 7);
    EXPECT_EQ(section_last.beam->spans[1].inertia, 2.0);  // 3 * 2^3 / 12
    EXPECT_EQ(section_last.beam->total_length_text, "8.00");

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

struct Refusal {
    int line;
    std::string text;
    std::string message;
};

TEST(BeamFileReader, RefusesGarbageNamingTheLine) {
    const std::vector<Refusal> cases = {
        {3, "5", "Line 3: expected the number of comment lines (0 to 4), found \"5\""},
        {3, "-1", "Line 3: expected the number of comment lines (0 to 4), found \"-1\""},
        {9, " 0 ", "Line 9: expected the number of spans (1 to 40), found \"0\""},
        {9, "41", "Line 9: expected the number of spans (1 to 40), found \"41\""},
        {9, "1.5", "Line 9: expected the number of spans (1 to 40), found \"1.5\""},
        {11, "ten", "Line 11: expected the total length (a number, or nothing), found \"ten\""},
        {16, "10 ft", "Line 16: expected the length of span 1 (a number), found \"10 ft\""},
        {18, "", "Line 18: expected the moment of inertia of span 1 (a number), found \"\""},
        {20, "2.9E+40",
         "Line 20: expected the modulus E of span 1 (a number), found \"2.9E+40\" "
         "(too large)"},
        {22, "4", "Line 22: expected the release code of span 1 (0 to 3), found \"4\""},
        {24, "91",
         "Line 24: expected the number of uniform loads on span 1 (0 to 90), found "
         "\"91\""},
        {24, "0.5",
         "Line 24: expected the number of uniform loads on span 1 (0 to 90), found "
         "\"0.5\""},
        {26, "x", "Line 26: expected X1 of uniform load 1 on span 1 (a number), found \"x\""},
        {32, "-", "Line 32: expected W2 of uniform load 1 on span 1 (a number), found \"-\""},
        {34, "-1", "Line 34: expected the number of point loads on span 1 (0 to 90), found \"-1\""},
        {38, "1kN",
         "Line 38: expected the value of point load 1 on span 1 (a number), found "
         "\"1kN\""},
        {40, "two",
         "Line 40: expected the number of applied moments on span 1 (0 to 90), found "
         "\"two\""},
        {42, " 3 ", "Line 42: expected the number of joints (2), found \"3\""},
        {46, "2", "Line 46: expected the vertical restraint of joint 1 (0 or 1), found \"2\""},
        {54, "-1", "Line 54: expected the rotational restraint of joint 2 (0 or 1), found \"-1\""},
    };
    for (const Refusal& refusal : cases) {
        const auto read =
            parse_beam_file(crlf_text(with_line(one_span_file(), refusal.line, refusal.text)));
        EXPECT_FALSE(read.beam) << refusal.message;
        EXPECT_EQ(read.message, refusal.message);
        EXPECT_EQ(read.line, refusal.line) << refusal.message;
        EXPECT_FALSE(read.unit_tag_refused) << refusal.message;
    }
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
// writing the beam read gives the same file again.
TEST(BeamFileReader, ReadsBackWhatItWrites) {
    for (UnitSystem units : kAllUnitSystems) {
        for (bool inertia_entered : {true, false}) {
            Beam beam;
            beam.units = units;
            beam.inertia_entered = inertia_entered;
            beam.comments = {"Bridge", "", "west wing", ""};
            beam.total_length_text = "14.50";
            for (int m = 0; m < 2; ++m) {
                Span span;
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
                beam.spans.push_back(span);
            }
            beam.joints = {{1, 1}, {1, 0}, {0, 0}};

            const std::string file = format_beam_file(beam);
            const BeamReadResult read = parse_beam_file(file);
            const std::string name(unit_tag(units));
            ASSERT_TRUE(read.beam) << name << ": " << read.message;
            const Beam& back = *read.beam;
            EXPECT_EQ(back.units, units) << name;
            EXPECT_EQ(back.inertia_entered, inertia_entered) << name;
            EXPECT_EQ(back.comments, (std::array<std::string, 4>{"Bridge", "west wing", "", ""}));
            ASSERT_EQ(back.span_count(), 2) << name;
            for (std::size_t m = 0; m < 2; ++m) {
                const Span& span = beam.spans[m];
                const Span& got = back.spans[m];
                EXPECT_EQ(got.length.value, span.length.value) << name;
                EXPECT_DOUBLE_EQ(got.inertia, span.inertia) << name;
                EXPECT_DOUBLE_EQ(got.modulus.value, span.modulus.value) << name;
                if (!inertia_entered) {
                    EXPECT_EQ(got.width, 10);
                    EXPECT_EQ(got.depth, 20.5);
                }
                EXPECT_EQ(got.release, span.release) << name;
                EXPECT_EQ(got.uniforms, span.uniforms) << name;
                ASSERT_EQ(got.points.size(), 2u);
                EXPECT_EQ(got.points[0].load.value, -7.5);
                EXPECT_EQ(got.points[1].load.value, 1e-5);
                EXPECT_EQ(got.moments, span.moments) << name;
            }
            EXPECT_EQ(back.joints, beam.joints) << name;
            EXPECT_EQ(format_beam_file(back), file) << name;
        }
    }
}

}  // namespace
}  // namespace spanlyx
