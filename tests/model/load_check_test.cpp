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

}  // namespace
}  // namespace spanlyx
