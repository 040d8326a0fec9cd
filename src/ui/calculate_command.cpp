#include "ui/calculate_command.h"

#include <QWidget>
#include <ctime>

#include "session/analysis_session.h"
#include "ui/app_services.h"
#include "ui/prompter.h"
#include "ui/results_window.h"

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

CalculateResult CalculateCommand::run(const Beam& beam, const Settings& settings,
                                      const std::string& current_file) {
    CalculateResult result;
    // A results window still open reads the sample file that this analysis will rewrite.
    if (window_)
        window_->close();
    const CalculateRun run = session_.calculate(beam, settings, current_file, local_now());
    for (const Message& message : run.outcome.messages)
        services_.prompter.show(message);
    result.focus = control_of(run.outcome.focus);
    if (run.file_error) {
        // Without its report pieces the results file would join the pieces of an earlier beam.
        show_error(*run.file_error);
        return result;
    }
    result.no_loads = run.outcome.status == CalculateStatus::NoLoads;
    if (run.outcome.status != CalculateStatus::Analysed)
        return result;

    window_ = new ResultsWindow(session_, settings, current_file, services_, owner_);
    owner_.hide();
    window_->show();
    window_->start();
    result.window = window_;
    return result;
}

}  // namespace spanlyx
