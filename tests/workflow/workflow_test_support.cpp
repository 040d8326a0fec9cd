#include "workflow_test_support.h"

#include <algorithm>

namespace spanlyx::testing {

Actions WorkflowTest::fill(Control field, std::string_view text) {
    return joined({wf.field_entered(field), wf.text_changed(field, text), wf.field_left(field)});
}

void WorkflowTest::make_beam(const std::vector<std::string>& lengths) {
    fill(Control::spans, std::to_string(lengths.size()));
    for (const std::string& length : lengths) {
        fill(Control::spanlengthtext, length);
        click(Control::Command7);
    }
    ASSERT_EQ(wf.current_span(), 1);
}

void WorkflowTest::go_to_span(int number) {
    for (int guard = 0; guard < kMaxSpans && wf.current_span() != number; ++guard)
        click(Control::Command7);
    ASSERT_EQ(wf.current_span(), number);
}

void WorkflowTest::go_to_joint(int number) {
    for (int guard = 0; guard <= kMaxSpans && wf.current_joint() != number; ++guard)
        click(Control::nextjoint);
    ASSERT_EQ(wf.current_joint(), number);
}

std::vector<Message> messages(const Actions& actions) {
    std::vector<Message> out;
    for (const Action& action : actions) {
        if (action.kind == ActionKind::ShowMessage)
            out.push_back(action.message);
    }
    return out;
}

std::vector<std::string> message_texts(const Actions& actions) {
    std::vector<std::string> out;
    for (const Message& message : messages(actions))
        out.push_back(message.text);
    return out;
}

namespace {
// What `read` gives of the last action of the kind for the control (any control: none).
template <typename Read>
auto last_of(const Actions& actions, ActionKind kind, std::optional<Control> control, Read read)
    -> std::optional<decltype(read(actions.front()))> {
    std::optional<decltype(read(actions.front()))> found;
    for (const Action& action : actions) {
        if (action.kind == kind && (!control || action.control == *control))
            found = read(action);
    }
    return found;
}
}  // namespace

std::optional<std::string> last_text_set(const Actions& actions, Control control) {
    return last_of(actions, ActionKind::SetText, control, [](const Action& a) { return a.text; });
}

std::optional<std::string> last_caption_set(const Actions& actions, Control control) {
    return last_of(actions, ActionKind::SetCaption, control,
                   [](const Action& a) { return a.text; });
}

std::optional<bool> last_flag(const Actions& actions, ActionKind kind, Control control) {
    return last_of(actions, kind, control, [](const Action& a) { return a.flag; });
}

std::optional<Control> last_focus(const Actions& actions) {
    return last_of(actions, ActionKind::Focus, std::nullopt,
                   [](const Action& a) { return a.control; });
}

bool has_kind(const Actions& actions, ActionKind kind) {
    return std::any_of(actions.begin(), actions.end(),
                       [kind](const Action& action) { return action.kind == kind; });
}

Actions joined(std::initializer_list<Actions> parts) {
    Actions out;
    for (const Actions& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

namespace {
// Calls check(control, expected text) for each pair of a control name and a text.
template <typename Check>
void each_pair(ControlTexts pairs, Check check) {
    ASSERT_EQ(pairs.size() % 2, 0u);
    for (auto it = pairs.begin(); it != pairs.end(); it += 2) {
        const std::optional<Control> control = control_from_name(*it);
        ASSERT_TRUE(control.has_value()) << *it;
        check(*control, std::string(*(it + 1)));
    }
}
}  // namespace

void expect_field_texts(const EntryWorkflow& wf, ControlTexts expected) {
    each_pair(expected, [&](Control c, const std::string& text) {
        EXPECT_EQ(wf.text(c), text) << control_name(c);
    });
}

void expect_texts_set(const Actions& actions, ControlTexts expected) {
    each_pair(expected, [&](Control c, const std::string& text) {
        EXPECT_EQ(last_text_set(actions, c), text) << control_name(c);
    });
}

void expect_captions_set(const Actions& actions, ControlTexts expected) {
    each_pair(expected, [&](Control c, const std::string& text) {
        EXPECT_EQ(last_caption_set(actions, c), text) << control_name(c);
    });
}

}  // namespace spanlyx::testing
