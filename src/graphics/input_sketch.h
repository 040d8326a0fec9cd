#pragma once
// The input sketch of the main window: the beam as entered so far, with the length of every
// span, the supports, the hinges and every load with its value and unit.

#include <string_view>

#include "graphics/canvas.h"
#include "model/beam.h"

namespace spanlyx {

// Label font size of the sketch, in points.
inline constexpr double kSketchFontSize = 7;
// Pen widths, in pixels.
inline constexpr double kSketchBeamPenWidth = 3;
inline constexpr double kSketchPenWidth = 2;

// Draws the whole sketch: x runs from -0.5 to 10.5 with the beam from 0 to 10 on y = 0, y from
// -1 at the bottom to 5 at the top. Draws nothing (the canvas is not even cleared) when the
// beam has no spans or its spans add up to no length. load_pattern is the load number pattern
// of the settings ("0.0" unless changed).
void draw_span(Canvas& canvas, const Beam& beam, std::string_view load_pattern);

// What the main window does with the sketch after a stored change of a load or a support.
enum class SketchRefresh {
    Unchanged,  // the total length is not above 0: the sketch is left as it is
    Live,       // the spans add up to the total length: the sketch is live and is drawn
    NotLive,    // they do not: the sketch stops being live and nothing is drawn
};

// Compares the sum of the span lengths with the total length as two-decimal values. The caller
// stores the current span-length field in the beam first.
SketchRefresh sketch_refresh(const Beam& beam, double total_length);

}  // namespace spanlyx
