// The calculation report on pages: the header and "Page i of n" on every page, tables continued
// with their headings, texts within the margins, and the diagrams on a page of their own.

#include "graphics/report_pages.h"

#include <gtest/gtest.h>

#include "diagram_fixtures.h"
#include "graphics/sample_source.h"
#include "response/response_test_support.h"

namespace spanlyx {
namespace {

using test::RecordedPages;

// Two pinned spans of 10 ft, span 1 under 100 lb/ft, analysed and swept.
struct Fixture {
    Beam beam =
        test::make_beam({10, 10}, std::vector<Joint>(3, test::kPinned), UnitSystem::E, 29e6, 100);
    test::Swept swept;
    Settings settings;
    MemorySampleSource samples{{}};

    Fixture() {
        test::add_uniform(beam, 1, 100);
        swept = test::sweep(beam);
        samples = MemorySampleSource(swept.points);
    }
    ReportDrawingInput input() const {
        return {beam, *swept.calc.results, swept.response, settings};
    }
};

ReportBlock block(ReportBlock::Kind kind, std::string text,
                  ReportFigure figure = ReportFigure::BeamSketch) {
    ReportBlock b;
    b.kind = kind;
    b.text = std::move(text);
    b.figure = figure;
    return b;
}

// A heading, a table of `rows` numbered values and a paragraph of two 60-letter words.
CalculationReport long_report(int rows) {
    CalculationReport report;
    report.header = {"Spanlyx (8.8) - Calculation Report", "File: /b/x.cb", "User: ann"};
    report.blocks.push_back(block(ReportBlock::Kind::Heading, "Loads"));
    ReportBlock table = block(ReportBlock::Kind::Table, "");
    table.table.columns = {"Span", "Value"};
    table.table.numeric = {true, true};
    for (int i = 1; i <= rows; ++i)
        table.table.rows.push_back({std::to_string(i), std::to_string(i * 100) + ".0"});
    report.blocks.push_back(table);
    report.blocks.push_back(block(ReportBlock::Kind::Paragraph,
                                  std::string(60, 'w') + " " + std::string(60, 'v') + " end"));
    return report;
}

bool has_text(const RecordingCanvas& page, std::string_view text) {
    return !page.texts_equal(text).empty();
}

TEST(ReportPages, LongTableRunsOnWithItsHeadingsAndEveryPageIsNumbered) {
    Fixture f;
    const PaperSize sheet = paper_size(Paper::A4);
    EXPECT_NEAR(sheet.width, 595.28, 0.01);
    EXPECT_NEAR(sheet.height, 841.89, 0.01);
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
        EXPECT_TRUE(
            has_text(page, "Page " + std::to_string(i + 1) + " of " + std::to_string(pages)));
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
    ReportBlock table = block(ReportBlock::Kind::Table, "");
    for (int c = 0; c < 12; ++c)
        table.table.columns.push_back("Column heading " + std::to_string(c));
    table.table.numeric.assign(12, false);
    report.blocks.push_back(table);
    const PaperSize sheet = paper_size(Paper::Letter);
    EXPECT_DOUBLE_EQ(sheet.width, 612);
    EXPECT_DOUBLE_EQ(sheet.height, 792);
    RecordedPages target(sheet);
    ASSERT_EQ(draw_calculation_report(target, Paper::Letter, report, f.input(), f.samples), 1);
    const TextCall last = test::only_text(*target.pages[0], "Column heading 11");
    EXPECT_LT(last.font_size, 8.5);
    EXPECT_LE(last.x + 0.6 * last.font_size * 17, sheet.width - kReportMargin + 1e-6);
}

TEST(ReportPages, DiagramsTakeAPageOfTheirOwnBetweenTheTables) {
    Fixture f;
    CalculationReport report = long_report(3);
    using Kind = ReportBlock::Kind;
    report.blocks.push_back(block(Kind::Figure, "Beam, supports and loads"));
    report.blocks.push_back(block(Kind::Figure, "Diagrams", ReportFigure::ResponseDiagrams));
    report.blocks.push_back(block(Kind::Heading, "Support reactions"));

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
    EXPECT_TRUE(has_text(second, "Page 2 of 3"));
}

}  // namespace
}  // namespace spanlyx
