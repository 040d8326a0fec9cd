#pragma once
// The 6 x 6 member matrices of the plane-frame element: local stiffness with end releases,
// the rotation from global to local coordinates, and the global stiffness. Member end
// coordinates 0, 1, 2 are X, Y and rotation at the start joint; 3, 4, 5 the same at the end.

#include <array>

#include "model/beam.h"

namespace spanlyx {

// Each function exists for double (the member results) and for long double (the assembly of
// the structure equations in extended precision).
template <class T>
using Vector6Of = std::array<T, 6>;
template <class T>
using Matrix6Of = std::array<Vector6Of<T>, 6>;
using Vector6 = Vector6Of<double>;
using Matrix6 = Matrix6Of<double>;

// mstiffl: local stiffness BK of a member of modulus e, area a, inertia i and length l. A
// released end carries no bending stiffness; the axial terms stay for every release.
template <class T>
Matrix6Of<T> mstiffl(T e, T a, T i, T l, Release release);

// BK * u for the same member, written through the chord rotation (v2 - v1) / l so that the
// rigid-body part of u cancels before it is multiplied by a stiffness: a short stiff span
// then gives its end forces to the accuracy of its small deformations, not of 12EI/l^3 times
// its displacement.
template <class T>
Vector6Of<T> stiffness_forces(T e, T a, T i, T l, Release release, const Vector6Of<T>& u);

// mtrans: T, mapping global end displacements onto local ones.
template <class T>
Matrix6Of<T> mtrans(T cos, T sin);

// mstiffg: GK = T^T * BK * T.
template <class T>
Matrix6Of<T> mstiffg(const Matrix6Of<T>& bk, const Matrix6Of<T>& t);

template <class T>
Vector6Of<T> multiply(const Matrix6Of<T>& m, const Vector6Of<T>& v);  // M * v
template <class T>
Vector6Of<T> multiply_transposed(const Matrix6Of<T>& m, const Vector6Of<T>& v);  // M^T * v

}  // namespace spanlyx
