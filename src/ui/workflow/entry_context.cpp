#include "ui/workflow/entry_context.h"

#include <cassert>

#include "model/number_text.h"
#include "ui/workflow/field_rules.h"
#include "ui/workflow/load_lists.h"
#include "ui/workflow/support_rules.h"

namespace spanlyx {
namespace {

// Rules that set texts or options run further rules; a corrected value can set its own field
// again. The depth stops a chain that would otherwise never settle.
constexpr int kMaxRuleDepth = 16;

template <class T>
T* load_at(std::vector<T>& loads, int number) {
    if (number < 1 || number > static_cast<int>(loads.size()))
        return nullptr;
    return &loads[static_cast<std::size_t>(number - 1)];
}

// Runs a rule from inside another rule unless the chain is already too deep.
template <class Rule>
void nested(EntryState& state, Rule rule) {
    if (state.rule_depth >= kMaxRuleDepth)
        return;
    ++state.rule_depth;
    rule();
    --state.rule_depth;
}

}  // namespace

EntryContext::EntryContext(Beam& beam_, Settings& settings_, EntryState& state_, LoadSlots& slots_,
                           Actions& out)
    : beam(beam_), settings(settings_), state(state_), slots(slots_), out_(out) {}

double EntryContext::value(Control control) const {
    return leading_value(text(control));
}

bool EntryContext::has_span() const {
    return state.current_span >= 1 && state.current_span <= span_count();
}

Span& EntryContext::span() {
    assert(has_span());
    return beam.spans[static_cast<std::size_t>(state.current_span - 1)];
}

bool EntryContext::every_span_has_length() const {
    for (const Span& s : beam.spans) {
        if (s.length.value == 0)
            return false;
    }
    return true;
}

UniformLoad* EntryContext::current_uniform() {
    if (!has_span())
        return nullptr;
    return load_at(span().uniforms, state.current_load[kind_index(LoadKind::Uniform)]);
}

PointLoad* EntryContext::current_point() {
    if (!has_span())
        return nullptr;
    return load_at(span().points, state.current_load[kind_index(LoadKind::Point)]);
}

MomentLoad* EntryContext::current_moment() {
    if (!has_span())
        return nullptr;
    return load_at(span().moments, state.current_load[kind_index(LoadKind::Moment)]);
}

void EntryContext::set_text(Control field, std::string new_text) {
    std::string previous = text(field);
    const bool differs = previous != new_text;
    record_text(field, new_text);
    emit({ActionKind::SetText, field, std::move(new_text), false, {}});
    if (differs)
        nested(state, [&] { run_change(field, std::move(previous)); });
}

void EntryContext::show_text(Control field, std::string new_text) {
    record_text(field, new_text);
    emit({ActionKind::SetText, field, std::move(new_text), false, {}});
}

void EntryContext::change_text(Control field, std::string new_text) {
    std::string previous = text(field);
    record_text(field, std::move(new_text));
    run_change(field, std::move(previous));
}

void EntryContext::run_change(Control field, std::string previous) {
    state.change_refused = false;
    run_change_rule(*this, field);
    if (!state.change_refused)
        return;
    state.change_refused = false;
    show_text(field, std::move(previous));
}

void EntryContext::record_text(Control field, std::string new_text) {
    state.texts[index_of(field)] = std::move(new_text);
}

void EntryContext::set_caption(Control label, std::string caption) {
    state.texts[index_of(label)] = caption;
    emit({ActionKind::SetCaption, label, std::move(caption), false, {}});
}

void EntryContext::focus(Control control) {
    emit({ActionKind::Focus, control, {}, false, {}});
    run_enter_rule(*this, control);
}

void EntryContext::focus_next() {
    emit({ActionKind::FocusNext, Control::none, {}, false, {}});
}

void EntryContext::select_all(Control field) {
    emit({ActionKind::SelectAll, field, {}, false, {}});
}

void EntryContext::enable(Control control, bool on) {
    state.enabled[index_of(control)] = on;
    emit({ActionKind::Enable, control, {}, on, {}});
}

void EntryContext::set_tab_stop(Control control, bool on) {
    state.tab_stop[index_of(control)] = on;
    emit({ActionKind::SetTabStop, control, {}, on, {}});
}

void EntryContext::set_visible(Control control, bool on) {
    state.visible[index_of(control)] = on;
    emit({ActionKind::SetVisible, control, {}, on, {}});
}

void EntryContext::set_checked(Control control, bool on) {
    state.checked[index_of(control)] = on;
    emit({ActionKind::SetChecked, control, {}, on, {}});
}

void EntryContext::choose_option(Control option) {
    const bool changes = !checked(option);
    set_checked(option, true);
    record_option(option);
    if (changes)
        nested(state, [&] { run_support_click(*this, option); });
}

void EntryContext::record_option(Control option) {
    const std::span<const Control> group = support_option_group(option);
    assert(!group.empty() && "not a support option");
    for (Control each : group)
        state.checked[index_of(each)] = each == option;
}

void EntryContext::message(std::string message_text, std::string_view title) {
    Action action{ActionKind::ShowMessage, Control::none, {}, false, {}};
    action.message = {std::move(message_text), std::string(title), MessageIcon::Information};
    emit(std::move(action));
}

void EntryContext::clear_sketch() {
    emit({ActionKind::ClearSketch, Control::none, {}, false, {}});
}

void EntryContext::draw_sketch() {
    emit({ActionKind::DrawSketch, Control::none, {}, false, {}});
}

void EntryContext::write_settings() {
    emit({ActionKind::WriteSettings, Control::none, {}, false, {}});
}

std::string blank_number(double value) {
    return " " + general_number(value);
}

}  // namespace spanlyx
