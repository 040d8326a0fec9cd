#pragma once
// The widgets of the entry window and their layout: the beam and span counters at the upper
// left, the joint frames "Y" and "Z" in the middle, span length, I and E at the upper right,
// the three load groups in the middle band, "Calculate" at the lower right and the sketch
// across the bottom. Every widget the workflow reaches is bound to its control.

#include <QWidget>

#include "ui/workflow/controls.h"

class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace spanlyx {

class ControlMap;
class SketchView;
struct Beam;
struct Settings;

class EntryForm final : public QWidget {
    Q_OBJECT
  public:
    EntryForm(const Beam& beam, const Settings& settings, ControlMap& controls,
              QWidget* parent = nullptr);

    SketchView* sketch() const { return sketch_; }

  private:
    QWidget* beam_box();
    QWidget* joint_box();
    QWidget* section_box();
    QGroupBox* uniform_box();
    QGroupBox* point_box();
    QGroupBox* moment_box();
    void set_tab_order();

    // The controls of a support frame "Y" or "Z".
    struct SupportFrameControls {
        Control fixed, free, spring;
        Control stiffness_label, stiffness;
        Control movement_label, movement;
    };
    QGroupBox* support_frame(const QString& title, const SupportFrameControls& frame);

    QLineEdit* field(Control control, QWidget* parent);
    // A caption label; bound to its control unless it is one of the fixed captions.
    QLabel* caption(Control control, const QString& text, QWidget* parent);
    QLabel* counter(Control control, QWidget* parent);
    // The "Dead" / "Live" choice of a load list, with its caption, in the next row of the grid.
    void add_case_box(QGridLayout* grid, int row, Control control, QWidget* parent);
    // A field under its caption in the next two rows of a group's grid.
    void add_pair(QGridLayout* grid, int row, int column, QLabel* label, QWidget* widget);

    ControlMap& controls_;
    SketchView* sketch_ = nullptr;
};

}  // namespace spanlyx
