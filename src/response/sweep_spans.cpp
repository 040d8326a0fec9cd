#include "response/sweep_spans.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "model/number_text.h"

namespace spanlyx {
namespace {

constexpr double kInchesPerFoot = 12.0;
// System E: E in psi times 144 with I in ft^4 gives E I in lb ft^2.
constexpr double kSquareInchesPerSquareFoot = 144.0;

constexpr double kStep = 0.01;
constexpr double kStepsPerUnit = 100.0;
// A position this close to a sampled point stands on it: a value worked out from others (a
// length found by subtraction) may miss the grid in its last bits.
constexpr double kOnGridTolerance = 1e-9;

double grid_x(long long h) {
    return static_cast<double>(h) / kStepsPerUnit;
}

// The sampled points at and around a position, in hundredths: below <= x <= above, equal when x
// stands on a sampled point.
struct GridPlace {
    long long below = 0, above = 0;
    bool on_grid() const { return below == above; }
};

GridPlace grid_place(double x) {
    const long long h = hundredths(x);
    const double g = grid_x(h);
    if (std::fabs(x - g) <= kOnGridTolerance * (1 + std::fabs(x)))
        return {h, h};
    return g < x ? GridPlace{h, h + 1} : GridPlace{h - 1, h};
}

// A concentrated load P at x inside the strip (a, b). The walk steps the shear at the sampled
// point x rounds to, so over the strip it integrates the shear with the load either nowhere
// (x rounds to b) or everywhere (x rounds to a); on the true shear the load takes P (b - x) off
// the strip's area. The moment so found is exact at both ends of the strip, and the kink under
// the load lifts the moment above the chord by a triangle of height P (x - a)(b - x) / 0.01.
void correct_point_load(std::vector<StripCorrection>& out, double x, double p) {
    const GridPlace g = grid_place(x);
    if (g.on_grid())
        return;
    const double a = grid_x(g.below);
    const double b = grid_x(g.above);
    StripCorrection c;
    c.strip = g.above;
    c.moment = hundredths(x) == g.above ? -p * (b - x) : p * (x - a);
    c.area = p * (x - a) * (b - x) / 2;
    c.area_moment = c.area * (a + x + b) / 3;
    out.push_back(c);
}

// A counterclockwise couple C at x inside the strip (a, b) lowers the moment by C from x on.
// The walk makes the jump at the sampled point x rounds to, so the strip's area of M counts the
// moment from the left of the couple throughout (x rounds to b) or from its right throughout
// (x rounds to a); the difference is the part of the strip on the other side of x.
void correct_couple(std::vector<StripCorrection>& out, double x, double couple) {
    const GridPlace g = grid_place(x);
    if (g.on_grid())
        return;
    const double a = grid_x(g.below);
    const double b = grid_x(g.above);
    StripCorrection c;
    c.strip = g.above;
    if (hundredths(x) == g.above) {
        c.area = -couple * (b - x);
        c.area_moment = c.area * (x + b) / 2;
    } else {
        c.area = couple * (x - a);
        c.area_moment = c.area * (a + x) / 2;
    }
    out.push_back(c);
}

// The part [c, d] of the strip (a, b) under a distributed load that ends inside the strip. Its
// resultant comes off the shear at the strip's end; the walk's trapezoid then counts it as if
// it stood at mid-strip, while on the strip's area of shear each part weighs (b - t).
void correct_partial_strip(std::vector<StripCorrection>& out, const SweepUniform& u, double x2,
                           long long strip) {
    const double a = grid_x(strip - 1);
    const double b = grid_x(strip);
    const double c = std::max(a, u.x1);
    const double d = std::min(b, x2);
    if (!(d > c))
        return;
    const auto q = [&u](double t) { return u.w1 + (t - u.x1) * u.slope; };
    const double m = (c + d) / 2;
    const double load = (d - c) * (q(c) + q(d)) / 2;
    // Simpson's rule is exact for the quadratic (b - t) q(t).
    const double lever = (d - c) / 6 * ((b - c) * q(c) + 4 * (b - m) * q(m) + (b - d) * q(d));
    StripCorrection k;
    k.strip = strip;
    k.shear = load;
    k.moment = kStep * load / 2 - lever;
    out.push_back(k);
}

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
            const GridPlace start = grid_place(u.x1);
            const GridPlace end = grid_place(u.x2);
            const SweepUniform whole{start.above, end.below, u.x1, u.w1, slope};
            s.uniforms.push_back(whole);
            if (!start.on_grid())
                correct_partial_strip(s.corrections, whole, u.x2, start.above);
            if (!end.on_grid() && (start.on_grid() || end.above != start.above))
                correct_partial_strip(s.corrections, whole, u.x2, end.above);
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
            correct_point_load(s.corrections, p.x, p.load.value);
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
            correct_couple(s.corrections, m.x, m.value);
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
        std::stable_sort(
            s.corrections.begin(), s.corrections.end(),
            [](const StripCorrection& a, const StripCorrection& b) { return a.strip < b.strip; });
        s.end_shear_jump = results.reaction_shear[i + 1] - loads_on_right_joint;
        s.end_moment_jump = results.reaction_moment[i + 1] + moments_on_right_joint;
        start_x += length;
    }
    return spans;
}

}  // namespace spanlyx
