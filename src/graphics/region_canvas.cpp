#include "graphics/region_canvas.h"

#include <cassert>
#include <cmath>

namespace spanlyx {

RegionCanvas::RegionCanvas(Canvas& parent, double parent_scale_width, const AreaScale& rect)
    : parent_(parent),
      parent_scale_width_(parent_scale_width),
      rect_(rect),
      // Until a scale is set, the region's units are the parent's.
      scale_{0, 0, rect.width, rect.height} {
    assert(parent_scale_width != 0 && rect.width != 0 && rect.height != 0);
}

void RegionCanvas::set_scale(double left, double top, double width, double height) {
    assert(width != 0 && height != 0);
    scale_ = {left, top, width, height};
}

void RegionCanvas::set_pen(Rgb colour, double width_pixels) {
    parent_.set_pen(colour, width_pixels);
}

void RegionCanvas::set_line_style(LineStyle style) {
    parent_.set_line_style(style);
}

void RegionCanvas::set_font_size(double points) {
    parent_.set_font_size(points);
}

double RegionCanvas::parent_x(double x) const {
    return rect_.left + (x - scale_.left) * x_factor();
}

double RegionCanvas::parent_y(double y) const {
    return rect_.top + (y - scale_.top) * y_factor();
}

void RegionCanvas::line(double x1, double y1, double x2, double y2) {
    parent_.line(parent_x(x1), parent_y(y1), parent_x(x2), parent_y(y2));
}

// Radii are horizontal lengths, as on every canvas.
void RegionCanvas::circle(double cx, double cy, double radius) {
    parent_.circle(parent_x(cx), parent_y(cy), radius * std::abs(x_factor()));
}

// Where the region turns the y axis over against the parent, angles turn over with it.
void RegionCanvas::arc(double cx, double cy, double radius, double start, double end) {
    const bool turned = (x_factor() < 0) != (y_factor() < 0);
    parent_.arc(parent_x(cx), parent_y(cy), radius * std::abs(x_factor()), turned ? -start : start,
                turned ? -end : end);
}

void RegionCanvas::text(double x, double y, std::string_view text) {
    parent_.text(parent_x(x), parent_y(y), text);
}

TextExtent RegionCanvas::text_extent(std::string_view text) const {
    const TextExtent extent = parent_.text_extent(text);
    return {extent.width / std::abs(x_factor()), extent.height / std::abs(y_factor())};
}

double RegionCanvas::device_width_pixels() const {
    return parent_.device_width_pixels() * std::abs(rect_.width / parent_scale_width_);
}

}  // namespace spanlyx
