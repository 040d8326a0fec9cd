#include "model/beam.h"

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

}  // namespace spanlyx
