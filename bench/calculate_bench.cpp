// Calculate of the largest beam the entry window takes: 40 spans, five loads of each kind on
// every span. Structure generation and runanalysis, without the report files.
#include <benchmark/benchmark.h>

#include "analysis/calculate.h"
#include "model/beam.h"

namespace spanlyx {
namespace {

Beam forty_span_beam() {
    Beam beam;
    beam.units = UnitSystem::E;
    for (int s = 0; s < kMaxSpans; ++s) {
        Span span;
        span.length = HeldNumber::computed(10.0 + (s % 3));
        span.inertia = 500;
        span.modulus = HeldNumber::computed(29000000);
        for (int k = 1; k <= 5; ++k) {
            const double x = 1.5 * k;
            span.uniforms.push_back({x - 1.0, 100.0 * k, x + 0.5, 150.0 * k});
            span.points.push_back({x, HeldNumber::computed(1000.0 * k)});
            span.moments.push_back({x + 0.25, 500.0 * k});
        }
        beam.spans.push_back(span);
    }
    beam.joints.assign(kMaxSpans + 1, Joint{1, 0});
    beam.joints.front().restraint_z = 1;
    return beam;
}

void BM_CalculateFortySpans(benchmark::State& state) {
    const Beam beam = forty_span_beam();
    for (auto _ : state) {
        CalculateOutcome outcome = calculate(beam);
        benchmark::DoNotOptimize(outcome);
        if (outcome.status != CalculateStatus::Analysed)
            state.SkipWithError("not analysed");
    }
}
BENCHMARK(BM_CalculateFortySpans)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace spanlyx
