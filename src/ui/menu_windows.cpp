#include "ui/menu_windows.h"

#include <QWidget>

#include "model/beam.h"
#include "model/settings.h"
#include "ui/combinations_dialog.h"
#include "ui/comments_window.h"
#include "ui/extra_output_dialog.h"
#include "ui/graphics_display_dialog.h"
#include "ui/sections_window.h"
#include "ui/window_placement.h"
#include "ui/workflow/entry_workflow.h"

namespace spanlyx {
namespace {

void show_centred(QWidget& window) {
    window.adjustSize();
    centre_on_screen(window);
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace

MenuWindows::MenuWindows(Context context) : c_(std::move(context)) {}

void MenuWindows::show_comments() {
    if (!comments_) {
        // A comment is part of the beam file: a change leaves the beam unsaved.
        const auto changed = [this](int index, std::string text) {
            c_.beam.comments[static_cast<std::size_t>(index)] = std::move(text);
            c_.workflow.set_save_state(SaveState::Unsaved);
        };
        comments_ = new CommentsWindow(changed, c_.prompter, &c_.main_window);
        comments_->show_comments(c_.beam.comments);
    }
    show_centred(*comments_);
}

void MenuWindows::comments_replaced() {
    if (comments_)
        comments_->show_comments(c_.beam.comments);
}

void MenuWindows::first_span_ei_chosen(bool use) {
    Actions actions = c_.workflow.first_span_ei_clicked(use);
    // The main window's check box follows, as if it had been clicked.
    actions.insert(actions.begin(), Action{ActionKind::SetChecked, Control::Check1, {}, use, {}});
    c_.apply(actions);
}

void MenuWindows::option_window_open(bool& flag, bool open) {
    flag = open;
    c_.workflow.set_option_dialog_open(graphics_open_ || extra_open_);
}

void MenuWindows::show_graphics_display() {
    if (!graphics_) {
        graphics_ = new GraphicsDisplayDialog(
            c_.settings, c_.options, c_.prompter,
            {[this](bool use) { first_span_ei_chosen(use); }, c_.write_settings,
             [this](bool open) { option_window_open(graphics_open_, open); }},
            &c_.main_window);
    }
    graphics_->load();
    show_centred(*graphics_);
}

void MenuWindows::show_extra_output() {
    if (!extra_) {
        extra_ = new ExtraOutputDialog(
            c_.options, c_.prompter, [this](bool open) { option_window_open(extra_open_, open); },
            &c_.main_window);
    }
    extra_->load();
    show_centred(*extra_);
}

void MenuWindows::show_sections() {
    if (!sections_)
        sections_ = new SectionsWindow(c_.sections_file, c_.prompter, &c_.main_window);
    sections_->load();
    show_centred(*sections_);
}

// The combinations are part of the beam file: a list that comes back changed leaves the beam
// unsaved, one that comes back as it was changes nothing.
void MenuWindows::show_combinations() {
    if (combinations_ && combinations_->isVisible()) {
        show_centred(*combinations_);
        return;
    }
    // A closed window keeps nothing: the table starts again from the beam's list.
    delete combinations_.data();
    const auto accepted = [this](std::vector<Combination> combinations) {
        if (combinations == c_.beam.combinations)
            return;
        c_.beam.combinations = std::move(combinations);
        c_.workflow.set_save_state(SaveState::Unsaved);
    };
    combinations_ =
        new CombinationsDialog(c_.beam.combinations, c_.prompter, accepted, &c_.main_window);
    show_centred(*combinations_);
}

}  // namespace spanlyx
