#pragma once
// Applies the entry workflow's answers to the widgets, in order: each widget's signals are
// blocked while it changes, so nothing applied here runs a rule again, and focus moves made
// here are not reported back as a field left or entered. Messages are shown modally where they
// stand in the order.

#include <functional>

#include "ui/control_map.h"
#include "ui/workflow/actions.h"

namespace spanlyx {

class Prompter;

class ActionApplier {
  public:
    struct Hooks {
        std::function<void()> focus_next;        // Enter acts as Tab
        std::function<void(bool drawn)> sketch;  // draw (true) or clear (false) the sketch
        std::function<void()> write_settings;    // sx.ini now
    };

    ActionApplier(const ControlMap& controls, Prompter& prompter, Hooks hooks);

    void apply(const Actions& actions);
    // True while actions are being applied: focus events then come from the applier itself.
    bool applying() const { return depth_ > 0; }

  private:
    void apply_one(const Action& action);
    void focus(Control control, bool select_all);

    const ControlMap& controls_;
    Prompter& prompter_;
    Hooks hooks_;
    int depth_ = 0;
};

}  // namespace spanlyx
