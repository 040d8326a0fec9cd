// Imposed support movements: a settlement arrow beside the support and an arc arrow for an
// imposed rotation, each with its value and unit.

#include <cmath>
#include <numbers>
#include <string>

#include "graphics/beam_glyphs.h"
#include "model/number_text.h"

namespace spanlyx::glyphs {
namespace {

// The settlement arrow runs between these heights, beside the support glyph.
constexpr double kArrowTop = -0.05;
constexpr double kArrowBottom = -0.45;
constexpr double kLabelGap = 0.1;  // between an arrow and its label

// The rotation arrow: an arc over the joint, clear of the spring coil, from 30 to 150 degrees.
constexpr double kTurnRadius = 0.3;
constexpr double kTurnFrom = std::numbers::pi / 6;
constexpr double kTurnTo = 5 * std::numbers::pi / 6;
constexpr double kTurnHeadLength = 0.1;
constexpr double kTurnHeadSpread = std::numbers::pi / 7;
constexpr double kTurnLabelBottom = 0.75;

std::string value_label(double value, std::string_view unit) {
    return general_number(value) + " " + std::string(unit);
}

// Labels stand on the side away from the beam's right end, so that they stay on the drawing.
double side_of(JointPlace place) {
    return place == JointPlace::RightEnd ? -1.0 : 1.0;
}

// Two strokes meeting at the tip, leaving it against the direction of travel (dx, dy).
void head(Canvas& canvas, double tip_x, double tip_y, double dx, double dy) {
    const double back = std::atan2(-dy, -dx);
    for (double turn : {-kTurnHeadSpread, kTurnHeadSpread}) {
        canvas.line(tip_x + kTurnHeadLength * std::cos(back + turn),
                    tip_y + kTurnHeadLength * std::sin(back + turn), tip_x, tip_y);
    }
}

void settlement_arrow(Canvas& canvas, double settlement, double x, JointPlace place,
                      std::string_view unit) {
    const double side = side_of(place);
    const double ax = x + side * kSettlementArrowOffset;
    canvas.line(ax, kArrowTop, ax, kArrowBottom);
    // A settlement is positive downward; a negative one lifts the support.
    if (settlement > 0) {
        canvas.line(ax - kHeadHalfWidth, kArrowBottom + kHeadHeight, ax, kArrowBottom);
        canvas.line(ax + kHeadHalfWidth, kArrowBottom + kHeadHeight, ax, kArrowBottom);
    } else {
        head_at_top(canvas, ax, kArrowTop);
    }
    const std::string label = value_label(settlement, unit);
    const double width = canvas.text_extent(label).width;
    const double left = side > 0 ? ax + kLabelGap : ax - kLabelGap - width;
    canvas.text(left, kArrowTop, label);
}

void rotation_arrow(Canvas& canvas, double rotation, double x, double side, std::string_view unit) {
    canvas.arc(x, 0, kTurnRadius, kTurnFrom, kTurnTo);
    // Counterclockwise positive: the head sits at the end the rotation turns towards, and points
    // along the arc's tangent there.
    const bool counterclockwise = rotation > 0;
    const double at = counterclockwise ? kTurnTo : kTurnFrom;
    const double turn = counterclockwise ? 1.0 : -1.0;
    head(canvas, x + kTurnRadius * std::cos(at), kTurnRadius * std::sin(at), -turn * std::sin(at),
         turn * std::cos(at));
    // The label stands above a clamp's hatching, on the side away from the beam's right end.
    const std::string label = value_label(rotation, unit);
    const double width = canvas.text_extent(label).width;
    text_with_bottom(canvas, side > 0 ? x : x - width, kTurnLabelBottom, label);
}

}  // namespace

void draw_imposed_movements(Canvas& canvas, const Joint& joint, double x, JointPlace place,
                            const SupportUnitWords& words) {
    // A movement is imposed only on a rigid restraint; a value left on any other is not drawn.
    if (joint.settlement != 0 && joint.restraint_y == 1 && !joint.spring_y)
        settlement_arrow(canvas, joint.settlement, x, place, words.settlement);
    if (joint.imposed_rotation != 0 && joint.restraint_z == 1 && !joint.spring_z)
        rotation_arrow(canvas, joint.imposed_rotation, x, side_of(place), words.rotation);
}

}  // namespace spanlyx::glyphs
