#pragma once
// Whether a beam's supports and hinges hold it, decided from its topology alone, before any
// arithmetic on stiffnesses: a mechanism and a stable but badly conditioned beam can give
// pivots of the same size, so no tolerance on a pivot can tell them apart.

#include "analysis/stiffness_model.h"

namespace spanlyx {

// True when the stiffness matrix of the model (free coordinates only) is non-singular for
// every positive length and E*I, that is when no displacement of the free coordinates leaves
// every member undeformed.
//
// The members joined rigidly at their joints form rigid bodies, each with two freedoms (a
// translation and a rotation). A joint restrained in Y fixes one point of each body at the
// joint; a joint restrained in rotation fixes the rotation of the body rigidly attached to it;
// a hinge joint whose other body is held fixes one point. A body with two fixed points, or a
// fixed point and a fixed rotation, is held; holding spreads until nothing changes. The model
// is stable when every body is held and every joint free to rotate is attached rigidly to some
// member end (otherwise its rotation row of the stiffness matrix is empty).
//
// A spring counts as a restraint of its coordinate: it adds its stiffness to the diagonal, and
// with springs the matrix is positive definite exactly when it is with the springs made rigid.
//
// Along the axis the line of members is held when any joint is restrained in X.
//
// The decision is exact for a straight line of members, where the bodies form a chain: a run
// of bodies not held has fewer independent conditions than freedoms, so it can move.
bool structure_is_stable(const StiffnessModel& model);

}  // namespace spanlyx
