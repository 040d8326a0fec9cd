// spanlyx-report's files under failure: a full disk, a device or pipe as the target, and the
// tool interrupted by a signal. The old file must stay as it was and nothing temporary may be
// left behind.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "batch_run_support.h"

namespace spanlyx {
namespace {

using testing::BatchRun;
using testing::Outcome;
using testing::span_of;
namespace fs = std::filesystem;

const std::string kTwoSpans = "'" SPANLYX_SOURCE_DIR "/examples/two-span-uniform.cb'";

// Names in a folder that look like a writer's temporary ("<name>.tmp-XXXXXX").
std::vector<std::string> temporaries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.find(".tmp-") != std::string::npos)
            names.push_back(name);
    }
    return names;
}

bool is_empty_folder(const fs::path& folder) {
    return fs::is_directory(folder) && fs::directory_iterator(folder) == fs::directory_iterator();
}

// A small tmpfs filled to the last byte, so that every write into it fails with ENOSPC. Needs
// root; ok() is false with the reason otherwise.
class FullDisk {
  public:
    explicit FullDisk(const fs::path& where) : path_(where) {
        fs::create_directories(path_);
        if (::geteuid() != 0) {
            reason_ = "mounting a tmpfs needs root";
            return;
        }
        if (::mount("tmpfs", path_.c_str(), "tmpfs", 0, "size=256k") != 0) {
            reason_ = std::string("cannot mount a tmpfs: ") + std::strerror(errno);
            return;
        }
        mounted_ = true;
    }
    ~FullDisk() {
        if (mounted_)
            ::umount2(path_.c_str(), MNT_DETACH);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool ok() const { return mounted_; }
    const std::string& reason() const { return reason_; }

    // Writes until the file system refuses another byte.
    void fill() {
        const int fd = ::open((path_ / "filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_GE(fd, 0);
        const std::string block(4096, 'x');
        while (::write(fd, block.data(), block.size()) > 0) {
        }
        while (::write(fd, block.data(), 1) > 0) {
        }
        ::close(fd);
    }

  private:
    fs::path path_;
    bool mounted_ = false;
    std::string reason_;
};

// Each output on a full disk: exit 74 with the file and the reason named, the old file as it
// was, and no temporary beside it.
TEST_F(BatchRun, FullDiskKeepsEveryOldOutput) {
    FullDisk disk(dir_ / "full");
    if (!disk.ok())
        GTEST_SKIP() << disk.reason();
    const fs::path full = dir_ / "full";
    struct Case {
        std::string file;
        std::string option;
    };
    const std::vector<Case> cases = {{"report.txt", "-o"},
                                     {"points.csv", "--samples"},
                                     {"pictures.pdf", "--diagrams"},
                                     {"pictures.png", "--diagrams"},
                                     {"calculation.pdf", "--report"}};
    for (const Case& c : cases) {
        std::ofstream(full / c.file, std::ios::binary) << "the old " << c.file;
    }
    disk.fill();
    for (const Case& c : cases) {
#if !SPANLYX_REPORT_DRAWS
        if (c.option == "--diagrams" || c.option == "--report")
            continue;
#endif
        const fs::path target = full / c.file;
        const Outcome run = this->run(c.option + " '" + target.string() + "' " + kTwoSpans);
        EXPECT_EQ(run.status, 74) << c.file << ": " << run.err;
        EXPECT_NE(run.err.find(target.string()), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(std::strerror(ENOSPC)), std::string::npos) << run.err;
        EXPECT_EQ(slurp(target), "the old " + c.file);
        EXPECT_EQ(temporaries(full), std::vector<std::string>{}) << c.file;
    }
}

// A target that is a device or a pipe is written where it is: renaming a file over it would
// replace the device, or leave the reader of the pipe waiting.
TEST_F(BatchRun, DevicesAndPipesAreWrittenInPlace) {
    const fs::path pipe = dir_ / "report.fifo";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = slurp(pipe); });
    const Outcome to_pipe = run("-o '" + pipe.string() + "' " + kTwoSpans);
    if (received.empty()) {
        // Let a reader that never saw a writer go.
        const int fd = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
    }
    reader.join();
    EXPECT_EQ(to_pipe.status, 0) << to_pipe.err;
    EXPECT_NE(received.find("BRIEF MATRIX OUTPUT FOR Spanlyx"), std::string::npos);
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_EQ(temporaries(dir_), std::vector<std::string>{});

    // /dev/full refuses every write with ENOSPC, as a full disk does, for every user; reached
    // through a link, so that it carries the extension of a diagrams file.
    ASSERT_TRUE(fs::exists("/dev/full"));
    fs::create_symlink("/dev/full", dir_ / "pictures.pdf");
    const Outcome refused = run("-o /dev/full " + kTwoSpans);
    EXPECT_EQ(refused.status, 74);
    EXPECT_NE(refused.err.find("/dev/full"), std::string::npos) << refused.err;
#if SPANLYX_REPORT_DRAWS
    const Outcome pictures =
        run("--diagrams '" + (dir_ / "pictures.pdf").string() + "' " + kTwoSpans);
    EXPECT_EQ(pictures.status, 74) << pictures.err;
    EXPECT_TRUE(fs::is_symlink(dir_ / "pictures.pdf"));
#endif
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

// A beam long enough that its sweep and its CSV file take a while: 10000 ft at the 0.01 ft
// grid, a million points.
Beam long_beam() {
    Beam beam;
    beam.spans.push_back(span_of(10000, 5000, 29e6));
    beam.spans[0].uniforms.push_back({0, 10, 10000, 10});
    beam.joints = {Joint{1, 0}, Joint{1, 0}};
    return beam;
}

// Starts the tool with its scratch folder under `scratch` and its outputs to files.
pid_t start_tool(const std::vector<std::string>& arguments, const fs::path& scratch,
                 const fs::path& dir) {
    const pid_t pid = ::fork();
    if (pid != 0)
        return pid;
    ::setenv("TMPDIR", scratch.c_str(), 1);
    ::setenv("XDG_DATA_HOME", dir.c_str(), 1);
    const int out = ::open((dir / "stdout.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = ::open((dir / "stderr.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ::dup2(out, 1);
    ::dup2(err, 2);
    std::vector<char*> argv;
    std::string binary = SPANLYX_REPORT_BINARY;
    argv.push_back(binary.data());
    std::vector<std::string> copies = arguments;
    for (std::string& a : copies)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    ::execv(binary.c_str(), argv.data());
    ::_exit(127);
}

// Waits until the condition holds or the tool has ended; false when it ended first.
template <class Condition>
bool wait_for(pid_t pid, Condition condition) {
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    while (std::chrono::steady_clock::now() < give_up) {
        if (condition())
            return true;
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return false;
}

// Whether a scratch folder under `scratch` holds a file with something in it.
bool scratch_has_data(const fs::path& scratch) {
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(scratch, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (it->is_regular_file(ec) && it->file_size(ec) > 0)
            return true;
    }
    return false;
}

// Interrupted while sweeping (the scratch folder holds samples) or while writing the CSV file
// (its temporary exists beside it): the tool exits with 128 + the signal, the scratch folder is
// gone, no temporary remains and the old CSV file is as it was.
TEST_F(BatchRun, SignalsRemoveTheScratchFolderAndTemporaryOutput) {
    const std::string beam = write_beam("long.cb", long_beam());
    const std::string beam_path = beam.substr(1, beam.size() - 2);
    struct Case {
        int signal;
        bool while_writing_csv;
    };
    for (const Case c : {Case{SIGTERM, true}, Case{SIGINT, false}, Case{SIGHUP, true}}) {
        SCOPED_TRACE(strsignal(c.signal));
        const fs::path scratch = dir_ / "scratch";
        const fs::path out = dir_ / "out";
        fs::create_directories(scratch);
        fs::create_directories(out);
        std::ofstream(out / "points.csv") << "the old points";
        const pid_t pid = start_tool({"--samples", (out / "points.csv").string(), "-o",
                                      (out / "report.txt").string(), beam_path},
                                     scratch, dir_);
        ASSERT_GT(pid, 0);
        const bool reached = wait_for(pid, [&] {
            return c.while_writing_csv ? !temporaries(out).empty() : scratch_has_data(scratch);
        });
        ::kill(pid, c.signal);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(reached) << "the tool ended before the moment to interrupt it: "
                             << slurp(dir_ / "stderr.txt");
        ASSERT_TRUE(WIFEXITED(status)) << "ended by the signal itself";
        EXPECT_EQ(WEXITSTATUS(status), 128 + c.signal);
        EXPECT_TRUE(is_empty_folder(scratch));
        EXPECT_EQ(temporaries(out), std::vector<std::string>{});
        EXPECT_EQ(slurp(out / "points.csv"), "the old points");
        EXPECT_FALSE(fs::exists(out / "report.txt"));
        fs::remove_all(scratch);
        fs::remove_all(out);
    }
}

}  // namespace
}  // namespace spanlyx
