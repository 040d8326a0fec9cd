// The load value fields P, W1, W2 and M: stored as typed, and the move on to the next empty
// load (and from M to the next span still without length) when they are left.

#include "ui/workflow/field_rules.h"
#include "ui/workflow/load_lists.h"
#include "ui/workflow/navigation.h"
#include "ui/workflow/sketch_refresh.h"

namespace spanlyx {
namespace {

LoadKind kind_of(Control field) {
    switch (field) {
        case Control::ptext:
            return LoadKind::Point;
        case Control::momenttext:
            return LoadKind::Moment;
        default:
            return LoadKind::Uniform;
    }
}

// Stores the typed value into the shown load; false when no load is shown.
bool store_value(EntryContext& c, Control field, const std::string& typed) {
    const bool sign_only = typed == "-" || typed == ".";
    const double value = sign_only ? 0.0 : c.value(field);
    switch (field) {
        case Control::ptext:
            if (PointLoad* load = c.current_point()) {
                load->load = sign_only ? HeldNumber::computed(0) : HeldNumber::typed(typed);
                return true;
            }
            return false;
        case Control::uniformtext:
        case Control::uniformtext2:
            if (UniformLoad* load = c.current_uniform()) {
                (field == Control::uniformtext ? load->w1 : load->w2) = value;
                return true;
            }
            return false;
        case Control::momenttext:
            if (MomentLoad* load = c.current_moment()) {
                load->value = value;
                return true;
            }
            return false;
        default:
            return false;
    }
}

// The next load of the list is still empty, in the sense each value field's leave rule uses.
bool next_load_unused(EntryContext& c, LoadKind kind, int next) {
    const Span& span = c.span();
    const auto k = static_cast<std::size_t>(next - 1);
    switch (kind) {
        case LoadKind::Point:
            return span.points[k].load.value == 0;
        case LoadKind::Uniform:
            return span.uniforms[k].x1 == 0 && span.uniforms[k].x2 == 0;
        case LoadKind::Moment:
            return span.moments[k].value == 0;
    }
    return false;
}

void advance_to_unused_load(EntryContext& c, LoadKind kind) {
    if (!c.has_span())
        return;
    const int current = c.state.current_load[kind_index(kind)];
    if (current < 1 || current >= load_count(c.span(), kind))
        return;
    if (next_load_unused(c, kind, current + 1))
        next_load(c, kind);
}

}  // namespace

void load_value_changed(EntryContext& c, Control field) {
    c.mark_unsaved();
    const std::string typed = c.text(field);
    if (typed.empty())
        return;  // an emptied field leaves the stored value as it was
    if (!store_value(c, field, typed))
        return;
    if (field != Control::uniformtext && c.every_span_has_length())
        c.enable(Control::vm, true);
    refresh_sketch(c);
}

void load_value_left(EntryContext& c, Control field) {
    const LoadKind kind = kind_of(field);
    advance_to_unused_load(c, kind);
    if (kind != LoadKind::Moment)
        return;
    const int next_span_number = c.state.current_span + 1;
    if (c.has_span() && next_span_number <= c.span_count() &&
        c.beam.spans[static_cast<std::size_t>(next_span_number - 1)].length.value == 0) {
        next_span_clicked(c);
    }
}

}  // namespace spanlyx
