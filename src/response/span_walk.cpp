// The step of the sampling sweep (span_response.cpp) for one span: the strip of distributed load
// ending at the point comes off the shear, loads at the point step it, the moment grows by the
// shear area of the strip (trapezoid rule) and the deflection follows from the moment-area
// theorems measured from the span's left end:
//   D(x) = y_L + k (theta_L x + sum over strips of dtheta_i (x - xi_i)).

#include "response/span_walk.h"

namespace spanlyx {
namespace {

constexpr double kStep = 0.01;
constexpr double kStepsPerUnit = 100.0;

}  // namespace

SpanWalk::SpanWalk(const SweepSpan& span, double deflection_factor, double shear, double moment)
    : span_(span),
      k_(deflection_factor),
      shear_(shear),
      moment_(moment),
      moment_left_(moment),
      deflection_(span.y_left) {}

void SpanWalk::step(long long n) {
    const double span_x = static_cast<double>(n) / kStepsPerUnit;
    for (const SweepUniform& u : span_.uniforms) {
        if (n > u.h1 && n <= u.h2) {
            const double wa = u.w1 + (span_x - u.x1 - kStep) * u.slope;
            const double wb = u.w1 + (span_x - u.x1) * u.slope;
            shear_ -= kStep * (wa + wb) / 2;
        }
    }
    double load_here = 0;
    for (const SweepPointAction& p : span_.points) {
        if (p.h == n)
            load_here += p.value;
    }
    if (n == span_.steps)
        load_here += span_.next_start_load;
    shear_ -= load_here;

    double applied = 0;
    moment_applied_ = false;
    for (const SweepPointAction& m : span_.moments) {
        if (m.h == n) {
            moment_applied_ = true;
            applied += m.value;
        }
    }
    if (n > 0) {
        moment_ += kStep * ((shear_ + load_here) + prev_shear_) / 2;
        const double dtheta = kStep * (prev_moment_ + moment_) / 2 / span_.rigidity;
        slope_sum_ += dtheta;
        slope_first_moment_ += dtheta * (span_x - kStep / 2);
        deflection_ = span_.y_left +
                      k_ * (span_.theta_left * span_x + slope_sum_ * span_x - slope_first_moment_);
    }
    moment_left_ = moment_;
    moment_ -= applied;  // a counterclockwise moment lowers the sagging moment
    prev_shear_ = shear_;
    prev_moment_ = moment_;
}

}  // namespace spanlyx
