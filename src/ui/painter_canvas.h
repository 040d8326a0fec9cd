#pragma once
// The Canvas drawn through QPainter: on a widget, a QImage or a printer page. User coordinates
// map linearly onto the target rectangle; circles and arcs keep their radius in horizontal
// units and stay round on the device.

#include <QFont>
#include <QPainter>
#include <QRectF>

#include "graphics/canvas.h"

namespace spanlyx {

class PainterCanvas final : public Canvas {
  public:
    PainterCanvas(QPainter& painter, const QRectF& target);

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
    double device_width_pixels() const override;

    void set_background(const QColor& colour) { background_ = colour; }

  private:
    QPointF map(double x, double y) const;
    double radius_pixels(double radius) const;
    void apply_pen();

    QPainter& painter_;
    QRectF target_;
    double left_ = 0, top_ = 0, width_ = 1, height_ = 1;
    QColor background_ = Qt::white;
    QFont font_;
    Rgb pen_colour_ = kBlack;
    double pen_width_ = 1;
    LineStyle line_style_ = LineStyle::Solid;
};

}  // namespace spanlyx
