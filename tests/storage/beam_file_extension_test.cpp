// The block after the joints that carries live loads and combinations.
#include <gtest/gtest.h>

#include <filesystem>

#include "beam_file_test_support.h"
#include "model/number_text.h"
#include "scratch_folder.h"
#include "storage/beam_file.h"

namespace spanlyx {
namespace {

using test::crlf_lines;
using test::crlf_text;
using Lines = std::vector<std::string>;

// Two spans in system M: span 1 a uniform and two point loads, span 2 one applied moment.
Beam two_span_beam() {
    Beam beam;
    beam.units = UnitSystem::M;
    for (int m = 0; m < 2; ++m) {
        Span& span = beam.spans.emplace_back();
        span.length = HeldNumber::computed(6);
        span.inertia = inertia_to_stored(UnitSystem::M, 45);
        span.modulus = HeldNumber::computed(modulus_to_stored(UnitSystem::M, 200));
    }
    beam.spans[0].uniforms = {{0, 20000, 6, 20000}};
    beam.spans[0].points = {{2.5, HeldNumber::computed(40000)}, {4, HeldNumber::computed(10000)}};
    beam.spans[1].moments = {{4, -8000}};
    beam.joints = {{1, 0}, {1, 0}, {1, 1}};
    return beam;
}

Beam with_cases(Beam beam) {
    beam.spans[0].points[1].load_case = LoadCase::Live;
    beam.spans[1].moments[0].load_case = LoadCase::Live;
    beam.combinations = {{"1.2D + 1.6L", 1.2, 1.6}, {"D + L", 1, 1}};
    return beam;
}

// The block as the README documents it, for the beam of with_cases.
const Lines kBlock = {"START EXTENSIONS",
                      "LIVE LOADS",
                      "Number of live loads",
                      " 2 ",
                      "live load span",
                      " 1 ",
                      "live load kind (1 uniform, 2 point, 3 moment)",
                      " 2 ",
                      "live load number",
                      " 2 ",
                      "live load span",
                      " 2 ",
                      "live load kind (1 uniform, 2 point, 3 moment)",
                      " 3 ",
                      "live load number",
                      " 1 ",
                      "COMBINATIONS",
                      "Number of combinations",
                      " 2 ",
                      "combination name",
                      "1.2D + 1.6L",
                      "dead load factor",
                      " 1.2 ",
                      "live load factor",
                      " 1.6 ",
                      "combination name",
                      "D + L",
                      "dead load factor",
                      " 1 ",
                      "live load factor",
                      " 1 ",
                      "END EXTENSIONS"};

TEST(BeamFileExtensions, FilesWithoutCasesKeepTheOriginalLayout) {
    // The examples were written before the block existed: a beam read from one writes the same
    // lines back, with nothing after the joints.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(SPANLYX_SOURCE_DIR "/examples")) {
        if (entry.path().extension() != ".cb")
            continue;
        ++files;
        const std::string bytes = test::contents(entry.path());
        const BeamReadResult read = parse_beam_file(bytes);
        ASSERT_TRUE(read.beam) << entry.path() << ": " << read.message;
        EXPECT_TRUE(read.beam->combinations.empty());
        EXPECT_FALSE(read.beam->has_live_loads());
        // Every line comes back but the total length, which reading formats as "0.00".
        Lines expected = crlf_lines(bytes);
        ASSERT_GT(expected.size(), 12u);
        expected[11] = format_fixed(read.beam->total_length(), 2);
        EXPECT_EQ(crlf_lines(format_beam_file(*read.beam)), expected) << entry.path();
    }
    EXPECT_GE(files, 4);

    // The last line of a beam without cases is the last joint's rotational restraint.
    const Lines plain = crlf_lines(format_beam_file(two_span_beam()));
    EXPECT_EQ(plain[plain.size() - 2], "Joint Restraint  Z");
    EXPECT_EQ(plain.back(), " 1 ");
}

TEST(BeamFileExtensions, WritesTheBlockAfterTheJointsAndReadsItBack) {
    const Beam beam = with_cases(two_span_beam());
    const Lines plain = crlf_lines(format_beam_file(two_span_beam()));
    const Lines lines = crlf_lines(format_beam_file(beam));
    ASSERT_EQ(lines.size(), plain.size() + kBlock.size());
    EXPECT_TRUE(std::equal(plain.begin(), plain.end(), lines.begin()));
    EXPECT_EQ(Lines(lines.begin() + static_cast<long>(plain.size()), lines.end()), kBlock);

    const BeamReadResult read = parse_beam_file(format_beam_file(beam));
    ASSERT_TRUE(read.beam) << read.message;
    EXPECT_EQ(read.beam->combinations, beam.combinations);
    EXPECT_EQ(read.beam->spans[0].uniforms[0].load_case, LoadCase::Dead);
    EXPECT_EQ(read.beam->spans[0].points[0].load_case, LoadCase::Dead);
    EXPECT_EQ(read.beam->spans[0].points[1].load_case, LoadCase::Live);
    EXPECT_EQ(read.beam->spans[1].moments[0].load_case, LoadCase::Live);

    // Either sub-section alone; the snapshot keeps the original layout.
    Beam live_only = beam;
    live_only.combinations.clear();
    const Lines live_lines = crlf_lines(format_beam_file(live_only));
    EXPECT_EQ(live_lines[plain.size() + 1], "LIVE LOADS");
    EXPECT_EQ(live_lines.back(), "END EXTENSIONS");
    EXPECT_EQ(live_lines.size(), plain.size() + 17);
    Beam combinations_only = two_span_beam();
    combinations_only.combinations = beam.combinations;
    const Lines combination_lines = crlf_lines(format_beam_file(combinations_only));
    EXPECT_EQ(combination_lines[plain.size() + 1], "COMBINATIONS");
    EXPECT_EQ(combination_lines.size(), plain.size() + 17);
    const BeamReadResult combinations_read = parse_beam_file(format_beam_file(combinations_only));
    ASSERT_TRUE(combinations_read.beam) << combinations_read.message;
    EXPECT_EQ(combinations_read.beam->combinations, beam.combinations);
    EXPECT_FALSE(combinations_read.beam->has_live_loads());
    EXPECT_EQ(format_beam_snapshot(beam), format_beam_snapshot(two_span_beam()));
}

TEST(BeamFileExtensions, SubSectionsMayComeInAnyOrder) {
    Lines lines = crlf_lines(format_beam_file(two_span_beam()));
    Lines block = {"START EXTENSIONS"};
    block.insert(block.end(), kBlock.begin() + 16, kBlock.end() - 1);    // combinations
    block.insert(block.end(), kBlock.begin() + 1, kBlock.begin() + 16);  // live loads
    block.push_back("END EXTENSIONS");
    lines.insert(lines.end(), block.begin(), block.end());
    const BeamReadResult read = parse_beam_file(crlf_text(lines));
    ASSERT_TRUE(read.beam) << read.message;
    EXPECT_EQ(read.beam, parse_beam_file(format_beam_file(with_cases(two_span_beam()))).beam);
}

TEST(BeamFileExtensions, LinesAfterTheJointsThatOpenNoBlockAreIgnoredAsBefore) {
    Lines lines = crlf_lines(format_beam_file(two_span_beam()));
    lines.insert(lines.end(), {"", "notes kept by hand", "START EXTENSIONS"});
    const BeamReadResult read = parse_beam_file(crlf_text(lines));
    ASSERT_TRUE(read.beam) << read.message;
    EXPECT_FALSE(read.beam->has_live_loads());
}

TEST(BeamFileExtensions, RefusesAMalformedBlockNamingTheLine) {
    const Lines plain = crlf_lines(format_beam_file(two_span_beam()));
    const int first = static_cast<int>(plain.size()) + 1;  // the block's first line
    const std::string sections =
        R"(expected the label "LIVE LOADS", "COMBINATIONS", "SPRINGS AND SETTLEMENTS" or )"
        R"("END EXTENSIONS", found )";
    const struct {
        int offset;  // 0-based line within kBlock
        std::string text, message;
    } cases[] = {
        {1, "LIVE LOAD", sections + "\"LIVE LOAD\""},
        {3, " 9 ", "expected the number of live loads (0 to 4), found \"9\""},
        {5, " 3 ", "expected the span of live load 1 (1 to 2), found \"3\""},
        {7, " 4 ", "expected the kind of live load 1 (1 uniform, 2 point, 3 moment), found \"4\""},
        {9, " 3 ",
         "expected the number of live load 1 among the point loads on span 1 (1 to 2), found "
         "\"3\""},
        {18, " 91 ", "expected the number of combinations (0 to 90), found \"91\""},
        {22, "1.2x", "expected the dead load factor of combination 1 (a number), found \"1.2x\""},
        {30, "1E+31",
         "expected the live load factor of combination 2 (a number), found \"1E+31\" (too "
         "large)"},
        {31, "END",
         R"(expected the label "SPRINGS AND SETTLEMENTS" or "END EXTENSIONS", found "END")"},
    };
    for (const auto& c : cases) {
        Lines lines = plain;
        Lines block = kBlock;
        block[static_cast<std::size_t>(c.offset)] = c.text;
        lines.insert(lines.end(), block.begin(), block.end());
        const BeamReadResult read = parse_beam_file(crlf_text(lines));
        SCOPED_TRACE(c.message);
        EXPECT_FALSE(read.beam);
        EXPECT_EQ(read.line, first + c.offset);
        EXPECT_EQ(read.message, "Line " + std::to_string(first + c.offset) + ": " + c.message);
    }
}

TEST(BeamFileExtensions, RefusesRepeatsAndABlockThatEndsEarly) {
    const Lines plain = crlf_lines(format_beam_file(two_span_beam()));
    const auto line = [&](std::size_t offset) {
        return "Line " + std::to_string(plain.size() + offset + 1) + ": ";
    };

    // A load listed twice.
    Lines twice = plain;
    Lines block = kBlock;
    block[11] = " 1 ";
    block[13] = " 2 ";
    block[15] = " 2 ";
    twice.insert(twice.end(), block.begin(), block.end());
    EXPECT_EQ(parse_beam_file(crlf_text(twice)).message,
              line(15) +
                  "expected the number of live load 2 among the point loads on span 1 (1 to 2), "
                  "a load not listed before, found \"2\"");

    // A kind the span does not carry.
    Lines no_such_load = plain;
    block = kBlock;
    block[13] = " 1 ";
    no_such_load.insert(no_such_load.end(), block.begin(), block.end());
    EXPECT_EQ(parse_beam_file(crlf_text(no_such_load)).message,
              line(15) +
                  "expected the number of live load 2 among the uniform loads on span 2 (1 to 0), "
                  "found \"1\"");

    // A sub-section given twice: only the others and the end are expected.
    Lines repeated = plain;
    repeated.insert(repeated.end(), kBlock.begin(), kBlock.end() - 1);
    repeated.insert(repeated.end(), kBlock.begin() + 16, kBlock.begin() + 19);
    EXPECT_EQ(parse_beam_file(crlf_text(repeated)).message,
              line(31) +
                  R"(expected the label "SPRINGS AND SETTLEMENTS" or "END EXTENSIONS", found )"
                  R"("COMBINATIONS")");

    // Cut anywhere inside, the block is refused at the line after the cut.
    for (std::size_t keep = 1; keep < kBlock.size(); ++keep) {
        Lines cut = plain;
        cut.insert(cut.end(), kBlock.begin(), kBlock.begin() + static_cast<long>(keep));
        const BeamReadResult read = parse_beam_file(crlf_text(cut));
        EXPECT_FALSE(read.beam) << keep;
        EXPECT_EQ(read.line, static_cast<int>(plain.size() + keep + 1)) << keep;
        EXPECT_NE(read.message.find("found the end of the file"), std::string::npos) << keep;
    }
}

}  // namespace
}  // namespace spanlyx
