// --diagrams FILE --envelope NAME: a combination's envelope drawn by the batch tool, and the
// refusals of a name the beam does not have and of --envelope without --diagrams.
#include <gtest/gtest.h>

#include <string>

#include "batch/batch_options.h"
#include "batch_run_support.h"

namespace spanlyx {
namespace {

using testing::BatchRun;
using testing::Outcome;
using testing::span_of;
namespace fs = std::filesystem;

// Two equal spans of 20 ft with dead and live uniform load on both.
Beam live_two_spans(bool live, bool with_combinations) {
    Beam beam;
    beam.spans = {span_of(20, 500, 29e6), span_of(20, 500, 29e6)};
    for (Span& span : beam.spans) {
        span.uniforms.push_back({0, 400, 20, 400});
        span.uniforms.push_back({0, 1000, 20, 1000, live ? LoadCase::Live : LoadCase::Dead});
    }
    beam.joints = {Joint{1, 0}, Joint{1, 0}, Joint{1, 0}};
    if (with_combinations)
        beam.combinations = {{"1.2D + 1.6L", 1.2, 1.6}, {"D + L", 1, 1}};
    return beam;
}

TEST(BatchEnvelopeOptions, EnvelopeNeedsTheDiagramsAndAName) {
    const auto both = parse_batch_options({"--diagrams", "d.png", "--envelope", "D + L", "b.cb"});
    ASSERT_EQ(both.error, "");
    EXPECT_EQ(both.options.envelope, std::optional<std::string>("D + L"));
    EXPECT_EQ(parse_batch_options({"--diagrams", "d.png", "b.cb"}).options.envelope, std::nullopt);
    const auto alone = parse_batch_options({"--envelope", "D + L", "b.cb"});
    EXPECT_NE(alone.error.find("--diagrams"), std::string::npos) << alone.error;
    const auto nameless = parse_batch_options({"b.cb", "--diagrams", "d.png", "--envelope"});
    EXPECT_NE(nameless.error.find("--envelope needs"), std::string::npos) << nameless.error;
    EXPECT_NE(batch_usage_text().find("  --envelope NAME "), std::string::npos);
    // The usage text fits a terminal of 80 columns, the lines the option added included.
    const std::string usage = batch_usage_text();
    for (std::size_t start = 0, end = 0; start < usage.size(); start = end + 1) {
        end = usage.find('\n', start);
        if (end == std::string::npos)
            end = usage.size();
        EXPECT_LE(end - start, 80u) << usage.substr(start, end - start);
    }
}

#if SPANLYX_REPORT_DRAWS

TEST_F(BatchRun, EnvelopeDiagramsDifferFromTheDiagramsAsEntered) {
    const std::string beam = write_beam("live.cb", live_two_spans(true, true));
    const fs::path as_entered = dir_ / "as-entered.png";
    const fs::path envelope = dir_ / "envelope.png";
    ASSERT_EQ(run("-o /dev/null --diagrams '" + as_entered.string() + "' " + beam).status, 0);
    const Outcome drawn =
        run("-o /dev/null --diagrams '" + envelope.string() + "' --envelope '1.2D + 1.6L' " + beam);
    ASSERT_EQ(drawn.status, 0) << drawn.err;
    const std::string bytes = slurp(envelope);
    ASSERT_GE(bytes.size(), 8u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_NE(bytes, slurp(as_entered));
    // Another combination draws another envelope.
    const fs::path other = dir_ / "other.png";
    ASSERT_EQ(
        run("-o /dev/null --diagrams '" + other.string() + "' --envelope 'D + L' " + beam).status,
        0);
    EXPECT_NE(slurp(other), bytes);

    // Without --envelope the combinations change nothing: the same picture as the beam with the
    // same live loads and no combinations.
    const std::string plain = write_beam("plain.cb", live_two_spans(true, false));
    const fs::path plain_png = dir_ / "plain.png";
    ASSERT_EQ(run("-o /dev/null --diagrams '" + plain_png.string() + "' " + plain).status, 0);
    EXPECT_EQ(slurp(plain_png), slurp(as_entered));
}

#endif

TEST_F(BatchRun, UnknownCombinationIsRefusedNamingTheCombinations) {
    const std::string beam = write_beam("live.cb", live_two_spans(true, true));
    const fs::path png = dir_ / "d.png";
    const Outcome refused =
        run("-o /dev/null --diagrams '" + png.string() + "' --envelope '1.4D' " + beam);
#if SPANLYX_REPORT_DRAWS
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("\"1.4D\""), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("1.2D + 1.6L"), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("D + L"), std::string::npos) << refused.err;
    EXPECT_FALSE(fs::exists(png));

    // A beam without combinations has none to name.
    const std::string plain = write_beam("plain.cb", live_two_spans(true, false));
    const Outcome none =
        run("-o /dev/null --diagrams '" + png.string() + "' --envelope 'D + L' " + plain);
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("no combinations"), std::string::npos) << none.err;
    EXPECT_FALSE(fs::exists(png));
#else
    EXPECT_EQ(refused.status, 64);
#endif
}

TEST_F(BatchRun, EnvelopeWithoutDiagramsIsAUsageError) {
    const std::string beam = write_beam("live.cb", live_two_spans(true, true));
    const Outcome refused = run("--envelope 'D + L' " + beam);
    EXPECT_EQ(refused.status, 64);
    EXPECT_NE(refused.err.find("--envelope"), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("Usage: spanlyx-report"), std::string::npos);
    EXPECT_TRUE(refused.out.empty());
}

}  // namespace
}  // namespace spanlyx
