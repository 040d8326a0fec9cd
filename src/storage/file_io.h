#pragma once
// Whole-file reads and safe writes: a file is written beside its target and renamed over it,
// so a failed write never destroys the last good copy.

#include <cstdint>
#include <cstdio>
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

// A file written in pieces beside its target ("<target>.tmp-XXXXXX") and renamed over it by
// commit(): until then the target keeps its old contents. Through a symbolic link the file it
// points to is replaced. A target that is a device or a pipe is written directly instead. The first
// failure sticks and is returned by every later call; a writer dropped before commit() removes its
// temporary.
class AtomicFileWriter {
  public:
    AtomicFileWriter() = default;
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // Creates the temporary; never reuses an existing file.
    std::optional<std::string> open(const std::filesystem::path& target);
    // The temporary's path while open; empty before open() and after commit() or abandon().
    const std::filesystem::path& temporary() const { return temporary_; }
    std::optional<std::string> write(std::string_view bytes);
    // Flushes, syncs and renames the temporary over the target; a replaced file keeps its
    // permissions. On failure the temporary is removed and the target left as it was.
    std::optional<std::string> commit();
    // Closes and removes the temporary; the target is left as it was.
    void abandon();

  private:
    std::optional<std::string> fail(int error);

    std::filesystem::path given_;   // as the caller named it, for the messages
    std::filesystem::path target_;  // the file replaced: a link's destination
    std::filesystem::path temporary_;
    std::FILE* file_ = nullptr;
    bool in_place_ = false;  // a device or pipe, written directly
    std::optional<std::string> error_;
};

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
