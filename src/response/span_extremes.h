#pragma once
// The largest and smallest shear, moment and deflection of each span with the beam positions
// where they occur, and the whole-beam extremes that scale the diagrams.

#include <vector>

namespace spanlyx {

struct Extreme {
    double value = 0;
    double at = 0;  // beam_x; 0 when never set
};

struct SpanExtremes {
    Extreme shear_max, shear_min;
    Extreme moment_max, moment_min;
    Extreme deflection_max, deflection_min;
};

// Running extremes of the span being swept. They start at 0 with location 0, so a maximum is
// only taken by a value above 0 and a minimum by one below 0.
class RunningExtremes {
  public:
    void offer_shear(double v, double beam_x);
    void offer_moment(double m, double beam_x);
    // A later equal value takes the deflection maximum.
    void offer_deflection(double d, double beam_x);
    // The span's row; the running values start again from 0.
    SpanExtremes take();

  private:
    SpanExtremes current_;
};

struct BeamExtremes {
    double shear_min = 0, shear_max = 0;
    double moment_min = 0, moment_max = 0;
    double deflection_min = 0, deflection_max = 0;
    // Larger of |min| and max: whole-number part for shear and moment, as is for deflection.
    double shear_magnitude = 0, moment_magnitude = 0, deflection_magnitude = 0;
};

BeamExtremes beam_extremes(const std::vector<SpanExtremes>& spans);

}  // namespace spanlyx
