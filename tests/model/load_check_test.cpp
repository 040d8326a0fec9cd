#include "model/load_check.h"

#include <gtest/gtest.h>

namespace spanlyx {
namespace {

std::string first_message(const Beam& beam, FocusField expected_focus = FocusField::None) {
    const auto failure = check_loading(beam);
    if (!failure)
        return "";
    EXPECT_EQ(failure->message.title, "Spanlyx");
    EXPECT_EQ(failure->message.icon, MessageIcon::Information);
    if (expected_focus != FocusField::None) {
        EXPECT_EQ(failure->focus, expected_focus);
    }
    return failure->message.text;
}

TEST(CheckLoading, ReportsOnlyTheFirstFailureInPassOrder) {
    Beam beam;
    beam.spans.resize(2);
    beam.spans[0].length = beam.spans[1].length = HeldNumber::computed(10);
    beam.joints.resize(3);
    // Acceptable: W1 = 0 with W2 = 5; P = 10 at X = 0 (a joint load); a moment at X = 0.
    beam.spans[0].uniforms = {{0, 0, 4, 5}};
    beam.spans[0].points = {{0, HeldNumber::computed(10)}, {5, HeldNumber::computed(0)}};  // pass 4
    beam.spans[0].moments = {{0, 3}, {5, 0}};                                              // pass 6
    // Load 3 of span 2 fails passes 1, 3 and 5.
    Span& span = beam.spans[1];
    span.uniforms = {{1, 1, 2, 1}, {1, 1, 2, 1}, {0, 0, 2, 0}};
    span.points = {
        {1, HeldNumber::computed(1)}, {1, HeldNumber::computed(1)}, {0, HeldNumber::computed(0)}};
    span.moments = {{1, 1}, {1, 1}, {0, 0}};

    EXPECT_EQ(first_message(beam, FocusField::uniforms),
              "Uniform Load #  3 on this span  2 is not valid as boths loads are 0");
    span.uniforms[2] = {0, 1, 0, 1};
    EXPECT_EQ(first_message(beam, FocusField::uniforms),
              "Uniform Load #  3 on this span  2 is not valid as beg and end distances are "
              "specified as 0");
    span.uniforms[2] = {1, 1, 2, 1};
    EXPECT_EQ(first_message(beam, FocusField::points),
              "Point Load #  3 on this span  2 is not valid as X dist and Load Value are 0");
    span.points[2] = {1, HeldNumber::computed(1)};
    EXPECT_EQ(first_message(beam, FocusField::points),
              "Point Load #  2 on this span  1 is not valid as the Load Value is 0");
    beam.spans[0].points[1] = {5, HeldNumber::computed(2)};
    EXPECT_EQ(first_message(beam, FocusField::moments),
              "Appiled Moment #  3 on this span  2 is not valid as X dist and Moment Value are 0");
    span.moments[2] = {1, 1};
    EXPECT_EQ(first_message(beam, FocusField::moments),
              "Appiled Moment #  2 on this span  1 is not valid as Moment Value is 0");
    beam.spans[0].moments[1] = {5, 1};
    EXPECT_FALSE(check_loading(beam).has_value());
}

TEST(CheckLoading, LoadsMustLieOnTheirSpanAfterTheValueChecks) {
    Beam beam;
    beam.spans.resize(1);
    beam.spans[0].length = HeldNumber::computed(10);
    beam.joints.resize(2);
    Span& span = beam.spans[0];
    // A reversed distributed load (X1 = 6, X2 = 4) would otherwise be dropped without a word.
    span.uniforms = {{0, 1, 10, 1}, {6, 1, 4, 2}};
    span.points = {{12, HeldNumber::computed(5)}};
    span.moments = {{-1, 3}};
    EXPECT_EQ(first_message(beam, FocusField::uniforms),
              "Uniform Load #  2 on this span  1 is not valid as X2 is not greater than X1");
    span.uniforms[1] = {6, 1, 10.5, 2};
    EXPECT_EQ(first_message(beam, FocusField::uniforms),
              "Uniform Load #  2 on this span  1 is not valid as it lies outside the span length");
    span.uniforms[1] = {6, 1, 10, 2};
    EXPECT_EQ(first_message(beam, FocusField::points),
              "Point Load #  1 on this span  1 is not valid as X dist lies outside the span "
              "length");
    span.points[0].x = 10;  // at the right end: a joint load
    EXPECT_EQ(first_message(beam, FocusField::moments),
              "Appiled Moment #  1 on this span  1 is not valid as X dist lies outside the span "
              "length");
    span.moments[0].x = 0;
    EXPECT_FALSE(check_loading(beam).has_value());
    // A value failure is still reported before a position failure.
    span.points[0] = {12, HeldNumber::computed(0)};
    EXPECT_EQ(first_message(beam, FocusField::points),
              "Point Load #  1 on this span  1 is not valid as the Load Value is 0");
}

}  // namespace
}  // namespace spanlyx
