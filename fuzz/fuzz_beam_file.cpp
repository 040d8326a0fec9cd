// Feeds arbitrary bytes to the beam file reader. Whatever it accepts must write out as a file
// that reads back to the same beam shape (live loads and combinations included), and as a JSON
// document that does too; the snapshot writer must cope with it as well.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "storage/beam_file.h"
#include "storage/beam_json.h"

namespace {

// Names the broken property on standard error before stopping, so a finding explains itself.
void require(bool condition, const char* property) {
    if (condition)
        return;
    std::fprintf(stderr, "broken property: %s\n", property);
    std::abort();
}

// Files carry numbers in the general form of 15 significant digits, so a value read from a file
// with more digits comes back rounded to 15: equal within that rounding.
bool close(double a, double b) {
    return std::fabs(a - b) <= 1e-14 * std::max(std::fabs(a), std::fabs(b));
}

bool same_loads(const spanlyx::Span& x, const spanlyx::Span& y) {
    if (x.uniforms.size() != y.uniforms.size() || x.moments.size() != y.moments.size())
        return false;
    for (std::size_t k = 0; k < x.uniforms.size(); ++k) {
        const auto& u = x.uniforms[k];
        const auto& v = y.uniforms[k];
        if (!close(u.x1, v.x1) || !close(u.w1, v.w1) || !close(u.x2, v.x2) || !close(u.w2, v.w2) ||
            u.load_case != v.load_case)
            return false;
    }
    for (std::size_t k = 0; k < x.points.size() && k < y.points.size(); ++k) {
        if (x.points[k].load_case != y.points[k].load_case)
            return false;
    }
    for (std::size_t k = 0; k < x.moments.size(); ++k) {
        if (!close(x.moments[k].x, y.moments[k].x) ||
            !close(x.moments[k].value, y.moments[k].value) ||
            x.moments[k].load_case != y.moments[k].load_case)
            return false;
    }
    return true;
}

bool same_combinations(const spanlyx::Beam& a, const spanlyx::Beam& b) {
    if (a.combinations.size() != b.combinations.size())
        return false;
    for (std::size_t k = 0; k < a.combinations.size(); ++k) {
        const spanlyx::Combination& x = a.combinations[k];
        const spanlyx::Combination& y = b.combinations[k];
        if (x.name != y.name || !close(x.dead, y.dead) || !close(x.live, y.live))
            return false;
    }
    return true;
}

bool same_shape(const spanlyx::Beam& a, const spanlyx::Beam& b) {
    if (a.units != b.units || a.inertia_entered != b.inertia_entered || a.comments != b.comments ||
        a.span_count() != b.span_count() || a.joints != b.joints || !same_combinations(a, b)) {
        return false;
    }
    for (std::size_t m = 0; m < a.spans.size(); ++m) {
        const spanlyx::Span& x = a.spans[m];
        const spanlyx::Span& y = b.spans[m];
        if (x.release != y.release || !same_loads(x, y) || x.points.size() != y.points.size() ||
            !close(x.length.value, y.length.value)) {
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
    // Once written by the program, a beam writes and reads back to the very same file.
    const std::string written = spanlyx::format_beam_file(*again.beam);
    const spanlyx::BeamReadResult third = spanlyx::parse_beam_file(written);
    require(third.beam && spanlyx::format_beam_file(*third.beam) == written,
            "a written file reads back to the same file");
    require(!spanlyx::format_beam_snapshot(*read.beam).empty(), "the snapshot is written");
    // The same beam as a JSON document reads back to the same beam and the same document;
    // a beam the document cannot express (an imperial E of a few psi) is refused instead.
    if (spanlyx::json_cannot_hold(*again.beam))
        return 0;
    const std::string as_json = spanlyx::format_beam_json(*again.beam);
    const spanlyx::BeamReadResult from_json = spanlyx::parse_beam_json(as_json);
    require(from_json.beam.has_value(), "an accepted beam reads back from its JSON");
    require(same_shape(*again.beam, *from_json.beam), "the beam read back from JSON is the same");
    require(spanlyx::format_beam_json(*from_json.beam) == as_json,
            "its JSON reads back to the same JSON");
    return 0;
}
