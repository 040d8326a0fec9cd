// Springs and imposed support movements in the input sketch and the loading diagram: a spring
// is drawn as a spring at its joint and never as a rigid support; a settlement or an imposed
// rotation is an arrow with its value and unit.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "diagram_fixtures.h"
#include "graphics/beam_glyphs.h"
#include "graphics/input_sketch.h"
#include "graphics/loading_diagram.h"

namespace spanlyx {
namespace {

constexpr double kTol = 1e-9;
constexpr double kW = glyphs::kSpringHalfWidth;
constexpr double kDepth = glyphs::kSpringDepth;

RecordingCanvas sketch(const Beam& beam) {
    RecordingCanvas canvas;
    draw_span(canvas, beam, "0.0");
    return canvas;
}

// Two spans of 10 (joints drawn at 0, 5 and 10), pinned at the ends.
Beam two_spans(UnitSystem units = UnitSystem::E) {
    Beam beam = test::beam_of({10, 10}, units);
    beam.joints = {{1, 0}, {1, 0}, {1, 0}};
    return beam;
}

bool within(double value, double low, double high) {
    return value >= low - kTol && value <= high + kTol;
}

// Black strokes that lie wholly in the box.
std::vector<LineCall> strokes_in(const RecordingCanvas& canvas, double x1, double x2, double y1,
                                 double y2) {
    std::vector<LineCall> found;
    for (const LineCall& l : canvas.lines(kBlack, 2)) {
        if (within(l.x1, x1, x2) && within(l.x2, x1, x2) && within(l.y1, y1, y2) &&
            within(l.y2, y1, y2))
            found.push_back(l);
    }
    return found;
}

// The glyphs of a rigid support at x: a pin's triangle or a wall.
bool rigid_glyph_at(const RecordingCanvas& canvas, double x) {
    return canvas.has_line(x, 0, x - 0.3, -0.4) || canvas.has_line(x - 0.3, -0.4, x + 0.3, -0.4) ||
           canvas.has_line(x, -0.4, x, 0.4);
}

// A vertical spring at x: a zig-zag between the beam and the ground, swinging out to both
// sides, hanging from the beam, over a ground line, and no rigid support there.
void expect_spring_at(const RecordingCanvas& canvas, double x) {
    int left = 0, right = 0, slanted = 0;
    for (const LineCall& l : strokes_in(canvas, x - kW, x + kW, -kDepth, 0)) {
        left += std::abs(l.x1 - (x - kW)) < kTol || std::abs(l.x2 - (x - kW)) < kTol ? 1 : 0;
        right += std::abs(l.x1 - (x + kW)) < kTol || std::abs(l.x2 - (x + kW)) < kTol ? 1 : 0;
        slanted += l.x1 != l.x2 ? 1 : 0;
    }
    EXPECT_GE(slanted, 3);
    EXPECT_GE(left, 1);
    EXPECT_GE(right, 1);
    EXPECT_FALSE(strokes_in(canvas, x, x, -0.1, 0).empty()) << "the spring hangs from the beam";
    EXPECT_TRUE(canvas.has_line(x - 0.2, -kDepth, x + 0.2, -kDepth));
    EXPECT_FALSE(rigid_glyph_at(canvas, x));
}

TEST(SupportSprings, VerticalSpringIsAZigZagUnderItsJointAndNoPin) {
    Beam beam = two_spans();
    beam.joints[1] = Joint{};
    beam.joints[1].spring_y = true;
    beam.joints[1].ky = 500;
    const RecordingCanvas canvas = sketch(beam);
    expect_spring_at(canvas, 5);
    // The pinned ends keep their triangles.
    EXPECT_TRUE(rigid_glyph_at(canvas, 0));
    EXPECT_TRUE(rigid_glyph_at(canvas, 10));
    // All of it above the lowest point the reactions of the loading diagram are written under.
    for (const LineCall& l : canvas.lines(kBlack, 2))
        EXPECT_GE(std::min(l.y1, l.y2), -0.575 - kTol);

    // In the loading diagram too, with the spring's force as the joint's reaction.
    beam.units = UnitSystem::M;
    beam.joints[0].settlement = 0.005;
    AnalysisResults results;
    results.reaction_shear = {1000, 2500, 1000};
    results.reaction_moment = {0, 0, 0};
    RecordingCanvas loading;
    draw_loading_diagram(loading, beam, results);
    expect_spring_at(loading, 5);
    EXPECT_EQ(loading.texts_equal("v= 2500.0").size(), 1u);
    EXPECT_EQ(loading.texts_equal(".005 m").size(), 1u);
    EXPECT_TRUE(loading.has_line(0.45, -0.05, 0.45, -0.45));
}

TEST(SupportSprings, RotationalSpringIsACoilAboutItsJoint) {
    Beam beam = two_spans();
    beam.joints[0].restraint_z = 0;
    beam.joints[0].spring_z = true;  // a pin whose rotation a spring resists
    beam.joints[0].kz = 1e6;
    beam.joints[1] = {1, 1};
    beam.joints[1].restraint_z = 0;
    beam.joints[1].spring_z = true;
    beam.joints[1].spring_y = true;
    beam.joints[1].restraint_y = 0;
    const RecordingCanvas canvas = sketch(beam);
    for (double x : {0.0, 5.0}) {
        int turns = 0;
        for (const ArcCall& a : canvas.arcs()) {
            if (std::abs(a.cx - x) <= 0.05 && std::abs(a.cy) < kTol && a.radius <= 0.1 + kTol)
                ++turns;
        }
        EXPECT_GE(turns, 2) << x;
    }
    // Joint 1 still holds Y rigidly: its pin stays; no wall anywhere, rotation is not fixed.
    EXPECT_TRUE(canvas.has_line(-0.3, -0.4, 0.3, -0.4));
    EXPECT_FALSE(canvas.has_line(0, -0.4, 0, 0.4));
    expect_spring_at(canvas, 5);
}

TEST(SupportSprings, SettlementArrowWithValueAndUnitBesideTheSupport) {
    Beam beam = two_spans();
    beam.joints[0].settlement = 0.625;
    beam.joints[2].settlement = -0.25;  // lifted
    const RecordingCanvas canvas = sketch(beam);

    // Left end: an arrow 0.45 to the right of the joint, pointing down, in the load colour.
    ASSERT_EQ(canvas.lines_between(0.45, -0.05, 0.45, -0.45).size(), 1u);
    EXPECT_EQ(canvas.lines_between(0.45, -0.05, 0.45, -0.45)[0].colour, kRed);
    EXPECT_TRUE(canvas.has_line(0.35, -0.25, 0.45, -0.45));
    EXPECT_TRUE(canvas.has_line(0.55, -0.25, 0.45, -0.45));
    const TextCall settled = test::only_text(canvas, ".625 in");
    EXPECT_EQ(settled.colour, kRed);
    EXPECT_GT(settled.x, 0.45);

    // Right end: on the inner side, pointing up, its label left of it and inside the drawing.
    EXPECT_TRUE(canvas.has_line(9.55, -0.05, 9.55, -0.45));
    EXPECT_TRUE(canvas.has_line(9.45, -0.25, 9.55, -0.05));
    const TextCall lifted = test::only_text(canvas, "-.25 in");
    EXPECT_LT(lifted.x + canvas.text_extent("-.25 in").width, 9.55);
    // The settled supports are still pins.
    EXPECT_TRUE(rigid_glyph_at(canvas, 0));
    EXPECT_TRUE(rigid_glyph_at(canvas, 10));

    // The unit follows the system: millimetres in M4, metres in M3.
    beam.units = UnitSystem::M4;
    beam.joints[0].settlement = 15;
    EXPECT_EQ(sketch(beam).texts_equal("15 mm").size(), 1u);
    beam.units = UnitSystem::M3;
    beam.joints[0].settlement = 0.01;
    EXPECT_EQ(sketch(beam).texts_equal(".01 m").size(), 1u);
}

TEST(SupportSprings, ImposedRotationArcTurnsItsWay) {
    Beam beam = two_spans();
    beam.joints[2] = {1, 1};
    // The arrow's head: two strokes ending at the arc's end at this angle, radius 0.3 about x 10.
    const auto head_strokes = [](const RecordingCanvas& canvas, double angle) {
        const double x = 10 + 0.3 * std::cos(angle), y = 0.3 * std::sin(angle);
        int n = 0;
        for (const LineCall& l : canvas.lines())
            n += std::abs(l.x2 - x) < kTol && std::abs(l.y2 - y) < kTol ? 1 : 0;
        return n;
    };
    beam.joints[2].imposed_rotation = 0.002;
    RecordingCanvas canvas = sketch(beam);
    std::vector<ArcCall> arcs;
    for (const ArcCall& a : canvas.arcs()) {
        if (std::abs(a.cx - 10) < kTol && std::abs(a.radius - 0.3) < kTol)
            arcs.push_back(a);
    }
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_EQ(arcs[0].colour, kRed);
    // Its value on the inner side of the right end, above the clamp's hatching (up to 0.7).
    const TextCall turned = test::only_text(canvas, ".002 rad");
    EXPECT_LE(turned.x + canvas.text_extent(".002 rad").width, 10 + kTol);
    EXPECT_GT(turned.y - canvas.text_extent(".002 rad").height, 0.7);
    // Counterclockwise: the head at the arc's left end, 150 degrees; clockwise at 30.
    EXPECT_EQ(head_strokes(canvas, 5 * std::numbers::pi / 6), 2);
    beam.joints[2].imposed_rotation = -0.002;
    EXPECT_EQ(head_strokes(sketch(beam), std::numbers::pi / 6), 2);
}

TEST(SupportSprings, JointsWithoutSpringsOrMovementsDrawAsBefore) {
    const RecordingCanvas canvas = sketch(two_spans());
    EXPECT_TRUE(canvas.arcs().empty());
    EXPECT_TRUE(canvas.lines(kRed, 2).empty());
    // Three pins of three strokes and two beam lines.
    EXPECT_EQ(canvas.lines().size(), 11u);
}

}  // namespace
}  // namespace spanlyx
