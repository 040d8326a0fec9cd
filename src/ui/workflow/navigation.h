#pragma once
// Moving between spans, joints and loads: each move writes the stored values of the newly shown
// item into the fields.

#include <string>

#include "model/beam.h"
#include "ui/workflow/entry_context.h"

namespace spanlyx {

// The E field's text for a stored modulus: the value in the system's entry unit.
std::string shown_modulus(UnitSystem units, double stored);

// Where the focus goes when the shown span has no length yet: to its length field, or nowhere
// (while the engineer is typing the number of spans).
enum class BlankSpanFocus { Move, Stay };

// Show span (`next_span`): the release, length, section, E, I and the first load of each list.
void show_span(EntryContext& c, BlankSpanFocus focus = BlankSpanFocus::Move);
void next_span_clicked(EntryContext& c);  // Command7
void last_span_clicked(EntryContext& c);  // Command8

// Show joint: its number and its four support options.
void show_joint(EntryContext& c);
void next_joint_clicked(EntryContext& c);  // nextjoint

// Next load of a list, cycling (Command3, Command4, Command5).
void next_load(EntryContext& c, LoadKind kind);

// The fields of load `number` of the shown span show its stored values through their change
// rules, as navigation does; the list's current load must already be `number`.
void show_load(EntryContext& c, LoadKind kind, int number);
// The fields of the list's current load show its stored values, unrounded, without running
// their change rules: the load is left exactly as it is.
void show_load_quietly(EntryContext& c, LoadKind kind);

// The current load's stored value of a load field (X, P, X1, W1, X2, W2, moment X, M) as the
// field shows it, unrounded; the list of the field must show a load.
std::string load_field_text(EntryContext& c, Control field);

// A stored position as its field shows it, unrounded.
std::string distance_text(double value);

// After a beam file has been read: the walk through spans and joints that ends on span 1 and
// joint 1 with every field showing the beam.
void walk_opened_beam(EntryContext& c);

}  // namespace spanlyx
