#pragma once
// The input sketch `loading`: the beam as entered so far, drawn from the beam whenever the
// picture is painted while the workflow has it drawn, so it follows the window's size.

#include <QWidget>

namespace spanlyx {

struct Beam;
struct Settings;

class SketchView final : public QWidget {
    Q_OBJECT
  public:
    SketchView(const Beam& beam, const Settings& settings, QWidget* parent = nullptr);

    // Drawn: the sketch shows the beam from now on; cleared: the picture is empty.
    void set_drawn(bool drawn);
    bool drawn() const { return drawn_; }

    QSize sizeHint() const override { return {900, 220}; }
    QSize minimumSizeHint() const override { return {400, 110}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const Beam& beam_;
    const Settings& settings_;
    bool drawn_ = false;
};

}  // namespace spanlyx
