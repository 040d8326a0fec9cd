#include "graphics/input_sketch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string_view>
#include <vector>

#include "diagram_fixtures.h"

namespace spanlyx {
namespace {

using test::beam_of;
using test::only_text;

// The sketch writes at font size 7 and maps 11 units on 800 pixels across, 6 on 200 up.
const double kCharWidth = test::char_width(7);
const double kTextHeight = test::text_height(7, 6);
constexpr double kTol = 1e-9;

PointLoad point(double x, double p) {
    return {x, HeldNumber::computed(p)};
}

RecordingCanvas sketch(const Beam& beam, std::string_view pattern = "0.0") {
    RecordingCanvas canvas;
    draw_span(canvas, beam, pattern);
    return canvas;
}

TEST(InputSketch, FrameBeamLineAndSpanLabels) {
    Beam beam = beam_of({10, 30});
    beam.joints[1].restraint_y = 1;  // a pin at the interior joint
    const RecordingCanvas canvas = sketch(beam);
    ASSERT_FALSE(canvas.calls().empty());
    EXPECT_TRUE(std::holds_alternative<ClearCall>(canvas.calls()[0]));
    EXPECT_EQ(canvas.scales().size(), 1u);
    EXPECT_EQ(test::first_scale(canvas), (std::array{-0.5, 5.0, 11.0, -6.0}));

    // 40 units long fill 10 drawing units: the interior joint sits at 10 x 10/40 = 2.5.
    EXPECT_EQ(canvas.lines(kBlack, 3).size(), 2u);
    EXPECT_TRUE(canvas.has_line(0, 0, 2.5, 0));
    EXPECT_TRUE(canvas.has_line(2.5, 0, 10, 0));
    EXPECT_TRUE(canvas.has_line(2.5, 0, 2.2, -0.4));
    EXPECT_TRUE(canvas.has_line(2.5, 0, 2.8, -0.4));
    EXPECT_TRUE(canvas.has_line(2.2, -0.4, 2.8, -0.4));

    // Span lengths with two decimals, centred on each span, below the beam, font size 7.
    const TextCall first = only_text(canvas, "10.00");
    EXPECT_NEAR(first.x, 1.25 - 5 * kCharWidth / 2, kTol);
    EXPECT_LE(first.y, 0);
    EXPECT_EQ(first.font_size, 7);
    EXPECT_NEAR(only_text(canvas, "30.00").x, 6.25 - 5 * kCharWidth / 2, kTol);

    // Nothing at all without spans or length.
    EXPECT_TRUE(sketch(Beam{}).calls().empty());
    EXPECT_TRUE(sketch(beam_of({0, 0})).calls().empty());
}

TEST(InputSketch, PointLoadsArrowsLabelsAndRows) {
    // One span of 10: drawing x equals the position along the span.
    Beam beam = beam_of({10});
    beam.spans[0].points = {point(2, 5), point(4, -3), point(6, 0), point(8, 7.25)};
    const RecordingCanvas canvas = sketch(beam);

    // P = 5: red line of width 2 down to the beam, head at the beam.
    const LineCall shaft = canvas.lines_between(2, 1.5, 2, 0).at(0);
    EXPECT_TRUE(shaft.colour == kRed && shaft.pen_width == 2);
    EXPECT_TRUE(canvas.has_line(1.9, 0.2, 2, 0) && canvas.has_line(2.1, 0.2, 2, 0));
    // P = -3: head at the top of its line.
    EXPECT_TRUE(canvas.has_line(4, 1.5, 4, 0));
    EXPECT_TRUE(canvas.has_line(3.9, 1.3, 4, 1.5) && canvas.has_line(4.1, 1.3, 4, 1.5));
    EXPECT_FALSE(canvas.has_line(3.9, 0.2, 4, 0));
    // P = 0 is not drawn.
    EXPECT_FALSE(canvas.has_line(6, 1.5, 6, 0));
    EXPECT_TRUE(canvas.texts_equal("0.0#").empty());

    // Labels: centred by the width of "5  #" and "-3  #"; odd loads on the row at 2.0, even on
    // the row at 1.5 (bottom edges).
    const TextCall five = only_text(canvas, "5.0#");
    EXPECT_EQ(five.colour, kRed);
    EXPECT_NEAR(five.x, 2 - 4 * kCharWidth / 2, kTol);
    EXPECT_NEAR(five.y, 2.0 + kTextHeight, kTol);
    const TextCall minus_three = only_text(canvas, "-3.0#");
    EXPECT_NEAR(minus_three.x, 4 - 5 * kCharWidth / 2, kTol);
    EXPECT_NEAR(minus_three.y, 1.5 + kTextHeight, kTol);
    // 7.25 is not whole: its width is that of "7.25  #", and it is load 4, on the lower row.
    const TextCall fraction = only_text(canvas, "7.3#");
    EXPECT_NEAR(fraction.x, 8 - 7 * kCharWidth / 2, kTol);
    EXPECT_NEAR(fraction.y, 1.5 + kTextHeight, kTol);

    // The load number pattern of the settings decides the decimals.
    EXPECT_EQ(sketch(beam, "0.00").texts_equal("5.00#").size(), 1u);

    // Over an interior joint a label is centred as usual; at the right end of the beam it
    // reaches further left.
    Beam two = beam_of({10, 30});
    two.spans[0].points = {point(10, 2)};
    two.spans[1].points = {point(30, 2)};
    const std::vector<TextCall> labels = sketch(two).texts_equal("2.0#");
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_NEAR(labels[0].x, 2.5 - 4 * kCharWidth / 2, kTol);
    EXPECT_NEAR(labels[1].x, 10 - 4 * kCharWidth / 1.2, kTol);
}

TEST(InputSketch, DistributedLoadBlocks) {
    Beam beam = beam_of({10});
    beam.spans[0].uniforms = {{2, 4, 6, 4}};
    RecordingCanvas canvas = sketch(beam);
    // Uniform: top at 0.5, end lines with heads at the beam, arrows at the quarter points.
    EXPECT_EQ(canvas.lines_between(2, 0.5, 6, 0.5).at(0).colour, kRed);
    for (double x : {2.0, 3.0, 4.0, 5.0, 6.0}) {
        EXPECT_TRUE(canvas.has_line(x, 0.5, x, 0)) << x;
        EXPECT_TRUE(canvas.has_line(x - 0.1, 0.2, x, 0) && canvas.has_line(x + 0.1, 0.2, x, 0))
            << x;
    }
    const TextCall label = only_text(canvas, "4.0#/lf");
    EXPECT_NEAR(label.x, 4 - 7 * kCharWidth / 2, kTol);
    EXPECT_GT(label.y, 0.5);

    // Upward uniform load: heads at the top.
    beam.spans[0].uniforms = {{2, -4, 6, -4}};
    canvas = sketch(beam);
    EXPECT_TRUE(canvas.has_line(1.9, 0.3, 2, 0.5) && canvas.has_line(6.1, 0.3, 6, 0.5));
    EXPECT_FALSE(canvas.has_line(1.9, 0.2, 2, 0));

    // Rising from 0: starts on the beam, no end line where the value is 0.
    beam.spans[0].uniforms = {{0, 0, 8, 6}};
    canvas = sketch(beam);
    EXPECT_TRUE(canvas.has_line(0, 0, 8, 0.8) && canvas.has_line(8, 0.8, 8, 0));
    EXPECT_EQ(canvas.texts_equal("0.0#/lf").size(), 1u);
    EXPECT_EQ(canvas.texts_equal("6.0#/lf").size(), 1u);

    // Rising from a non-zero value, falling to a non-zero value, falling to 0.
    beam.spans[0].uniforms = {{0, 2, 4, 6}};
    EXPECT_TRUE(sketch(beam).has_line(0, 0.5, 4, 0.8));
    beam.spans[0].uniforms = {{4, 6, 10, 2}};
    EXPECT_TRUE(sketch(beam).has_line(4, 0.8, 10, 0.5));
    beam.spans[0].uniforms = {{4, 6, 10, 0}};
    canvas = sketch(beam);
    EXPECT_TRUE(canvas.has_line(4, 0.8, 10, 0));
    EXPECT_FALSE(canvas.has_line(10, 0.5, 10, 0));
}

TEST(InputSketch, AppliedMoments) {
    Beam beam = beam_of({10});
    beam.spans[0].moments = {{4, 10}, {10, -6}};
    const RecordingCanvas canvas = sketch(beam);
    for (double x : {4.0, 10.0}) {
        EXPECT_TRUE(canvas.has_line(x, 1.5, x, 0)) << x;
        EXPECT_EQ(canvas.circles_at(x, 0, 0.25 / 3).size(), 1u) << x;
    }
    // Arcs of radius 0.2 about the moment's point, on opposite sides for opposite signs:
    // the middle angle of a counterclockwise arc faces right (cos > 0), of a clockwise one left.
    const std::vector<ArcCall> arcs = canvas.arcs();
    ASSERT_EQ(arcs.size(), 2u);
    EXPECT_TRUE(arcs[0].cx == 4 && arcs[0].radius == 0.2 && arcs[0].colour == kRed);
    EXPECT_GT(std::cos((arcs[0].start + arcs[0].end) / 2), 0);
    EXPECT_LT(std::cos((arcs[1].start + arcs[1].end) / 2), 0);

    EXPECT_NEAR(only_text(canvas, "10.0 ft-#").x, 4 - 9 * kCharWidth / 2, kTol);
    // At the right end of the beam the label reaches further left.
    EXPECT_NEAR(only_text(canvas, "-6.0 ft-#").x, 10 - 9 * kCharWidth / 1.2, kTol);
}

TEST(InputSketch, UnitWordsFollowTheUnitSystemWithoutChangingValues) {
    Beam beam = beam_of({10});
    beam.spans[0].points = {point(5, 5)};
    beam.spans[0].uniforms = {{0, 4, 10, 4}};
    beam.spans[0].moments = {{2, 3}};
    // clang-format off
    const std::pair<UnitSystem, std::array<const char*, 3>> systems[] = {
        {UnitSystem::E, {"5.0#", "4.0#/lf", "3.0 ft-#"}},
        {UnitSystem::E2, {"5.0#", "4.0#/in", "3.0 in-#"}},
        {UnitSystem::M2, {"5.0N", "4.0N/m", "3.0 m-N"}},
        {UnitSystem::M3, {"5.0kg", "4.0kg/m", "3.0 m-kg"}},
        {UnitSystem::M4, {"5.0N", "4.0N/mm", "3.0 mm-N"}}};
    // clang-format on
    for (const auto& [units, texts] : systems) {
        beam.units = units;
        const RecordingCanvas canvas = sketch(beam);
        EXPECT_EQ(canvas.texts().size(), 4u) << texts[0];  // the span length and three loads
        for (const char* text : texts)
            EXPECT_EQ(canvas.texts_equal(text).size(), 1u) << text;
    }
}

TEST(InputSketch, SupportGlyphsByRestraint) {
    // Clamps at both ends and in the middle of two spans of 10 (joints at 0, 5, 10).
    Beam beam = beam_of({10, 10});
    for (Joint& joint : beam.joints)
        joint = {1, 1};
    RecordingCanvas canvas = sketch(beam);
    for (double x : {0.0, 5.0, 10.0})
        EXPECT_TRUE(canvas.has_line(x, -0.4, x, 0.4)) << x;
    // End clamps: hatch strokes on the outer side, in black.
    for (const auto& [y1, y2] : {std::pair{-0.4, -0.1}, {0.0, 0.3}, {0.4, 0.7}}) {
        EXPECT_TRUE(canvas.has_line(0, y1, -0.4, y2)) << y1;
        EXPECT_TRUE(canvas.has_line(10, y1, 10.4, y2)) << y1;
    }
    EXPECT_EQ(canvas.lines_between(0, 0, -0.4, 0.3).at(0).colour, kBlack);
    // Interior: strokes from the wall reaching 0.2 to each side.
    int left = 0, right = 0;
    for (const LineCall& l : canvas.lines(kBlack, 2)) {
        if (l.x1 == 5 && l.x2 != 5) {
            left += std::abs(l.x2 - 4.8) < kTol ? 1 : 0;
            right += std::abs(l.x2 - 5.2) < kTol ? 1 : 0;
        }
    }
    EXPECT_EQ(left, 3);
    EXPECT_EQ(right, 3);

    // Guided ends: the wall and three rollers of radius 0.075 between it and the set-back
    // hatching, at heights 0, 0.5 and -0.5; mirrored at the right end.
    for (Joint& joint : beam.joints)
        joint = {0, 1};
    canvas = sketch(beam);
    EXPECT_TRUE(canvas.has_line(0, -0.4, 0, 0.4) && canvas.has_line(10, -0.4, 10, 0.4));
    for (double y : {0.0, 0.5, -0.5})
        for (double x : {-0.075, 10.075})
            EXPECT_EQ(canvas.circles_at(x, y, 0.075).size(), 1u) << x << ", " << y;
    EXPECT_FALSE(canvas.has_line(0, -0.4, -0.4, -0.1));  // the hatching is set back

    // Free joints: no glyph at all, only the beam.
    for (Joint& joint : beam.joints)
        joint = {0, 0};
    canvas = sketch(beam);
    EXPECT_TRUE(canvas.lines(kBlack, 2).empty());
    EXPECT_TRUE(canvas.circles().empty());

    // Fewer joints than the spans need (still being entered): the others are skipped.
    beam.joints = {{1, 0}};
    EXPECT_EQ(sketch(beam).lines(kBlack, 2).size(), 3u);
}

TEST(InputSketch, HingeCirclesAtReleasedEnds) {
    // Spans of 10, 10 and 20: joints drawn at 0, 2.5, 5 and 10.
    Beam beam = beam_of({10, 10, 20});
    beam.spans[0].release = Release::Left;
    beam.spans[1].release = Release::Right;
    beam.spans[2].release = Release::Both;
    const RecordingCanvas canvas = sketch(beam);
    EXPECT_EQ(canvas.circles_at(0, 0, 0.075).size(), 1u);
    EXPECT_TRUE(canvas.circles_at(2.5, 0, 0.075).empty());
    EXPECT_EQ(canvas.circles_at(5, 0, 0.075).size(), 2u);  // end of span 2, start of span 3
    EXPECT_EQ(canvas.circles_at(10, 0, 0.075).size(), 1u);
    EXPECT_EQ(canvas.circles().size(), 4u);
}

// A live load's body strokes are dashed and its labels end in " L"; arrow heads, the moment
// circle and every dead load stay solid, and a beam of dead loads sets no line style at all.
TEST(InputSketch, LiveLoadsDashedWithAnLAfterTheirValues) {
    Beam beam = beam_of({10});
    PointLoad live_point = point(2, 5);
    live_point.load_case = LoadCase::Live;
    beam.spans[0].points = {live_point, point(8, 3)};
    beam.spans[0].uniforms = {{4, 6, 6, 6, LoadCase::Live}};
    beam.spans[0].moments = {{3, 2, LoadCase::Live}, {7, 4, LoadCase::Dead}};
    const RecordingCanvas canvas = sketch(beam);

    const auto dashed = [&](double x1, double y1, double x2, double y2) {
        const std::vector<LineCall> found = canvas.lines_between(x1, y1, x2, y2);
        return found.size() == 1 && found[0].style == LineStyle::Dashed && found[0].colour == kRed;
    };
    // The live point load's shaft; the live block's top line and its five arrow shafts at
    // 4, 4.5, 5, 5.5 and 6; the live moment's vertical line.
    EXPECT_TRUE(dashed(2, 1.5, 2, 0));
    EXPECT_TRUE(dashed(4, 0.5, 6, 0.5));
    for (double x : {4.0, 4.5, 5.0, 5.5, 6.0})
        EXPECT_TRUE(dashed(x, 0.5, x, 0)) << x;
    EXPECT_TRUE(dashed(3, 1.5, 3, 0));
    EXPECT_EQ(canvas.lines(LineStyle::Dashed).size(), 8u);
    // Heads stay solid: the one of the live point load at x = 2.
    EXPECT_EQ(canvas.lines_between(1.9, 0.2, 2, 0).at(0).style, LineStyle::Solid);
    // The live moment's arc dashed, the dead one's solid; both circles solid.
    const std::vector<ArcCall> arcs = canvas.arcs();
    ASSERT_EQ(arcs.size(), 2u);
    EXPECT_EQ(arcs[0].cx, 3);
    EXPECT_EQ(arcs[0].style, LineStyle::Dashed);
    EXPECT_EQ(arcs[1].style, LineStyle::Solid);
    for (const CircleCall& c : canvas.circles())
        EXPECT_EQ(c.style, LineStyle::Solid);
    // Dead loads are solid.
    for (double x : {8.0, 7.0})
        EXPECT_EQ(canvas.lines_between(x, 1.5, x, 0).at(0).style, LineStyle::Solid) << x;

    // Labels: " L" after a live load's value and unit, nothing after a dead one's. The live
    // point label is centred by the width of its stand-in "5  # L", 6 characters.
    EXPECT_NEAR(only_text(canvas, "5.0# L").x, 2 - 6 * kCharWidth / 2, kTol);
    for (const char* text : {"3.0#", "6.0#/lf L", "2.0 ft-# L", "4.0 ft-#"})
        only_text(canvas, text);

    // A trapezoidal live load marks both of its end values.
    beam.spans[0].uniforms = {{0, 2, 4, 6, LoadCase::Live}};
    const RecordingCanvas trapezoid = sketch(beam);
    for (const char* text : {"2.0#/lf L", "6.0#/lf L"})
        only_text(trapezoid, text);

    // The same loads all dead: no style is ever set and no label carries the mark.
    for (PointLoad& p : beam.spans[0].points)
        p.load_case = LoadCase::Dead;
    for (UniformLoad& u : beam.spans[0].uniforms)
        u.load_case = LoadCase::Dead;
    for (MomentLoad& m : beam.spans[0].moments)
        m.load_case = LoadCase::Dead;
    const RecordingCanvas dead = sketch(beam);
    for (const CanvasCall& call : dead.calls())
        EXPECT_FALSE(std::holds_alternative<LineStyleCall>(call));
    for (const TextCall& t : dead.texts())
        EXPECT_FALSE(t.text.ends_with(" L")) << t.text;
}

TEST(InputSketch, RefreshComparesTheSpansWithTheTotalInHundredths) {
    EXPECT_EQ(sketch_refresh(beam_of({10.004, 20}), 30), SketchRefresh::Live);
    EXPECT_EQ(sketch_refresh(beam_of({0.1, 0.2}), 0.3), SketchRefresh::Live);
    EXPECT_EQ(sketch_refresh(beam_of({10.01, 20}), 30), SketchRefresh::NotLive);
    EXPECT_EQ(sketch_refresh(beam_of({10}), 0), SketchRefresh::Unchanged);
    EXPECT_EQ(sketch_refresh(Beam{}, 5), SketchRefresh::NotLive);
}

}  // namespace
}  // namespace spanlyx
