#include "ui/sketch_view.h"

#include <QPainter>

#include "graphics/input_sketch.h"
#include "model/beam.h"
#include "model/settings.h"
#include "ui/painter_canvas.h"

namespace spanlyx {

SketchView::SketchView(const Beam& beam, const Settings& settings, QWidget* parent)
    : QWidget(parent), beam_(beam), settings_(settings) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SketchView::set_drawn(bool drawn) {
    drawn_ = drawn;
    update();
}

void SketchView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
    painter.fillRect(rect(), Qt::white);
    if (drawn_) {
        PainterCanvas canvas(painter, area);
        draw_span(canvas, beam_, settings_.patterns().load);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace spanlyx
