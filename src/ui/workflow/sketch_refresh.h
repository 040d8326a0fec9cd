#pragma once
// The input sketch follows the model: after a stored load, count or support change it is drawn
// again when the span lengths add up to the total length, and stops being live otherwise.
// Before comparing, the span-length field is stored as the shown span's length.

#include "ui/workflow/entry_context.h"

namespace spanlyx {

void refresh_sketch(EntryContext& c);

}  // namespace spanlyx
