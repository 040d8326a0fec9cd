#include "analysis/fixed_end_actions.h"

#include <gtest/gtest.h>

namespace spanlyx {
namespace {

void expect_actions(const FixedEndActions& f, double sb, double mb, double se, double me,
                    double tol = 1e-9) {
    EXPECT_NEAR(f.start_shear, sb, tol);
    EXPECT_NEAR(f.start_moment, mb, tol);
    EXPECT_NEAR(f.end_shear, se, tol);
    EXPECT_NEAR(f.end_moment, me, tol);
}

TEST(FixedEndActions, EveryLoadTypeMatchesTextbookValues) {
    const double l = 8, w = 3, m = 12;
    expect_actions(calc_trap(w, w, 0, l, l), w * l / 2, w * l * l / 12, w * l / 2, -w * l * l / 12);
    expect_actions(calc_trap(0, w, 0, l, l), 3 * w * l / 20, w * l * l / 30, 7 * w * l / 20,
                   -w * l * l / 20);
    expect_actions(calc_trap(w, 0, 0, l, l), 7 * w * l / 20, w * l * l / 20, 3 * w * l / 20,
                   -w * l * l / 30);
    expect_actions(calc_trap(5, 5, 4, 4, l), 0, 0, 0, 0);                     // no length, no load
    expect_actions(concentrated_fixed_end_actions(10, 4, l), 5, 10, 5, -10);  // W/2, WL/8
    // W = 10 at a = 3 of L = 10: Wb^2(3a+b)/L^3, Wab^2/L^2, Wa^2(a+3b)/L^3, -Wa^2b/L^2.
    expect_actions(fixed_end_actions({1, MemberLoadType::Concentrated, {10, 0, 3, 0}}, 10), 7.84,
                   14.7, 2.16, -6.3);
    // A counterclockwise couple: 1.5M/L and M/4 at mid-span; balanced anywhere.
    expect_actions(fixed_end_actions({1, MemberLoadType::Moment, {0, m, 4, 0}}, l), 1.5 * m / l,
                   m / 4, -1.5 * m / l, m / 4);
    const FixedEndActions off = moment_fixed_end_actions(m, 1.5, l);
    EXPECT_NEAR(off.start_shear + off.end_shear, 0, 1e-12);
    EXPECT_NEAR(off.start_moment + off.end_moment + off.end_shear * l + m, 0, 1e-12);
}

TEST(FixedEndActions, LoadsNearMidSpanGoToExactMidSpan) {
    const double l = 10, w = 6;
    const FixedEndActions mid = concentrated_fixed_end_actions(w, 5, l);
    for (double a : {5.0004, 4.9996}) {
        const FixedEndActions near = concentrated_fixed_end_actions(w, a, l);
        expect_actions(near, mid.start_shear, mid.start_moment, mid.end_shear, mid.end_moment);
        EXPECT_NEAR(near.start_shear + near.end_shear, w, 1e-12);  // equilibrium
        EXPECT_NEAR(near.end_shear * l + near.start_moment + near.end_moment, w * l / 2, 1e-12);
    }
    const FixedEndActions couple = moment_fixed_end_actions(4, 5.0004, l);
    expect_actions(couple, 0.6, 1, -0.6, 1);
    EXPECT_GT(concentrated_fixed_end_actions(w, 5.002, l).end_shear, mid.end_shear);  // not snapped
}

// Simpson's rule of f over [x1, x2].
template <typename F>
double integrate(F f, double x1, double x2) {
    const int n = 2000;
    const double h = (x2 - x1) / n;
    double sum = f(x1) + f(x2);
    for (int i = 1; i < n; ++i)
        sum += f(x1 + i * h) * (i % 2 == 1 ? 4 : 2);
    return sum * h / 3;
}

TEST(CalcTrap, PartialTrapezoidEqualsIntegralOfInfluenceFunctions) {
    const double l = 9;
    for (const auto [w1, w2, x1, x2] :
         {std::array{2.0, 7.0, 1.5, 6.25}, {8.0, 3.0, 0.4, 8.1}, {-2.0, 5.0, 3.0, 9.0}}) {
        const auto w = [&](double x) { return w1 + (w2 - w1) * (x - x1) / (x2 - x1); };
        // Fixed-end actions of a unit downward load at x (a = x, b = L - x).
        const auto sb = [&](double x) {
            return w(x) * (l - x) * (l - x) * (l + 2 * x) / (l * l * l);
        };
        const auto mb = [&](double x) { return w(x) * x * (l - x) * (l - x) / (l * l); };
        const auto se = [&](double x) { return w(x) * x * x * (3 * l - 2 * x) / (l * l * l); };
        const auto me = [&](double x) { return -w(x) * x * x * (l - x) / (l * l); };
        expect_actions(calc_trap(w1, w2, x1, x2, l), integrate(sb, x1, x2), integrate(mb, x1, x2),
                       integrate(se, x1, x2), integrate(me, x1, x2), 1e-8);
    }
}

TEST(FixedEndActions, ReleasesGiveProppedAndSimpleSpanValues) {
    const double l = 12, w = 2, p = 16;
    const FixedEndActions u = calc_trap(w, w, 0, l, l);
    expect_actions(released_fixed_end_actions(u, Release::Left, l), 3 * w * l / 8, 0, 5 * w * l / 8,
                   -w * l * l / 8);
    expect_actions(released_fixed_end_actions(u, Release::Right, l), 5 * w * l / 8, w * l * l / 8,
                   3 * w * l / 8, 0);
    expect_actions(released_fixed_end_actions(u, Release::Both, l), w * l / 2, 0, w * l / 2, 0);
    // mfefll adds each load's released actions: mid-span P hinged at the start gives 5P/16,
    // 11P/16 and 3PL/16 at the fixed end.
    Vector6 qf{};
    mfefll({1, MemberLoadType::Distributed, {w, w, 0, l}}, l, Release::Left, qf);
    mfefll({1, MemberLoadType::Concentrated, {p, 0, l / 2, 0}}, l, Release::Left, qf);
    const Vector6 expected{0, 3 * w * l / 8 + 5 * p / 16,  0,
                           0, 5 * w * l / 8 + 11 * p / 16, -w * l * l / 8 - 3 * p * l / 16};
    for (std::size_t k = 0; k < 6; ++k)
        EXPECT_NEAR(qf[k], expected[k], 1e-9) << k;
}

}  // namespace
}  // namespace spanlyx
