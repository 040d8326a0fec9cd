#pragma once
// The extremes section of the results file ("_CONT03.TMP"): per span the largest and smallest
// shear, moment and deflection with their locations from the span's left end.

#include <string>
#include <vector>

#include "model/print_line.h"
#include "model/settings.h"
#include "model/units.h"
#include "response/span_extremes.h"

namespace spanlyx {

// rows and span_start (the beam_x of each span's left end) have one entry per span. CRLF lines.
std::string extremes_report(const std::vector<SpanExtremes>& rows,
                            const std::vector<double>& span_start, UnitSystem units,
                            const NumberPatterns& patterns);

// Whether a span's extreme was set by the sweep: a span after the first whose extreme still has
// the location it started with, left of the span, never took a value of that sign. The
// extremes section then prints "na".
bool extreme_was_set(const Extreme& e, int span_number, double span_start);
// Deflection extremes are printed only when set and not 0 at four decimals.
bool deflection_extreme_printed(const Extreme& e, int span_number, double span_start);

// The banner that opens each span in the extremes section and the interval output.
void write_span_banner(TextWriter& out, int span_number);

}  // namespace spanlyx
