#include <gtest/gtest.h>

#include "workflow_test_support.h"

namespace spanlyx::testing {
namespace {

TEST_F(WorkflowTest, SpanButtonsCycle) {
    make_beam({"10", "20", "30"});
    go_to_span(3);
    const Actions next = click(Control::Command7);
    EXPECT_EQ(wf.current_span(), 1);
    EXPECT_EQ(last_caption_set(next, Control::spannumber), "1");
    EXPECT_EQ(last_text_set(next, Control::spanlengthtext), "10.00");
    const Actions last = click(Control::Command8);
    EXPECT_EQ(wf.current_span(), 3);
    EXPECT_EQ(last_caption_set(last, Control::spannumber), "3");
    EXPECT_EQ(last_text_set(last, Control::spanlengthtext), "30.00");
}

TEST_F(WorkflowTest, ButtonsAndSupportsDoNothingWithoutSpans) {
    for (Control button : {Control::Command7, Control::Command8, Control::nextjoint,
                           Control::Command3, Control::jyfree})
        EXPECT_TRUE(click(button).empty()) << control_name(button);
    EXPECT_EQ(wf.current_span(), 0);
    EXPECT_TRUE(beam.joints.empty());
}

TEST_F(WorkflowTest, ShowSpanWritesTheStoredValues) {
    make_beam({"10", "20"});
    fill(Control::spanwidthtext, "12");
    fill(Control::spandepthtext, "18.5");
    fill(Control::moi, "1500");
    fill(Control::spanetext, "30");
    wf.release_chosen(Release::Right);
    change(Control::points, "2");
    fill(Control::pxtext, "2.5");
    fill(Control::ptext, "1000");
    click(Control::Command7);

    const Actions back = click(Control::Command8);
    expect_texts_set(back, {"Combo1", "Hinge On Right", "spanlengthtext", "10.00", "spanwidthtext",
                            "12.000", "spandepthtext", "18.500", "moi", "1500.0000", "spanetext",
                            "30.00", "points", "2", "pxtext", "2.50", "ptext", "1000.00"});
    EXPECT_EQ(last_caption_set(back, Control::pnumber), "1");
    // Lists without loads are emptied.
    expect_field_texts(wf, {"uniforms", "", "moments", ""});
}

TEST_F(WorkflowTest, SpanWithoutLengthShowsEmptyFields) {
    fill(Control::spans, "2");
    fill(Control::spanlengthtext, "10");
    fill(Control::spanwidthtext, "6");
    change(Control::points, "1");
    fill(Control::pxtext, "4");
    const Actions next = click(Control::Command7);
    for (Control field : {Control::spanlengthtext, Control::spanwidthtext, Control::points,
                          Control::pxtext, Control::ptext}) {
        EXPECT_EQ(wf.text(field), "") << control_name(field);
    }
    EXPECT_EQ(last_focus(next), Control::spanlengthtext);
    // Span 1 keeps its values, and the length typed before is not carried into span 2.
    EXPECT_DOUBLE_EQ(span(1).length.value, 10);
    EXPECT_DOUBLE_EQ(span(1).width, 6);
    EXPECT_DOUBLE_EQ(span(1).points.at(0).x, 4);
    EXPECT_DOUBLE_EQ(span(2).length.value, 0);
}

TEST_F(WorkflowTest, NextJointCyclesAndShowsItsSupports) {
    make_beam({"10", "10", "10"});
    beam.joints[0] = Joint{1, 1};
    beam.joints[3] = Joint{0, 0};
    go_to_joint(4);
    EXPECT_TRUE(wf.checked(Control::jyfree));
    EXPECT_TRUE(wf.checked(Control::jzfree));
    const Actions wrapped = click(Control::nextjoint);
    EXPECT_EQ(wf.current_joint(), 1);
    EXPECT_EQ(last_caption_set(wrapped, Control::Jointnumber), "1");
    EXPECT_EQ(last_flag(wrapped, ActionKind::SetChecked, Control::jyfixed), true);
    EXPECT_EQ(last_flag(wrapped, ActionKind::SetChecked, Control::jzfixed), true);
    EXPECT_EQ(beam.joints[0], (Joint{1, 1}));
    EXPECT_EQ(beam.joints[3], (Joint{0, 0}));
}

TEST_F(WorkflowTest, NextLoadCycles) {
    make_beam({"10"});
    change(Control::points, "2");
    fill(Control::pxtext, "3.333");
    fill(Control::ptext, "5");
    fill(Control::pxtext, "6");
    fill(Control::ptext, "7");
    ASSERT_EQ(wf.current_load(LoadKind::Point), 2);
    const Actions first = click(Control::Command3);
    EXPECT_EQ(wf.current_load(LoadKind::Point), 1);
    EXPECT_EQ(last_caption_set(first, Control::pnumber), "1");
    EXPECT_EQ(last_text_set(first, Control::pxtext), "3.33");
    EXPECT_EQ(last_text_set(first, Control::ptext), "5.00");
    EXPECT_FALSE(last_focus(first).has_value());  // load 1 is not empty
    click(Control::Command3);
    EXPECT_EQ(wf.current_load(LoadKind::Point), 2);

    change(Control::uniforms, "2");
    const Actions blank = click(Control::Command4);
    EXPECT_EQ(wf.current_load(LoadKind::Uniform), 2);
    EXPECT_EQ(last_focus(blank), Control::uniformx1text);
    EXPECT_EQ(last_text_set(blank, Control::uniformtext2), "0.00");
}

TEST_F(WorkflowTest, NavigationNeverRoundsAStoredValue) {
    // Imperial inches allow three decimals; a load of 1234.567 has no decimal rule at all.
    wf.unit_system_chosen(UnitSystem::E2);
    make_beam({"120.125", "96"});
    change(Control::points, "1");
    fill(Control::pxtext, "12.125");
    fill(Control::ptext, "1234.567");
    click(Control::Command7);
    const Actions back = click(Control::Command8);
    EXPECT_EQ(last_text_set(back, Control::spanlengthtext), "120.125");
    EXPECT_EQ(last_text_set(back, Control::pxtext), "12.125");
    EXPECT_EQ(last_text_set(back, Control::ptext), "1234.567");
    EXPECT_DOUBLE_EQ(span(1).length.value, 120.125);
    EXPECT_DOUBLE_EQ(span(1).points.at(0).x, 12.125);
    EXPECT_DOUBLE_EQ(span(1).points.at(0).load.value, 1234.567);
    // Values the pattern holds exactly keep the pattern.
    EXPECT_EQ(last_text_set(click(Control::Command7), Control::spanlengthtext), "96.00");

    // Feet allow two decimals: a length typed with three was reported and kept, and is shown
    // as kept, so that leaving the field does not round it.
    wf.unit_system_chosen(UnitSystem::E);
    fill(Control::spanlengthtext, "10.015");
    click(Control::Command7);
    EXPECT_EQ(last_text_set(click(Control::Command7), Control::spanlengthtext), "10.015");
    leave(Control::spanlengthtext);
    EXPECT_DOUBLE_EQ(span(2).length.value, 10.015);
}

}  // namespace
}  // namespace spanlyx::testing
