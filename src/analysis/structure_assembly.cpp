#include "analysis/structure_assembly.h"

#include <cassert>

namespace spanlyx {

std::array<int, 6> CoordinateNumbering::member_coordinates(const MemberRecord& member) const {
    std::array<int, 6> coords{};
    for (int k = 0; k < kCoordsPerJoint; ++k) {
        const int start = (member.start_joint - 1) * kCoordsPerJoint + k;
        const int end = (member.end_joint - 1) * kCoordsPerJoint + k;
        coords[static_cast<std::size_t>(k)] = numbers.at(static_cast<std::size_t>(start));
        coords[static_cast<std::size_t>(k + kCoordsPerJoint)] =
            numbers.at(static_cast<std::size_t>(end));
    }
    return coords;
}

CoordinateNumbering number_coordinates(const StiffnessModel& model) {
    CoordinateNumbering numbering;
    numbering.ndof = model.ndof();
    numbering.numbers.assign(static_cast<std::size_t>(model.joint_count() * kCoordsPerJoint), 0);

    int next_free = 0;
    int next_restrained = numbering.ndof;
    for (int joint = 1; joint <= model.joint_count(); ++joint) {
        const SupportRecord* record = nullptr;
        for (const SupportRecord& candidate : model.supports) {
            if (candidate.joint == joint)
                record = &candidate;
        }
        for (int k = 0; k < kCoordsPerJoint; ++k) {
            const bool restrained =
                record != nullptr && record->restraint[static_cast<std::size_t>(k)] == 1;
            const auto index = static_cast<std::size_t>((joint - 1) * kCoordsPerJoint + k);
            numbering.numbers[index] = restrained ? next_restrained++ : next_free++;
        }
    }
    assert(next_free == numbering.ndof);
    return numbering;
}

std::vector<Extended> prescribed_displacements(const StiffnessModel& model,
                                               const CoordinateNumbering& numbering) {
    const auto joints = static_cast<std::size_t>(model.joint_count());
    std::vector<Extended> prescribed(
        static_cast<std::size_t>(model.joint_count() * kCoordsPerJoint - numbering.ndof), 0.0L);
    bool any = false;
    for (std::size_t j = 0; j < joints; ++j) {
        for (int k = 0; k < kCoordsPerJoint; ++k) {
            const int n = numbering.numbers[j * kCoordsPerJoint + static_cast<std::size_t>(k)];
            const double value = model.imposed(j, k);
            if (n >= numbering.ndof && value != 0) {
                prescribed[static_cast<std::size_t>(n - numbering.ndof)] = value;
                any = true;
            }
        }
    }
    if (!any)
        prescribed.clear();
    return prescribed;
}

void stores(const MemberCoordinates& coords, const Matrix6Of<Extended>& gk, LinearSystem& system) {
    for (std::size_t i = 0; i < 6; ++i) {
        if (coords[i] >= system.n)
            continue;
        for (std::size_t j = 0; j < 6; ++j) {
            if (coords[j] < system.n)
                system.at(coords[i], coords[j]) += gk[i][j];
        }
    }
}

void storepf(const MemberCoordinates& coords, const Vector6& ffg, LinearSystem& system) {
    for (std::size_t i = 0; i < 6; ++i) {
        if (coords[i] < system.n)
            system.rhs(coords[i]) -= ffg[i];
    }
}

Vector6Of<Extended> mdispg(const MemberCoordinates& coords, int ndof,
                           const std::vector<Extended>& d,
                           const std::vector<Extended>& prescribed) {
    Vector6Of<Extended> v{};
    for (std::size_t i = 0; i < 6; ++i) {
        if (coords[i] < ndof)
            v[i] = d.at(static_cast<std::size_t>(coords[i]));
        else if (!prescribed.empty())
            v[i] = prescribed.at(static_cast<std::size_t>(coords[i] - ndof));
    }
    return v;
}

void storer(const MemberCoordinates& coords, int ndof, const Vector6Of<Extended>& f,
            std::vector<Extended>& reactions) {
    for (std::size_t i = 0; i < 6; ++i) {
        if (coords[i] >= ndof)
            reactions.at(static_cast<std::size_t>(coords[i] - ndof)) += f[i];
    }
}

void subtract_free(const MemberCoordinates& coords, int ndof, const Vector6Of<Extended>& f,
                   std::vector<Extended>& r) {
    for (std::size_t i = 0; i < 6; ++i) {
        if (coords[i] < ndof)
            r.at(static_cast<std::size_t>(coords[i])) -= f[i];
    }
}

}  // namespace spanlyx
