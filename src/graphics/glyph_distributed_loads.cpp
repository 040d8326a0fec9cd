// Distributed loads: a block above the beam whose top line is level, rising
// or falling, with arrows at its ends and quarter points and the end values with the load unit.

#include <algorithm>
#include <cmath>

#include "graphics/beam_glyphs.h"
#include "model/number_text.h"

namespace spanlyx::glyphs {
namespace {

constexpr double kLevelTop = 0.5;  // a uniform load, and the low end of a non-zero slope
constexpr double kHighTop = 0.8;   // the larger end of a trapezoidal load
constexpr double kLabelGap = 0.1;  // between the top of the block and its labels
constexpr int kArrowSpaces = 4;    // arrows at the quarter points between the end lines

struct BlockTops {
    double left = 0;
    double right = 0;
};

// The block rises towards its larger end. Ends are compared by magnitude, so that an upward
// load has the outline of the downward load of the same size, only its arrows reversed; for
// downward loads this is the comparison of w1 with w2. An end whose value is 0 comes down to
// the beam.
BlockTops block_tops(double w1, double w2) {
    const double a1 = std::abs(w1);
    const double a2 = std::abs(w2);
    if (a1 == a2)
        return {kLevelTop, kLevelTop};
    if (a2 > a1)
        return {w1 == 0 ? 0.0 : kLevelTop, kHighTop};
    return {kHighTop, w2 == 0 ? 0.0 : kLevelTop};
}

// A vertical arrow from the top line to the beam, its head at the beam for a downward value and
// at the top line for an upward one. A point where the load is 0 gets no arrow.
void load_arrow(Canvas& canvas, LoadCase load_case, double x, double top, double value) {
    if (value == 0)
        return;
    load_stroke(canvas, load_case, x, top, x, 0);
    if (value > 0) {
        head_at_beam(canvas, x);
    } else {
        head_at_top(canvas, x, top);
    }
}

void draw_labels(const LoadFrame& frame, const UniformLoad& load, double x1, double x2,
                 const BlockTops& tops) {
    Canvas& canvas = frame.canvas;
    const std::string unit =
        std::string(frame.words.distributed) + std::string(case_mark(load.load_case));
    const std::string first = format_pattern(load.w1, frame.values.pattern) + unit;
    if (load.w1 == load.w2) {
        const double width = canvas.text_extent(first).width;
        put_load_label(frame, (x1 + x2) / 2 - width / 2, kLevelTop + kLabelGap, first);
        return;
    }
    // A trapezoidal load: each end value over its own end, both above the higher end.
    const double bottom = std::max(tops.left, tops.right) + kLabelGap;
    const std::string second = format_pattern(load.w2, frame.values.pattern) + unit;
    put_load_label(frame, x1, bottom, first);
    put_load_label(frame, x2 - canvas.text_extent(second).width, bottom, second);
}

}  // namespace

void draw_distributed_loads(const LoadFrame& frame, const SpanPlace& span,
                            const std::vector<UniformLoad>& loads) {
    Canvas& canvas = frame.canvas;
    for (const UniformLoad& load : loads) {
        const double x1 = span.start + load.x1 * frame.xscale;
        const double x2 = span.start + load.x2 * frame.xscale;
        const BlockTops tops = block_tops(load.w1, load.w2);
        load_stroke(canvas, load.load_case, x1, tops.left, x2, tops.right);
        load_arrow(canvas, load.load_case, x1, tops.left, load.w1);
        load_arrow(canvas, load.load_case, x2, tops.right, load.w2);
        for (int q = 1; q < kArrowSpaces; ++q) {
            const double f = static_cast<double>(q) / kArrowSpaces;
            load_arrow(canvas, load.load_case, x1 + (x2 - x1) * f,
                       tops.left + (tops.right - tops.left) * f, load.w1 + (load.w2 - load.w1) * f);
        }
        draw_labels(frame, load, x1, x2, tops);
    }
}

}  // namespace spanlyx::glyphs
