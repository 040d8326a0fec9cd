#include "ui/workflow/first_span_ei.h"

#include <cassert>

#include "model/number_text.h"
#include "model/units.h"

namespace spanlyx {
namespace {

void copy_ei(Span& to, const Span& from) {
    to.inertia = from.inertia;
    to.modulus = from.modulus;
}

// I and E of the shown span in entry units; their fields' change rules store them again.
void show_shown_span_ei(EntryContext& c) {
    const double inertia = inertia_to_entry(c.beam.units, c.span().inertia);
    const double modulus = modulus_to_entry(c.beam.units, c.span().modulus.value);
    c.set_text(Control::moi, general_number(inertia));
    c.set_text(Control::spanetext, general_number(modulus));
}

}  // namespace

void first_span_ei_clicked(EntryContext& c, bool checked) {
    c.state.checked[index_of(Control::Check1)] = checked;
    c.settings.use_first_span_ei = checked;
    c.beam.use_first_span_ei = checked;
    if (checked && c.state.current_span >= 2 && c.has_span()) {
        for (std::size_t s = 1; s < c.beam.spans.size(); ++s) {
            copy_ei(c.beam.spans[s], c.beam.spans[0]);
        }
        c.beam.inertia_entered = true;
        c.mark_unsaved();
        show_shown_span_ei(c);
    }
    c.write_settings();
}

void copy_previous_span_ei(EntryContext& c) {
    assert(c.state.current_span >= 2 && c.has_span());
    const auto shown = static_cast<std::size_t>(c.state.current_span - 1);
    copy_ei(c.beam.spans[shown], c.beam.spans[shown - 1]);
    c.beam.inertia_entered = true;
    show_shown_span_ei(c);
}

}  // namespace spanlyx
