// Readable labels: the placement rules on texts built by hand, then whole drawings of beams
// analysed and swept for real, whose drawn texts are checked box against box with the recording
// canvas's character cells (0.6 x 1.2 font sizes on 800 x 200 pixels).

#include "graphics/label_layout.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <utility>
#include <vector>

#include "diagram_fixtures.h"
#include "graphics/beam_part.h"
#include "graphics/input_sketch.h"
#include "graphics/loading_diagram.h"
#include "graphics/plot_marks.h"
#include "graphics/printed_page.h"
#include "graphics/report_pages.h"
#include "graphics/response_diagrams.h"
#include "model/number_text.h"
#include "report/calculation_report.h"
#include "response/response_test_support.h"

namespace spanlyx {
namespace {

constexpr AreaScale kArea{-0.5, 5, 11, -10};  // y grows upwards, as in the diagrams

// The pairs of texts whose boxes overlap: "" when none, else their count and the first pair.
// A text's box is its character cells under the scale in force when it was drawn, on a device
// of the given size in pixels.
std::string overlaps(const RecordingCanvas& canvas, double device_width = 800,
                     double device_height = 200) {
    std::vector<std::pair<std::string, LabelBox>> texts;
    ScaleCall scale{0, 0, device_width, device_height};
    double font = 8;
    for (const CanvasCall& call : canvas.calls()) {
        if (const auto* s = std::get_if<ScaleCall>(&call))
            scale = *s;
        if (const auto* f = std::get_if<FontCall>(&call))
            font = f->points;
        if (const auto* t = std::get_if<TextCall>(&call)) {
            const double width = static_cast<double>(t->text.size()) * 0.6 * font *
                                 std::abs(scale.width) / device_width;
            const double height = 1.2 * font * std::abs(scale.height) / device_height;
            const double bottom = scale.height < 0 ? t->y - height : t->y;
            texts.push_back({t->text, {t->x, t->x + width, bottom, bottom + height}});
        }
    }
    std::size_t count = 0;
    std::string first;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            const LabelBox& a = texts[i].second;
            const LabelBox& b = texts[j].second;
            const double eps = 1e-9;
            if (a.left < b.right - eps && b.left < a.right - eps && a.bottom < b.top - eps &&
                b.bottom < a.top - eps && count++ == 0)
                first = texts[i].first + " / " + texts[j].first;
        }
    }
    return count == 0 ? "" : std::to_string(count) + " pairs, first " + first;
}

TEST(LabelLayout, MovesLeavesOutAndWritesOnce) {
    RecordingCanvas canvas;
    canvas.set_scale(kArea.left, kArea.top, kArea.width, kArea.height);
    LabelLayout labels(canvas, kArea);
    labels.set_style(kBlack, 6);
    // Cells of 0.0495 x 0.36 units: "1234" is 0.198 wide.
    const double row = test::text_height(6, 10);
    // A kept value, then a support value at the same place: the support value takes its
    // second place, one row up.
    labels.add({"1234", labels.stacked({0, 1}, "1234", 1, 1), LabelRank::Support, std::nullopt});
    labels.add({"9999", {{0.1, 1}}, LabelRank::Kept, std::nullopt});
    // A detail with one place only, where the kept value stands: left out.
    labels.add({"5555", {{0.05, 1}}, LabelRank::Detail, std::nullopt});
    // A detail whose second place lies above the area's top (5): left out too.
    labels.add({"7777", {{0.15, 1.2}, {0.15, 5.2}}, LabelRank::Detail, std::nullopt});
    // The same text for the same point, twice: written once.
    labels.add({"42", {{5, 0}}, LabelRank::Detail, LabelAnchor{5, -1}});
    labels.add({"42", {{5, 0.5}}, LabelRank::Support, LabelAnchor{5, -1}});
    // The same text for another point is another value.
    labels.add({"42", {{8, 0}}, LabelRank::Detail, LabelAnchor{8, -1}});
    EXPECT_EQ(labels.draw(), 2u);

    EXPECT_EQ(canvas.texts().size(), 4u);
    const TextCall kept = test::only_text(canvas, "9999");
    EXPECT_DOUBLE_EQ(kept.x, 0.1);
    EXPECT_DOUBLE_EQ(kept.y, 1);
    const TextCall moved = test::only_text(canvas, "1234");
    EXPECT_DOUBLE_EQ(moved.x, 0);
    EXPECT_NEAR(moved.y, 1 + row, 1e-12);
    EXPECT_TRUE(canvas.texts_equal("5555").empty());
    EXPECT_TRUE(canvas.texts_equal("7777").empty());
    EXPECT_EQ(canvas.texts_equal("42").size(), 2u);
    EXPECT_DOUBLE_EQ(canvas.texts_equal("42")[0].y, 0);  // the first one written stays
    EXPECT_EQ(overlaps(canvas), "");
}

TEST(LabelLayout, KeptValuesAreDrawnEvenWhereTheyMeet) {
    RecordingCanvas canvas;
    canvas.set_scale(kArea.left, kArea.top, kArea.width, kArea.height);
    LabelLayout labels(canvas, kArea);
    labels.set_style(kRed, 7);
    labels.add({"-100", {{1, 1}}, LabelRank::Kept, std::nullopt});
    labels.add({"200", {{1, 1}}, LabelRank::Kept, std::nullopt});
    EXPECT_EQ(labels.draw(), 0u);
    EXPECT_EQ(test::only_text(canvas, "200").colour, kRed);
    EXPECT_EQ(test::only_text(canvas, "-100").font_size, 7);
}

// A beam analysed and swept, drawn in all four areas, with the plot marks if given; printed
// with the report's marks when asked.
struct Drawing {
    NumberPatterns patterns{"0.0", "0.0", "0.0", "0.000", "0.0"};
    test::Swept swept;
    RecordingCanvas loading, shear, moment, deflection;

    explicit Drawing(const Beam& beam, const PlotMarks* marks = nullptr, bool report = false)
        : swept(test::sweep(beam, {}, patterns)) {
        if (swept.calc.status != CalculateStatus::Analysed)
            return;
        draw_loading_diagram(loading, beam, *swept.calc.results);
        MemorySampleSource source(swept.points);
        const DiagramSetup setup{beam, swept.response, patterns, false, report, report};
        const DiagramTexts texts = draw_diagrams({shear, moment, deflection}, setup, source);
        if (marks != nullptr)
            draw_plot_marks({shear, moment, deflection}, *marks, setup, texts);
    }

    std::vector<const RecordingCanvas*> areas() const {
        return {&loading, &shear, &moment, &deflection};
    }
};

// Equal spans of this length in ft under 1000 lb/ft on three pins.
Beam two_loaded_spans(double length) {
    Beam beam = test::make_beam({length, length}, std::vector<Joint>(3, test::kPinned),
                                UnitSystem::E, 29e6, 100);
    test::add_uniform(beam, 1, 1000);
    test::add_uniform(beam, 2, 1000);
    return beam;
}

// 40 spans of 3, 4 and 5 m in turn on pins, the left end clamped: a uniform load on every span,
// a point load on every other one and a couple on every fifth.
Beam forty_spans() {
    std::vector<double> lengths;
    for (int i = 0; i < 40; ++i)
        lengths.push_back(3 + i % 3);
    std::vector<Joint> joints(41, test::kPinned);
    joints[0] = test::kFixed;
    Beam beam = test::make_beam(lengths, joints);
    for (int span = 1; span <= 40; ++span) {
        test::add_uniform(beam, span, 1000 + 25 * span);
        if (span % 2 == 0)
            test::add_point(beam, span, 5000, lengths[span - 1] / 2);
        if (span % 5 == 0)
            test::add_moment(beam, span, 2000, 1);
    }
    return beam;
}

TEST(ReadableDiagrams, FortySpansDrawNoTwoTextsOverEachOtherAndKeepTheBeamsExtremes) {
    const Drawing d(forty_spans());
    ASSERT_EQ(d.swept.calc.status, CalculateStatus::Analysed);
    const char* names[] = {"loading", "shear", "moment", "deflection"};
    for (std::size_t i = 0; i < d.areas().size(); ++i) {
        EXPECT_GT(d.areas()[i]->texts().size(), 40u) << names[i];
        EXPECT_EQ(overlaps(*d.areas()[i]), "") << names[i];
    }
    // Every load value is still written: 40 uniform loads, 20 point loads, 8 couples.
    std::size_t uniforms = 0, points = 0, couples = 0;
    for (const TextCall& t : d.loading.texts()) {
        uniforms += t.text.ends_with("N/m") ? 1 : 0;
        points += t.text == "5000  N" ? 1 : 0;
        couples += t.text == "2000.00 N-m" ? 1 : 0;
    }
    EXPECT_EQ(uniforms, 40u);
    EXPECT_EQ(points, 20u);
    EXPECT_EQ(couples, 8u);
    // The whole beam's extremes as the diagrams write them: one decimal for shear and moment,
    // the deflection in metres with three.
    const BeamExtremes& e = d.swept.response.beam_extremes;
    const auto present = [](const RecordingCanvas& area, double value, std::string_view pattern) {
        return !area.texts_equal(format_pattern(value, pattern)).empty();
    };
    EXPECT_TRUE(present(d.shear, e.shear_max, "0.0"));
    EXPECT_TRUE(present(d.shear, e.shear_min, "0.0"));
    EXPECT_TRUE(present(d.moment, e.moment_max, "0.0"));
    EXPECT_TRUE(present(d.moment, e.moment_min, "0.0"));
    EXPECT_TRUE(present(d.deflection, e.deflection_max, "0.000"));
    EXPECT_TRUE(present(d.deflection, e.deflection_min, "0.000"));
    // 40 spans leave no room for every span's values: some spans' inner extremes were left out.
    EXPECT_LT(d.shear.texts().size() + d.moment.texts().size() + d.deflection.texts().size(),
              40u * 2 * 3);
}

TEST(ReadableDiagrams, FortySpansPrintWithoutTextsOverEachOther) {
    // The printed page draws the same areas smaller, with the header, title and axis titles
    // around them, on a sheet of 8.5 x 11 inches at 72 pixels per inch.
    const Beam beam = forty_spans();
    const Drawing d(beam);
    ASSERT_EQ(d.swept.calc.status, CalculateStatus::Analysed);
    Settings settings;
    settings.units = UnitSystem::M;
    PlotMarks marks;
    for (bool letterhead : {false, true}) {
        settings.letterhead = letterhead ? 'y' : 'n';
        RecordingCanvas page(612, 792);
        MemorySampleSource source(d.swept.points);
        const PageInput input{beam,  *d.swept.calc.results, d.swept.response, settings,
                              marks, "/beams/forty.cb",     std::tm{}};
        draw_printed_page(page, input, source);
        EXPECT_GT(page.texts().size(), 150u);
        EXPECT_EQ(overlaps(page, 612, 792), "") << "letterhead " << letterhead;
    }
}

TEST(ReadableDiagrams, EqualValuesAtASharedJointAreWrittenOnceAndMarksKeepClear) {
    // Two spans of 10 ft under 1000 lb/ft on three pins: the moment over the middle support
    // (drawn at x 5) is -wL^2/8 = -12500, the smallest moment of both spans, at their shared
    // joint. Marks at the support, where the value is already written, and 0.2 ft to its
    // right, where M = -12500 + 6250 x 0.2 - 1000 x 0.2^2 / 2 = -11270 would stand over it.
    PlotMarks marks;
    for (auto [x, moment] : {std::pair{"10.00", -12500.0}, std::pair{"10.20", -11270.0}}) {
        ReadOut shown;
        shown.real_x = x;
        shown.shear = "0.0";
        shown.moment = format_pattern(moment, "0.0");
        shown.deflection = "0.000";
        shown.moment_value = moment;
        ASSERT_TRUE(marks.plot(shown));
    }
    const Drawing d(two_loaded_spans(10), &marks);
    ASSERT_EQ(d.swept.calc.status, CalculateStatus::Analysed);
    EXPECT_EQ(d.moment.texts_equal("-12500.0").size(), 1u);
    // The sagging moments 9wL^2/128 = 7031.25 of the two spans are two values, at two places.
    EXPECT_EQ(d.moment.texts_equal("7031.3").size(), 2u);
    // The shear steps at the middle support: -5wL/8 and +5wL/8 are both written.
    EXPECT_EQ(d.shear.texts_equal("-6250.0").size(), 1u);
    EXPECT_EQ(d.shear.texts_equal("6250.0").size(), 1u);
    EXPECT_EQ(overlaps(d.moment), "");
    // A mark moves up or down only: it stays centred on its point (x 10.2 drawn at 5.1).
    const TextCall alone = test::only_text(d.moment, "-11270.0");
    EXPECT_NEAR(alone.x, 5.1 - 8 * test::char_width(6) / 2, 1e-9);
    // Its own place, its top a little under the curve, was taken by the support's value.
    const double own_top = -11270 * 3.3 / 12500 - test::text_height(6, 10) / 4.5;
    EXPECT_GT(std::abs(alone.y - own_top), test::text_height(6, 10) / 2);
}

TEST(ReadableDiagrams, ACoupleAndAPointLoadAtOneJointShowBothValues) {
    // Span 1 ends in a point load of 600000 N at the middle joint, span 2 starts with a couple
    // of 600000 N-m there: two texts, each whole.
    Beam beam = test::make_beam({6, 6}, std::vector<Joint>(3, test::kPinned));
    test::add_point(beam, 1, 600000, 6);
    test::add_moment(beam, 2, 600000, 0);
    const Drawing d(beam);
    ASSERT_EQ(d.swept.calc.status, CalculateStatus::Analysed);
    const TextCall point = test::only_text(d.loading, "600000  N");
    const TextCall couple = test::only_text(d.loading, "600000.00 N-m");
    EXPECT_EQ(overlaps(d.loading), "");
    // The point load keeps its place over the joint (x 5 of the drawing), centred by a
    // stand-in "600000  #"; the couple stands one text line higher.
    EXPECT_NEAR(point.x, 5 - 9 * test::char_width(7) / 2, 1e-9);
    EXPECT_NEAR(couple.y - point.y, test::text_height(7, 8), 1e-9);
}

// --- The input sketch and the calculation report of long beams ---

TEST(ReadableSketch, FortySpansSketchWritesNoTwoTextsOverEachOther) {
    const Beam beam = forty_spans();
    RecordingCanvas canvas;
    draw_span(canvas, beam, "0.0");
    EXPECT_EQ(overlaps(canvas), "");
    // 40 span lengths of 3, 4 and 5 m (drawn 0.25 units apart on average, each "3.00" 0.23
    // units wide): neighbours stand on two rows, so all of them are written.
    std::size_t lengths = 0;
    for (const TextCall& t : canvas.texts())
        lengths += t.colour == kBlack ? 1 : 0;
    EXPECT_EQ(lengths, 40u);
    EXPECT_GT(canvas.texts().size(), 40u + 20u);
}

TEST(ReportFigures, SpansAreSplitIntoFewEvenRuns) {
    const auto counts = [](std::size_t spans) {
        std::vector<std::size_t> out;
        std::size_t next = 0;
        for (const SpanGroup& g : span_groups(spans, 10)) {
            EXPECT_EQ(g.first, next);
            next += g.count;
            out.push_back(g.count);
        }
        EXPECT_EQ(next, spans);
        return out;
    };
    EXPECT_EQ(counts(40), (std::vector<std::size_t>{10, 10, 10, 10}));
    EXPECT_EQ(counts(23), (std::vector<std::size_t>{8, 8, 7}));
    EXPECT_EQ(counts(11), (std::vector<std::size_t>{6, 5}));
    EXPECT_EQ(counts(10), (std::vector<std::size_t>{10}));
    EXPECT_EQ(counts(1), (std::vector<std::size_t>{1}));
    EXPECT_TRUE(span_groups(0, 10).empty());
    EXPECT_EQ(group_title({10, 10}), "Spans 11 to 20");
}

// The whole calculation report of an analysed and swept beam, on Letter pages.
struct ReportDrawing {
    test::Swept swept;
    Settings settings;
    test::RecordedPages target{paper_size(Paper::Letter)};
    int page_count = 0;

    explicit ReportDrawing(const Beam& beam) : swept(test::sweep(beam, {}, Settings{}.patterns())) {
        if (swept.calc.status != CalculateStatus::Analysed)
            return;
        const std::vector<CombinationEnvelope> envelopes;
        const ReportSource source{beam,      *swept.calc.model, *swept.calc.results, swept.response,
                                  envelopes, settings,          "/beams/b.cb",       "ann",
                                  {}};
        const CalculationReport report = build_calculation_report(source);
        MemorySampleSource samples(swept.points);
        page_count =
            draw_calculation_report(target, Paper::Letter, report,
                                    {beam, *swept.calc.results, swept.response, settings}, samples);
    }

    std::size_t pages_with(std::string_view text) const {
        std::size_t n = 0;
        for (const auto& page : target.pages)
            n += page->texts_equal(text).empty() ? 0 : 1;
        return n;
    }
};

TEST(ReportFigures, FortySpansComeInRunsOfTenWithNoTwoTextsOverEachOther) {
    const ReportDrawing r(forty_spans());
    ASSERT_EQ(r.swept.calc.status, CalculateStatus::Analysed);
    ASSERT_EQ(static_cast<std::size_t>(r.page_count), r.target.pages.size());
    for (std::size_t i = 0; i < r.target.pages.size(); ++i) {
        EXPECT_EQ(overlaps(*r.target.pages[i], r.target.sheet.width, r.target.sheet.height), "")
            << "page " << i + 1;
    }
    // Four runs: each titled once under the sketch and once on its page of diagrams, and each
    // of those pages carries the three axis titles.
    for (const char* title :
         {"Spans 1 to 10", "Spans 11 to 20", "Spans 21 to 30", "Spans 31 to 40"}) {
        EXPECT_EQ(r.pages_with(title), 2u) << title;
    }
    EXPECT_EQ(r.pages_with("V"), 4u);
    EXPECT_EQ(r.pages_with("M"), 4u);
    // Every span's length is on a sketch: spans of 3, 4 and 5 m, 14, 13 and 13 of them.
    std::size_t threes = 0;
    for (const auto& page : r.target.pages)
        threes += page->texts_equal("3.00").size();
    EXPECT_GE(threes, 14u);
}

TEST(ReportFigures, TwoSpanDiagramsLabelExtremesWithLocationAndZeroShear) {
    // Two equal spans of 20 ft under w = 1000 lb/ft on three pins. Span 1: R = 3wL/8 = 7500,
    // V = 7500 - 1000 x is 0 at x = 3L/8 = 7.5 ft, where M = 9wL^2/128 = 28125; over the middle
    // support M = -wL^2/8 = -50000 and V = -5wL/8 = -12500. Span 2 mirrors it: zero shear and
    // the sagging maximum 7.5 ft from its right end, 12.5 ft from its left.
    const Beam beam = two_loaded_spans(20);
    const ReportDrawing r(beam);
    ASSERT_EQ(r.swept.calc.status, CalculateStatus::Analysed);
    // A short beam is one figure of each kind: no run titles.
    EXPECT_EQ(r.pages_with("Spans 1 to 2"), 0u);
    EXPECT_EQ(r.pages_with("V"), 1u);
    // The diagrams' page: the tables elsewhere write the same values.
    const RecordingCanvas* diagrams = nullptr;
    for (const auto& page : r.target.pages) {
        if (!page->texts_equal("V").empty())
            diagrams = page.get();
    }
    ASSERT_NE(diagrams, nullptr);
    const auto count = [&](std::string_view text) { return diagrams->texts_equal(text).size(); };
    // Settings' default: one decimal for moments and shears.
    EXPECT_EQ(count("28125.0 @ 7.50"), 1u);
    EXPECT_EQ(count("28125.0 @ 12.50"), 1u);
    EXPECT_EQ(count("V=0 @ 7.50"), 1u);
    EXPECT_EQ(count("V=0 @ 12.50"), 1u);
    // Values at the supports are written once, without a location.
    EXPECT_EQ(count("-50000.0"), 1u);
    EXPECT_EQ(count("-12500.0"), 1u);
    EXPECT_EQ(count("12500.0"), 1u);
    for (const auto& page : r.target.pages) {
        for (const TextCall& t : page->texts())
            EXPECT_FALSE(t.text.starts_with("-50000.0 @")) << t.text;
    }
    // The window's diagrams of the same beam carry no locations.
    const Drawing d(beam);
    EXPECT_EQ(d.moment.texts_equal("28125.0").size(), 2u);
    for (const RecordingCanvas* area : d.areas()) {
        for (const TextCall& t : area->texts())
            EXPECT_EQ(t.text.find('@'), std::string::npos) << t.text;
    }
}

TEST(ReportFigures, ZeroShearUnderAPointLoadIsAtTheLoad) {
    // A simple span of 10 m with 1000 N at 4 m: V = +600 left of the load and -400 right of
    // it, so the shear passes zero by a step at 4.00, where M = 600 x 4 = 2400 is greatest.
    Beam beam = test::make_beam({10}, std::vector<Joint>(2, test::kPinned));
    test::add_point(beam, 1, 1000, 4);
    const Drawing d(beam, nullptr, true);
    ASSERT_EQ(d.shear.texts().size(), 3u);  // +600 and -400 at the supports, the zero
    EXPECT_EQ(d.shear.texts_equal("V=0 @ 4.00").size(), 1u);
    EXPECT_EQ(d.moment.texts_equal("2400.0 @ 4.00").size(), 1u);
    // A short tick through the axis under the load, drawn 4 units from the left end.
    EXPECT_TRUE(d.shear.has_line(4, -0.15, 4, 0.15));
}

}  // namespace
}  // namespace spanlyx
