#pragma once
// The File menu: New, Open, Save, Save As, and the question that protects unsaved work before
// New, Open and Exit. A save that fails is reported with the path and the reason and leaves the
// beam unsaved, so the question comes again; a file the reader refuses is reported and leaves
// the beam as New leaves it.

#include <QString>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "ui/workflow/actions.h"

class QWidget;

namespace spanlyx {

class EntryWorkflow;
struct AppServices;
struct Beam;
struct DataFolder;
struct FileState;

class FileCommands {
  public:
    struct Context {
        Beam& beam;
        EntryWorkflow& workflow;
        FileState& file;
        const DataFolder& folder;
        AppServices& services;
        QWidget& main_window;
        std::function<void(const Actions&)> apply;  // the entry workflow's answers
        std::function<void()> comments_replaced;    // the beam's comments changed all at once
    };

    explicit FileCommands(Context context);

    // What Save does when the Save As dialog of an untitled beam is cancelled.
    enum class UntitledCancel { WriteUntitled, GoBack };

    void new_beam();
    void open();
    // True when the beam was written.
    bool save(UntitledCancel on_cancel = UntitledCancel::WriteUntitled);
    bool save_as();
    // The save question (Yes, No, Cancel), asked when the beam changed since New, Open or the
    // last save. False when the caller must stop and leave the beam on the screen: Cancel, or a
    // Yes whose save was refused, cancelled or failed.
    bool settle_unsaved_work();

  private:
    bool calculated_or_refuse();
    void commit_edit();
    std::optional<std::filesystem::path> ask_save_path();
    // Makes `path` current with the caption that Save As gives it; writes; on failure the
    // earlier file stays current.
    bool save_to(const std::filesystem::path& path);
    bool write();
    void reset_to_new();
    void set_caption(const QString& blanks, const std::string& shown);
    void report(const std::string& text);
    void bring_back_main_window();

    Context c_;
};

}  // namespace spanlyx
