#pragma once
// "Calculate": the checks and the analysis with their messages in order, the report pieces,
// the sweep with its progress window, and the joined results file in a new results viewer.
// Earlier viewers stay open with their text.

#include <string>

#include "ui/workflow/controls.h"

class QWidget;

namespace spanlyx {

class AnalysisSession;
class ResultsViewer;
struct AppServices;
struct Beam;
struct Settings;

struct CalculateResult {
    Control focus = Control::none;    // the field to correct after a refused beam
    ResultsViewer* viewer = nullptr;  // the viewer opened, when the beam was analysed
};

class CalculateCommand {
  public:
    // Viewers and the progress window are children of `owner`.
    CalculateCommand(AnalysisSession& session, AppServices& services, QWidget& owner);

    CalculateResult run(const Beam& beam, const Settings& settings,
                        const std::string& current_file);

  private:
    void show_error(const std::string& text);
    void sweep(const Settings& settings);

    AnalysisSession& session_;
    AppServices& services_;
    QWidget& owner_;
};

}  // namespace spanlyx
