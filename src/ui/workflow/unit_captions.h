#pragma once
// The Units menu handlers and the I-entry choice: captions, checked items and the shown fields.
// Switching the unit system converts nothing; stored numbers and field texts stay.

#include "model/units.h"
#include "ui/workflow/entry_context.h"

namespace spanlyx {

// The menu item of a unit system, and the system of a menu item.
Control unit_menu_control(UnitSystem system);

// The eleven unit captions of the system (denglish for imperial, dmetric for metric), then the
// captions of the joint's stiffness, settlement and imposed-rotation fields.
void write_unit_captions(EntryContext& c, UnitSystem system);

// mnuEnglish ... mnumetric4: checks the item, sets the system, writes captions, redraws.
void choose_unit_system(EntryContext& c, UnitSystem system);

// Option2 (typed I) or Option1 (I from width and depth).
void choose_inertia_entry(EntryContext& c, bool typed);

}  // namespace spanlyx
