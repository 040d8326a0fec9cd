#pragma once
// The --json document of spanlyx-report.

#include <nlohmann/json.hpp>

#include "analysis/calculate.h"
#include "model/beam.h"

namespace spanlyx {

// Unit system, joints (x, vertical displacement in the unit the report prints, rotation in
// radians, reactions), members' local end forces, each span's fixed-end sums, and the status.
nlohmann::json analysis_json(const Beam& beam, const CalculateOutcome& outcome);

}  // namespace spanlyx
