// Per step of 0.01 along a span: the strip of distributed load ending at the point comes off the
// shear, loads at the point step the shear, the moment grows by the shear area of the strip
// (trapezoid rule, exact for a linear shear), and the deflection follows from the area of M/EI
// (the moment-area theorems) measured from the span's left end:
//   D(x) = y_L + k (theta_L x + sum over strips of dtheta_i (x - xi_i)).
// Loads standing between sampled points add their corrections to the strip that holds them, and
// the last strip ends at the span's true end.

#include "response/span_walk.h"

namespace spanlyx {
namespace {

constexpr double kStep = 0.01;
constexpr double kStepsPerUnit = 100.0;

}  // namespace

SpanWalk::SpanWalk(const SweepSpan& span, double deflection_factor, double shear, double moment,
                   double deflection)
    : span_(span),
      k_(deflection_factor),
      correction_(span.corrections.begin()),
      shear_(shear),
      moment_(moment),
      moment_left_(moment),
      deflection_(deflection) {}

void SpanWalk::step(long long n) {
    const bool first = n == 0;
    const bool at_end = n == span_.steps;
    span_x_ = static_cast<double>(n) / kStepsPerUnit;

    for (const SweepUniform& u : span_.uniforms) {
        if (n > u.h1 && n <= u.h2) {
            const double wa = u.w1 + (span_x_ - u.x1 - kStep) * u.slope;
            const double wb = u.w1 + (span_x_ - u.x1) * u.slope;
            shear_ -= kStep * (wa + wb) / 2;
        }
    }
    // Loads standing between sampled points: their share of the strip ending here.
    StripCorrection here{n};
    for (; correction_ != span_.corrections.end() && correction_->strip <= n; ++correction_) {
        if (correction_->strip < n)
            continue;  // before the first strip: nothing to integrate
        here.shear += correction_->shear;
        here.moment += correction_->moment;
        here.area += correction_->area;
        here.area_moment += correction_->area_moment;
    }
    // A correction of 0 is skipped so that a -0 keeps its sign.
    if (here.shear != 0)
        shear_ -= here.shear;
    double load_here = 0;
    for (const SweepPointAction& p : span_.points) {
        if (p.h == n)
            load_here += p.value;
    }
    if (at_end)
        load_here += span_.next_start_load;
    shear_ -= load_here;

    moment_applied_ = false;
    applied_moment_ = 0;
    for (const SweepPointAction& m : span_.moments) {
        if (m.h == n) {
            moment_applied_ = true;
            applied_moment_ += m.value;
        }
    }

    // The strip ending here, with the shear just left of a load at this point and the moment
    // just left of an applied moment here; each strip enters the slope sums once.
    if (!first) {
        // The last strip ends at the span's true end, which may lie off the grid.
        const double width = at_end ? span_.end_width : kStep;
        const double x = at_end ? span_.end_x : span_x_;
        moment_ += width * ((shear_ + load_here) + prev_shear_) / 2;
        if (here.moment != 0)
            moment_ += here.moment;
        const double dtheta = width * (prev_moment_ + moment_) / 2 / span_.rigidity;
        slope_sum_ += dtheta;
        slope_first_moment_ += dtheta * (x - width / 2);
        if (here.area != 0) {
            slope_sum_ += here.area / span_.rigidity;
            slope_first_moment_ += here.area_moment / span_.rigidity;
        }
        deflection_ =
            span_.y_left + k_ * (span_.theta_left * x + slope_sum_ * x - slope_first_moment_);
    }
    moment_left_ = moment_;
    if (moment_applied_)
        moment_ -= applied_moment_;  // a counterclockwise moment lowers the sagging moment
    prev_shear_ = shear_;
    prev_moment_ = moment_;
}

}  // namespace spanlyx
