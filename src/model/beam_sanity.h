#pragma once
// Values that read as numbers but describe no beam the analysis can work with: lengths and
// sections that are not positive finite numbers, loads that are not finite, stiffnesses and load
// effects beyond the range of doubles, and beams whose 0.01-step sampling would fill a disk.
// Calculate refuses such a beam before it is analysed, and the beam file reader uses the same
// value rules line by line, so a file, the window and the batch tool refuse alike.

#include <optional>

#include "model/beam.h"
#include "model/message.h"

namespace spanlyx {

// The sweep writes one 80-byte record every 0.01 length unit: 20 million records are 1.6 GB.
inline constexpr double kMaxSamplePoints = 20'000'000;
// Half the sampling step: a shorter span rounds to no step at all and has nothing to sample.
inline constexpr double kShortestSpan = 0.005;
// Far beyond any engineering moment or deflection, far enough below the largest double that
// the stiffness solution and the sweep's sums cannot overflow on their way there.
inline constexpr double kLargestLoadEffect = 1e200;

// How a length, width, depth, I or E (in stored units) fails to be a positive finite number.
enum class DimensionFault { None, NotFinite, Negative, Zero, Subnormal };
DimensionFault dimension_fault(double value);

// Records of the sample file: the start of the beam, then one per 0.01 step of every span
// (spans that are not positive count none). Exact below 2^53.
double sample_point_count(const Beam& beam);

struct BeamFault {
    Message message;   // titled "Continuous Beam Response"
    FocusField focus;  // the entry field of the value at fault
};

// The first value that makes no sense, in the order: span lengths, load values and positions,
// springs and imposed movements of the joints (a stiffness that is not a positive finite number,
// a spring on a fixed coordinate, a movement that is not finite or is on a coordinate that is not
// fixed), the number of sampled points, section values and moduli, stiffness, the size of the load
// effects. A section value or modulus at or below 0 is left to the zero-section messages of
// Calculate, and the spans that carry one are not looked at further.
std::optional<BeamFault> find_nonsense(const Beam& beam);

}  // namespace spanlyx
