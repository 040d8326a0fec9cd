// Applied moments: a vertical line, a small circle on the beam and a curved
// arrow that turns the way the moment does, with the value and moment unit above.

#include <cmath>
#include <numbers>

#include "graphics/beam_glyphs.h"
#include "model/number_text.h"

namespace spanlyx::glyphs {
namespace {

constexpr double kCircleRadius = 0.25 / 3;
constexpr double kArcRadius = 0.2;
// The arc spans 120 degrees on one side of the line, so its ends lie 0.1 beside the line.
constexpr double kArcHalfAngle = std::numbers::pi / 3;
// The head sits at the upper end of the arc: one stroke runs out to 0.25 beside the line, the
// other straight down, so the head points up and towards the line, the way the arc turns.
constexpr double kHeadReach = 0.25;
constexpr double kHeadStroke = 0.15;

void draw_turning_arrow(Canvas& canvas, LoadCase load_case, double x, bool counterclockwise) {
    const double tip_offset = kArcRadius * std::cos(kArcHalfAngle);
    const double tip_y = kArcRadius * std::sin(kArcHalfAngle);
    // Counterclockwise: up the right-hand side of the line; clockwise: up the left-hand side.
    const double side = counterclockwise ? 1.0 : -1.0;
    if (counterclockwise) {
        load_arc(canvas, load_case, x, 0, kArcRadius, -kArcHalfAngle, kArcHalfAngle);
    } else {
        load_arc(canvas, load_case, x, 0, kArcRadius, std::numbers::pi - kArcHalfAngle,
                 std::numbers::pi + kArcHalfAngle);
    }
    const double tip_x = x + side * tip_offset;
    canvas.line(x + side * kHeadReach, tip_y, tip_x, tip_y);
    canvas.line(tip_x, tip_y - kHeadStroke, tip_x, tip_y);
}

}  // namespace

void draw_moments(const LoadFrame& frame, const SpanPlace& span,
                  const std::vector<MomentLoad>& loads) {
    Canvas& canvas = frame.canvas;
    for (std::size_t k = 0; k < loads.size(); ++k) {
        const double value = loads[k].value;
        const double x = span.start + loads[k].x * frame.xscale;
        const LoadCase load_case = loads[k].load_case;
        load_stroke(canvas, load_case, x, kLoadLineTop, x, 0);
        canvas.circle(x, 0, kCircleRadius);
        // Moments are positive counterclockwise.
        draw_turning_arrow(canvas, load_case, x, !(value < 0));

        const std::string label = format_pattern(value, frame.values.pattern) +
                                  std::string(frame.words.moment) +
                                  std::string(case_mark(load_case));
        const double width = canvas.text_extent(label).width;
        const double left = at_beam_end(span, loads[k].x) ? x - width / 1.2 : x - width / 2;
        put_load_label(frame, left, label_bottom(static_cast<int>(k) + 1), label);
    }
}

}  // namespace spanlyx::glyphs
