#pragma once
// The loading diagram of the results window: the beam as analysed, with its supports and their
// reactions, the hinges and every load with its value and unit, on the horizontal scale of the
// diagrams below it.

#include "analysis/analysis_results.h"
#include "graphics/canvas.h"
#include "model/beam.h"

namespace spanlyx {

inline constexpr double kLoadingFontSize = 7;

// Sets the loading area's scale (x -0.5 to 10.5, y 5 to -3, the beam on y = 0 from 0 to 10)
// and draws over what the canvas holds. The reactions are those of the last analysis of this
// beam, one per joint. Draws nothing on the beam when it has no length.
void draw_loading_diagram(Canvas& canvas, const Beam& beam, const AnalysisResults& results);

}  // namespace spanlyx
