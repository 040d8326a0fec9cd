// The JSON beam: what it reads, every way it refuses a document, and the round trips through it.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <nlohmann/json.hpp>

#include "beam_file_test_support.h"
#include "model/number_text.h"
#include "scratch_folder.h"
#include "storage/beam_file.h"
#include "storage/beam_json.h"

namespace spanlyx {
namespace {

using nlohmann::json;

// The documented example, in system M: two spans, live loads and two combinations.
const char* const kExample = R"({
  "format": "spanlyx-beam",
  "version": 1,
  "units": "M",
  "comments": ["Level 2 transfer beam"],
  "spans": [
    {"length": 6.0, "I": 45.0, "E": 200, "release": 0,
     "distributed": [{"x1": 0, "w1": 20000, "x2": 6, "w2": 20000, "case": "dead"},
                     {"x1": 0, "w1": 15000, "x2": 6, "w2": 15000, "case": "live"}],
     "point":  [{"x": 2.5, "P": 40000, "case": "live"}],
     "moment": [{"x": 4.0, "M": -8000}]},
    {"length": 8.0, "width": 0.3, "depth": 0.6, "E": 30, "release": 0}
  ],
  "joints": [
    {"y": "fixed", "z": "free"},
    {"y": "fixed", "z": "free"},
    {"y": "fixed", "z": "fixed"}
  ],
  "combinations": [
    {"name": "1.35D + 1.5L", "dead": 1.35, "live": 1.5},
    {"name": "D + L", "dead": 1.0, "live": 1.0}
  ]
})";

TEST(BeamJson, ReadsTheDocumentedExample) {
    ASSERT_TRUE(is_json_beam(kExample));
    const BeamReadResult read = parse_beam_document(kExample);
    ASSERT_TRUE(read.beam) << read.message;
    const Beam& beam = *read.beam;
    EXPECT_EQ(beam.units, UnitSystem::M);
    EXPECT_EQ(beam.comments, (std::array<std::string, 4>{"Level 2 transfer beam", "", "", ""}));
    ASSERT_EQ(beam.span_count(), 2);
    const Span& first = beam.spans[0];
    EXPECT_EQ(first.length.value, 6);
    // System M: I in x10^-5 m^4, E in GN/m^2.
    EXPECT_DOUBLE_EQ(first.inertia, 45 * 0.00001);
    EXPECT_DOUBLE_EQ(first.modulus.value, 200e9);
    EXPECT_EQ(first.release, Release::None);
    EXPECT_EQ(first.uniforms, (std::vector<UniformLoad>{{0, 20000, 6, 20000, LoadCase::Dead},
                                                        {0, 15000, 6, 15000, LoadCase::Live}}));
    ASSERT_EQ(first.points.size(), 1u);
    EXPECT_EQ(first.points[0].x, 2.5);
    EXPECT_EQ(first.points[0].load.value, 40000);
    EXPECT_EQ(first.points[0].load_case, LoadCase::Live);
    EXPECT_EQ(first.moments, (std::vector<MomentLoad>{{4, -8000, LoadCase::Dead}}));
    // Span 2 from its section, b*d^3/12; the last span decides the entry mode, as in a .cb file.
    const Span& second = beam.spans[1];
    EXPECT_FALSE(beam.inertia_entered);
    EXPECT_DOUBLE_EQ(second.inertia, 0.3 * 0.6 * 0.6 * 0.6 / 12);
    EXPECT_DOUBLE_EQ(second.modulus.value, 30e9);
    EXPECT_TRUE(second.uniforms.empty() && second.points.empty() && second.moments.empty());
    EXPECT_EQ(beam.joints, (std::vector<Joint>{{1, 0}, {1, 0}, {1, 1}}));
    EXPECT_EQ(beam.combinations,
              (std::vector<Combination>{{"1.35D + 1.5L", 1.35, 1.5}, {"D + L", 1, 1}}));
    // A JSON number has no typed text: the beam holds computed values.
    EXPECT_TRUE(first.length.text.empty());
    EXPECT_TRUE(first.modulus.text.empty());
    EXPECT_TRUE(first.points[0].load.text.empty());
}

TEST(BeamJson, LeftOutListsReleasesAndCasesTakeTheirDefaults) {
    // An imperial E below 30 is millions of psi, as in the E field; a metric E is GN/m^2.
    for (const auto& [units, modulus] : {std::pair{"E", 29e6}, {"M", 29e9}}) {
        const BeamReadResult read = parse_beam_json(std::string(R"(
            {"format": "spanlyx-beam", "version": 1, "units": ")") +
                                                    units + R"(",
             "spans": [{"length": 10, "I": 100, "E": 29, "point": [{"x": 5, "P": 1000}]}],
             "joints": [{"y": "fixed", "z": "fixed"}, {"y": "free", "z": "free"}]})");
        ASSERT_TRUE(read.beam) << read.message;
        EXPECT_EQ(read.beam->spans[0].modulus.value, modulus) << units;
        EXPECT_EQ(read.beam->comments, (std::array<std::string, 4>{}));
        EXPECT_EQ(read.beam->spans[0].release, Release::None);
        EXPECT_TRUE(read.beam->spans[0].uniforms.empty());
        EXPECT_EQ(read.beam->spans[0].points[0].load_case, LoadCase::Dead);
        EXPECT_TRUE(read.beam->combinations.empty());
        EXPECT_TRUE(read.beam->inertia_entered);
    }
}

// A valid two-span document in system E; each refusal below changes one thing in it.
json valid_document() {
    return json::parse(R"({
      "format": "spanlyx-beam", "version": 1, "units": "E", "comments": ["a", "b"],
      "spans": [
        {"length": 10, "I": 100, "E": 29000000, "distributed": [{"x1": 0, "w1": 50, "x2": 10, "w2": 50}]},
        {"length": 12, "I": 100, "E": 29000000, "release": 1, "point": [{"x": 6, "P": 1000, "case": "live"}]}
      ],
      "joints": [{"y": "fixed", "z": "free"}, {"y": "fixed", "z": "free"}, {"y": "fixed", "z": "free"}],
      "combinations": [{"name": "1.2D + 1.6L", "dead": 1.2, "live": 1.6}]
    })");
}

TEST(BeamJson, RefusesEveryFaultNamingItsPlace) {
    ASSERT_TRUE(parse_beam_json(valid_document().dump()).beam);
    const json point = valid_document()["spans"][1]["point"][0];
    const struct {
        std::function<void(json&)> change;
        std::string message;
    } cases[] = {
        // Unknown keys, at every level.
        {[](json& d) { d["colour"] = "red"; }, "colour: unknown key"},
        {[](json& d) { d["spans"][0]["lenght"] = 10; }, "spans[0].lenght: unknown key"},
        {[](json& d) { d["spans"][1]["point"][0]["y"] = 1; }, "spans[1].point[0].y: unknown key"},
        // Wrong types.
        {[](json& d) { d["spans"][1]["point"][0]["x"] = "6"; },
         R"(spans[1].point[0].x: expected a number, found the text "6")"},
        {[](json& d) { d["spans"][0]["distributed"][0]["w2"] = nullptr; },
         "spans[0].distributed[0].w2: expected a number, found null"},
        {[](json& d) { d["spans"] = json::object(); }, "spans: expected a list, found an object"},
        {[](json& d) { d["spans"][0] = 5; }, "spans[0]: expected an object, found the number 5"},
        {[&point](json& d) { d["spans"][1]["point"] = point; },
         "spans[1].point: expected a list, found an object"},
        {[](json& d) { d["spans"][1]["point"][0]["case"] = true; },
         "spans[1].point[0].case: expected a text, found true"},
        // Missing required values.
        {[](json& d) { d.erase("format"); }, "format: expected a text, found nothing"},
        {[](json& d) { d.erase("joints"); }, "joints: expected a list, found nothing"},
        {[](json& d) { d["spans"][0].erase("E"); }, "spans[0].E: expected a number, found nothing"},
        {[](json& d) { d["combinations"][0].erase("name"); },
         "combinations[0].name: expected a text, found nothing"},
        // The section: I, or width and depth.
        {[](json& d) { d["spans"][1]["width"] = 2; },
         "spans[1]: expected I, or width and depth, not both"},
        {[](json& d) { d["spans"][0].erase("I"); },
         "spans[0]: expected I, or width and depth, found neither"},
        {[](json& d) {
             d["spans"][0].erase("I");
             d["spans"][0]["width"] = 2;
         },
         "spans[0].depth: expected a number, found nothing"},
        // Words.
        {[](json& d) { d["spans"][1]["point"][0]["case"] = "Live"; },
         R"(spans[1].point[0].case: expected "dead" or "live", found "Live")"},
        {[](json& d) { d["joints"][0]["z"] = "pinned"; },
         R"(joints[0].z: expected "fixed", "free" or "spring", found "pinned")"},
        {[](json& d) { d["units"] = "m"; },
         R"(units: expected "E", "E2", "M", "M2", "M3" or "M4", found "m")"},
        {[](json& d) { d["version"] = 2; }, "version: expected 1, found the number 2"},
        {[](json& d) { d["comments"][0] = "two\nlines"; },
         "comments[0]: expected one line of text, found a line end"},
        // A spring needs its stiffness; a settlement belongs to a fixed translation.
        {[](json& d) { d["joints"][0]["y"] = "spring"; },
         "joints[0].ky: expected a number, found nothing"},
        {[](json& d) {
             d["joints"][2]["y"] = "free";
             d["joints"][2]["settlement"] = 0.5;
         },
         R"(joints[2].settlement: expected only with "y": "fixed")"},
        // Counts and values go through the beam file's own rules (their texts are held by the
        // reader's table and RefusesAsTheBeamFileDoes); here only the place put before them.
        {[](json& d) { d["joints"].erase(2); },
         R"(joints: expected the number of joints (3), found "2")"},
        {[&point](json& d) { d["spans"][1]["point"] = json(std::vector<json>(91, point)); },
         R"(spans[1].point: expected the number of point loads on span 2 (0 to 90), found "91")"},
        {[](json& d) { d["spans"][0]["length"] = -10; },
         R"(spans[0].length: expected the length of span 1 (a number), found "-10" (negative))"},
        {[](json& d) { d["combinations"][0]["live"] = 1e31; },
         "combinations[0].live: expected the live load factor of combination 1 (a number), "
         "found \"1E+31\" (too large)"},
    };
    for (const auto& c : cases) {
        json doc = valid_document();
        c.change(doc);
        const BeamReadResult read = parse_beam_document(doc.dump());
        EXPECT_FALSE(read.beam) << c.message;
        EXPECT_EQ(read.message, c.message);
        EXPECT_EQ(read.line, 0);
    }
}

TEST(BeamJson, RefusesTextThatIsNotJson) {
    for (const char* text :
         {"{", "{\"format\": \"spanlyx-beam\",}", "{} trailing", "[1]", "{\"spans\": [1e400]}"}) {
        const BeamReadResult read = parse_beam_json(text);
        EXPECT_FALSE(read.beam) << text;
        EXPECT_FALSE(read.message.empty()) << text;
    }
    const std::string syntax = parse_beam_json("{").message;
    EXPECT_EQ(syntax.rfind("The JSON beam cannot be read: parse error at line 1, column ", 0), 0u)
        << syntax;
    EXPECT_EQ(parse_beam_json("[1]").message, "the beam: expected a JSON object, found a list");
    // Of two equal keys a parser would keep the last without a word.
    std::string twice = valid_document().dump();
    twice.replace(twice.find("\"length\":10"), 11, "\"length\":10,\"length\":20");
    EXPECT_EQ(parse_beam_json(twice).message,
              "The JSON beam cannot be read: the key \"length\" is given twice in one object");
    twice = valid_document().dump();
    twice.replace(0, 1, "{\"a\":{\"b\":1},\"c\":{\"b\":2},");  // equal keys in two objects
    EXPECT_EQ(parse_beam_json(twice).message, "a: unknown key");
    // Chosen by content: a beam file is never taken for JSON, whatever its name.
    EXPECT_TRUE(is_json_beam("\xEF\xBB\xBF \r\n\t{"));
    EXPECT_FALSE(is_json_beam("Spanlyx Program\r\n{"));
    EXPECT_FALSE(is_json_beam("   "));
}

// The refusal of a bad value reads the same after the place, from either input.
TEST(BeamJson, RefusesAsTheBeamFileDoes) {
    const BeamReadResult good = parse_beam_json(valid_document().dump());
    ASSERT_TRUE(good.beam);
    const std::function<void(Beam&)> faults[] = {
        [](Beam& b) { b.spans[1].length = HeldNumber::computed(-12); },
        [](Beam& b) { b.spans[0].modulus = HeldNumber::computed(-5); },
        [](Beam& b) { b.spans[0].inertia = 1e-320; },
        [](Beam& b) { b.spans[1].points[0].x = 1e31; },
        [](Beam& b) { b.combinations[0].live = -2e35; },
    };
    for (const auto& fault : faults) {
        Beam beam = *good.beam;
        fault(beam);
        const std::string from_file = parse_beam_file(format_beam_file(beam)).message;
        const std::string from_json = parse_beam_json(format_beam_json(beam)).message;
        ASSERT_FALSE(from_file.empty());
        ASSERT_FALSE(from_json.empty());
        EXPECT_EQ(from_file.substr(from_file.find(": ")), from_json.substr(from_json.find(": ")))
            << from_file << "\n"
            << from_json;
    }
}

// Every beam file of the repository: .cb -> JSON -> .cb gives the same file, and the JSON of the
// beam read back from JSON is the same JSON.
TEST(BeamJson, BeamFilesRoundTripThroughJson) {
    int files = 0;
    for (const char* folder : {"/examples", "/bench/data", "/fuzz/corpus/fuzz_beam_file"}) {
        for (const auto& entry :
             std::filesystem::directory_iterator(std::string(SPANLYX_SOURCE_DIR) + folder)) {
            SCOPED_TRACE(entry.path().string());
            const BeamReadResult read = parse_beam_document(test::contents(entry.path()));
            ASSERT_TRUE(read.beam) << read.message;
            ++files;
            // An imperial E of a few psi has no JSON form: a value below 30 means millions.
            if (const auto reason = json_cannot_hold(*read.beam)) {
                EXPECT_NE(reason->find("psi cannot be written"), std::string::npos);
                EXPECT_LT(read.beam->spans[0].modulus.value, 30);
                continue;
            }
            const std::string as_json = format_beam_json(*read.beam);
            const BeamReadResult from_json = parse_beam_document(as_json);
            ASSERT_TRUE(from_json.beam) << from_json.message;
            EXPECT_EQ(format_beam_json(*from_json.beam), as_json);
            // The same value on every line; a typed text ("8" for " 8 ") comes back in the
            // general form, since a JSON number has no text.
            const std::string original = format_beam_file(*read.beam);
            const std::string again = format_beam_file(*from_json.beam);
            const auto original_lines = test::crlf_lines(original);
            const auto again_lines = test::crlf_lines(again);
            ASSERT_EQ(original_lines.size(), again_lines.size());
            for (std::size_t k = 0; k < again_lines.size(); ++k)
                EXPECT_EQ(trim(again_lines[k]), trim(original_lines[k])) << "line " << k + 1;
            // The example and benchmark beams were written by the program: the very same bytes.
            if (std::string(folder) != "/fuzz/corpus/fuzz_beam_file") {
                EXPECT_EQ(again, original);
            }
        }
    }
    EXPECT_GE(files, 10);
}

TEST(BeamJson, CasesCombinationsAndTextsRoundTrip) {
    const BeamReadResult read = parse_beam_json(kExample);
    ASSERT_TRUE(read.beam) << read.message;
    Beam beam = *read.beam;
    // Files hold Windows-1252: e acute is 0xE9 there and U+00E9 in the JSON.
    beam.comments = {"", "Tr\xE9mie", "", "\x80 5000"};
    beam.combinations.push_back({"1.2D + 1.6L \xB1", 1.2, 1.6});
    const std::string text = format_beam_json(beam);
    EXPECT_NE(text.find("\"Tr\xC3\xA9mie\""), std::string::npos) << text;
    EXPECT_NE(text.find("\"\xE2\x82\xAC 5000\""), std::string::npos) << text;
    const BeamReadResult back = parse_beam_json(text);
    ASSERT_TRUE(back.beam) << back.message;
    // Comments close up as in a .cb file; the rest comes back as it was.
    EXPECT_EQ(back.beam->comments, (std::array<std::string, 4>{"Tr\xE9mie", "\x80 5000", "", ""}));
    EXPECT_EQ(back.beam->combinations, beam.combinations);
    for (std::size_t m = 0; m < 2; ++m) {
        EXPECT_EQ(back.beam->spans[m].uniforms, beam.spans[m].uniforms);
        EXPECT_EQ(back.beam->spans[m].moments, beam.spans[m].moments);
    }
    // The last span gave b and d, so the beam is in section entry, written as b and d.
    EXPECT_DOUBLE_EQ(back.beam->spans[1].inertia, 0.3 * 0.6 * 0.6 * 0.6 / 12);
    EXPECT_EQ(back.beam->spans[0].points[0].load_case, LoadCase::Live);
    // And through a .cb file the cases and combinations stay too.
    const BeamReadResult via_file = parse_beam_file(format_beam_file(*back.beam));
    ASSERT_TRUE(via_file.beam) << via_file.message;
    EXPECT_EQ(format_beam_json(*via_file.beam), format_beam_json(*back.beam));
}

}  // namespace
}  // namespace spanlyx
