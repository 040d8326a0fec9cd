#include "model/load_check.h"

#include <string>

#include "model/number_text.h"

namespace spanlyx {
namespace {

// The load and span numbers stand in the message in the general form after one blank.
std::string numbered(std::string_view kind, std::size_t load_index, int span_number,
                     std::string_view reason) {
    std::string text(kind);
    text += " # ";
    text += " " + general_number(static_cast<double>(load_index + 1));
    text += " on this span ";
    text += " " + general_number(span_number);
    text += reason;
    return text;
}

LoadCheckFailure failure(std::string text, FocusField focus) {
    return {Message{std::move(text), std::string(kProgramTitle), MessageIcon::Information}, focus};
}

// One pass: the first load of one kind, over all spans, for which `fails` holds.
template <typename Load, typename Loads, typename Fails>
std::optional<LoadCheckFailure> first_failing(const Beam& beam, Loads loads_of, Fails fails,
                                              std::string_view kind, std::string_view reason,
                                              FocusField focus) {
    for (int s = 0; s < beam.span_count(); ++s) {
        const std::vector<Load>& loads = loads_of(beam.spans[static_cast<std::size_t>(s)]);
        for (std::size_t k = 0; k < loads.size(); ++k) {
            if (fails(loads[k]))
                return failure(numbered(kind, k, s + 1, reason), focus);
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<LoadCheckFailure> check_loading(const Beam& beam) {
    const auto uniforms = [](const Span& span) -> const std::vector<UniformLoad>& {
        return span.uniforms;
    };
    const auto points = [](const Span& span) -> const std::vector<PointLoad>& {
        return span.points;
    };
    const auto moments = [](const Span& span) -> const std::vector<MomentLoad>& {
        return span.moments;
    };

    if (auto found = first_failing<UniformLoad>(
            beam, uniforms, [](const UniformLoad& u) { return u.w1 == 0 && u.w2 == 0; },
            "Uniform Load", " is not valid as boths loads are 0", FocusField::uniforms)) {
        return found;
    }
    if (auto found = first_failing<UniformLoad>(
            beam, uniforms, [](const UniformLoad& u) { return u.x1 == 0 && u.x2 == 0; },
            "Uniform Load", " is not valid as beg and end distances are specified as 0",
            FocusField::uniforms)) {
        return found;
    }
    if (auto found = first_failing<PointLoad>(
            beam, points, [](const PointLoad& p) { return p.x == 0 && p.load.value == 0; },
            "Point Load", " is not valid as X dist and Load Value are 0", FocusField::points)) {
        return found;
    }
    if (auto found = first_failing<PointLoad>(
            beam, points, [](const PointLoad& p) { return p.load.value == 0; }, "Point Load",
            " is not valid as the Load Value is 0", FocusField::points)) {
        return found;
    }
    if (auto found = first_failing<MomentLoad>(
            beam, moments, [](const MomentLoad& m) { return m.x == 0 && m.value == 0; },
            "Appiled Moment", " is not valid as X dist and Moment Value are 0",
            FocusField::moments)) {
        return found;
    }
    return first_failing<MomentLoad>(
        beam, moments, [](const MomentLoad& m) { return m.value == 0; }, "Appiled Moment",
        " is not valid as Moment Value is 0", FocusField::moments);
}

}  // namespace spanlyx
