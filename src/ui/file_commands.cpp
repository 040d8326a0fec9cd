#include "ui/file_commands.h"

#include <QWidget>

#include "model/beam.h"
#include "storage/beam_file.h"
#include "storage/data_folder.h"
#include "ui/app_services.h"
#include "ui/file_dialogs.h"
#include "ui/file_state.h"
#include "ui/main_window.h"
#include "ui/prompter.h"
#include "ui/workflow/controls.h"
#include "ui/workflow/entry_workflow.h"

namespace spanlyx {
namespace {

namespace fs = std::filesystem;

const QString kFilter = QStringLiteral("CB Files (*.cb)");
const QString kSuffix = QStringLiteral("cb");

fs::path to_path(const QString& path) {
    return fs::path(path.toStdString());
}

}  // namespace

FileCommands::FileCommands(Context context) : c_(std::move(context)) {}

void FileCommands::report(const std::string& text) {
    c_.services.prompter.show({text, std::string(kResponseTitle), MessageIcon::Information});
}

void FileCommands::set_caption(const QString& blanks, const std::string& shown) {
    c_.main_window.setWindowTitle(title_prefix() + blanks + QStringLiteral("Current File: ") +
                                  QString::fromStdString(shown));
}

void FileCommands::bring_back_main_window() {
    c_.main_window.show();
    c_.main_window.raise();
    c_.main_window.activateWindow();
}

bool FileCommands::calculated_or_refuse() {
    if (c_.file.calculated_flag == "y")
        return true;
    report("You Must Calculate Input Before Saving It");
    c_.apply({Action{ActionKind::Focus, Control::spans, {}, false, {}}});
    return false;
}

// The beam counts as changed from its first edit after New, Open or Save, calculated or not.
// Cancel (and Escape) goes back to the beam; so does a Yes whose save does not happen.
bool FileCommands::settle_unsaved_work() {
    // Typing marks the beam changed at once; the field being typed in is then left so that its
    // value is stored before it is saved.
    if (c_.workflow.save_state() != SaveState::Unsaved)
        return true;
    commit_edit();
    const Message question{"Do you want to save file " + c_.file.current_file.string(),
                           std::string(kProgramTitle), MessageIcon::Question};
    switch (c_.services.prompter.show(question, PromptButtons::YesNoCancel)) {
        case PromptAnswer::Yes:
            return save(UntitledCancel::GoBack);
        case PromptAnswer::No:
            c_.workflow.set_save_state(SaveState::Unsaved);
            return true;
        case PromptAnswer::Ok:
        case PromptAnswer::Cancel:
            break;
    }
    return false;
}

std::optional<fs::path> FileCommands::ask_save_path() {
    const std::optional<QString> chosen =
        c_.services.dialogs.save_path(&c_.main_window, QStringLiteral("Save As"), kFilter, kSuffix);
    if (!chosen || chosen->isEmpty())
        return std::nullopt;
    return to_path(*chosen);
}

// An untitled beam is named through Save As first. When File > Save's dialog is cancelled the
// beam is still written, to the untitled file in the data folder; when the save question's is,
// nothing is written and the engineer is back at the beam.
bool FileCommands::save(UntitledCancel on_cancel) {
    if (!calculated_or_refuse())
        return false;
    commit_edit();
    if (c_.file.current_file == c_.folder.untitled_beam()) {
        if (const std::optional<fs::path> path = ask_save_path())
            return save_to(*path);
        if (on_cancel == UntitledCancel::GoBack)
            return false;
    }
    return write();
}

bool FileCommands::save_as() {
    if (!calculated_or_refuse())
        return false;
    commit_edit();
    const std::optional<fs::path> path = ask_save_path();
    return path && save_to(*path);
}

bool FileCommands::save_to(const fs::path& path) {
    const FileState earlier = c_.file;
    c_.file.current_file = path;
    c_.file.current_file_name = path.filename().string();
    set_caption(QStringLiteral("   "), c_.file.current_file_name);
    if (write())
        return true;
    c_.file = earlier;
    set_caption(QStringLiteral("  "), c_.file.current_file.string());
    return false;
}

// The file is written beside its target and renamed over it: a failed save leaves the last
// good file as it was, and the beam stays unsaved.
bool FileCommands::write() {
    c_.workflow.set_save_state(SaveState::Saved);
    if (const std::optional<std::string> error = write_beam_file(c_.beam, c_.file.current_file)) {
        c_.workflow.set_save_state(SaveState::Unsaved);
        c_.services.prompter.show({"The beam was not saved. " + *error, std::string(kResponseTitle),
                                   MessageIcon::Critical});
        return false;
    }
    return true;
}

// A field stores its value when it is left. A menu command does not take the focus, so the field
// being typed in is left first: what the engineer sees is what is saved.
void FileCommands::commit_edit() {
    QWidget* focus = c_.main_window.focusWidget();
    if (focus == nullptr)
        return;
    if (focus->hasFocus()) {
        focus->clearFocus();
        return;
    }
    // The main window is not the active one: its field lost the keyboard to another window
    // without being left, so its leave rule runs here.
    const std::optional<Control> control = control_from_name(focus->objectName().toStdString());
    if (control && is_text_field(*control))
        c_.apply(c_.workflow.field_left(*control));
}

void FileCommands::reset_to_new() {
    c_.file.current_file = c_.folder.untitled_beam();
    c_.file.current_file_name = c_.file.current_file.filename().string();
    set_caption(QStringLiteral("  "), c_.file.current_file.string());
    c_.file.calculated_flag = "n";
    c_.apply(c_.workflow.reset());
    c_.workflow.set_save_state(SaveState::Unset);
    c_.comments_replaced();
}

void FileCommands::new_beam() {
    if (settle_unsaved_work())
        reset_to_new();
}

void FileCommands::open() {
    if (!settle_unsaved_work())
        return;
    const std::optional<QString> chosen =
        c_.services.dialogs.open_path(&c_.main_window, QStringLiteral("Open"), kFilter);
    if (!chosen || chosen->isEmpty())
        return;
    const fs::path path = to_path(*chosen);
    BeamReadResult read = read_beam_file(path);
    reset_to_new();
    if (!read.beam) {
        report(read.message);
        bring_back_main_window();
        return;
    }

    // The first-span E and I option is a preference, not part of the file.
    read.beam->use_first_span_ei = c_.beam.use_first_span_ei;
    c_.beam = std::move(*read.beam);
    c_.file.current_file = path;
    c_.file.current_file_name = path.filename().string();
    set_caption(QStringLiteral("  "), c_.file.current_file_name);
    // The beam as read: nothing to save until its first edit.
    c_.apply(c_.workflow.show_beam_after_open());
    c_.comments_replaced();
    bring_back_main_window();
}

}  // namespace spanlyx
