// Feeds arbitrary bytes to the JSON beam reader. It refuses with a message or accepts; whatever it
// accepts writes out as a JSON document and as a beam file that both read back to the same beam.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "storage/beam_file.h"
#include "storage/beam_json.h"

namespace {

void require(bool condition, const char* property) {
    if (condition)
        return;
    std::fprintf(stderr, "broken property: %s\n", property);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const spanlyx::BeamReadResult read = spanlyx::parse_beam_json(text);
    require(read.beam.has_value() == read.message.empty(), "a message exactly when refused");
    if (!read.beam)
        return 0;
    const std::string as_json = spanlyx::format_beam_json(*read.beam);
    const spanlyx::BeamReadResult again = spanlyx::parse_beam_json(as_json);
    require(again.beam.has_value(), "an accepted beam reads back from its JSON");
    require(spanlyx::format_beam_json(*again.beam) == as_json, "its JSON reads back to itself");
    const std::string file = spanlyx::format_beam_file(*again.beam);
    const spanlyx::BeamReadResult from_file = spanlyx::parse_beam_file(file);
    require(from_file.beam.has_value(), "its beam file reads back");
    require(spanlyx::format_beam_json(*from_file.beam) == as_json,
            "its beam file gives the same JSON");
    return 0;
}
