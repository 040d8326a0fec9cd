#include "model/beam.h"

#include <algorithm>

#include "model/number_text.h"

namespace spanlyx {

std::string_view release_text(Release release) {
    switch (release) {
        case Release::None:
            return "No Hinge";
        case Release::Left:
            return "Hinge On Left";
        case Release::Right:
            return "Hinge On Right";
        case Release::Both:
            return "Hinge On Lt & Rt";
    }
    return "";
}

HeldNumber HeldNumber::typed(std::string t) {
    HeldNumber held;
    held.value = leading_value(t);
    held.text = std::move(t);
    return held;
}

double Beam::total_length() const {
    double total = 0;
    for (const Span& span : spans)
        total += span.length.value;
    return total;
}

bool Beam::has_loads() const {
    for (const Span& span : spans) {
        if (!span.uniforms.empty() || !span.points.empty() || !span.moments.empty())
            return true;
    }
    return false;
}

bool Beam::has_live_loads() const {
    const auto live = [](const auto& load) { return load.load_case == LoadCase::Live; };
    for (const Span& span : spans) {
        if (std::any_of(span.uniforms.begin(), span.uniforms.end(), live) ||
            std::any_of(span.points.begin(), span.points.end(), live) ||
            std::any_of(span.moments.begin(), span.moments.end(), live))
            return true;
    }
    return false;
}

std::string_view load_case_text(LoadCase load_case) {
    return load_case == LoadCase::Live ? "Live" : "Dead";
}

bool Beam::has_springs_or_movements() const {
    return std::any_of(joints.begin(), joints.end(),
                       [](const Joint& joint) { return joint.is_elastic_or_moved(); });
}

bool Beam::has_imposed_movements() const {
    return std::any_of(joints.begin(), joints.end(), [](const Joint& joint) {
        return joint.settlement != 0 || joint.imposed_rotation != 0;
    });
}

}  // namespace spanlyx
