#pragma once
// The pieces of the extra output ("_CONT08.TMP"): the values at every interval step of a span
// and at one distance from the left end of every span.

#include "model/print_line.h"
#include "model/settings.h"
#include "model/units.h"

namespace spanlyx {

// The head of the interval output; the interval in hundredths.
void write_interval_head(TextWriter& out, long long interval_hundredths);

// The head of one specific-X block.
void write_specific_head(TextWriter& out, int span_number);

struct PointValues {
    double span_x = 0;  // a whole number of hundredths
    double shear = 0;
    double moment = 0;
    double deflection = 0;  // sampled unit; shown in the display unit
};

// Five lines: distance, shear, moment, deflection and a line holding one blank.
void write_data_block(TextWriter& out, UnitSystem units, const NumberPatterns& patterns,
                      const PointValues& point);

}  // namespace spanlyx
