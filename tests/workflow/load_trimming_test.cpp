#include <gtest/gtest.h>

#include "workflow_test_support.h"

namespace spanlyx::testing {
namespace {

std::string trimmed(std::string_view load, std::string_view number) {
    return std::string(load) + std::string(number) +
           " on this span is > than new span length reducing it to Span length";
}

// One span of 10 with loads entered while the sketch is live.
class LoadTrimmingTest : public WorkflowTest {
  protected:
    void SetUp() override {
        WorkflowTest::SetUp();
        make_beam({"10"});
    }
};

TEST_F(LoadTrimmingTest, DistributedLoadsPastTheNewEndArePulledBack) {
    change(Control::uniforms, "2");
    ASSERT_TRUE(wf.sketch_live());
    fill(Control::uniformx1text, "0");
    fill(Control::uniformtext, "1");
    fill(Control::uniformx2text, "8");
    fill(Control::uniformtext2, "1");
    ASSERT_EQ(wf.current_load(LoadKind::Uniform), 2);  // leaving W2 moved on to the empty load
    fill(Control::uniformx1text, "2");
    fill(Control::uniformx2text, "9");
    fill(Control::uniformtext2, "2");
    click(Control::Command4);
    ASSERT_EQ(wf.current_load(LoadKind::Uniform), 1);

    const Actions shortened = fill(Control::spanlengthtext, "5");
    const std::vector<Message> shown = messages(shortened);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, trimmed("Uniform Load # ", " 1"));
    EXPECT_EQ(shown[1].text, trimmed("Uniform Load # ", " 2"));
    EXPECT_EQ(shown[0].title, kProgram);
    EXPECT_EQ(shown[1].title, kProgram);
    EXPECT_DOUBLE_EQ(span(1).uniforms[0].x2, 5);
    EXPECT_DOUBLE_EQ(span(1).uniforms[1].x2, 5);
    EXPECT_DOUBLE_EQ(span(1).uniforms[1].x1, 2);
    // Stepping through the whole list comes back to the load shown before.
    EXPECT_EQ(wf.current_load(LoadKind::Uniform), 1);
    EXPECT_EQ(wf.text(Control::uniformx2text), "5.00");
}

TEST_F(LoadTrimmingTest, SinglePointLoadShowsTheNewEnd) {
    change(Control::points, "1");
    fill(Control::pxtext, "9");
    fill(Control::ptext, "10");
    const Actions shortened = fill(Control::spanlengthtext, "6.5");
    ASSERT_EQ(messages(shortened).size(), 1u);
    EXPECT_EQ(messages(shortened)[0].text, trimmed("Point Load # ", " 1"));
    EXPECT_EQ(messages(shortened)[0].title, kProgram);
    EXPECT_DOUBLE_EQ(span(1).points[0].x, 6.5);
    EXPECT_EQ(last_text_set(shortened, Control::pxtext), "6.50");
}

TEST_F(LoadTrimmingTest, MomentsAndLoadsWithinTheSpanStay) {
    change(Control::moments, "3");
    fill(Control::momentxtext, "2");
    fill(Control::momenttext, "4");
    fill(Control::momentxtext, "9");
    fill(Control::momenttext, "4");
    fill(Control::momentxtext, "7.5");
    fill(Control::momenttext, "4");
    ASSERT_EQ(wf.current_load(LoadKind::Moment), 3);
    const Actions shortened = fill(Control::spanlengthtext, "7.5");
    EXPECT_EQ(message_texts(shortened), std::vector<std::string>{trimmed("Moment Load # ", " 2")});
    EXPECT_DOUBLE_EQ(span(1).moments[0].x, 2);
    EXPECT_DOUBLE_EQ(span(1).moments[1].x, 7.5);
    EXPECT_DOUBLE_EQ(span(1).moments[2].x, 7.5);  // at the end: kept
}

TEST_F(LoadTrimmingTest, NothingIsTrimmedWhileTheSketchIsNotLive) {
    change(Control::points, "1");
    fill(Control::pxtext, "9");
    fill(Control::total_lengthtext, "50");
    change(Control::points, "1");
    ASSERT_FALSE(wf.sketch_live());
    EXPECT_TRUE(messages(fill(Control::spanlengthtext, "6")).empty());
    EXPECT_DOUBLE_EQ(span(1).points[0].x, 9);
}

}  // namespace
}  // namespace spanlyx::testing
