#include "graphics/value_marks.h"

namespace spanlyx {
namespace {

// A mark below the curve keeps this share of its height clear of it.
constexpr double kBelowGapShare = 1 / 4.5;

}  // namespace

void write_value_mark(Canvas& canvas, double x, double curve_y, MarkSide side,
                      std::string_view text) {
    const TextExtent extent = canvas.text_extent(text);
    // y grows upwards and texts hang from their top edge: a text one line high above the curve
    // has its top one text height ("y" stands for any line of the font) over the curve.
    const double top = side == MarkSide::Above ? curve_y + canvas.text_extent("y").height
                                               : curve_y - extent.height * kBelowGapShare;
    canvas.text(x - extent.width / 2, top, text);
}

}  // namespace spanlyx
