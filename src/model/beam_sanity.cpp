#include "model/beam_sanity.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "model/number_text.h"

namespace spanlyx {
namespace {

// System E keeps lengths in feet while E is in psi and I in in^4: E I / 144 is in lb ft^2.
constexpr double kSquareInchesPerSquareFoot = 144.0;

BeamFault message(std::string text, FocusField focus) {
    return {Message{std::move(text), std::string(kResponseTitle), MessageIcon::Information}, focus};
}

// The zero-section messages end this way.
BeamFault fault(std::string text, FocusField focus) {
    return message(std::move(text) + ". Please Check", focus);
}

std::string span_value(int span_number, std::string_view what) {
    return "Span " + std::to_string(span_number) + " " + std::string(what);
}

std::optional<BeamFault> length_fault(const Span& span, int span_number) {
    const double length = span.length.value;
    const std::string what = span_value(span_number, "Length") + " is not valid as ";
    switch (dimension_fault(length)) {
        case DimensionFault::NotFinite:
            return fault(what + "it is not a finite number", FocusField::spanlengthtext);
        case DimensionFault::Negative:
        case DimensionFault::Zero:
            return fault(what + "it is not greater than 0", FocusField::spanlengthtext);
        case DimensionFault::Subnormal:
        case DimensionFault::None:
            break;
    }
    if (length < kShortestSpan) {
        return fault(what + "it is shorter than " + general_number(kShortestSpan) +
                         ", half the 0.01 step the beam is sampled at",
                     FocusField::spanlengthtext);
    }
    return std::nullopt;
}

// A load whose value or position is not a finite number, named the way the load check names
// loads (kind, number, span, the field at fault).
std::optional<BeamFault> load_fault(const Span& span, int span_number) {
    const auto not_finite = [&](std::string_view kind, std::size_t k, std::string_view field,
                                FocusField focus) {
        return fault(std::string(kind) + " # " + std::to_string(k + 1) + " on span " +
                         std::to_string(span_number) + " is not valid as " + std::string(field) +
                         " is not a finite number",
                     focus);
    };
    for (std::size_t k = 0; k < span.uniforms.size(); ++k) {
        const UniformLoad& u = span.uniforms[k];
        const std::pair<double, std::string_view> fields[] = {
            {u.x1, "X1"}, {u.w1, "W1"}, {u.x2, "X2"}, {u.w2, "W2"}};
        for (const auto& [value, name] : fields) {
            if (!std::isfinite(value))
                return not_finite("Uniform Load", k, name, FocusField::uniforms);
        }
    }
    for (std::size_t k = 0; k < span.points.size(); ++k) {
        if (!std::isfinite(span.points[k].x))
            return not_finite("Point Load", k, "X dist", FocusField::points);
        if (!std::isfinite(span.points[k].load.value))
            return not_finite("Point Load", k, "the Load Value", FocusField::points);
    }
    for (std::size_t k = 0; k < span.moments.size(); ++k) {
        if (!std::isfinite(span.moments[k].x))
            return not_finite("Applied Moment", k, "X dist", FocusField::moments);
        if (!std::isfinite(span.moments[k].value))
            return not_finite("Applied Moment", k, "the Moment Value", FocusField::moments);
    }
    return std::nullopt;
}

// A spring stiffness must be a positive normal number: a spring of 0 would leave its coordinate
// free without a word, a negative one would pull the joint the way it moves.
std::optional<BeamFault> stiffness_value_fault(double k, const std::string& what) {
    switch (dimension_fault(k)) {
        case DimensionFault::NotFinite:
            return fault(what + "it is not a finite number", FocusField::None);
        case DimensionFault::Negative:
        case DimensionFault::Zero:
            return fault(what + "it is not greater than 0", FocusField::None);
        case DimensionFault::Subnormal:
            return fault(what + "it is too small to calculate with", FocusField::None);
        case DimensionFault::None:
            break;
    }
    return std::nullopt;
}

// Springs hold only coordinates that are not fixed; imposed movements move only fixed ones.
std::optional<BeamFault> joint_fault(const Joint& joint, int joint_number) {
    const std::string name = "Joint " + std::to_string(joint_number) + " ";
    const auto not_valid = [&](std::string_view what) {
        return name + std::string(what) + " is not valid as ";
    };
    if (joint.spring_y) {
        if (joint.restraint_y == 1)
            return fault(not_valid("Y Spring") + "the joint is fixed in Y", FocusField::None);
        if (auto found = stiffness_value_fault(joint.ky, not_valid("Spring Stiffness ky")))
            return found;
    }
    if (joint.spring_z) {
        if (joint.restraint_z == 1)
            return fault(not_valid("Z Spring") + "the joint is fixed in rotation",
                         FocusField::None);
        if (auto found = stiffness_value_fault(joint.kz, not_valid("Spring Stiffness kz")))
            return found;
    }
    if (!std::isfinite(joint.settlement))
        return fault(not_valid("Settlement") + "it is not a finite number", FocusField::None);
    if (joint.settlement != 0 && joint.restraint_y != 1)
        return fault(not_valid("Settlement") + "the joint is not fixed in Y", FocusField::None);
    if (!std::isfinite(joint.imposed_rotation))
        return fault(not_valid("Imposed Rotation") + "it is not a finite number", FocusField::None);
    if (joint.imposed_rotation != 0 && joint.restraint_z != 1)
        return fault(not_valid("Imposed Rotation") + "the joint is not fixed in rotation",
                     FocusField::None);
    return std::nullopt;
}

std::optional<BeamFault> sampling_fault(const Beam& beam) {
    const double points = sample_point_count(beam);
    if (points <= kMaxSamplePoints)
        return std::nullopt;
    return message("This beam would be sampled at " + general_number(points) +
                       " points, one every 0.01 length unit, more than the limit of " +
                       general_number(kMaxSamplePoints) +
                       " points (1.6 GB of sample file). Please shorten the spans, or enter a long "
                       "beam in a unit system in metres (M, M2 or M3).",
                   FocusField::spanlengthtext);
}

struct SectionValue {
    double value;
    std::string_view name;  // as the zero-section messages name it
    FocusField focus;
};

// The section values Calculate reads for a span: b, d and E when I comes from the section,
// otherwise I and E.
std::vector<SectionValue> section_values(const Beam& beam, const Span& span) {
    std::vector<SectionValue> values;
    if (beam.inertia_entered) {
        values.push_back({span.inertia, "I", FocusField::moi});
    } else {
        values.push_back({span.width, "Width", FocusField::spanwidthtext});
        values.push_back({span.depth, "Depth", FocusField::spandepthtext});
    }
    values.push_back({span.modulus.value, "E", FocusField::spanetext});
    return values;
}

// True when some value is at or below 0: the zero-section messages cover that span.
bool has_zero_section(const std::vector<SectionValue>& values) {
    return std::any_of(values.begin(), values.end(),
                       [](const SectionValue& v) { return v.value <= 0; });
}

std::optional<BeamFault> section_fault(const std::vector<SectionValue>& values, int span_number) {
    for (const SectionValue& v : values) {
        const std::string what = span_value(span_number, v.name) + " is not valid as ";
        if (!std::isfinite(v.value))
            return fault(what + "it is not a finite number", v.focus);
        if (!std::isnormal(v.value))
            return fault(what + "it is too small to calculate with", v.focus);
    }
    return std::nullopt;
}

// E I as the stiffness model forms it: I typed, or b d^3 / 12; psi and in^4 to lb ft^2 in E.
double flexural_rigidity(const Beam& beam, const Span& span) {
    const double inertia = beam.inertia_entered
                               ? span.inertia
                               : span.width * span.depth * span.depth * span.depth / 12;
    const double modulus = lengths_in_feet(beam.units)
                               ? span.modulus.value / kSquareInchesPerSquareFoot
                               : span.modulus.value;
    return modulus * inertia;
}

// The member stiffness terms the assembly adds up: 12EI/L^3, 4EI/L and the axial E/L (the
// model gives every member an area of 1). Each must be a normal number for the solution to mean
// anything.
std::optional<BeamFault> stiffness_fault(const Beam& beam, const Span& span, int span_number) {
    const double length = span.length.value;
    const double ei = flexural_rigidity(beam, span);
    const double axial = lengths_in_feet(beam.units)
                             ? span.modulus.value / kSquareInchesPerSquareFoot
                             : span.modulus.value;
    const double terms[] = {ei, 12 * ei / (length * length * length), 4 * ei / length,
                            axial / length};
    if (std::all_of(std::begin(terms), std::end(terms), [](double t) { return std::isnormal(t); }))
        return std::nullopt;
    return fault(span_value(span_number, "E x I") +
                     " is not valid as the stiffness it gives the span lies outside the range of "
                     "numbers the analysis can hold",
                 FocusField::spanetext);
}

// A bound on the bending moment the loads can cause anywhere: every load times the length of
// the beam. Moments of a continuous beam stay within a modest multiple of it.
double moment_bound(const Beam& beam) {
    const double total = beam.total_length();
    double bound = 0;
    for (const Span& span : beam.spans) {
        for (const UniformLoad& u : span.uniforms)
            bound += std::max(std::fabs(u.w1), std::fabs(u.w2)) * std::fabs(u.x2 - u.x1) * total;
        for (const PointLoad& p : span.points)
            bound += std::fabs(p.load.value) * total;
        for (const MomentLoad& m : span.moments)
            bound += std::fabs(m.value);
    }
    return bound;
}

// Loads so large for the stiffness that moments or deflections (about M L^2 / EI) would come
// near the largest double: the sums of the solution and of the sweep would overflow to NaN.
std::optional<BeamFault> load_effect_fault(const Beam& beam, const Span& span, int span_number,
                                           double moments) {
    const double total = beam.total_length();
    const double deflections = moments * total * total / flexural_rigidity(beam, span);
    if (moments <= kLargestLoadEffect && deflections <= kLargestLoadEffect)
        return std::nullopt;
    return fault("The loads are too large for the stiffness of span " +
                     std::to_string(span_number) + ": its moments or deflections would exceed " +
                     general_number(kLargestLoadEffect),
                 FocusField::spanetext);
}

}  // namespace

DimensionFault dimension_fault(double value) {
    if (std::isnan(value) || std::isinf(value))
        return DimensionFault::NotFinite;
    if (value < 0)
        return DimensionFault::Negative;
    if (value == 0)
        return DimensionFault::Zero;
    if (!std::isnormal(value))
        return DimensionFault::Subnormal;
    return DimensionFault::None;
}

double sample_point_count(const Beam& beam) {
    // Whole hundredths as the sweep counts its steps; beyond 1e15 the count only has to be large.
    constexpr double kExactBelow = 1e15;
    double points = 1;
    for (const Span& span : beam.spans) {
        const double length = span.length.value;
        if (!(length > 0))
            continue;
        points += length < kExactBelow ? static_cast<double>(hundredths(length)) : length * 100;
    }
    return points;
}

std::optional<BeamFault> find_nonsense(const Beam& beam) {
    for (int s = 0; s < beam.span_count(); ++s) {
        if (auto found = length_fault(beam.spans[static_cast<std::size_t>(s)], s + 1))
            return found;
    }
    for (int s = 0; s < beam.span_count(); ++s) {
        if (auto found = load_fault(beam.spans[static_cast<std::size_t>(s)], s + 1))
            return found;
    }
    for (int j = 0; j < beam.joint_count(); ++j) {
        if (auto found = joint_fault(beam.joints[static_cast<std::size_t>(j)], j + 1))
            return found;
    }
    if (auto found = sampling_fault(beam))
        return found;

    const double moments = moment_bound(beam);
    for (int s = 0; s < beam.span_count(); ++s) {
        const Span& span = beam.spans[static_cast<std::size_t>(s)];
        const std::vector<SectionValue> values = section_values(beam, span);
        if (has_zero_section(values))
            continue;
        if (auto found = section_fault(values, s + 1))
            return found;
        if (auto found = stiffness_fault(beam, span, s + 1))
            return found;
        if (auto found = load_effect_fault(beam, span, s + 1, moments))
            return found;
    }
    return std::nullopt;
}

}  // namespace spanlyx
