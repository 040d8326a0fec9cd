#pragma once
// `dataentry`, the main window: the beam entered span by span through the entry workflow, the
// menus, the input sketch and "Calculate". The window holds the program's state for the run:
// the beam, the settings, the analysis session and the current file.

#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "model/beam.h"
#include "model/settings.h"
#include "session/analysis_session.h"
#include "ui/action_applier.h"
#include "ui/calculate_command.h"
#include "ui/control_map.h"
#include "ui/file_state.h"
#include "ui/workflow/entry_workflow.h"

namespace spanlyx {

class AboutDialog;
class EntryForm;
class EntryWiring;
class FileCommands;
class HelpWindow;
class InertiaChoiceDialog;
class MenuWindows;
struct AppServices;

// "Spanlyx:    version (8.8)", the start of every caption of the window.
QString title_prefix();

class MainWindow final : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow(AppServices& services, DataFolder folder, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The settings read at start-up: the unit system and the first-span E and I option.
    void apply_settings(const Settings& settings);
    void apply(const Actions& actions) { applier_.apply(actions); }

    const Beam& beam() const { return beam_; }
    const Settings& settings() const { return settings_; }
    const EntryWorkflow& workflow() const { return workflow_; }
    const FileState& file_state() const { return file_; }
    const AnalysisSession& session() const { return session_; }
    const ControlMap& controls() const { return controls_; }
    EntryForm& form() const { return *form_; }

    // Menu commands, also reached from the menu bar.
    void calculate();
    // File > "Export Report...": the calculation report of the last Calculate as a PDF.
    void export_report();
    void show_inertia_choice();
    void show_help();
    void show_about();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void set_current_file(const std::filesystem::path& path);
    void write_settings();
    void choose_inertia(Control option);
    void calculate_from_shortcut();
    // The File menu's commands and the windows of the Options and Sections menus
    // (main_window_files.cpp).
    void connect_file_commands();

    AppServices& services_;
    Beam beam_;
    Settings settings_;
    EntryWorkflow workflow_{beam_, settings_};
    AnalysisSession session_;
    FileState file_;
    std::string calculated_file_;  // the current file when the last Calculate analysed the beam
    ControlMap controls_;
    EntryForm* form_ = nullptr;
    ActionApplier applier_;
    EntryWiring* wiring_ = nullptr;
    CalculateCommand calculate_command_;
    QPointer<InertiaChoiceDialog> inertia_choice_;
    QPointer<HelpWindow> help_;
    QPointer<AboutDialog> about_;
    std::unique_ptr<MenuWindows> menu_windows_;
    std::unique_ptr<FileCommands> file_commands_;
};

}  // namespace spanlyx
