#pragma once
// Span length, I and E need a number of spans first.

#include "ui/workflow/entry_context.h"

namespace spanlyx {

// On change: with no spans in the beam the change is refused (the field keeps its text, empty
// before any span exists) and the focus goes to `spans`. Returns true when it stopped the change.
bool spans_missing_on_change(EntryContext& c, Control field);

// On leave: with no spans in the beam the engineer is told to enter their number first.
bool spans_missing_on_leave(EntryContext& c);

}  // namespace spanlyx
