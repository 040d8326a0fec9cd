#pragma once
// The live-load envelope section of the results file, after the sections the report has always
// had: for each combination its name and factors, the six envelope extremes of every span with
// their locations and the spans loaded for each, and the extreme reactions of every joint.

#include <string>
#include <vector>

#include "model/settings.h"
#include "model/units.h"
#include "response/envelope.h"

namespace spanlyx {

// CRLF lines; empty when there are no combinations.
std::string envelope_section(const std::vector<CombinationEnvelope>& envelopes, UnitSystem units,
                             const NumberPatterns& patterns);

// "Spans loaded: 1, 3, 5"; "Spans loaded: none" when no live load raises the extreme.
std::string spans_loaded_text(const std::vector<int>& spans);

}  // namespace spanlyx
