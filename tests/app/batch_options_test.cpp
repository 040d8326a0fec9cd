#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "batch/batch_options.h"

namespace spanlyx {
namespace {

TEST(BatchOptions, ReadsEveryOptionAndTheBeam) {
    const auto parsed =
        parse_batch_options({"--detailed", "-o", "out.txt", "--settings", "my.ini", "--interval",
                             "2.5", "--at", "3", "--zero-residual", "--samples", "s.csv", "b.cb"});
    ASSERT_EQ(parsed.error, "");
    const BatchOptions& o = parsed.options;
    EXPECT_TRUE(o.detailed);
    EXPECT_EQ(o.output_path, "out.txt");
    EXPECT_EQ(o.settings_path, "my.ini");
    EXPECT_EQ(o.interval, 2.5);
    EXPECT_EQ(o.at, 3.0);
    EXPECT_EQ(o.zero_residual, true);
    EXPECT_EQ(o.samples_csv_path, "s.csv");
    EXPECT_EQ(o.beam_path, "b.cb");
}

// Without either option the tool takes the window's setting; each option overrides it, and
// asking for both at once is a usage error rather than a silent choice.
TEST(BatchOptions, ResidualOptionIsUnsetUnlessOverridden) {
    EXPECT_EQ(parse_batch_options({"b.cb"}).options.zero_residual, std::nullopt);
    EXPECT_EQ(parse_batch_options({"--keep-residual", "b.cb"}).options.zero_residual, false);
    EXPECT_EQ(parse_batch_options({"--zero-residual", "b.cb"}).options.zero_residual, true);
    EXPECT_EQ(parse_batch_options({"--zero-residual", "--zero-residual", "b.cb"}).error, "");
    EXPECT_NE(parse_batch_options({"--zero-residual", "--keep-residual", "b.cb"}).error, "");
}

TEST(BatchOptions, DiagramsTakeOnlyPngOrPdfInAnyCase) {
    const auto png = parse_batch_options({"--diagrams", "out/d.PNG", "b.cb"});
    ASSERT_EQ(png.error, "");
    EXPECT_EQ(png.options.diagrams_format, DiagramsFormat::Png);
    const auto pdf = parse_batch_options({"--diagrams", "d.Pdf", "b.cb"});
    ASSERT_EQ(pdf.error, "");
    EXPECT_EQ(pdf.options.diagrams_format, DiagramsFormat::Pdf);
    for (const char* refused : {"d.gif", "d", "d.png.txt", "pdf", "d.svg"}) {
        const auto parsed = parse_batch_options({"--diagrams", refused, "b.cb"});
        EXPECT_NE(parsed.error.find(".png or .pdf"), std::string::npos) << refused;
    }
}

// The option as a whole word of the usage text: "-o" in "  -o, --output FILE".
bool lists(const std::string& usage, const std::string& option) {
    for (std::size_t at = usage.find(option); at != std::string::npos;
         at = usage.find(option, at + 1)) {
        const char after = at + option.size() < usage.size() ? usage[at + option.size()] : '\n';
        if (at > 0 && usage[at - 1] == ' ' && (after == ' ' || after == ',' || after == '\n'))
            return true;
    }
    return false;
}

// Every option that the README's table lists appears in the usage text.
TEST(BatchOptions, UsageTextListsEveryOptionOfTheReadme) {
    std::ifstream readme(SPANLYX_SOURCE_DIR "/README.md");
    ASSERT_TRUE(readme) << "README.md not found";
    const std::string usage = batch_usage_text();
    std::string line;
    bool in_table = false;
    int options = 0;
    while (std::getline(readme, line)) {
        if (line.rfind("| option | effect |", 0) == 0)
            in_table = true;
        else if (in_table && line.rfind("|", 0) != 0)
            break;
        if (!in_table || line.rfind("| `-", 0) != 0)
            continue;
        // The first cell holds the spellings: `-o FILE`, `--output FILE`.
        const std::string cell = line.substr(2, line.find(" |", 2) - 2);
        for (std::size_t at = cell.find('`'); at != std::string::npos;
             at = cell.find('`', cell.find('`', at + 1) + 1)) {
            const std::size_t end = cell.find('`', at + 1);
            std::string option = cell.substr(at + 1, end - at - 1);
            option = option.substr(0, option.find(' '));
            ++options;
            EXPECT_TRUE(lists(usage, option)) << option;
        }
    }
    EXPECT_GE(options, 14);
}

TEST(BatchOptions, IntervalAndDistanceAreRoundedToHundredths) {
    EXPECT_EQ(parse_batch_options({"--interval", "2.505", "b.cb"}).options.interval, 2.51);
    EXPECT_EQ(parse_batch_options({"--at", "0.333", "b.cb"}).options.at, 0.33);
    // Below half a hundredth nothing is left to step by.
    EXPECT_NE(parse_batch_options({"--interval", "0.004", "b.cb"}).error, "");
}

TEST(BatchOptions, UsageErrors) {
    EXPECT_NE(parse_batch_options({}).error, "");
    EXPECT_NE(parse_batch_options({"--bogus", "b.cb"}).error, "");
    EXPECT_NE(parse_batch_options({"b.cb", "c.cb"}).error, "");
    EXPECT_NE(parse_batch_options({"b.cb", "-o"}).error, "");
    EXPECT_NE(parse_batch_options({"--interval", "abc", "b.cb"}).error, "");
    EXPECT_NE(parse_batch_options({"--at", "-2", "b.cb"}).error, "");
    EXPECT_EQ(parse_batch_options({"--version"}).error, "");
    EXPECT_TRUE(parse_batch_options({"--help"}).options.help);
}

}  // namespace
}  // namespace spanlyx
