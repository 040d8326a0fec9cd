#include "ui/workflow/entry_workflow.h"

#include <array>
#include <cassert>
#include <optional>
#include <string>
#include <vector>

#include "model/number_text.h"
#include "ui/workflow/entry_context.h"
#include "ui/workflow/field_rules.h"
#include "ui/workflow/first_span_ei.h"
#include "ui/workflow/key_filters.h"
#include "ui/workflow/load_lists.h"
#include "ui/workflow/navigation.h"
#include "ui/workflow/support_rules.h"
#include "ui/workflow/unit_captions.h"

namespace spanlyx {
namespace {

bool is_support_option(Control control) {
    return !support_option_group(control).empty();
}

constexpr std::array kDisabledAtStart = {Control::nextjoint, Control::Command3, Control::Command4,
                                         Control::Command5,  Control::vm,       Control::next_span};
constexpr std::array kCounters = {Control::spannumber, Control::Jointnumber, Control::pnumber,
                                  Control::unumber, Control::mnumber};

}  // namespace

EntryWorkflow::EntryWorkflow(Beam& beam, Settings& settings) : beam_(beam), settings_(settings) {
    beam_.use_first_span_ei = settings_.use_first_span_ei;
}

template <class Rule>
Actions EntryWorkflow::run(Rule rule) {
    Actions out;
    EntryContext c(beam_, settings_, state_, slots_, out);
    rule(c);
    assert(state_.rule_depth == 0);
    return out;
}

// The window as it opens, and as New leaves it: nothing to navigate, loads locked.
void EntryWorkflow::start_state(Actions& out) {
    EntryContext c(beam_, settings_, state_, slots_, out);
    state_.current_span = 0;
    state_.current_joint = 0;
    state_.current_load = {};
    state_.sketch_live = false;
    state_.total = 0;
    c.clear_sketch();
    for (Control control : kDisabledAtStart)
        c.enable(control, false);
    for (Control control : load_controls()) {
        c.enable(control, false);
        c.set_tab_stop(control, false);
    }
    // A joint's values wait for a joint to be shown, and then for its options.
    for (Control field : joint_value_fields())
        c.enable(field, false);
    for (Control control : {Control::spanetext, Control::spanwidthtext, Control::spandepthtext,
                            Control::Label21, Control::Label22}) {
        c.enable(control, true);
    }
    for (Control counter : kCounters)
        c.set_caption(counter, "");
    for (LoadKind kind : kLoadKindsShown)
        c.show_text(load_list(kind).case_box, std::string(load_case_text(LoadCase::Dead)));
}

Actions EntryWorkflow::start_up() {
    Actions out;
    EntryContext c(beam_, settings_, state_, slots_, out);
    choose_unit_system(c, beam_.units);
    c.record_text(Control::Combo1, "");
    start_state(out);
    choose_inertia_entry(c, beam_.inertia_entered);
    c.set_checked(Control::Check1, settings_.use_first_span_ei);
    beam_.use_first_span_ei = settings_.use_first_span_ei;
    return out;
}

KeyResult EntryWorkflow::key_typed(Control field, int key) {
    return filter_key(field, key);
}

// A text that is no number in the field's form is refused as a refused key is, whether it was
// typed, pasted, dropped or brought back by undo: the model keeps its value and the field its
// previous text.
Actions EntryWorkflow::text_changed(Control field, std::string_view typed) {
    if (!fits_field_form(field, typed)) {
        return {non_numeric_refusal(field),
                Action{ActionKind::SetText, field, text(field), false, {}}};
    }
    return run([&](EntryContext& c) { c.change_text(field, std::string(typed)); });
}

Actions EntryWorkflow::field_entered(Control field) {
    return run([&](EntryContext& c) {
        if (is_text_field(field))
            c.select_all(field);
        run_enter_rule(c, field);
    });
}

Actions EntryWorkflow::field_left(Control field) {
    return run([&](EntryContext& c) { run_leave_rule(c, field); });
}

Actions EntryWorkflow::button_clicked(Control button) {
    return run([&](EntryContext& c) {
        switch (button) {
            case Control::Command7:
                next_span_clicked(c);
                break;
            case Control::Command8:
                last_span_clicked(c);
                break;
            case Control::nextjoint:
                next_joint_clicked(c);
                break;
            case Control::Command3:
                next_load(c, LoadKind::Point);
                break;
            case Control::Command4:
                next_load(c, LoadKind::Uniform);
                break;
            case Control::Command5:
                next_load(c, LoadKind::Moment);
                break;
            default:
                if (is_support_option(button)) {
                    c.record_option(button);
                    run_support_click(c, button);
                }
                break;
        }
    });
}

Actions EntryWorkflow::first_span_ei_clicked(bool checked) {
    return run([&](EntryContext& c) { spanlyx::first_span_ei_clicked(c, checked); });
}

Actions EntryWorkflow::release_chosen(Release release) {
    return run([&](EntryContext& c) { spanlyx::release_chosen(c, release); });
}

Actions EntryWorkflow::load_case_chosen(LoadKind kind, LoadCase load_case) {
    return run([&](EntryContext& c) { spanlyx::load_case_chosen(c, kind, load_case); });
}

// The unit system and the I-entry mode are written into the beam file: choosing another one
// changes a beam that has spans.
Actions EntryWorkflow::unit_system_chosen(UnitSystem system) {
    return run([&](EntryContext& c) {
        if (system != beam_.units && beam_.span_count() > 0)
            c.mark_unsaved();
        choose_unit_system(c, system);
    });
}

Actions EntryWorkflow::inertia_option_chosen(Control option) {
    assert(option == Control::Option1 || option == Control::Option2);
    const bool typed = option == Control::Option2;
    return run([&](EntryContext& c) {
        if (typed != beam_.inertia_entered && beam_.span_count() > 0)
            c.mark_unsaved();
        choose_inertia_entry(c, typed);
    });
}

Control EntryWorkflow::inertia_option() const {
    return beam_.inertia_entered ? Control::Option2 : Control::Option1;
}

int EntryWorkflow::current_load(LoadKind kind) const {
    return state_.current_load[kind_index(kind)];
}

Actions EntryWorkflow::show_beam_after_open() {
    Actions out;
    slots_.clear();
    start_state(out);
    EntryContext c(beam_, settings_, state_, slots_, out);
    choose_unit_system(c, beam_.units);
    choose_inertia_entry(c, beam_.inertia_entered);
    if (beam_.span_count() == 0)
        return out;

    // The number of spans as read starts the entry; the joints as read stay.
    const std::vector<Joint> joints = beam_.joints;
    const std::optional<double> typed_count = parse_number(beam_.spans_text);
    const bool text_fits = typed_count && *typed_count == beam_.span_count();
    c.set_text(Control::spans, text_fits ? beam_.spans_text : general_number(beam_.span_count()));
    beam_.joints = joints;
    beam_.joints.resize(static_cast<std::size_t>(beam_.span_count() + 1), Joint{1, 0});
    const std::optional<double> total = parse_number(beam_.total_length_text);
    c.set_text(Control::total_lengthtext,
               format_pattern(total ? *total : beam_.total_length(), "0.00"));

    walk_opened_beam(c);
    for (LoadKind kind : kLoadKindsShown) {
        const Control count = load_list(kind).count;
        if (c.text(count) == "0")
            c.set_text(count, "");
    }
    // Showing the file changed nothing: the beam counts as changed from the first edit on.
    state_.save_state = SaveState::Unset;
    return out;
}

Actions EntryWorkflow::reset() {
    Actions out;
    beam_.spans.clear();
    beam_.joints.clear();
    beam_.comments = {};
    // The combinations belong to the beam: a new beam starts without them.
    beam_.combinations.clear();
    beam_.spans_text.clear();
    beam_.total_length_text.clear();
    slots_.clear();
    EntryContext c(beam_, settings_, state_, slots_, out);
    for (Control field : text_fields()) {
        c.record_text(field, "");
        out.push_back({ActionKind::SetText, field, {}, false, {}});
    }
    c.record_text(Control::Combo1, "");
    out.push_back({ActionKind::SetText, Control::Combo1, {}, false, {}});
    start_state(out);
    return out;
}

}  // namespace spanlyx
