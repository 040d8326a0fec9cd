#include "batch/batch_tool.h"

#include <cstdlib>
#include <ctime>
#include <iostream>
#include <string>
#include <vector>

#include "analysis/calculate.h"
#include "batch/batch_json.h"
#include "batch/batch_options.h"
#include "batch/diagrams_output.h"
#include "batch/output_file.h"
#include "batch/report_output.h"
#include "batch/samples_csv.h"
#include "batch/scratch_folder.h"
#include "batch/signal_cleanup.h"
#include "model/message.h"
#include "model/number_text.h"
#include "report/calculation_report.h"
#include "session/analysis_session.h"
#include "storage/beam_file.h"
#include "storage/beam_json.h"
#include "storage/data_folder.h"
#include "storage/file_io.h"
#include "storage/settings_file.h"

namespace spanlyx {
namespace {

void tell(std::string_view text) {
    std::cerr << text << '\n';
}

// Decimals and options: from --settings, else the user's sx.ini when it exists, else the values
// a new settings file starts with. The user's files are only read, never created or changed.
std::optional<Settings> load_settings(const BatchOptions& options) {
    std::filesystem::path path = options.settings_path;
    if (path.empty()) {
        const std::filesystem::path user = default_data_folder() / "sx.ini";
        std::error_code ec;
        if (std::filesystem::is_regular_file(user, ec))
            path = user;
    }
    if (path.empty())
        return parse_settings(default_settings_text()).settings;
    std::string text;
    if (const auto error = read_whole_file(path, text)) {
        tell(*error);
        return std::nullopt;
    }
    SettingsReadOutcome read = parse_settings(text);
    if (read.corruption) {
        tell(read.corruption->text);
        return std::nullopt;
    }
    return read.settings;
}

// The time of the title block; SOURCE_DATE_EPOCH makes outputs reproducible.
std::tm report_time() {
    return report_clock().when;
}

bool emit(const BatchOptions& options, const std::string& text) {
    if (options.output_path.empty()) {
        std::cout << text;
        std::cout.flush();
        return static_cast<bool>(std::cout);
    }
    if (const auto error = write_output_file(options.output_path, text)) {
        tell(*error);
        return false;
    }
    return true;
}

int status_exit_code(CalculateStatus status) {
    switch (status) {
        case CalculateStatus::Analysed:
            return kExitAnalysed;
        case CalculateStatus::Unstable:
            return kExitUnstable;
        case CalculateStatus::NoLoads:
        case CalculateStatus::BeamRejected:
        case CalculateStatus::LoadRejected:
        case CalculateStatus::SectionRejected:
            return kExitRefused;
    }
    return kExitRefused;
}

}  // namespace

int run_batch_tool(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const BatchOptionsOutcome parsed = parse_batch_options(arguments);
    if (!parsed.error.empty()) {
        std::cerr << "spanlyx-report: " << parsed.error << "\n\n" << batch_usage_text();
        return kExitUsage;
    }
    const BatchOptions& options = parsed.options;
    if (options.help) {
        std::cout << batch_usage_text();
        return kExitAnalysed;
    }
    if (options.version) {
        std::cout << "spanlyx-report " << kProgramVersion << '\n';
        return kExitAnalysed;
    }

    if (!options.diagrams_path.empty() && !diagrams_available()) {
        std::cerr << "spanlyx-report: --diagrams is not available: this spanlyx-report was built "
                     "without the window program\n";
        return kExitUsage;
    }

    if (!options.report_path.empty() && !report_available()) {
        std::cerr << "spanlyx-report: --report is not available: this spanlyx-report was built "
                     "without the window program\n";
        return kExitUsage;
    }

    // From here on an interrupted run removes what it has written that is not finished.
    signal_cleanup::install();

    const std::optional<Settings> settings = load_settings(options);
    if (!settings)
        return kExitRefused;

    // A .cb file or a JSON beam, chosen by content.
    const BeamReadResult read = read_beam_document(options.beam_path);
    if (!read.beam) {
        tell(read.message);
        return kExitRefused;
    }
    const Beam& beam = *read.beam;
    // A combination to draw is looked for before any analysis, so nothing is written for it.
    std::optional<std::size_t> envelope;
    if (options.envelope) {
        const CombinationChoice choice = find_combination(beam, *options.envelope);
        if (!choice.index) {
            tell(choice.error);
            return kExitRefused;
        }
        envelope = choice.index;
    }
    if (!options.export_json_path.empty()) {
        if (const auto reason = json_cannot_hold(beam)) {
            tell(*reason);
            return kExitRefused;
        }
        const std::string text = format_beam_json(beam);
        if (options.export_json_path == "-") {
            std::cout << text;
            std::cout.flush();
            return std::cout ? kExitAnalysed : kExitCannotWrite;
        }
        if (const auto error = write_file_atomically(options.export_json_path, text)) {
            tell(*error);
            return kExitCannotWrite;
        }
        return kExitAnalysed;
    }

    // The report pieces, the sample file and the results file go to a private folder, as the
    // window keeps them in its data folder.
    ScratchFolder scratch;
    if (!scratch.ok()) {
        tell(scratch.error());
        return kExitCannotWrite;
    }
    AnalysisSession session(DataFolder{scratch.path(), login_name()});
    session.options().detailed_output = options.detailed;
    session.options().interval_wanted = options.interval.has_value();
    session.options().interval_step = options.interval.value_or(0);
    session.options().specific_wanted = options.at.has_value();
    session.options().specific_x = options.at.value_or(0);
    // The residual option is not kept in sx.ini: without an override the tool takes the
    // window's setting at start-up, so that both write the same results file.
    if (options.zero_residual)
        session.options().zero_residual = *options.zero_residual;

    std::error_code ec;
    const std::string input_path = std::filesystem::absolute(options.beam_path, ec).string();
    const CalculateRun run = session.calculate(beam, *settings, input_path, report_time());
    const CalculateOutcome& outcome = run.outcome;
    if (outcome.status == CalculateStatus::NoLoads) {
        tell("The beam carries no loads: there is nothing to analyse.");
    }
    for (const Message& message : outcome.messages)
        tell(message.text);
    if (outcome.status != CalculateStatus::Analysed) {
        if (options.json && !emit(options, analysis_json(beam, outcome).dump(2) + "\n"))
            return kExitCannotWrite;
        return status_exit_code(outcome.status);
    }
    if (run.file_error) {
        tell(*run.file_error);
        return kExitCannotWrite;
    }

    const ResponseOutcome& response = session.respond(*settings);
    if (response.sample_file_error) {
        tell(*response.sample_file_error);
        return kExitCannotWrite;
    }
    if (!options.samples_csv_path.empty()) {
        if (auto error =
                write_samples_csv(session.paths().samples, beam.units, options.samples_csv_path)) {
            tell(*error);
            return kExitCannotWrite;
        }
    }
    if (!options.diagrams_path.empty()) {
        if (auto error = write_diagrams(session, *settings, options.diagrams_path,
                                        options.diagrams_format, envelope)) {
            tell(*error);
            return kExitCannotWrite;
        }
    }
    if (!options.report_path.empty()) {
        const Paper paper =
            options.paper.empty() ? default_paper(beam.units) : parse_paper(options.paper).value();
        if (auto error = write_report(session, *settings, input_path, options.report_path, paper)) {
            tell(*error);
            return kExitCannotWrite;
        }
    }
    if (options.json) {
        nlohmann::json doc = analysis_json(beam, outcome);
        add_response_json(doc, beam, response);
        add_envelopes_json(doc, beam, session.envelopes());
        return emit(options, doc.dump(2) + "\n") ? kExitAnalysed : kExitCannotWrite;
    }
    const ResultsFileOutcome results = session.assemble();
    if (results.error) {
        tell(*results.error);
        return kExitCannotWrite;
    }
    return emit(options, results.text) ? kExitAnalysed : kExitCannotWrite;
}

}  // namespace spanlyx
