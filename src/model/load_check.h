#pragma once
// The load check that runs first in every Calculate: loads without a value or a position.

#include <optional>

#include "model/beam.h"
#include "model/message.h"

namespace spanlyx {

struct LoadCheckFailure {
    Message message;   // titled with the program title
    FocusField focus;  // the count field of the failing load kind
};

// check_loading: the first failing load in pass order, or nothing when every load is acceptable.
std::optional<LoadCheckFailure> check_loading(const Beam& beam);

}  // namespace spanlyx
