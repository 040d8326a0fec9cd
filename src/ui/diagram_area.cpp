#include "ui/diagram_area.h"

#include <QMouseEvent>
#include <QPainter>

namespace spanlyx {

DiagramArea::DiagramArea(const QString& name, QSize design_size, QWidget* parent)
    : QWidget(parent), design_size_(design_size), background_(Qt::lightGray) {
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setCursor(Qt::CrossCursor);
}

QSize DiagramArea::minimumSizeHint() const {
    return {design_size_.width() / 2, design_size_.height() * 2 / 3};
}

void DiagramArea::set_picture(QImage picture) {
    picture_ = std::move(picture);
    update();
}

bool DiagramArea::picture_fits() const {
    return !picture_.isNull() && picture_.deviceIndependentSize().toSize() == size();
}

void DiagramArea::set_background(const QColor& colour) {
    background_ = colour;
    update();
}

void DiagramArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (picture_.isNull()) {
        painter.fillRect(rect(), background_);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !picture_fits());
    painter.drawImage(QRectF(rect()), picture_);
}

void DiagramArea::mousePressEvent(QMouseEvent* event) {
    // Any button: only the horizontal position matters.
    emit pressed(event->position().x(), width());
    event->accept();
}

void DiagramArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized();
}

}  // namespace spanlyx
