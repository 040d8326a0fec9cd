#include "graphics/value_marks.h"

#include <string>

namespace spanlyx {
namespace {

// A mark below the curve keeps this share of its height clear of it.
constexpr double kBelowGapShare = 1 / 4.5;
// Rows a mark may be moved out by: as many as a diagram area holds over its curve.
constexpr int kFurtherRows = 8;

MarkSide other_side(MarkSide side) {
    return side == MarkSide::Above ? MarkSide::Below : MarkSide::Above;
}

}  // namespace

LabelPlace value_mark_place(const Canvas& canvas, double x, double curve_y, MarkSide side,
                            std::string_view text) {
    const TextExtent extent = canvas.text_extent(text);
    // y grows upwards and texts hang from their top edge: a text one line high above the curve
    // has its top one text height ("y" stands for any line of the font) over the curve.
    const double top = side == MarkSide::Above ? curve_y + canvas.text_extent("y").height
                                               : curve_y - extent.height * kBelowGapShare;
    return {x - extent.width / 2, top};
}

void write_value_mark(Canvas& canvas, double x, double curve_y, MarkSide side,
                      std::string_view text) {
    const LabelPlace place = value_mark_place(canvas, x, curve_y, side, text);
    canvas.text(place.left, place.top, text);
}

LabelRequest value_mark_request(const LabelLayout& layout, const Canvas& canvas, double x,
                                double curve_y, MarkSide side, std::string_view text,
                                LabelRank rank) {
    const LabelPlace own = value_mark_place(canvas, x, curve_y, side, text);
    const int outwards = side == MarkSide::Above ? 1 : -1;
    std::vector<LabelPlace> places = layout.stacked(own, text, outwards, kFurtherRows);
    places.insert(places.begin() + 1, value_mark_place(canvas, x, curve_y, other_side(side), text));
    return {std::string(text), std::move(places), rank, LabelAnchor{x, curve_y}};
}

}  // namespace spanlyx
