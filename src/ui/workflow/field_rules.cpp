#include "ui/workflow/field_rules.h"

#include <optional>

#include "model/number_text.h"
#include "ui/workflow/joint_values.h"
#include "ui/workflow/load_lists.h"
#include "ui/workflow/navigation.h"

namespace spanlyx {
namespace {

std::optional<LoadKind> load_kind_of(Control field) {
    for (LoadKind kind : kLoadKindsShown) {
        for (Control each : load_list(kind).fields) {
            if (each == field)
                return kind;
        }
    }
    return std::nullopt;
}

// A text that stores nothing: an empty field, and "." in a position field.
bool stores_nothing(Control field, const std::string& text) {
    const bool position = field == Control::pxtext || field == Control::uniformx1text ||
                          field == Control::uniformx2text || field == Control::momentxtext;
    return text.empty() || (position && text == ".");
}

// An emptied load field stores nothing (the engineer may be retyping it), so when it is left
// that way it shows again what the load holds: the field never hides a stored value.
void show_kept_load_value(EntryContext& c, Control field) {
    const std::optional<LoadKind> kind = load_kind_of(field);
    if (!kind || !stores_nothing(field, c.text(field)) || !c.has_span())
        return;
    const int current = c.state.current_load[kind_index(*kind)];
    if (current < 1 || current > load_count(c.span(), *kind))
        return;
    const std::string kept = load_field_text(c, field);
    if (leading_value(kept) != 0)
        c.set_text(field, kept);
    else if (c.text(field) == ".")
        c.set_text(field, "");
}

}  // namespace

void run_change_rule(EntryContext& c, Control field) {
    switch (field) {
        case Control::spans:
            spans_changed(c);
            break;
        case Control::total_lengthtext:
            total_length_changed(c);
            break;
        case Control::spanlengthtext:
            span_length_changed(c);
            break;
        case Control::spanwidthtext:
        case Control::spandepthtext:
            section_changed(c, field);
            break;
        case Control::moi:
            inertia_changed(c);
            break;
        case Control::spanetext:
            modulus_changed(c);
            break;
        case Control::points:
            load_count_changed(c, LoadKind::Point);
            break;
        case Control::uniforms:
            load_count_changed(c, LoadKind::Uniform);
            break;
        case Control::moments:
            load_count_changed(c, LoadKind::Moment);
            break;
        case Control::ptext:
        case Control::uniformtext:
        case Control::uniformtext2:
        case Control::momenttext:
            load_value_changed(c, field);
            break;
        case Control::pxtext:
        case Control::uniformx1text:
        case Control::uniformx2text:
        case Control::momentxtext:
            distance_changed(c, field);
            break;
        case Control::kytext:
        case Control::kztext:
        case Control::settlementtext:
        case Control::rotationtext:
            joint_value_changed(c, field);
            break;
        default:
            break;  // the release box and labels have no change rule
    }
}

void run_leave_rule(EntryContext& c, Control field) {
    show_kept_load_value(c, field);
    switch (field) {
        case Control::spans:
            spans_left(c);
            break;
        case Control::total_lengthtext:
            total_length_left(c);
            break;
        case Control::spanlengthtext:
            span_length_left(c);
            break;
        case Control::moi:
            inertia_left(c);
            break;
        case Control::spanetext:
            modulus_left(c);
            break;
        case Control::Combo1:
            release_left(c);
            break;
        case Control::uniforms:
            uniform_count_left(c);
            break;
        case Control::ptext:
        case Control::uniformtext2:
        case Control::momenttext:
            load_value_left(c, field);
            break;
        case Control::pxtext:
        case Control::uniformx1text:
        case Control::uniformx2text:
        case Control::momentxtext:
            distance_left(c, field);
            break;
        default:
            break;
    }
}

void run_enter_rule(EntryContext& c, Control field) {
    if (field == Control::spans)
        spans_entered(c);
}

}  // namespace spanlyx
