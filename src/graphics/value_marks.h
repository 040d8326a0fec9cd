#pragma once
// Values written onto the diagrams: the largest and smallest value of every span, and the
// values the engineer places with "Plot X". A mark is centred on its beam position; one that
// stands above the curve has its lower edge on it, one below has its top a little under it.

#include <string_view>
#include <vector>

#include "graphics/canvas.h"
#include "graphics/label_layout.h"

namespace spanlyx {

inline constexpr double kValueMarkFontSize = 6;

enum class MarkSide { Above, Below };

// Where a mark stands: x and curve_y in the area's user units; the font of the marks must be
// in force.
LabelPlace value_mark_place(const Canvas& canvas, double x, double curve_y, MarkSide side,
                            std::string_view text);

void write_value_mark(Canvas& canvas, double x, double curve_y, MarkSide side,
                      std::string_view text);

// A mark for the label layout: its own place first, then the other side of the curve, then
// further out on its own side, one text height at a time.
LabelRequest value_mark_request(const LabelLayout& layout, const Canvas& canvas, double x,
                                double curve_y, MarkSide side, std::string_view text,
                                LabelRank rank);

}  // namespace spanlyx
