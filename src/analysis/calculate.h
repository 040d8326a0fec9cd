#pragma once
// Calculate without a window: the checks, structure generation and the analysis, returning the
// messages the engineer must see in order and the field to focus.

#include <optional>
#include <vector>

#include "analysis/analysis_results.h"
#include "analysis/stiffness_model.h"
#include "model/beam.h"
#include "model/message.h"

namespace spanlyx {

enum class CalculateStatus {
    NoLoads,          // silent end: no span carries a load and no support is moved
    BeamRejected,     // a value that describes no beam, or results beyond doubles (one message)
    LoadRejected,     // check_loading refused a load (one message)
    SectionRejected,  // a zero section or modulus (one message per failing value)
    Unstable,         // the stiffness matrix is singular (one message)
    Analysed,
};

struct CalculateOutcome {
    CalculateStatus status = CalculateStatus::NoLoads;
    std::vector<Message> messages;
    FocusField focus = FocusField::None;
    bool any_release = false;
    // Present from structure generation on (Unstable and Analysed).
    std::optional<StiffnessModel> model;
    // Present when the analysis ran (Unstable and Analysed); results.stable tells which.
    std::optional<AnalysisResults> results;
};

CalculateOutcome calculate(const Beam& beam);

}  // namespace spanlyx
