#include "analysis/structure_stability.h"

#include <algorithm>
#include <numeric>

namespace spanlyx {
namespace {

bool start_is_rigid(Release release) {
    return release == Release::None || release == Release::Right;
}
bool end_is_rigid(Release release) {
    return release == Release::None || release == Release::Left;
}

// Members joined rigidly, grouped by union-find; each group is one rigid body.
class RigidBodies {
  public:
    explicit RigidBodies(int members) : parent_(static_cast<std::size_t>(members)) {
        std::iota(parent_.begin(), parent_.end(), 0);
    }
    int body(int member) {
        auto m = static_cast<std::size_t>(member);
        while (parent_[m] != static_cast<int>(m)) {
            parent_[m] = parent_[static_cast<std::size_t>(parent_[m])];
            m = static_cast<std::size_t>(parent_[m]);
        }
        return static_cast<int>(m);
    }
    void join(int a, int b) { parent_[static_cast<std::size_t>(body(a))] = body(b); }

  private:
    std::vector<int> parent_;
};

struct Restraints {
    std::vector<bool> x, y, z;  // per joint (0-based)
};

Restraints joint_restraints(const StiffnessModel& model) {
    const auto joints = static_cast<std::size_t>(model.joint_count());
    Restraints r{std::vector<bool>(joints, false), std::vector<bool>(joints, false),
                 std::vector<bool>(joints, false)};
    for (const SupportRecord& record : model.supports) {
        const auto j = static_cast<std::size_t>(record.joint - 1);
        // A spring holds its coordinate as a support does: the beam cannot move it freely.
        r.x.at(j) = record.restraint[0] == 1 || model.spring(j, 0) > 0;
        r.y.at(j) = record.restraint[1] == 1 || model.spring(j, 1) > 0;
        r.z.at(j) = record.restraint[2] == 1 || model.spring(j, 2) > 0;
    }
    return r;
}

}  // namespace

bool structure_is_stable(const StiffnessModel& model) {
    const auto joints = static_cast<std::size_t>(model.joint_count());
    const int members = model.member_count();
    const Restraints restrained = joint_restraints(model);

    // Every member end rigidly attached to a joint shares the joint's rotation, and so the
    // members meeting rigidly at a joint move as one body.
    RigidBodies bodies(members);
    std::vector<int> rigid_member_at(joints, -1);
    std::vector<bool> attached(joints, false);
    const auto attach = [&](int member, int joint, bool rigid) {
        const auto j = static_cast<std::size_t>(joint - 1);
        attached.at(j) = true;
        if (!rigid)
            return;
        if (rigid_member_at[j] < 0)
            rigid_member_at[j] = member;
        else
            bodies.join(member, rigid_member_at[j]);
    };
    for (int m = 0; m < members; ++m) {
        const MemberRecord& member = model.members[static_cast<std::size_t>(m)];
        attach(m, member.start_joint, start_is_rigid(member.release));
        attach(m, member.end_joint, end_is_rigid(member.release));
    }

    // A free coordinate that no member reaches has an empty row: a free rotation with only
    // hinged ends at the joint, or a joint without members.
    for (std::size_t j = 0; j < joints; ++j) {
        if (!restrained.z[j] && rigid_member_at[j] < 0)
            return false;
        if ((!restrained.x[j] || !restrained.y[j]) && !attached[j])
            return false;
    }
    // Along the axis every member is a bar joining its two joints: the line slides unless a
    // joint holds it. (Structure generation restrains X at every joint.)
    if (joints > 0 &&
        std::none_of(restrained.x.begin(), restrained.x.end(), [](bool b) { return b; }))
        return false;

    // Per body: its joints and whether its rotation is fixed by a restrained joint.
    std::vector<std::vector<std::size_t>> body_joints(static_cast<std::size_t>(members));
    std::vector<bool> rotation_fixed(static_cast<std::size_t>(members), false);
    for (int m = 0; m < members; ++m) {
        const MemberRecord& member = model.members[static_cast<std::size_t>(m)];
        auto& list = body_joints[static_cast<std::size_t>(bodies.body(m))];
        list.push_back(static_cast<std::size_t>(member.start_joint - 1));
        list.push_back(static_cast<std::size_t>(member.end_joint - 1));
    }
    for (std::size_t j = 0; j < joints; ++j) {
        if (restrained.z[j] && rigid_member_at[j] >= 0)
            rotation_fixed[static_cast<std::size_t>(bodies.body(rigid_member_at[j]))] = true;
    }
    for (auto& list : body_joints) {
        std::sort(list.begin(), list.end());
        list.erase(std::unique(list.begin(), list.end()), list.end());
    }

    // Joints are at distinct points of the axis, so two fixed joints of a body are two
    // independent conditions; a fixed rotation and one fixed joint are two as well.
    std::vector<bool> joint_fixed = restrained.y;
    std::vector<bool> held(static_cast<std::size_t>(members), false);
    for (bool changed = true; changed;) {
        changed = false;
        for (int m = 0; m < members; ++m) {
            const auto b = static_cast<std::size_t>(bodies.body(m));
            if (held[b])
                continue;
            const auto fixed_points = std::count_if(body_joints[b].begin(), body_joints[b].end(),
                                                    [&](std::size_t j) { return joint_fixed[j]; });
            if (fixed_points >= 2 || (fixed_points == 1 && rotation_fixed[b])) {
                held[b] = true;
                for (std::size_t j : body_joints[b])
                    joint_fixed[j] = true;
                changed = true;
            }
        }
    }
    for (int m = 0; m < members; ++m) {
        if (!held[static_cast<std::size_t>(bodies.body(m))])
            return false;
    }
    return true;
}

}  // namespace spanlyx
