// Arrow heads and label placement shared by the load glyphs.

#include <string>

#include "graphics/beam_glyphs.h"
#include "model/number_text.h"

namespace spanlyx::glyphs {

bool at_beam_end(const SpanPlace& span, double x) {
    return span.last && hundredths(x) == hundredths(span.length);
}

void head_at_beam(Canvas& canvas, double x) {
    canvas.line(x - kHeadHalfWidth, kHeadHeight, x, 0);
    canvas.line(x + kHeadHalfWidth, kHeadHeight, x, 0);
}

void head_at_top(Canvas& canvas, double x, double tip) {
    canvas.line(x - kHeadHalfWidth, tip - kHeadHeight, x, tip);
    canvas.line(x + kHeadHalfWidth, tip - kHeadHeight, x, tip);
}

namespace {

// Draws with dashed strokes for a live load and puts solid strokes back after.
template <class Draw>
void in_case_style(Canvas& canvas, LoadCase load_case, Draw draw) {
    if (load_case == LoadCase::Dead) {
        draw();
        return;
    }
    canvas.set_line_style(LineStyle::Dashed);
    draw();
    canvas.set_line_style(LineStyle::Solid);
}

}  // namespace

void load_stroke(Canvas& canvas, LoadCase load_case, double x1, double y1, double x2, double y2) {
    in_case_style(canvas, load_case, [&] { canvas.line(x1, y1, x2, y2); });
}

void load_arc(Canvas& canvas, LoadCase load_case, double cx, double cy, double radius, double start,
              double end) {
    in_case_style(canvas, load_case, [&] { canvas.arc(cx, cy, radius, start, end); });
}

std::string_view case_mark(LoadCase load_case) {
    switch (load_case) {
        case LoadCase::Dead:
            return {};
        case LoadCase::Live:
            return " L";
    }
    return {};
}

void text_with_bottom(Canvas& canvas, double left, double bottom, std::string_view text) {
    canvas.text(left, bottom + canvas.text_extent(text).height, text);
}

void put_load_label(const LoadFrame& frame, double left, double bottom, std::string_view text) {
    if (frame.labels == nullptr) {
        text_with_bottom(frame.canvas, left, bottom, text);
        return;
    }
    // Rows up to the top of the loading area.
    constexpr int kRowsAbove = 10;
    const LabelPlace first{left, bottom + frame.canvas.text_extent(text).height};
    frame.labels->add({std::string(text), frame.labels->stacked(first, text, 1, kRowsAbove),
                       LabelRank::Support, std::nullopt});
}

double label_bottom(int load_number) {
    return load_number % 2 == 0 ? kEvenLabelBottom : kOddLabelBottom;
}

}  // namespace spanlyx::glyphs
