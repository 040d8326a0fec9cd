#include "batch/signal_cleanup.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstring>
#if defined(__linux__)
#include <sys/syscall.h>
#endif

namespace spanlyx::signal_cleanup {
namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr std::size_t kPathBytes = 4096;
// The outputs are written one after the other; a few slots leave room to spare.
constexpr std::size_t kFileSlots = 4;
// The scratch folder holds the report pieces, perhaps in a folder of their own: no deeper.
constexpr int kMaxFolderDepth = 4;

struct Record {
    bool used = false;
    char path[kPathBytes] = {};
};

Record g_folder;
std::array<Record, kFileSlots> g_files;

bool record(Record& r, const std::filesystem::path& path) {
    const std::string& text = path.native();
    if (text.empty() || text.size() >= kPathBytes || text.find('\0') != std::string::npos)
        return false;
    std::memcpy(r.path, text.c_str(), text.size() + 1);
    r.used = true;
    return true;
}

sigset_t cleanup_signals() {
    sigset_t set;
    sigemptyset(&set);
    for (int signal : kSignals)
        sigaddset(&set, signal);
    return set;
}

#if defined(__linux__)
// The entries of the directory open at fd, by the getdents64 system call: readdir may allocate,
// which a signal handler must not.
struct LinuxDirent64 {
    unsigned long long d_ino;
    long long d_off;
    unsigned short d_reclen;
    unsigned char d_type;
    char d_name[1];
};

bool is_dot_or_dot_dot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// Removes everything inside the directory open at fd; subfolders to a few levels.
void empty_folder(int fd, int depth) {
    alignas(8) char buffer[4096];
    // Reading while removing may skip entries: read again from the start until nothing is left.
    for (int pass = 0; pass < 64; ++pass) {
        bool removed = false;
        ::lseek(fd, 0, SEEK_SET);
        while (true) {
            const long got = ::syscall(SYS_getdents64, fd, buffer, sizeof buffer);
            if (got <= 0)
                break;
            for (long at = 0; at < got;) {
                const auto* entry = reinterpret_cast<const LinuxDirent64*>(buffer + at);
                at += entry->d_reclen;
                if (is_dot_or_dot_dot(entry->d_name))
                    continue;
                if (::unlinkat(fd, entry->d_name, 0) == 0) {
                    removed = true;
                    continue;
                }
                if (depth >= kMaxFolderDepth)
                    continue;
                const int inner =
                    ::openat(fd, entry->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
                if (inner < 0)
                    continue;
                empty_folder(inner, depth + 1);
                ::close(inner);
                if (::unlinkat(fd, entry->d_name, AT_REMOVEDIR) == 0)
                    removed = true;
            }
        }
        if (!removed)
            return;
    }
}
#endif

void remove_folder(const char* path) {
#if defined(__linux__)
    const int fd = ::open(path, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd >= 0) {
        empty_folder(fd, 0);
        ::close(fd);
    }
#endif
    ::rmdir(path);
}

extern "C" void on_signal(int signal) {
    for (const Record& file : g_files) {
        if (file.used)
            ::unlink(file.path);
    }
    if (g_folder.used)
        remove_folder(g_folder.path);
    ::_exit(128 + signal);
}

}  // namespace

void install() {
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = on_signal;
    // While the handler runs the other two signals wait: one cleanup, one exit status.
    action.sa_mask = cleanup_signals();
    for (int signal : kSignals) {
        // A signal the caller chose to ignore (nohup) stays ignored.
        struct sigaction previous;
        if (::sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN)
            continue;
        ::sigaction(signal, &action, nullptr);
    }
}

SignalsHeld::SignalsHeld() {
    const sigset_t held = cleanup_signals();
    ::pthread_sigmask(SIG_BLOCK, &held, &saved_);
}

SignalsHeld::~SignalsHeld() {
    ::pthread_sigmask(SIG_SETMASK, &saved_, nullptr);
}

bool watch_folder(const std::filesystem::path& folder) {
    return record(g_folder, folder);
}

void forget_folder() {
    g_folder.used = false;
}

int watch_file(const std::filesystem::path& file) {
    for (std::size_t slot = 0; slot < g_files.size(); ++slot) {
        if (!g_files[slot].used)
            return record(g_files[slot], file) ? static_cast<int>(slot) : -1;
    }
    return -1;
}

void forget_file(int slot) {
    if (slot >= 0 && static_cast<std::size_t>(slot) < g_files.size())
        g_files[static_cast<std::size_t>(slot)].used = false;
}

}  // namespace spanlyx::signal_cleanup
