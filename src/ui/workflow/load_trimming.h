#pragma once
// trim_loads_to_span: after the shown span got shorter, loads that reach past its end are pulled
// back to the end, each with a message.

#include "ui/workflow/entry_context.h"

namespace spanlyx {

void trim_loads_to_span(EntryContext& c);

}  // namespace spanlyx
