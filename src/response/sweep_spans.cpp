#include "response/sweep_spans.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <optional>

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

bool near_grid(double x, double g) {
    return std::fabs(x - g) <= kOnGridTolerance * (1 + std::fabs(x));
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
    if (near_grid(x, g))
        return {h, h};
    return g < x ? GridPlace{h, h + 1} : GridPlace{h - 1, h};
}

// The sampled points of a span: 0, 0.01, ... and its end point. A span whose length is not on
// the grid ends at its true length, so its last strip is narrower or wider than 0.01.
struct SpanGrid {
    long long steps = 0;
    double end_x = 0;
    bool exact_end = true;  // the end point stands on the grid

    double point_x(long long n) const { return n == steps ? end_x : grid_x(n); }
};

SpanGrid span_grid(double length) {
    SpanGrid g;
    g.steps = hundredths(length);
    g.exact_end = g.steps < 1 || grid_place(length).on_grid();
    g.end_x = g.exact_end ? grid_x(g.steps) : length;
    return g;
}

// A load at x acting at sampled point `acting`: the strip (a, b] that holds x when x is not
// that point itself.
struct HoldingStrip {
    long long strip = 0;
    double a = 0, b = 0;
    bool acts_at_end = false;  // the load acts at b, else at a
};

std::optional<HoldingStrip> holding_strip(const SpanGrid& grid, double x, long long acting) {
    if (acting < 0 || acting > grid.steps)
        return std::nullopt;
    const double at = grid.point_x(acting);
    if (near_grid(x, at))
        return std::nullopt;
    const long long strip = x < at ? acting : acting + 1;
    if (strip < 1 || strip > grid.steps)
        return std::nullopt;
    return HoldingStrip{strip, grid.point_x(strip - 1), grid.point_x(strip), strip == acting};
}

// A concentrated load P at x inside the strip (a, b). The walk steps the shear at the sampled
// point the load acts at, so over the strip it integrates the shear with the load either
// nowhere (it acts at b) or everywhere (it acts at a); on the true shear the load takes
// P (b - x) off the strip's area. The moment so found is exact at both ends of the strip, and
// the kink under the load lifts the moment above the chord by a triangle of height
// P (x - a)(b - x) / (b - a).
void correct_point_load(std::vector<StripCorrection>& out, const SpanGrid& grid, double x,
                        long long acting, double p) {
    const auto h = holding_strip(grid, x, acting);
    if (!h)
        return;
    StripCorrection c;
    c.strip = h->strip;
    c.moment = h->acts_at_end ? -p * (h->b - x) : p * (x - h->a);
    c.area = p * (x - h->a) * (h->b - x) / 2;
    c.area_moment = c.area * (h->a + x + h->b) / 3;
    out.push_back(c);
}

// A counterclockwise couple C at x inside the strip (a, b) lowers the moment by C from x on.
// The walk makes the jump at the sampled point the couple acts at, so the strip's area of M
// counts the moment from the left of the couple throughout (it acts at b) or from its right
// throughout (it acts at a); the difference is the part of the strip on the other side of x.
void correct_couple(std::vector<StripCorrection>& out, const SpanGrid& grid, double x,
                    long long acting, double couple) {
    const auto h = holding_strip(grid, x, acting);
    if (!h)
        return;
    StripCorrection c;
    c.strip = h->strip;
    if (h->acts_at_end) {
        c.area = -couple * (h->b - x);
        c.area_moment = c.area * (x + h->b) / 2;
    } else {
        c.area = couple * (x - h->a);
        c.area_moment = c.area * (h->a + x) / 2;
    }
    out.push_back(c);
}

// The part [c, d] of the strip (a, b) under a distributed load that does not cover the whole
// strip. Its resultant comes off the shear at the strip's end; the walk's trapezoid then counts
// it as if it stood at mid-strip, while on the strip's area of shear each part weighs (b - t).
void correct_partial_strip(std::vector<StripCorrection>& out, const SpanGrid& grid,
                           const SweepUniform& u, double x2, long long strip) {
    const double a = grid.point_x(strip - 1);
    const double b = grid.point_x(strip);
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
    k.moment = (b - a) * load / 2 - lever;
    out.push_back(k);
}

// A distributed load: the strips wholly under it, which the walk integrates itself, and the
// strips it covers in part (its ends off the grid, or the last strip of a span whose end is).
void place_distributed(SweepSpan& s, const SpanGrid& grid, const UniformLoad& load) {
    const double slope = load.x2 > load.x1 ? (load.w2 - load.w1) / (load.x2 - load.x1) : 0.0;
    const GridPlace start = grid_place(load.x1);
    const GridPlace end = grid_place(load.x2);
    SweepUniform whole{start.above, end.below, load.x1, load.w1, slope};
    if (!grid.exact_end)
        whole.h2 = std::min(whole.h2, grid.steps - 1);
    s.uniforms.push_back(whole);
    if (!(load.x2 > load.x1))
        return;
    std::vector<long long> partial;
    if (!start.on_grid())
        partial.push_back(start.above);
    if (!end.on_grid())
        partial.push_back(std::min(end.above, grid.steps));
    if (!grid.exact_end)
        partial.push_back(grid.steps);
    std::sort(partial.begin(), partial.end());
    partial.erase(std::unique(partial.begin(), partial.end()), partial.end());
    for (const long long strip : partial) {
        const bool whole_strip = strip > whole.h1 && strip <= whole.h2;
        if (strip >= 1 && strip <= grid.steps && !whole_strip)
            correct_partial_strip(s.corrections, grid, whole, load.x2, strip);
    }
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
        const SpanGrid grid = span_grid(length);
        s.steps = grid.steps;
        s.start_x = start_x;
        s.rigidity = model.span_inertia_analysis[i] * span.modulus.value * c;
        s.theta_left = left_end_slope(span, i, s, model, results, k);
        s.y_left = results.joint_disp_y[i] * k;

        s.end_x = grid.end_x;
        s.end_width = grid.exact_end ? kStep : grid.end_x - grid_x(grid.steps - 1);
        for (const UniformLoad& u : span.uniforms)
            place_distributed(s, grid, u);

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
            correct_point_load(s.corrections, grid, p.x, hundredths(p.x), p.load.value);
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
            correct_couple(s.corrections, grid, m.x, hundredths(m.x), m.value);
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
