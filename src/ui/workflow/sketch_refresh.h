#pragma once
// The input sketch follows the model: after a stored load, count or support change it is drawn
// again when the span lengths add up to the total length, and stops being live otherwise. It
// reads the model only; a span length is stored by its own field's rule, never from here.

#include "ui/workflow/entry_context.h"

namespace spanlyx {

void refresh_sketch(EntryContext& c);

}  // namespace spanlyx
