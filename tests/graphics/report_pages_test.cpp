// The calculation report on pages: the header and "Page i of n" on every page, tables continued
// with their headings, texts within the margins, and the diagrams on a page of their own.

#include "graphics/report_pages.h"

#include <gtest/gtest.h>

#include <memory>

#include "diagram_fixtures.h"
#include "graphics/sample_source.h"

namespace spanlyx {
namespace {

using test::beam_of;
using test::response_of;
using test::sampled;

// One recording canvas per page, as large in pixels as the sheet is in points, so that its
// character cells are 0.6 x the font size points wide.
class RecordedPages final : public ReportPageTarget {
  public:
    explicit RecordedPages(PaperSize sheet) : sheet_(sheet) {}
    Canvas& page(int index) override {
        EXPECT_EQ(index, static_cast<int>(pages.size())) << "pages are asked for in order";
        pages.push_back(std::make_unique<RecordingCanvas>(sheet_.width, sheet_.height));
        return *pages.back();
    }
    std::vector<std::unique_ptr<RecordingCanvas>> pages;

  private:
    PaperSize sheet_;
};

struct Fixture {
    Beam beam = beam_of({10, 10});
    AnalysisResults results;
    ResponseOutcome response;
    Settings settings;
    MemorySampleSource samples{{}};

    Fixture() {
        beam.joints = {Joint{1, 0}, Joint{1, 0}, Joint{1, 0}};
        beam.spans[0].uniforms.push_back({0, 100, 10, 100});
        results.stable = true;
        results.reaction_shear = {375, 1250, 375};
        results.reaction_moment = {0, 0, 0};
        const std::vector<double> lengths = {10, 10};
        SpanExtremes row;
        row.moment_max = {703, 3.75};
        row.moment_min = {-1250, 10};
        response = response_of({row, row}, lengths);
        samples = MemorySampleSource(sampled(lengths, [](int, double x) {
            return test::Values{375 - 100 * x, 375 * x - 50 * x * x, -0.01 * x};
        }));
    }
    ReportDrawingInput input() const { return {beam, results, response, settings}; }
};

CalculationReport long_report(int rows) {
    CalculationReport report;
    report.header = {"Spanlyx (8.8) - Calculation Report", "File: /b/x.cb", "User: ann"};
    ReportBlock heading;
    heading.kind = ReportBlock::Kind::Heading;
    heading.text = "Loads";
    report.blocks.push_back(heading);
    ReportBlock table;
    table.kind = ReportBlock::Kind::Table;
    table.table.columns = {"Span", "Value"};
    table.table.numeric = {true, true};
    for (int i = 1; i <= rows; ++i)
        table.table.rows.push_back({std::to_string(i), std::to_string(i * 100) + ".0"});
    report.blocks.push_back(table);
    ReportBlock paragraph;
    paragraph.kind = ReportBlock::Kind::Paragraph;
    paragraph.text = std::string(60, 'w') + " " + std::string(60, 'v') + " end";
    report.blocks.push_back(paragraph);
    return report;
}

std::vector<std::string> texts_of(const RecordingCanvas& page) {
    std::vector<std::string> out;
    for (const TextCall& t : page.texts())
        out.push_back(t.text);
    return out;
}

bool has_text(const RecordingCanvas& page, std::string_view text) {
    return !page.texts_equal(text).empty();
}

TEST(ReportPages, PaperSizesInPoints) {
    EXPECT_NEAR(paper_size(Paper::A4).width, 595.28, 0.01);
    EXPECT_NEAR(paper_size(Paper::A4).height, 841.89, 0.01);
    EXPECT_DOUBLE_EQ(paper_size(Paper::Letter).width, 612);
    EXPECT_DOUBLE_EQ(paper_size(Paper::Letter).height, 792);
    EXPECT_EQ(page_number_text(2, 5), "Page 2 of 5");
}

TEST(ReportPages, LongTableRunsOnWithItsHeadingsAndEveryPageIsNumbered) {
    Fixture f;
    const PaperSize sheet = paper_size(Paper::A4);
    RecordedPages target(sheet);
    const int pages =
        draw_calculation_report(target, Paper::A4, long_report(200), f.input(), f.samples);
    // 200 rows of 8.5 pt at 1.35 line spacing: about 65 to a page of A4 below the header.
    ASSERT_EQ(pages, static_cast<int>(target.pages.size()));
    EXPECT_GE(pages, 3);
    EXPECT_LE(pages, 5);
    int rows_seen = 0;
    for (int i = 0; i < pages; ++i) {
        const RecordingCanvas& page = *target.pages[static_cast<std::size_t>(i)];
        SCOPED_TRACE("page " + std::to_string(i + 1));
        EXPECT_TRUE(has_text(page, page_number_text(i + 1, pages)));
        EXPECT_TRUE(has_text(page, "Spanlyx (8.8) - Calculation Report"));
        EXPECT_TRUE(has_text(page, "File: /b/x.cb"));
        // Each page of the table repeats its column headings.
        EXPECT_TRUE(has_text(page, "Value"));
        for (const TextCall& t : page.texts()) {
            const double width = 0.6 * t.font_size * static_cast<double>(t.text.size());
            EXPECT_GE(t.x, kReportMargin - 1e-9) << t.text;
            EXPECT_LE(t.x + width, sheet.width - kReportMargin + 1e-6) << t.text;
            EXPECT_GE(t.y, kReportMargin - 1e-9) << t.text;
            EXPECT_LE(t.y + 1.35 * t.font_size, sheet.height - kReportMargin + 1e-6) << t.text;
            if (t.text.size() > 2 && t.text.substr(t.text.size() - 2) == ".0")
                ++rows_seen;
        }
    }
    EXPECT_EQ(rows_seen, 200);
    // The paragraph's long words are wrapped onto lines of their own, never cut.
    const RecordingCanvas& last = *target.pages.back();
    EXPECT_TRUE(has_text(last, std::string(60, 'w')));
    EXPECT_TRUE(has_text(last, std::string(60, 'v') + " end"));
}

TEST(ReportPages, TooWideTableIsWrittenSmaller) {
    Fixture f;
    CalculationReport report;
    ReportBlock table;
    table.kind = ReportBlock::Kind::Table;
    for (int c = 0; c < 12; ++c)
        table.table.columns.push_back("Column heading " + std::to_string(c));
    table.table.numeric.assign(12, false);
    report.blocks.push_back(table);
    const PaperSize sheet = paper_size(Paper::Letter);
    RecordedPages target(sheet);
    ASSERT_EQ(draw_calculation_report(target, Paper::Letter, report, f.input(), f.samples), 1);
    const TextCall last = test::only_text(*target.pages[0], "Column heading 11");
    EXPECT_LT(last.font_size, 8.5);
    EXPECT_LE(last.x + 0.6 * last.font_size * 17, sheet.width - kReportMargin + 1e-6);
}

TEST(ReportPages, DiagramsTakeAPageOfTheirOwnBetweenTheTables) {
    Fixture f;
    CalculationReport report = long_report(3);
    ReportBlock sketch;
    sketch.kind = ReportBlock::Kind::Figure;
    sketch.figure = ReportFigure::BeamSketch;
    sketch.text = "Beam, supports and loads";
    report.blocks.push_back(sketch);
    ReportBlock diagrams = sketch;
    diagrams.figure = ReportFigure::ResponseDiagrams;
    diagrams.text = "Diagrams";
    report.blocks.push_back(diagrams);
    ReportBlock after;
    after.kind = ReportBlock::Kind::Heading;
    after.text = "Support reactions";
    report.blocks.push_back(after);

    RecordedPages target(paper_size(Paper::Letter));
    ASSERT_EQ(draw_calculation_report(target, Paper::Letter, report, f.input(), f.samples), 3);
    const RecordingCanvas& first = *target.pages[0];
    const RecordingCanvas& second = *target.pages[1];
    const RecordingCanvas& third = *target.pages[2];
    // The sketch follows the table on page 1: its span lengths are drawn there.
    EXPECT_TRUE(has_text(first, "Beam, supports and loads"));
    EXPECT_EQ(first.texts_equal("10.00").size(), 2u);
    // Page 2: the caption, the axis letters with their units and the reactions of the loading
    // diagram; nothing of the report's text.
    EXPECT_TRUE(has_text(second, "Diagrams"));
    for (const char* axis : {"V", "M", "D", "(#)", "(ft-#)", "(in)"})
        EXPECT_TRUE(has_text(second, axis)) << axis;
    EXPECT_FALSE(has_text(second, "Support reactions"));
    EXPECT_TRUE(has_text(third, "Support reactions"));
    const std::vector<std::string> texts = texts_of(second);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Page 2 of 3"), texts.end());
}

}  // namespace
}  // namespace spanlyx
