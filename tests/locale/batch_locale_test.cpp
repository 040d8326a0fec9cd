// spanlyx-report run as a program under LC_ALL=de_DE.UTF-8 and under LC_ALL=C gives the same
// bytes: the text report, the JSON, the samples CSV and the diagrams. The diagrams matter most:
// drawing them starts a Qt application, which switches the process to the user's locale.
#ifdef SPANLYX_REPORT_BINARY

#include <gtest/gtest.h>

#include <string>

#include "app/batch_run_support.h"
#include "comma_locale.h"

namespace spanlyx::test {
namespace {

namespace fs = std::filesystem;

struct ToolRun {
    int status = -1;
    std::string out;
    std::string csv;
    std::string picture;
};

class BatchUnderLocale : public testing::BatchRun {
  protected:
    // One run of the tool in the given locale environment; `tag` keeps the output files apart.
    ToolRun run_in(const std::string& environment, const std::string& tag,
                   const std::string& options, const std::string& beam) {
        const fs::path csv = dir_ / (tag + ".csv");
        const fs::path picture = dir_ / (tag + ".png");
        std::string arguments = options;
        if (options.find("--json") == std::string::npos)
            arguments += " --samples '" + csv.string() + "'";
        if (SPANLYX_REPORT_DRAWS)
            arguments += " --diagrams '" + picture.string() + "'";
        const testing::Outcome outcome = run(arguments + " '" + beam + "'", environment);
        return {outcome.status, outcome.out, slurp(csv), slurp(picture)};
    }
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
            const ToolRun in_c = run_in("LC_ALL=C", tag + "c", options, beam);
            const ToolRun in_german = run_in(comma, tag + "de", options, beam);
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
