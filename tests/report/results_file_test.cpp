// Joining the report pieces into the results file, and removing the temporary files at exit.
#include "report/results_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace spanlyx {
namespace {

namespace fs = std::filesystem;

void write(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}
std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class ResultsFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(dir_);
        write(paths_.detailed, "DETAILED\r\nMATRIX\r\n");
        write(paths_.brief, "BRIEF\r\n");
        write(paths_.extremes, "\r\n\r\n    SPAN  1 \r\n");
        write(paths_.extra, "\r\n    EXTRA DATA REQUESTED BY USER\r\n");
        write(paths_.samples, std::string(80, '\0'));
        write(dir_ / "u_contfile.tmp", "snapshot\r\n");
    }
    void TearDown() override { fs::remove_all(dir_); }

    const fs::path dir_ =
        fs::temp_directory_path() /
        ("spanlyx_results_" +
         std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    TempFilePaths paths_{dir_ / "u_CONT01.TMP", dir_ / "u_CONT02.TMP", dir_ / "u_CONT03.TMP",
                         dir_ / "u_CONT08.TMP", dir_ / "u_cont10.tmp", dir_ / "u_CONTOUT.TMP"};
};

TEST_F(ResultsFileTest, StartUpOptionsGiveBriefReportExtremesAndOneEmptyLine) {
    TempFileFlags flags;
    const ResultsFileOutcome out = assemble_results(paths_, SessionOptions{}, flags);
    EXPECT_FALSE(out.error.has_value());
    const std::string expected = "BRIEF\r\n\r\n\r\n\r\n    SPAN  1 \r\n\r\n\r\n";
    EXPECT_EQ(out.text, expected);
    EXPECT_EQ(read(paths_.results), expected);
    EXPECT_TRUE(flags.brief && flags.detailed && flags.extremes && flags.results);
    EXPECT_FALSE(flags.extra || flags.samples);
}

TEST_F(ResultsFileTest, DetailedOutputWithIntervalOutputAddsTheExtraSection) {
    SessionOptions options;
    options.detailed_output = true;
    options.interval_wanted = true;
    TempFileFlags flags;
    const std::string report_and_extremes =
        "DETAILED\r\nMATRIX\r\n\r\n\r\n\r\n    SPAN  1 \r\n\r\n";
    EXPECT_EQ(assemble_results(paths_, options, flags).text,
              report_and_extremes + "\r\n    EXTRA DATA REQUESTED BY USER\r\n\r\n");
    EXPECT_TRUE(flags.extra);

    // A piece that was never written reads as empty.
    fs::remove(paths_.extra);
    EXPECT_EQ(assemble_results(paths_, options, flags).text, report_and_extremes + "\r\n");
    EXPECT_EQ(join_results("", "", std::nullopt), "\r\n\r\n\r\n");
}

TEST_F(ResultsFileTest, ExitRemovesOnlyTheFlaggedFiles) {
    TempFileFlags flags;
    assemble_results(paths_, SessionOptions{}, flags);
    EXPECT_TRUE(remove_temp_files(paths_, flags).empty());
    for (const auto& gone : {paths_.detailed, paths_.brief, paths_.extremes, paths_.results})
        EXPECT_FALSE(fs::exists(gone)) << gone;
    EXPECT_TRUE(fs::exists(paths_.extra));             // extra output never read
    EXPECT_TRUE(fs::exists(paths_.samples));           // never opened this session
    EXPECT_TRUE(fs::exists(dir_ / "u_contfile.tmp"));  // never removed

    flags.extra = flags.samples = true;
    EXPECT_TRUE(remove_temp_files(paths_, flags).empty());  // files already gone are fine
    EXPECT_FALSE(fs::exists(paths_.extra) || fs::exists(paths_.samples));
}

TEST_F(ResultsFileTest, UnwritableResultsFileIsReported) {
    TempFilePaths paths = paths_;
    paths.results = dir_ / "missing" / "u_CONTOUT.TMP";
    TempFileFlags flags;
    const ResultsFileOutcome out = assemble_results(paths, SessionOptions{}, flags);
    ASSERT_TRUE(out.error.has_value());
    EXPECT_NE(out.error->find("u_CONTOUT.TMP"), std::string::npos);
}

}  // namespace
}  // namespace spanlyx
