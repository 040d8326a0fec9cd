#pragma once
// The keyboard habits of the program's windows: Enter sent on as Tab to the next control that
// takes typed input, Return pressing the focused button, Escape closing a viewer window.

class QWidget;

namespace spanlyx {

// Enter in an entry field: the focus goes to the next field or editable list box in the tab
// order that is enabled, shown and in the tab order, drawn with its keyboard focus. Buttons,
// check boxes and choice lists that take no typing are passed over, so that what is typed next
// reaches a field. Where no other field takes
// input (no spans yet), Enter moves on as Tab does, so that the field is still left.
void focus_next_input(QWidget& window);

// Return (or Enter) on a push button of the window presses it, as Space does; dialogs already do
// this for their own buttons.
void press_buttons_on_return(QWidget& window);

// Escape closes the window, unless a child of it (a list popup, a field) takes the key itself.
void close_on_escape(QWidget& window);

}  // namespace spanlyx
