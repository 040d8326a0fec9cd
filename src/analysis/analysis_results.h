#pragma once
// What runanalysis leaves behind: joint displacements, member end forces, reactions.
// Tables are indexed from 0 (member m is index m - 1, joint j index j - 1).

#include <array>
#include <vector>

#include "analysis/stiffness_model.h"

namespace spanlyx {

struct AnalysisResults {
    // false: the beam is a mechanism or its equations could not be solved
    // (not_positive_definite); nothing below the counts is then filled in.
    bool stable = false;
    // A beam its supports hold whose equations still gave a zero or non-finite pivot or
    // solution: numbers beyond the range of floating point, never a mechanism.
    bool numerical_breakdown = false;
    int ndof = 0;
    int restraint_count = 0;
    // Per member: local end displacements (axial, transverse, rotation at start, then at end);
    // translations in inches in system E (analysis value x 12).
    std::vector<std::array<double, 6>> member_end_disp_local;
    // Per member: local end forces Q = BK*U + QF (internal units).
    std::vector<std::array<double, 6>> member_force_local;
    // Per joint, analysis units (feet in system E); at restrained coordinates their prescribed
    // movement (0 unless the support settles or is turned).
    std::vector<double> joint_disp_y;
    std::vector<double> joint_rotation;  // radians, ccw positive
    // Per joint: vertical reaction (up positive) and moment reaction (ccw positive); at a spring
    // -k times the displacement of its coordinate; 0 where free.
    std::vector<double> reaction_shear;
    std::vector<double> reaction_moment;
};

// runanalysis: assembles and solves the stiffness equations of the model.
AnalysisResults runanalysis(const StiffnessModel& model);

}  // namespace spanlyx
