#pragma once
// The stiffness equations of a beam written out again in exact rational arithmetic, from the
// slope-deflection equations of a prismatic member (with the modified ones for a hinged end)
// and the textbook fixed-end actions of a uniform load over the whole span, then solved
// exactly. The data are the doubles the analysis is given (span lengths as entered, E and I as
// the stiffness model holds them), converted without rounding, so the reference is the exact
// solution of the program's own problem.

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "analysis/stiffness_model.h"
#include "exact_rational.h"

namespace spanlyx::test {

using RationalMatrix = std::vector<std::vector<Rational>>;

// Gauss-Jordan elimination over the rationals, taking the first non-zero pivot in each column.
// Returns nothing when the matrix is singular.
inline std::optional<std::vector<Rational>> solve_exactly(RationalMatrix a,
                                                          std::vector<Rational> b) {
    const std::size_t n = b.size();
    for (std::size_t col = 0; col < n; ++col) {
        std::size_t row = col;
        while (row < n && a[row][col].is_zero())
            ++row;
        if (row == n)
            return std::nullopt;
        std::swap(a[row], a[col]);
        std::swap(b[row], b[col]);
        const Rational pivot = a[col][col];
        for (std::size_t j = col; j < n; ++j)
            a[col][j] = a[col][j] / pivot;
        b[col] = b[col] / pivot;
        for (std::size_t i = 0; i < n; ++i) {
            if (i == col || a[i][col].is_zero())
                continue;
            const Rational f = a[i][col];
            for (std::size_t j = col; j < n; ++j)
                a[i][j] -= f * a[col][j];
            b[i] -= f * b[col];
        }
    }
    return b;
}

struct ExactBeamSystem {
    RationalMatrix k;
    std::vector<Rational> p;
    // Per joint: the unknown of its deflection and of its rotation, -1 where restrained.
    std::vector<int> y_unknown, z_unknown;
};

struct ExactMember {
    Rational length, ei;
    Release release = Release::None;
};

// Member end forces (V1, M1, V2, M2; up and counterclockwise positive) from the end
// displacements (v1, theta1, v2, theta2): slope-deflection with the chord rotation psi.
inline std::vector<Rational> exact_end_forces(const ExactMember& m,
                                              const std::vector<Rational>& u) {
    const Rational psi = (u[2] - u[0]) / m.length;
    const Rational k = m.ei / m.length;
    Rational m1 = 0, m2 = 0;
    if (m.release == Release::None) {
        m1 = k * (Rational(4) * u[1] + Rational(2) * u[3] - Rational(6) * psi);
        m2 = k * (Rational(2) * u[1] + Rational(4) * u[3] - Rational(6) * psi);
    } else if (m.release == Release::Left) {  // propped: M1 = 0
        m2 = Rational(3) * k * (u[3] - psi);
    } else if (m.release == Release::Right) {
        m1 = Rational(3) * k * (u[1] - psi);
    }
    const Rational v1 = (m1 + m2) / m.length;
    return {v1, m1, -v1, m2};
}

// Fixed-end actions of a downward uniform load w over the whole span, by end release.
inline std::vector<Rational> exact_uniform_fixed_end_actions(const ExactMember& m,
                                                             const Rational& w) {
    const Rational wl = w * m.length;
    const Rational wl2 = wl * m.length;
    switch (m.release) {
        case Release::None:
            return {wl / 2, wl2 / 12, wl / 2, -wl2 / 12};
        case Release::Left:
            return {wl * Rational::fraction(3, 8), 0, wl * Rational::fraction(5, 8), -wl2 / 8};
        case Release::Right:
            return {wl * Rational::fraction(5, 8), wl2 / 8, wl * Rational::fraction(3, 8), 0};
        case Release::Both:
            break;
    }
    return {wl / 2, 0, wl / 2, 0};
}

inline std::vector<ExactMember> exact_members(const Beam& beam, const StiffnessModel& model) {
    std::vector<ExactMember> members;
    for (std::size_t i = 0; i < beam.spans.size(); ++i) {
        members.push_back({Rational::from_double(beam.spans[i].length.value),
                           Rational::from_double(model.material_modulus[i]) *
                               Rational::from_double(model.sections[i].inertia),
                           beam.spans[i].release});
    }
    return members;
}

// Member loads must be uniform loads over whole spans; loads at span ends are joint loads.
inline std::vector<std::vector<Rational>> exact_fixed_end_actions(
    const Beam& beam, const std::vector<ExactMember>& members) {
    std::vector<std::vector<Rational>> fea(members.size(), std::vector<Rational>(4, Rational(0)));
    for (std::size_t i = 0; i < members.size(); ++i) {
        const Span& span = beam.spans[i];
        for (const UniformLoad& u : span.uniforms) {
            EXPECT_TRUE(u.x1 == 0 && u.x2 == span.length.value && u.w1 == u.w2);
            const auto one =
                exact_uniform_fixed_end_actions(members[i], Rational::from_double(u.w1));
            for (std::size_t c = 0; c < 4; ++c)
                fea[i][c] += one[c];
        }
        for (const PointLoad& p : span.points)
            EXPECT_TRUE(p.x == 0 || p.x == span.length.value);
        for (const MomentLoad& m : span.moments)
            EXPECT_TRUE(m.x == 0 || m.x == span.length.value);
    }
    return fea;
}

inline ExactBeamSystem exact_system(const Beam& beam, const StiffnessModel& model) {
    ExactBeamSystem sys;
    int n = 0;
    for (const Joint& joint : beam.joints) {
        sys.y_unknown.push_back(joint.restraint_y == 1 ? -1 : n++);
        sys.z_unknown.push_back(joint.restraint_z == 1 ? -1 : n++);
    }
    const auto size = static_cast<std::size_t>(n);
    sys.k.assign(size, std::vector<Rational>(size, Rational(0)));
    sys.p.assign(size, Rational(0));
    const std::vector<ExactMember> members = exact_members(beam, model);
    const auto fea = exact_fixed_end_actions(beam, members);
    for (std::size_t i = 0; i < members.size(); ++i) {
        const int unknown[4] = {sys.y_unknown[i], sys.z_unknown[i], sys.y_unknown[i + 1],
                                sys.z_unknown[i + 1]};
        for (std::size_t c = 0; c < 4; ++c) {  // column c of the member stiffness
            if (unknown[c] < 0)
                continue;
            std::vector<Rational> u(4, Rational(0));
            u[c] = 1;
            const auto f = exact_end_forces(members[i], u);
            for (std::size_t r = 0; r < 4; ++r) {
                if (unknown[r] >= 0) {
                    sys.k[static_cast<std::size_t>(unknown[r])]
                         [static_cast<std::size_t>(unknown[c])] += f[r];
                }
            }
        }
        for (std::size_t r = 0; r < 4; ++r) {
            if (unknown[r] >= 0)
                sys.p[static_cast<std::size_t>(unknown[r])] -= fea[i][r];
        }
    }
    for (std::size_t j = 0; j < beam.joints.size(); ++j) {
        if (sys.y_unknown[j] >= 0)
            sys.p[static_cast<std::size_t>(sys.y_unknown[j])] +=
                Rational::from_double(model.joint_force[j]);
        if (sys.z_unknown[j] >= 0)
            sys.p[static_cast<std::size_t>(sys.z_unknown[j])] +=
                Rational::from_double(model.joint_moment[j]);
    }
    return sys;
}

struct ExactResults {
    std::vector<Rational> disp_y, rotation;                 // per joint
    std::vector<Rational> reaction_shear, reaction_moment;  // per joint, 0 where free
};

// The exact joint values of a beam, or nothing when its stiffness matrix is singular.
inline std::optional<ExactResults> exact_results(const Beam& beam, const StiffnessModel& model) {
    const ExactBeamSystem sys = exact_system(beam, model);
    const auto d = solve_exactly(sys.k, sys.p);
    if (!d)
        return std::nullopt;
    const std::size_t joints = beam.joints.size();
    ExactResults out;
    const auto value = [&](int unknown) {
        return unknown < 0 ? Rational(0) : (*d)[static_cast<std::size_t>(unknown)];
    };
    for (std::size_t j = 0; j < joints; ++j) {
        out.disp_y.push_back(value(sys.y_unknown[j]));
        out.rotation.push_back(value(sys.z_unknown[j]));
    }
    // Reactions: the member end forces at each joint less the load on the joint itself.
    std::vector<Rational> shear(joints, Rational(0)), moment(joints, Rational(0));
    const std::vector<ExactMember> members = exact_members(beam, model);
    const auto fea = exact_fixed_end_actions(beam, members);
    for (std::size_t i = 0; i < members.size(); ++i) {
        const auto f = exact_end_forces(
            members[i], {out.disp_y[i], out.rotation[i], out.disp_y[i + 1], out.rotation[i + 1]});
        shear[i] += f[0] + fea[i][0];
        moment[i] += f[1] + fea[i][1];
        shear[i + 1] += f[2] + fea[i][2];
        moment[i + 1] += f[3] + fea[i][3];
    }
    for (std::size_t j = 0; j < joints; ++j) {
        out.reaction_shear.push_back(sys.y_unknown[j] < 0
                                         ? shear[j] - Rational::from_double(model.joint_force[j])
                                         : Rational(0));
        out.reaction_moment.push_back(sys.z_unknown[j] < 0
                                          ? moment[j] - Rational::from_double(model.joint_moment[j])
                                          : Rational(0));
    }
    return out;
}

}  // namespace spanlyx::test
