#include "graphics/diagram_scales.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "model/number_text.h"
#include "response/response_labels.h"

namespace spanlyx {
namespace {

// Whole-number magnitudes keep round scales; a magnitude below 1 would truncate to 0.
double force_scale(double whole_magnitude, double smallest, double largest) {
    const double magnitude = std::max(std::abs(smallest), largest);
    const double divisor = whole_magnitude >= 1 ? whole_magnitude : magnitude;
    return divisor > 0 ? kLargestDrawnValue / divisor : 0.0;
}

}  // namespace

AreaScale diagram_area_scale(Quantity quantity) {
    switch (quantity) {
        case Quantity::Shear:
            return {-0.5, 5, 11, -10.5};
        case Quantity::Moment:
        case Quantity::Deflection:
            return {-0.5, 5, 11, -10};
    }
    assert(false && "unknown quantity");
    return {};
}

double DiagramScales::y(Quantity quantity) const {
    switch (quantity) {
        case Quantity::Shear:
            return shear;
        case Quantity::Moment:
            return moment;
        case Quantity::Deflection:
            return deflection;
    }
    assert(false && "unknown quantity");
    return 0;
}

DiagramScales diagram_scales(double total_length, const BeamExtremes& extremes) {
    DiagramScales scales;
    scales.x = total_length > 0 ? kDrawnBeamLength / total_length : 0.0;
    scales.shear = force_scale(extremes.shear_magnitude, extremes.shear_min, extremes.shear_max);
    scales.moment =
        force_scale(extremes.moment_magnitude, extremes.moment_min, extremes.moment_max);
    scales.deflection = extremes.deflection_magnitude > 0
                            ? kLargestDrawnValue / extremes.deflection_magnitude
                            : 0.0;
    return scales;
}

int speed_up_point_step(double x_scale) {
    if (x_scale >= 1)
        return 1;
    if (x_scale >= 0.3)
        return 5;
    return 10;
}

std::string diagram_value_text(Quantity quantity, double value, const NumberPatterns& patterns,
                               UnitSystem units) {
    switch (quantity) {
        case Quantity::Shear:
            return format_pattern(value, patterns.shear);
        case Quantity::Moment:
            return format_pattern(value, patterns.moment);
        case Quantity::Deflection:
            return format_pattern(value * deflection_display_factor(units), patterns.deflection);
    }
    assert(false && "unknown quantity");
    return {};
}

}  // namespace spanlyx
