#pragma once
// The step of the sampling sweep along one span, in 0.01 steps: the one integration of shear,
// moment and deflection from a span's loads. The as-entered sweep (span_response.cpp) records
// and keeps the extremes of its points; the envelope (envelope.cpp) walks each load case on the
// span that carries its loads with it and combines the cases point by point. The loads of the
// span are those of the SweepSpan it walks, with their corrections for positions between
// sampled points.

#include "response/sweep_spans.h"

namespace spanlyx {

class SpanWalk {
  public:
    // shear and moment: the values carried in from the left (after the left joint's jumps);
    // deflection: the value the first point shows (the walk from x > 0 starts from y_left).
    SpanWalk(const SweepSpan& span, double deflection_factor, double shear, double moment,
             double deflection);

    // Advances to point n (0, 1, ..., span.steps, in order).
    void step(long long n);

    // The distance of the point from the span's left end, as its two-decimal text names it.
    double span_x() const { return span_x_; }
    double shear() const { return shear_; }
    // The moment just left of an applied moment at this point; moment() otherwise.
    double moment_left() const { return moment_left_; }
    double moment() const { return moment_; }
    double deflection() const { return deflection_; }
    bool moment_applied_here() const { return moment_applied_; }
    double applied_moment() const { return applied_moment_; }

    // After the last point: the shear and moment just right of the right-hand joint.
    double shear_out() const { return shear_ + span_.end_shear_jump; }
    double moment_out() const { return moment_ - span_.end_moment_jump; }

  private:
    const SweepSpan& span_;
    const double k_;
    std::vector<StripCorrection>::const_iterator correction_;
    double span_x_ = 0;
    double shear_;
    double moment_;
    double moment_left_;
    double deflection_;
    bool moment_applied_ = false;
    double applied_moment_ = 0;
    double prev_shear_ = 0;
    double prev_moment_ = 0;
    double slope_sum_ = 0;           // sum of dtheta
    double slope_first_moment_ = 0;  // sum of dtheta * xi about the span's left end
};

}  // namespace spanlyx
