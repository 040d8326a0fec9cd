#include <gtest/gtest.h>

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
    EXPECT_TRUE(o.zero_residual);
    EXPECT_EQ(o.samples_csv_path, "s.csv");
    EXPECT_EQ(o.beam_path, "b.cb");
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
