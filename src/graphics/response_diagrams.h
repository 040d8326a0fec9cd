#pragma once
// The shear, moment and deflection diagrams of the results window, drawn from the sampled
// points: the axis broken into its spans, the curve, and the largest and smallest value of
// every span written at their places. The window, the printed page and the copies all draw
// through here.

#include <vector>

#include "graphics/canvas.h"
#include "graphics/diagram_scales.h"
#include "graphics/label_layout.h"
#include "graphics/sample_source.h"
#include "model/beam.h"
#include "model/settings.h"
#include "response/span_response.h"

namespace spanlyx {

inline constexpr Rgb kCurveMagenta{255, 0, 255};
inline constexpr Rgb kLightGrey{192, 192, 192};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr double kAxisPenWidth = 1;
inline constexpr double kCurvePenWidth = 2;

// What a drawing of the diagrams reads besides the sampled points.
struct DiagramSetup {
    const Beam& beam;  // as analysed
    const ResponseOutcome& response;
    const NumberPatterns& patterns;
    bool speed_up = false;  // the "Speed Up ?" setting: draw every 1st, 5th or 10th point
    bool printing = false;  // curves black instead of magenta
    // The calculation report's marks: every span extreme with its location in the span
    // ("28125.00 @ 7.50"), and the points of zero shear inside the spans with theirs.
    bool report_marks = false;
};

// Background of the drawing areas: white with the white-background setting and on paper,
// light grey otherwise. The canvases are not cleared by the drawings.
Rgb diagram_background(const Settings& settings, bool printing);

// The axis of a diagram, one line per span, in the axis pen.
void draw_beam_axis(Canvas& canvas, const Beam& beam, double x_scale);

// One diagram onto its own canvas: sets the area's scale and draws over what the canvas holds.
void draw_diagram(Canvas& canvas, Quantity quantity, const DiagramSetup& setup,
                  SampleSource& samples);

struct DiagramCanvases {
    Canvas& shear;
    Canvas& moment;
    Canvas& deflection;
};

// The texts each diagram holds, in its user units, so that texts written over it later (the
// "Plot X" marks) keep clear of them.
struct DiagramTexts {
    std::vector<PlacedLabel> shear, moment, deflection;
};

// The three diagrams in one pass over the sampled points.
DiagramTexts draw_diagrams(const DiagramCanvases& canvases, const DiagramSetup& setup,
                           SampleSource& samples);

}  // namespace spanlyx
