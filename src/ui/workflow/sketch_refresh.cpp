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
    // The length field shows the shown span (the fields follow every change of span), so this
    // stores its own length as the field holds it. A field without a valid length stores
    // nothing: the span keeps its length.
    if (c.has_span()) {
        const std::string& typed = c.text(Control::spanlengthtext);
        if (c.value(Control::spanlengthtext) > 0 && typed != ".")
            c.span().length = HeldNumber::typed(typed);
    }
    const bool adds_up = format_fixed(c.beam.total_length(), kCompareDecimals) ==
                         format_fixed(c.state.total, kCompareDecimals);
    c.state.sketch_live = adds_up;
    if (adds_up)
        c.draw_sketch();
}

}  // namespace spanlyx
