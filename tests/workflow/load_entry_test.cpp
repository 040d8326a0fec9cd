#include <gtest/gtest.h>

#include "workflow_test_support.h"

namespace spanlyx::testing {
namespace {

TEST_F(WorkflowTest, LoadCountsSizeTheListsOfTheShownSpan) {
    make_beam({"10", "20"});
    const Actions two = change(Control::points, "2");
    EXPECT_EQ(last_flag(two, ActionKind::Enable, Control::Command3), true);
    EXPECT_EQ(last_caption_set(two, Control::pnumber), "1");
    EXPECT_EQ(wf.current_load(LoadKind::Point), 1);
    EXPECT_EQ(span(1).points.size(), 2u);
    EXPECT_EQ(span(1).count_text[static_cast<std::size_t>(LoadKind::Point)], "2");

    change(Control::uniforms, "3");
    change(Control::moments, "1");
    EXPECT_EQ(span(1).uniforms.size(), 3u);
    EXPECT_EQ(span(1).moments.size(), 1u);
    EXPECT_TRUE(span(2).points.empty());

    const Actions none = change(Control::uniforms, "");
    EXPECT_EQ(last_flag(none, ActionKind::Enable, Control::Command4), false);
    EXPECT_EQ(last_caption_set(none, Control::unumber), "");
    for (Control field : {Control::uniformx1text, Control::uniformtext, Control::uniformx2text,
                          Control::uniformtext2}) {
        EXPECT_EQ(last_text_set(none, field), "") << control_name(field);
    }
    EXPECT_EQ(wf.current_load(LoadKind::Uniform), 0);
    EXPECT_TRUE(span(1).uniforms.empty());
}

TEST_F(WorkflowTest, ZeroDistributedLoadsBecomeABlank) {
    make_beam({"10"});
    change(Control::uniforms, "0");
    const Actions left = leave(Control::uniforms);
    ASSERT_EQ(messages(left).size(), 1u);
    EXPECT_EQ(messages(left)[0].text,
              "The number of uniform loads cannot be 0 - setting it to a blank");
    EXPECT_EQ(messages(left)[0].title, kResponse);
    EXPECT_EQ(wf.text(Control::uniforms), " ");
    EXPECT_EQ(last_focus(left), Control::uniforms);
    // The other counts accept 0 silently.
    change(Control::points, "0");
    EXPECT_TRUE(messages(leave(Control::points)).empty());
}

TEST_F(WorkflowTest, RetypedCountsKeepTheLoadsEntered) {
    make_beam({"10"});
    change(Control::points, "2");
    fill(Control::pxtext, "3");
    fill(Control::ptext, "-4.5");
    // Retyping the count goes through an empty field.
    change(Control::points, "");
    EXPECT_TRUE(span(1).points.empty());
    change(Control::points, "2");
    ASSERT_EQ(span(1).points.size(), 2u);
    EXPECT_DOUBLE_EQ(span(1).points[0].x, 3);
    EXPECT_DOUBLE_EQ(span(1).points[0].load.value, -4.5);
    EXPECT_EQ(span(1).points[0].load.text, "-4.5");
}

TEST_F(WorkflowTest, LoadValuesAreStoredAsTyped) {
    make_beam({"10"});
    change(Control::points, "1");
    change(Control::uniforms, "1");
    change(Control::moments, "1");
    fill(Control::ptext, "12.5");
    fill(Control::uniformtext, "-3");
    fill(Control::uniformtext2, "4");
    fill(Control::momenttext, "7");
    EXPECT_EQ(span(1).points[0].load.text, "12.5");
    EXPECT_DOUBLE_EQ(span(1).uniforms[0].w1, -3);
    EXPECT_DOUBLE_EQ(span(1).uniforms[0].w2, 4);
    EXPECT_DOUBLE_EQ(span(1).moments[0].value, 7);

    // A lone sign stores 0; an emptied field leaves the value as it was.
    change(Control::momenttext, "-");
    EXPECT_DOUBLE_EQ(span(1).moments[0].value, 0);
    change(Control::uniformtext, "");
    EXPECT_DOUBLE_EQ(span(1).uniforms[0].w1, -3);
}

TEST_F(WorkflowTest, LeavingAValueMovesToTheNextEmptyLoad) {
    make_beam({"10", "10"});
    change(Control::points, "2");
    fill(Control::pxtext, "2");
    const Actions left = fill(Control::ptext, "5");
    EXPECT_EQ(wf.current_load(LoadKind::Point), 2);
    EXPECT_EQ(last_caption_set(left, Control::pnumber), "2");
    EXPECT_EQ(last_text_set(left, Control::pxtext), "0.00");
    EXPECT_EQ(last_focus(left), Control::pxtext);
    // The last load has no further one to move to.
    fill(Control::pxtext, "4");
    fill(Control::ptext, "6");
    EXPECT_EQ(wf.current_load(LoadKind::Point), 2);

    // Leaving M moves on to a further span still without length... span 2 has one here.
    change(Control::moments, "1");
    fill(Control::momentxtext, "5");
    fill(Control::momenttext, "8");
    EXPECT_EQ(wf.current_span(), 1);
}

TEST_F(WorkflowTest, LeavingAMomentMovesToASpanWithoutLength) {
    fill(Control::spans, "2");
    fill(Control::spanlengthtext, "10");
    change(Control::moments, "1");
    fill(Control::momentxtext, "5");
    const Actions left = fill(Control::momenttext, "8");
    EXPECT_EQ(wf.current_span(), 2);
    EXPECT_EQ(last_caption_set(left, Control::spannumber), "2");
    EXPECT_EQ(last_focus(left), Control::spanlengthtext);
    EXPECT_DOUBLE_EQ(span(1).moments[0].value, 8);
}

}  // namespace
}  // namespace spanlyx::testing
