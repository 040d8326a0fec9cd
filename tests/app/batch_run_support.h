#pragma once
// spanlyx-report run as a program, exactly as scripts call it: a private folder per test, the
// command's exit status, standard output and standard error.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "model/beam.h"
#include "storage/beam_file.h"

namespace spanlyx::testing {

namespace fs = std::filesystem;

// Runs a shell command, appending its standard output to `out`; the raw wait status.
inline int read_command(const std::string& command, std::string& out) {
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return -1;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, n);
    return ::pclose(pipe);
}

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

class BatchRun : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("spanlyx-batch-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    Outcome run(const std::string& arguments, const std::string& environment = "") {
        const fs::path err = dir_ / "stderr.txt";
        // XDG_DATA_HOME points into the test folder so no user settings are read.
        const std::string command = "XDG_DATA_HOME='" + dir_.string() + "' SOURCE_DATE_EPOCH=0 " +
                                    environment + " '" SPANLYX_REPORT_BINARY "' " + arguments +
                                    " 2>'" + err.string() + "'";
        Outcome result;
        const int raw = read_command(command, result.out);
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        result.err = slurp(err);
        return result;
    }

    static std::string slurp(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::string write(const std::string& name, const std::string& bytes) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return "'" + path.string() + "'";
    }

    std::string write_beam(const std::string& name, const Beam& beam) {
        return write(name, format_beam_file(beam));
    }

    fs::path dir_;
};

inline Span span_of(double length, double inertia, double modulus) {
    Span span;
    span.length = HeldNumber::computed(length);
    span.inertia = inertia;
    span.modulus = HeldNumber::computed(modulus);
    return span;
}

}  // namespace spanlyx::testing
