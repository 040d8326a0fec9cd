// The span length field: the running total while it is typed, and the rule that runs when it is
// left (store, total, sketch, loads pulled inside, first-span E and I, decimals).

#include "model/number_text.h"
#include "ui/workflow/decimal_rule.h"
#include "ui/workflow/field_rules.h"
#include "ui/workflow/first_span_ei.h"
#include "ui/workflow/load_trimming.h"
#include "ui/workflow/span_requirement.h"

namespace spanlyx {
namespace {

constexpr std::string_view kTotalPattern = "0.00";

void show_total(EntryContext& c) {
    c.set_text(Control::total_lengthtext, format_pattern(c.state.total, kTotalPattern));
}

}  // namespace

void span_length_changed(EntryContext& c) {
    c.mark_unsaved();
    if (spans_missing_on_change(c, Control::spanlengthtext))
        return;
    c.state.total = c.beam.total_length();
}

void span_length_left(EntryContext& c) {
    if (spans_missing_on_leave(c) || !c.has_span())
        return;
    const std::string typed = c.text(Control::spanlengthtext);
    const double length = c.value(Control::spanlengthtext);

    // An empty, "." or non-positive length is cleared and must be typed again.
    if (!(length > 0) || typed.empty() || typed == ".") {
        c.span().length = HeldNumber::computed(0);
        c.set_text(Control::spanlengthtext, "");
        c.focus(Control::spanlengthtext);
        return;
    }

    if (length == c.span().length.value) {
        show_total(c);
        c.state.sketch_live = true;
    } else {
        c.state.total = c.state.total - c.span().length.value + length;
        show_total(c);
        c.span().length = HeldNumber::typed(typed);
    }

    c.draw_sketch();
    trim_loads_to_span(c);
    if (c.every_span_has_length())
        c.enable(Control::vm, true);

    if (c.state.current_span >= 2 && c.settings.use_first_span_ei) {
        copy_previous_span_ei(c);
        c.focus(Control::uniforms);
    }

    apply_decimal_rule(c, Control::spanlengthtext, kSpanLengthDecimalMessage);
}

}  // namespace spanlyx
