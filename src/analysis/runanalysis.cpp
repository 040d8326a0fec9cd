// runanalysis: assembles S d = P member by member, solves it, then walks the members again for
// their end displacements and forces and gathers the support reactions.

#include <algorithm>
#include <cassert>
#include <cmath>

#include "analysis/analysis_results.h"
#include "analysis/fixed_end_actions.h"
#include "analysis/gauss_jordan.h"
#include "analysis/member_matrices.h"
#include "analysis/structure_assembly.h"
#include "analysis/structure_stability.h"

namespace spanlyx {
namespace {

// System E reports member end translations in inches while the analysis runs in feet.
constexpr double kInchesPerFoot = 12.0;

struct MemberGeometry {
    Extended length = 0;
    Matrix6Of<Extended> t{};
    Matrix6 t_double{};    // for the fixed-end forces, formed in double
    bool along_x = false;  // T is the identity, as for every member of a beam
};

struct Axis {
    Extended dx = 0, dy = 0, length = 0;
};

Axis member_axis(const StiffnessModel& model, const MemberRecord& member) {
    const auto& b = model.joint_coord.at(static_cast<std::size_t>(member.start_joint - 1));
    const auto& e = model.joint_coord.at(static_cast<std::size_t>(member.end_joint - 1));
    const Extended dx = static_cast<Extended>(e[0]) - static_cast<Extended>(b[0]);
    const Extended dy = static_cast<Extended>(e[1]) - static_cast<Extended>(b[1]);
    return {dx, dy, std::sqrt(dx * dx + dy * dy)};
}

MemberGeometry geometry(const StiffnessModel& model, const MemberRecord& member) {
    const Axis axis = member_axis(model, member);
    assert(axis.length > 0);  // checked before assembly
    const Extended cos = axis.dx / axis.length;
    const Extended sin = axis.dy / axis.length;
    return {axis.length, mtrans(cos, sin),
            mtrans(static_cast<double>(cos), static_cast<double>(sin)), cos == 1 && sin == 0};
}

struct MemberSection {
    Extended e = 0, area = 0, inertia = 0;
};

MemberSection section_of(const StiffnessModel& model, const MemberRecord& member) {
    const SectionProps& section = model.sections.at(static_cast<std::size_t>(member.section - 1));
    return {model.material_modulus.at(static_cast<std::size_t>(member.material - 1)), section.area,
            section.inertia};
}

Matrix6Of<Extended> local_stiffness(const StiffnessModel& model, const MemberRecord& member,
                                    Extended length) {
    const MemberSection s = section_of(model, member);
    return mstiffl(s.e, s.area, s.inertia, length, member.release);
}

// BK * u of the member, from its local end displacements.
Vector6Of<Extended> local_stiffness_forces(const StiffnessModel& model, const MemberRecord& member,
                                           Extended length, const Vector6Of<Extended>& u) {
    const MemberSection s = section_of(model, member);
    return stiffness_forces(s.e, s.area, s.inertia, length, member.release, u);
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

using Geometries = std::vector<MemberGeometry>;  // per member

Geometries member_geometries(const StiffnessModel& model) {
    Geometries geometries;
    for (const MemberRecord& member : model.members)
        geometries.push_back(geometry(model, member));
    return geometries;
}

// A spring on a free coordinate: its structure number and stiffness.
struct Spring {
    int coordinate = 0;
    Extended stiffness = 0;
};

std::vector<Spring> springs_of(const StiffnessModel& model, const CoordinateNumbering& numbering) {
    std::vector<Spring> springs;
    for (std::size_t j = 0; j < static_cast<std::size_t>(model.joint_count()); ++j) {
        for (int k = 0; k < kCoordsPerJoint; ++k) {
            const int n = numbering.numbers[j * kCoordsPerJoint + static_cast<std::size_t>(k)];
            const double stiffness = model.spring(j, k);
            if (n < numbering.ndof && stiffness != 0)
                springs.push_back({n, stiffness});
        }
    }
    return springs;
}

// What the supports add to the members: springs on free coordinates and the prescribed
// displacements of moved restrained ones.
struct SupportTerms {
    std::vector<Spring> springs;
    std::vector<Extended> prescribed;  // by structure number - ndof; empty: nothing moves
};

void assemble(const StiffnessModel& model, const CoordinateNumbering& numbering,
              const Geometries& geometries, const SupportTerms& supports, LinearSystem& system) {
    for (int m = 1; m <= model.member_count(); ++m) {
        const MemberRecord& member = model.members[static_cast<std::size_t>(m - 1)];
        const MemberGeometry& g = geometries[static_cast<std::size_t>(m - 1)];
        const MemberCoordinates coords = numbering.member_coordinates(member);
        const Matrix6Of<Extended> bk = local_stiffness(model, member, g.length);
        stores(coords, g.along_x ? bk : mstiffg(bk, g.t), system);  // T = I: GK = BK
        if (!model.member_loads.empty()) {
            const auto length = static_cast<double>(g.length);
            storepf(coords, mfefg(g.t_double, member_fixed_end_forces(model, m, member, length)),
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
    for (const Spring& spring : supports.springs)
        system.at(spring.coordinate, spring.coordinate) += spring.stiffness;
}

// Local end displacements of a member from the structure displacements d and the prescribed
// displacements of its restrained ends.
Vector6Of<Extended> local_end_displacements(const MemberGeometry& g,
                                            const MemberCoordinates& coords, int ndof,
                                            const std::vector<Extended>& d,
                                            const std::vector<Extended>& prescribed) {
    return multiply(g.t, mdispg(coords, ndof, d, prescribed));  // mdispl
}

// r = P - S d with S d summed member by member from the members' deformations, so that the
// rounding of a large stiffness in the assembled S does not enter the residual. The members'
// deformations include the prescribed movements of their ends, and the springs resist k d.
void subtract_member_forces(const StiffnessModel& model, const CoordinateNumbering& numbering,
                            const Geometries& geometries, const SupportTerms& supports,
                            const std::vector<Extended>& d, std::vector<Extended>& r) {
    for (std::size_t m = 0; m < model.members.size(); ++m) {
        const MemberRecord& member = model.members[m];
        const MemberGeometry& g = geometries[m];
        const MemberCoordinates coords = numbering.member_coordinates(member);
        const Vector6Of<Extended> u =
            local_end_displacements(g, coords, numbering.ndof, d, supports.prescribed);
        subtract_free(coords, numbering.ndof,
                      multiply_transposed(g.t, local_stiffness_forces(model, member, g.length, u)),
                      r);
    }
    for (const Spring& spring : supports.springs) {
        const auto n = static_cast<std::size_t>(spring.coordinate);
        r.at(n) -= spring.stiffness * d.at(n);
    }
}

// Second member loop: end displacements and forces of every member, and R.
void member_results(const StiffnessModel& model, const CoordinateNumbering& numbering,
                    const Geometries& geometries, const std::vector<Extended>& prescribed,
                    const std::vector<Extended>& d, AnalysisResults& results,
                    std::vector<Extended>& r) {
    const bool feet = lengths_in_feet(model.units);
    for (int m = 1; m <= model.member_count(); ++m) {
        const auto index = static_cast<std::size_t>(m - 1);
        const MemberRecord& member = model.members[index];
        const MemberGeometry& g = geometries[index];
        const MemberCoordinates coords = numbering.member_coordinates(member);

        const Vector6Of<Extended> u =
            local_end_displacements(g, coords, numbering.ndof, d, prescribed);
        Vector6 stored{};
        for (std::size_t c = 0; c < 6; ++c)
            stored[c] = static_cast<double>(u[c]);
        if (feet) {
            for (std::size_t c : {0u, 1u, 3u, 4u})
                stored[c] *= kInchesPerFoot;
        }
        results.member_end_disp_local[index] = stored;

        Vector6Of<Extended> q = local_stiffness_forces(model, member, g.length, u);  // mforcel
        if (!model.member_loads.empty()) {
            const Vector6 qf =
                member_fixed_end_forces(model, m, member, static_cast<double>(g.length));
            for (std::size_t c = 0; c < 6; ++c)
                q[c] += qf[c];
        }
        Vector6& force = results.member_force_local[index];
        for (std::size_t c = 0; c < 6; ++c)
            force[c] = static_cast<double>(q[c]);
        storer(coords, numbering.ndof, multiply_transposed(g.t, q), r);  // mforceg, storer
    }
}

void displacements(const StiffnessModel& model, const CoordinateNumbering& numbering,
                   const std::vector<Extended>& d, AnalysisResults& results) {
    const auto joints = static_cast<std::size_t>(model.joint_count());
    results.joint_disp_y.assign(joints, 0.0);
    results.joint_rotation.assign(joints, 0.0);
    for (std::size_t j = 0; j < joints; ++j) {
        const int ny = numbering.numbers[j * kCoordsPerJoint + 1];
        const int nz = numbering.numbers[j * kCoordsPerJoint + 2];
        // A restrained coordinate is where its support puts it: 0, or its prescribed movement.
        results.joint_disp_y[j] = ny < numbering.ndof
                                      ? static_cast<double>(d[static_cast<std::size_t>(ny)])
                                      : model.imposed(j, 1);
        results.joint_rotation[j] = nz < numbering.ndof
                                        ? static_cast<double>(d[static_cast<std::size_t>(nz)])
                                        : model.imposed(j, 2);
    }
}

// Reactions per joint: the member end forces at a restrained coordinate, less any load that
// sits on the joint itself there; at a spring, -k times the displacement of its coordinate.
void reactions(const StiffnessModel& model, const CoordinateNumbering& numbering,
               const std::vector<Extended>& r, const std::vector<Extended>& d,
               AnalysisResults& results) {
    const auto joints = static_cast<std::size_t>(model.joint_count());
    results.reaction_shear.assign(joints, 0.0);
    results.reaction_moment.assign(joints, 0.0);
    for (std::size_t j = 0; j < joints; ++j) {
        const int ny = numbering.numbers[j * kCoordsPerJoint + 1];
        const int nz = numbering.numbers[j * kCoordsPerJoint + 2];
        if (ny >= numbering.ndof) {
            results.reaction_shear[j] = static_cast<double>(
                r[static_cast<std::size_t>(ny - numbering.ndof)] - model.joint_force[j]);
        }
        if (nz >= numbering.ndof) {
            results.reaction_moment[j] = static_cast<double>(
                r[static_cast<std::size_t>(nz - numbering.ndof)] - model.joint_moment[j]);
        }
        const double ky = model.spring(j, 1);
        const double kz = model.spring(j, 2);
        if (ny < numbering.ndof && ky != 0)
            results.reaction_shear[j] = static_cast<double>(-ky * d[static_cast<std::size_t>(ny)]);
        if (nz < numbering.ndof && kz != 0)
            results.reaction_moment[j] = static_cast<double>(-kz * d[static_cast<std::size_t>(nz)]);
    }
}

// A span too short to move its end joint off the start joint in floating point (far below
// the resolution of its position along the beam) has no length to analyse.
bool all_members_have_length(const StiffnessModel& model) {
    return std::all_of(model.members.begin(), model.members.end(), [&](const MemberRecord& m) {
        const Extended length = member_axis(model, m).length;
        return length > 0 && std::isfinite(length);
    });
}

bool all_finite(const std::vector<double>& values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

bool all_finite(const std::vector<Vector6>& vectors) {
    return std::all_of(vectors.begin(), vectors.end(), [](const Vector6& v) {
        return std::all_of(v.begin(), v.end(), [](double x) { return std::isfinite(x); });
    });
}

bool all_finite(const AnalysisResults& r) {
    return all_finite(r.member_end_disp_local) && all_finite(r.member_force_local) &&
           all_finite(r.joint_disp_y) && all_finite(r.joint_rotation) &&
           all_finite(r.reaction_shear) && all_finite(r.reaction_moment);
}

// A stable beam whose numbers are out of range: reported as not solved, with nothing from
// the solution left behind.
AnalysisResults numerical_breakdown(AnalysisResults results) {
    results.stable = false;
    results.numerical_breakdown = true;
    for (Vector6& v : results.member_end_disp_local)
        v = Vector6{};
    results.member_force_local.clear();
    results.joint_disp_y.clear();
    results.joint_rotation.clear();
    results.reaction_shear.clear();
    results.reaction_moment.clear();
    return results;
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

    // A beam its supports and hinges do not hold is refused before any arithmetic.
    if (!structure_is_stable(model))
        return results;
    if (!all_members_have_length(model))
        return numerical_breakdown(std::move(results));

    LinearSystem system(numbering.ndof);
    const Geometries geometries = member_geometries(model);
    const SupportTerms supports{springs_of(model, numbering),
                                prescribed_displacements(model, numbering)};
    assemble(model, numbering, geometries, supports, system);
    const std::vector<Extended> load = system.p;
    const auto residual = [&](const std::vector<Extended>& d, std::vector<Extended>& r) {
        r = load;
        subtract_member_forces(model, numbering, geometries, supports, d, r);
    };
    // Moved supports load the free coordinates through the members they deform: the
    // right-hand side is P less the forces of the prescribed movements alone (d = 0).
    if (!supports.prescribed.empty())
        residual(std::vector<Extended>(static_cast<std::size_t>(numbering.ndof), 0.0L), system.p);
    if (solve_refined(system, residual) == EliminationOutcome::Breakdown)
        return numerical_breakdown(std::move(results));

    results.member_force_local.assign(members, Vector6{});
    std::vector<Extended> r(static_cast<std::size_t>(results.restraint_count), 0.0L);
    member_results(model, numbering, geometries, supports.prescribed, system.p, results, r);
    displacements(model, numbering, system.p, results);
    reactions(model, numbering, r, system.p, results);
    // Extended precision has a far wider range than double: a result may still overflow
    // when it is stored.
    if (!all_finite(results))
        return numerical_breakdown(std::move(results));
    results.stable = true;
    return results;
}

}  // namespace spanlyx
