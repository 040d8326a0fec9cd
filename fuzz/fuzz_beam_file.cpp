// Feeds arbitrary bytes to the beam file reader. Whatever it accepts must write out as a file
// that reads back to the same beam shape, and the snapshot writer must cope with it too.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "storage/beam_file.h"

namespace {

// Names the broken property on standard error before stopping, so a finding explains itself.
void require(bool condition, const char* property) {
    if (condition)
        return;
    std::fprintf(stderr, "broken property: %s\n", property);
    std::abort();
}

bool same_shape(const spanlyx::Beam& a, const spanlyx::Beam& b) {
    if (a.units != b.units || a.inertia_entered != b.inertia_entered || a.comments != b.comments ||
        a.span_count() != b.span_count() || a.joints != b.joints) {
        return false;
    }
    for (std::size_t m = 0; m < a.spans.size(); ++m) {
        const spanlyx::Span& x = a.spans[m];
        const spanlyx::Span& y = b.spans[m];
        if (x.release != y.release || x.uniforms != y.uniforms || x.moments != y.moments ||
            x.points.size() != y.points.size() || x.length.value != y.length.value) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const spanlyx::BeamReadResult read = spanlyx::parse_beam_file(text);
    require(read.beam.has_value() == read.message.empty(), "a message exactly when refused");
    if (!read.beam) {
        require(read.line >= 1, "a refusal names its line");
        return 0;
    }
    const spanlyx::BeamReadResult again =
        spanlyx::parse_beam_file(spanlyx::format_beam_file(*read.beam));
    require(again.beam.has_value(), "an accepted beam reads back after writing");
    require(same_shape(*read.beam, *again.beam), "the beam read back is the same");
    require(!spanlyx::format_beam_snapshot(*read.beam).empty(), "the snapshot is written");
    return 0;
}
