#pragma once
// The glyphs that the input sketch and the loading diagram of the results window share:
// supports, hinges and loads with their value labels, each kind drawn by its own file.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/canvas.h"
#include "graphics/label_layout.h"
#include "model/beam.h"
#include "model/units.h"

namespace spanlyx::glyphs {

// How load values are written.
struct LoadValueForm {
    // Pattern of distributed loads and moments, and of point loads unless whole_point_loads.
    std::string_view pattern;
    // Point loads as "0" when whole and "0.00" otherwise, whatever the pattern.
    bool whole_point_loads = false;
};

// Everything the load pieces need besides the loads themselves.
struct LoadFrame {
    Canvas& canvas;
    LoadValueForm values;
    const SketchUnitWords& words;
    double xscale = 0;  // drawing units per model length unit
    // Where the load labels go: straight onto the canvas when null, otherwise to the layout,
    // which moves a label that would cover another one up row by row.
    LabelLayout* labels = nullptr;
};

// Where one span lies on the drawing.
struct SpanPlace {
    double start = 0;   // drawn x of the left end
    double length = 0;  // model length
    bool last = false;  // the last span of the beam
};

// Size of the arrow heads: half width and height.
inline constexpr double kHeadHalfWidth = 0.1;
inline constexpr double kHeadHeight = 0.2;
// Bottom edges of the load labels: neighbouring loads stand on two rows.
inline constexpr double kEvenLabelBottom = 1.5;
inline constexpr double kOddLabelBottom = 2.0;
// Top of the vertical lines of point loads and moments.
inline constexpr double kLoadLineTop = 1.5;
inline constexpr double kHingeRadius = 0.075;

// True when a load at x (model units) sits at the right end of the beam.
bool at_beam_end(const SpanPlace& span, double x);

// Arrow head pointing down onto the beam at x.
void head_at_beam(Canvas& canvas, double x);
// Arrow head pointing up, its tip at (x, tip).
void head_at_top(Canvas& canvas, double x, double tip);

// A stroke of a load's body (a shaft, the top line of a distributed load, the arc of a moment):
// dashed for a live load, solid for a dead one. Arrow heads, the moment circle and the labels
// stay solid, so a live load reads the same way round as a dead one. Solid strokes are drawn
// without touching the canvas's line style.
void load_stroke(Canvas& canvas, LoadCase load_case, double x1, double y1, double x2, double y2);
void load_arc(Canvas& canvas, LoadCase load_case, double cx, double cy, double radius, double start,
              double end);
// What follows the value and unit of a load's label: " L" for a live load, nothing for a dead
// one ("500#/lf L").
std::string_view case_mark(LoadCase load_case);

// Text whose bottom edge is at `bottom`; the canvas places texts by their top-left corner and
// y grows upwards.
void text_with_bottom(Canvas& canvas, double left, double bottom, std::string_view text);

// A load's label with its bottom edge at `bottom`, drawn or handed to the frame's layout.
void put_load_label(const LoadFrame& frame, double left, double bottom, std::string_view text);

// Bottom edge of the label of load number k (from 1).
double label_bottom(int load_number);

void draw_point_loads(const LoadFrame& frame, const SpanPlace& span,
                      const std::vector<PointLoad>& loads);
void draw_distributed_loads(const LoadFrame& frame, const SpanPlace& span,
                            const std::vector<UniformLoad>& loads);
void draw_moments(const LoadFrame& frame, const SpanPlace& span,
                  const std::vector<MomentLoad>& loads);

enum class JointPlace { LeftEnd, Interior, RightEnd };
// The place of joint j (from 0) of a beam of span_count spans.
JointPlace joint_place(std::size_t joint, std::size_t span_count);
// The support glyph of a joint at drawn x, by its restraints, in the pen in force. A spring is
// drawn as a spring, never as a restraint: a zig-zag under the joint for a vertical spring, a
// coil about the joint for a rotational one, beside the glyph of what the joint holds rigidly.
void draw_support(Canvas& canvas, const Joint& joint, double x, JointPlace place);
// Half width of the zig-zag of a vertical spring, and the depth of its ground line: deeper than
// a pin's base, so that the zig-zag stays readable on a low drawing, with its hatching still
// above the lowest point of any support glyph.
inline constexpr double kSpringHalfWidth = 0.12;
inline constexpr double kSpringDepth = 0.5;

// The imposed movements of a joint at drawn x, in the pen in force: a settlement as a vertical
// arrow beside the support, pointing the way the support moves, with the value and its unit; an
// imposed rotation as an arc arrow over the joint turning the way it turns, with its value.
void draw_imposed_movements(Canvas& canvas, const Joint& joint, double x, JointPlace place,
                            const SupportUnitWords& words);
// The settlement arrow stands this far beside the joint, clear of a pin's base.
inline constexpr double kSettlementArrowOffset = 0.45;
// Lowest point of any support glyph, for labels written below the supports.
inline constexpr double kSupportBottom = -0.575;

// Hinge circles on the beam at the released ends of a span drawn from start to end.
void draw_hinges(Canvas& canvas, Release release, double start, double end);

}  // namespace spanlyx::glyphs
