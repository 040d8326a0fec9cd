#pragma once
// The user scales of the results window's drawing areas and the factors that bring beam
// positions and sampled values onto them: the beam fills x = 0 to 10 in every area, and the
// largest magnitude of each quantity stands 3.3 units from the axis.

#include <string>
#include <string_view>

#include "model/settings.h"
#include "model/units.h"
#include "response/span_extremes.h"

namespace spanlyx {

enum class Quantity { Shear, Moment, Deflection };

// The largest and smallest member of a row that holds shear_max, shear_min, moment_max, ... (a
// span's extremes, a point of an envelope), for one quantity.
template <typename Row>
auto quantity_pair(Quantity quantity, const Row& row) {
    using Member = decltype(row.shear_max);
    struct Pair {
        const Member& max;
        const Member& min;
    };
    switch (quantity) {
        case Quantity::Shear:
            return Pair{row.shear_max, row.shear_min};
        case Quantity::Moment:
            return Pair{row.moment_max, row.moment_min};
        case Quantity::Deflection:
            break;
    }
    return Pair{row.deflection_max, row.deflection_min};
}

// Left, top, width and height of a user coordinate system (a negative height: y grows upwards).
struct AreaScale {
    double left = 0, top = 0, width = 0, height = 0;
};

inline constexpr double kDrawnBeamLength = 10;
// x from -0.5 to 10.5 in every area; the shear area reaches 0.5 lower than the other two.
AreaScale diagram_area_scale(Quantity quantity);
// The loading diagram: y from 5 at the top to -3 at the bottom.
inline constexpr AreaScale kLoadingAreaScale{-0.5, 5, 11, -8};

// Distance of the largest magnitude from the axis.
inline constexpr double kLargestDrawnValue = 3.3;

struct DiagramScales {
    double x = 0;  // drawing units per length unit; 0 for a beam without length
    // Drawing units per unit of each quantity; 0 when the quantity is 0 everywhere, so that only
    // its axis is drawn.
    double shear = 0;
    double moment = 0;
    double deflection = 0;

    double y(Quantity quantity) const;
};

// Shear and moment are scaled by the whole-number part of their largest magnitude; a magnitude
// below 1 is scaled by itself, so that a lightly loaded beam does not draw a flat line.
DiagramScales diagram_scales(double total_length, const BeamExtremes& extremes);

// Records between drawn points when drawing is sped up: 1 up to a total length of 10, 5 up to
// 33.33, 10 beyond.
int speed_up_point_step(double x_scale);

// A value as the diagrams write it: the quantity's pattern, deflections in the display unit
// (x100 for "cm").
std::string diagram_value_text(Quantity quantity, double value, const NumberPatterns& patterns,
                               UnitSystem units);

}  // namespace spanlyx
