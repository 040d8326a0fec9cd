#pragma once
// One drawing area of the results window (`loading`, `vmd_vmd`, `vmd_vmd_m`, `vmd_vmd_d`): it
// shows a picture drawn for its size and tells the window when it is resized and where the
// mouse is pressed over it.

#include <QImage>
#include <QWidget>

namespace spanlyx {

class DiagramArea final : public QWidget {
    Q_OBJECT
  public:
    DiagramArea(const QString& name, QSize design_size, QWidget* parent = nullptr);

    // Shown until the next picture; one drawn for another size is stretched meanwhile.
    void set_picture(QImage picture);
    const QImage& picture() const { return picture_; }
    bool picture_fits() const;
    void set_background(const QColor& colour);

    QSize sizeHint() const override { return design_size_; }
    QSize minimumSizeHint() const override;

  signals:
    // Horizontal position of the press and the width of the area, in the same pixels.
    void pressed(double x, double width);
    void resized();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QSize design_size_;
    QImage picture_;
    QColor background_;
};

}  // namespace spanlyx
