#pragma once
// The entry workflow of the main window without widgets: the window forwards its events here and
// applies the actions that come back, in order. The fields are a view on the beam: every rule
// stores what is typed into the Beam at once.
//
// Contract with the window:
// - apply the actions with the widgets' signals blocked; a SetText from a rule already ran that
//   field's change rule here;
// - focus moves made by actions are not forwarded as field_left or field_entered;
// - show each ShowMessage modally when it is reached, then go on with the next action.

#include <string_view>

#include "model/beam.h"
#include "model/settings.h"
#include "model/units.h"
#include "ui/workflow/actions.h"
#include "ui/workflow/entry_state.h"
#include "ui/workflow/load_slots.h"

namespace spanlyx {

class EntryWorkflow {
  public:
    EntryWorkflow(Beam& beam, Settings& settings);

    // Start-up: the captions of the beam's unit system, the release-box text, the load fields
    // disabled and out of the tab order, the I-entry mode, the check box from the settings.
    Actions start_up();

    // A key typed in a field; `key` is the character code (Backspace 8, Enter 13).
    KeyResult key_typed(Control field, int key);
    // The engineer changed a field's text (typing, pasting, dropping, deleting, undoing).
    Actions text_changed(Control field, std::string_view typed);
    Actions field_entered(Control field);
    Actions field_left(Control field);
    // Command7, Command8, nextjoint, Command3, Command4, Command5, and the support options
    // jyfixed, jyfree, jyspring, jzfixed, jzfree, jzspring (an option button reports its click
    // with itself as the chosen one).
    Actions button_clicked(Control button);
    // Check1, with the state it has after the click.
    Actions first_span_ei_clicked(bool checked);
    // Combo1: an entry of the list chosen.
    Actions release_chosen(Release release);
    // uniformcase, pointcase, momentcase: the case chosen for the list's shown load.
    Actions load_case_chosen(LoadKind kind, LoadCase load_case);
    // The six Units menu handlers.
    Actions unit_system_chosen(UnitSystem system);
    // The I-entry choice window: Option1 (I from b and d) or Option2 (I typed).
    Actions inertia_option_chosen(Control option);
    // The option the choice window selects when it opens.
    Control inertia_option() const;

    // After a beam file has been read into the beam: the fields follow the file, walking through
    // spans and joints and ending on span 1 and joint 1.
    Actions show_beam_after_open();
    // New: the beam's spans, loads, counts, joints, comments and combinations reset, every
    // entry field emptied.
    Actions reset();

    // State the window or the file commands read.
    const std::string& text(Control control) const { return state_.texts[index_of(control)]; }
    bool enabled(Control control) const { return state_.enabled[index_of(control)]; }
    bool tab_stop(Control control) const { return state_.tab_stop[index_of(control)]; }
    bool visible(Control control) const { return state_.visible[index_of(control)]; }
    bool checked(Control control) const { return state_.checked[index_of(control)]; }
    int current_span() const { return state_.current_span; }
    int current_joint() const { return state_.current_joint; }
    int current_load(LoadKind kind) const;
    bool sketch_live() const { return state_.sketch_live; }
    bool calculate_enabled() const { return enabled(Control::vm); }

    SaveState save_state() const { return state_.save_state; }
    void set_save_state(SaveState state) { state_.save_state = state; }
    // While "Input/Output Info" or "File: Extra Output" is open, leaving an empty number of
    // spans is not reported.
    void set_option_dialog_open(bool open) { state_.option_dialog_open = open; }

  private:
    Beam& beam_;
    Settings& settings_;
    EntryState state_;
    LoadSlots slots_;

    template <class Rule>
    Actions run(Rule rule);
    void start_state(Actions& out);
};

}  // namespace spanlyx
