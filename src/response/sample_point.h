#pragma once
// One sampled point of the beam and its fixed 80-byte record in the sample file: beam_x,
// shear, moment, deflection (little-endian doubles), span (little-endian 16-bit integer),
// span_x (double), packed without padding; the rest of the record is zero.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace spanlyx {

struct SamplePoint {
    double beam_x = 0;      // from the beam's left end, 5 decimals
    double shear = 0;       // 5 decimals
    double moment = 0;      // 5 decimals
    double deflection = 0;  // 10 decimals; inches in the imperial systems
    std::int16_t span = 0;  // 1-based
    double span_x = 0;      // from the span's left end, 2 decimals

    friend bool operator==(const SamplePoint&, const SamplePoint&) = default;
};

inline constexpr std::size_t kSampleRecordBytes = 80;
using SampleRecordBytes = std::span<std::byte, kSampleRecordBytes>;
using ConstSampleRecordBytes = std::span<const std::byte, kSampleRecordBytes>;

void encode_sample(const SamplePoint& point, SampleRecordBytes record);
SamplePoint decode_sample(ConstSampleRecordBytes record);

// Receives the points of the sweep in order.
class SampleSink {
  public:
    virtual ~SampleSink() = default;
    virtual void write(const SamplePoint& point) = 0;
};

}  // namespace spanlyx
