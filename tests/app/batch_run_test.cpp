// spanlyx-report run as a program on beams whose results are known by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>

#include "batch_run_support.h"

namespace spanlyx {
namespace {

using testing::BatchRun;
using testing::Outcome;
using testing::span_of;
namespace fs = std::filesystem;

// Two equal spans of 20 ft under 1000 lb/ft on three pins, EI = 29e6 psi x 500 in^4.
const std::string kTwoSpans = "'" SPANLYX_SOURCE_DIR "/examples/two-span-uniform.cb'";
const double kTwoSpansEI = 29e6 * 500 / 144;  // lb-ft^2

TEST_F(BatchRun, TwoEqualSpansGiveTheTextbookReactions) {
    const Outcome run = this->run("--json " + kTwoSpans);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto doc = nlohmann::json::parse(run.out);
    EXPECT_EQ(doc["status"], "analysed");
    EXPECT_EQ(doc["units"]["system"], "E");
    // w = 1000 lb/ft, L = 20 ft: 3wL/8, 10wL/8, 3wL/8.
    for (int j : {0, 1, 2})
        EXPECT_NEAR(doc["joints"][j]["reaction_shear"].get<double>(), j == 1 ? 25000 : 7500, 1e-6);
    // Rotation at an end: wL^3/48EI.
    EXPECT_NEAR(doc["joints"][0]["rotation"].get<double>(), -1000.0 * 8000 / (48 * kTwoSpansEI),
                1e-9);
    // Member 1 ends over the support with the hogging moment wL^2/8, clockwise on its end.
    EXPECT_NEAR(doc["members"][0]["end"]["moment"].get<double>(), -50000, 1e-6);
}

TEST_F(BatchRun, TextReportsAndTheirTitleBlock) {
    const std::string beam = "'" SPANLYX_SOURCE_DIR "/examples/propped-cantilever-point.cb'";
    const Outcome brief = run(beam);
    ASSERT_EQ(brief.status, 0) << brief.err;
    EXPECT_NE(brief.out.find("    BRIEF MATRIX OUTPUT FOR Spanlyx\r\n"), std::string::npos);
    EXPECT_NE(brief.out.find("January 1, 1970"), std::string::npos);
    EXPECT_NE(brief.out.find("12:00:00 AM"), std::string::npos);
    EXPECT_EQ(brief.out.find("STRUCTURAL PARAMETERS"), std::string::npos);
    const Outcome detailed = run("--detailed " + beam);
    EXPECT_NE(detailed.out.find("    DETAILED MATRIX OUTPUT FOR Spanlyx\r\n"), std::string::npos);
    EXPECT_NE(detailed.out.find("STRUCTURAL PARAMETERS"), std::string::npos);

    const Outcome to_file = run("-o '" + (dir_ / "out.txt").string() + "' " + beam);
    EXPECT_EQ(to_file.status, 0);
    EXPECT_EQ(to_file.out, "");
    EXPECT_EQ(slurp(dir_ / "out.txt"), brief.out);
}

TEST_F(BatchRun, RefusalsGoToStandardErrorWithTheirExitStatus) {
    EXPECT_EQ(run("").status, 64);
    EXPECT_EQ(run("--bogus x.cb").status, 64);
    EXPECT_EQ(run("--version").out, "spanlyx-report (8.8)\n");

    const Outcome missing = run("'" + (dir_ / "none.cb").string() + "'");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("none.cb"), std::string::npos);

    const Outcome tag = run(write("tag.cb",
                                  "Spanlyx Program\r\n# OF COMMENT LINES (0-4)\r\n 0 \r\n"
                                  "END COMMENTS\r\nMetric E,M,M2,M3 Or M4\r\ne\r\n"));
    EXPECT_EQ(tag.status, 1);
    EXPECT_EQ(tag.err, "The Data file Does not Contain a Metric or English Tag Aborting open\n");

    Beam unloaded;
    unloaded.spans.push_back(span_of(10, 100, 29e6));
    unloaded.joints = {Joint{1, 0}, Joint{1, 0}};
    EXPECT_EQ(run(write_beam("unloaded.cb", unloaded)).status, 1);

    Beam zero_modulus = unloaded;
    zero_modulus.spans[0].modulus = HeldNumber::computed(0);
    zero_modulus.spans[0].points.push_back({5, HeldNumber::computed(100)});
    const Outcome section = run(write_beam("zero-e.cb", zero_modulus));
    EXPECT_EQ(section.status, 1);
    EXPECT_EQ(section.err, "There is a Span E = 0. Please Check\n");

    const std::string corrupt = write("sx.ini", "Spanlyx ini file\r\nunits\r\nX\r\n");
    const Outcome settings = run("--settings " + corrupt + " " + kTwoSpans);
    EXPECT_EQ(settings.status, 1);
    EXPECT_EQ(settings.err,
              "The sx.ini File is corrupted , Trying to Read 3rd line for E, M, M2,M3 or M4\n");
}

TEST_F(BatchRun, MechanismsAreReportedUnstable) {
    // A span of 0.37 held only in translation at its left end turns freely about that joint.
    Beam beam;
    beam.spans.push_back(span_of(0.37, 100, 29e6));
    beam.spans[0].points.push_back({0.2, HeldNumber::computed(100)});
    beam.joints = {Joint{1, 0}, Joint{0, 0}};
    const Outcome run = this->run(write_beam("mechanism.cb", beam));
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "Stiffness Matrix not Positive Definite!!.\n");
    EXPECT_EQ(run.out, "");
}

TEST_F(BatchRun, SettingsDecimalsShapeTheReport) {
    const std::string ini = write(
        "three.ini",
        "Spanlyx ini file\r\nunits\r\nE\r\nletterhead\r\nN\r\nspeed\r\nN\r\ndecimals\r\nLoads\r\n"
        "2\r\nShear\r\n3\r\nMoment\r\n1\r\nDeflection\r\n4\r\n");
    const Outcome run = this->run("--settings " + ini + " " + kTwoSpans);
    ASSERT_EQ(run.status, 0) << run.err;
    // Reactions print with the shear pattern of three decimals.
    EXPECT_NE(run.out.find("25000.000"), std::string::npos);
}

TEST_F(BatchRun, ResultsFileCarriesExtremesAndExtraOutput) {
    const Outcome text = run("--interval 5 " + kTwoSpans);
    ASSERT_EQ(text.status, 0) << text.err;
    // Brief report first, then the extremes, then the extra output.
    const auto brief = text.out.find("BRIEF MATRIX OUTPUT");
    const auto extremes = text.out.find("    Maximum '+' Moment     (ft-#)  = ");
    const auto extra = text.out.find("    EXTRA DATA REQUESTED BY USER\r\n    Interval @5.00\r\n");
    EXPECT_TRUE(brief < extremes && extremes < extra && extra != std::string::npos) << text.out;
    // Each span is a propped cantilever: the largest sagging moment is 9wL^2/128 = 28125 at 3L/8
    // from the outer support, and the moment at mid-span 10 ft is wL^2/16 = 25000.
    EXPECT_NE(text.out.find("(ft-#)  = 28125.00\r\n             @  Location   (ft)    = 12.50"),
              std::string::npos);
    EXPECT_NE(text.out.find("span (ft)   = 10.00\r\n    Shear           = -2500.00\r\n"
                            "    Moment          = 25000.00"),
              std::string::npos);

    const Outcome json = run("--json --samples '" + (dir_ / "s.csv").string() + "' " + kTwoSpans);
    ASSERT_EQ(json.status, 0) << json.err;
    const auto doc = nlohmann::json::parse(json.out);
    // Largest deflection of a propped cantilever: wL^4/185EI at 0.4215 L from the pinned end.
    const double expected_in = 1000.0 * 160000 / (185 * kTwoSpansEI) * 12;
    EXPECT_NEAR(doc["beam_extremes"]["deflection_min"].get<double>(), -expected_in, 0.001);
    EXPECT_NEAR(doc["span_extremes"][0]["deflection_min"]["at"].get<double>(), 20 * 0.4215, 0.02);
    EXPECT_NEAR(doc["beam_extremes"]["moment_min"].get<double>(), -50000, 1);
    EXPECT_EQ(doc["units"]["deflection"], "in");

    const std::string csv = slurp(dir_ / "s.csv");
    EXPECT_EQ(csv.substr(0, csv.find('\n')), "beam_x,span,span_x,shear,moment,deflection");
    // 2001 positions per span; the first position of span 2 writes no record, the beam's left
    // end does.
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 2001 + 2000);
    EXPECT_EQ(doc["sample_count"], 4001);
}

// --diagrams: the results window's four diagrams stacked, as the usage text promises: a PNG of
// 1024 x 560 pixels, or a one-page PDF.
TEST_F(BatchRun, DiagramsAreWrittenAsPngOrPdf) {
    const fs::path png = dir_ / "diagrams.png";
    const Outcome drawn = run("-o /dev/null --diagrams '" + png.string() + "' " + kTwoSpans);
#if SPANLYX_REPORT_DRAWS
    ASSERT_EQ(drawn.status, 0) << drawn.err;
    const std::string bytes = slurp(png);
    ASSERT_GE(bytes.size(), 24u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    // The IHDR chunk holds the width and the height, big-endian, from byte 16.
    auto big_endian = [&bytes](std::size_t at) {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i)
            value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
        return value;
    };
    EXPECT_EQ(big_endian(16), 1024u);
    EXPECT_EQ(big_endian(20), 560u);

    const fs::path pdf = dir_ / "diagrams.PDF";
    ASSERT_EQ(run("-o /dev/null --diagrams '" + pdf.string() + "' " + kTwoSpans).status, 0);
    EXPECT_EQ(slurp(pdf).substr(0, 5), "%PDF-");
    // Other extensions: the option parser's refusal (BatchOptions), exit 64 as every usage error.
#else
    EXPECT_EQ(drawn.status, 64);
    EXPECT_NE(drawn.err.find("--diagrams is not available"), std::string::npos) << drawn.err;
    EXPECT_FALSE(fs::exists(png));
#endif
}

// Two equal spans of 20 ft, 1000 lb/ft on span 1 only. Span 2 carries no load: its shear is
// constant, the reaction wL/16 = 1250 at the far end, and its moment runs straight from the
// support moment -wL^2/16 = -25000 to 0, so it has no positive moment and one shear sign only.
TEST_F(BatchRun, JsonExtremesThatASpanDoesNotHaveAreNull) {
    Beam beam;
    beam.spans = {span_of(20, 500, 29e6), span_of(20, 500, 29e6)};
    beam.spans[0].uniforms.push_back({0, 1000, 20, 1000});
    beam.joints = {Joint{1, 0}, Joint{1, 0}, Joint{1, 0}};
    const Outcome run = this->run("--json " + write_beam("one-loaded.cb", beam));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto doc = nlohmann::json::parse(run.out);
    const auto& span2 = doc["span_extremes"][1];
    EXPECT_TRUE(span2["moment_max"].is_null()) << span2.dump();
    EXPECT_NEAR(span2["moment_min"]["value"].get<double>(), -25000, 1e-6);
    EXPECT_NEAR(span2["moment_min"]["at"].get<double>(), 0, 1e-9);
    EXPECT_NE(span2["shear_max"].is_null(), span2["shear_min"].is_null()) << span2.dump();
    const auto& shear = span2["shear_max"].is_null() ? span2["shear_min"] : span2["shear_max"];
    EXPECT_NEAR(std::abs(shear["value"].get<double>()), 1250, 1e-6);
    // Every location that is reported lies on its span.
    for (const auto& span : doc["span_extremes"]) {
        for (const auto& [name, extreme] : span.items()) {
            if (!extreme.is_object())
                continue;
            EXPECT_GE(extreme["at"].get<double>(), 0) << name;
            EXPECT_LE(extreme["at"].get<double>(), 20 + 1e-9) << name;
        }
    }
    // The whole beam has a positive moment (in span 1) and a negative one.
    EXPECT_FALSE(doc["beam_extremes"]["moment_max"].is_null());
    EXPECT_NEAR(doc["beam_extremes"]["moment_min"].get<double>(), -25000, 1e-6);
}

// A cantilever of 10 ft under 100 lb/ft, clamped at joint 1 and free at joint 2: its moment
// runs from -wL^2/2 = -5000 at the clamp to exactly 0 at the tip and is never positive. The
// sweep's integration ends a hair away from 0 at the free end; the window zeroes that residual
// unless told otherwise, and so does the tool by default.
TEST_F(BatchRun, ResidualAtAFreeEndIsZeroedByDefaultAsInTheWindow) {
    Beam beam;
    beam.spans = {span_of(10, 100, 29e6)};
    beam.spans[0].uniforms.push_back({0, 100, 10, 100});
    beam.joints = {Joint{1, 1}, Joint{0, 0}};
    const std::string file = write_beam("cantilever.cb", beam);

    const Outcome by_default = run(file);
    ASSERT_EQ(by_default.status, 0) << by_default.err;
    EXPECT_EQ(run("--zero-residual " + file).out, by_default.out);
    // Span 1 never has a positive moment: the block prints 0 at the span's start.
    EXPECT_NE(by_default.out.find("    Maximum '+' Moment     (ft-#)  = 0.00\r\n"
                                  "             @  Location   (ft)    = 0.00\r\n"),
              std::string::npos);

    const auto zeroed = nlohmann::json::parse(run("--json " + file).out);
    EXPECT_TRUE(zeroed["span_extremes"][0]["moment_max"].is_null());
    EXPECT_NEAR(zeroed["span_extremes"][0]["moment_min"]["value"].get<double>(), -5000, 1e-6);

    // Kept, the residual may show as a positive maximum: then only at the tip and tiny.
    const Outcome kept = run("--keep-residual --json " + file);
    ASSERT_EQ(kept.status, 0) << kept.err;
    const auto kept_json = nlohmann::json::parse(kept.out);
    const auto& max = kept_json["span_extremes"][0]["moment_max"];
    if (!max.is_null()) {
        EXPECT_NEAR(max["at"].get<double>(), 10, 1e-9);
        EXPECT_LT(std::abs(max["value"].get<double>()), 5000 * 1e-9);
    }
    EXPECT_EQ(run("--keep-residual --zero-residual " + file).status, 64);
}

// Values that parse but describe no beam: refused with exit status 1 and the message the window
// shows, before any analysis or sample file.
TEST_F(BatchRun, NonsenseValuesAreRefusedWithStatusOne) {
    Beam beam;
    beam.spans.push_back(span_of(20, 500, 29e6));
    beam.spans[0].points.push_back({10, HeldNumber::computed(1000)});
    beam.joints = {Joint{1, 0}, Joint{1, 0}};

    Beam zero_length = beam;
    zero_length.spans[0].length = HeldNumber::computed(0);
    const Outcome zero = run("--json " + write_beam("zero.cb", zero_length));
    EXPECT_EQ(zero.status, 1);
    EXPECT_EQ(zero.err, "Span 1 Length is not valid as it is not greater than 0. Please Check\n");
    EXPECT_EQ(nlohmann::json::parse(zero.out)["status"], "beam rejected");

    Beam tiny_modulus = beam;
    tiny_modulus.spans[0].modulus = HeldNumber::typed(" 1E-320 ");
    const Outcome tiny = run(write_beam("tiny-e.cb", tiny_modulus));
    EXPECT_EQ(tiny.status, 1);
    EXPECT_EQ(
        tiny.err,
        "Line 19: expected the modulus E of span 1 (a number), found \"1E-320\" (too small)\n");
    EXPECT_EQ(tiny.out, "");

    // 2000 km in feet: 200,000,001 points.
    Beam long_beam = beam;
    long_beam.spans[0].length = HeldNumber::computed(2e6);
    const Outcome too_long = run(write_beam("long.cb", long_beam));
    EXPECT_EQ(too_long.status, 1);
    EXPECT_EQ(too_long.err,
              "This beam would be sampled at 200000001 points, one every 0.01 length unit, more "
              "than the limit of 20000000 points (1.6 GB of sample file). Please shorten the "
              "spans, or enter a long beam in a unit system in metres (M, M2 or M3).\n");
    EXPECT_EQ(too_long.out, "");
}

}  // namespace
}  // namespace spanlyx
