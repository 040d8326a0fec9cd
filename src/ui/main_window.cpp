#include "ui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStatusBar>

#include "storage/settings_file.h"
#include "ui/about_dialog.h"
#include "ui/app_services.h"
#include "ui/entry_form.h"
#include "ui/entry_wiring.h"
#include "ui/file_commands.h"
#include "ui/help_window.h"
#include "ui/inertia_choice_dialog.h"
#include "ui/keyboard_moves.h"
#include "ui/main_menus.h"
#include "ui/menu_windows.h"
#include "ui/prompter.h"
#include "ui/report_export.h"
#include "ui/sketch_view.h"
#include "ui/window_placement.h"

namespace spanlyx {
namespace {

constexpr Release kReleases[] = {Release::None, Release::Left, Release::Right, Release::Both};

QString text_of(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

void show_window(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace

QString title_prefix() {
    return QStringLiteral("Spanlyx:    version ") + text_of(kProgramVersion);
}

MainWindow::MainWindow(AppServices& services, DataFolder folder, QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      session_(std::move(folder)),
      applier_(controls_, services.prompter,
               {[this] { focus_next_input(*this); },
                [this](bool drawn) { form_->sketch()->set_drawn(drawn); },
                [this] { write_settings(); }}),
      calculate_command_(session_, services, *this) {
    setObjectName(QStringLiteral("dataentry"));
    form_ = new EntryForm(beam_, settings_, controls_, this);
    setCentralWidget(form_);
    build_main_menus(
        *this, controls_,
        {[this] { close(); }, [this] { export_report(); }, [this] { show_inertia_choice(); },
         [this](UnitSystem system) { apply(workflow_.unit_system_chosen(system)); },
         [this] { show_help(); }, [this] { show_about(); }});
    wiring_ = new EntryWiring(workflow_, applier_, controls_, this);
    connect_file_commands();

    auto* calculate_button = controls_.get<QPushButton>(Control::vm);
    connect(calculate_button, &QPushButton::clicked, this, &MainWindow::calculate);
    press_buttons_on_return(*this);
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return), this);
    connect(shortcut, &QShortcut::activated, this, &MainWindow::calculate_from_shortcut);

    set_current_file(session_.folder().untitled_beam());
    apply(workflow_.start_up());

    auto* release = controls_.get<QComboBox>(Control::Combo1);
    {
        const QSignalBlocker blocker(release);
        for (Release each : kReleases)
            release->addItem(text_of(release_text(each)));
        release->setCurrentIndex(-1);
        release->setEditText(QString());
    }
    // The window opens with the focus on the number of spans.
    controls_.get<QWidget>(Control::spans)->setFocus();
    apply(workflow_.field_entered(Control::spans));
    resize(sizeHint().expandedTo(QSize(1000, 720)));
}

MainWindow::~MainWindow() = default;

void MainWindow::set_current_file(const std::filesystem::path& path) {
    file_.current_file = path;
    file_.current_file_name = path.filename().string();
    setWindowTitle(title_prefix() + QStringLiteral("  Current File: ") +
                   QString::fromStdString(path.string()));
}

void MainWindow::apply_settings(const Settings& settings) {
    settings_ = settings;
    beam_.use_first_span_ei = settings.use_first_span_ei;
    if (settings.units != UnitSystem::E)
        apply(workflow_.unit_system_chosen(settings.units));
    if (settings.use_first_span_ei)
        apply({Action{ActionKind::SetChecked, Control::Check1, {}, true, {}}});
}

void MainWindow::write_settings() {
    settings_.units = beam_.units;
    settings_.use_first_span_ei = beam_.use_first_span_ei;
    if (auto error = sxini_write(settings_, session_.folder().folder)) {
        services_.prompter.show({*error, std::string(kResponseTitle), MessageIcon::Critical});
    }
}

void MainWindow::calculate() {
    file_.calculated_flag = "y";
    statusBar()->clearMessage();
    const CalculateResult result =
        calculate_command_.run(beam_, settings_, file_.current_file.string());
    // A beam without loads ends Calculate without a message box: the status line says why
    // nothing opened.
    if (result.no_loads)
        statusBar()->showMessage(tr("No loads to analyse: enter a load on at least one span."));
    // The report shows the beam of this Calculate, or nothing when it was not analysed.
    calculated_file_ = file_.current_file.string();
    if (auto* report = menuBar()->findChild<QAction*>(QStringLiteral("mnuExportReport")))
        report->setEnabled(result.window != nullptr && session_.response().has_value());
    if (auto* field = controls_.get<QWidget>(result.focus))
        field->setFocus(Qt::OtherFocusReason);
}

void MainWindow::export_report() {
    export_report_file(this, session_, settings_, calculated_file_, services_);
}

// Ctrl+Return: the field being typed in is left first, as a click on "Calculate" would leave it.
void MainWindow::calculate_from_shortcut() {
    auto* calculate_button = controls_.get<QPushButton>(Control::vm);
    if (!calculate_button->isEnabled())
        return;
    calculate_button->setFocus(Qt::ShortcutFocusReason);
    if (calculate_button->isEnabled() && calculate_button->hasFocus())
        calculate_button->click();
}

void MainWindow::choose_inertia(Control option) {
    apply(workflow_.inertia_option_chosen(option));
}

void MainWindow::show_inertia_choice() {
    if (!inertia_choice_) {
        inertia_choice_ =
            new InertiaChoiceDialog([this](Control option) { choose_inertia(option); }, this);
        controls_.bind(Control::Option1, inertia_choice_->section_option());
        controls_.bind(Control::Option2, inertia_choice_->typed_option());
    }
    inertia_choice_->select(workflow_.inertia_option());
    inertia_choice_->adjustSize();
    centre_on_screen(*inertia_choice_);
    show_window(*inertia_choice_);
}

void MainWindow::show_help() {
    if (!help_)
        help_ = new HelpWindow(this);
    show_window(*help_);
}

void MainWindow::show_about() {
    if (!about_)
        about_ = new AboutDialog(this);
    about_->adjustSize();
    centre_on_screen(*about_);
    show_window(*about_);
}

// Exit and the close box: the temporary report files go, then every window closes.
void MainWindow::closeEvent(QCloseEvent* event) {
    // A save asked for at exit that fails keeps the program open with the beam.
    if (!file_commands_->settle_unsaved_work()) {
        event->ignore();
        return;
    }
    for (const std::string& text : session_.remove_temporary_files())
        services_.prompter.show({text, std::string(kResponseTitle), MessageIcon::Information});
    // Only this program's own windows, all of which descend from this one. The application's
    // top-level list would also hold the windows of another main window in the same process
    // (taking its results away, or even closing it and its temporary files), in an order that
    // changes from run to run.
    QList<QPointer<QWidget>> owned;
    for (QWidget* child : findChildren<QWidget*>()) {
        if (child->isWindow())
            owned.append(child);
    }
    for (const QPointer<QWidget>& window : owned) {
        if (window && window->isVisible())
            window->close();
    }
    event->accept();
}

}  // namespace spanlyx
