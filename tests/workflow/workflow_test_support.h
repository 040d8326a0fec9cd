#pragma once
// A workflow on a fresh beam, driven the way the window drives it, and readers for the actions
// that come back.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/beam.h"
#include "model/settings.h"
#include "ui/workflow/entry_workflow.h"

namespace spanlyx::testing {

inline constexpr std::string_view kResponse = "Continuous Beam Response";
inline constexpr std::string_view kProgram = "Spanlyx";

class WorkflowTest : public ::testing::Test {
  protected:
    Beam beam;
    Settings settings;
    EntryWorkflow wf{beam, settings};

    void SetUp() override { wf.start_up(); }

    // The field receives the focus, its text becomes `text`, and the focus leaves it.
    Actions fill(Control field, std::string_view text);
    // The text changes without the focus leaving the field.
    Actions change(Control field, std::string_view text) { return wf.text_changed(field, text); }
    Actions leave(Control field) { return wf.field_left(field); }
    Actions click(Control button) { return wf.button_clicked(button); }

    // Enters the number of spans and each span's length, span by span, and ends on span 1.
    void make_beam(const std::vector<std::string>& lengths);
    // Shows span `number` with the Next Span button.
    void go_to_span(int number);
    void go_to_joint(int number);

    const Span& span(int number) const {
        return beam.spans.at(static_cast<std::size_t>(number - 1));
    }
};

std::vector<Message> messages(const Actions& actions);
std::vector<std::string> message_texts(const Actions& actions);
// The text of the last SetText (or caption of the last SetCaption) for the control.
std::optional<std::string> last_text_set(const Actions& actions, Control control);
std::optional<std::string> last_caption_set(const Actions& actions, Control control);
// The last state an Enable, SetTabStop, SetVisible or SetChecked gave the control.
std::optional<bool> last_flag(const Actions& actions, ActionKind kind, Control control);
std::optional<Control> last_focus(const Actions& actions);
bool has_kind(const Actions& actions, ActionKind kind);
Actions joined(std::initializer_list<Actions> parts);

// Pairs of a control's object name and its expected text: {"spans", "2", "moi", "1.5"}.
using ControlTexts = std::initializer_list<std::string_view>;
// Each control's text as the workflow now holds it.
void expect_field_texts(const EntryWorkflow& wf, ControlTexts expected);
// Each control's last SetText, or last SetCaption, among the actions.
void expect_texts_set(const Actions& actions, ControlTexts expected);
void expect_captions_set(const Actions& actions, ControlTexts expected);

}  // namespace spanlyx::testing
