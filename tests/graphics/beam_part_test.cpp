// A run of spans cut out of a beam for a figure of its own: positions measured from the run's
// first joint, spans numbered from 1, the joints' reactions of the run only, and the whole
// beam's extremes kept so that every run is drawn on one vertical scale.

#include "graphics/beam_part.h"

#include <gtest/gtest.h>

#include "diagram_fixtures.h"

namespace spanlyx {
namespace {

TEST(BeamPart, RunOfSpansStartsAtItsFirstJointOnTheWholeBeamsScale) {
    // Spans of 2, 3 and 4 m; the run is spans 2 and 3, from beam_x 2 to 9.
    const std::vector<double> lengths = {2, 3, 4};
    Beam beam = test::beam_of(lengths);
    beam.joints = {Joint{1, 1}, Joint{1, 0}, Joint{1, 0}, Joint{0, 0}};
    beam.spans[2].points.push_back({1.5, HeldNumber::computed(700)});
    AnalysisResults results;
    results.stable = true;
    results.reaction_shear = {10, 20, 30, 0};
    results.reaction_moment = {5, 0, 0, 0};
    SpanExtremes row;
    row.moment_max = {0, 0};  // never set
    std::vector<SpanExtremes> rows(3, row);
    rows[1].moment_max = {40, 3.5};  // 1.5 into span 2
    rows[2].shear_min = {-60, 9};    // the right end of span 3
    ResponseOutcome response = test::response_of(rows, lengths);
    response.beam_extremes.moment_max = 90;  // reached in span 1, outside the run
    response.beam_extremes.moment_magnitude = 90;
    MemorySampleSource samples(test::sampled(lengths, [](int span, double x) {
        return test::Values{static_cast<double>(span), x, 0};
    }));

    const BeamPart part = beam_part(beam, results, response, {1, 2}, samples);
    ASSERT_EQ(part.beam.spans.size(), 2u);
    EXPECT_DOUBLE_EQ(part.beam.total_length(), 7);
    ASSERT_EQ(part.beam.joints.size(), 3u);
    EXPECT_EQ(part.beam.joints[2].restraint_y, 0);  // the free right end of the beam
    ASSERT_EQ(part.beam.spans[1].points.size(), 1u);
    EXPECT_EQ(part.results.reaction_shear, (std::vector<double>{20, 30, 0}));
    EXPECT_EQ(part.results.reaction_moment, (std::vector<double>{0, 0, 0}));
    EXPECT_EQ(part.response.span_start, (std::vector<double>{0, 3}));
    EXPECT_DOUBLE_EQ(part.response.span_extremes[0].moment_max.at, 1.5);
    EXPECT_DOUBLE_EQ(part.response.span_extremes[1].shear_min.at, 7);
    // A value never set stays at 0, not moved to -2, so that it still draws no mark.
    EXPECT_DOUBLE_EQ(part.response.span_extremes[1].moment_max.at, 0);
    EXPECT_DOUBLE_EQ(part.response.beam_extremes.moment_magnitude, 90);

    // Spans 2 and 3 sampled every hundredth from 0.01 in: 300 + 400 points, span 2 first.
    ASSERT_EQ(part.points.size(), 700u);
    EXPECT_EQ(part.response.sample_count, 700);
    EXPECT_EQ(part.points.front().span, 1);
    EXPECT_NEAR(part.points.front().beam_x, 0.01, 1e-9);
    EXPECT_DOUBLE_EQ(part.points.front().shear, 2);  // span 2's values
    EXPECT_EQ(part.points.back().span, 2);
    EXPECT_NEAR(part.points.back().beam_x, 7, 1e-9);
    EXPECT_NEAR(part.points.back().span_x, 4, 1e-9);
}

}  // namespace
}  // namespace spanlyx
