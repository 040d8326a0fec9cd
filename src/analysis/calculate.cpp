#include "analysis/calculate.h"

#include "model/load_check.h"

namespace spanlyx {
namespace {

constexpr std::string_view kUnstableText = "Stiffness Matrix not Positive Definite!!.";
constexpr std::string_view kUnstableReleaseText =
    "Stiffness Matrix not Positive Definite!!  - Beam supports are unstable. Please check your "
    "span releases.";

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

}  // namespace

CalculateOutcome calculate(const Beam& beam) {
    CalculateOutcome outcome;
    if (!beam.has_loads())
        return outcome;

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
    if (outcome.results->stable) {
        outcome.status = CalculateStatus::Analysed;
    } else {
        outcome.status = CalculateStatus::Unstable;
        outcome.messages.push_back(response_message(
            outcome.any_release ? kUnstableReleaseText : kUnstableText, MessageIcon::Critical));
    }
    return outcome;
}

}  // namespace spanlyx
