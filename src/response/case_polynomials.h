#pragma once
// The live cases on a span they do not load, where each acts only through end forces and joint
// movements: constant shear, linear moment, cubic deflection,
//   V = V_0,  M = M_0 + V_0 x,  D = y_L + k x (theta_L + x (M_0 / 2EI + x V_0 / 6EI)).
// Besides the values of one case, the sums over all cases of their positive and of their
// negative parts: between the grid points where some case changes sign these sums are again a
// line and a cubic, so a point costs the same whatever the number of cases.

#include <cstddef>
#include <vector>

#include "response/sweep_spans.h"

namespace spanlyx {

// A case value within its tolerance of 0 is taken as exactly 0.
inline double snap_to_zero(double value, double tolerance) {
    return value <= tolerance && value >= -tolerance ? 0.0 : value;
}

// Sums of the positive and the negative parts of case values at a point.
struct Parts {
    double plus = 0;
    double minus = 0;
    void add(double v) {
        plus += v > 0 ? v : 0.0;
        minus += v < 0 ? v : 0.0;
    }
};

struct CaseOnSpan {
    double shear = 0;       // V_0
    double shear_last = 0;  // at the end point: less a load at x = 0 of the next span there
    double moment = 0;      // M_0, just right of the left joint
    double y_left = 0, theta_left = 0, rigidity = 0;
    double y_right = 0;  // the right-hand joint's movement, sampled unit
    double shear_tolerance = 0, moment_tolerance = 0, deflection_tolerance = 0;
};

class CasePolynomials {
  public:
    explicit CasePolynomials(double deflection_factor) : k_(deflection_factor) {}

    void clear();
    void add(const CaseOnSpan& c);
    std::size_t size() const { return m0_.size(); }

    double shear_at(std::size_t c, bool last) const;
    // At point n of the span: x = n / 100, and the span's true length at its end point.
    double moment_at(std::size_t c, long long n) const;
    double deflection_at(std::size_t c, long long n) const;
    // At the span's end point: over a vertically fixed joint the joint's own movement. The walk
    // of a case's own span integrates M/EI strip by strip and ends a little off the joint (by
    // up to h^2/12 of the slope change over the span, times its length); the envelope takes
    // every case at the joint itself, so a support that does not move shows 0 and names no span.
    double deflection_end(std::size_t c, long long n, bool fixed) const;

    // The span's sampled points are 0 .. last, the end point at end_x. The sums at interior
    // points 0 .. last - 1 (call with n in order); the end point goes case by case.
    void start_sums(long long last, double end_x);
    void sums_at(long long n, Parts& moment, Parts& deflection);

  private:
    struct Line {
        double a = 0, b = 0;
        double at(double x) const { return a + b * x; }
    };
    struct Cubic {
        double c0 = 0, c1 = 0, c2 = 0, c3 = 0;
        double at(double x) const { return c0 + x * (c1 + x * (c2 + x * c3)); }
    };
    double position(long long n) const;
    int moment_class(std::size_t c, long long n) const;
    int deflection_class(std::size_t c, long long n) const;
    // Appends the first index of every new sign class in lo .. hi, where the class is monotone.
    template <typename Class>
    void class_changes(long long lo, long long hi, const Class& cls);
    void recompute_sums(long long n);

    double k_;
    std::vector<double> v_, v_last_, m0_, m1_, d0_, d1_, d2_, d3_, d_end_;
    std::vector<double> v_tol_, m_tol_, d_tol_;
    long long last_ = -1;
    double end_x_ = 0;
    // Segment sums.
    std::vector<long long> changes_;
    std::size_t next_change_ = 0;
    Line m_plus_, m_minus_;
    Cubic d_plus_, d_minus_;
};

}  // namespace spanlyx
