#include "storage/instance_folder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <set>
#include <system_error>
#include <utility>

namespace spanlyx {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kLockExtension = ".lock";
// Names tried after the process id before giving up: far more than sessions in one process.
constexpr int kMaxNames = 1000;
// Times a lock is taken again when its file was replaced between opening and locking it.
constexpr int kMaxLockAttempts = 100;

enum class LockState { Held, Busy, Unsupported, Failed };

fs::path lock_path_of(const fs::path& root, const std::string& name) {
    return root / (name + std::string(kLockExtension));
}

// Only names this program makes: digits, optionally followed by "-" and digits.
bool is_instance_name(const std::string& name) {
    const std::size_t dash = name.find('-');
    const auto digits = [](std::string_view text) {
        return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
    };
    const std::string_view view(name);
    if (dash == std::string::npos)
        return digits(view);
    return digits(view.substr(0, dash)) && digits(view.substr(dash + 1));
}

// Opens (making it when missing) and locks the lock file without waiting. Held means fd holds
// the exclusive lock of the file the path names now: a lock taken on a file that another
// instance unlinked between our open and our lock guards nothing, so it is taken again.
LockState lock_name(const fs::path& lock_path, int& fd, int& error) {
    for (int attempt = 0; attempt < kMaxLockAttempts; ++attempt) {
        fd = ::open(lock_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd < 0) {
            error = errno;
            return LockState::Failed;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            error = errno;
            ::close(fd);
            fd = -1;
            if (error == EINTR)
                continue;
            if (error == EWOULDBLOCK)
                return LockState::Busy;
            if (error == ENOLCK || error == EOPNOTSUPP || error == EINVAL || error == ENOSYS)
                return LockState::Unsupported;
            return LockState::Failed;
        }
        struct stat held {};
        struct stat named {};
        if (::fstat(fd, &held) == 0 && ::stat(lock_path.c_str(), &named) == 0 &&
            held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
            return LockState::Held;
        }
        ::close(fd);
        fd = -1;
    }
    error = EAGAIN;
    return LockState::Failed;
}

std::string failure(std::string_view action, const fs::path& path, const std::string& reason) {
    return std::string(action) + " \"" + path.string() + "\": " + reason;
}

}  // namespace

fs::path instances_folder(const fs::path& data_folder) {
    return data_folder / "instances";
}

InstanceFolder::InstanceFolder(fs::path path, fs::path lock_path, int lock_fd)
    : path_(std::move(path)), lock_path_(std::move(lock_path)), lock_fd_(lock_fd) {}

InstanceFolder::InstanceFolder(InstanceFolder&& other) noexcept
    : path_(std::move(other.path_)),
      lock_path_(std::move(other.lock_path_)),
      lock_fd_(std::exchange(other.lock_fd_, -1)) {
    other.path_.clear();
    other.lock_path_.clear();
}

InstanceFolder& InstanceFolder::operator=(InstanceFolder&& other) noexcept {
    if (this != &other) {
        release();
        path_ = std::move(other.path_);
        lock_path_ = std::move(other.lock_path_);
        lock_fd_ = std::exchange(other.lock_fd_, -1);
        other.path_.clear();
        other.lock_path_.clear();
    }
    return *this;
}

InstanceFolder::~InstanceFolder() {
    release();
}

std::optional<InstanceFolder> InstanceFolder::claim(const fs::path& data_folder,
                                                    std::string& error) {
    const fs::path root = instances_folder(data_folder);
    std::error_code ec;
    fs::create_directories(root, ec);
    if (ec) {
        error = failure("Cannot create the folder", root, ec.message());
        return std::nullopt;
    }
    remove_stale_instance_folders(data_folder);

    const std::string pid = std::to_string(::getpid());
    for (int n = 0; n < kMaxNames; ++n) {
        const std::string name = n == 0 ? pid : pid + "-" + std::to_string(n);
        const fs::path folder = root / name;
        const fs::path lock_path = lock_path_of(root, name);
        int fd = -1;
        int lock_error = 0;
        switch (lock_name(lock_path, fd, lock_error)) {
            case LockState::Busy:
                continue;
            case LockState::Failed:
                error = failure("Cannot lock", lock_path, std::strerror(lock_error));
                return std::nullopt;
            case LockState::Unsupported:
                // A file system without locks: a folder made anew here is ours. Stale folders
                // cannot be told from live ones there, so none is ever removed.
                if (fs::create_directory(folder, ec))
                    return InstanceFolder(folder, lock_path, -1);
                if (ec) {
                    error = failure("Cannot create the folder", folder, ec.message());
                    return std::nullopt;
                }
                continue;
            case LockState::Held:
                break;
        }
        // A folder of this name was left by an instance that ended without removing it.
        fs::remove_all(folder, ec);
        if (!ec)
            fs::create_directory(folder, ec);
        if (ec) {
            error = failure("Cannot create the folder", folder, ec.message());
            ::close(fd);
            return std::nullopt;
        }
        return InstanceFolder(folder, lock_path, fd);
    }
    error = failure("Cannot find a free instance folder in", root, "every name is in use");
    return std::nullopt;
}

std::vector<std::string> InstanceFolder::release() {
    std::vector<std::string> errors;
    if (!path_.empty()) {
        std::error_code ec;
        fs::remove_all(path_, ec);
        if (ec) {
            errors.push_back("Could not remove " + path_.string() + ": " + ec.message());
        } else {
            // Removed after its folder and while still held, so no other instance can take the
            // name while the folder is half gone.
            fs::remove(lock_path_, ec);
        }
    }
    if (lock_fd_ >= 0)
        ::close(lock_fd_);
    lock_fd_ = -1;
    path_.clear();
    lock_path_.clear();
    return errors;
}

std::vector<std::string> remove_stale_instance_folders(const fs::path& data_folder) {
    const fs::path root = instances_folder(data_folder);
    std::set<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& entry = it->path();
        std::string name = entry.filename().string();
        if (entry.extension() == kLockExtension)
            name = entry.stem().string();
        if (is_instance_name(name))
            names.insert(std::move(name));
    }

    std::vector<std::string> errors;
    for (const std::string& name : names) {
        const fs::path lock_path = lock_path_of(root, name);
        int fd = -1;
        int lock_error = 0;
        if (lock_name(lock_path, fd, lock_error) != LockState::Held)
            continue;  // a running instance, or nothing that can be decided
        const fs::path folder = root / name;
        fs::remove_all(folder, ec);
        if (ec)
            errors.push_back("Could not remove " + folder.string() + ": " + ec.message());
        else
            fs::remove(lock_path, ec);
        ::close(fd);
    }
    return errors;
}

}  // namespace spanlyx
