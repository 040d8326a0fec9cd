#pragma once
// The .cb beam file: its writer, the beam snapshot writer and the reader.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "model/beam.h"

namespace spanlyx {

// A text held as one line of a file: a line feed inside would shift every later line, so it
// becomes a blank. A lone carriage return does not end a line and is kept.
std::string single_line(std::string_view text);

// The file text, CRLF lines, Windows-1252 bytes.
std::string format_beam_file(const Beam& beam);
// The snapshot layout written when the results window closes (no unit tag, no releases,
// E and I unscaled).
std::string format_beam_snapshot(const Beam& beam);

struct BeamReadResult {
    std::optional<Beam> beam;  // present when the file was accepted
    std::string message;       // why it was refused, naming the line
    int line = 0;  // 1-based line of the refusal; 0 for a JSON beam, whose message names the place
    bool unit_tag_refused = false;  // the refusal is the missing unit tag
};

BeamReadResult parse_beam_file(std::string_view text);
BeamReadResult read_beam_file(const std::filesystem::path& path);

// Writes through a temporary file and a rename; the error names the path and the reason.
std::optional<std::string> write_beam_file(const Beam& beam, const std::filesystem::path& path);

}  // namespace spanlyx
