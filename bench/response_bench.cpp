// The span response of a long millimetre beam: ten spans of 1000 mm in system M4 with three
// loads of each kind per span, about a million sampled points. The sweep writes the sample file
// and the report pieces; the look-up finds a record by beam position in that file.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "analysis/calculate.h"
#include "response/sample_file_reader.h"
#include "response/span_response.h"

namespace spanlyx {
namespace {

Beam ten_span_beam() {
    Beam beam;
    beam.units = UnitSystem::M4;
    for (int s = 0; s < 10; ++s) {
        Span span;
        span.length = HeldNumber::computed(1000);
        span.inertia = 1.0e8;
        span.modulus = HeldNumber::computed(200000);
        for (int k = 1; k <= 3; ++k) {
            const double x = 250.0 * k;
            span.uniforms.push_back({x - 200, 5.0 * k, x + 100, 8.0 * k});
            span.points.push_back({x + 25, HeldNumber::computed(1000.0 * k)});
            span.moments.push_back({x - 75, 20000.0 * k});
        }
        beam.spans.push_back(span);
    }
    beam.joints.assign(11, Joint{1, 0});
    beam.joints.front().restraint_z = 1;
    return beam;
}

struct Fixture {
    Beam beam = ten_span_beam();
    CalculateOutcome calc = calculate(beam);
    std::filesystem::path file =
        std::filesystem::temp_directory_path() / "spanlyx_bench_cont10.tmp";
    SessionOptions options;
    Fixture() {
        options.interval_wanted = true;
        options.interval_step = 100;
        options.specific_wanted = true;
        options.specific_x = 500;
    }
    ResponseOutcome run() const {
        return compute_response(beam, *calc.model, *calc.results, NumberPatterns{}, options, file);
    }
};

void BM_SweepTenMillimetreSpans(benchmark::State& state) {
    const Fixture f;
    if (f.calc.status != CalculateStatus::Analysed) {
        state.SkipWithError("not analysed");
        return;
    }
    std::int64_t samples = 0;
    for (auto _ : state) {
        ResponseOutcome out = f.run();
        samples = out.sample_count;
        if (out.sample_file_error)
            state.SkipWithError(out.sample_file_error->c_str());
        benchmark::DoNotOptimize(out);
    }
    state.counters["samples"] = static_cast<double>(samples);
    std::filesystem::remove(f.file);
}
BENCHMARK(BM_SweepTenMillimetreSpans)->Unit(benchmark::kMillisecond);

void BM_FindRecordByPosition(benchmark::State& state) {
    const Fixture f;
    static_cast<void>(f.run());
    SampleFileReader reader;
    if (reader.open(f.file)) {
        state.SkipWithError("sample file not readable");
        return;
    }
    long long target = 12345;
    for (auto _ : state) {
        target = (target * 7919 + 104729) % 1000000;  // spread over the whole beam
        benchmark::DoNotOptimize(reader.find_first_at(target));
    }
    std::filesystem::remove(f.file);
}
BENCHMARK(BM_FindRecordByPosition)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace spanlyx
