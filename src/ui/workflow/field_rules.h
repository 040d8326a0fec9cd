#pragma once
// The change, leave and enter rules of the entry fields, by group. The dispatch functions pick
// the rule of a field; each group lives in its own source file.

#include <array>

#include "ui/workflow/entry_context.h"

namespace spanlyx {

// Dispatch (field_rules.cpp).
void run_change_rule(EntryContext& c, Control field);
void run_leave_rule(EntryContext& c, Control field);
void run_enter_rule(EntryContext& c, Control field);

// Number of spans and total length (span_count_rules.cpp).
void spans_changed(EntryContext& c);
void spans_entered(EntryContext& c);
void spans_left(EntryContext& c);
void total_length_changed(EntryContext& c);
void total_length_left(EntryContext& c);

// Span length, section, I, E and release (span_field_rules.cpp, span_length_rule.cpp).
void span_length_changed(EntryContext& c);
void span_length_left(EntryContext& c);
void section_changed(EntryContext& c, Control field);  // width or depth
void inertia_changed(EntryContext& c);
void inertia_left(EntryContext& c);
void modulus_changed(EntryContext& c);
void modulus_left(EntryContext& c);
void release_left(EntryContext& c);
void release_chosen(EntryContext& c, Release release);

inline constexpr std::array<Release, 4> kReleases = {Release::None, Release::Left, Release::Right,
                                                     Release::Both};

// Load counts (load_count_rules.cpp).
void load_count_changed(EntryContext& c, LoadKind kind);
void uniform_count_left(EntryContext& c);

// P, W1, W2 and M (load_value_rules.cpp).
void load_value_changed(EntryContext& c, Control field);
void load_value_left(EntryContext& c, Control field);

// The case boxes of the load lists (load_case_rules.cpp). Every move that shows a load, or
// empties a list, shows its case through show_load_case.
void show_load_case(EntryContext& c, LoadKind kind);
void load_case_chosen(EntryContext& c, LoadKind kind, LoadCase load_case);

// Load positions (distance_rules.cpp).
void distance_changed(EntryContext& c, Control field);
void distance_left(EntryContext& c, Control field);

}  // namespace spanlyx
