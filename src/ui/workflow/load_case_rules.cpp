// The case boxes of the load lists: each shows the case of its list's shown load, and a choice
// there is stored into that load, as a typed value is.

#include <string>

#include "ui/workflow/field_rules.h"
#include "ui/workflow/load_lists.h"
#include "ui/workflow/sketch_refresh.h"

namespace spanlyx {
namespace {

// The case of the list's shown load, or null when the list shows none.
LoadCase* shown_case(EntryContext& c, LoadKind kind) {
    if (!c.has_span())
        return nullptr;
    const int current = c.state.current_load[kind_index(kind)];
    if (current < 1 || current > load_count(c.span(), kind))
        return nullptr;
    return &load_case_of(c.span(), kind, current);
}

}  // namespace

void show_load_case(EntryContext& c, LoadKind kind) {
    const LoadCase* held = shown_case(c, kind);
    c.show_text(load_list(kind).case_box,
                std::string(load_case_text(held ? *held : LoadCase::Dead)));
}

// Without a shown load there is nothing to hold the case: the box goes back to the default.
// Choosing the case the load already has changes nothing.
void load_case_chosen(EntryContext& c, LoadKind kind, LoadCase load_case) {
    LoadCase* held = shown_case(c, kind);
    if (!held) {
        show_load_case(c, kind);
        return;
    }
    c.record_text(load_list(kind).case_box, std::string(load_case_text(load_case)));
    if (*held == load_case)
        return;
    *held = load_case;
    c.mark_unsaved();
    refresh_sketch(c);
}

}  // namespace spanlyx
