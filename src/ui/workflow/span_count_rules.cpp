// The number-of-spans field and the total-length field.

#include <cmath>
#include <optional>

#include "model/number_text.h"
#include "ui/workflow/decimal_rule.h"
#include "ui/workflow/field_rules.h"
#include "ui/workflow/support_rules.h"

namespace spanlyx {
namespace {

// The number of spans typed: blank reads as 0; anything but a whole number is unreadable.
std::optional<double> whole_number(std::string_view text) {
    if (trim(text).empty())
        return 0.0;
    const std::optional<double> number = parse_number(text);
    if (!number || *number != std::floor(*number))
        return std::nullopt;
    return number;
}

void start_entry(EntryContext& c, int count) {
    c.state.sketch_live = false;
    c.enable(Control::vm, false);
    c.enable(Control::next_span, true);
    c.enable(Control::nextjoint, true);
    c.state.current_span = 1;
    c.state.current_joint = 1;
    c.set_caption(Control::spannumber, "1");
    c.set_caption(Control::Jointnumber, "1");
    c.slots.set_span_count(c.beam, count);
    // Every joint starts as a pin: translation fixed, rotation free.
    c.beam.joints.assign(static_cast<std::size_t>(count + 1), Joint{1, 0});
    c.choose_option(Control::jyfixed);
    // The rotation buttons and the release box show what the model holds, so that the joint
    // reads as a pin and Tab through the release box finds a valid entry.
    c.set_checked(Control::jzfree, true);
    c.set_checked(Control::jzfixed, false);
    c.set_text(Control::Combo1, std::string(release_text(c.beam.spans.front().release)));
    for (Control control : entry_controls_after_spans()) {
        c.enable(control, true);
        c.set_tab_stop(control, true);
    }
    total_length_changed(c);
}

}  // namespace

void spans_changed(EntryContext& c) {
    c.mark_unsaved();
    const std::string typed = c.text(Control::spans);
    c.beam.spans_text = typed;
    c.clear_sketch();
    const std::optional<double> count = whole_number(typed);
    if (!count) {
        c.message("ERROR IN DATA ENTRY FOR <NUMBER OF SPANS> (ex ascii character entered)");
        return;
    }
    if (*count > 0 && *count <= kMaxSpans) {
        start_entry(c, static_cast<int>(*count));
        return;
    }
    c.enable(Control::next_span, false);
    c.enable(Control::nextjoint, false);
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
    c.message("The number of spans must be greater than 0 ");
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
