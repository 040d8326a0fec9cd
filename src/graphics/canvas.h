#pragma once
// A drawing surface with a user coordinate system: the diagrams, the loading diagram and the
// input sketch are drawn onto it. The window draws through QPainter, tests through a recorder.

#include <string>
#include <string_view>

namespace spanlyx {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};

// How lines, circles and arcs are stroked; texts are never dashed. Live loads are drawn dashed so
// that they stand apart from the dead loads on the same beam.
enum class LineStyle { Solid, Dashed };

struct TextExtent {
    double width = 0;   // in user units
    double height = 0;  // in user units, positive
};

class Canvas {
  public:
    virtual ~Canvas() = default;

    // The user coordinate system: x runs from left to left + width, y from top to top + height
    // (a negative height makes y grow upwards).
    virtual void set_scale(double left, double top, double width, double height) = 0;
    virtual void clear() = 0;
    virtual void set_pen(Rgb colour, double width_pixels) = 0;
    // Stays in force until changed, whatever pen is set; a canvas starts with solid strokes.
    virtual void set_line_style(LineStyle style) = 0;
    virtual void set_font_size(double points) = 0;
    virtual void line(double x1, double y1, double x2, double y2) = 0;
    virtual void circle(double cx, double cy, double radius) = 0;
    // An arc of the circle about (cx, cy), from start to end angle in radians, counterclockwise.
    virtual void arc(double cx, double cy, double radius, double start, double end) = 0;
    // Text with its top-left corner at (x, y) in user units.
    virtual void text(double x, double y, std::string_view text) = 0;
    virtual TextExtent text_extent(std::string_view text) const = 0;
    // Width of the drawing surface in device pixels: curves are thinned to what it can show.
    virtual double device_width_pixels() const = 0;
};

}  // namespace spanlyx
