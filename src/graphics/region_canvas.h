#pragma once
// A rectangle of another canvas with a user coordinate system of its own, so that a drawing
// made for a whole drawing area can be placed on part of a printed page.

#include "graphics/canvas.h"
#include "graphics/diagram_scales.h"

namespace spanlyx {

class RegionCanvas final : public Canvas {
  public:
    // rect: left, top, width and height in the parent's user units; parent_scale_width: the
    // width of the parent's user scale, which spans its device width.
    RegionCanvas(Canvas& parent, double parent_scale_width, const AreaScale& rect);

    void set_scale(double left, double top, double width, double height) override;
    // The parent is not cleared: the region is part of a page drawn once.
    void clear() override {}
    void set_pen(Rgb colour, double width_pixels) override;
    void set_line_style(LineStyle style) override;
    void set_font_size(double points) override;
    void line(double x1, double y1, double x2, double y2) override;
    void circle(double cx, double cy, double radius) override;
    void arc(double cx, double cy, double radius, double start, double end) override;
    void text(double x, double y, std::string_view text) override;
    TextExtent text_extent(std::string_view text) const override;
    double device_width_pixels() const override;

    // A point of the region's user system in the parent's.
    double parent_x(double x) const;
    double parent_y(double y) const;

  private:
    double x_factor() const { return rect_.width / scale_.width; }
    double y_factor() const { return rect_.height / scale_.height; }

    Canvas& parent_;
    double parent_scale_width_;
    AreaScale rect_;
    AreaScale scale_;
};

}  // namespace spanlyx
