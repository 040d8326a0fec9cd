#include "session/analysis_session.h"

#include <cassert>

#include "storage/file_io.h"

namespace spanlyx {

AnalysisSession::AnalysisSession(DataFolder folder) : folder_(std::move(folder)) {}

TempFilePaths AnalysisSession::paths() const {
    return {folder_.temp_file(TempFile::Detailed), folder_.temp_file(TempFile::Brief),
            folder_.temp_file(TempFile::Extremes), folder_.temp_file(TempFile::Extra),
            folder_.temp_file(TempFile::Samples),  folder_.temp_file(TempFile::Results)};
}

CalculateRun AnalysisSession::calculate(const Beam& beam, const Settings& settings,
                                        const std::string& current_file, const std::tm& when) {
    CalculateRun run{spanlyx::calculate(beam), {}};
    if (!run.outcome.model || !run.outcome.results)
        return run;

    ReportContext context;
    context.input_file_path = current_file;
    context.when = when;
    context.patterns = settings.patterns();
    const ReportPieces pieces =
        write_report_pieces(beam, *run.outcome.model, *run.outcome.results, context);
    const TempFilePaths p = paths();
    flags_.detailed = true;
    flags_.brief = true;
    if (auto error = write_file_atomically(p.detailed, pieces.detailed)) {
        run.file_error = std::move(error);
    } else if (auto brief_error = write_file_atomically(p.brief, pieces.brief)) {
        run.file_error = std::move(brief_error);
    }

    if (run.outcome.status == CalculateStatus::Analysed) {
        analysed_ = Analysed{beam, run.outcome};
        response_.reset();
    }
    return run;
}

const ResponseOutcome& AnalysisSession::respond(const Settings& settings,
                                                const ProgressCallback& progress) {
    assert(analysed_ && "the sweep needs an analysed beam");
    const TempFilePaths p = paths();
    flags_.samples = true;
    response_ =
        compute_response(analysed_->beam, *analysed_->outcome.model, *analysed_->outcome.results,
                         settings.patterns(), options_, p.samples, progress);
    flags_.extremes = true;
    if (auto error = write_file_atomically(p.extremes, response_->extremes_text)) {
        if (!response_->sample_file_error)
            response_->sample_file_error = std::move(error);
    }
    if (response_->extra_text) {
        flags_.extra = true;
        if (auto error = write_file_atomically(p.extra, *response_->extra_text)) {
            if (!response_->sample_file_error)
                response_->sample_file_error = std::move(error);
        }
    }
    return *response_;
}

ResultsFileOutcome AnalysisSession::assemble() {
    return assemble_results(paths(), options_, flags_);
}

std::vector<std::string> AnalysisSession::remove_temporary_files() {
    return remove_temp_files(paths(), flags_);
}

}  // namespace spanlyx
