#include "ui/workflow/sketch_refresh.h"

#include <string_view>

#include "model/number_text.h"

namespace spanlyx {
namespace {

// Sum and total are compared as the two-decimal texts they show.
constexpr int kCompareDecimals = 2;

}  // namespace

void refresh_sketch(EntryContext& c) {
    if (!(c.state.total > 0))
        return;
    const bool adds_up = format_fixed(c.beam.total_length(), kCompareDecimals) ==
                         format_fixed(c.state.total, kCompareDecimals);
    c.state.sketch_live = adds_up;
    if (adds_up)
        c.draw_sketch();
}

}  // namespace spanlyx
