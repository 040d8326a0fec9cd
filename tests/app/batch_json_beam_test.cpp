// spanlyx-report with a JSON beam as its input and --export-json, run as a program.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "batch_run_support.h"
#include "model/beam.h"
#include "storage/beam_file.h"
#include "storage/beam_json.h"

namespace spanlyx {
namespace {

namespace fs = std::filesystem;

using ToolRun = testing::Outcome;

// The batch tool's runs of the shared fixture, with beam files named by their path.
class BatchJsonBeam : public testing::BatchRun {
  protected:
    static std::string quoted(const fs::path& path) { return "'" + path.string() + "'"; }
    fs::path write_file(const std::string& name, const std::string& bytes) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
};

// The results file without its input-file line, the one line that names the file read.
std::string without_input_name(const std::string& results) {
    std::istringstream in(results);
    std::string line;
    std::string kept;
    while (std::getline(in, line)) {
        if (line.find("INPUT FILE NAME") == std::string::npos)
            kept += line + "\n";
    }
    return kept;
}

std::vector<fs::path> example_beams() {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(SPANLYX_SOURCE_DIR "/examples")) {
        if (entry.path().extension() == ".cb")
            files.push_back(entry.path());
    }
    return files;
}

TEST_F(BatchJsonBeam, AJsonBeamGivesTheResultsOfTheBeamFileItCameFrom) {
    const std::vector<fs::path> examples = example_beams();
    ASSERT_GE(examples.size(), 4u);
    for (const fs::path& cb : examples) {
        SCOPED_TRACE(cb.string());
        const fs::path json = dir_ / (cb.stem().string() + ".json");
        const ToolRun exported = run("--export-json " + quoted(json) + " " + quoted(cb));
        ASSERT_EQ(exported.status, 0) << exported.err;
        EXPECT_EQ(exported.out, "");  // the beam goes to the file, nothing is analysed

        const ToolRun from_cb = run("--detailed " + quoted(cb));
        const ToolRun from_json = run("--detailed " + quoted(json));
        ASSERT_EQ(from_cb.status, 0) << from_cb.err;
        ASSERT_EQ(from_json.status, 0) << from_json.err;
        EXPECT_NE(from_json.out.find("INPUT FILE NAME"), std::string::npos);
        EXPECT_EQ(without_input_name(from_json.out), without_input_name(from_cb.out));
        EXPECT_EQ(run("--json " + quoted(json)).out, run("--json " + quoted(cb)).out);

        // The JSON of the JSON beam is the same JSON, here on standard output.
        const ToolRun again = run("--export-json - " + quoted(json));
        ASSERT_EQ(again.status, 0) << again.err;
        EXPECT_EQ(again.out, slurp(json));
    }
}

TEST_F(BatchJsonBeam, LiveLoadsAndCombinationsTravelThroughJson) {
    BeamReadResult read = read_beam_file(SPANLYX_SOURCE_DIR "/examples/two-span-uniform.cb");
    ASSERT_TRUE(read.beam) << read.message;
    Beam beam = *read.beam;
    beam.spans[1].uniforms[0].load_case = LoadCase::Live;
    beam.combinations = {{"1.2D + 1.6L", 1.2, 1.6}};
    const fs::path cb = write_file("live.cb", format_beam_file(beam));
    const ToolRun exported = run("--export-json - " + quoted(cb));
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_NE(exported.out.find("\"case\": \"live\""), std::string::npos) << exported.out;
    EXPECT_NE(exported.out.find("\"name\": \"1.2D + 1.6L\""), std::string::npos) << exported.out;
    const fs::path json = write_file("live.json", exported.out);

    // Its .cb file is the .cb file it came from: the same beam, so the same analysis (the tool's
    // equal results from either input, and JSON of JSON, are held by the test above).
    const BeamReadResult from_json = read_beam_document(json);
    ASSERT_TRUE(from_json.beam) << from_json.message;
    EXPECT_EQ(format_beam_file(*from_json.beam), slurp(cb));
}

TEST_F(BatchJsonBeam, RefusalsOfAJsonBeamNameThePlaceAndExitWithOne) {
    const fs::path bad = write_file("bad.json", R"(
        {"format": "spanlyx-beam", "version": 1, "units": "E",
         "spans": [{"length": 10, "I": 100, "E": 29, "point": [{"x": "5", "P": 1000}]}],
         "joints": [{"y": "fixed", "z": "fixed"}, {"y": "free", "z": "free"}]})");
    const ToolRun refused = run(quoted(bad));
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, "spans[0].point[0].x: expected a number, found the text \"5\"\n");

    const ToolRun export_refused = run("--export-json - " + quoted(bad));
    EXPECT_EQ(export_refused.status, 1);
    EXPECT_EQ(export_refused.out, "");

    // Other refusals come from the same parser, whose texts the storage tests hold.
    // A beam with nothing to analyse still exports: the export analyses nothing.
    const ToolRun no_loads = run(quoted(write_file("no-loads.json", R"({"format": "spanlyx-beam",
        "version": 1, "units": "M", "spans": [{"length": 6, "I": 45, "E": 200}],
        "joints": [{"y": "fixed", "z": "free"}, {"y": "fixed", "z": "free"}]})")));
    EXPECT_EQ(no_loads.status, 1);
    EXPECT_EQ(run("--export-json - " + quoted(dir_ / "no-loads.json")).status, 0);
}

}  // namespace
}  // namespace spanlyx
