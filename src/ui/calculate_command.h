#pragma once
// "Calculate": the checks and the analysis with their messages in order and the report pieces;
// an analysed beam opens the results window, which sweeps it and draws its diagrams, while the
// main window waits hidden.

#include <QPointer>
#include <string>

#include "ui/workflow/controls.h"

class QWidget;

namespace spanlyx {

class AnalysisSession;
class ResultsWindow;
struct AppServices;
struct Beam;
struct Settings;

struct CalculateResult {
    Control focus = Control::none;    // the field to correct after a refused beam
    ResultsWindow* window = nullptr;  // the results window opened, when the beam was analysed
    bool no_loads = false;            // nothing was analysed: no span carries a load
};

class CalculateCommand {
  public:
    // The results window belongs to `owner`, the main window, which it hides while it is open.
    CalculateCommand(AnalysisSession& session, AppServices& services, QWidget& owner);

    CalculateResult run(const Beam& beam, const Settings& settings,
                        const std::string& current_file);

  private:
    void show_error(const std::string& text);

    AnalysisSession& session_;
    AppServices& services_;
    QWidget& owner_;
    QPointer<ResultsWindow> window_;
};

}  // namespace spanlyx
