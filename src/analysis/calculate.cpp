#include "analysis/calculate.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "model/beam_sanity.h"
#include "model/load_check.h"

namespace spanlyx {
namespace {

constexpr std::string_view kUnstableText = "Stiffness Matrix not Positive Definite!!.";
constexpr std::string_view kUnstableReleaseText =
    "Stiffness Matrix not Positive Definite!!  - Beam supports are unstable. Please check your "
    "span releases.";

constexpr std::string_view kResultsOutOfRangeText =
    "The analysis of this beam gives numbers beyond the range the computer can hold. Please "
    "Check the loads, E and I";

Message response_message(std::string_view text, MessageIcon icon) {
    return {std::string(text), std::string(kResponseTitle), icon};
}

// Zero or negative section and modulus values: one message per failing value, span by span.
// The focus goes to the last failed kind in the order E, depth, width, I.
void check_sections(const Beam& beam, CalculateOutcome& outcome) {
    bool bad_e = false, bad_depth = false, bad_width = false, bad_i = false;
    const auto fail = [&](bool& flag, std::string_view text) {
        flag = true;
        outcome.messages.push_back(response_message(text, MessageIcon::Information));
    };
    for (const Span& span : beam.spans) {
        if (!beam.inertia_entered) {
            if (span.width <= 0)
                fail(bad_width, "There is a Span Width = 0. Please Check");
            if (span.depth <= 0)
                fail(bad_depth, "There is a Span Depth = 0. Please Check");
        } else if (span.inertia <= 0) {
            fail(bad_i, "There is a Span I = 0. Please Check");
        }
        if (span.modulus.value <= 0)
            fail(bad_e, "There is a Span E = 0. Please Check");
    }
    if (bad_e)
        outcome.focus = FocusField::spanetext;
    if (bad_depth)
        outcome.focus = FocusField::spandepthtext;
    if (bad_width)
        outcome.focus = FocusField::spanwidthtext;
    if (bad_i)
        outcome.focus = FocusField::moi;
}

bool has_release(const Beam& beam) {
    for (const Span& span : beam.spans) {
        if (span.release != Release::None)
            return true;
    }
    return false;
}

template <typename Values>
bool all_finite(const Values& values) {
    return std::all_of(std::begin(values), std::end(values),
                       [](double v) { return std::isfinite(v); });
}

// The input checks keep stiffness and load effects inside the range of doubles; this catches
// whatever still overflows in the solution, so that no NaN reaches a report or the sweep.
bool results_finite(const AnalysisResults& results) {
    for (const auto& forces : results.member_force_local) {
        if (!all_finite(forces))
            return false;
    }
    for (const auto& displacements : results.member_end_disp_local) {
        if (!all_finite(displacements))
            return false;
    }
    return all_finite(results.joint_disp_y) && all_finite(results.joint_rotation) &&
           all_finite(results.reaction_shear) && all_finite(results.reaction_moment);
}

}  // namespace

CalculateOutcome calculate(const Beam& beam) {
    CalculateOutcome outcome;
    // An imposed support movement loads the beam as a load does.
    if (!beam.has_loads() && !beam.has_imposed_movements())
        return outcome;

    // Before the load check: a length or position that is not a number would make its
    // comparisons meaningless.
    if (auto nonsense = find_nonsense(beam)) {
        outcome.status = CalculateStatus::BeamRejected;
        outcome.messages.push_back(std::move(nonsense->message));
        outcome.focus = nonsense->focus;
        return outcome;
    }

    if (auto rejected = check_loading(beam)) {
        outcome.status = CalculateStatus::LoadRejected;
        outcome.messages.push_back(std::move(rejected->message));
        outcome.focus = rejected->focus;
        return outcome;
    }

    check_sections(beam, outcome);
    if (!outcome.messages.empty()) {
        outcome.status = CalculateStatus::SectionRejected;
        return outcome;
    }

    outcome.model = generate_structure(beam);
    outcome.results = runanalysis(*outcome.model);
    outcome.any_release = has_release(beam);
    if (outcome.results->stable && !results_finite(*outcome.results)) {
        // Nothing of this analysis is kept: the earlier results stay, as after any refusal.
        outcome.model.reset();
        outcome.results.reset();
        outcome.status = CalculateStatus::BeamRejected;
        outcome.messages.push_back(
            response_message(kResultsOutOfRangeText, MessageIcon::Information));
        outcome.focus = FocusField::spanetext;
    } else if (outcome.results->stable) {
        outcome.status = CalculateStatus::Analysed;
    } else {
        outcome.status = CalculateStatus::Unstable;
        outcome.messages.push_back(response_message(
            outcome.any_release ? kUnstableReleaseText : kUnstableText, MessageIcon::Critical));
    }
    return outcome;
}

}  // namespace spanlyx
