#pragma once
// Whole-file reads and safe writes: a file is written beside its target and renamed over it,
// so a failed write never destroys the last good copy.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spanlyx {

// The error text names the path and the reason; nothing on success.
std::optional<std::string> write_file_atomically(const std::filesystem::path& path,
                                                 std::string_view bytes);
std::optional<std::string> read_whole_file(const std::filesystem::path& path, std::string& bytes);

// Splits a file's text into lines ended by CRLF or LF; a last line without an end counts.
std::vector<std::string_view> split_lines(std::string_view text);

}  // namespace spanlyx
