#pragma once
// The windows the Options and Sections menus open: comments, "Graphics Display", "Extra Ouput"
// and the sections list, each created on first use, kept for the run and shown modeless; and
// "Load Combinations", modal and made afresh from the beam each time it opens.

#include <QPointer>
#include <filesystem>
#include <functional>

#include "ui/workflow/actions.h"

class QWidget;

namespace spanlyx {

class CombinationsDialog;
class CommentsWindow;
class EntryWorkflow;
class ExtraOutputDialog;
class GraphicsDisplayDialog;
class Prompter;
class SectionsWindow;
struct Beam;
struct SessionOptions;
struct Settings;

class MenuWindows {
  public:
    struct Context {
        Beam& beam;
        Settings& settings;
        SessionOptions& options;
        EntryWorkflow& workflow;
        Prompter& prompter;
        std::filesystem::path sections_file;
        QWidget& main_window;                       // parent of every window
        std::function<void(const Actions&)> apply;  // the entry workflow's answers
        std::function<void()> write_settings;       // sx.ini, a failure reported
    };

    explicit MenuWindows(Context context);

    void show_comments();
    void show_graphics_display();
    void show_extra_output();
    void show_sections();
    void show_combinations();

    // The comments window, when it exists, shows the beam's comments again.
    void comments_replaced();

  private:
    void first_span_ei_chosen(bool use);
    // While either option window is open, the entry workflow knows it.
    void option_window_open(bool& flag, bool open);

    Context c_;
    QPointer<CommentsWindow> comments_;
    QPointer<GraphicsDisplayDialog> graphics_;
    QPointer<ExtraOutputDialog> extra_;
    QPointer<SectionsWindow> sections_;
    QPointer<CombinationsDialog> combinations_;
    bool graphics_open_ = false;
    bool extra_open_ = false;
};

}  // namespace spanlyx
