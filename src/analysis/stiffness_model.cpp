#include "analysis/stiffness_model.h"

namespace spanlyx {

int StiffnessModel::restraint_count() const {
    int count = 0;
    for (const SupportRecord& record : supports) {
        for (int code : record.restraint)
            count += code == 1 ? 1 : 0;
    }
    return count;
}

int StiffnessModel::restrained_joint_count() const {
    int count = 0;
    for (const SupportRecord& record : supports) {
        bool any = false;
        for (int code : record.restraint)
            any = any || code == 1;
        count += any ? 1 : 0;
    }
    return count;
}

namespace {

double value_at(const std::vector<JointValues>& table, std::size_t joint, int coordinate) {
    return joint < table.size() ? table[joint][static_cast<std::size_t>(coordinate)] : 0.0;
}

}  // namespace

double StiffnessModel::spring(std::size_t joint, int coordinate) const {
    return value_at(joint_springs, joint, coordinate);
}

double StiffnessModel::imposed(std::size_t joint, int coordinate) const {
    return value_at(joint_imposed, joint, coordinate);
}

}  // namespace spanlyx
