// runanalysis: assembles S d = P member by member, solves it, then walks the members again for
// their end displacements and forces and gathers the support reactions.

#include <cassert>
#include <cmath>

#include "analysis/analysis_results.h"
#include "analysis/fixed_end_actions.h"
#include "analysis/gauss_jordan.h"
#include "analysis/member_matrices.h"
#include "analysis/structure_assembly.h"

namespace spanlyx {
namespace {

// System E reports member end translations in inches while the analysis runs in feet.
constexpr double kInchesPerFoot = 12.0;

struct MemberGeometry {
    double length = 0;
    Matrix6 t{};
};

MemberGeometry geometry(const StiffnessModel& model, const MemberRecord& member) {
    const auto& b = model.joint_coord.at(static_cast<std::size_t>(member.start_joint - 1));
    const auto& e = model.joint_coord.at(static_cast<std::size_t>(member.end_joint - 1));
    const double dx = e[0] - b[0];
    const double dy = e[1] - b[1];
    const double length = std::sqrt(dx * dx + dy * dy);
    assert(length > 0);
    return {length, mtrans(dx / length, dy / length)};
}

Matrix6 local_stiffness(const StiffnessModel& model, const MemberRecord& member, double length) {
    const double e = model.material_modulus.at(static_cast<std::size_t>(member.material - 1));
    const SectionProps& section = model.sections.at(static_cast<std::size_t>(member.section - 1));
    return mstiffl(e, section.area, section.inertia, length, member.release);
}

// QF of one member: the released fixed-end actions of its loads, in load-table order.
Vector6 member_fixed_end_forces(const StiffnessModel& model, int member_number,
                                const MemberRecord& member, double length) {
    Vector6 qf{};
    for (const MemberLoad& load : model.member_loads) {
        if (load.member == member_number)
            mfefll(load, length, member.release, qf);
    }
    return qf;
}

void assemble(const StiffnessModel& model, const CoordinateNumbering& numbering,
              LinearSystem& system) {
    for (int m = 1; m <= model.member_count(); ++m) {
        const MemberRecord& member = model.members[static_cast<std::size_t>(m - 1)];
        const MemberGeometry g = geometry(model, member);
        const MemberCoordinates coords = numbering.member_coordinates(member);
        stores(coords, mstiffg(local_stiffness(model, member, g.length), g.t), system);
        if (!model.member_loads.empty()) {
            storepf(coords, mfefg(g.t, member_fixed_end_forces(model, m, member, g.length)),
                    system);
        }
    }
    // Joint loads at restrained coordinates are left out here and come back in the reactions.
    for (const JointLoad& load : model.joint_loads) {
        for (int k = 0; k < kCoordsPerJoint; ++k) {
            const int n = numbering.numbers.at(
                static_cast<std::size_t>((load.joint - 1) * kCoordsPerJoint + k));
            if (n < system.n)
                system.rhs(n) += load.values[static_cast<std::size_t>(k)];
        }
    }
}

// Second member loop: end displacements and forces of every member, and R.
void member_results(const StiffnessModel& model, const CoordinateNumbering& numbering,
                    const std::vector<double>& d, AnalysisResults& results,
                    std::vector<double>& r) {
    const bool feet = lengths_in_feet(model.units);
    for (int m = 1; m <= model.member_count(); ++m) {
        const auto index = static_cast<std::size_t>(m - 1);
        const MemberRecord& member = model.members[index];
        const MemberGeometry g = geometry(model, member);
        const MemberCoordinates coords = numbering.member_coordinates(member);

        const Vector6 u = multiply(g.t, mdispg(coords, numbering.ndof, d));  // mdispl
        Vector6 stored = u;
        if (feet) {
            for (std::size_t c : {0u, 1u, 3u, 4u})
                stored[c] *= kInchesPerFoot;
        }
        results.member_end_disp_local[index] = stored;

        Vector6 q = multiply(local_stiffness(model, member, g.length), u);  // mforcel
        if (!model.member_loads.empty()) {
            const Vector6 qf = member_fixed_end_forces(model, m, member, g.length);
            for (std::size_t c = 0; c < 6; ++c)
                q[c] += qf[c];
        }
        results.member_force_local[index] = q;
        storer(coords, numbering.ndof, multiply_transposed(g.t, q), r);  // mforceg, storer
    }
}

void displacements(const StiffnessModel& model, const CoordinateNumbering& numbering,
                   const std::vector<double>& d, AnalysisResults& results) {
    const auto joints = static_cast<std::size_t>(model.joint_count());
    results.joint_disp_y.assign(joints, 0.0);
    results.joint_rotation.assign(joints, 0.0);
    for (std::size_t j = 0; j < joints; ++j) {
        const int ny = numbering.numbers[j * kCoordsPerJoint + 1];
        const int nz = numbering.numbers[j * kCoordsPerJoint + 2];
        if (ny < numbering.ndof)
            results.joint_disp_y[j] = d[static_cast<std::size_t>(ny)];
        if (nz < numbering.ndof)
            results.joint_rotation[j] = d[static_cast<std::size_t>(nz)];
    }
}

// Reactions per joint: the member end forces at a restrained coordinate, less any load that
// sits on the joint itself there.
void reactions(const StiffnessModel& model, const CoordinateNumbering& numbering,
               const std::vector<double>& r, AnalysisResults& results) {
    const auto joints = static_cast<std::size_t>(model.joint_count());
    results.reaction_shear.assign(joints, 0.0);
    results.reaction_moment.assign(joints, 0.0);
    for (std::size_t j = 0; j < joints; ++j) {
        const int ny = numbering.numbers[j * kCoordsPerJoint + 1];
        const int nz = numbering.numbers[j * kCoordsPerJoint + 2];
        if (ny >= numbering.ndof) {
            results.reaction_shear[j] =
                r[static_cast<std::size_t>(ny - numbering.ndof)] - model.joint_force[j];
        }
        if (nz >= numbering.ndof) {
            results.reaction_moment[j] =
                r[static_cast<std::size_t>(nz - numbering.ndof)] - model.joint_moment[j];
        }
    }
}

}  // namespace

AnalysisResults runanalysis(const StiffnessModel& model) {
    assert(model.joint_force.size() == static_cast<std::size_t>(model.joint_count()));
    assert(model.joint_moment.size() == static_cast<std::size_t>(model.joint_count()));

    AnalysisResults results;
    const auto members = static_cast<std::size_t>(model.member_count());
    results.member_end_disp_local.assign(members, Vector6{});
    results.restraint_count = model.restraint_count();

    const CoordinateNumbering numbering = number_coordinates(model);
    results.ndof = numbering.ndof;

    LinearSystem system(numbering.ndof);
    assemble(model, numbering, system);
    if (solve_gauss_jordan(system) == EliminationOutcome::ZeroPivot)
        return results;
    results.stable = true;

    results.member_force_local.assign(members, Vector6{});
    std::vector<double> r(static_cast<std::size_t>(results.restraint_count), 0.0);
    member_results(model, numbering, system.p, results, r);
    displacements(model, numbering, system.p, results);
    reactions(model, numbering, r, results);
    return results;
}

}  // namespace spanlyx
