#include <gtest/gtest.h>

#include "workflow_test_support.h"

namespace spanlyx::testing {
namespace {

constexpr std::string_view kNotValid = "End Conditions not Valid.";
constexpr std::string_view kRoller =
    "Cannot have roller on single span with out fixed support on opposite side";

// A single span whose joints are set straight into the model, then the joint shown.
class SingleSpanTest : public WorkflowTest {
  protected:
    void SetUp() override {
        WorkflowTest::SetUp();
        make_beam({"10"});
    }
    void place(Joint first, Joint second, int shown_joint) {
        beam.joints = {first, second};
        go_to_joint(shown_joint == 1 ? 2 : 1);
        go_to_joint(shown_joint);
    }
};

TEST_F(SingleSpanTest, EndConditionTable) {
    struct Case {
        Joint first, second;
        int shown;
        Control clicked;
        std::string_view message;  // empty: accepted
    };
    const Case cases[] = {
        {{1, 0}, {1, 0}, 2, Control::jyfree, kNotValid},  // 1 0 0 0
        {{1, 0}, {1, 0}, 1, Control::jyfree, kNotValid},  // 0 0 1 0
        {{0, 0},
         {1, 0},
         2,
         Control::jyfree,
         "Cannot have free end on single span and free end on other end."},  // 0 0 0 0
        {{0, 1}, {0, 1}, 1, Control::jzfree, kNotValid},                     // 0 0 0 1
        {{0, 1}, {0, 1}, 2, Control::jzfree, kNotValid},                     // 0 1 0 0
        {{1, 0}, {1, 1}, 2, Control::jyfree, kNotValid},                     // 1 0 0 1
        {{1, 1}, {1, 0}, 1, Control::jyfree, kNotValid},                     // 0 1 1 0
        {{1, 1}, {0, 1}, 1, Control::jyfree, kNotValid},                     // 0 1 0 1
        {{1, 1}, {1, 0}, 2, Control::jyfree, ""},                            // cantilever
        {{1, 1}, {1, 1}, 2, Control::jzfree, ""},                            // propped
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "shown joint " << test.shown << ", clicked " << control_name(test.clicked));
        place(test.first, test.second, test.shown);
        const Actions clicked = click(test.clicked);
        if (test.message.empty()) {
            EXPECT_TRUE(messages(clicked).empty());
            continue;
        }
        ASSERT_EQ(messages(clicked).size(), 1u);
        EXPECT_EQ(messages(clicked)[0].text, test.message);
        EXPECT_EQ(messages(clicked)[0].title, kResponse);
        // The joints return to what they were before the click, options included.
        EXPECT_EQ(beam.joints[0], test.first);
        EXPECT_EQ(beam.joints[1], test.second);
        const Joint& shown = test.shown == 1 ? test.first : test.second;
        EXPECT_TRUE(wf.checked(shown.restraint_y == 1 ? Control::jyfixed : Control::jyfree));
        EXPECT_TRUE(wf.checked(shown.restraint_z == 1 ? Control::jzfixed : Control::jzfree));
    }
}

TEST_F(SingleSpanTest, RollerNeedsAFixedSupportOpposite) {
    place({1, 0}, {0, 0}, 2);
    const Actions second = click(Control::jzfixed);
    EXPECT_EQ(message_texts(second), std::vector<std::string>{std::string(kRoller)});
    EXPECT_EQ(beam.joints[1], (Joint{1, 0}));
    EXPECT_TRUE(wf.checked(Control::jyfixed));
    EXPECT_TRUE(wf.checked(Control::jzfree));
    EXPECT_TRUE(has_kind(second, ActionKind::DrawSketch));

    place({0, 0}, {1, 0}, 1);
    const Actions first = click(Control::jzfixed);
    EXPECT_EQ(message_texts(first), std::vector<std::string>{std::string(kRoller) + "."});
    EXPECT_EQ(beam.joints[0], (Joint{1, 0}));

    // Under a fixed translation the rotation may be fixed freely.
    place({1, 0}, {1, 0}, 2);
    EXPECT_TRUE(messages(click(Control::jzfixed)).empty());
    EXPECT_EQ(beam.joints[1], (Joint{1, 1}));
}

TEST_F(WorkflowTest, SupportsOnSeveralSpansAreNotChecked) {
    make_beam({"10", "10"});
    go_to_joint(3);
    EXPECT_TRUE(messages(click(Control::jyfree)).empty());
    EXPECT_TRUE(messages(click(Control::jzfree)).empty());
    EXPECT_EQ(beam.joints[2], (Joint{0, 0}));
    EXPECT_EQ(wf.save_state(), SaveState::Unsaved);
}

}  // namespace
}  // namespace spanlyx::testing
