#include "session/analysis_session.h"

#include <cassert>
#include <system_error>

#include "report/envelope_section.h"
#include "report/results_file.h"
#include "storage/file_io.h"

namespace spanlyx {
namespace {

// A piece is this run's own output, bounded by the analysis, so no size limit applies.
std::optional<std::string> read_piece(const std::filesystem::path& path, std::string& text) {
    return read_whole_file(path, text, kNoReadLimit);
}

}  // namespace

AnalysisSession::AnalysisSession(DataFolder folder) : folder_(std::move(folder)) {}

TempFilePaths AnalysisSession::paths() const {
    if (!instance_)
        return {};
    return temp_file_paths(instance_->path(), folder_.login);
}

std::optional<std::string> AnalysisSession::claim_instance_folder() {
    if (instance_)
        return std::nullopt;
    std::string error;
    instance_ = InstanceFolder::claim(folder_.folder, error);
    if (!instance_)
        return error;
    return std::nullopt;
}

void AnalysisSession::remove_pieces_after_report() {
    const TempFilePaths p = paths();
    std::error_code ignored;  // a piece that stays cannot be joined: its step rewrites it first
    for (const auto* path : {&p.extremes, &p.extra, &p.results, &p.samples})
        std::filesystem::remove(*path, ignored);
}

CalculateRun AnalysisSession::calculate(const Beam& beam, const Settings& settings,
                                        const std::string& current_file, const std::tm& when) {
    CalculateRun run{spanlyx::calculate(beam), {}};
    if (!run.outcome.model || !run.outcome.results)
        return run;
    if (auto error = claim_instance_folder()) {
        run.file_error = std::move(error);
        return run;
    }

    ReportContext context;
    context.input_file_path = current_file;
    context.when = when;
    context.patterns = settings.patterns();
    const ReportPieces pieces =
        write_report_pieces(beam, *run.outcome.model, *run.outcome.results, context);
    response_.reset();
    envelopes_.clear();
    envelope_text_.clear();
    analysed_.reset();
    remove_pieces_after_report();
    const TempFilePaths p = paths();
    if (auto error = write_file_atomically(p.detailed, pieces.detailed)) {
        run.file_error = std::move(error);
    } else if (auto brief_error = write_file_atomically(p.brief, pieces.brief)) {
        run.file_error = std::move(brief_error);
    }

    if (run.outcome.status == CalculateStatus::Analysed)
        analysed_ = Analysed{beam, run.outcome};
    return run;
}

const ResponseOutcome& AnalysisSession::respond(const Settings& settings,
                                                const ProgressCallback& progress) {
    assert(analysed_ && instance_ && "the sweep needs an analysed beam");
    const TempFilePaths p = paths();
    response_ =
        compute_response(analysed_->beam, *analysed_->outcome.model, *analysed_->outcome.results,
                         settings.patterns(), options_, p.samples, progress);
    std::optional<std::string> error = write_file_atomically(p.extremes, response_->extremes_text);
    if (response_->extra_text) {
        auto extra_error = write_file_atomically(p.extra, *response_->extra_text);
        if (!error)
            error = std::move(extra_error);
    } else {
        // An extra piece of an earlier sweep must not be joined to this one.
        std::error_code ignored;
        std::filesystem::remove(p.extra, ignored);
    }
    if (error && !response_->sample_file_error)
        response_->sample_file_error = std::move(error);
    envelopes_ = compute_envelopes(analysed_->beam, options_);
    envelope_text_ = envelope_section(envelopes_, analysed_->beam.units, settings.patterns());
    return *response_;
}

ResultsFileOutcome AnalysisSession::assemble() {
    ResultsFileOutcome outcome;
    if (!instance_) {
        outcome.error = "There are no results to join: no beam has been calculated.";
        return outcome;
    }
    const TempFilePaths p = paths();
    std::string report;
    std::string extremes;
    std::optional<std::string> extra;
    if (auto error = read_piece(options_.detailed_output ? p.detailed : p.brief, report)) {
        outcome.error = std::move(error);
        return outcome;
    }
    if (auto error = read_piece(p.extremes, extremes)) {
        outcome.error = std::move(error);
        return outcome;
    }
    if (options_.interval_wanted || options_.specific_wanted) {
        extra.emplace();
        if (auto error = read_piece(p.extra, *extra)) {
            outcome.error = std::move(error);
            return outcome;
        }
    }
    outcome.text = join_results(report, extremes, extra, envelope_text_);
    outcome.error = write_file_atomically(p.results, outcome.text);
    return outcome;
}

std::vector<std::string> AnalysisSession::remove_temporary_files() {
    std::vector<std::string> errors;
    if (instance_) {
        errors = instance_->release();
        instance_.reset();
    }
    response_.reset();
    envelopes_.clear();
    envelope_text_.clear();
    analysed_.reset();
    return errors;
}

}  // namespace spanlyx
