#pragma once
// Fixed-end actions of member loads: the end shears and moments that a span fixed at both ends
// exerts on the span under one load (local y up, counterclockwise positive), their
// redistribution when an end is hinged, and their place in the member's end-force vector.

#include "analysis/member_matrices.h"
#include "analysis/stiffness_model.h"

namespace spanlyx {

// A concentrated load or applied moment this close to mid-span is placed exactly at mid-span.
inline constexpr double kMidspanSnap = 0.001;

// W (positive downward) at distance a from the start.
FixedEndActions concentrated_fixed_end_actions(double w, double a, double length);
// A couple M (positive counterclockwise) at distance a from the start.
FixedEndActions moment_fixed_end_actions(double m, double a, double length);
// calc_trap: intensity varying linearly from w1 at x1 to w2 at x2 (positive downward), zero
// elsewhere. A load of no length (x2 <= x1) carries nothing.
FixedEndActions calc_trap(double w1, double w2, double x1, double x2, double length);

// One member load on a span fixed at both ends, before any release redistribution.
FixedEndActions fixed_end_actions(const MemberLoad& load, double length);

// The same actions on a span with the given end releases: a hinged end carries no moment, its
// share moving into the shears and the moment at the other end.
FixedEndActions released_fixed_end_actions(const FixedEndActions& fixed, Release release,
                                           double length);

// mfefll: adds one load's released fixed-end actions to the member's local vector QF.
void mfefll(const MemberLoad& load, double length, Release release, Vector6& qf);

// mfefg: QF in global coordinates, T^T * QF.
Vector6 mfefg(const Matrix6& t, const Vector6& qf);

}  // namespace spanlyx
