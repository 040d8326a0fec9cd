#pragma once
// The label texts of the extremes section and the extra-output blocks, by unit system, and the
// factor that brings sampled deflections to the display unit.

#include <string_view>

#include "model/units.h"

namespace spanlyx {

struct ExtremesLabels {
    std::string_view shear_max, shear_min;
    std::string_view moment_max, moment_min;
    std::string_view deflection_max, deflection_min;
    std::string_view location;
};

struct ExtraOutputLabels {
    std::string_view distance;
    std::string_view deflection;
};

const ExtremesLabels& extremes_labels(UnitSystem system);
const ExtraOutputLabels& extra_output_labels(UnitSystem system);

// Sampled deflections are in inches (imperial) or the system's length unit; "cm" shows x100.
double deflection_display_factor(UnitSystem system);

// Texts of a quantity never set in a span.
inline constexpr std::string_view kShearMaxNotSet = "    Maximum '+' Shear              = na";
inline constexpr std::string_view kShearMinNotSet = "    Maximum '-' Shear              = na";
inline constexpr std::string_view kMomentMaxNotSet = "    Maximum '+' Moment             = na";
inline constexpr std::string_view kMomentMinNotSet = "    Maximum '-' Moment             = na";
inline constexpr std::string_view kDeflectionMaxNotSet = "    Maximum '+' Deflection         = na";
inline constexpr std::string_view kDeflectionMinNotSet = "    Maximum '-' Deflection         = na";
inline constexpr std::string_view kLocationNotSet = "             @  Location           = na";

}  // namespace spanlyx
