#pragma once
// Rounding of sample-record fields without formatting text: the same result as
// round_to_decimals (the fixed pattern rounded half away from zero and read back), computed
// numerically. Only values that sit within a hair of a rounding half fall back to the text form.

namespace spanlyx {

// The value in units of 10^-decimals, rounded the way the fixed pattern rounds it
// (2.675 at 2 decimals gives 268). decimals 0 to 10.
long long rounded_units(double value, int decimals);

// round_to_decimals(value, decimals), computed numerically.
double round_record_field(double value, int decimals);

}  // namespace spanlyx
