#pragma once
// Live-load envelopes of the beam's combinations. For a combination with factors dead and live,
// an arrangement S is a set of spans whose live loads act; the response to it is
//   dead * R_D + live * sum over s in S of R_s,
// R_D the response to the dead loads, R_s to the live loads entered on span s alone (joint
// loads at x = 0 or x = L of span s included). Over all 2^n arrangements the extremes at a point
// follow by superposition:
//   max = dead * R_D + sum_s max(0, live * R_s),   min = dead * R_D + sum_s min(0, live * R_s),
// and the spans loaded for the maximum are those with live * R_s > 0 (< 0 for the minimum).
// Computed from n + 1 analyses (the dead case and one case per span with live load) and one
// pass over the points of the sweep's grid; the as-entered analysis is not touched.
//
// Values are in the units of the sweep (shear and moment in the force and moment units of the
// system, sagging positive; deflection up positive, in inches in system E). Locations are
// distances from the span's left end, on the 0.01 grid.

#include <cstddef>
#include <optional>
#include <vector>

#include "model/beam.h"
#include "model/settings.h"

namespace spanlyx {

struct EnvelopeExtreme {
    double value = 0;
    double at = 0;                  // from the span's left end; 0 for a reaction
    std::vector<int> loaded_spans;  // 1-based, ascending
};

struct SpanEnvelope {
    EnvelopeExtreme shear_max, shear_min;
    EnvelopeExtreme moment_max, moment_min;
    EnvelopeExtreme deflection_max, deflection_min;
};

struct ReactionEnvelope {
    EnvelopeExtreme shear_max, shear_min;
    EnvelopeExtreme moment_max, moment_min;
};

struct CombinationEnvelope {
    Combination combination;
    std::vector<SpanEnvelope> spans;          // one per span
    std::vector<ReactionEnvelope> reactions;  // one per joint; 0 where the joint is free
};

// The envelope curves at one sampled point, for one combination.
struct EnvelopeValues {
    double shear_max = 0, shear_min = 0;
    double moment_max = 0, moment_min = 0;
    double deflection_max = 0, deflection_min = 0;
};

// Receives every point of the grid in order: each span from x = 0 to x = L, so a joint between
// spans comes twice (the shear just left of it at the end of one span, just right of it at the
// start of the next). Values after an applied moment at the point.
class EnvelopeSink {
  public:
    virtual ~EnvelopeSink() = default;
    virtual void point(int span, long long index, const std::vector<EnvelopeValues>& values) = 0;
};

// The envelopes of every combination of the beam, in the order of the list; none when the beam
// has no combinations. The beam must be one whose as-entered analysis is stable. The extremes
// follow the sweep's rules: every point of a span counts (the shear just right of a joint too),
// ties keep the leftmost point, the moment at a free far end is that of the couples applied
// there when the options hide the integration residual, and the deflection at a vertically
// fixed joint is that of the joint.
std::vector<CombinationEnvelope> compute_envelopes(const Beam& beam, const SessionOptions& options,
                                                   EnvelopeSink* sink = nullptr);

// The envelope of one combination (an index into the beam's list) at one point of the grid:
// point `index` of span `span` (1-based), as an EnvelopeSink receives it, each of the six
// values with the spans loaded for it and `at` the point's distance from the span's left end.
// The read-out of one point: only the spans up to the point's are walked. Nothing when the
// beam has no such combination, span or point.
std::optional<SpanEnvelope> envelope_at(const Beam& beam, const SessionOptions& options,
                                        std::size_t combination, int span, long long index);

// The beam holding only the dead loads (live_span 0) or only the live loads entered on span
// live_span (1-based). Settlements and imposed rotations belong to the dead case; springs are
// part of the structure and stay in every case.
Beam load_case_beam(const Beam& beam, int live_span);

}  // namespace spanlyx
