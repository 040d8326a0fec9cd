#include "response/span_extremes.h"

#include <algorithm>
#include <cmath>

namespace spanlyx {

void RunningExtremes::offer_shear(double v, double beam_x) {
    if (v > current_.shear_max.value)
        current_.shear_max = {v, beam_x};
    if (v < current_.shear_min.value)
        current_.shear_min = {v, beam_x};
}

void RunningExtremes::offer_moment(double m, double beam_x) {
    if (m < current_.moment_min.value)
        current_.moment_min = {m, beam_x};
    if (m > current_.moment_max.value)
        current_.moment_max = {m, beam_x};
}

void RunningExtremes::offer_deflection(double d, double beam_x) {
    if (d < current_.deflection_min.value)
        current_.deflection_min = {d, beam_x};
    if (d >= current_.deflection_max.value)
        current_.deflection_max = {d, beam_x};
}

SpanExtremes RunningExtremes::take() {
    const SpanExtremes row = current_;
    current_ = SpanExtremes{};
    return row;
}

BeamExtremes beam_extremes(const std::vector<SpanExtremes>& spans) {
    BeamExtremes beam;
    for (const SpanExtremes& row : spans) {
        beam.shear_min = std::min(beam.shear_min, row.shear_min.value);
        beam.shear_max = std::max(beam.shear_max, row.shear_max.value);
        beam.moment_min = std::min(beam.moment_min, row.moment_min.value);
        beam.moment_max = std::max(beam.moment_max, row.moment_max.value);
        beam.deflection_min = std::min(beam.deflection_min, row.deflection_min.value);
        beam.deflection_max = std::max(beam.deflection_max, row.deflection_max.value);
    }
    beam.shear_magnitude = std::trunc(std::max(std::fabs(beam.shear_min), beam.shear_max));
    beam.moment_magnitude = std::trunc(std::max(std::fabs(beam.moment_min), beam.moment_max));
    beam.deflection_magnitude = std::max(std::fabs(beam.deflection_min), beam.deflection_max);
    return beam;
}

}  // namespace spanlyx
