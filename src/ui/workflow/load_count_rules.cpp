// The three load-count fields: points, uniforms and moments.

#include <cmath>

#include "model/number_text.h"
#include "ui/workflow/field_rules.h"
#include "ui/workflow/load_lists.h"
#include "ui/workflow/navigation.h"
#include "ui/workflow/sketch_refresh.h"

namespace spanlyx {
namespace {

void store_count(EntryContext& c, LoadKind kind, int count, const std::string& typed) {
    if (!c.has_span())
        return;
    c.slots.set_load_count(c.beam, c.state.current_span - 1, kind, count);
    c.span().count_text[kind_index(kind)] = typed;
}

}  // namespace

// A count above the load slots of a span is refused silently, as a key that does not fit: the
// field keeps the count the span holds. A count above 0 shows load 1 as the span holds it.
void load_count_changed(EntryContext& c, LoadKind kind) {
    const LoadListControls& list = load_list(kind);
    const std::string typed = c.text(list.count);
    const double count = std::floor(c.value(list.count));
    if (count > kMaxLoadsPerKind) {
        c.refuse_change();
        return;
    }
    c.mark_unsaved();
    int& current = c.state.current_load[kind_index(kind)];
    if (count <= 0) {
        c.enable(list.next_button, false);
        c.set_caption(list.number, "");
        for (Control field : list.fields)
            c.set_text(field, "");
        current = 0;
        store_count(c, kind, 0, typed);
        show_load_case(c, kind);
    } else {
        c.enable(list.next_button, true);
        current = 1;
        c.set_caption(list.number, "1");
        store_count(c, kind, static_cast<int>(count), typed);
        if (c.has_span())
            show_load_quietly(c, kind);
    }
    refresh_sketch(c);
}

void uniform_count_left(EntryContext& c) {
    if (c.text(Control::uniforms) != "0")
        return;
    c.message("The number of uniform loads cannot be 0 - setting it to a blank");
    c.set_text(Control::uniforms, " ");
    c.focus(Control::uniforms);
}

}  // namespace spanlyx
