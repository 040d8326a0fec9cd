#include "graphics/beam_part.h"

#include <algorithm>
#include <cstdint>

namespace spanlyx {
namespace {

template <typename T>
std::vector<T> slice(const std::vector<T>& all, std::size_t first, std::size_t count) {
    const std::size_t begin = std::min(first, all.size());
    const std::size_t end = std::min(first + count, all.size());
    return {all.begin() + static_cast<std::ptrdiff_t>(begin),
            all.begin() + static_cast<std::ptrdiff_t>(end)};
}

}  // namespace

std::vector<SpanGroup> span_groups(std::size_t span_count, std::size_t most) {
    if (span_count == 0 || most == 0)
        return {};
    const std::size_t runs = (span_count + most - 1) / most;
    const std::size_t base = span_count / runs;
    const std::size_t longer = span_count % runs;  // the first runs take one span more
    std::vector<SpanGroup> groups;
    std::size_t first = 0;
    for (std::size_t r = 0; r < runs; ++r) {
        const std::size_t count = base + (r < longer ? 1 : 0);
        groups.push_back({first, count});
        first += count;
    }
    return groups;
}

Beam beam_part_of(const Beam& beam, SpanGroup group) {
    Beam part;
    part.units = beam.units;
    part.inertia_entered = beam.inertia_entered;
    part.use_first_span_ei = beam.use_first_span_ei;
    part.comments = beam.comments;
    part.spans = slice(beam.spans, group.first, group.count);
    part.joints = slice(beam.joints, group.first, group.count + 1);
    return part;
}

BeamPart beam_part(const Beam& beam, const AnalysisResults& results,
                   const ResponseOutcome& response, SpanGroup group, SampleSource& samples) {
    BeamPart part;
    part.beam = beam_part_of(beam, group);

    part.results.stable = results.stable;
    part.results.reaction_shear = slice(results.reaction_shear, group.first, group.count + 1);
    part.results.reaction_moment = slice(results.reaction_moment, group.first, group.count + 1);

    const double offset =
        group.first < response.span_start.size() ? response.span_start[group.first] : 0.0;
    part.response.beam_extremes = response.beam_extremes;
    part.response.span_extremes = slice(response.span_extremes, group.first, group.count);
    for (SpanExtremes& row : part.response.span_extremes) {
        for (Extreme* e : {&row.shear_max, &row.shear_min, &row.moment_max, &row.moment_min,
                           &row.deflection_max, &row.deflection_min}) {
            // A value never set stays 0 at 0, so that it still gets no mark.
            if (!(e->value == 0 && e->at == 0))
                e->at -= offset;
        }
    }
    for (double start : slice(response.span_start, group.first, group.count))
        part.response.span_start.push_back(start - offset);
    part.response.span_first_points = slice(response.span_first_points, group.first, group.count);

    const auto first_span = static_cast<std::int64_t>(group.first + 1);
    const auto last_span = static_cast<std::int64_t>(group.first + group.count);
    samples.scan(1, samples.count(), [&](std::int64_t, const SamplePoint& point) {
        if (point.span > last_span)
            return false;
        if (point.span >= first_span) {
            SamplePoint moved = point;
            moved.beam_x -= offset;
            moved.span = static_cast<std::int16_t>(point.span - first_span + 1);
            part.points.push_back(moved);
        }
        return true;
    });
    part.response.sample_count = static_cast<std::int64_t>(part.points.size());
    return part;
}

}  // namespace spanlyx
