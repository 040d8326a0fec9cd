#pragma once
// "Choice for Calculation of Moment of Interia": I typed per span (Option2) or computed from
// width and depth (Option1). Modeless; the main window keeps one instance.

#include <QDialog>
#include <functional>

#include "ui/workflow/controls.h"

class QRadioButton;

namespace spanlyx {

class InertiaChoiceDialog final : public QDialog {
    Q_OBJECT
  public:
    // `chosen` receives Option1 or Option2 when the engineer picks one.
    InertiaChoiceDialog(std::function<void(Control)> chosen, QWidget* parent = nullptr);

    QRadioButton* typed_option() const { return typed_; }
    QRadioButton* section_option() const { return section_; }
    // Selects the option without reporting it.
    void select(Control option);

  private:
    std::function<void(Control)> chosen_;
    QRadioButton* typed_;
    QRadioButton* section_;
};

}  // namespace spanlyx
