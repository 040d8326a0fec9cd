// generate_structure: the plane-frame model of a beam. Concentrated loads and moments that sit
// exactly at a span end are carried by the joint there; every other load stays on its span.

#include <cassert>
#include <cmath>

#include "analysis/fixed_end_actions.h"
#include "analysis/stiffness_model.h"

namespace spanlyx {
namespace {

// System E keeps lengths in feet while E is in psi and I in in^4: E / 144 with I in in^4 gives
// E I in lb ft^2.
constexpr double kSquareInchesPerSquareFoot = 144.0;
constexpr double kInchesPerFoot = 12.0;

double section_inertia(const Beam& beam, const Span& span) {
    if (beam.inertia_entered)
        return span.inertia;
    return span.width * span.depth * span.depth * span.depth / 12;
}

// I in the analysis length unit, for the deflections along the spans.
double analysis_inertia(const Beam& beam, const Span& span) {
    const bool feet = lengths_in_feet(beam.units);
    if (beam.inertia_entered) {
        return feet ? span.inertia / std::pow(kInchesPerFoot, 4) : span.inertia;
    }
    const double b = feet ? span.width / kInchesPerFoot : span.width;
    const double d = feet ? span.depth / kInchesPerFoot : span.depth;
    return b * d * d * d / 12;
}

bool at_span_end(double x, double length) {
    return x == 0 || x == length;
}

// The joint that takes a load at a span end: the start joint at x = 0, else the end joint.
std::size_t end_joint_index(std::size_t span_index, double x) {
    return x == 0 ? span_index : span_index + 1;
}

void add_fixed_end_actions(FixedEndActions& sum, const FixedEndActions& one) {
    sum.start_shear += one.start_shear;
    sum.start_moment += one.start_moment;
    sum.end_shear += one.end_shear;
    sum.end_moment += one.end_moment;
}

// Springs and settlements are entered per displacement unit of the report, inches in system E
// while its analysis runs in feet: ky in lb/in is 12 lb/ft, a settlement in inches is 1/12 ft.
// Moments keep their unit, so kz and imposed rotations need no scaling.
void add_springs_and_movements(const Beam& beam, StiffnessModel& model) {
    if (!beam.has_springs_or_movements())
        return;
    const double inches_per_length = lengths_in_feet(beam.units) ? kInchesPerFoot : 1.0;
    for (const Joint& joint : beam.joints) {
        JointValues spring{};
        JointValues imposed{};
        if (joint.spring_y)
            spring[1] = joint.ky * inches_per_length;
        if (joint.spring_z)
            spring[2] = joint.kz;
        if (joint.settlement != 0)  // no -0 for an unmoved support
            imposed[1] = -joint.settlement / inches_per_length;
        imposed[2] = joint.imposed_rotation;
        model.joint_springs.push_back(spring);
        model.joint_imposed.push_back(imposed);
    }
}

}  // namespace

StiffnessModel generate_structure(const Beam& beam) {
    assert(beam.joint_count() == beam.span_count() + 1);
    const auto span_count = static_cast<std::size_t>(beam.span_count());
    const std::size_t joint_count = span_count + 1;

    StiffnessModel model;
    model.units = beam.units;
    model.joint_force.assign(joint_count, 0.0);
    model.joint_moment.assign(joint_count, 0.0);

    double x = 0;
    for (std::size_t j = 0; j < joint_count; ++j) {
        if (j > 0)
            x += beam.spans[j - 1].length.value;
        model.joint_coord.push_back({x, 0.0});
        const Joint& joint = beam.joints[j];
        model.supports.push_back(
            {static_cast<int>(j + 1), {1, joint.restraint_y, joint.restraint_z}});
    }
    add_springs_and_movements(beam, model);

    const bool feet = lengths_in_feet(beam.units);
    for (std::size_t i = 0; i < span_count; ++i) {
        const Span& span = beam.spans[i];
        const double e = span.modulus.value;
        model.material_modulus.push_back(feet ? e / kSquareInchesPerSquareFoot : e);
        model.sections.push_back({1.0, section_inertia(beam, span)});
        const int number = static_cast<int>(i + 1);
        model.members.push_back({number, number + 1, number, number, span.release});
        model.span_inertia_analysis.push_back(analysis_inertia(beam, span));
    }

    // Loads at span ends onto the joints: entered loads act downward, the Y axis points up.
    for (std::size_t i = 0; i < span_count; ++i) {
        const Span& span = beam.spans[i];
        const double length = span.length.value;
        for (const PointLoad& p : span.points) {
            if (at_span_end(p.x, length))
                model.joint_force[end_joint_index(i, p.x)] -= p.load.value;
        }
        for (const MomentLoad& m : span.moments) {
            if (at_span_end(m.x, length))
                model.joint_moment[end_joint_index(i, m.x)] += m.value;
        }
    }
    for (std::size_t j = 0; j < joint_count; ++j) {
        if (model.joint_force[j] != 0 || model.joint_moment[j] != 0) {
            model.joint_loads.push_back(
                {static_cast<int>(j + 1), {0.0, model.joint_force[j], model.joint_moment[j]}});
        }
    }

    // Member loads span by span: distributed, then concentrated, then moments.
    model.span_fem.assign(span_count, FixedEndActions{});
    for (std::size_t i = 0; i < span_count; ++i) {
        const Span& span = beam.spans[i];
        const double length = span.length.value;
        const int member = static_cast<int>(i + 1);
        const std::size_t first = model.member_loads.size();
        for (const UniformLoad& u : span.uniforms) {
            model.member_loads.push_back(
                {member, MemberLoadType::Distributed, {u.w1, u.w2, u.x1, u.x2}});
        }
        for (const PointLoad& p : span.points) {
            if (at_span_end(p.x, length))
                continue;
            model.member_loads.push_back(
                {member, MemberLoadType::Concentrated, {p.load.value, 0.0, p.x, 0.0}});
        }
        for (const MomentLoad& m : span.moments) {
            if (at_span_end(m.x, length))
                continue;
            model.member_loads.push_back(
                {member, MemberLoadType::Moment, {0.0, m.value, m.x, 0.0}});
        }
        for (std::size_t k = first; k < model.member_loads.size(); ++k) {
            add_fixed_end_actions(model.span_fem[i],
                                  fixed_end_actions(model.member_loads[k], length));
        }
    }
    return model;
}

}  // namespace spanlyx
