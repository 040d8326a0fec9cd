#include "ui/results_window.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>
#include <ctime>

#include "graphics/envelope_diagrams.h"
#include "graphics/readout.h"
#include "graphics/results_labels.h"
#include "model/message.h"
#include "session/analysis_session.h"
#include "storage/beam_file.h"
#include "storage/file_io.h"
#include "ui/app_services.h"
#include "ui/busy_cursor.h"
#include "ui/diagram_area.h"
#include "ui/keyboard_moves.h"
#include "ui/progress_window.h"
#include "ui/prompter.h"
#include "ui/readout_panel.h"
#include "ui/report_export.h"
#include "ui/results_print.h"
#include "ui/results_viewer.h"
#include "ui/text_encoding.h"
#include "ui/vmd_help_dialog.h"
#include "ui/window_placement.h"

namespace spanlyx {
namespace {

constexpr auto kCaption = "     SHEAR  -  MOMENT  -  DEFLECTION";
constexpr auto kPrinterFailure = "Printer cannot be found - canceling print";
// A resize is drawn once the engineer has stopped dragging for this long.
constexpr int kRedrawDelayMs = 60;

const char* copied_message(DiagramId id) {
    switch (id) {
        case DiagramId::Loading:
            return "Loading Diagram Copied to ClipBoard!";
        case DiagramId::Shear:
            return "Shear Diagram Copied to ClipBoard!";
        case DiagramId::Moment:
            return "Moment Diagram Copied to ClipBoard!";
        case DiagramId::Deflection:
            return "Deflection Diagram Copied to ClipBoard!";
    }
    return "";
}

std::tm local_now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

QColor qt_colour(Rgb colour) {
    return {colour.red, colour.green, colour.blue};
}

}  // namespace

ResultsWindow::ResultsWindow(AnalysisSession& session, const Settings& settings,
                             std::string input_file_path, AppServices& services,
                             QWidget& main_window)
    : QWidget(&main_window, Qt::Window),
      session_(session),
      settings_(settings),
      input_file_path_(std::move(input_file_path)),
      services_(services),
      main_window_(main_window),
      beam_(session.analysed_beam()),
      results_(*session.analysis().results) {
    setObjectName(QStringLiteral("vmd"));
    setWindowTitle(QString::fromLatin1(kCaption));
    setAttribute(Qt::WA_DeleteOnClose);
    redraw_timer_ = new QTimer(this);
    redraw_timer_->setSingleShot(true);
    redraw_timer_->setInterval(kRedrawDelayMs);
    connect(redraw_timer_, &QTimer::timeout, this, [this] {
        const bool all_fit = std::all_of(areas_.begin(), areas_.end(), [](const DiagramArea* each) {
            return each->picture_fits();
        });
        if (started_ && !printing_ && !all_fit)
            redraw();
    });
    build();
    press_buttons_on_return(*this);
    set_buttons_enabled(false);
    set_white(false);
    // The units and a one-span beam's E and I are known before the sweep; its values are not.
    fill_labels();
    for (QLabel* value : extreme_labels_)
        value->clear();
    adjustSize();
    centre_on_screen(*this);
}

ResultsWindow::~ResultsWindow() = default;

void ResultsWindow::start() {
    ProgressWindow progress(this);
    progress.set_status(QStringLiteral("Calculating....."));
    progress.adjustSize();
    centre_on_screen(progress);
    progress.show();
    // Let both windows appear before the sweep holds the thread.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const BusyCursor hourglass;
    const auto show_percent = [&progress](int percent) { progress.set_percent(percent); };
    response_ = session_.respond(settings_, show_percent);
    options_ = session_.options();
    envelopes_ = session_.envelopes();
    if (shown_combination_ && *shown_combination_ >= envelopes_.size())
        shown_combination_.reset();
    std::optional<std::string> error = response_.sample_file_error;
    if (!error)
        error = reader_.open(session_.paths().samples);
    marks_.reset();
    fill_labels();

    progress.set_status(QStringLiteral("Drawing Diagrams....."));
    started_ = true;
    redraw(show_percent);
    progress.hide();
    set_buttons_enabled(true);
    // " Draw " is offered once a "Print(safe)" has run.
    draw_->setEnabled(draw_enabled_);
    if (error)
        show_error(*error);
}

void ResultsWindow::fill_labels() {
    const auto shown = shown_envelope();
    const ExtremeLabelTexts texts = extreme_label_texts(
        shown ? envelope_beam_extremes(shown->envelope) : response_.beam_extremes, beam_.units);
    const std::string* values[] = {&texts.shear_max,  &texts.shear_min,      &texts.moment_max,
                                   &texts.moment_min, &texts.deflection_max, &texts.deflection_min};
    for (std::size_t i = 0; i < extreme_labels_.size(); ++i)
        extreme_labels_[i]->setText(decode_text(*values[i]));
    const DiagramUnitLabels& units = diagram_unit_labels(beam_.units);
    unit_labels_[0]->setText(decode_text(units.shear));
    unit_labels_[1]->setText(decode_text(units.moment));
    unit_labels_[2]->setText(decode_text(units.deflection));
    const auto single = single_span_texts(beam_);
    inertia_label_->setVisible(single.has_value());
    modulus_label_->setVisible(single.has_value());
    if (single) {
        inertia_label_->setText(decode_text(single->inertia));
        modulus_label_->setText(decode_text(single->modulus));
    }
}

void ResultsWindow::redraw(const ProgressCallback& progress) {
    redraw_timer_->stop();
    const auto envelope = shown_envelope();
    const PictureInput input{beam_,     results_,  response_,
                             settings_, printing_, envelope ? &*envelope : nullptr};
    const double ratio = devicePixelRatioF();
    auto size_of = [](const DiagramArea& shown) {
        return shown.size().isEmpty() ? shown.sizeHint() : shown.size();
    };
    QImage loading = blank_picture(size_of(area(DiagramId::Loading)), ratio, input);
    paint_loading(loading, input);
    area(DiagramId::Loading).set_picture(std::move(loading));
    for (std::size_t i = 0; i < diagram_pictures_.size(); ++i)
        diagram_pictures_[i] = blank_picture(size_of(*areas_[i + 1]), ratio, input);
    diagram_texts_ = {};
    if (reader_.count() > 0 || envelope) {
        diagram_texts_ =
            paint_diagrams({&diagram_pictures_[0], &diagram_pictures_[1], &diagram_pictures_[2]},
                           input, samples_, progress);
    }
    show_marks();
}

void ResultsWindow::show_marks() {
    std::array<QImage, 3> pictures = diagram_pictures_;
    const auto shown = shown_envelope();
    const PictureInput input{beam_,     results_,  response_,
                             settings_, printing_, shown ? &*shown : nullptr};
    paint_marks({&pictures[0], &pictures[1], &pictures[2]}, input, marks_, diagram_texts_);
    for (std::size_t i = 0; i < pictures.size(); ++i)
        areas_[i + 1]->set_picture(std::move(pictures[i]));
}

void ResultsWindow::draw() {
    const BusyCursor hourglass;
    redraw();
}

void ResultsWindow::plot_x() {
    const BusyCursor hourglass;
    if (!marks_.plot(readout_->shown())) {
        services_.prompter.show({"All 90 places for values on the diagrams are used.",
                                 std::string(kResponseTitle), MessageIcon::Information});
        return;
    }
    show_marks();
}

void ResultsWindow::clear_x() {
    const BusyCursor hourglass;
    marks_.clear_last();
    redraw();
}

void ResultsWindow::show_help() {
    if (!help_)
        help_ = new VmdHelpDialog(this);
    help_->adjustSize();
    centre_on_screen(*help_);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void ResultsWindow::pick(double x, double width) {
    const BusyCursor hourglass;
    const long long position = picked_position(x, width, beam_.total_length());
    if (shown_combination_) {
        const EnvelopeChoice choice{beam_, options_, *shown_combination_};
        readout_->show_picked(
            look_up_envelope_picked(choice, position, settings_.patterns(), beam_.units));
        return;
    }
    readout_->show_picked(look_up_picked(samples_, position, settings_.patterns(), beam_.units));
}

std::optional<ShownEnvelope> ResultsWindow::shown_envelope() const {
    if (!shown_combination_ || *shown_combination_ >= envelopes_.size())
        return std::nullopt;
    return ShownEnvelope{options_, *shown_combination_, envelopes_[*shown_combination_]};
}

void ResultsWindow::show_combination(std::optional<std::size_t> combination) {
    if (combination && *combination >= beam_.combinations.size())
        combination.reset();
    shown_combination_ = combination;
    {
        const QSignalBlocker quiet(show_case_);
        show_case_->setCurrentIndex(combination ? static_cast<int>(*combination) + 1 : 0);
    }
    // The "Plot X" marks are values of the beam as entered: they wait while an envelope shows.
    readout_->set_envelope_mode(combination.has_value());
    readout_->plot_button()->setEnabled(!combination);
    readout_->clear_button()->setEnabled(!combination);
    if (!started_)
        return;
    const BusyCursor hourglass;
    fill_labels();
    redraw();
}

void ResultsWindow::set_buttons_enabled(bool enabled) {
    for (QPushButton* each : {results_button_, report_, print_safe_, return_, draw_, print_})
        each->setEnabled(enabled);
    show_case_->setEnabled(enabled);
}

void ResultsWindow::set_white(bool white) {
    const QColor areas = qt_colour(diagram_background(settings_, white));
    for (QWidget* panel : letter_panels_) {
        QPalette colours = panel->palette();
        colours.setColor(QPalette::Window, areas);
        panel->setPalette(colours);
    }
    for (DiagramArea* each : areas_)
        each->set_background(areas);
    // On paper the whole window is white.
    setAutoFillBackground(white);
    QPalette window_colours = palette();
    window_colours.setColor(
        QPalette::Window, white ? QColor(Qt::white) : QGuiApplication::palette().window().color());
    setPalette(window_colours);
}

void ResultsWindow::print() {
    const BusyCursor hourglass;
    set_buttons_enabled(false);
    printing_ = true;
    bool failed = false;
    if (auto printer = choose_printer(this, services_.dialogs, QPageLayout::Portrait)) {
        const NumberPatterns patterns = settings_.patterns();
        std::optional<EnvelopeSetup> envelope;
        if (const auto shown = shown_envelope()) {
            envelope.emplace(EnvelopeSetup{beam_, options_, shown->combination, shown->envelope,
                                           patterns, true});
        }
        const PageInput page{
            beam_,  results_,         response_,   settings_,
            marks_, input_file_path_, local_now(), envelope ? &*envelope : nullptr};
        failed = !print_results_page(*printer, page, samples_);
    }
    printing_ = false;
    set_buttons_enabled(true);
    draw_->setEnabled(draw_enabled_);
    if (failed)
        printer_failed();
}

void ResultsWindow::print_safe() {
    const BusyCursor hourglass;
    set_buttons_enabled(false);
    printing_ = true;
    bool failed = false;
    // The diagrams are drawn afresh onto the page, on white with black curves: the page holds
    // lines and text, not a picture of the screen, and the window keeps its colours.
    if (auto printer = choose_printer(this, services_.dialogs, QPageLayout::Landscape)) {
        const PictureInput input{beam_, results_, response_, settings_, true};
        failed = !print_diagrams(*printer, input, marks_, samples_);
    }
    printing_ = false;
    set_buttons_enabled(true);
    draw_enabled_ = true;
    if (failed)
        printer_failed();
}

void ResultsWindow::printer_failed() {
    services_.prompter.show(
        {kPrinterFailure, std::string(kResponseTitle), MessageIcon::Information});
}

ResultsViewer* ResultsWindow::show_results() {
    const ResultsFileOutcome joined = session_.assemble();
    if (joined.error)
        show_error(*joined.error);
    // A piece that could not be read leaves nothing to show.
    if (joined.error && joined.text.empty())
        return nullptr;
    const QString title = QStringLiteral("Results - %1")
                              .arg(QString::fromStdString(session_.paths().results.string()));
    // The viewer belongs to the main window: it stays open after this window is left.
    auto* viewer =
        new ResultsViewer(joined.text, title, services_.prompter, services_.dialogs, &main_window_);
    centre_on_screen(*viewer);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

std::optional<std::filesystem::path> ResultsWindow::export_report() {
    return export_report_file(this, session_, settings_, input_file_path_, services_);
}

void ResultsWindow::copy(DiagramId id) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    // The area as it is shown, at its size on the screen.
    clipboard->setImage(area(id).grab().toImage());
    services_.prompter.show({copied_message(id), std::string(kProgramTitle), MessageIcon::None});
}

void ResultsWindow::leave() {
    if (left_)
        return;
    left_ = true;
    redraw_timer_->stop();
    reader_.close();
    const auto snapshot = session_.folder().snapshot_file();
    if (auto error = write_file_atomically(snapshot, format_beam_snapshot(beam_)))
        show_error(*error);
    main_window_.show();
    main_window_.raise();
    main_window_.activateWindow();
}

void ResultsWindow::closeEvent(QCloseEvent* event) {
    if (printing_) {
        event->ignore();
        return;
    }
    leave();
    event->accept();
}

void ResultsWindow::show_error(const std::string& text) {
    services_.prompter.show({text, std::string(kResponseTitle), MessageIcon::Critical});
}

}  // namespace spanlyx
