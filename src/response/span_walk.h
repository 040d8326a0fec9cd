#pragma once
// One span walked in steps of 0.01 with the sweep's integration rules, without recording or
// extremes: the values at each point for a caller that combines several load cases point by
// point. The loads of the span are those of the SweepSpan it walks.

#include "response/sweep_spans.h"

namespace spanlyx {

class SpanWalk {
  public:
    // shear and moment: the values carried in from the left (after the left joint's jumps).
    SpanWalk(const SweepSpan& span, double deflection_factor, double shear, double moment);

    // Advances to point n (0, 1, ..., span.steps, in order).
    void step(long long n);

    double shear() const { return shear_; }
    // The moment just left of an applied moment at this point; moment() otherwise.
    double moment_left() const { return moment_left_; }
    double moment() const { return moment_; }
    double deflection() const { return deflection_; }
    bool moment_applied_here() const { return moment_applied_; }

    // After the last point: the shear and moment just right of the right-hand joint.
    double shear_out() const { return shear_ + span_.end_shear_jump; }
    double moment_out() const { return moment_ - span_.end_moment_jump; }

  private:
    const SweepSpan& span_;
    const double k_;
    double shear_;
    double moment_;
    double moment_left_;
    double deflection_;
    bool moment_applied_ = false;
    double prev_shear_ = 0;
    double prev_moment_ = 0;
    double slope_sum_ = 0;           // sum of dtheta
    double slope_first_moment_ = 0;  // sum of dtheta * xi about the span's left end
};

}  // namespace spanlyx
