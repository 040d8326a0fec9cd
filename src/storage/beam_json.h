#pragma once
// The beam as a JSON document ("format": "spanlyx-beam", version 1): values in the entry units
// of the .cb file, each load with its case, the joints' restraints, springs and
// imposed movements, and the combinations.
// A document is lowered to the value lines of the .cb layout and built by the .cb parser, so a
// JSON beam and a beam file are checked alike and refused with the same messages, each naming
// its place in the document ("spans[1].point[0].x: expected ...").

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "storage/beam_file.h"

namespace spanlyx {

// A beam document is JSON when its first character other than blanks and line ends is '{'.
bool is_json_beam(std::string_view text);

// The refusal's line is 0: a document names places, not lines.
BeamReadResult parse_beam_json(std::string_view text);

// The beam (not its results) as a JSON document in UTF-8, ended by a line feed. Numbers are the
// ones a .cb file of the beam holds (15 significant digits), so both describe the same beam.
std::string format_beam_json(const Beam& beam);

// Why the beam cannot be written as a JSON beam that reads back to it, or nothing: an imperial E
// between 0 and 30 psi, which the document would read as millions of psi.
std::optional<std::string> json_cannot_hold(const Beam& beam);

// A beam file or a JSON beam, chosen by content.
BeamReadResult parse_beam_document(std::string_view text);
BeamReadResult read_beam_document(const std::filesystem::path& path);

}  // namespace spanlyx
