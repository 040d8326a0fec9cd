#pragma once
// A run of neighbouring spans of a beam, cut out with everything the drawings read, so that a
// long beam can be drawn a few spans at a time, each run on its own horizontal scale. The run
// keeps the whole beam's extremes, so that its curves stand on the same vertical scale as those
// of every other run; its positions start at its first joint.

#include <cstddef>
#include <vector>

#include "analysis/analysis_results.h"
#include "graphics/sample_source.h"
#include "model/beam.h"
#include "response/sample_point.h"
#include "response/span_response.h"

namespace spanlyx {

// Spans first to first + count - 1 (from 0).
struct SpanGroup {
    std::size_t first = 0;
    std::size_t count = 0;
};

// The spans in as few runs of at most `most` as can be, of counts that differ by one at most
// (23 spans in runs of 10: 8, 8 and 7). One run for a beam of up to `most` spans.
std::vector<SpanGroup> span_groups(std::size_t span_count, std::size_t most);

struct BeamPart {
    Beam beam;
    AnalysisResults results;   // the reactions of the run's joints
    ResponseOutcome response;  // the run's span extremes and starts; the whole beam's extremes
    std::vector<SamplePoint> points;
};

// The group's spans and their joints, with the beam's units and settings.
Beam beam_part_of(const Beam& beam, SpanGroup group);

// The part of the beam that the group covers; samples are read from `samples`.
BeamPart beam_part(const Beam& beam, const AnalysisResults& results,
                   const ResponseOutcome& response, SpanGroup group, SampleSource& samples);

}  // namespace spanlyx
