#include <gtest/gtest.h>

#include "workflow_test_support.h"

namespace spanlyx::testing {
namespace {

TEST_F(WorkflowTest, UnitSystemsChangeCaptionsNotNumbers) {
    make_beam({"10"});
    fill(Control::moi, "100");
    fill(Control::spanetext, "29000000");
    const Beam before = beam;
    const std::string length_text = wf.text(Control::spanlengthtext);

    const Actions inches = wf.unit_system_chosen(UnitSystem::E2);
    EXPECT_EQ(beam.units, UnitSystem::E2);
    // Each caption once: the captions of a system come from the unit tables.
    expect_captions_set(inches, {"Label10", "Span Length (in)", "Label11", "X1(in)", "Label12",
                                 "W1 (#/in)", "Label14", "M (in-#)", "Label19",
                                 "Moment of Inertia (in^4)", "Label23", "Span E (psi)"});
    EXPECT_EQ(last_flag(inches, ActionKind::SetChecked, Control::mnuEnglish2), true);
    EXPECT_EQ(last_flag(inches, ActionKind::SetChecked, Control::mnuEnglish), false);
    EXPECT_TRUE(has_kind(inches, ActionKind::DrawSketch));
    expect_captions_set(wf.unit_system_chosen(UnitSystem::M3),
                        {"Label8", "P (kg)", "Label4", "W2 (kg/m)"});
    const Actions mm = wf.unit_system_chosen(UnitSystem::M4);
    expect_captions_set(
        mm, {"Label15", "X Dist (mm)", "Label19", "Mom of Inertia (mm^4)", "Label8", "P (N)"});
    EXPECT_EQ(last_flag(mm, ActionKind::SetChecked, Control::mnumetric4), true);
    EXPECT_EQ(last_flag(mm, ActionKind::SetChecked, Control::mnumetric3), false);

    // Nothing stored and no field text is converted.
    Beam after = beam;
    after.units = before.units;
    EXPECT_EQ(after, before);
    EXPECT_EQ(wf.text(Control::spanlengthtext), length_text);
    EXPECT_FALSE(last_text_set(mm, Control::moi).has_value());
}

TEST_F(WorkflowTest, ImperialModulusBelowThirtyIsMillionsOfPsi) {
    make_beam({"10"});
    const Actions small = fill(Control::spanetext, "29");
    EXPECT_DOUBLE_EQ(span(1).modulus.value, 29000000);
    EXPECT_EQ(last_text_set(small, Control::spanetext), "29000000");
    EXPECT_EQ(wf.text(Control::spanetext), "29000000");

    const Actions thirty = fill(Control::spanetext, "30");
    EXPECT_DOUBLE_EQ(span(1).modulus.value, 30);
    EXPECT_FALSE(last_text_set(thirty, Control::spanetext).has_value());
    EXPECT_EQ(span(1).modulus.text, "30");

    wf.unit_system_chosen(UnitSystem::E2);
    fill(Control::spanetext, "1.5");
    EXPECT_DOUBLE_EQ(span(1).modulus.value, 1500000);
}

TEST_F(WorkflowTest, MetricInertiaAndModulusAreScaled) {
    make_beam({"10"});
    wf.unit_system_chosen(UnitSystem::M3);
    fill(Control::moi, "8000");
    EXPECT_DOUBLE_EQ(span(1).inertia, 0.00008);
    EXPECT_TRUE(beam.inertia_entered);
    wf.unit_system_chosen(UnitSystem::M);
    fill(Control::moi, "8000");
    EXPECT_DOUBLE_EQ(span(1).inertia, 0.08);

    wf.unit_system_chosen(UnitSystem::M2);
    fill(Control::spanetext, "200");
    EXPECT_DOUBLE_EQ(span(1).modulus.value, 200000000);
    EXPECT_EQ(wf.text(Control::spanetext), "200");  // metric E is not rewritten
    wf.unit_system_chosen(UnitSystem::M4);
    fill(Control::spanetext, "200");
    EXPECT_DOUBLE_EQ(span(1).modulus.value, 200);

    // An emptied I switches the beam to I from width and depth.
    change(Control::moi, "");
    EXPECT_DOUBLE_EQ(span(1).inertia, 0);
    EXPECT_FALSE(beam.inertia_entered);
}

TEST_F(WorkflowTest, FirstSpanEAndIOnAllSpans) {
    wf.unit_system_chosen(UnitSystem::M);
    make_beam({"6", "8", "5"});
    fill(Control::moi, "12.5");
    fill(Control::spanetext, "200");
    ASSERT_DOUBLE_EQ(span(1).modulus.value, 200e9);
    go_to_span(2);
    fill(Control::spanetext, "150");
    ASSERT_DOUBLE_EQ(span(2).modulus.value, 150e9);

    const Actions checked = wf.first_span_ei_clicked(true);
    EXPECT_TRUE(settings.use_first_span_ei);
    EXPECT_EQ(last_text_set(checked, Control::spanetext), "200");
    EXPECT_EQ(last_text_set(checked, Control::moi), "12.5");
    EXPECT_TRUE(has_kind(checked, ActionKind::WriteSettings));
    for (int s : {2, 3}) {
        EXPECT_DOUBLE_EQ(span(s).modulus.value, 200e9) << s;
        EXPECT_DOUBLE_EQ(span(s).inertia, 0.000125) << s;
    }

    // With the option on, a span length left on a later span takes the E and I before it.
    fill(Control::moi, "20");
    go_to_span(3);
    const Actions length = fill(Control::spanlengthtext, "5.5");
    EXPECT_DOUBLE_EQ(span(3).inertia, 0.0002);
    EXPECT_EQ(last_text_set(length, Control::moi), "20");
    EXPECT_EQ(last_focus(length), Control::uniforms);

    const Actions unchecked = wf.first_span_ei_clicked(false);
    EXPECT_FALSE(settings.use_first_span_ei);
    EXPECT_TRUE(has_kind(unchecked, ActionKind::WriteSettings));
    EXPECT_FALSE(last_text_set(unchecked, Control::moi).has_value());
}

TEST_F(WorkflowTest, InertiaEntryChoice) {
    const Actions section = wf.inertia_option_chosen(Control::Option1);
    EXPECT_FALSE(beam.inertia_entered);
    EXPECT_EQ(wf.inertia_option(), Control::Option1);
    EXPECT_EQ(last_flag(section, ActionKind::SetVisible, Control::moi), false);
    EXPECT_EQ(last_flag(section, ActionKind::SetVisible, Control::Label19), false);
    for (Control shown :
         {Control::spanwidthtext, Control::spandepthtext, Control::Label21, Control::Label22}) {
        EXPECT_EQ(last_flag(section, ActionKind::SetVisible, shown), true) << control_name(shown);
    }
    const Actions typed = wf.inertia_option_chosen(Control::Option2);
    EXPECT_TRUE(beam.inertia_entered);
    EXPECT_EQ(wf.inertia_option(), Control::Option2);
    EXPECT_EQ(last_flag(typed, ActionKind::SetVisible, Control::moi), true);
    EXPECT_EQ(last_flag(typed, ActionKind::SetVisible, Control::spanwidthtext), false);
}

}  // namespace
}  // namespace spanlyx::testing
