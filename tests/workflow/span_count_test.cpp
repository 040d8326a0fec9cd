#include <gtest/gtest.h>

#include "workflow_test_support.h"

namespace spanlyx::testing {
namespace {

TEST_F(WorkflowTest, FortyOneSpansAreRefusedSilently) {
    const Actions refused = change(Control::spans, "41");
    EXPECT_TRUE(messages(refused).empty());
    // The field never shows a count the beam does not hold.
    EXPECT_EQ(last_text_set(refused, Control::spans), "");
    EXPECT_EQ(wf.text(Control::spans), "");
    EXPECT_EQ(beam.span_count(), 0);
    EXPECT_FALSE(wf.enabled(Control::nextjoint));
}

TEST_F(WorkflowTest, FortySpansStartEntryOnSpanOneJointOne) {
    const Actions accepted = change(Control::spans, "40");
    EXPECT_TRUE(messages(accepted).empty());
    EXPECT_TRUE(has_kind(accepted, ActionKind::ClearSketch));
    EXPECT_EQ(beam.span_count(), 40);
    ASSERT_EQ(beam.joint_count(), 41);
    for (const Joint& joint : beam.joints) {
        EXPECT_EQ(joint.restraint_y, 1);
        EXPECT_EQ(joint.restraint_z, 0);
    }
    EXPECT_EQ(last_caption_set(accepted, Control::spannumber), "1");
    EXPECT_EQ(last_caption_set(accepted, Control::Jointnumber), "1");
    EXPECT_EQ(last_flag(accepted, ActionKind::Enable, Control::nextjoint), true);
    EXPECT_EQ(last_flag(accepted, ActionKind::Enable, Control::vm), false);
    EXPECT_TRUE(wf.checked(Control::jyfixed));
    // Joint 1 reads as a pin, and Tab through the release box finds a valid entry.
    EXPECT_EQ(last_flag(accepted, ActionKind::SetChecked, Control::jzfree), true);
    EXPECT_EQ(last_text_set(accepted, Control::Combo1), "No Hinge");
    EXPECT_TRUE(
        messages(joined({wf.field_entered(Control::Combo1), leave(Control::Combo1)})).empty());
    EXPECT_FALSE(wf.sketch_live());
    // Every entry field is back in the tab order and usable.
    for (Control field : {Control::spanlengthtext, Control::ptext, Control::uniformx2text,
                          Control::momenttext, Control::total_lengthtext}) {
        EXPECT_TRUE(wf.tab_stop(field)) << control_name(field);
        EXPECT_TRUE(wf.enabled(field)) << control_name(field);
    }
    EXPECT_EQ(beam.spans_text, "40");
}

TEST_F(WorkflowTest, ZeroSpansOnLeaveAreReported) {
    change(Control::spans, "0");
    const Actions left = leave(Control::spans);
    ASSERT_EQ(messages(left).size(), 1u);
    EXPECT_EQ(messages(left)[0].text, "The number of spans must be greater than 0 ");
    EXPECT_EQ(messages(left)[0].title, kResponse);
    EXPECT_EQ(last_focus(left), Control::spans);

    // An empty field reads as 0 too; a single blank and an open options dialog do not report.
    change(Control::spans, "");
    EXPECT_EQ(message_texts(leave(Control::spans)).size(), 1u);
    change(Control::spans, " ");
    EXPECT_TRUE(messages(leave(Control::spans)).empty());
    change(Control::spans, "0");
    wf.set_option_dialog_open(true);
    EXPECT_TRUE(messages(leave(Control::spans)).empty());
    wf.set_option_dialog_open(false);
    change(Control::spans, "3");
    EXPECT_TRUE(messages(leave(Control::spans)).empty());
}

TEST_F(WorkflowTest, EmptySpanCountKeepsTabOnItself) {
    const Actions entered = wf.field_entered(Control::spans);
    for (Control field :
         {Control::spanlengthtext, Control::moi, Control::Combo1, Control::total_lengthtext}) {
        EXPECT_EQ(last_flag(entered, ActionKind::SetTabStop, field), false) << control_name(field);
    }
    change(Control::spans, "2");
    EXPECT_TRUE(wf.tab_stop(Control::spanlengthtext));
    EXPECT_FALSE(has_kind(wf.field_entered(Control::spans), ActionKind::SetTabStop));
}

TEST_F(WorkflowTest, RetypingTheSpanCountKeepsTheSpansEntered) {
    make_beam({"10", "20", "30"});
    // Typing "3" again goes through an empty field and "1" span on the way.
    change(Control::spans, "");
    change(Control::spans, "1");
    EXPECT_EQ(beam.span_count(), 1);
    change(Control::spans, "3");
    ASSERT_EQ(beam.span_count(), 3);
    EXPECT_DOUBLE_EQ(span(2).length.value, 20);
    EXPECT_DOUBLE_EQ(span(3).length.value, 30);
    EXPECT_EQ(beam.joint_count(), 4);
}

TEST_F(WorkflowTest, SpanFieldsNeedTheNumberOfSpansFirst) {
    const Actions typed = change(Control::spanlengthtext, "12");
    EXPECT_EQ(last_text_set(typed, Control::spanlengthtext), "");
    EXPECT_EQ(last_focus(typed), Control::spans);
    for (Control field : {Control::spanlengthtext, Control::moi, Control::spanetext}) {
        const Actions left = leave(field);
        ASSERT_EQ(messages(left).size(), 1u) << control_name(field);
        EXPECT_EQ(messages(left)[0].text, "You need to Enter The Number Of Spans First!");
    }
    EXPECT_TRUE(beam.spans.empty());
}

}  // namespace
}  // namespace spanlyx::testing
