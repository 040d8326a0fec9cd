// Concentrated loads: a vertical arrow with its value and force unit.

#include <cmath>

#include "graphics/beam_glyphs.h"
#include "model/number_text.h"

namespace spanlyx::glyphs {
namespace {

std::string_view whole_or_two_decimals(double load) {
    return std::trunc(load) == load ? "0" : "0.00";
}

// The label is placed by the width of a stand-in text: the value in whole numbers or two
// decimals, two blanks and "#", whatever the pattern and unit, then the case mark. At the right
// end of the beam the label is pushed further left so that it stays inside the picture.
double label_left(Canvas& canvas, double x, const PointLoad& point, bool beam_end) {
    const double load = point.load.value;
    const std::string stand_in = format_pattern(load, whole_or_two_decimals(load)) + "  #" +
                                 std::string(case_mark(point.load_case));
    const double width = canvas.text_extent(stand_in).width;
    return beam_end ? x - width / 1.2 : x - width / 2;
}

}  // namespace

void draw_point_loads(const LoadFrame& frame, const SpanPlace& span,
                      const std::vector<PointLoad>& loads) {
    Canvas& canvas = frame.canvas;
    for (std::size_t k = 0; k < loads.size(); ++k) {
        const double load = loads[k].load.value;
        if (load == 0)
            continue;
        const double x = span.start + loads[k].x * frame.xscale;
        load_stroke(canvas, loads[k].load_case, x, kLoadLineTop, x, 0);
        // Downward loads point at the beam, upward ones away from it.
        if (load > 0) {
            head_at_beam(canvas, x);
        } else {
            head_at_top(canvas, x, kLoadLineTop);
        }
        const std::string_view pattern =
            frame.values.whole_point_loads ? whole_or_two_decimals(load) : frame.values.pattern;
        const std::string label = format_pattern(load, pattern) + std::string(frame.words.force) +
                                  std::string(case_mark(loads[k].load_case));
        const int number = static_cast<int>(k) + 1;
        put_load_label(frame, label_left(canvas, x, loads[k], at_beam_end(span, loads[k].x)),
                       label_bottom(number), label);
    }
}

}  // namespace spanlyx::glyphs
