#pragma once
// Resizing spans and load lists the way fixed slot tables behave: lowering a count keeps the
// dropped entries aside, and raising it again brings them back, so retyping a count ("12" goes
// through "1") never loses what was entered.

#include <vector>

#include "model/beam.h"

namespace spanlyx {

class LoadSlots {
  public:
    // Forget everything kept aside: after New and after a beam file has been read.
    void clear();

    // Makes the beam `count` spans long (0..kMaxSpans).
    void set_span_count(Beam& beam, int count);

    // Makes the list of one span `count` loads long (0..kMaxLoadsPerKind).
    void set_load_count(Beam& beam, int span_index, LoadKind kind, int count);

  private:
    struct ParkedLoads {
        std::vector<UniformLoad> uniforms;
        std::vector<PointLoad> points;
        std::vector<MomentLoad> moments;
    };
    std::vector<ParkedLoads> parked_loads_;        // beside each span of the beam
    std::vector<Span> parked_spans_;               // spans past the count, in order
    std::vector<ParkedLoads> parked_spans_loads_;  // beside each parked span
};

}  // namespace spanlyx
