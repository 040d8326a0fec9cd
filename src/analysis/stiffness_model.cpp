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

}  // namespace spanlyx
