#include "workflow_test_support.h"

namespace spanlyx::testing {

Actions WorkflowTest::fill(Control field, std::string_view text) {
    return joined({wf.field_entered(field), wf.text_changed(field, text), wf.field_left(field)});
}

void WorkflowTest::make_beam(const std::vector<std::string>& lengths) {
    fill(Control::spans, std::to_string(lengths.size()));
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        fill(Control::spanlengthtext, lengths[i]);
        click(Control::Command7);
    }
    ASSERT_EQ(wf.current_span(), 1);
}

void WorkflowTest::go_to_span(int number) {
    for (int guard = 0; guard < kMaxSpans && wf.current_span() != number; ++guard) {
        click(Control::Command7);
    }
    ASSERT_EQ(wf.current_span(), number);
}

void WorkflowTest::go_to_joint(int number) {
    for (int guard = 0; guard <= kMaxSpans && wf.current_joint() != number; ++guard) {
        click(Control::nextjoint);
    }
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
std::optional<std::string> last_of(const Actions& actions, ActionKind kind, Control control) {
    std::optional<std::string> found;
    for (const Action& action : actions) {
        if (action.kind == kind && action.control == control)
            found = action.text;
    }
    return found;
}
}  // namespace

std::optional<std::string> last_text_set(const Actions& actions, Control control) {
    return last_of(actions, ActionKind::SetText, control);
}

std::optional<std::string> last_caption_set(const Actions& actions, Control control) {
    return last_of(actions, ActionKind::SetCaption, control);
}

std::optional<bool> last_flag(const Actions& actions, ActionKind kind, Control control) {
    std::optional<bool> found;
    for (const Action& action : actions) {
        if (action.kind == kind && action.control == control)
            found = action.flag;
    }
    return found;
}

std::optional<Control> last_focus(const Actions& actions) {
    std::optional<Control> found;
    for (const Action& action : actions) {
        if (action.kind == ActionKind::Focus)
            found = action.control;
    }
    return found;
}

bool has_kind(const Actions& actions, ActionKind kind) {
    for (const Action& action : actions) {
        if (action.kind == kind)
            return true;
    }
    return false;
}

Actions joined(std::initializer_list<Actions> parts) {
    Actions out;
    for (const Actions& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

}  // namespace spanlyx::testing
