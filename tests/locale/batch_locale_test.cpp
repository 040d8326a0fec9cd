// spanlyx-report run as a program under LC_ALL=de_DE.UTF-8 and under LC_ALL=C gives the same
// bytes: the text report, the JSON, the samples CSV and the diagrams. The diagrams matter most:
// drawing them starts a Qt application, which switches the process to the user's locale.
#ifdef SPANLYX_REPORT_BINARY

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "comma_locale.h"

namespace spanlyx::test {
namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct ToolRun {
    int status = -1;
    std::string out;
    std::string csv;
    std::string picture;
};

class BatchUnderLocale : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("spanlyx-batch-locale-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // One run of the tool in the given locale environment; `tag` keeps the output files apart.
    ToolRun run(const std::string& environment, const std::string& tag, const std::string& options,
                const std::string& beam) {
        const fs::path csv = dir_ / (tag + ".csv");
        const fs::path picture = dir_ / (tag + ".png");
        std::string command = "XDG_DATA_HOME='" + dir_.string() + "' SOURCE_DATE_EPOCH=0 " +
                              environment + " '" SPANLYX_REPORT_BINARY "' " + options;
        if (options.find("--json") == std::string::npos)
            command += " --samples '" + csv.string() + "'";
        if (SPANLYX_REPORT_DRAWS)
            command += " --diagrams '" + picture.string() + "'";
        command += " '" + beam + "' 2>/dev/null";
        ToolRun result;
        FILE* pipe = ::popen(command.c_str(), "r");
        char buffer[4096];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            result.out.append(buffer, n);
        const int raw = ::pclose(pipe);
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        result.csv = slurp(csv);
        result.picture = slurp(picture);
        return result;
    }

    fs::path dir_;
};

TEST_F(BatchUnderLocale, ReportJsonSamplesAndDiagramsAreTheSameAsUnderC) {
    CommaLocale german;
    if (!german.active())
        GTEST_SKIP() << german.reason();
    std::string comma = "LC_ALL=de_DE.UTF-8";
    if (!german.locpath().empty())
        comma += " LOCPATH='" + german.locpath() + "'";

    const std::string beams[] = {SPANLYX_SOURCE_DIR "/examples/four-span-metric-trapezoid.cb",
                                 SPANLYX_SOURCE_DIR "/examples/cantilever-with-hinge.cb"};
    const std::string option_sets[] = {"--detailed --interval 1.25 --at 3.6", "--json"};
    int k = 0;
    for (const std::string& beam : beams) {
        for (const std::string& options : option_sets) {
            SCOPED_TRACE(beam + " " + options);
            const std::string tag = std::to_string(k++);
            const ToolRun in_c = run("LC_ALL=C", tag + "c", options, beam);
            const ToolRun in_german = run(comma, tag + "de", options, beam);
            ASSERT_EQ(in_c.status, 0);
            ASSERT_EQ(in_german.status, 0);
            ASSERT_FALSE(in_c.out.empty());
            EXPECT_EQ(in_german.out, in_c.out);
            EXPECT_EQ(in_german.csv, in_c.csv);
            if (SPANLYX_REPORT_DRAWS) {
                ASSERT_FALSE(in_c.picture.empty());
                EXPECT_TRUE(in_german.picture == in_c.picture) << "the diagrams differ";
            }
        }
    }
}

}  // namespace
}  // namespace spanlyx::test

#endif
