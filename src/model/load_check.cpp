#include "model/load_check.h"

#include <algorithm>
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

// A position outside its span: entry corrects such positions, but a file or a shortened span can
// still bring one in, and a load off its span would be analysed as a load on some other beam.
bool outside(double x, const Span& span) {
    const double length = span.length.value;
    return x < 0 || x > length + 1e-9 * std::max(1.0, length);
}

// One pass: the first load of one kind, over all spans, for which `fails` holds.
template <typename Load, typename Loads, typename Fails>
std::optional<LoadCheckFailure> first_failing(const Beam& beam, Loads loads_of, Fails fails,
                                              std::string_view kind, std::string_view reason,
                                              FocusField focus) {
    for (int s = 0; s < beam.span_count(); ++s) {
        const std::vector<Load>& loads = loads_of(beam.spans[static_cast<std::size_t>(s)]);
        const Span& span = beam.spans[static_cast<std::size_t>(s)];
        for (std::size_t k = 0; k < loads.size(); ++k) {
            if (fails(loads[k], span))
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
            beam, uniforms,
            [](const UniformLoad& u, const Span&) { return u.w1 == 0 && u.w2 == 0; },
            "Uniform Load", " is not valid as boths loads are 0", FocusField::uniforms)) {
        return found;
    }
    if (auto found = first_failing<UniformLoad>(
            beam, uniforms,
            [](const UniformLoad& u, const Span&) { return u.x1 == 0 && u.x2 == 0; },
            "Uniform Load", " is not valid as beg and end distances are specified as 0",
            FocusField::uniforms)) {
        return found;
    }
    if (auto found = first_failing<PointLoad>(
            beam, points,
            [](const PointLoad& p, const Span&) { return p.x == 0 && p.load.value == 0; },
            "Point Load", " is not valid as X dist and Load Value are 0", FocusField::points)) {
        return found;
    }
    if (auto found = first_failing<PointLoad>(
            beam, points, [](const PointLoad& p, const Span&) { return p.load.value == 0; },
            "Point Load", " is not valid as the Load Value is 0", FocusField::points)) {
        return found;
    }
    if (auto found = first_failing<MomentLoad>(
            beam, moments,
            [](const MomentLoad& m, const Span&) { return m.x == 0 && m.value == 0; },
            "Appiled Moment", " is not valid as X dist and Moment Value are 0",
            FocusField::moments)) {
        return found;
    }
    if (auto found = first_failing<MomentLoad>(
            beam, moments, [](const MomentLoad& m, const Span&) { return m.value == 0; },
            "Appiled Moment", " is not valid as Moment Value is 0", FocusField::moments)) {
        return found;
    }
    // Loads that do not lie on their span, whatever brought them in: a distributed load must
    // run forward from X1 to X2 inside the span, a point load or moment must stand on it.
    if (auto found = first_failing<UniformLoad>(
            beam, uniforms, [](const UniformLoad& u, const Span&) { return !(u.x2 > u.x1); },
            "Uniform Load", " is not valid as X2 is not greater than X1", FocusField::uniforms)) {
        return found;
    }
    if (auto found = first_failing<UniformLoad>(
            beam, uniforms,
            [](const UniformLoad& u, const Span& span) {
                return outside(u.x1, span) || outside(u.x2, span);
            },
            "Uniform Load", " is not valid as it lies outside the span length",
            FocusField::uniforms)) {
        return found;
    }
    if (auto found = first_failing<PointLoad>(
            beam, points, [](const PointLoad& p, const Span& span) { return outside(p.x, span); },
            "Point Load", " is not valid as X dist lies outside the span length",
            FocusField::points)) {
        return found;
    }
    return first_failing<MomentLoad>(
        beam, moments, [](const MomentLoad& m, const Span& span) { return outside(m.x, span); },
        "Appiled Moment", " is not valid as X dist lies outside the span length",
        FocusField::moments);
}

}  // namespace spanlyx
