#pragma once
// The .cb parser over lines already split, with the places its refusals name. The beam file
// names a place by its line number; the JSON beam lowers its document to these lines and names
// each by its place in the document, so both are built and checked by the one parser.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/beam_file.h"

namespace spanlyx {

// The place of a 1-based line, as a refusal names it: "Line 12", "spans[0].length".
using LinePlace = std::function<std::string(std::size_t line)>;

BeamReadResult parse_beam_lines(std::vector<std::string_view> lines, const LinePlace& place);

}  // namespace spanlyx
