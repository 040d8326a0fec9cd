#include "ui/painter_canvas.h"

#include <QFontMetricsF>
#include <QPen>
#include <QPolygonF>
#include <QString>
#include <cmath>
#include <numbers>

#include "ui/text_encoding.h"

namespace spanlyx {

PainterCanvas::PainterCanvas(QPainter& painter, const QRectF& target)
    : painter_(painter), target_(target), font_(painter.font()) {
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

void PainterCanvas::set_scale(double left, double top, double width, double height) {
    left_ = left;
    top_ = top;
    width_ = width == 0 ? 1 : width;
    height_ = height == 0 ? 1 : height;
}

void PainterCanvas::clear() {
    painter_.fillRect(target_, background_);
}

void PainterCanvas::set_pen(Rgb colour, double width_pixels) {
    pen_colour_ = colour;
    pen_width_ = width_pixels;
    apply_pen();
}

void PainterCanvas::set_line_style(LineStyle style) {
    line_style_ = style;
    apply_pen();
}

void PainterCanvas::apply_pen() {
    QPen pen(QColor(pen_colour_.red, pen_colour_.green, pen_colour_.blue));
    pen.setWidthF(pen_width_);
    switch (line_style_) {
        case LineStyle::Solid:
            pen.setCapStyle(Qt::RoundCap);
            break;
        case LineStyle::Dashed:
            // Dashes and gaps in pen widths; round caps would close the gaps.
            pen.setDashPattern({4, 3});
            pen.setCapStyle(Qt::FlatCap);
            break;
    }
    painter_.setPen(pen);
}

void PainterCanvas::set_font_size(double points) {
    font_.setPointSizeF(points);
    painter_.setFont(font_);
}

QPointF PainterCanvas::map(double x, double y) const {
    return {target_.left() + (x - left_) / width_ * target_.width(),
            target_.top() + (y - top_) / height_ * target_.height()};
}

double PainterCanvas::radius_pixels(double radius) const {
    return std::fabs(radius / width_ * target_.width());
}

void PainterCanvas::line(double x1, double y1, double x2, double y2) {
    painter_.drawLine(map(x1, y1), map(x2, y2));
}

void PainterCanvas::circle(double cx, double cy, double radius) {
    const double r = radius_pixels(radius);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawEllipse(map(cx, cy), r, r);
}

void PainterCanvas::arc(double cx, double cy, double radius, double start, double end) {
    // Drawn as a polyline through mapped points so the direction follows the user axes.
    const double r = radius_pixels(radius);
    const QPointF centre = map(cx, cy);
    const double x_sign = width_ > 0 ? 1.0 : -1.0;
    const double y_sign = height_ > 0 ? 1.0 : -1.0;
    constexpr int kSegments = 24;
    QPolygonF points;
    for (int i = 0; i <= kSegments; ++i) {
        const double angle = start + (end - start) * i / kSegments;
        points.append(QPointF(centre.x() + x_sign * r * std::cos(angle),
                              centre.y() + y_sign * r * std::sin(angle)));
    }
    // A dashed arc is one polyline, so that its dashes run on round it; a solid one is drawn
    // segment by segment, as it always has been.
    if (line_style_ == LineStyle::Dashed) {
        painter_.drawPolyline(points);
        return;
    }
    for (qsizetype i = 1; i < points.size(); ++i)
        painter_.drawLine(points[i - 1], points[i]);
}

void PainterCanvas::text(double x, double y, std::string_view text) {
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    const QPointF top_left = map(x, y);
    painter_.drawText(QPointF(top_left.x(), top_left.y() + metrics.ascent()), decode_text(text));
}

TextExtent PainterCanvas::text_extent(std::string_view text) const {
    const QFontMetricsF metrics(font_, painter_.device());
    const double w = metrics.horizontalAdvance(decode_text(text));
    const double h = metrics.height();
    return {std::fabs(w / target_.width() * width_), std::fabs(h / target_.height() * height_)};
}

double PainterCanvas::device_width_pixels() const {
    const QPaintDevice* device = painter_.device();
    const double ratio = device != nullptr ? device->devicePixelRatioF() : 1.0;
    return std::fabs(target_.width()) * ratio;
}

}  // namespace spanlyx
