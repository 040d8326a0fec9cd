#pragma once
// `vmd`, the results window ("     SHEAR  -  MOMENT  -  DEFLECTION"): opened by a successful
// Calculate, it sweeps the beam under its progress window and shows the loading, shear, moment
// and deflection diagrams on one horizontal scale with the largest and smallest values, the
// read-out, the "Plot X" marks, the Copy menu, printing, and "Results". Leaving it writes the
// beam snapshot, closes the sample file and shows the main window again.

#include <QPointer>
#include <QWidget>
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "analysis/analysis_results.h"
#include "model/beam.h"
#include "model/settings.h"
#include "response/envelope.h"
#include "response/sample_file_reader.h"
#include "response/span_response.h"
#include "ui/diagram_pictures.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

namespace spanlyx {

class AnalysisSession;
class DiagramArea;
class ReadoutPanel;
class ResultsViewer;
class VmdHelpDialog;
struct AppServices;

class ResultsWindow final : public QWidget {
    Q_OBJECT
  public:
    // Over the last analysis of the session; `main_window` is hidden while this window is open
    // and owns the results viewers, which outlive it.
    ResultsWindow(AnalysisSession& session, const Settings& settings, std::string input_file_path,
                  AppServices& services, QWidget& main_window);
    ~ResultsWindow() override;

    // The sweep, then the first drawing; the buttons are enabled at the end.
    void start();

    // The window's commands, as its buttons and menu items run them.
    void draw();                    // " Draw "
    void plot_x();                  // "Plot X"
    void clear_x();                 // "Clr X"
    void show_help();               // "Help"
    void print();                   // "Print"
    void print_safe();              // "Print(safe)"
    ResultsViewer* show_results();  // "Results"
    // "Report": the calculation report as a PDF; the path written, if any.
    std::optional<std::filesystem::path> export_report();
    void copy(DiagramId id);  // the Copy menu
    void leave();             // "Return", and closing the window
    void pick(double x, double width);
    // What the diagrams, the side values and the read-out show: the beam as entered (none) or
    // one of its combinations' envelopes (an index into its list), as `showcase` chooses.
    void show_combination(std::optional<std::size_t> combination);
    std::optional<std::size_t> shown_combination() const { return shown_combination_; }

    DiagramArea& area(DiagramId id) const { return *areas_[static_cast<std::size_t>(id)]; }
    const PlotMarks& marks() const { return marks_; }
    const ResponseOutcome& response() const { return response_; }
    bool printing() const { return printing_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void build();
    QWidget* build_side_labels(DiagramId id);
    void fill_labels();
    // Draws the four pictures anew at the areas' sizes, then the marks over them.
    void redraw(const ProgressCallback& progress = {});
    void show_marks();
    void set_buttons_enabled(bool enabled);
    void set_white(bool white);
    void printer_failed();
    void show_error(const std::string& text);
    // The envelope shown, for the drawings; none for the beam as entered.
    std::optional<ShownEnvelope> shown_envelope() const;

    AnalysisSession& session_;
    Settings settings_;
    std::string input_file_path_;
    AppServices& services_;
    QWidget& main_window_;
    Beam beam_;
    AnalysisResults results_;
    ResponseOutcome response_;
    SampleFileReader reader_;
    SampleFileSource samples_{reader_};
    // The envelopes of the sweep, with the options they were worked out under.
    SessionOptions options_;
    std::vector<CombinationEnvelope> envelopes_;
    std::optional<std::size_t> shown_combination_;
    PlotMarks marks_;
    bool started_ = false;
    bool printing_ = false;
    bool left_ = false;
    bool draw_enabled_ = false;  // " Draw " once a "Print(safe)" has run

    std::array<DiagramArea*, 4> areas_{};
    std::array<QImage, 3> diagram_pictures_;  // without the marks
    DiagramTexts diagram_texts_;              // the texts on them, which the marks keep clear of
    std::array<QLabel*, 6> extreme_labels_{};
    std::array<QLabel*, 3> unit_labels_{};
    std::array<QWidget*, 4> letter_panels_{};
    QLabel* inertia_label_ = nullptr;
    QLabel* modulus_label_ = nullptr;
    ReadoutPanel* readout_ = nullptr;
    QLabel* show_caption_ = nullptr;
    QComboBox* show_case_ = nullptr;
    QPushButton* return_ = nullptr;
    QPushButton* draw_ = nullptr;
    QPushButton* results_button_ = nullptr;
    QPushButton* report_ = nullptr;
    QPushButton* print_safe_ = nullptr;
    QPushButton* print_ = nullptr;
    QTimer* redraw_timer_ = nullptr;
    QPointer<VmdHelpDialog> help_;
};

}  // namespace spanlyx
