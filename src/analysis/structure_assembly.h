#pragma once
// Structure coordinates and the steps that move member quantities to and from them: free
// coordinates are numbered first, in joint order, then the restrained ones.

#include <array>
#include <vector>

#include "analysis/gauss_jordan.h"
#include "analysis/member_matrices.h"
#include "analysis/stiffness_model.h"

namespace spanlyx {

struct CoordinateNumbering {
    int ndof = 0;
    // Per joint coordinate, index (joint - 1) * 3 + k: 0 to ndof - 1 for free coordinates,
    // ndof upward for restrained ones.
    std::vector<int> numbers;

    // Structure numbers of the six end coordinates of a member.
    std::array<int, 6> member_coordinates(const MemberRecord& member) const;
};

CoordinateNumbering number_coordinates(const StiffnessModel& model);

// The prescribed displacements of the restrained coordinates, indexed by structure number - ndof;
// empty when no support of the model is moved.
std::vector<Extended> prescribed_displacements(const StiffnessModel& model,
                                               const CoordinateNumbering& numbering);

using MemberCoordinates = std::array<int, 6>;

// stores: adds the member's global stiffness into S at its free coordinates.
void stores(const MemberCoordinates& coords, const Matrix6Of<Extended>& gk, LinearSystem& system);
// storepf: subtracts the member's global fixed-end forces from P at its free coordinates.
void storepf(const MemberCoordinates& coords, const Vector6& ffg, LinearSystem& system);
// mdispg: the member's global end displacements from the solution d and, where restrained,
// from the prescribed displacements (indexed by structure number - ndof; empty: all 0).
Vector6Of<Extended> mdispg(const MemberCoordinates& coords, int ndof,
                           const std::vector<Extended>& d, const std::vector<Extended>& prescribed);
// storer: adds the member's global end forces into R at its restrained coordinates.
void storer(const MemberCoordinates& coords, int ndof, const Vector6Of<Extended>& f,
            std::vector<Extended>& reactions);
// The other half of a residual P - S d: subtracts the member's global end forces from r at
// its free coordinates.
void subtract_free(const MemberCoordinates& coords, int ndof, const Vector6Of<Extended>& f,
                   std::vector<Extended>& r);

}  // namespace spanlyx
