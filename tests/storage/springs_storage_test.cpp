// Springs and imposed movements in the .cb extension block and the JSON beam.
#include <gtest/gtest.h>

#include <array>
#include <nlohmann/json.hpp>

#include "beam_file_test_support.h"
#include "storage/beam_file.h"
#include "storage/beam_json.h"

namespace spanlyx {
namespace {

using nlohmann::json;
using test::crlf_lines;
using test::crlf_text;
using Lines = std::vector<std::string>;

// Three spans in system E2 with a vertical spring, a rotational spring and two movements.
Beam elastic_beam() {
    Beam beam;
    beam.units = UnitSystem::E2;
    beam.total_length_text = "360.00";  // as the window holds it and a file reads it
    for (int m = 0; m < 3; ++m) {
        Span& span = beam.spans.emplace_back();
        span.length = HeldNumber::computed(120);
        span.inertia = 300;
        span.modulus = HeldNumber::computed(29000000);
        span.uniforms = {{0, 100, 120, 100}};
    }
    beam.joints = {{1, 1}, {0, 0}, {1, 0}, {1, 0}};
    beam.joints[0].imposed_rotation = -0.0025;
    beam.joints[1].spring_y = true;
    beam.joints[1].ky = 1500.5;
    beam.joints[1].spring_z = true;
    beam.joints[1].kz = 2.5e7;
    beam.joints[2].settlement = 0.625;
    return beam;
}

Lines plain_lines() {
    Beam plain = elastic_beam();
    for (Joint& joint : plain.joints)
        joint = Joint{joint.restraint_y, joint.restraint_z};
    plain.joints[1] = Joint{0, 0};
    return crlf_lines(format_beam_file(plain));
}

// One joint's entry of the sub-section as the README documents it: each caption line followed
// by its value (joint number, Y spring code, ky, Z spring code, kz, settlement, rotation).
Lines entry(const std::array<const char*, 7>& values) {
    static const char* const captions[] = {"spring or settlement joint number",
                                           "Y spring (1 spring, 0 none)",
                                           "Y spring stiffness ky",
                                           "Z spring (1 spring, 0 none)",
                                           "Z spring stiffness kz",
                                           "settlement (downward positive)",
                                           "imposed rotation (rad, ccw positive)"};
    Lines lines;
    for (std::size_t i = 0; i < values.size(); ++i)
        lines.insert(lines.end(), {captions[i], values[i]});
    return lines;
}

// The sub-section for elastic_beam.
Lines spring_block() {
    Lines block = {"START EXTENSIONS", "SPRINGS AND SETTLEMENTS",
                   "Number of joints with springs or settlements", " 3 "};
    for (const Lines& joint : {entry({" 1 ", " 0 ", " 0 ", " 0 ", " 0 ", " 0 ", "-.0025 "}),
                               entry({" 2 ", " 1 ", " 1500.5 ", " 1 ", " 25000000 ", " 0 ", " 0 "}),
                               entry({" 3 ", " 0 ", " 0 ", " 0 ", " 0 ", " .625 ", " 0 "})})
        block.insert(block.end(), joint.begin(), joint.end());
    block.push_back("END EXTENSIONS");
    return block;
}
const Lines kSpringBlock = spring_block();

// The plain lines of elastic_beam followed by its sub-section with one line replaced.
std::string with_block_line(std::size_t offset, const std::string& text) {
    Lines lines = plain_lines();
    Lines block = kSpringBlock;
    block.at(offset) = text;
    lines.insert(lines.end(), block.begin(), block.end());
    return crlf_text(lines);
}

TEST(SpringsInFiles, TheBlockFollowsTheJointsAndReadsBackExactly) {
    const Beam beam = elastic_beam();
    const Lines lines = crlf_lines(format_beam_file(beam));
    const Lines plain = plain_lines();
    ASSERT_EQ(lines.size(), plain.size() + kSpringBlock.size());
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + static_cast<long>(plain.size())), plain);
    EXPECT_EQ(Lines(lines.begin() + static_cast<long>(plain.size()), lines.end()), kSpringBlock);

    const BeamReadResult read = parse_beam_file(format_beam_file(beam));
    ASSERT_TRUE(read.beam) << read.message;
    EXPECT_EQ(read.beam->joints, beam.joints);
    EXPECT_EQ(format_beam_file(*read.beam), format_beam_file(beam));

    // With live loads and combinations the sub-section comes after theirs, inside one block.
    Beam cases = beam;
    cases.spans[1].uniforms[0].load_case = LoadCase::Live;
    cases.combinations = {{"D + L", 1, 1}};
    const BeamReadResult both = parse_beam_file(format_beam_file(cases));
    ASSERT_TRUE(both.beam) << both.message;
    EXPECT_EQ(both.beam->joints, beam.joints);
    EXPECT_EQ(format_beam_file(*both.beam), format_beam_file(cases));
}

TEST(SpringsInFiles, RefusesBadValuesAtTheirLine) {
    const int first = static_cast<int>(plain_lines().size()) + 1;
    const struct {
        int offset;  // 0-based line within kSpringBlock
        std::string text, message;
    } cases[] = {
        {3, " 5 ",
         R"(expected the number of joints with springs or settlements (0 to 4), found "5")"},
        {5, " 0 ", "expected the joint number of spring entry 1 (1 to 4), found \"0\""},
        {19, " 1 ", "expected the joint number of spring entry 2 (2 to 4), found \"1\""},
        {7, " 2 ", "expected the Y spring code of joint 1 (0 or 1), found \"2\""},
        {7, " 1 ",
         "expected the Y spring code of joint 1 (0 or 1), found \"1\" (the joint is fixed "
         "in Y)"},
        {11, " 1 ",
         "expected the Z spring code of joint 1 (0 or 1), found \"1\" (the joint is fixed "
         "in Z)"},
        {23, "-1500 ",
         "expected the Y spring stiffness of joint 2 (a number), found \"-1500\" "
         "(negative)"},
        {27, "1E+31 ",
         "expected the Z spring stiffness of joint 2 (a number), found \"1E+31\" (too "
         "large)"},
        {23, "stiff", "expected the Y spring stiffness of joint 2 (a number), found \"stiff\""},
        {29, " .5 ",
         "expected the settlement of joint 2 (a number), found \".5\" (the joint is not "
         "fixed in Y)"},
        {31, " .01 ",
         "expected the imposed rotation of joint 2 (a number), found \".01\" (the joint "
         "is not fixed in rotation)"},
        {45, " .01 ",
         "expected the imposed rotation of joint 3 (a number), found \".01\" (the joint "
         "is not fixed in rotation)"},
    };
    for (const auto& c : cases) {
        const BeamReadResult read =
            parse_beam_file(with_block_line(static_cast<std::size_t>(c.offset), c.text));
        SCOPED_TRACE(c.message);
        EXPECT_FALSE(read.beam);
        EXPECT_EQ(read.line, first + c.offset);
        EXPECT_EQ(read.message, "Line " + std::to_string(first + c.offset) + ": " + c.message);
    }
}

TEST(SpringsInFiles, LeftoversThatNoSupportCarriesAreNotWritten) {
    // A settlement left on a joint made free, a spring on a joint made fixed: Calculate refuses
    // them, and the file and the JSON beam leave them out so that both always open again.
    Beam beam = elastic_beam();
    beam.joints[3].restraint_y = 0;
    beam.joints[3].settlement = 0.5;
    beam.joints[0].spring_y = true;
    beam.joints[0].ky = 10;
    for (const BeamReadResult& read :
         {parse_beam_file(format_beam_file(beam)), parse_beam_json(format_beam_json(beam))}) {
        ASSERT_TRUE(read.beam) << read.message;
        EXPECT_EQ(read.beam->joints[3].settlement, 0);
        EXPECT_FALSE(read.beam->joints[0].spring_y);
        EXPECT_EQ(read.beam->joints[1], beam.joints[1]);
        EXPECT_EQ(read.beam->joints[2], beam.joints[2]);
    }
}

TEST(SpringsInFiles, AZeroStiffnessIsReadForCalculateToRefuse) {
    // An empty stiffness field saves 0.
    const BeamReadResult read = parse_beam_file(with_block_line(23, " 0 "));
    ASSERT_TRUE(read.beam) << read.message;
    EXPECT_TRUE(read.beam->joints[1].spring_y);
    EXPECT_EQ(read.beam->joints[1].ky, 0);
}

TEST(SpringsInJson, ReadsWritesAndRoundTripsTheJointValues) {
    const Beam beam = elastic_beam();
    const std::string text = format_beam_json(beam);
    const json doc = json::parse(text);
    EXPECT_EQ(doc["joints"][0], json::parse(R"({"y": "fixed", "z": "fixed",
                                                 "imposed_rotation": -0.0025})"));
    EXPECT_EQ(doc["joints"][1],
              json::parse(R"({"y": "spring", "z": "spring", "ky": 1500.5, "kz": 25000000.0})"));
    EXPECT_EQ(doc["joints"][2], json::parse(R"({"y": "fixed", "z": "free", "settlement": 0.625})"));
    EXPECT_EQ(doc["joints"][3], json::parse(R"({"y": "fixed", "z": "free"})"));

    const BeamReadResult read = parse_beam_json(text);
    ASSERT_TRUE(read.beam) << read.message;
    EXPECT_EQ(read.beam->joints, beam.joints);
    EXPECT_EQ(format_beam_json(*read.beam), text);
    EXPECT_EQ(format_beam_file(*read.beam), format_beam_file(beam));
}

TEST(SpringsInJson, RefusesSpringsAndMovementsWhereTheyDoNotBelong) {
    const json valid = json::parse(format_beam_json(elastic_beam()));
    const struct {
        const char* patch;  // merged into joints[1]
        std::string message;
    } cases[] = {
        {R"({"ky": null, "y": "spring"})", "joints[1].ky: expected a number, found nothing"},
        {R"({"ky": "stiff"})", R"(joints[1].ky: expected a number, found the text "stiff")"},
        {R"({"y": "fixed"})", R"(joints[1].ky: expected only with "y": "spring")"},
        {R"({"z": "free"})", R"(joints[1].kz: expected only with "z": "spring")"},
        {R"({"settlement": 1})", R"(joints[1].settlement: expected only with "y": "fixed")"},
        {R"({"imposed_rotation": 1})",
         R"(joints[1].imposed_rotation: expected only with "z": "fixed")"},
        {R"({"ky": -5})",
         R"(joints[1].ky: expected the Y spring stiffness of joint 2 (a number), found "-5" (negative))"},
        {R"({"spring": 5})", "joints[1].spring: unknown key"},
    };
    for (const auto& c : cases) {
        json doc = valid;
        doc["joints"][1].merge_patch(json::parse(c.patch));
        const BeamReadResult read = parse_beam_json(doc.dump());
        SCOPED_TRACE(c.message);
        EXPECT_FALSE(read.beam);
        EXPECT_EQ(read.message, c.message);
    }
}

}  // namespace
}  // namespace spanlyx
