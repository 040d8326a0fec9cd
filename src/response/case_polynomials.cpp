#include "response/case_polynomials.h"

#include <algorithm>
#include <cmath>

namespace spanlyx {
namespace {

constexpr double kStepsPerUnit = 100.0;

double grid_x(long long n) {
    return static_cast<double>(n) / kStepsPerUnit;
}

int sign_class(double v) {
    return v > 0 ? 1 : (v < 0 ? -1 : 0);
}

}  // namespace

void CasePolynomials::clear() {
    for (auto* v :
         {&v_, &v_last_, &m0_, &m1_, &d0_, &d1_, &d2_, &d3_, &d_end_, &v_tol_, &m_tol_, &d_tol_})
        v->clear();
}

void CasePolynomials::add(const CaseOnSpan& c) {
    v_.push_back(c.shear);
    v_last_.push_back(c.shear_last);
    m0_.push_back(c.moment);
    m1_.push_back(c.shear);
    d0_.push_back(c.y_left);
    d1_.push_back(k_ * c.theta_left);
    d2_.push_back(k_ * c.moment / (2 * c.rigidity));
    d3_.push_back(k_ * c.shear / (6 * c.rigidity));
    d_end_.push_back(c.y_right);
    v_tol_.push_back(c.shear_tolerance);
    m_tol_.push_back(c.moment_tolerance);
    d_tol_.push_back(c.deflection_tolerance);
}

double CasePolynomials::shear_at(std::size_t c, bool last) const {
    return snap_to_zero(last ? v_last_[c] : v_[c], v_tol_[c]);
}

double CasePolynomials::position(long long n) const {
    return n == last_ ? end_x_ : grid_x(n);
}

double CasePolynomials::moment_at(std::size_t c, long long n) const {
    return snap_to_zero(m0_[c] + m1_[c] * position(n), m_tol_[c]);
}

double CasePolynomials::deflection_at(std::size_t c, long long n) const {
    const double x = position(n);
    return snap_to_zero(d0_[c] + x * (d1_[c] + x * (d2_[c] + x * d3_[c])), d_tol_[c]);
}

double CasePolynomials::deflection_end(std::size_t c, long long n, bool fixed) const {
    return fixed ? snap_to_zero(d_end_[c], d_tol_[c]) : deflection_at(c, n);
}

int CasePolynomials::moment_class(std::size_t c, long long n) const {
    return sign_class(moment_at(c, n));
}

int CasePolynomials::deflection_class(std::size_t c, long long n) const {
    return sign_class(deflection_at(c, n));
}

template <typename Class>
void CasePolynomials::class_changes(long long lo, long long hi, const Class& cls) {
    // On a monotone stretch the points of one class are consecutive: bisect for each change.
    while (lo < hi && cls(lo) != cls(hi)) {
        const int first = cls(lo);
        long long good = lo, bad = hi;  // cls(good) == first, cls(bad) != first
        while (bad - good > 1) {
            const long long mid = good + (bad - good) / 2;
            (cls(mid) == first ? good : bad) = mid;
        }
        changes_.push_back(bad);
        lo = bad;
    }
}

void CasePolynomials::start_sums(long long last, double end_x) {
    last_ = last;
    end_x_ = end_x;
    changes_.clear();
    const long long hi = last - 1;
    for (std::size_t c = 0; c < size(); ++c) {
        // A line is monotone over the span.
        class_changes(0, hi, [this, c](long long n) { return moment_class(c, n); });
        // A cubic is monotone between the roots of D' = d1 + 2 d2 x + 3 d3 x^2.
        std::vector<double> turns;
        const double a = 3 * d3_[c], b = 2 * d2_[c], q = d1_[c];
        if (a == 0) {
            if (b != 0)
                turns.push_back(-q / b);
        } else {
            const double disc = b * b - 4 * a * q;
            if (disc >= 0) {
                const double r = -(b + std::copysign(std::sqrt(disc), b)) / 2;
                turns.push_back(r / a);
                if (r != 0)
                    turns.push_back(q / r);
            }
        }
        std::sort(turns.begin(), turns.end());
        long long lo = 0;
        const auto cls = [this, c](long long n) { return deflection_class(c, n); };
        for (double t : turns) {
            const double grid = std::floor(t * kStepsPerUnit);
            if (!(grid >= static_cast<double>(lo)) || !(grid < static_cast<double>(hi)))
                continue;
            const auto g = static_cast<long long>(grid);
            class_changes(lo, g, cls);
            if (cls(g) != cls(g + 1))
                changes_.push_back(g + 1);
            lo = g + 1;
        }
        class_changes(lo, hi, cls);
    }
    std::sort(changes_.begin(), changes_.end());
    changes_.erase(std::unique(changes_.begin(), changes_.end()), changes_.end());
    next_change_ = 0;
    recompute_sums(0);
}

void CasePolynomials::recompute_sums(long long n) {
    // Every case keeps its sign class up to the next change, so the sums are those of the
    // classes here; summed afresh at each change, so no drift builds up along the span.
    m_plus_ = m_minus_ = {};
    d_plus_ = d_minus_ = {};
    for (std::size_t c = 0; c < size(); ++c) {
        const int mc = moment_class(c, n);
        Line& line = mc > 0 ? m_plus_ : m_minus_;
        if (mc != 0) {
            line.a += m0_[c];
            line.b += m1_[c];
        }
        const int dc = deflection_class(c, n);
        Cubic& cubic = dc > 0 ? d_plus_ : d_minus_;
        if (dc != 0) {
            cubic.c0 += d0_[c];
            cubic.c1 += d1_[c];
            cubic.c2 += d2_[c];
            cubic.c3 += d3_[c];
        }
    }
}

void CasePolynomials::sums_at(long long n, Parts& moment, Parts& deflection) {
    if (next_change_ < changes_.size() && changes_[next_change_] == n) {
        ++next_change_;
        recompute_sums(n);
    }
    const double x = grid_x(n);
    moment.plus += std::max(m_plus_.at(x), 0.0);
    moment.minus += std::min(m_minus_.at(x), 0.0);
    deflection.plus += std::max(d_plus_.at(x), 0.0);
    deflection.minus += std::min(d_minus_.at(x), 0.0);
}

}  // namespace spanlyx
