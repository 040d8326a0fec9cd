#pragma once
// The plane-frame model that Calculate generates from the beam: joints, supports, materials,
// sections, members, joint loads and member loads. Three coordinates per joint (X, Y, rotation);
// every joint is restrained in X. Tables here are indexed from 0; numbers shown count from 1.

#include <array>
#include <vector>

#include "model/beam.h"

namespace spanlyx {

inline constexpr int kCoordsPerJoint = 3;  // ncjt

struct SupportRecord {
    int joint = 0;                   // 1-based joint number
    std::array<int, 3> restraint{};  // X, Y, Z: 1 restrained, 0 free
};

// Per joint coordinate (X, Y, Z), analysis units.
using JointValues = std::array<double, 3>;

struct MemberRecord {
    int start_joint = 0;  // 1-based
    int end_joint = 0;    // 1-based
    int material = 0;     // 1-based
    int section = 0;      // 1-based
    Release release = Release::None;
};

enum class MemberLoadType { Concentrated = 1, Moment = 2, Distributed = 4 };

struct MemberLoad {
    int member = 0;  // 1-based
    MemberLoadType type = MemberLoadType::Concentrated;
    // Concentrated: (W, 0, a, 0); moment: (0, M, a, 0); distributed: (w1, w2, x1, x2).
    std::array<double, 4> values{};
};

struct JointLoad {
    int joint = 0;                   // 1-based
    std::array<double, 3> values{};  // X force, Y force (up positive), moment (ccw positive)
};

// Fixed-end actions of a span fixed at both ends, in local coordinates: y up, ccw positive.
struct FixedEndActions {
    double start_shear = 0;
    double start_moment = 0;
    double end_shear = 0;
    double end_moment = 0;
};

struct SectionProps {
    double area = 1.0;
    double inertia = 0;
};

struct StiffnessModel {
    UnitSystem units = UnitSystem::E;
    std::vector<std::array<double, 2>> joint_coord;  // X, Y per joint
    std::vector<SupportRecord> supports;             // one per joint, in joint order
    std::vector<double> material_modulus;            // per span; E / 144 in system E
    std::vector<SectionProps> sections;              // per span
    std::vector<MemberRecord> members;               // per span
    std::vector<JointLoad> joint_loads;
    std::vector<MemberLoad> member_loads;
    // Vertical force (up positive) and moment that loads at span ends put on each joint.
    std::vector<double> joint_force;
    std::vector<double> joint_moment;
    // Per span: I in the length unit of the analysis (ft^4 in system E), for deflections.
    std::vector<double> span_inertia_analysis;
    // Per span: sums of the fixed-end actions of its member loads before any release
    // redistribution (the report's FEM section; the sweep's end slopes of hinged spans).
    std::vector<FixedEndActions> span_fem;
    // Per joint, or empty when no joint has any: spring stiffnesses of free coordinates (force
    // per analysis length, moment per radian; 0 where there is no spring), and prescribed
    // displacements of restrained ones (Y up positive, so a settlement is negative; rotation ccw).
    std::vector<JointValues> joint_springs;
    std::vector<JointValues> joint_imposed;

    double spring(std::size_t joint, int coordinate) const;
    double imposed(std::size_t joint, int coordinate) const;

    int joint_count() const { return static_cast<int>(joint_coord.size()); }
    int member_count() const { return static_cast<int>(members.size()); }
    int restraint_count() const;         // NR: restrained coordinates
    int restrained_joint_count() const;  // NRJ: joints with at least one restrained coordinate
    int ndof() const { return joint_count() * kCoordsPerJoint - restraint_count(); }
};

// Structure generation: the stiffness model of a beam that passed the Calculate checks.
StiffnessModel generate_structure(const Beam& beam);

}  // namespace spanlyx
