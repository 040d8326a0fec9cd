#include "graphics/response_diagrams.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>
#include <vector>

#include "diagram_fixtures.h"
#include "graphics/results_labels.h"

namespace spanlyx {
namespace {

using test::beam_of;
using test::kPixel;
using test::sampled;
using test::Values;

constexpr double kTol = 1e-9;

struct Drawn {
    RecordingCanvas shear, moment, deflection;
};

struct Case {
    Beam beam;
    std::vector<double> lengths;
    std::vector<SamplePoint> points;
    ResponseOutcome response;
    NumberPatterns patterns{"0.0", "0.00", "0.00", "0.000", "0.0"};
    bool speed_up = false;
    bool printing = false;

    Drawn draw() {
        Drawn drawn;
        MemorySampleSource source(points);
        const DiagramSetup setup{beam, response, patterns, speed_up, printing};
        draw_diagrams({drawn.shear, drawn.moment, drawn.deflection}, setup, source);
        return drawn;
    }
};

Case make_case(const std::vector<double>& lengths, const test::ValueAt& at,
               const std::vector<SpanExtremes>& spans, UnitSystem units = UnitSystem::E) {
    return {beam_of(lengths, units), lengths, sampled(lengths, at),
            test::response_of(spans, lengths)};
}

std::vector<LineCall> curve_lines(const RecordingCanvas& canvas, Rgb colour = kCurveMagenta) {
    std::vector<LineCall> found;
    for (const LineCall& l : canvas.lines())
        if (l.colour == colour && l.pen_width == kCurvePenWidth)
            found.push_back(l);
    return found;
}

// Spans of 8 and 12 (total 20): shear falls from 5 to -5 along the beam, the moment is a sine
// arch of height 12 over the whole beam, the deflection the same arch of depth 0.02.
Case two_span_case() {
    const std::vector<double> lengths{8, 12};
    auto at = [](int span, double span_x) {
        const double bx = (span == 1 ? 0 : 8) + span_x;
        const double arch = std::sin(std::numbers::pi * bx / 20);
        return Values{5 - bx / 2, 12 * arch, -0.02 * arch};
    };
    SpanExtremes first, second;
    first.shear_max = {4.995, 0.01};
    first.shear_min = {1, 8};
    first.moment_max = {12 * std::sin(0.4 * std::numbers::pi), 8};
    first.deflection_min = {-0.02 * std::sin(0.4 * std::numbers::pi), 8};
    second.shear_max = {0.995, 8.01};
    second.shear_min = {-5, 20};
    second.moment_max = {12, 10};
    second.deflection_min = {-0.02, 10};
    return make_case(lengths, at, {first, second});
}

TEST(ResponseDiagrams, AreasAxesAndScales) {
    Case c = two_span_case();
    const Drawn d = c.draw();

    // Each area's own user scale: x -0.5..10.5; shear y 5..-5.5, the others 5..-5.
    EXPECT_EQ(test::first_scale(d.shear), (std::array{-0.5, 5.0, 11.0, -10.5}));
    EXPECT_EQ(test::first_scale(d.moment), (std::array{-0.5, 5.0, 11.0, -10.0}));
    EXPECT_EQ(test::first_scale(d.deflection), (std::array{-0.5, 5.0, 11.0, -10.0}));

    // x scale 10/20: the axis breaks at the joint, 8 x 0.5 = 4, in black in every area.
    // The largest magnitude of each quantity (shear 5, moment 12, deflection 0.02) is drawn
    // 3.3 from the axis, in magenta.
    for (const RecordingCanvas* canvas : {&d.shear, &d.moment, &d.deflection}) {
        EXPECT_EQ(canvas->lines(kBlack, kAxisPenWidth).size(), 2u);
        EXPECT_TRUE(canvas->has_line(0, 0, 4, 0) && canvas->has_line(4, 0, 10, 0));
        EXPECT_NEAR(test::largest_drawn(*canvas, kCurveMagenta), 3.3, kTol);
    }

    // The moment's top, at beam_x 10, lies half-way along the drawn beam.
    bool top_at_middle = false;
    for (const LineCall& l : curve_lines(d.moment)) {
        for (auto [x, y] : {std::pair{l.x1, l.y1}, std::pair{l.x2, l.y2}}) {
            if (std::abs(y - 3.3) < kTol && std::abs(x - 5) <= kPixel)
                top_at_middle = true;
        }
    }
    EXPECT_TRUE(top_at_middle);

    // The shear curve rises from the axis at the left end: 5 x 3.3/5.
    EXPECT_TRUE(d.shear.has_line(0, 0, 0, 3.3));
}

TEST(ResponseDiagrams, ShearBelowOneAndQuantityZeroEverywhere) {
    // Shear from 0.6 down to -0.2: its whole-number part is 0, yet the curve must not lie flat.
    // The moment is 0 everywhere: only its axis, and nothing divided by zero.
    const std::vector<double> lengths{10};
    auto at = [](int, double x) { return Values{0.6 - 0.08 * x, 0, -0.001 * x * (10 - x)}; };
    SpanExtremes span;
    span.shear_max = {0.6, 0};
    span.shear_min = {-0.2, 10};
    span.deflection_min = {-0.025, 5};
    Case c = make_case(lengths, at, {span});
    ASSERT_EQ(c.response.beam_extremes.shear_magnitude, 0);
    const Drawn d = c.draw();

    EXPECT_NEAR(test::largest_drawn(d.shear, kCurveMagenta), 3.3, kTol);
    EXPECT_TRUE(d.shear.has_line(0, 0, 0, 3.3));

    EXPECT_TRUE(curve_lines(d.moment).empty());
    ASSERT_EQ(d.moment.lines().size(), 1u);
    EXPECT_TRUE(d.moment.has_line(0, 0, 10, 0));
    EXPECT_TRUE(d.moment.texts().empty());

    for (const RecordingCanvas* canvas : {&d.shear, &d.moment, &d.deflection})
        EXPECT_TRUE(test::all_finite(*canvas));
}

TEST(ResponseDiagrams, SpanValueMarks) {
    // Two spans of 5 (x scale 1) in M3, where deflections are shown in centimetres.
    const std::vector<double> lengths{5, 5};
    auto at = [](int span, double x) {
        return span == 1 ? Values{5 - x, 0, 0} : Values{-5, 0, -0.0123 * x / 5};
    };
    SpanExtremes first, second;
    first.shear_max = {4.99, 0.01};
    first.shear_min = {-5.01, 5};
    // Span 2: its shear never rises above 0, so the maximum keeps 0 at 0 and gets no mark.
    second.shear_min = {-5, 6};
    second.deflection_min = {-0.0123, 7.5};
    // A deflection extreme over a support is stored as exactly 0 at that support: it is a value.
    first.deflection_max = {0, 5};
    Case c = make_case(lengths, at, {first, second}, UnitSystem::M3);
    const Drawn d = c.draw();

    const double cw = test::char_width(6);
    const double shear_height = test::text_height(6, 10.5);
    const double ys = 3.3 / 5;  // shear magnitude 5.01 cut to 5

    const TextCall max_mark = test::only_text(d.shear, "4.99");
    EXPECT_NEAR(max_mark.x, 0.01 - 4 * cw / 2, kTol);
    EXPECT_NEAR(max_mark.y, 4.99 * ys + shear_height, kTol);
    EXPECT_EQ(max_mark.font_size, 6);
    const TextCall min_mark = test::only_text(d.shear, "-5.01");
    EXPECT_NEAR(min_mark.x, 5 - 5 * cw / 2, kTol);
    EXPECT_NEAR(min_mark.y, -5.01 * ys - shear_height / 4.5, kTol);
    // Three marks in all: the empty maximum of span 2 has none.
    EXPECT_EQ(d.shear.texts().size(), 3u);
    EXPECT_EQ(d.shear.texts_equal("0.00").size(), 0u);

    // -0.0123 m is -1.23 cm; it is the largest deflection, so it stands at -3.3.
    const TextCall deflection = test::only_text(d.deflection, "-1.230");
    EXPECT_NEAR(deflection.x, 7.5 - 6 * cw / 2, kTol);
    EXPECT_NEAR(deflection.y, -3.3 - test::text_height(6, 10) / 4.5, kTol);
    EXPECT_NEAR(test::only_text(d.deflection, "0.000").x, 5 - 5 * cw / 2, kTol);
}

// A single span of the given length whose shear rises steadily from 1 (never 0 at the ends).
Case rising_case(double length, bool speed_up) {
    auto at = [length](int, double x) { return Values{1 + x / length, 0, 0}; };
    SpanExtremes span;
    span.shear_max = {2, length};
    Case c = make_case({length}, at, {span});
    c.speed_up = speed_up;
    return c;
}

// Beam positions of the drawn points of a curve drawn point to point.
std::vector<double> drawn_positions(const RecordingCanvas& canvas, double x_scale) {
    std::vector<double> positions;
    for (const LineCall& l : curve_lines(canvas)) {
        if (l.x1 == l.x2)
            continue;  // the rise from the axis at the left end
        if (positions.empty())
            positions.push_back(l.x1 / x_scale);
        positions.push_back(l.x2 / x_scale);
    }
    return positions;
}

TEST(ResponseDiagrams, SpeedUpDrawsEveryFirstFifthOrTenthPoint) {
    // Length 10 (x scale 1): every point, exactly as without speed-up.
    {
        const Drawn fast = rising_case(10, true).draw();
        const Drawn full = rising_case(10, false).draw();
        EXPECT_EQ(fast.shear.lines().size(), full.shear.lines().size());
    }
    // Length 20 (x scale 0.5): records 1, 2, 7, 12, ... 1997, then the last, 2001.
    // Length 40 (x scale 0.25): records 1, 2, 12, 22, ... 3992, then the last, 4001.
    for (auto [length, step, last_stepped] :
         {std::tuple{20.0, 5, 1997}, std::tuple{40.0, 10, 3992}}) {
        const Drawn d = rising_case(length, true).draw();
        const std::vector<double> at = drawn_positions(d.shear, 10 / length);
        const std::size_t stepped = static_cast<std::size_t>((last_stepped - 2) / step + 1);
        ASSERT_EQ(at.size(), 1 + stepped + 1) << length;
        EXPECT_NEAR(at[0], 0, 1e-9);
        EXPECT_NEAR(at[1], 0.01, 1e-9);
        EXPECT_NEAR(at[2], 0.01 * (1 + step), 1e-9);
        EXPECT_NEAR(at[at.size() - 2], 0.01 * (last_stepped - 1), 1e-9);
        EXPECT_NEAR(at.back(), length, 1e-9);
    }
}

// Span of 20 (x scale 0.5, under three records per pixel column): the shear steps from 2 down
// to -3 at 7.50; the moment is 1 except for a single spike of 10 at 12.34.
Case jump_case(bool speed_up) {
    auto at = [](int, double x) {
        const bool after = std::llround(x * 100) >= 750;
        const bool spike = std::llround(x * 100) == 1234;
        return Values{after ? -3.0 : 2.0, spike ? 10.0 : 1.0, 0};
    };
    SpanExtremes span;
    span.shear_max = {2, 0.01};
    span.shear_min = {-3, 7.5};
    span.moment_max = {10, 12.34};
    Case c = make_case({20}, at, {span});
    c.speed_up = speed_up;
    return c;
}

TEST(ResponseDiagrams, ExactDrawingKeepsJumpsVerticalAndLosesNothing) {
    const double ys = 3.3 / 3;
    const Drawn exact = jump_case(false).draw();

    // The step at 7.50 (drawn at 3.75) is one vertical stroke from 2 down to -3.
    bool vertical_jump = false;
    for (const LineCall& l : curve_lines(exact.shear)) {
        if (l.x1 == l.x2 && std::abs(l.x1 - 3.75) <= kPixel &&
            std::min(l.y1, l.y2) <= -3 * ys + kTol && std::max(l.y1, l.y2) >= 2 * ys - kTol)
            vertical_jump = true;
        // No slanted line crosses the step.
        if (l.x1 != l.x2) {
            EXPECT_LT(std::abs(l.y2 - l.y1), 2.5 * ys) << l.x1 << " " << l.x2;
        }
    }
    EXPECT_TRUE(vertical_jump);
    // Lines stay within a few per pixel column however many points there are.
    EXPECT_LE(curve_lines(exact.shear).size(), 3u * 800u);
    // The single spike is drawn.
    const double ym = 3.3 / 10;
    EXPECT_NEAR(test::largest_drawn(exact.moment, kCurveMagenta), 10 * ym, kTol);

    // Sped up (every 5th point) the step becomes a slanted line and the spike, at record 1235,
    // falls between the drawn records 1232 and 1237.
    const Drawn fast = jump_case(true).draw();
    const std::vector<LineCall> fast_lines = curve_lines(fast.shear);
    EXPECT_TRUE(std::any_of(fast_lines.begin(), fast_lines.end(), [&](const LineCall& l) {
        return l.x1 != l.x2 && std::abs(l.y2 - l.y1) > 4 * ys;
    }));
    EXPECT_NEAR(test::largest_drawn(fast.moment, kCurveMagenta), 1 * ym, kTol);
}

TEST(ResponseDiagrams, ShearClosesAtAVerticallyHeldRightEnd) {
    const double ys = 3.3 / 3;
    EXPECT_FALSE(jump_case(false).draw().shear.has_line(10, -3 * ys, 10, 0));

    Case held = jump_case(false);
    held.beam.joints.back().restraint_y = 1;
    const Drawn d = held.draw();
    EXPECT_TRUE(d.shear.has_line(10, -3 * ys, 10, 0));
    // Only the shear curve is closed.
    EXPECT_FALSE(d.moment.has_line(10, 1 * 3.3 / 10, 10, 0));
}

TEST(ResultsLabels, WholeBeamExtremesAndBackground) {
    BeamExtremes e;
    e.shear_max = 12.4;
    e.shear_min = -3.6;
    e.moment_max = 0.4;
    e.moment_min = -0.4;  // rounds to 0, shown without a sign
    e.deflection_max = 0.0123;
    e.deflection_min = -0.004567;

    const ExtremeLabelTexts imperial = extreme_label_texts(e, UnitSystem::E);
    EXPECT_EQ(imperial.shear_max, " 12");
    EXPECT_EQ(imperial.shear_min, "-4");
    EXPECT_EQ(imperial.moment_max, " 0");
    EXPECT_EQ(imperial.moment_min, " 0");
    EXPECT_EQ(imperial.deflection_max, "0.012");  // inches, three decimals
    EXPECT_EQ(imperial.deflection_min, "-0.005");

    const ExtremeLabelTexts m3 = extreme_label_texts(e, UnitSystem::M3);
    EXPECT_EQ(m3.deflection_max, "1.230");  // centimetres
    EXPECT_EQ(m3.deflection_min, "-0.457");
    EXPECT_EQ(extreme_label_texts(e, UnitSystem::M4).deflection_max, "0.012");

    Settings settings;
    EXPECT_EQ(diagram_background(settings, false), (Rgb{192, 192, 192}));
    EXPECT_EQ(diagram_background(settings, true), (Rgb{255, 255, 255}));
    settings.white_background = "y";
    EXPECT_EQ(diagram_background(settings, false), (Rgb{255, 255, 255}));
}

}  // namespace
}  // namespace spanlyx
