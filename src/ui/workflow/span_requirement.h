#pragma once
// Span length, I and E need a number of spans first.

#include "ui/workflow/entry_context.h"

namespace spanlyx {

// On change: with no number of spans the field is cleared and the focus goes to `spans`.
// Returns true when the rule stopped the change.
bool spans_missing_on_change(EntryContext& c, Control field);

// On leave: with no number of spans the engineer is told to enter it first.
bool spans_missing_on_leave(EntryContext& c);

}  // namespace spanlyx
