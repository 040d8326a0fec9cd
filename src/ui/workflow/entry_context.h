#pragma once
// What every entry rule works with: the beam, the settings, the window state, and the list of
// answers for the window. Setting a text here runs that field's change rule, as the window's
// own text change would; setting a support option runs its click rule.

#include <string>
#include <string_view>

#include "model/beam.h"
#include "model/message.h"
#include "model/settings.h"
#include "ui/workflow/actions.h"
#include "ui/workflow/entry_state.h"
#include "ui/workflow/load_slots.h"

namespace spanlyx {

class EntryContext {
  public:
    EntryContext(Beam& beam, Settings& settings, EntryState& state, LoadSlots& slots, Actions& out);

    Beam& beam;
    Settings& settings;
    EntryState& state;
    LoadSlots& slots;

    // Window state.
    const std::string& text(Control control) const { return state.texts[index_of(control)]; }
    double value(Control control) const;  // the leading number of the field's text
    bool checked(Control control) const { return state.checked[index_of(control)]; }

    // The shown span; span() only while has_span().
    bool has_span() const;
    Span& span();
    int span_count() const { return beam.span_count(); }
    bool every_span_has_length() const;
    // The shown load of a list, or null when the list shows none.
    UniformLoad* current_uniform();
    PointLoad* current_point();
    MomentLoad* current_moment();

    // Answers to the window.
    void set_text(Control field, std::string text);     // runs the change rule when it differs
    void record_text(Control field, std::string text);  // no action, no rule
    // The field shows a text the model already holds, without its change rule (a rule that
    // would store it again and also switch a mode, as clearing I does).
    void show_text(Control field, std::string text);
    // The engineer's own change of a field's text: recorded, then its change rule runs.
    void change_text(Control field, std::string text);
    // Called by a change rule that refuses the new text: the model is left as it was, and the
    // field gets back the text it had before the change.
    void refuse_change() { state.change_refused = true; }
    void set_caption(Control label, std::string caption);
    void focus(Control control);  // with its whole text selected; runs the enter rule
    void focus_next();
    void select_all(Control field);
    void enable(Control control, bool on);
    void set_tab_stop(Control control, bool on);
    void set_visible(Control control, bool on);
    void set_checked(Control control, bool on);
    // The window shows this support option chosen and its partner cleared; no action, no rule.
    void record_option(Control option);
    // A support option chosen by a rule: runs its click rule when the choice changes.
    void choose_option(Control option);
    void message(std::string text, std::string_view title = kResponseTitle);
    void clear_sketch();
    void draw_sketch();
    void write_settings();

    void mark_unsaved() { state.save_state = SaveState::Unsaved; }

  private:
    Actions& out_;
    void emit(Action action) { out_.push_back(std::move(action)); }
    // Runs the field's change rule; a refused change puts `previous` back into the field.
    void run_change(Control field, std::string previous);
};

// " " followed by the general number form, as composed messages write their numbers.
std::string blank_number(double value);

}  // namespace spanlyx
