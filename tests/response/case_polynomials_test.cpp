// The segment sums of the cases' positive and negative parts against the sums taken case by
// case, on lines and cubics that change sign inside the span (up to three times for a cubic).
#include <gtest/gtest.h>

#include <cmath>

#include "response/case_polynomials.h"

namespace spanlyx {
namespace {

// Deflection D = y + k x (theta + x (M0 / 2EI + x V / 6EI)) with roots r1 < r2 < r3 (and
// k = 1, EI = 1): choose V = 6 c, M0 = -2 c (r1 + r2 + r3), theta = c (r1 r2 + r1 r3 + r2 r3),
// y = -c r1 r2 r3, so D = c (x - r1)(x - r2)(x - r3).
CaseOnSpan cubic_with_roots(double c, double r1, double r2, double r3) {
    CaseOnSpan s;
    s.shear = 6 * c;
    s.shear_last = s.shear;
    s.moment = -2 * c * (r1 + r2 + r3);
    s.theta_left = c * (r1 * r2 + r1 * r3 + r2 * r3);
    s.y_left = -c * r1 * r2 * r3;
    s.rigidity = 1;
    s.shear_tolerance = s.moment_tolerance = s.deflection_tolerance = 1e-12;
    return s;
}

TEST(CasePolynomials, SegmentSumsEqualTheCaseByCaseSums) {
    CasePolynomials poly(1.0);
    poly.add(cubic_with_roots(1.0, 1.234, 2.5, 4.081));
    poly.add(cubic_with_roots(-0.3, -1.0, 3.333, 9.0));
    poly.add(cubic_with_roots(0.02, 0.5, 0.5, 4.7));  // a double root: touches 0 at 0.5
    poly.add(cubic_with_roots(2.0, 7.0, 8.0, 9.0));   // no sign change on the span
    constexpr long long kLast = 500;                  // a span of 5.00
    poly.start_sums(kLast, 5.0);
    for (long long n = 0; n < kLast; ++n) {
        Parts m_sum, d_sum, m_each, d_each;
        poly.sums_at(n, m_sum, d_sum);
        for (std::size_t c = 0; c < poly.size(); ++c) {
            m_each.add(poly.moment_at(c, n));
            d_each.add(poly.deflection_at(c, n));
        }
        ASSERT_NEAR(m_sum.plus, m_each.plus, 1e-12) << n;
        ASSERT_NEAR(m_sum.minus, m_each.minus, 1e-12) << n;
        ASSERT_NEAR(d_sum.plus, d_each.plus, 1e-12) << n;
        ASSERT_NEAR(d_sum.minus, d_each.minus, 1e-12) << n;
    }
    // The first case itself: (x - 1.234)(x - 2.5)(x - 4.081) is negative at 1.00, positive at
    // 2.00, negative at 3.00 and positive at 4.50.
    EXPECT_LT(poly.deflection_at(0, 100), 0);
    EXPECT_GT(poly.deflection_at(0, 200), 0);
    EXPECT_LT(poly.deflection_at(0, 300), 0);
    EXPECT_GT(poly.deflection_at(0, 450), 0);
}

TEST(CasePolynomials, TheEndPointStandsAtTheSpansTrueLength) {
    // A span of 5.004: its end point is sampled as 5.00 but stands at 5.004, a root of the cubic.
    CasePolynomials poly(1.0);
    const CaseOnSpan s = cubic_with_roots(1.0, 1.234, 2.5, 5.004);
    poly.add(s);
    poly.start_sums(500, 5.004);
    EXPECT_NEAR(poly.deflection_at(0, 500), 0, 1e-12);
    EXPECT_NEAR(poly.moment_at(0, 500), s.moment + s.shear * 5.004, 1e-12);
    // The points before it stay on the grid: (4.99 - 1.234)(4.99 - 2.5)(4.99 - 5.004).
    EXPECT_NEAR(poly.deflection_at(0, 499), 3.756 * 2.49 * -0.014, 1e-12);
}

TEST(CasePolynomials, ValuesWithinTheToleranceAreZero) {
    CaseOnSpan s = cubic_with_roots(1.0, 1.0, 2.0, 3.0);
    s.shear = 1e-13;
    s.shear_last = 5.0;
    CasePolynomials poly(1.0);
    poly.add(s);
    EXPECT_EQ(poly.shear_at(0, false), 0.0);
    EXPECT_EQ(poly.shear_at(0, true), 5.0);
    // Over a vertically fixed joint the end point takes the joint's movement.
    s.y_right = 0.25;
    CasePolynomials end(1.0);
    end.add(s);
    EXPECT_EQ(end.deflection_end(0, 300, true), 0.25);
}

}  // namespace
}  // namespace spanlyx
