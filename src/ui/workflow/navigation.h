#pragma once
// Moving between spans, joints and loads: each move writes the stored values of the newly shown
// item into the fields.

#include <string>

#include "model/beam.h"
#include "ui/workflow/entry_context.h"

namespace spanlyx {

// The E field's text for a stored modulus: the value in the system's entry unit.
std::string shown_modulus(UnitSystem units, double stored);

// Show span (`next_span`): the release, length, section, E, I and the first load of each list.
void show_span(EntryContext& c);
void next_span_clicked(EntryContext& c);  // Command7
void last_span_clicked(EntryContext& c);  // Command8

// Show joint: its number and its four support options.
void show_joint(EntryContext& c);
void next_joint_clicked(EntryContext& c);  // nextjoint

// Next load of a list, cycling (Command3, Command4, Command5).
void next_load(EntryContext& c, LoadKind kind);

// After a beam file has been read: the walk through spans and joints that ends on span 1 and
// joint 1 with every field showing the beam.
void walk_opened_beam(EntryContext& c);

}  // namespace spanlyx
