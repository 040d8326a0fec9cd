#pragma once
// Beams analysed for the sweep tests, and the sampled points kept in memory.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "analysis/calculate.h"
#include "model/beam.h"
#include "response/span_response.h"

namespace spanlyx::test {

inline constexpr Joint kPinned{1, 0};
inline constexpr Joint kFixed{1, 1};
inline constexpr Joint kFree{0, 0};
inline constexpr Joint kGuided{0, 1};

// System M: lengths in m, E stored in N/m^2, I in m^4; E I = 2e7 N m^2.
inline constexpr double kE = 200e9;
inline constexpr double kI = 1e-4;
inline constexpr double kEI = kE * kI;

// Deflection of a simply supported span of length l under a counterclockwise couple c at a
// (M = c x / l, less c right of a), by double integration with y = 0 at both supports.
inline double couple_deflection(double c, double a, double x, double l) {
    const double c1 = -(c * l * l / 6 - c * (l - a) * (l - a) / 2) / l;
    double y = c * x * x * x / (6 * l) + c1 * x;
    if (x > a)
        y -= c * (x - a) * (x - a) / 2;
    return y / kEI;
}

inline Beam make_beam(const std::vector<double>& lengths, const std::vector<Joint>& joints,
                      UnitSystem units = UnitSystem::M, double e = kE, double i = kI) {
    Beam beam;
    beam.units = units;
    for (double length : lengths) {
        Span span;
        span.length = HeldNumber::computed(length);
        span.modulus = HeldNumber::computed(e);
        span.inertia = i;
        beam.spans.push_back(span);
    }
    beam.joints = joints;
    return beam;
}

inline Span& span_of(Beam& beam, int span) {
    return beam.spans.at(static_cast<std::size_t>(span - 1));
}
inline void add_uniform(Beam& beam, int span, double w) {
    span_of(beam, span).uniforms.push_back({0, w, span_of(beam, span).length.value, w});
}
inline void add_point(Beam& beam, int span, double p, double x) {
    span_of(beam, span).points.push_back({x, HeldNumber::computed(p)});
}
inline void add_moment(Beam& beam, int span, double m, double x) {
    span_of(beam, span).moments.push_back({x, m});
}

struct VectorSink final : SampleSink {
    std::vector<SamplePoint> points;
    void write(const SamplePoint& point) override { points.push_back(point); }
};

struct Swept {
    CalculateOutcome calc;
    ResponseOutcome response;
    std::vector<SamplePoint> points;

    // The record of a span at a distance from its left end, in hundredths.
    const SamplePoint& at(int span, long long span_x_hundredths) const {
        for (const SamplePoint& p : points) {
            if (p.span == span && std::llround(p.span_x * 100) == span_x_hundredths)
                return p;
        }
        ADD_FAILURE() << "no record at span " << span << " x " << span_x_hundredths;
        return points.front();
    }
};

inline Swept sweep(const Beam& beam, const SessionOptions& options = {},
                   const NumberPatterns& patterns = {}) {
    Swept s;
    s.calc = calculate(beam);
    EXPECT_EQ(s.calc.status, CalculateStatus::Analysed);
    if (s.calc.status != CalculateStatus::Analysed)
        return s;
    VectorSink sink;
    s.response = sweep_response(beam, *s.calc.model, *s.calc.results, patterns, options, sink, {});
    s.points = std::move(sink.points);
    return s;
}

}  // namespace spanlyx::test
