#pragma once
// The fixed label lines of the .cb beam file. The writer writes them exactly (trailing blanks
// included); the reader compares only the "member depth" and "member release" labels and
// otherwise names them when a file ends early.

#include <string_view>

#include "model/units.h"

namespace spanlyx::beam_file {

inline constexpr std::string_view kTitle = "Spanlyx Program";
inline constexpr std::string_view kCommentCount = "# OF COMMENT LINES (0-4)";
inline constexpr std::string_view kEndComments = "END COMMENTS";
inline constexpr std::string_view kUnitTag = "Metric E,M,M2,M3 Or M4";
inline constexpr std::string_view kSpanCount = "number of spans";
inline constexpr std::string_view kTotalLength = "total length ";
inline constexpr std::string_view kStartMembers = "START MEMBER INFO";
inline constexpr std::string_view kMemberNumber = "MEMBER NUMBER";
inline constexpr std::string_view kMemberLength = "member length ";
inline constexpr std::string_view kMemberDepth = "member depth ";
inline constexpr std::string_view kMemberWidth = "member width ";
inline constexpr std::string_view kMemberInertia = "member I";
inline constexpr std::string_view kMemberModulus = "member E  ";
inline constexpr std::string_view kMemberRelease = "member release";
inline constexpr std::string_view kUniformCount = "******** Number of uniform loads";
inline constexpr std::string_view kPointCount = "******** Number of point loads";
inline constexpr std::string_view kMomentCount = "******** Number of Applied Moments";
inline constexpr std::string_view kUniformW1 = "uniform load #1";
inline constexpr std::string_view kUniformW2 = "uniform load #2";
inline constexpr std::string_view kPointValue = "Load ";
inline constexpr std::string_view kMomentValue = "moment ";
inline constexpr std::string_view kJointCount = "Number of Joints";
inline constexpr std::string_view kJointNumber = "Joint Number";
inline constexpr std::string_view kRestraintY = "Joint Restraint  Y";
inline constexpr std::string_view kRestraintZ = "Joint Restraint  Z";

// The extension block after the joints: load cases, combinations, springs and support
// movements, beyond the original layout.
// It opens with its own label, holds sub-sections that each open with their own label and may be
// left out, and ends with an end label. A reader that knows no block ignores everything after the
// joints, so a file without live loads and combinations is exactly the original layout.
inline constexpr std::string_view kStartExtensions = "START EXTENSIONS";
inline constexpr std::string_view kEndExtensions = "END EXTENSIONS";
inline constexpr std::string_view kLiveLoads = "LIVE LOADS";
inline constexpr std::string_view kLiveLoadCount = "Number of live loads";
inline constexpr std::string_view kLiveLoadSpan = "live load span";
inline constexpr std::string_view kLiveLoadKind = "live load kind (1 uniform, 2 point, 3 moment)";
inline constexpr std::string_view kLiveLoadNumber = "live load number";
inline constexpr std::string_view kCombinations = "COMBINATIONS";
inline constexpr std::string_view kCombinationCount = "Number of combinations";
inline constexpr std::string_view kCombinationName = "combination name";
inline constexpr std::string_view kDeadFactor = "dead load factor";
inline constexpr std::string_view kLiveFactor = "live load factor";
// Springs and imposed movements: one entry per joint that has either, in joint order. A spring
// code of 1 puts a spring of the stiffness that follows on a coordinate that is not fixed; the
// stiffnesses and the settlement are per displacement unit of the report (inches in E and E2).
inline constexpr std::string_view kSprings = "SPRINGS AND SETTLEMENTS";
inline constexpr std::string_view kSpringJointCount =
    "Number of joints with springs or settlements";
inline constexpr std::string_view kSpringJoint = "spring or settlement joint number";
inline constexpr std::string_view kSpringY = "Y spring (1 spring, 0 none)";
inline constexpr std::string_view kStiffnessY = "Y spring stiffness ky";
inline constexpr std::string_view kSpringZ = "Z spring (1 spring, 0 none)";
inline constexpr std::string_view kStiffnessZ = "Z spring stiffness kz";
inline constexpr std::string_view kSettlement = "settlement (downward positive)";
inline constexpr std::string_view kImposedRotation = "imposed rotation (rad, ccw positive)";
// Combinations a file may hold; the reader refuses more.
inline constexpr int kMaxCombinations = 90;

// The reader recognises a section-dimension span by these first characters.
inline constexpr std::string_view kMemberDepthPrefix = "member depth";

// Distance labels: the imperial ones follow the length unit, every metric system says "(m)".
inline std::string_view first_distance_label(bool inches, bool metric) {
    if (metric)
        return "dist 1 from the left end of member (m)";
    return inches ? "dist 1 from the left end of member (in)"
                  : "dist 1 from the left end of member (ft)";
}
inline std::string_view second_distance_label(bool inches, bool metric) {
    if (metric)
        return "dist 2 from the left end of member (m)";
    return inches ? "dist 2 from the left end of member (in)"
                  : "dist 2 from the left end of member (ft)";
}
inline std::string_view load_distance_label(bool inches, bool metric) {
    if (metric)
        return "dist from left end of member (m) ";
    return inches ? "dist from left end of member (in) " : "dist from left end of member (ft) ";
}
// The snapshot's point-load and moment distance label carries no unit.
inline constexpr std::string_view kSnapshotLoadDistance = "dist from left end of member ";

}  // namespace spanlyx::beam_file
