#pragma once
// The texts of the results window's labels: the whole-beam largest and smallest values beside
// the diagrams, and the I and E of a one-span beam. The unit labels come from the unit tables
// (diagram_unit_labels in model/units.h).

#include <optional>
#include <string>

#include "model/beam.h"
#include "response/span_extremes.h"

namespace spanlyx {

struct ExtremeLabelTexts {
    std::string shear_max, shear_min;            // labelshearmax, Labelshearmin
    std::string moment_max, moment_min;          // Labelmomentmax, Labelmomentmin
    std::string deflection_max, deflection_min;  // Labeldeflectionmax, Labeldeflectionmin
};

// Shear and moment in whole numbers with a blank where a minus sign would stand; deflections
// with three decimals in the display unit (x100 for "cm").
ExtremeLabelTexts extreme_label_texts(const BeamExtremes& extremes, UnitSystem units);

struct SingleSpanTexts {
    std::string inertia;  // Label18: "I: " and I in its entry unit, two decimals
    std::string modulus;  // Label17: "E: " and E in its entry unit, whole number
};

// Shown only for a beam of one span.
std::optional<SingleSpanTexts> single_span_texts(const Beam& beam);

}  // namespace spanlyx
