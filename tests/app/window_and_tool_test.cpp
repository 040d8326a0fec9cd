// The README's promise: for the same beam file and settings, spanlyx-report's default output is
// the results file that the window's "Results" joins. The window's side is driven as the window
// drives it: the file read, the fields walked through by Open, Calculate, the sweep of the
// results window, and Results.
#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

#include "batch_run_support.h"
#include "session/analysis_session.h"
#include "storage/settings_file.h"
#include "ui/workflow/entry_workflow.h"

namespace spanlyx {
namespace {

using testing::BatchRun;
namespace fs = std::filesystem;

std::string crlf_lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// Two spans in system E. Span 1's E is written "2.9e+07", as a file from another tool may
// write it; span 2's E " 29000000 " as the program writes a typed value. Span 1 carries a
// uniform load, span 2 a point load; a pin, a roller, and a free far end.
std::string two_span_file() {
    return crlf_lines({"Spanlyx Program",
                       "# OF COMMENT LINES (0-4)",
                       " 1 ",
                       "typed moduli",
                       "END COMMENTS",
                       "Metric E,M,M2,M3 Or M4",
                       "E",
                       "number of spans",
                       "2",
                       "total length ",
                       "26",
                       "START MEMBER INFO",
                       "MEMBER NUMBER",
                       " 1 ",
                       "member length ",
                       " 20 ",
                       "member I",
                       " 500 ",
                       "member E  ",
                       "2.9e+07",
                       "member release",
                       " 0 ",
                       "******** Number of uniform loads",
                       " 1 ",
                       "dist 1 from the left end of member (ft)",
                       " 0 ",
                       "uniform load #1",
                       " 1000 ",
                       "dist 2 from the left end of member (ft)",
                       " 20 ",
                       "uniform load #2",
                       " 1000 ",
                       "******** Number of point loads",
                       " 0 ",
                       "******** Number of Applied Moments",
                       " 0 ",
                       "MEMBER NUMBER",
                       " 2 ",
                       "member length ",
                       " 6 ",
                       "member I",
                       " 500 ",
                       "member E  ",
                       " 29000000 ",
                       "member release",
                       " 0 ",
                       "******** Number of uniform loads",
                       " 0 ",
                       "******** Number of point loads",
                       " 1 ",
                       "dist from left end of member (ft) ",
                       " 6 ",
                       "Load ",
                       " 500 ",
                       "******** Number of Applied Moments",
                       " 0 ",
                       "Number of Joints",
                       " 3 ",
                       "Joint Number",
                       " 1 ",
                       "Joint Restraint  Y",
                       " 1 ",
                       "Joint Restraint  Z",
                       " 0 ",
                       "Joint Number",
                       " 2 ",
                       "Joint Restraint  Y",
                       " 1 ",
                       "Joint Restraint  Z",
                       " 0 ",
                       "Joint Number",
                       " 3 ",
                       "Joint Restraint  Y",
                       " 0 ",
                       "Joint Restraint  Z",
                       " 0 "});
}

// The window's Open, Calculate, sweep and Results on the file, at the time the tool is given.
std::string window_results(const fs::path& file, const fs::path& folder, bool tab_through_e) {
    BeamReadResult read = read_beam_file(file);
    EXPECT_TRUE(read.beam) << read.message;
    if (!read.beam)
        return {};
    Beam beam = std::move(*read.beam);
    Settings settings = parse_settings(default_settings_text()).settings;
    EntryWorkflow workflow(beam, settings);
    workflow.start_up();
    workflow.show_beam_after_open();
    if (tab_through_e) {
        // The engineer passes through E on both spans without typing.
        for (int span = 0; span < 2; ++span) {
            workflow.field_entered(Control::spanetext);
            workflow.field_left(Control::spanetext);
            workflow.button_clicked(Control::Command7);
        }
    }
    fs::create_directories(folder);
    AnalysisSession session(DataFolder{folder, "user"});
    const std::time_t epoch = 0;
    std::tm when{};
    gmtime_r(&epoch, &when);
    const CalculateRun run = session.calculate(beam, settings, file.string(), when);
    EXPECT_EQ(run.outcome.status, CalculateStatus::Analysed);
    EXPECT_FALSE(run.file_error);
    session.respond(settings);
    const ResultsFileOutcome results = session.assemble();
    EXPECT_FALSE(results.error);
    session.remove_temporary_files();
    return results.text;
}

TEST_F(BatchRun, DefaultOutputIsTheWindowsResultsFileByteForByte) {
    write("moduli.cb", two_span_file());
    const fs::path file = dir_ / "moduli.cb";
    const testing::Outcome tool = run("'" + file.string() + "'");
    ASSERT_EQ(tool.status, 0) << tool.err;
    // The E of an imperial span is echoed as the file holds it, at the print zone of column 43.
    const std::string label = "    Mod of Elasticity (Psi) = ";
    const std::string to_zone(42 - label.size(), ' ');
    EXPECT_NE(tool.out.find(label + to_zone + "2.9e+07\r\n"), std::string::npos);
    EXPECT_NE(tool.out.find(label + to_zone + " 29000000 \r\n"), std::string::npos);

    EXPECT_EQ(window_results(file, dir_ / "window", false), tool.out);
    EXPECT_EQ(window_results(file, dir_ / "window", true), tool.out);
}

}  // namespace
}  // namespace spanlyx
