#include "ui/calculate_command.h"

#include <QCoreApplication>
#include <ctime>

#include "session/analysis_session.h"
#include "ui/app_services.h"
#include "ui/progress_window.h"
#include "ui/prompter.h"
#include "ui/results_viewer.h"
#include "ui/window_placement.h"

namespace spanlyx {
namespace {

std::tm local_now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

}  // namespace

CalculateCommand::CalculateCommand(AnalysisSession& session, AppServices& services, QWidget& owner)
    : session_(session), services_(services), owner_(owner) {}

void CalculateCommand::show_error(const std::string& text) {
    services_.prompter.show({text, std::string(kResponseTitle), MessageIcon::Critical});
}

void CalculateCommand::sweep(const Settings& settings) {
    ProgressWindow progress(&owner_);
    progress.adjustSize();
    centre_on_screen(progress);
    progress.show();
    // Let the window appear before the sweep holds the thread.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const ResponseOutcome& response =
        session_.respond(settings, [&progress](int percent) { progress.set_percent(percent); });
    progress.set_percent(100);
    progress.close();
    if (response.sample_file_error)
        show_error(*response.sample_file_error);
}

CalculateResult CalculateCommand::run(const Beam& beam, const Settings& settings,
                                      const std::string& current_file) {
    CalculateResult result;
    const CalculateRun run = session_.calculate(beam, settings, current_file, local_now());
    for (const Message& message : run.outcome.messages)
        services_.prompter.show(message);
    result.focus = control_of(run.outcome.focus);
    if (run.file_error) {
        // Without its report pieces the results file would join the pieces of an earlier beam.
        show_error(*run.file_error);
        return result;
    }
    if (run.outcome.status != CalculateStatus::Analysed)
        return result;

    sweep(settings);
    const ResultsFileOutcome joined = session_.assemble();
    if (joined.error)
        show_error(*joined.error);
    const QString title = QStringLiteral("Results - %1")
                              .arg(QString::fromStdString(session_.paths().results.string()));
    result.viewer =
        new ResultsViewer(joined.text, title, services_.prompter, services_.dialogs, &owner_);
    centre_on_screen(*result.viewer);
    result.viewer->show();
    return result;
}

}  // namespace spanlyx
