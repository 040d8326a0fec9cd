#pragma once
// A canvas that draws nothing and remembers every call in order, with the pen and font in force
// at each drawing call, so that tests can ask what was drawn and where.
//
// Its text extent approximates a font: every character is a fixed cell 0.6 x the font size
// pixels wide and 1.2 x the font size pixels high on a device of a configurable size (800 x 200
// pixels by default), converted to user units through the current scale. Real fonts differ;
// the approximation only makes label placement deterministic.

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "graphics/canvas.h"

namespace spanlyx {

struct ScaleCall {
    double left = 0, top = 0, width = 0, height = 0;
};
struct ClearCall {};
struct PenCall {
    Rgb colour;
    double width = 0;
};
struct LineStyleCall {
    LineStyle style = LineStyle::Solid;
};
struct FontCall {
    double points = 0;
};
struct LineCall {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Rgb colour;
    double pen_width = 0;
    LineStyle style = LineStyle::Solid;
};
struct CircleCall {
    double cx = 0, cy = 0, radius = 0;
    Rgb colour;
    double pen_width = 0;
    LineStyle style = LineStyle::Solid;
};
struct ArcCall {
    double cx = 0, cy = 0, radius = 0, start = 0, end = 0;
    Rgb colour;
    double pen_width = 0;
    LineStyle style = LineStyle::Solid;
};
struct TextCall {
    double x = 0, y = 0;  // top-left corner, user units
    std::string text;
    Rgb colour;
    double font_size = 0;
};

using CanvasCall = std::variant<ScaleCall, ClearCall, PenCall, LineStyleCall, FontCall, LineCall,
                                CircleCall, ArcCall, TextCall>;

class RecordingCanvas final : public Canvas {
  public:
    static constexpr double kDefaultDeviceWidth = 800;
    static constexpr double kDefaultDeviceHeight = 200;
    static constexpr double kCellWidthPerPoint = 0.6;
    static constexpr double kCellHeightPerPoint = 1.2;

    explicit RecordingCanvas(double device_width = kDefaultDeviceWidth,
                             double device_height = kDefaultDeviceHeight);

    void set_scale(double left, double top, double width, double height) override;
    void clear() override;
    void set_pen(Rgb colour, double width_pixels) override;
    void set_line_style(LineStyle style) override;
    void set_font_size(double points) override;
    void line(double x1, double y1, double x2, double y2) override;
    void circle(double cx, double cy, double radius) override;
    void arc(double cx, double cy, double radius, double start, double end) override;
    void text(double x, double y, std::string_view text) override;
    TextExtent text_extent(std::string_view text) const override;
    double device_width_pixels() const override { return device_width_; }

    // Every call so far, in order.
    const std::vector<CanvasCall>& calls() const { return calls_; }
    // Forgets the recorded calls; the scale, pen and font stay in force.
    void reset_recording() { calls_.clear(); }

    std::vector<LineCall> lines() const;
    std::vector<LineCall> lines(Rgb colour, double pen_width) const;
    std::vector<LineCall> lines(LineStyle style) const;
    std::vector<CircleCall> circles() const;
    std::vector<ArcCall> arcs() const;
    std::vector<TextCall> texts() const;
    std::vector<ScaleCall> scales() const;
    std::size_t clear_count() const;

    // Lines joining the two points, in either direction, to within the tolerance.
    std::vector<LineCall> lines_between(double x1, double y1, double x2, double y2,
                                        double tolerance = 1e-9) const;
    bool has_line(double x1, double y1, double x2, double y2, double tolerance = 1e-9) const {
        return !lines_between(x1, y1, x2, y2, tolerance).empty();
    }
    // Circles about the centre with the radius, to within the tolerance.
    std::vector<CircleCall> circles_at(double cx, double cy, double radius,
                                       double tolerance = 1e-9) const;
    // The texts drawn with exactly this content.
    std::vector<TextCall> texts_equal(std::string_view content) const;

  private:
    template <typename Call>
    std::vector<Call> all_of() const;

    double device_width_;
    double device_height_;
    ScaleCall scale_;
    Rgb pen_colour_ = kBlack;
    double pen_width_ = 1;
    LineStyle line_style_ = LineStyle::Solid;
    double font_size_ = 8;
    std::vector<CanvasCall> calls_;
};

}  // namespace spanlyx
