#include "analysis/fixed_end_actions.h"

#include <cmath>

namespace spanlyx {
namespace {

struct Position {
    double a;  // from the start
    double b;  // from the end
};

// A load that the near-mid-span rule catches goes to exact mid-span, so that a + b = L still
// holds and the end actions stay in equilibrium with the load.
Position snapped(double a, double length) {
    const double b = length - a;
    if (std::abs(b - a) < kMidspanSnap)
        return {length / 2, length / 2};
    return {a, b};
}

}  // namespace

FixedEndActions concentrated_fixed_end_actions(double w, double a_in, double length) {
    const auto [a, b] = snapped(a_in, length);
    const double l2 = length * length;
    const double l3 = l2 * length;
    return {
        .start_shear = w * b * b * (3 * a + b) / l3,
        .start_moment = w * a * b * b / l2,
        .end_shear = w * a * a * (a + 3 * b) / l3,
        .end_moment = -w * a * a * b / l2,
    };
}

FixedEndActions moment_fixed_end_actions(double m, double a_in, double length) {
    const auto [a, b] = snapped(a_in, length);
    const double l2 = length * length;
    const double l3 = l2 * length;
    return {
        .start_shear = 6 * m * a * b / l3,
        .start_moment = -m * b * (b - 2 * a) / l2,
        .end_shear = -6 * m * a * b / l3,
        .end_moment = -m * a * (a - 2 * b) / l2,
    };
}

FixedEndActions calc_trap(double w1, double w2, double x1, double x2, double length) {
    const double c = x2 - x1;
    if (!(c > 0))
        return {};
    const double l = length;

    // w(x) = alpha + beta x over [x1, x2].
    const double beta = (w2 - w1) / c;
    const double alpha = w1 - beta * x1;

    // Antiderivatives of w(x) x (L - x)^2 and w(x) x^2 (L - x): the fixed-end moment influence
    // functions of a unit downward load at x, times L^2.
    const auto start_moment_integral = [&](double x) {
        const double x2p = x * x, x3 = x2p * x, x4 = x3 * x, x5 = x4 * x;
        return alpha * (l * l * x2p / 2 - 2 * l * x3 / 3 + x4 / 4) +
               beta * (l * l * x3 / 3 - l * x4 / 2 + x5 / 5);
    };
    const auto end_moment_integral = [&](double x) {
        const double x3 = x * x * x, x4 = x3 * x, x5 = x4 * x;
        return alpha * (l * x3 / 3 - x4 / 4) + beta * (l * x4 / 4 - x5 / 5);
    };

    FixedEndActions actions;
    actions.start_moment = (start_moment_integral(x2) - start_moment_integral(x1)) / (l * l);
    actions.end_moment = -(end_moment_integral(x2) - end_moment_integral(x1)) / (l * l);

    // Resultant and its moment about the start: the trapezoid as two triangles, of height w1
    // with its centroid at c/3 and of height w2 at 2c/3.
    const double resultant = (w1 + w2) * c / 2;
    const double resultant_moment = w1 * c / 2 * (x1 + c / 3) + w2 * c / 2 * (x1 + 2 * c / 3);

    // Moments about the start of the fixed-ended span: FSe L + FMb + FMe = R x.
    actions.end_shear = (resultant_moment - actions.start_moment - actions.end_moment) / l;
    actions.start_shear = resultant - actions.end_shear;
    return actions;
}

FixedEndActions fixed_end_actions(const MemberLoad& load, double length) {
    const auto& v = load.values;
    switch (load.type) {
        case MemberLoadType::Concentrated:
            return concentrated_fixed_end_actions(v[0], v[2], length);
        case MemberLoadType::Moment:
            return moment_fixed_end_actions(v[1], v[2], length);
        case MemberLoadType::Distributed:
            return calc_trap(v[0], v[1], v[2], v[3], length);
    }
    return {};
}

FixedEndActions released_fixed_end_actions(const FixedEndActions& f, Release release,
                                           double length) {
    const double l = length;
    switch (release) {
        case Release::None:
            return f;
        case Release::Left:
            return {f.start_shear - 3 * f.start_moment / (2 * l), 0,
                    f.end_shear + 3 * f.start_moment / (2 * l), f.end_moment - f.start_moment / 2};
        case Release::Right:
            return {f.start_shear - 3 * f.end_moment / (2 * l), f.start_moment - f.end_moment / 2,
                    f.end_shear + 3 * f.end_moment / (2 * l), 0};
        case Release::Both:
            return {f.start_shear - (f.start_moment + f.end_moment) / l, 0,
                    f.end_shear + (f.start_moment + f.end_moment) / l, 0};
    }
    return f;
}

void mfefll(const MemberLoad& load, double length, Release release, Vector6& qf) {
    const FixedEndActions f =
        released_fixed_end_actions(fixed_end_actions(load, length), release, length);
    // The three load types act across the member only: no axial end forces.
    qf[1] += f.start_shear;
    qf[2] += f.start_moment;
    qf[4] += f.end_shear;
    qf[5] += f.end_moment;
}

Vector6 mfefg(const Matrix6& t, const Vector6& qf) {
    return multiply_transposed(t, qf);
}

}  // namespace spanlyx
