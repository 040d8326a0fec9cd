#include <gtest/gtest.h>

#include "workflow_test_support.h"

namespace spanlyx::testing {
namespace {

constexpr std::string_view kSpanLengthDecimals =
    "SPAN LENGTH decimal input to hundreths only (ex 12.01)";

TEST_F(WorkflowTest, SpanLengthIsStoredAndTotalled) {
    fill(Control::spans, "2");
    const Actions first = fill(Control::spanlengthtext, "12.5");
    EXPECT_DOUBLE_EQ(span(1).length.value, 12.5);
    EXPECT_EQ(span(1).length.text, "12.5");
    EXPECT_EQ(last_text_set(first, Control::total_lengthtext), "12.50");
    EXPECT_TRUE(has_kind(first, ActionKind::DrawSketch));
    EXPECT_TRUE(messages(first).empty());
    EXPECT_FALSE(wf.calculate_enabled());  // span 2 has no length yet

    click(Control::Command7);
    const Actions second = fill(Control::spanlengthtext, "7.25");
    EXPECT_EQ(last_text_set(second, Control::total_lengthtext), "19.75");
    EXPECT_EQ(last_flag(second, ActionKind::Enable, Control::vm), true);

    EXPECT_TRUE(wf.calculate_enabled());

    // Leaving the length unchanged makes the sketch live.
    EXPECT_FALSE(wf.sketch_live());
    leave(Control::spanlengthtext);
    EXPECT_TRUE(wf.sketch_live());
    // A new number of spans disables Calculate until the lengths exist again.
    change(Control::spans, "3");
    EXPECT_FALSE(wf.calculate_enabled());
}

TEST_F(WorkflowTest, InvalidSpanLengthIsClearedAndRefocused) {
    fill(Control::spans, "1");
    fill(Control::spanlengthtext, "8");
    for (std::string_view typed : {"0", ".", ""}) {
        const Actions left = fill(Control::spanlengthtext, typed);
        EXPECT_EQ(last_text_set(left, Control::spanlengthtext), "") << typed;
        EXPECT_EQ(last_focus(left), Control::spanlengthtext) << typed;
        EXPECT_TRUE(messages(left).empty()) << typed;
        EXPECT_DOUBLE_EQ(span(1).length.value, 0) << typed;
    }
}

TEST_F(WorkflowTest, SpanLengthDecimalsFollowTheUnitSystem) {
    fill(Control::spans, "1");
    // Imperial (ft) allows hundredths: 12.015 is stored, then reported.
    const Actions feet = fill(Control::spanlengthtext, "12.015");
    EXPECT_DOUBLE_EQ(span(1).length.value, 12.015);
    ASSERT_EQ(messages(feet).size(), 1u);
    EXPECT_EQ(messages(feet)[0].text, kSpanLengthDecimals);
    EXPECT_EQ(messages(feet)[0].title, kResponse);
    EXPECT_EQ(last_focus(feet), Control::spanlengthtext);

    // Imperial (in) and Metric (mm) allow thousandths.
    for (UnitSystem system : {UnitSystem::E2, UnitSystem::M4}) {
        wf.unit_system_chosen(system);
        EXPECT_TRUE(messages(fill(Control::spanlengthtext, "12.016")).empty());
        EXPECT_EQ(message_texts(fill(Control::spanlengthtext, "12.0161")),
                  std::vector<std::string>{std::string(kSpanLengthDecimals)});
    }
    wf.unit_system_chosen(UnitSystem::M3);
    EXPECT_EQ(messages(fill(Control::spanlengthtext, "4.125")).size(), 1u);
    EXPECT_TRUE(messages(fill(Control::spanlengthtext, "4.12")).empty());
}

TEST_F(WorkflowTest, TotalLengthAllowsHundredths) {
    fill(Control::spans, "1");
    EXPECT_TRUE(messages(fill(Control::total_lengthtext, "12.01")).empty());
    EXPECT_TRUE(messages(fill(Control::total_lengthtext, "12")).empty());
    EXPECT_EQ(messages(fill(Control::total_lengthtext, "12.015")).size(), 1u);
}

}  // namespace
}  // namespace spanlyx::testing
