#pragma once
// "Use 1st span E&& I on all spans": the check box and the copy of E and I between spans.

#include "ui/workflow/entry_context.h"

namespace spanlyx {

// The check box clicked: keeps the choice, copies span 1's E and I onward when a later span is
// shown, and has the settings file written.
void first_span_ei_clicked(EntryContext& c, bool checked);

// After a span length is left on span 2 or later: the span takes the E and I of the span before.
void copy_previous_span_ei(EntryContext& c);

}  // namespace spanlyx
