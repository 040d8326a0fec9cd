// Width, depth, moment of inertia, modulus and release of the shown span.

#include <string>

#include "model/number_text.h"
#include "model/units.h"
#include "ui/workflow/field_rules.h"
#include "ui/workflow/navigation.h"
#include "ui/workflow/span_requirement.h"

namespace spanlyx {
namespace {

bool no_number(const std::string& typed) {
    return typed.empty() || typed == ".";
}

// The E field's text into the model as typed. The text that showing the span put there is the
// model's own value, not typing: the model keeps what it holds, so that an E read from a file
// as " 2.9E+07 " is echoed in the report and saved again as it was read.
void hold_typed_modulus(EntryContext& c, const std::string& text) {
    HeldNumber& held = c.span().modulus;
    if (no_number(text)) {
        held = HeldNumber::computed(0);
    } else if (held.value == 0 || text != shown_modulus(c.beam.units, held.value)) {
        held = HeldNumber::typed(text);
    }
}

}  // namespace

// Without spans the field takes nothing: it keeps the text it had (empty before any span
// exists) and the focus goes to the number of spans. The beam decides, not the count field's
// text: while the engineer retypes the count, the beam keeps its spans and the fields show them.
bool spans_missing_on_change(EntryContext& c, Control) {
    if (c.span_count() > 0)
        return false;
    c.refuse_change();
    c.focus(Control::spans);
    return true;
}

bool spans_missing_on_leave(EntryContext& c) {
    if (c.span_count() > 0)
        return false;
    c.message("You need to Enter The Number Of Spans First!");
    return true;
}

void section_changed(EntryContext& c, Control field) {
    c.mark_unsaved();
    if (!c.has_span())
        return;
    const double typed = no_number(c.text(field)) ? 0.0 : c.value(field);
    if (field == Control::spanwidthtext) {
        c.span().width = typed;
    } else {
        c.span().depth = typed;
    }
}

// Clearing I also switches the beam to I from width and depth.
void inertia_changed(EntryContext& c) {
    c.mark_unsaved();
    if (spans_missing_on_change(c, Control::moi) || !c.has_span())
        return;
    const std::string& typed = c.text(Control::moi);
    if (no_number(typed)) {
        c.span().inertia = 0;
        c.beam.inertia_entered = false;
        return;
    }
    c.span().inertia = inertia_to_stored(c.beam.units, c.value(Control::moi));
    c.beam.inertia_entered = true;
}

void inertia_left(EntryContext& c) {
    spans_missing_on_leave(c);
}

// Imperial E is kept as typed while it is typed; metric E is scaled when the field is left.
void modulus_changed(EntryContext& c) {
    c.mark_unsaved();
    if (spans_missing_on_change(c, Control::spanetext) || !c.has_span())
        return;
    if (!is_imperial(c.beam.units))
        return;
    hold_typed_modulus(c, c.text(Control::spanetext));
}

void modulus_left(EntryContext& c) {
    if (spans_missing_on_leave(c) || !c.has_span())
        return;
    const double typed = c.value(Control::spanetext);
    if (!is_imperial(c.beam.units)) {
        c.span().modulus = HeldNumber::computed(modulus_to_stored(c.beam.units, typed));
        return;
    }
    // Below 30 the value is millions of psi: the field shows the full number, which stores it.
    const double psi = imperial_entered_modulus(typed);
    if (psi != typed) {
        c.set_text(Control::spanetext, general_number(psi));
        return;
    }
    hold_typed_modulus(c, c.text(Control::spanetext));
}

void release_chosen(EntryContext& c, Release release) {
    c.record_text(Control::Combo1, std::string(release_text(release)));
    c.mark_unsaved();
    if (!c.has_span())
        return;
    c.span().release = release;
    c.draw_sketch();
}

void release_left(EntryContext& c) {
    if (c.span_count() == 0)
        return;
    const std::string& typed = c.text(Control::Combo1);
    for (Release release : kReleases) {
        if (typed == release_text(release))
            return;
    }
    c.message("Input must be either No Hinge / Hinge On Left / Hinge On Right / Hinge On Lt & Rt");
    c.focus(Control::Combo1);
}

}  // namespace spanlyx
