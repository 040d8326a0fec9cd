#pragma once
// The --json document of spanlyx-report.

#include <nlohmann/json.hpp>

#include "analysis/calculate.h"
#include "model/beam.h"
#include "response/envelope.h"
#include "response/span_response.h"

namespace spanlyx {

// Unit system, joints (x, vertical displacement in the unit the report prints, rotation in
// radians, reactions; a joint with a spring or an imposed movement also gives its support as the
// JSON beam does: "y"/"z", "ky"/"kz", "settlement", "imposed_rotation"), members' local end
// forces, each span's fixed-end sums, and the status.
nlohmann::json analysis_json(const Beam& beam, const CalculateOutcome& outcome);

// Adds the per-span extremes (values and locations from each span's left end) and the
// whole-beam extremes; deflections in the unit of the report. An extreme the span does not have
// (never set: no value on that side of zero) is null.
void add_response_json(nlohmann::json& doc, const Beam& beam, const ResponseOutcome& response);

// Adds "envelopes": per combination its name and factors, the envelope extremes of each span
// (locations from the span's left end) and the extreme reactions of each joint, each with the
// spans loaded; in the units of "span_extremes" and "joints". An empty list without combinations.
void add_envelopes_json(nlohmann::json& doc, const Beam& beam,
                        const std::vector<CombinationEnvelope>& envelopes);

}  // namespace spanlyx
