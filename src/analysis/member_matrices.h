#pragma once
// The 6 x 6 member matrices of the plane-frame element: local stiffness with end releases,
// the rotation from global to local coordinates, and the global stiffness. Member end
// coordinates 0, 1, 2 are X, Y and rotation at the start joint; 3, 4, 5 the same at the end.

#include <array>

#include "model/beam.h"

namespace spanlyx {

using Vector6 = std::array<double, 6>;
using Matrix6 = std::array<Vector6, 6>;

// mstiffl: local stiffness BK of a member of modulus e, area a, inertia i and length l. A
// released end carries no bending stiffness; the axial terms stay for every release.
Matrix6 mstiffl(double e, double a, double i, double l, Release release);

// mtrans: T, mapping global end displacements onto local ones.
Matrix6 mtrans(double cos, double sin);

// mstiffg: GK = T^T * BK * T.
Matrix6 mstiffg(const Matrix6& bk, const Matrix6& t);

Vector6 multiply(const Matrix6& m, const Vector6& v);             // M * v
Vector6 multiply_transposed(const Matrix6& m, const Vector6& v);  // M^T * v

}  // namespace spanlyx
