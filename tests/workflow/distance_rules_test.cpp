#include <gtest/gtest.h>

#include "workflow_test_support.h"

namespace spanlyx::testing {
namespace {

using Texts = std::vector<std::string>;

constexpr std::string_view kDistanceDecimals =
    "DISTANCE decimal input to hundreths only (ex 12.01)";
constexpr std::string_view kPointPastEnd =
    "Point Load Location must be < Span Length..(Setting X to Span Length)";
constexpr std::string_view kPointAtJoint =
    "Intermediate Joint Loads Must be put on the End of a Span.  Go back to the previous Span and "
    "Place this Point Load at the End of its Span";
constexpr std::string_view kMomentPastEnd =
    "Applied Moment Location must be < Span Length  (Setting X to Span Length)";
constexpr std::string_view kMomentAtJoint =
    "Intermediate Joint Moments Must be put on the End of a Span.  Go back to the previous Span "
    "and Place this Moment Load at the End of its Span";
constexpr std::string_view kX1Outside =
    "X1 distance must be greater >= 0 & < Span Length (Setting X1 Value = 0)";
constexpr std::string_view kX1EqualsX2 =
    "X1 & X2 distance cannot be = blanking out both... try again";
constexpr std::string_view kX2PastEnd = "X2 must be < Span Length (Setting X2 = Span Length)";

Texts texts(std::initializer_list<std::string_view> list) {
    Texts out;
    for (std::string_view text : list)
        out.emplace_back(text);
    return out;
}

// Two spans of 10 ft, span 2 shown with one load of each kind. The total length field is made
// to disagree with the spans so that the sketch is not live and the rules run on leaving only.
class DistanceRulesTest : public WorkflowTest {
  protected:
    void SetUp() override {
        WorkflowTest::SetUp();
        make_beam({"10", "10"});
        go_to_span(2);
        fill(Control::points, "1");
        fill(Control::uniforms, "1");
        fill(Control::moments, "1");
        fill(Control::total_lengthtext, "99");
        change(Control::points, "1");
        ASSERT_FALSE(wf.sketch_live());
    }
    const Span& shown() const { return span(2); }
};

TEST_F(DistanceRulesTest, PointLoadPosition) {
    EXPECT_TRUE(messages(fill(Control::pxtext, "10")).empty());  // at the span end: accepted
    EXPECT_DOUBLE_EQ(shown().points[0].x, 10);

    const Actions past = fill(Control::pxtext, "10.01");
    EXPECT_EQ(message_texts(past), texts({kPointPastEnd}));
    EXPECT_EQ(wf.text(Control::pxtext), wf.text(Control::spanlengthtext));
    EXPECT_EQ(wf.text(Control::pxtext), "10.00");
    EXPECT_DOUBLE_EQ(shown().points[0].x, 10);
    EXPECT_EQ(last_focus(past), Control::pxtext);

    // "0" on span 2 is refused and the load stays where it was.
    const Actions at_joint = fill(Control::pxtext, "0");
    EXPECT_EQ(message_texts(at_joint), texts({kPointAtJoint}));
    EXPECT_EQ(wf.text(Control::pxtext), "10.00");
    EXPECT_DOUBLE_EQ(shown().points[0].x, 10);
    EXPECT_TRUE(messages(fill(Control::pxtext, "0.0")).empty());  // only the text "0" is refused
    EXPECT_DOUBLE_EQ(shown().points[0].x, 0);

    // Later rules still run after an earlier one failed.
    EXPECT_EQ(message_texts(fill(Control::pxtext, "10.015")),
              texts({kDistanceDecimals, kPointPastEnd}));
    // A minus sign is no part of a position: refused as a refused key is.
    EXPECT_EQ(message_texts(fill(Control::pxtext, "-1")),
              texts({"Data Input was other than Numeric"}));
    EXPECT_EQ(message_texts(fill(Control::pxtext, "2.125")), texts({kDistanceDecimals}));
    EXPECT_DOUBLE_EQ(shown().points[0].x, 2.125);  // the value stays

    // On span 1 a point load at 0 sits on the first joint and is accepted.
    go_to_span(1);
    fill(Control::points, "1");
    EXPECT_TRUE(messages(fill(Control::pxtext, "0")).empty());
}

TEST_F(DistanceRulesTest, AppliedMomentPosition) {
    EXPECT_TRUE(messages(fill(Control::momentxtext, "10")).empty());
    EXPECT_EQ(message_texts(fill(Control::momentxtext, "10.015")),
              texts({kDistanceDecimals, kMomentPastEnd}));
    EXPECT_EQ(wf.text(Control::momentxtext), "10.00");
    EXPECT_EQ(message_texts(fill(Control::momentxtext, "0")), texts({kMomentAtJoint}));
    EXPECT_EQ(wf.text(Control::momentxtext), "10.00");
    EXPECT_DOUBLE_EQ(shown().moments[0].x, 10);
    EXPECT_TRUE(messages(fill(Control::momentxtext, "0.0")).empty());
    EXPECT_DOUBLE_EQ(shown().moments[0].x, 0);
    EXPECT_TRUE(messages(fill(Control::momentxtext, "4.5")).empty());
    EXPECT_DOUBLE_EQ(shown().moments[0].x, 4.5);
}

TEST_F(DistanceRulesTest, DistributedLoadStart) {
    const Actions past = fill(Control::uniformx1text, "12");
    EXPECT_EQ(message_texts(past), texts({kX1Outside}));
    EXPECT_EQ(wf.text(Control::uniformx1text), "0");
    EXPECT_DOUBLE_EQ(shown().uniforms[0].x1, 0);
    EXPECT_EQ(last_focus(past), Control::uniformx1text);
    EXPECT_EQ(message_texts(fill(Control::uniformx1text, "1.234")), texts({kDistanceDecimals}));
    EXPECT_TRUE(messages(fill(Control::uniformx1text, "10")).empty());
    EXPECT_TRUE(messages(fill(Control::uniformx1text, "0")).empty());
}

TEST_F(DistanceRulesTest, DistributedLoadEnd) {
    fill(Control::uniformx1text, "3");
    const Actions equal = fill(Control::uniformx2text, "3");
    EXPECT_EQ(message_texts(equal), texts({kX1EqualsX2}));
    EXPECT_EQ(wf.text(Control::uniformx1text), " ");
    EXPECT_EQ(wf.text(Control::uniformx2text), " ");
    EXPECT_EQ(last_focus(equal), Control::uniformx1text);

    fill(Control::uniformx1text, "4");
    const Actions reversed = fill(Control::uniformx2text, "3");
    EXPECT_EQ(message_texts(reversed), texts({"X2 must be > X1"}));
    EXPECT_EQ(last_focus(reversed), Control::uniformx2text);

    fill(Control::uniformx1text, "2");
    EXPECT_EQ(message_texts(fill(Control::uniformx2text, "12.345")),
              texts({kDistanceDecimals, kX2PastEnd}));
    EXPECT_EQ(wf.text(Control::uniformx2text), "10.00");
    EXPECT_DOUBLE_EQ(shown().uniforms[0].x2, 10);
    EXPECT_TRUE(messages(fill(Control::uniformx2text, "10")).empty());
}

TEST_F(DistanceRulesTest, LiveSketchChecksPositionsWhileTyping) {
    fill(Control::total_lengthtext, "20");
    change(Control::points, "1");
    ASSERT_TRUE(wf.sketch_live());
    EXPECT_EQ(message_texts(change(Control::pxtext, "0")), texts({kPointAtJoint}));
    EXPECT_EQ(message_texts(change(Control::momentxtext, "11")), texts({kMomentPastEnd}));
    EXPECT_EQ(message_texts(change(Control::uniformx1text, "11")), texts({kX1Outside}));
    // X2 is checked only when it is left.
    EXPECT_TRUE(messages(change(Control::uniformx2text, "11")).empty());
    EXPECT_EQ(message_texts(leave(Control::uniformx2text)), texts({kX2PastEnd}));
}

TEST_F(WorkflowTest, PositionsNeedALoadCountFirst) {
    make_beam({"10"});
    const Actions x1 = change(Control::uniformx1text, "5");
    ASSERT_FALSE(messages(x1).empty());
    EXPECT_EQ(messages(x1)[0].text,
              "You must input the Number of Uniform Loads -  before entering the loads");
    EXPECT_EQ(wf.text(Control::uniformx1text), " ");
    EXPECT_EQ(last_focus(x1), Control::uniforms);
    const Actions mx = change(Control::momentxtext, "5");
    ASSERT_FALSE(messages(mx).empty());
    EXPECT_EQ(messages(mx)[0].text, "You must input the Number of Moments! before the loads");
    EXPECT_EQ(last_focus(mx), Control::moments);
    // A point-load position without loads has nowhere to go and says nothing.
    EXPECT_TRUE(messages(change(Control::pxtext, "5")).empty());
    EXPECT_TRUE(span(1).points.empty());
}

}  // namespace
}  // namespace spanlyx::testing
