#include "response/sample_point.h"

#include <bit>
#include <cstring>

namespace spanlyx {
namespace {

// Byte offsets of the fields in a record.
constexpr std::size_t kBeamXAt = 0;
constexpr std::size_t kShearAt = 8;
constexpr std::size_t kMomentAt = 16;
constexpr std::size_t kDeflectionAt = 24;
constexpr std::size_t kSpanAt = 32;
constexpr std::size_t kSpanXAt = 34;
constexpr std::size_t kUsedBytes = 42;
static_assert(kUsedBytes <= kSampleRecordBytes);

template <typename Unsigned>
Unsigned to_little_endian(Unsigned bits) {
    if constexpr (std::endian::native == std::endian::little) {
        return bits;
    } else {
        Unsigned out = 0;
        for (std::size_t i = 0; i < sizeof(Unsigned); ++i) {
            out = static_cast<Unsigned>((out << 8) | ((bits >> (8 * i)) & 0xFF));
        }
        return out;
    }
}

void put_double(std::byte* at, double value) {
    const auto bits = to_little_endian(std::bit_cast<std::uint64_t>(value));
    std::memcpy(at, &bits, sizeof bits);
}

double get_double(const std::byte* at) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, at, sizeof bits);
    return std::bit_cast<double>(to_little_endian(bits));
}

}  // namespace

void encode_sample(const SamplePoint& point, SampleRecordBytes record) {
    std::byte* base = record.data();
    put_double(base + kBeamXAt, point.beam_x);
    put_double(base + kShearAt, point.shear);
    put_double(base + kMomentAt, point.moment);
    put_double(base + kDeflectionAt, point.deflection);
    const auto span = to_little_endian(std::bit_cast<std::uint16_t>(point.span));
    std::memcpy(base + kSpanAt, &span, sizeof span);
    put_double(base + kSpanXAt, point.span_x);
    std::memset(base + kUsedBytes, 0, kSampleRecordBytes - kUsedBytes);
}

SamplePoint decode_sample(ConstSampleRecordBytes record) {
    const std::byte* base = record.data();
    SamplePoint point;
    point.beam_x = get_double(base + kBeamXAt);
    point.shear = get_double(base + kShearAt);
    point.moment = get_double(base + kMomentAt);
    point.deflection = get_double(base + kDeflectionAt);
    std::uint16_t span = 0;
    std::memcpy(&span, base + kSpanAt, sizeof span);
    point.span = std::bit_cast<std::int16_t>(to_little_endian(span));
    point.span_x = get_double(base + kSpanXAt);
    return point;
}

}  // namespace spanlyx
