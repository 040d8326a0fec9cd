#include "graphics/results_labels.h"

#include "model/number_text.h"
#include "response/response_labels.h"

namespace spanlyx {
namespace {

std::string signed_whole(double value) {
    const std::string text = format_pattern(value, "0");
    return text.front() == '-' ? text : " " + text;
}

}  // namespace

ExtremeLabelTexts extreme_label_texts(const BeamExtremes& extremes, UnitSystem units) {
    const double factor = deflection_display_factor(units);
    return {signed_whole(extremes.shear_max),
            signed_whole(extremes.shear_min),
            signed_whole(extremes.moment_max),
            signed_whole(extremes.moment_min),
            format_pattern(extremes.deflection_max * factor, "0.000"),
            format_pattern(extremes.deflection_min * factor, "0.000")};
}

std::optional<SingleSpanTexts> single_span_texts(const Beam& beam) {
    if (beam.spans.size() != 1)
        return std::nullopt;
    const Span& span = beam.spans.front();
    return SingleSpanTexts{
        "I: " + format_pattern(inertia_to_entry(beam.units, span.inertia), "0.00"),
        "E: " + format_pattern(modulus_to_entry(beam.units, span.modulus.value), "0")};
}

}  // namespace spanlyx
