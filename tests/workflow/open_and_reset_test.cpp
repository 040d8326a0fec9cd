#include <gtest/gtest.h>

#include "workflow_test_support.h"

namespace spanlyx::testing {
namespace {

// A beam as the file reader leaves it: two spans, loads on span 1, a clamped first joint.
Beam read_beam() {
    Beam read;
    read.units = UnitSystem::M;
    read.spans_text = "2";
    read.total_length_text = "14.5";
    read.spans.resize(2);
    read.spans[0].length = HeldNumber::typed("6");
    read.spans[0].inertia = 0.000125;
    read.spans[0].modulus = HeldNumber::computed(200e9);
    read.spans[0].release = Release::Left;
    read.spans[0].points = {PointLoad{2, HeldNumber::typed("10")},
                            PointLoad{4, HeldNumber::typed("5")}};
    read.spans[0].count_text = {"0", "2", "0"};
    read.spans[1].length = HeldNumber::typed("8.5");
    read.spans[1].moments = {MomentLoad{3, -7}};
    read.joints = {Joint{1, 1}, Joint{1, 0}, Joint{0, 0}};
    return read;
}

TEST_F(WorkflowTest, OpenedBeamShowsSpanOneAndJointOne) {
    beam = read_beam();
    const Actions shown = wf.show_beam_after_open();
    EXPECT_EQ(wf.current_span(), 1);
    EXPECT_EQ(wf.current_joint(), 1);
    // clang-format off
    expect_field_texts(wf, {"spans", "2", "total_lengthtext", "14.50", "spannumber", "1",
                            "Jointnumber", "1", "Combo1", "Hinge On Left", "spanlengthtext", "6.00",
                            "moi", "12.5000", "spanetext", "200.00", "points", "2", "pnumber", "1",
                            "pxtext", "2.00", "ptext", "10.00", "uniforms", "", "moments", ""});
    // clang-format on
    EXPECT_EQ(last_caption_set(shown, Control::Label23), "Span E (GN/m^2)");
    EXPECT_TRUE(wf.checked(Control::jyfixed));
    EXPECT_TRUE(wf.checked(Control::jzfixed));
    EXPECT_TRUE(wf.enabled(Control::nextjoint));
    EXPECT_TRUE(messages(shown).empty());
    // The supports as read are kept, not reset to pins by the number of spans.
    EXPECT_EQ(beam.joints, read_beam().joints);
    EXPECT_EQ(beam.spans[1].moments, read_beam().spans[1].moments);
    EXPECT_DOUBLE_EQ(beam.spans[0].modulus.value, 200e9);
    EXPECT_DOUBLE_EQ(beam.spans[0].inertia, 0.000125);
    // Nothing was edited yet.
    EXPECT_NE(wf.save_state(), SaveState::Unsaved);
}

// A single span pinned at joint 1 and guided at joint 2 (Y free, Z fixed) is stable: the tip
// deflects and the guide takes the moment. The support buttons refuse to set it up, but a file
// may hold it; opening it and showing either joint must leave it as read, without a message.
TEST_F(WorkflowTest, ShowingTheJointsOfAnOpenedBeamChangesNothing) {
    Beam read;
    read.units = UnitSystem::E;
    read.spans.resize(1);
    read.spans[0].length = HeldNumber::typed("10");
    read.spans[0].inertia = 500;
    read.spans[0].modulus = HeldNumber::computed(29e6);
    read.spans[0].uniforms = {UniformLoad{0, 1000, 10, 1000}};
    read.joints = {Joint{1, 0}, Joint{0, 1}};
    beam = read;
    Actions shown = wf.show_beam_after_open();
    for (int joint : {2, 1, 2}) {
        const Actions moved = wf.button_clicked(Control::nextjoint);
        shown.insert(shown.end(), moved.begin(), moved.end());
        ASSERT_EQ(wf.current_joint(), joint);
        EXPECT_EQ(wf.checked(Control::jyfree), joint == 2);
        EXPECT_EQ(wf.checked(Control::jzfixed), joint == 2);
    }
    EXPECT_TRUE(messages(shown).empty());
    EXPECT_EQ(beam.joints, read.joints);
    EXPECT_NE(wf.save_state(), SaveState::Unsaved);
}

TEST_F(WorkflowTest, OpenedSectionBeamStaysOnWidthAndDepth) {
    beam = read_beam();
    beam.inertia_entered = false;
    beam.spans[0].width = 10;
    beam.spans[0].depth = 20;
    beam.spans[0].inertia = 10.0 * 20 * 20 * 20 / 12;
    const Actions shown = wf.show_beam_after_open();
    EXPECT_FALSE(beam.inertia_entered);
    EXPECT_EQ(wf.inertia_option(), Control::Option1);
    EXPECT_EQ(wf.text(Control::spanwidthtext), "10.000");
    EXPECT_EQ(wf.text(Control::spandepthtext), "20.000");
    EXPECT_EQ(last_flag(shown, ActionKind::SetVisible, Control::moi), false);
}

TEST_F(WorkflowTest, ResetEmptiesTheBeamAndTheFields) {
    make_beam({"10", "20"});
    change(Control::points, "1");
    fill(Control::pxtext, "4");
    const Actions reset = wf.reset();
    EXPECT_TRUE(beam.spans.empty());
    EXPECT_TRUE(beam.joints.empty());
    for (Control field : text_fields()) {
        EXPECT_EQ(wf.text(field), "") << control_name(field);
        EXPECT_EQ(last_text_set(reset, field), "") << control_name(field);
    }
    EXPECT_FALSE(wf.enabled(Control::nextjoint));
    EXPECT_FALSE(wf.calculate_enabled());
    EXPECT_FALSE(wf.enabled(Control::pxtext));
    EXPECT_FALSE(wf.tab_stop(Control::points));
    EXPECT_EQ(wf.current_span(), 0);
    EXPECT_TRUE(has_kind(reset, ActionKind::ClearSketch));
    // Spans kept aside before New do not come back.
    change(Control::spans, "2");
    EXPECT_DOUBLE_EQ(span(2).length.value, 0);
    EXPECT_TRUE(span(1).points.empty());
}

TEST_F(WorkflowTest, ReleaseBoxTakesOnlyItsEntries) {
    make_beam({"10"});
    change(Control::Combo1, "Hinge On Lt & Rt");
    EXPECT_TRUE(messages(leave(Control::Combo1)).empty());
    change(Control::Combo1, "Hinge");
    const Actions left = leave(Control::Combo1);
    EXPECT_EQ(
        message_texts(left),
        std::vector<std::string>{
            "Input must be either No Hinge / Hinge On Left / Hinge On Right / Hinge On Lt & Rt"});
    EXPECT_EQ(last_focus(left), Control::Combo1);
    const Actions chosen = wf.release_chosen(Release::Left);
    EXPECT_TRUE(has_kind(chosen, ActionKind::DrawSketch));
    EXPECT_EQ(span(1).release, Release::Left);
}

TEST_F(WorkflowTest, StartUpLocksTheLoadFields) {
    Beam fresh;
    Settings prefs;
    prefs.use_first_span_ei = true;
    EntryWorkflow started(fresh, prefs);
    const Actions actions = started.start_up();
    EXPECT_EQ(last_caption_set(actions, Control::Label10), "Span Length (ft)");
    EXPECT_EQ(last_flag(actions, ActionKind::SetChecked, Control::mnuEnglish), true);
    for (Control field : {Control::points, Control::pxtext, Control::ptext, Control::uniforms,
                          Control::momenttext, Control::jyfixed}) {
        EXPECT_FALSE(started.enabled(field)) << control_name(field);
        EXPECT_FALSE(started.tab_stop(field)) << control_name(field);
    }
    for (Control button : {Control::nextjoint, Control::Command3, Control::vm}) {
        EXPECT_FALSE(started.enabled(button)) << control_name(button);
    }
    EXPECT_TRUE(started.enabled(Control::spanetext));
    EXPECT_TRUE(started.checked(Control::Check1));
    EXPECT_TRUE(started.checked(Control::Option2));
}

}  // namespace
}  // namespace spanlyx::testing
