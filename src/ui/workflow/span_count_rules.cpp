// The number-of-spans field and the total-length field.

#include <cmath>
#include <optional>

#include "model/number_text.h"
#include "ui/workflow/decimal_rule.h"
#include "ui/workflow/field_rules.h"
#include "ui/workflow/navigation.h"
#include "ui/workflow/support_rules.h"

namespace spanlyx {
namespace {

constexpr std::string_view kNoSpansMessage = "The number of spans must be greater than 0 ";

// The number of spans typed: blank reads as 0; anything but a whole number is unreadable.
std::optional<double> whole_number(std::string_view text) {
    if (trim(text).empty())
        return 0.0;
    const std::optional<double> number = parse_number(text);
    if (!number || *number != std::floor(*number))
        return std::nullopt;
    return number;
}

// Entry starts again on span 1 and joint 1, and the fields show what the model holds for them:
// nothing the engineer saw of another span stays on the screen to be stored into span 1.
void start_entry(EntryContext& c, int count) {
    c.state.sketch_live = false;
    c.enable(Control::vm, false);
    c.enable(Control::next_span, true);
    c.enable(Control::nextjoint, true);
    c.state.current_span = 1;
    c.state.current_joint = 1;
    c.slots.set_span_count(c.beam, count);
    // Every joint starts as a pin: translation fixed, rotation free.
    c.beam.joints.assign(static_cast<std::size_t>(count + 1), Joint{1, 0});
    for (Control control : entry_controls_after_spans()) {
        c.enable(control, true);
        c.set_tab_stop(control, true);
    }
    show_span(c, BlankSpanFocus::Stay);
    show_joint(c);
    // The total length shows the spans the beam now has.
    const double total = c.beam.total_length();
    c.set_text(Control::total_lengthtext, total > 0 ? format_pattern(total, "0.00") : "");
    total_length_changed(c);
    // Spans kept from the earlier count still have their lengths.
    if (c.every_span_has_length())
        c.enable(Control::vm, true);
    // Showing the span and joint may have drawn the sketch; it waits for a span length.
    c.state.sketch_live = false;
    c.clear_sketch();
}

}  // namespace

// A count the beam cannot take (0, or above 40) never stands in the field: the key is refused
// silently and the field keeps the count the beam holds; a field left without a count is
// reported by the leave rule. An empty field (the count being retyped) keeps the spans but
// stops navigation and Calculate.
void spans_changed(EntryContext& c) {
    const std::string typed = c.text(Control::spans);
    const std::optional<double> count = whole_number(typed);
    if (!count) {
        c.message("ERROR IN DATA ENTRY FOR <NUMBER OF SPANS> (ex ascii character entered)");
        c.refuse_change();
        return;
    }
    if (*count > kMaxSpans || (*count == 0 && !trim(typed).empty())) {
        c.refuse_change();
        return;
    }
    c.mark_unsaved();
    c.beam.spans_text = typed;
    c.clear_sketch();
    if (*count > 0) {
        start_entry(c, static_cast<int>(*count));
        return;
    }
    c.enable(Control::next_span, false);
    c.enable(Control::nextjoint, false);
    c.enable(Control::vm, false);
}

// An empty count keeps Tab on the field until spans exist.
void spans_entered(EntryContext& c) {
    const std::string& typed = c.text(Control::spans);
    if (!typed.empty() && typed != ".")
        return;
    for (Control control : entry_controls_after_spans())
        c.set_tab_stop(control, false);
}

void spans_left(EntryContext& c) {
    if (c.value(Control::spans) != 0 || c.text(Control::spans) == " ")
        return;
    if (c.state.option_dialog_open)
        return;
    c.message(std::string(kNoSpansMessage));
    c.focus(Control::spans);
}

void total_length_changed(EntryContext& c) {
    c.mark_unsaved();
    c.state.total = c.value(Control::total_lengthtext);
}

// The total length allows hundredths in every system. Its decimal message is the span length's.
void total_length_left(EntryContext& c) {
    const std::string& typed = c.text(Control::total_lengthtext);
    if (typed.find('.') == std::string::npos)
        return;
    if (breaks_decimal_rule(typed, kTotalLengthDecimals)) {
        decimal_rule_failed(c, Control::total_lengthtext, kSpanLengthDecimalMessage);
    }
}

}  // namespace spanlyx
