#include "graphics/printed_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "diagram_fixtures.h"
#include "graphics/page_header.h"

namespace spanlyx {
namespace {

// A sheet of 8.5 x 11 inches at 72 pixels per inch: the recording canvas's character cells
// then have their size in points.
constexpr double kSheetWidthPixels = 612;
constexpr double kSheetHeightPixels = 792;

std::tm march_fourth() {
    std::tm when{};
    when.tm_year = 126;
    when.tm_mon = 2;
    when.tm_mday = 4;
    when.tm_hour = 13;
    when.tm_min = 5;
    when.tm_sec = 9;
    return when;
}

const std::array<std::string, 4> kComments{"first", "second", "third", "fourth"};

TEST(PrintedPage, HeaderBlockWithoutLetterhead) {
    const std::vector<std::string> lines =
        page_header_lines("/home/ann/beams/shop.cb", march_fourth(), kComments, false);
    ASSERT_EQ(lines.size(), 7u);
    // Zones start at columns 1, 15, 29, 43, 57: a value goes to the first after its label.
    EXPECT_EQ(lines[0], "Spanlyx -  version" + std::string(10, ' ') + "(8.8)");
    EXPECT_EQ(lines[1],
              "INPUT FILE NAME  ====> " + std::string(5, ' ') + "/home/ann/beams/shop.cb");
    EXPECT_EQ(lines[2], "DATE                      ====> " + std::string(10, ' ') +
                            "March 4, 2026" + " " + "1:05:09 PM");
    EXPECT_EQ(lines[3], "COMMENTS           ====> " + std::string(3, ' ') + "first");
    const std::string more = "                               ====> " + std::string(5, ' ');
    EXPECT_EQ(lines[4], more + "second");
    EXPECT_EQ(lines[5], more + "third");
    EXPECT_EQ(lines[6], more + "fourth");
}

TEST(PrintedPage, HeaderBlockWithLetterhead) {
    const std::vector<std::string> lines =
        page_header_lines("/home/ann/beams/shop.cb", march_fourth(), kComments, true);
    // Comment 4 is not printed on pre-printed paper.
    ASSERT_EQ(lines.size(), 6u);
    // One blank more before "====>" on the date and continuation lines; the values still
    // start at column 43.
    EXPECT_EQ(lines[2], "DATE                       ====> " + std::string(9, ' ') +
                            "March 4, 2026" + " " + "1:05:09 PM");
    EXPECT_EQ(lines[4].find("second"), 42u);
    EXPECT_EQ(lines[4].substr(0, 38), "                                ====> ");
    EXPECT_EQ(lines[5].find("third"), 42u);
}

TEST(PrintedPage, LongPathsAreCutToTheFileName) {
    const std::string folder = "/" + std::string(63, 'd') + "/";  // 65 characters
    const std::string seventy = folder + "a.cbx";                 // 70
    const std::string seventy_one = folder + "ab.cbx";            // 71
    ASSERT_EQ(seventy.size(), 70u);
    EXPECT_EQ(page_header_lines(seventy, march_fourth(), kComments, false)[1].substr(28), seventy);
    EXPECT_EQ(page_header_lines(seventy_one, march_fourth(), kComments, false)[1].substr(28),
              "ab.cbx");
}

// A two-span beam in M3 with a point load, a fixed left end and a pin, and one Plot X mark.
struct PageCase {
    std::vector<double> lengths{4, 6};
    Beam beam = test::beam_of(lengths, UnitSystem::M3);
    AnalysisResults results;
    ResponseOutcome response;
    Settings settings;
    PlotMarks marks;
    std::vector<SamplePoint> points;

    PageCase() {
        beam.joints[0] = {1, 1};
        beam.joints[1] = {1, 0};
        beam.spans[1].points.push_back({3, HeldNumber::computed(5)});
        beam.comments = kComments;
        results.reaction_shear = {3, 2, 0};
        results.reaction_moment = {-4, 0, 0};
        points = test::sampled(lengths, [](int span, double x) {
            return test::Values{span == 1 ? 3.0 : -2.0, x, -0.001 * x};
        });
        SpanExtremes one, two;
        one.shear_max = {3, 0.01};
        one.moment_max = {4, 4};
        two.shear_min = {-2, 4.01};
        two.moment_max = {6, 10};
        two.deflection_min = {-0.006, 10};
        response = test::response_of({one, two}, lengths);
        settings.units = UnitSystem::M3;
        ReadOut shown;
        shown.real_x = "7";
        shown.shear = "-2.00";
        shown.moment = "3.00";
        shown.deflection = "-0.3000";  // cm
        shown.shear_value = -2;
        shown.moment_value = 3;
        shown.deflection_value = -0.003;  // m, as sampled
        marks.plot(shown);
    }

    RecordingCanvas print(bool letterhead) {
        settings.letterhead = letterhead ? 'y' : 'n';
        RecordingCanvas page(kSheetWidthPixels, kSheetHeightPixels);
        MemorySampleSource source(points);
        const PageInput input{beam,  results,        response,      settings,
                              marks, "/tmp/shop.cb", march_fourth()};
        draw_printed_page(page, input, source);
        return page;
    }
};

TEST(PrintedPage, PageSystemsTitleAxisTitlesAndBlackCurves) {
    PageCase c;
    for (bool letterhead : {false, true}) {
        const RecordingCanvas page = c.print(letterhead);
        EXPECT_EQ(test::first_scale(page), letterhead ? (std::array{-2.0, -1.7, 9.5, 13.0})
                                                      : (std::array{-1.0, 0.0, 9.5, 11.0}));
        EXPECT_EQ(page.texts_equal("fourth").size(), 0u);  // comments are zoned into lines
        EXPECT_EQ(
            page.texts_equal(
                    page_header_lines("/tmp/shop.cb", march_fourth(), kComments, letterhead).back())
                .size(),
            1u);
    }

    const RecordingCanvas page = c.print(false);
    // The title is centred as if it ended in three blanks.
    const std::vector<TextCall> title = page.texts_equal("LOADING DIAGRAM");
    ASSERT_EQ(title.size(), 1u);
    const AreaScale loading = page_layout(false).loading;
    const double title_char = 0.6 * kPageTitleFontSize * 9.5 / kSheetWidthPixels;
    EXPECT_NEAR(title[0].x, loading.left + loading.width / 2 - 18 * title_char / 2, 1e-9);

    // Axis titles with the units of M3.
    for (const char* text : {"V", "(kg)", "M", "(kg-m)", "D", "(cm)"})
        EXPECT_EQ(page.texts_equal(text).size(), 1u) << text;
    // Loading diagram, reactions, span extremes and the Plot X mark, all on the one page.
    EXPECT_EQ(page.texts_equal("v= 3.0").size(), 1u);
    EXPECT_EQ(page.texts_equal("m= -4.0").size(), 1u);
    EXPECT_EQ(page.texts_equal("5  kg").size(), 1u);
    EXPECT_EQ(page.texts_equal("6.0").size(), 1u);     // moment maximum of span 2
    EXPECT_EQ(page.texts_equal("-0.600").size(), 1u);  // deflection minimum in cm
    EXPECT_EQ(page.texts_equal("-2.0").size(), 2u);    // span 2's shear minimum and the mark
    EXPECT_EQ(page.texts_equal("-0.300").size(), 1u);  // the mark's deflection in cm
    for (const LineCall& l : page.lines())
        EXPECT_NE(l.colour, kCurveMagenta);
}

// Page units to inches on an 8.5 x 11 inch sheet.
struct Inches {
    double x, y;
};
Inches on_sheet(const ScaleCall& s, double x, double y) {
    return {(x - s.left) / s.width * 8.5, (y - s.top) / s.height * 11};
}

TEST(PrintedPage, PartsDoNotOverlapAndKeepTheLetterheadMargins) {
    PageCase c;
    c.beam.comments[0] = std::string(60, 'c');
    for (bool letterhead : {false, true}) {
        const PageLayout layout = page_layout(letterhead);
        const std::vector<AreaScale> parts{layout.loading, layout.shear, layout.moment,
                                           layout.deflection};
        for (std::size_t i = 0; i + 1 < parts.size(); ++i)
            EXPECT_LT(parts[i].top + parts[i].height, parts[i + 1].top) << i;

        const RecordingCanvas page = c.print(letterhead);
        const ScaleCall s = page.scales()[0];
        // Margins of pre-printed paper: 1.5 in at the top, 0.75 in at the bottom, 1 in at the
        // sides; a plain page is only held to the sheet.
        const double left = letterhead ? 1 : 0, right = letterhead ? 7.5 : 8.5;
        const double top = letterhead ? 1.5 : 0, bottom = letterhead ? 10.25 : 11;
        auto inside = [&](double x, double y) {
            const Inches at = on_sheet(s, x, y);
            return at.x >= left && at.x <= right && at.y >= top && at.y <= bottom;
        };
        for (const LineCall& l : page.lines())
            EXPECT_TRUE(inside(l.x1, l.y1) && inside(l.x2, l.y2)) << letterhead;
        const std::vector<std::string> header =
            page_header_lines("/tmp/shop.cb", march_fourth(), c.beam.comments, letterhead);
        double header_bottom = 0;
        double title_bottom = 0;
        for (const TextCall& t : page.texts()) {
            const double width = static_cast<double>(t.text.size()) * 0.6 * t.font_size * s.width /
                                 kSheetWidthPixels;
            const double height = 1.2 * t.font_size * s.height / kSheetHeightPixels;
            EXPECT_TRUE(inside(t.x, t.y) && inside(t.x + width, t.y + height)) << t.text;
            if (std::find(header.begin(), header.end(), t.text) != header.end())
                header_bottom = std::max(header_bottom, t.y + height);
            if (t.text == "LOADING DIAGRAM")
                title_bottom = t.y + height;
        }
        // The header block ends above the title, the title above the loading diagram.
        EXPECT_GT(header_bottom, 0);
        EXPECT_LE(header_bottom, layout.title_top);
        EXPECT_GT(title_bottom, layout.title_top);
        EXPECT_LE(title_bottom, layout.loading.top);
    }
}

TEST(PrintedPage, TheBeamStandsInTheMiddleOfThePrintableWidth) {
    // The page's 9.5 units span the printable width, here the whole 8.5 inch sheet. The beam
    // line (pen 3) and the three axes are measured from the sheet's edges.
    constexpr double kMillimetre = 1 / 25.4;
    PageCase c;
    for (bool letterhead : {false, true}) {
        const RecordingCanvas page = c.print(letterhead);
        const ScaleCall s = page.scales()[0];
        double left = 8.5, right = 0;
        std::size_t beam_lines = 0;
        for (const LineCall& l : page.lines()) {
            if (l.pen_width != 3)
                continue;
            ++beam_lines;
            left = std::min({left, on_sheet(s, l.x1, 0).x, on_sheet(s, l.x2, 0).x});
            right = std::max({right, on_sheet(s, l.x1, 0).x, on_sheet(s, l.x2, 0).x});
        }
        ASSERT_EQ(beam_lines, 2u);
        EXPECT_NEAR(left, 8.5 - right, kMillimetre) << letterhead;
        // The diagrams' axes run under the beam.
        for (const LineCall& l : page.lines()) {
            if (l.pen_width == kAxisPenWidth && l.y1 == l.y2 && l.colour == kBlack) {
                EXPECT_GE(on_sheet(s, std::min(l.x1, l.x2), 0).x, left - 1e-9);
                EXPECT_LE(on_sheet(s, std::max(l.x1, l.x2), 0).x, right + 1e-9);
            }
        }
        // A plain page gives the beam 6.5 of its 8.5 inches (it had 4.9); pre-printed paper,
        // 1 inch in from each side, about 5.
        EXPECT_GT(right - left, letterhead ? 4.9 : 6.4) << letterhead;
    }
}

}  // namespace
}  // namespace spanlyx
