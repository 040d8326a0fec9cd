// spanlyx-report --report: the calculation report of the two-span example read back from the
// PDF with poppler's tools (pdftotext, pdffonts, pdfinfo), checked against beam theory and
// against the results file the same run writes.

#include <regex>

#include "batch_run_support.h"

namespace spanlyx::testing {
namespace {

#if SPANLYX_REPORT_DRAWS

const std::string kExample = "'" SPANLYX_SOURCE_DIR "/examples/two-span-uniform.cb'";

bool have_tool(const char* name) {
    return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

std::string command_output(const std::string& command) {
    std::string out;
    read_command(command, out);
    return out;
}

// Blanks, line ends and form feeds collapsed to single blanks, so that a value is found
// however the columns and wrapped lines were laid out.
std::string squeezed(const std::string& text) {
    std::string out;
    for (char c : text) {
        const bool blank = c == ' ' || c == '\n' || c == '\f' || c == '\r' || c == '\t';
        if (blank) {
            if (!out.empty() && out.back() != ' ')
                out += ' ';
        } else {
            out += c;
        }
    }
    return out;
}

// The value after "label ... = " on the first results-file line that matches.
std::string results_value(const std::string& results, const std::string& pattern) {
    std::smatch m;
    const std::regex re(pattern + R"(\s*=\s*(-?[0-9.]+))");
    return std::regex_search(results, m, re) ? m[1].str() : std::string("(missing)");
}

class ReportPdf : public BatchRun {
  protected:
    void SetUp() override {
        BatchRun::SetUp();
        if (!have_tool("pdftotext") || !have_tool("pdffonts") || !have_tool("pdfinfo"))
            GTEST_SKIP() << "poppler-utils (pdftotext, pdffonts, pdfinfo) is not installed";
    }
    std::string pdf_path(const std::string& name) const { return (dir_ / name).string(); }
};

TEST_F(ReportPdf, TwoSpanExampleReportHoldsEverySectionAndTheResults) {
    const std::string pdf = pdf_path("two-span.pdf");
    const std::string results = pdf_path("results.txt");
    // 2025-12-06 23:00:00 UTC.
    const Outcome run = this->run("--report '" + pdf + "' -o '" + results + "' " + kExample,
                                  "SOURCE_DATE_EPOCH=1765062000");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string raw = command_output("pdftotext -layout '" + pdf + "' -");
    const std::string text = squeezed(raw);

    for (const char* section :
         {"Calculation Report", "Spans", "Supports", "Loads", "Beam, supports and loads",
          "Loading diagram with the reactions", "Joint displacements and rotations",
          "Support reactions", "Member end forces", "Extremes of every span",
          "Method and sign conventions", "Direct Stiffness",
          "The engineer using Spanlyx remains responsible for checking every input and every "
          "result."})
        EXPECT_NE(text.find(section), std::string::npos) << section;
    // The comments are the title lines; the unit system is named.
    EXPECT_NE(text.find("Two equal spans of 20 ft under 1000 lb/ft"), std::string::npos);
    EXPECT_NE(text.find("Unit system: E, Imperial (ft)"), std::string::npos);
    EXPECT_NE(text.find("1 20.00 500 29000000 No Hinge"), std::string::npos);
    // The defaults of a new settings file: two decimals for loads.
    EXPECT_NE(text.find("1 Uniform Dead 0.00 20.00 1000.00 1000.00 #/lf"), std::string::npos);
    // Text extraction gives plain letters, no ligature glyphs.
    EXPECT_NE(text.find("deflections in in."), std::string::npos);

    // Every page: the header and "Page i of n"; pdftotext ends each page with a form feed.
    const auto pages = static_cast<int>(std::count(raw.begin(), raw.end(), '\f'));
    ASSERT_GE(pages, 3);
    std::size_t from = 0;
    for (int i = 1; i <= pages; ++i) {
        const std::size_t end = raw.find('\f', from);
        const std::string page = squeezed(raw.substr(from, end - from));
        SCOPED_TRACE("page " + std::to_string(i));
        EXPECT_NE(page.find("Page " + std::to_string(i) + " of " + std::to_string(pages)),
                  std::string::npos);
        EXPECT_NE(page.find("Spanlyx (8.8) - Calculation Report"), std::string::npos);
        EXPECT_NE(page.find("two-span-uniform.cb"), std::string::npos);
        EXPECT_NE(page.find("Date: December 6, 2025 11:00:00 PM UTC"), std::string::npos);
        from = end + 1;
    }

    // Reactions 3wL/8, 10wL/8 and 3wL/8 in the results file of the same run, and the report
    // writes the same values.
    const std::string file = slurp(results);
    const std::size_t reactions = text.find("Support reactions");
    ASSERT_NE(reactions, std::string::npos);
    const double closed_form[] = {3 * 1000.0 * 20 / 8, 10 * 1000.0 * 20 / 8, 3 * 1000.0 * 20 / 8};
    for (int joint = 1; joint <= 3; ++joint) {
        const std::string value =
            results_value(file, "Joint # +" + std::to_string(joint) + R"( +Shear +Reaction \(#\))");
        EXPECT_DOUBLE_EQ(std::atof(value.c_str()), closed_form[joint - 1]) << joint;
        const std::string row = std::to_string(joint) + " " + value + " 0.00";
        EXPECT_NE(text.find(row, reactions), std::string::npos) << row;
    }

    // Extremes of span 1 as the results file gives them, value and location.
    const std::string mmax = results_value(file, R"(Maximum '\+' Moment +\(ft-#\))");
    const std::string mmin = results_value(file, R"(Minimum '-' Moment +\(ft-#\))");
    const std::string vmax = results_value(file, R"(Maximum '\+' Shear +\(#\))");
    const std::string vmin = results_value(file, R"(Minimum '-' Shear +\(#\))");
    EXPECT_DOUBLE_EQ(std::atof(mmax.c_str()), 9 * 1000.0 * 400 / 128);  // 9wL^2/128
    EXPECT_DOUBLE_EQ(std::atof(mmin.c_str()), -1000.0 * 400 / 8);       // -wL^2/8
    const std::size_t extremes = text.find("Extremes of every span");
    ASSERT_NE(extremes, std::string::npos);
    EXPECT_NE(text.find("1 Shear (#) " + vmax + " 0.00 " + vmin + " 20.00", extremes),
              std::string::npos);
    EXPECT_NE(text.find("1 Moment (ft-#) " + mmax + " 7.50 " + mmin + " 20.00", extremes),
              std::string::npos);
    const std::string dmin = results_value(file, R"(Maximum '-' Deflection +\(in\))");
    EXPECT_NE(text.find("1 Deflection (in) na na " + dmin + " 8.43", extremes), std::string::npos)
        << dmin;

    // Every font is embedded: "yes" under the "emb" heading of every row below the rule.
    std::istringstream fonts(command_output("pdffonts '" + pdf + "'"));
    std::string header, line;
    std::getline(fonts, header);
    std::getline(fonts, line);
    const std::size_t emb = header.find("emb");
    ASSERT_NE(emb, std::string::npos) << header;
    int rows = 0;
    while (std::getline(fonts, line) && !line.empty()) {
        ++rows;
        EXPECT_EQ(line.substr(emb, 3), "yes") << line;
    }
    EXPECT_GE(rows, 1);

    // Letter by default for imperial units.
    EXPECT_NE(command_output("pdfinfo '" + pdf + "'").find("612 x 792 pts (letter)"),
              std::string::npos);
}

TEST_F(ReportPdf, PaperFollowsTheOptionOrTheUnits) {
    const std::string metric = "'" SPANLYX_SOURCE_DIR "/examples/four-span-metric-trapezoid.cb'";
    const struct {
        std::string before, after, beam, size;
    } cases[] = {
        {"--paper A4 ", "", kExample, "595 x 842 pts (A4)"},
        {"", " --paper letter", kExample, "612 x 792 pts (letter)"},
        {"", "", metric, "595 x 842 pts (A4)"},  // metric units: A4 by default
    };
    for (const auto& c : cases) {
        const std::string pdf = pdf_path("paper.pdf");
        const Outcome run =
            this->run(c.before + "--report '" + pdf + "'" + c.after + " -o /dev/null " + c.beam);
        ASSERT_EQ(run.status, 0) << c.before << c.after << run.err;
        const std::string info = command_output("pdfinfo '" + pdf + "'");
        EXPECT_NE(info.find(c.size), std::string::npos) << c.before << c.after << info;
    }
}

TEST_F(ReportPdf, FailuresHaveTheirExitStatus) {
    // A folder that does not exist: 74, naming the file; nothing is left behind.
    const std::string nowhere = pdf_path("no-such-folder/report.pdf");
    Outcome run = this->run("--report '" + nowhere + "' -o /dev/null " + kExample);
    EXPECT_EQ(run.status, 74);
    EXPECT_NE(run.err.find("report.pdf"), std::string::npos) << run.err;

    // An old report stays as it was when the new one cannot be written over it.
    const std::string kept = pdf_path("locked/report.pdf");
    fs::create_directories(dir_ / "locked");
    std::ofstream(kept) << "old";
    fs::permissions(dir_ / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    run = this->run("--report '" + kept + "' -o /dev/null " + kExample);
    fs::permissions(dir_ / "locked", fs::perms::owner_all);
    if (::geteuid() != 0) {
        EXPECT_EQ(run.status, 74);
        EXPECT_EQ(slurp(kept), "old");
    }

    // A beam without loads: status 1 and one line.
    Beam beam;
    beam.units = UnitSystem::E;
    beam.spans = {span_of(10, 100, 29000000)};
    beam.joints = {Joint{1, 0}, Joint{1, 0}};
    const std::string empty_pdf = pdf_path("empty.pdf");
    run = this->run("--report '" + empty_pdf + "' " + write_beam("empty.cb", beam));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_FALSE(fs::exists(empty_pdf));

    // --paper needs --report and one of its two values.
    EXPECT_EQ(this->run("--paper a4 " + kExample).status, 64);
    EXPECT_EQ(this->run("--report x.pdf --paper legal " + kExample).status, 64);
}

#else

// Without the window program's library there is nothing to draw the report with.
TEST_F(BatchRun, ReportNeedsTheWindowProgramsLibrary) {
    const Outcome run = this->run("--report '" + (dir_ / "r.pdf").string() +
                                  "' '" SPANLYX_SOURCE_DIR "/examples/two-span-uniform.cb'");
    EXPECT_EQ(run.status, 64);
    EXPECT_NE(run.err.find("--report is not available"), std::string::npos) << run.err;
}

#endif

}  // namespace
}  // namespace spanlyx::testing
