#include "graphics/recording_canvas.h"

#include <cassert>
#include <cmath>

namespace spanlyx {
namespace {

bool near(double a, double b, double tolerance) {
    return std::abs(a - b) <= tolerance;
}

}  // namespace

RecordingCanvas::RecordingCanvas(double device_width, double device_height)
    : device_width_(device_width),
      device_height_(device_height),
      // Until a scale is set, user units are device pixels from the top-left corner.
      scale_{0, 0, device_width, device_height} {
    assert(device_width > 0 && device_height > 0);
}

void RecordingCanvas::set_scale(double left, double top, double width, double height) {
    assert(width != 0 && height != 0);
    scale_ = {left, top, width, height};
    calls_.emplace_back(scale_);
}

void RecordingCanvas::clear() {
    calls_.emplace_back(ClearCall{});
}

void RecordingCanvas::set_pen(Rgb colour, double width_pixels) {
    pen_colour_ = colour;
    pen_width_ = width_pixels;
    calls_.emplace_back(PenCall{colour, width_pixels});
}

void RecordingCanvas::set_line_style(LineStyle style) {
    line_style_ = style;
    calls_.emplace_back(LineStyleCall{style});
}

void RecordingCanvas::set_font_size(double points) {
    font_size_ = points;
    calls_.emplace_back(FontCall{points});
}

void RecordingCanvas::line(double x1, double y1, double x2, double y2) {
    calls_.emplace_back(LineCall{x1, y1, x2, y2, pen_colour_, pen_width_, line_style_});
}

void RecordingCanvas::circle(double cx, double cy, double radius) {
    calls_.emplace_back(CircleCall{cx, cy, radius, pen_colour_, pen_width_, line_style_});
}

void RecordingCanvas::arc(double cx, double cy, double radius, double start, double end) {
    calls_.emplace_back(ArcCall{cx, cy, radius, start, end, pen_colour_, pen_width_, line_style_});
}

void RecordingCanvas::text(double x, double y, std::string_view content) {
    calls_.emplace_back(TextCall{x, y, std::string(content), pen_colour_, font_size_});
}

TextExtent RecordingCanvas::text_extent(std::string_view content) const {
    const double width_pixels =
        static_cast<double>(content.size()) * kCellWidthPerPoint * font_size_;
    const double height_pixels = kCellHeightPerPoint * font_size_;
    return {width_pixels * std::abs(scale_.width) / device_width_,
            height_pixels * std::abs(scale_.height) / device_height_};
}

template <typename Call>
std::vector<Call> RecordingCanvas::all_of() const {
    std::vector<Call> found;
    for (const CanvasCall& call : calls_) {
        if (const Call* c = std::get_if<Call>(&call))
            found.push_back(*c);
    }
    return found;
}

std::vector<LineCall> RecordingCanvas::lines() const {
    return all_of<LineCall>();
}

std::vector<LineCall> RecordingCanvas::lines(Rgb colour, double pen_width) const {
    std::vector<LineCall> found;
    for (const LineCall& l : lines()) {
        if (l.colour == colour && l.pen_width == pen_width)
            found.push_back(l);
    }
    return found;
}

std::vector<LineCall> RecordingCanvas::lines(LineStyle style) const {
    std::vector<LineCall> found;
    for (const LineCall& l : lines()) {
        if (l.style == style)
            found.push_back(l);
    }
    return found;
}

std::vector<CircleCall> RecordingCanvas::circles() const {
    return all_of<CircleCall>();
}
std::vector<ArcCall> RecordingCanvas::arcs() const {
    return all_of<ArcCall>();
}
std::vector<TextCall> RecordingCanvas::texts() const {
    return all_of<TextCall>();
}
std::vector<ScaleCall> RecordingCanvas::scales() const {
    return all_of<ScaleCall>();
}
std::size_t RecordingCanvas::clear_count() const {
    return all_of<ClearCall>().size();
}

std::vector<LineCall> RecordingCanvas::lines_between(double x1, double y1, double x2, double y2,
                                                     double tolerance) const {
    std::vector<LineCall> found;
    for (const LineCall& l : lines()) {
        const bool forward = near(l.x1, x1, tolerance) && near(l.y1, y1, tolerance) &&
                             near(l.x2, x2, tolerance) && near(l.y2, y2, tolerance);
        const bool backward = near(l.x1, x2, tolerance) && near(l.y1, y2, tolerance) &&
                              near(l.x2, x1, tolerance) && near(l.y2, y1, tolerance);
        if (forward || backward)
            found.push_back(l);
    }
    return found;
}

std::vector<CircleCall> RecordingCanvas::circles_at(double cx, double cy, double radius,
                                                    double tolerance) const {
    std::vector<CircleCall> found;
    for (const CircleCall& c : circles()) {
        if (near(c.cx, cx, tolerance) && near(c.cy, cy, tolerance) &&
            near(c.radius, radius, tolerance)) {
            found.push_back(c);
        }
    }
    return found;
}

std::vector<TextCall> RecordingCanvas::texts_equal(std::string_view content) const {
    std::vector<TextCall> found;
    for (const TextCall& t : texts()) {
        if (t.text == content)
            found.push_back(t);
    }
    return found;
}

}  // namespace spanlyx
