// Live-load envelopes of three combinations against the as-entered sweep of the same beam: 40
// spans with dead and live load on every span, at about 80,000 points (spans of 20 m, system M)
// and 1,000,000 points (spans of 250 mm, system M4). The envelope timing includes its 41
// analyses; the sweep hands its points to a sink that keeps nothing, so neither writes a file.
#include <benchmark/benchmark.h>

#include "analysis/calculate.h"
#include "response/envelope.h"
#include "response/span_response.h"

namespace spanlyx {
namespace {

Beam forty_span_beam(UnitSystem units, double length, double e, double i, double w) {
    Beam beam;
    beam.units = units;
    for (int s = 0; s < 40; ++s) {
        Span span;
        span.length = HeldNumber::computed(length);
        span.inertia = i;
        span.modulus = HeldNumber::computed(e);
        span.uniforms.push_back({0, w, length, w, LoadCase::Dead});
        span.uniforms.push_back({0.1 * length, 2 * w, 0.9 * length, 3 * w, LoadCase::Live});
        span.points.push_back({0.4 * length, HeldNumber::computed(w * length), LoadCase::Live});
        beam.spans.push_back(span);
    }
    beam.joints.assign(41, Joint{1, 0});
    beam.combinations = {{"1.2D + 1.6L", 1.2, 1.6}, {"1.4D", 1.4, 0}, {"D + L", 1, 1}};
    return beam;
}

Beam beam_of_points(long long points) {
    return points < 500000 ? forty_span_beam(UnitSystem::M, 20, 200e9, 1e-4, 10000)
                           : forty_span_beam(UnitSystem::M4, 250, 200000, 1e8, 10);
}

struct DiscardSink final : SampleSink {
    std::int64_t count = 0;
    void write(const SamplePoint&) override { ++count; }
};

void BM_AsEnteredSweep(benchmark::State& state) {
    const Beam beam = beam_of_points(state.range(0));
    const CalculateOutcome calc = calculate(beam);
    if (calc.status != CalculateStatus::Analysed) {
        state.SkipWithError("not analysed");
        return;
    }
    DiscardSink sink;
    for (auto _ : state) {
        sink.count = 0;
        ResponseOutcome out =
            sweep_response(beam, *calc.model, *calc.results, NumberPatterns{}, {}, sink);
        benchmark::DoNotOptimize(out);
    }
    state.counters["points"] = static_cast<double>(sink.count);
}
BENCHMARK(BM_AsEnteredSweep)->Arg(80000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_EnvelopesOfThreeCombinations(benchmark::State& state) {
    const Beam beam = beam_of_points(state.range(0));
    for (auto _ : state) {
        std::vector<CombinationEnvelope> env = compute_envelopes(beam, {});
        benchmark::DoNotOptimize(env);
    }
}
BENCHMARK(BM_EnvelopesOfThreeCombinations)->Arg(80000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace spanlyx
