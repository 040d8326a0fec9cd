#pragma once
// Values written onto the diagrams: the largest and smallest value of every span, and the
// values the engineer places with "Plot X". A mark is centred on its beam position; one that
// stands above the curve has its lower edge on it, one below has its top a little under it.

#include <string_view>

#include "graphics/canvas.h"

namespace spanlyx {

inline constexpr double kValueMarkFontSize = 6;

enum class MarkSide { Above, Below };

// x and curve_y in the area's user units; the font of the marks must be in force.
void write_value_mark(Canvas& canvas, double x, double curve_y, MarkSide side,
                      std::string_view text);

}  // namespace spanlyx
