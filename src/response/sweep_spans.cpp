#include "response/sweep_spans.h"

#include <cassert>

#include "model/number_text.h"

namespace spanlyx {
namespace {

constexpr double kInchesPerFoot = 12.0;
// System E: E in psi times 144 with I in ft^4 gives E I in lb ft^2.
constexpr double kSquareInchesPerSquareFoot = 144.0;

// The test structure generation uses: such a load is a load on the joint, not on the span.
bool at_start(double x) {
    return x == 0;
}
bool at_end(double x, double length) {
    return x == length;
}

// Slope at the left end. A rigid left end turns with its joint; a hinged one follows from
// the slope-deflection equations with the end moment released (psi: chord rotation, ccw).
double left_end_slope(const Span& span, std::size_t i, const SweepSpan& s,
                      const StiffnessModel& model, const AnalysisResults& results, double k) {
    const double length = span.length.value;
    const auto& u = results.member_end_disp_local[i];
    const double psi = (u[4] - u[1]) / k / length;
    const double fem_left = model.span_fem[i].start_moment;
    const double fem_right = model.span_fem[i].end_moment;
    switch (span.release) {
        case Release::None:
        case Release::Right:
            return results.joint_rotation[i];
        case Release::Left:
            return 1.5 * psi - 0.5 * u[5] - length * fem_left / (4 * s.rigidity);
        case Release::Both:
            return psi - length / (6 * s.rigidity) * (2 * fem_left - fem_right);
    }
    assert(false && "unknown release");
    return 0;
}

}  // namespace

double deflection_unit_factor(UnitSystem units) {
    return lengths_in_feet(units) ? kInchesPerFoot : 1.0;
}

std::vector<SweepSpan> prepare_sweep_spans(const Beam& beam, const StiffnessModel& model,
                                           const AnalysisResults& results) {
    const auto span_count = beam.spans.size();
    assert(span_count >= 1 && beam.joints.size() == span_count + 1);
    assert(results.stable && results.reaction_shear.size() == span_count + 1);
    assert(model.span_fem.size() == span_count && model.span_inertia_analysis.size() == span_count);
    const double k = deflection_unit_factor(beam.units);
    const double c = lengths_in_feet(beam.units) ? kSquareInchesPerSquareFoot : 1.0;

    std::vector<SweepSpan> spans(span_count);
    double start_x = 0;
    for (std::size_t i = 0; i < span_count; ++i) {
        const Span& span = beam.spans[i];
        const double length = span.length.value;
        const Joint& left = beam.joints[i];
        const Joint& right = beam.joints[i + 1];
        const Span* next = i + 1 < span_count ? &beam.spans[i + 1] : nullptr;
        SweepSpan& s = spans[i];
        s.steps = hundredths(length);
        s.start_x = start_x;
        s.rigidity = model.span_inertia_analysis[i] * span.modulus.value * c;
        s.theta_left = left_end_slope(span, i, s, model, results, k);
        s.y_left = results.joint_disp_y[i] * k;

        for (const UniformLoad& u : span.uniforms) {
            const double slope = u.x2 > u.x1 ? (u.w2 - u.w1) / (u.x2 - u.x1) : 0.0;
            s.uniforms.push_back({hundredths(u.x1), hundredths(u.x2), u.x1, u.w1, slope});
        }

        // A load at x = 0 of a later span was taken at the end of the span before.
        double loads_on_right_joint = 0;
        for (const PointLoad& p : span.points) {
            if (i > 0 && at_start(p.x))
                continue;
            if (right.restraint_y == 1 && at_end(p.x, length)) {
                loads_on_right_joint += p.load.value;
                continue;
            }
            s.points.push_back({hundredths(p.x), p.load.value});
        }
        double moments_on_right_joint = 0;
        for (const MomentLoad& m : span.moments) {
            if (i > 0 && at_start(m.x) && left.restraint_z == 1)
                continue;
            // A couple at the right end acts on the joint: the span's own end moment is the one
            // just left of it, so the jump comes after the point is recorded, as a reaction's does.
            if (at_end(m.x, length)) {
                moments_on_right_joint += m.value;
                continue;
            }
            s.moments.push_back({hundredths(m.x), m.value});
        }
        if (next != nullptr) {
            for (const PointLoad& p : next->points) {
                if (!at_start(p.x))
                    continue;
                if (right.restraint_y == 1) {
                    loads_on_right_joint += p.load.value;
                } else {
                    s.next_start_load += p.load.value;
                }
            }
            for (const MomentLoad& m : next->moments) {
                if (at_start(m.x) && right.restraint_z == 1)
                    moments_on_right_joint += m.value;
            }
        }
        s.end_shear_jump = results.reaction_shear[i + 1] - loads_on_right_joint;
        s.end_moment_jump = results.reaction_moment[i + 1] + moments_on_right_joint;
        start_x += length;
    }
    return spans;
}

}  // namespace spanlyx
