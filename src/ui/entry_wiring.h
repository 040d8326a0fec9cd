#pragma once
// Forwards the entry window's events to the entry workflow and hands its answers to the
// applier: keys typed into the fields (a refused key never reaches the field), text edits made
// by the engineer, a field entered or left, and the clicks of the buttons, option buttons, the
// check box, the release box and the case boxes of the load lists.

#include <QObject>

#include "ui/workflow/controls.h"

namespace spanlyx {

class ActionApplier;
class ControlMap;
class EntryWorkflow;

class EntryWiring final : public QObject {
    Q_OBJECT
  public:
    EntryWiring(EntryWorkflow& workflow, ActionApplier& applier, const ControlMap& controls,
                QObject* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void connect_fields();
    void connect_buttons();
    bool key_pressed(Control control, QEvent* event);
    bool focus_changed(Control control, QObject* watched, QEvent* event);

    EntryWorkflow& workflow_;
    ActionApplier& applier_;
    const ControlMap& controls_;
};

}  // namespace spanlyx
