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

}  // namespace

AtomicFileWriter::~AtomicFileWriter() {
    abandon();
}

std::optional<std::string> AtomicFileWriter::fail(int error) {
    if (!error_)
        error_ = failure("Cannot save", given_, error ? error : EIO);
    abandon();
    return error_;
}

std::optional<std::string> AtomicFileWriter::open(const fs::path& target) {
    abandon();
    given_ = target;
    target_ = target;
    error_.reset();
    in_place_ = false;
    int error = 0;
    // Through a symbolic link the file it points to is replaced, and the link stays a link
    // (-o /dev/stdout reaches the file or pipe that standard output is; a linked sx.ini stays
    // linked). A dangling link is replaced like a missing file.
    std::error_code link_error;
    if (fs::is_symlink(fs::symlink_status(target, link_error))) {
        const fs::path resolved = fs::canonical(target, link_error);
        if (!link_error)
            target_ = resolved;
    }
    // A device or a pipe (/dev/null, /dev/stdout, a shell's process substitution) cannot be
    // replaced by a rename, and must not be: it is written where it is.
    std::error_code ec;
    const fs::file_status status = fs::status(target_, ec);
    if (!ec && fs::exists(status) && !fs::is_regular_file(status) && !fs::is_directory(status)) {
        errno = 0;
        file_ = std::fopen(target_.string().c_str(), "wb");
        if (!file_)
            return fail(errno);
        in_place_ = true;
        return std::nullopt;
    }
    file_ = open_temporary(target_, temporary_, error);
    if (!file_) {
        temporary_.clear();
        return fail(error ? error : EEXIST);
    }
    return std::nullopt;
}

std::optional<std::string> AtomicFileWriter::write(std::string_view bytes) {
    if (error_)
        return error_;
    if (!file_)
        return fail(EBADF);
    errno = 0;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
        return fail(errno);
    return std::nullopt;
}

std::optional<std::string> AtomicFileWriter::commit() {
    if (error_)
        return error_;
    if (!file_)
        return fail(EBADF);
    errno = 0;
    if (std::fflush(file_) != 0)
        return fail(errno);
#ifdef SPANLYX_HAVE_FSYNC
    // Devices and pipes may refuse a sync; they have nothing to lose to a crash.
    if (!in_place_ && ::fsync(::fileno(file_)) != 0)
        return fail(errno);
#endif
    std::FILE* file = file_;
    file_ = nullptr;
    errno = 0;
    if (std::fclose(file) != 0)
        return fail(errno);
    if (in_place_)
        return std::nullopt;
    // A replaced file keeps its permissions.
    std::error_code ignored;
    if (fs::is_regular_file(target_, ignored))
        fs::permissions(temporary_, fs::status(target_, ignored).permissions(), ignored);
    errno = 0;
    if (std::rename(temporary_.string().c_str(), target_.string().c_str()) != 0)
        return fail(errno);
    temporary_.clear();
    return std::nullopt;
}

void AtomicFileWriter::abandon() {
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!temporary_.empty()) {
        std::remove(temporary_.string().c_str());
        temporary_.clear();
    }
}

std::optional<std::string> write_file_atomically(const fs::path& path, std::string_view bytes) {
    AtomicFileWriter writer;
    if (auto error = writer.open(path))
        return error;
    if (auto error = writer.write(bytes))
        return error;
    return writer.commit();
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
