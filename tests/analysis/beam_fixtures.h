#pragma once
// Beams for the engine tests and an equilibrium check computed from the beam as entered.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "analysis/analysis_results.h"
#include "analysis/stiffness_model.h"

namespace spanlyx::test {

inline constexpr Joint kPinned{1, 0}, kFixed{1, 1}, kFree{0, 0}, kGuided{0, 1};

struct Load {
    LoadKind kind;
    int span;  // 1-based
    double value, x, x2, w2;
};
// A distributed load from x1 to x2 (default: the whole span), w at x1 and w2 at x2.
inline Load uniform(int span, double w, double x1 = 0, double x2 = -1, double w2 = NAN) {
    return {LoadKind::Uniform, span, w, x1, x2, std::isnan(w2) ? w : w2};
}
inline Load point(int span, double p, double x) {
    return {LoadKind::Point, span, p, x, 0, 0};
}
inline Load couple(int span, double m, double x) {
    return {LoadKind::Moment, span, m, x, 0, 0};
}

// Spans of modulus e and inertia i in stored units (defaults: M4, 200000 N/mm^2, 1e8 mm^4).
inline Beam make_beam(const std::vector<double>& lengths, const std::vector<Joint>& joints,
                      const std::vector<Load>& loads = {}, UnitSystem units = UnitSystem::M4,
                      double e = 200000.0, double i = 1.0e8) {
    Beam beam;
    beam.units = units;
    beam.joints = joints;
    for (double length : lengths) {
        Span& span = beam.spans.emplace_back();
        span.length = HeldNumber::computed(length);
        span.modulus = HeldNumber::computed(e);
        span.inertia = i;
    }
    for (const Load& l : loads) {
        Span& s = beam.spans.at(static_cast<std::size_t>(l.span - 1));
        if (l.kind == LoadKind::Uniform) {
            s.uniforms.push_back({l.x, l.value, l.x2 < 0 ? s.length.value : l.x2, l.w2});
        } else if (l.kind == LoadKind::Point) {
            s.points.push_back({l.x, HeldNumber::computed(l.value)});
        } else {
            s.moments.push_back({l.x, l.value});
        }
    }
    return beam;
}

inline Beam released(Beam beam, int span, Release release) {
    beam.spans.at(static_cast<std::size_t>(span - 1)).release = release;
    return beam;
}

inline AnalysisResults analyse(const Beam& beam) {
    return runanalysis(generate_structure(beam));
}

#define EXPECT_CLOSE(actual, expected) \
    EXPECT_NEAR((actual), (expected), 1e-9 * std::abs(expected) + 1e-9)

// Vertical forces and moments about the left end: the reactions balance the loads (loads
// downward; applied moments and moment reactions counterclockwise).
inline void expect_equilibrium(const Beam& beam, const AnalysisResults& r) {
    ASSERT_TRUE(r.stable);
    double load = 0, load_moment = 0, start = 0, reaction = 0, reaction_moment = 0;
    for (std::size_t j = 0; j < r.reaction_shear.size(); ++j) {
        reaction += r.reaction_shear[j];
        reaction_moment += r.reaction_shear[j] * start + r.reaction_moment[j];
        if (j == beam.spans.size())
            break;
        const Span& span = beam.spans[j];
        for (const UniformLoad& u : span.uniforms) {  // two triangles: w1 at c/3, w2 at 2c/3
            const double c = u.x2 - u.x1, x = start + u.x1;
            load += (u.w1 + u.w2) * c / 2;
            load_moment += (u.w1 * (x + c / 3) + u.w2 * (x + 2 * c / 3)) * c / 2;
        }
        for (const PointLoad& p : span.points) {
            load += p.load.value;
            load_moment += p.load.value * (start + p.x);
        }
        for (const MomentLoad& m : span.moments)
            load_moment -= m.value;
        start += span.length.value;
    }
    const double scale = std::abs(load) + std::abs(load_moment) / start + 1e-9;
    EXPECT_NEAR(reaction, load, 1e-9 * scale);
    EXPECT_NEAR(reaction_moment, load_moment, 1e-9 * scale * start);
}

}  // namespace spanlyx::test
