#pragma once
// What the entry workflow tells the window to do, in the order the rules did it. The window
// applies each action with its own signals blocked, so nothing it applies runs a rule twice.

#include <string>
#include <vector>

#include "model/message.h"
#include "ui/workflow/controls.h"

namespace spanlyx {

enum class ActionKind {
    SetText,        // a field's or the release box's text
    SetCaption,     // a label's caption
    Focus,          // move the focus to the control and select its whole text
    FocusNext,      // Enter acts as Tab: the next control in tab order
    SelectAll,      // the field just entered has its whole text selected
    Enable,         // enabled or disabled; Control::vm is "Calculate"
    SetTabStop,     // in or out of the tab order
    SetVisible,     // shown or hidden
    SetChecked,     // option button, check box or menu item checked or cleared
    ShowMessage,    // a modal message box; the rule goes on after it is closed
    ClearSketch,    // empty the input sketch
    DrawSketch,     // draw the input sketch from the beam
    WriteSettings,  // write sx.ini now
};

struct Action {
    ActionKind kind = ActionKind::SetText;
    Control control = Control::none;
    std::string text;   // SetText, SetCaption
    bool flag = false;  // Enable, SetTabStop, SetVisible, SetChecked
    Message message;    // ShowMessage

    friend bool operator==(const Action&, const Action&) = default;
};

using Actions = std::vector<Action>;

// The answer to a key typed in a field: whether the field takes the key, and what follows.
struct KeyResult {
    bool accepted = true;
    Actions actions;
};

}  // namespace spanlyx
