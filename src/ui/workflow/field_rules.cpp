#include "ui/workflow/field_rules.h"

namespace spanlyx {

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
        default:
            break;  // the release box and labels have no change rule
    }
}

void run_leave_rule(EntryContext& c, Control field) {
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
