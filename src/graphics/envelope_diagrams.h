#pragma once
// The shear, moment and deflection diagrams of one combination's live-load envelope: on each
// axis the maximum and the minimum curve over every arrangement of live load, and the largest
// value of the maximum curve and the smallest of the minimum curve written at their places in
// every span. The curves are worked out while they are drawn (compute_envelopes with a sink):
// nothing per point is kept, so a beam of millions of points draws in the memory of the six
// curve traces.

#include <cstddef>

#include "graphics/response_diagrams.h"
#include "response/envelope.h"
#include "response/span_extremes.h"

namespace spanlyx {

// What a drawing of an envelope reads.
struct EnvelopeSetup {
    const Beam& beam;  // as analysed
    const SessionOptions& options;
    std::size_t combination = 0;          // index into beam.combinations
    const CombinationEnvelope& envelope;  // that combination's extremes
    const NumberPatterns& patterns;
    bool printing = false;  // curves black instead of magenta
    ProgressCallback progress = {};
};

// The envelope's whole-beam extremes, as the side labels and the scales of the diagrams read
// them: the largest value of the maximum curves and the smallest of the minimum curves.
BeamExtremes envelope_beam_extremes(const CombinationEnvelope& envelope);

// The three diagrams of the envelope in one pass over the points of the grid.
void draw_envelope_diagrams(const DiagramCanvases& canvases, const EnvelopeSetup& setup);

}  // namespace spanlyx
