#pragma once
// Whole-file reads and safe writes: a file is written beside its target and renamed over it,
// so a failed write never destroys the last good copy.

#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spanlyx {

// The largest file the readers of beams, settings and sections take in whole: 64 MiB, some
// thousand times a 40-span beam with every load slot filled. A larger file is refused with a
// message instead of being read into memory.
inline constexpr std::uintmax_t kMaxReadBytes = std::uintmax_t{64} * 1024 * 1024;
// For files this program wrote itself in the same run, whose size the analysis bounds.
inline constexpr std::uintmax_t kNoReadLimit = std::numeric_limits<std::uintmax_t>::max();

// The error text names the path and the reason; nothing on success.
std::optional<std::string> write_file_atomically(const std::filesystem::path& path,
                                                 std::string_view bytes);
// Reads the whole file into bytes; a file (or stream) longer than max_bytes is refused and
// leaves bytes empty.
std::optional<std::string> read_whole_file(const std::filesystem::path& path, std::string& bytes,
                                           std::uintmax_t max_bytes = kMaxReadBytes);

// Splits a file's text into lines ended by CRLF or LF; a last line without an end counts.
std::vector<std::string_view> split_lines(std::string_view text);

}  // namespace spanlyx
