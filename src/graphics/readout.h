#pragma once
// The read-out of the results window: the values at a span and distance typed by the engineer
// or at the beam position under the mouse, taken from the sampled points as they are.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/sample_source.h"
#include "model/beam.h"
#include "model/settings.h"
#include "model/units.h"
#include "response/envelope.h"
#include "response/span_response.h"

namespace spanlyx {

// What the read-out fields show for one sampled point.
struct ReadOut {
    int span = 0;
    std::string span_text;   // cursors
    std::string x_text;      // cursorx: span_x with two decimals
    std::string real_x;      // realx: beam_x as a number text
    std::string shear;       // cursorv
    std::string moment;      // cursorm
    std::string deflection;  // cursord: in the deflection unit of the diagram
    // The point's values as sampled (deflection in inches or the length unit), unrounded:
    // what "Plot X" writes onto the diagrams.
    double shear_value = 0, moment_value = 0, deflection_value = 0;
    // For a combination's envelope: one line per quantity with its maximum and minimum at the
    // point and the spans loaded for each; empty for the beam as entered.
    std::vector<std::string> envelope;
};

ReadOut read_out(const SamplePoint& point, const NumberPatterns& patterns, UnitSystem units);

// The typed X is looked up only once it is typed to the hundredths: a "." and two characters.
bool x_typed_to_hundredths(std::string_view x_text);

// The point of span `span` (from 1) at X hundredths from its left end: at X = 0 the values
// just right of the span's left joint, elsewhere the record. Nothing when no point matches.
std::optional<ReadOut> look_up_typed(SampleSource& samples, const ResponseOutcome& response,
                                     int span, long long x_hundredths,
                                     const NumberPatterns& patterns, UnitSystem units);

// The beam position in hundredths under device column device_x of a drawing area
// device_width pixels wide; left of the beam is its left end, right of it its right end.
long long picked_position(double device_x, double device_width, double total_length);

// The first record at the picked position: over a support, the end of the span on its left.
std::optional<ReadOut> look_up_picked(SampleSource& samples, long long position_hundredths,
                                      const NumberPatterns& patterns, UnitSystem units);

// ---- The read-out of a combination's envelope ---------------------------------------------

// "V   max 12.34  Spans loaded: 1, 3    min -5.67  Spans loaded: 2", then M and D: the values
// in the patterns of the read-out (deflections in the display unit), padded so that the three
// lines read as a table.
std::vector<std::string> envelope_readout_lines(const SpanEnvelope& at_point,
                                                const NumberPatterns& patterns, UnitSystem units);

// Where the envelope's read-out is worked out: the beam as analysed and one of its combinations.
struct EnvelopeChoice {
    const Beam& beam;
    const SessionOptions& options;
    std::size_t combination = 0;  // index into beam.combinations
};

// The envelope at span `span` (from 1), X hundredths from its left end (at X = 0 the values
// just right of the span's left joint); nothing past the span's end.
std::optional<ReadOut> look_up_envelope_typed(const EnvelopeChoice& choice, int span,
                                              long long x_hundredths,
                                              const NumberPatterns& patterns, UnitSystem units);

// The envelope at a picked beam position: over a support, the end of the span on its left.
std::optional<ReadOut> look_up_envelope_picked(const EnvelopeChoice& choice,
                                               long long position_hundredths,
                                               const NumberPatterns& patterns, UnitSystem units);

}  // namespace spanlyx
