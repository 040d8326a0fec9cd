#include "storage/file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#if __has_include(<unistd.h>)
#include <unistd.h>
#define SPANLYX_HAVE_FSYNC 1
#endif

namespace spanlyx {
namespace {

namespace fs = std::filesystem;

// "64 MB" for whole mebibytes, else the count of bytes.
std::string size_text(std::uintmax_t bytes) {
    constexpr std::uintmax_t kMiB = 1024 * 1024;
    if (bytes >= kMiB && bytes % kMiB == 0)
        return std::to_string(bytes / kMiB) + " MB";
    return std::to_string(bytes) + " bytes";
}

std::string failure(std::string_view action, const fs::path& path, int error) {
    return std::string(action) + " \"" + path.string() + "\": " + std::strerror(error);
}

std::string too_large(const fs::path& path, std::uintmax_t max_bytes) {
    return "Cannot read \"" + path.string() + "\": the file is larger than " +
           size_text(max_bytes) + ", the largest file this program reads";
}

// Six random hex digits: two programs saving beside each other never share a temporary.
std::string random_suffix() {
    static std::mt19937 generator{std::random_device{}()};
    static constexpr char kHex[] = "0123456789abcdef";
    std::string suffix;
    for (int i = 0; i < 6; ++i)
        suffix.push_back(kHex[generator() % 16]);
    return suffix;
}

// Creates "<name>.tmp-XXXXXX" beside the target; fails rather than reuse an existing file.
std::FILE* open_temporary(const fs::path& path, fs::path& temp, int& error) {
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        temp = path;
        temp += ".tmp-" + random_suffix();
        errno = 0;
        if (std::FILE* file = std::fopen(temp.string().c_str(), "wbx"))
            return file;
        error = errno;
        if (error != EEXIST)
            return nullptr;
    }
    return nullptr;
}

// Writes, flushes and syncs the whole text; returns errno of the first failure, 0 on success.
int write_all(std::FILE* file, std::string_view bytes) {
    errno = 0;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
        return errno ? errno : EIO;
    }
    if (std::fflush(file) != 0)
        return errno ? errno : EIO;
#ifdef SPANLYX_HAVE_FSYNC
    if (::fsync(::fileno(file)) != 0)
        return errno;
#endif
    return 0;
}

}  // namespace

std::optional<std::string> write_file_atomically(const fs::path& path, std::string_view bytes) {
    fs::path temp;
    int error = 0;
    std::FILE* file = open_temporary(path, temp, error);
    if (!file)
        return failure("Cannot save", path, error ? error : EEXIST);

    error = write_all(file, bytes);
    errno = 0;
    if (std::fclose(file) != 0 && error == 0)
        error = errno ? errno : EIO;
    if (error == 0) {
        // A replaced file keeps its permissions.
        std::error_code ignored;
        if (fs::is_regular_file(path, ignored)) {
            fs::permissions(temp, fs::status(path, ignored).permissions(), ignored);
        }
        errno = 0;
        if (std::rename(temp.string().c_str(), path.string().c_str()) == 0)
            return std::nullopt;
        error = errno ? errno : EIO;
    }
    std::remove(temp.string().c_str());
    return failure("Cannot save", path, error);
}

std::optional<std::string> read_whole_file(const fs::path& path, std::string& bytes,
                                           std::uintmax_t max_bytes) {
    bytes.clear();
    errno = 0;
    std::FILE* file = std::fopen(path.string().c_str(), "rb");
    if (!file)
        return failure("Cannot read", path, errno ? errno : EIO);
    // A regular file says its size up front; a pipe or a growing file is counted as it comes.
    std::error_code size_error;
    const std::uintmax_t size =
        fs::is_regular_file(path, size_error) ? fs::file_size(path, size_error) : std::uintmax_t{0};
    if (!size_error && size > max_bytes) {
        std::fclose(file);
        return too_large(path, max_bytes);
    }
    if (!size_error && size > 0)
        bytes.reserve(static_cast<std::size_t>(size));
    char buffer[65536];
    int error = 0;
    bool over_limit = false;
    while (true) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file);
        if (got > max_bytes - bytes.size()) {
            over_limit = true;
            break;
        }
        bytes.append(buffer, got);
        if (got < sizeof buffer) {
            if (std::ferror(file))
                error = errno ? errno : EIO;
            break;
        }
    }
    std::fclose(file);
    if (over_limit) {
        bytes = std::string();
        return too_large(path, max_bytes);
    }
    if (error != 0) {
        bytes.clear();
        return failure("Cannot read", path, error);
    }
    return std::nullopt;
}

std::vector<std::string_view> split_lines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        start = next;
    }
    return lines;
}

}  // namespace spanlyx
