// The Spring options of the supports frames, the stiffness, settlement and imposed-rotation
// fields of the shown joint, and how the single-span rules judge a spring.

#include <gtest/gtest.h>

#include "workflow_test_support.h"

namespace spanlyx::testing {
namespace {

constexpr std::string_view kNotValid = "End Conditions not Valid.";

Joint spring_y_joint(double ky) {
    Joint joint;
    joint.spring_y = true;
    joint.ky = ky;
    return joint;
}

class TwoSpanTest : public WorkflowTest {
  protected:
    void SetUp() override {
        WorkflowTest::SetUp();
        make_beam({"10", "12"});
    }
};

TEST_F(TwoSpanTest, MovementsOnlyOnFixedRestraintsAndDroppedWithThem) {
    go_to_joint(2);
    fill(Control::settlementtext, "0.625");
    click(Control::jzfixed);
    fill(Control::rotationtext, "-0.002");
    Joint expected{1, 1};
    expected.settlement = 0.625;
    expected.imposed_rotation = -0.002;
    EXPECT_EQ(beam.joints[1], expected);

    // Choosing Fixed again keeps the movement; freeing the coordinate drops it and closes the
    // field; a spring on Y has no settlement.
    click(Control::jyfixed);
    EXPECT_EQ(beam.joints[1].settlement, 0.625);
    const Actions freed = click(Control::jzfree);
    EXPECT_EQ(beam.joints[1].imposed_rotation, 0);
    EXPECT_EQ(last_flag(freed, ActionKind::Enable, Control::rotationtext), false);
    EXPECT_EQ(last_text_set(freed, Control::rotationtext), "");
    click(Control::jyspring);
    EXPECT_EQ(beam.joints[1].settlement, 0);
    EXPECT_FALSE(wf.enabled(Control::settlementtext));

    // A closed field cannot put a value into the joint: the change is refused and the field
    // shows what the joint holds.
    const Actions refused = change(Control::settlementtext, "3");
    EXPECT_EQ(beam.joints[1].settlement, 0);
    EXPECT_EQ(wf.text(Control::settlementtext), "");
    EXPECT_EQ(last_text_set(refused, Control::settlementtext), "");
}

TEST_F(TwoSpanTest, UnitCaptionsOfTheJointValues) {
    expect_field_texts(wf, {"kylabel", "ky (lb/in)", "kzlabel", "kz (ft-lb/rad)", "settlementlabel",
                            "Settlement (in)", "rotationlabel", "Rotation (rad)"});
    const struct {
        UnitSystem units;
        std::string_view ky, kz, settlement;
    } systems[] = {
        {UnitSystem::E2, "ky (lb/in)", "kz (in-lb/rad)", "Settlement (in)"},
        {UnitSystem::M, "ky (N/m)", "kz (N-m/rad)", "Settlement (m)"},
        {UnitSystem::M2, "ky (N/m)", "kz (N-m/rad)", "Settlement (m)"},
        {UnitSystem::M3, "ky (kg/m)", "kz (kg-m/rad)", "Settlement (m)"},
        {UnitSystem::M4, "ky (N/mm)", "kz (N-mm/rad)", "Settlement (mm)"},
    };
    go_to_joint(2);
    click(Control::jyspring);
    fill(Control::kytext, "700");
    for (const auto& system : systems) {
        const Actions chosen = wf.unit_system_chosen(system.units);
        expect_captions_set(chosen, {"kylabel", system.ky, "kzlabel", system.kz, "settlementlabel",
                                     system.settlement});
    }
    // Switching the system converts no value.
    EXPECT_EQ(beam.joints[1].ky, 700);
}

TEST_F(WorkflowTest, FieldFormsOfTheJointValues) {
    make_beam({"10"});
    go_to_joint(2);
    click(Control::jyspring);
    // A stiffness takes an exponent but no sign in front; a settlement may be negative (a lift).
    for (std::string_view text : {"1E", "1E-", "2.5e+8", ".5", "12."})
        EXPECT_TRUE(messages(change(Control::kytext, text)).empty()) << text;
    for (std::string_view text : {"-5", "E5", "1E5E", "1,5", "1.2.3", "5E+-3"}) {
        EXPECT_EQ(message_texts(change(Control::kytext, text)),
                  std::vector<std::string>{"Data Input was other than Numeric"})
            << text;
    }
    EXPECT_EQ(beam.joints[1].ky, 12);
    click(Control::jyfixed);
    EXPECT_TRUE(messages(change(Control::settlementtext, "-0.25")).empty());
    EXPECT_EQ(beam.joints[1].settlement, -0.25);
}

// The single-span rules judge a spring as holding its coordinate: a span on a pin and a
// vertical spring stands; freeing the spring's partner still needs a held end.
TEST_F(WorkflowTest, SingleSpanRulesCountASpringAsHolding) {
    make_beam({"10"});
    go_to_joint(2);
    EXPECT_TRUE(messages(click(Control::jyspring)).empty());
    fill(Control::kytext, "500");
    go_to_joint(1);
    // Pin freed against a spring-borne end: the span falls.
    const Actions freed = click(Control::jyfree);
    EXPECT_EQ(message_texts(freed), std::vector<std::string>{std::string(kNotValid)});
    EXPECT_EQ(beam.joints[0], (Joint{1, 0}));
    EXPECT_EQ(beam.joints[1], spring_y_joint(500));
    // A spring on Z at the fixed end of a cantilever is accepted: the span is still held.
    click(Control::jzfixed);
    go_to_joint(2);
    click(Control::jyfree);
    go_to_joint(1);
    EXPECT_TRUE(messages(click(Control::jzspring)).empty());
    EXPECT_TRUE(beam.joints[0].spring_z);
    // Freeing it leaves a pin against a free end: refused, and the spring comes back with its
    // joint's options.
    fill(Control::kztext, "9000");
    EXPECT_EQ(message_texts(click(Control::jzfree)),
              std::vector<std::string>{std::string(kNotValid)});
    EXPECT_TRUE(beam.joints[0].spring_z);
    EXPECT_EQ(beam.joints[0].kz, 9000);
    EXPECT_TRUE(wf.checked(Control::jzspring));
    EXPECT_EQ(wf.text(Control::kztext), "9000");
}

// A beam read with springs and movements keeps them all while the window walks through it, and
// each joint shows its own; a single span whose only vertical support besides a pin is a spring
// raises no end-condition message.
TEST_F(WorkflowTest, OpenedBeamShowsItsSpringsAndMovementsUnchanged) {
    Beam read;
    read.spans.resize(1);
    read.spans[0].length = HeldNumber::typed("10");
    read.spans[0].inertia = 500;
    read.spans[0].modulus = HeldNumber::computed(29e6);
    read.joints = {Joint{1, 1}, spring_y_joint(2500)};
    read.joints[0].settlement = 0.375;
    read.joints[0].imposed_rotation = 0.0015;
    read.joints[1].spring_z = true;
    read.joints[1].kz = 5e5;
    beam = read;
    Actions shown = wf.show_beam_after_open();
    ASSERT_EQ(wf.current_joint(), 1);
    expect_field_texts(wf, {"settlementtext", ".375", "rotationtext", ".0015", "kytext", ""});
    shown = joined({shown, click(Control::nextjoint)});
    expect_field_texts(wf, {"kytext", "2500", "kztext", "500000", "settlementtext", ""});
    EXPECT_TRUE(wf.checked(Control::jyspring));
    EXPECT_TRUE(wf.checked(Control::jzspring));
    EXPECT_TRUE(messages(shown).empty());
    EXPECT_EQ(beam.joints, read.joints);
    EXPECT_NE(wf.save_state(), SaveState::Unsaved);
}

TEST_F(WorkflowTest, NewSpanCountStartsEveryJointAsAPinAndNewClearsTheFields) {
    make_beam({"10", "10"});
    go_to_joint(2);
    click(Control::jyspring);
    fill(Control::kytext, "300");
    fill(Control::spans, "3");
    EXPECT_EQ(beam.joints, std::vector<Joint>(4, Joint{1, 0}));
    EXPECT_FALSE(wf.enabled(Control::kytext));
    EXPECT_TRUE(wf.checked(Control::jyfixed));

    wf.reset();
    for (Control field :
         {Control::kytext, Control::kztext, Control::settlementtext, Control::rotationtext}) {
        EXPECT_EQ(wf.text(field), "") << control_name(field);
        EXPECT_FALSE(wf.enabled(field)) << control_name(field);
    }
}

}  // namespace
}  // namespace spanlyx::testing
