#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

#include "workflow_test_support.h"

namespace spanlyx::testing {
namespace {

// Whatever order the engineer works in, the beam stays within its limits and the shown span,
// joint and loads exist.
TEST_F(WorkflowTest, RandomEventsKeepTheBeamWithinItsLimits) {
    std::mt19937 random(20240611);
    const std::array<std::string, 14> texts = {"",  "0",    "1", "2", "3",    "40",  "41",
                                               "5", "12.5", ".", "-", "-3.5", "999", "0.0"};
    const std::array<Control, 13> buttons = {
        Control::Command7, Control::Command8, Control::nextjoint, Control::Command3,
        Control::Command4, Control::Command5, Control::jyfixed,   Control::jyfree,
        Control::jzfixed,  Control::jzfree,   Control::jyspring,  Control::jzspring,
        Control::none};
    const auto fields = text_fields();
    const auto pick = [&](std::size_t size) {
        return std::uniform_int_distribution<std::size_t>(0, size - 1)(random);
    };
    for (int step = 0; step < 4000; ++step) {
        SCOPED_TRACE(step);
        switch (pick(6)) {
            case 0:
            case 1:
                change(fields[pick(fields.size())], texts[pick(texts.size())]);
                break;
            case 2:
                leave(fields[pick(fields.size())]);
                break;
            case 3:
                click(buttons[pick(buttons.size())]);
                break;
            case 4:
                wf.first_span_ei_clicked(pick(2) == 0);
                break;
            default:
                wf.unit_system_chosen(kAllUnitSystems[pick(kAllUnitSystems.size())]);
                break;
        }
        ASSERT_LE(beam.span_count(), kMaxSpans);
        ASSERT_GE(wf.current_span(), 0);
        ASSERT_LE(wf.current_span(), beam.span_count());
        ASSERT_LE(wf.current_joint(), beam.joint_count());
        if (beam.span_count() > 0) {
            ASSERT_EQ(beam.joint_count(), beam.span_count() + 1);
        }
        for (const Span& s : beam.spans) {
            ASSERT_LE(s.uniforms.size(), static_cast<std::size_t>(kMaxLoadsPerKind));
            ASSERT_LE(s.points.size(), static_cast<std::size_t>(kMaxLoadsPerKind));
            ASSERT_LE(s.moments.size(), static_cast<std::size_t>(kMaxLoadsPerKind));
        }
    }
}

}  // namespace
}  // namespace spanlyx::testing
