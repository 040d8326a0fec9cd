#pragma once
// One engineer's analysis session: Calculate with its report pieces, the sweep with its sample
// file, extremes and extra output, the joined results file, and the temporary files that all of
// this leaves in the data folder until the program ends. The window program and the batch tool
// both go this road, so they write the same results.

#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "analysis/calculate.h"
#include "model/beam.h"
#include "model/settings.h"
#include "report/report_pieces.h"
#include "report/results_file.h"
#include "response/span_response.h"
#include "storage/data_folder.h"

namespace spanlyx {

struct CalculateRun {
    CalculateOutcome outcome;
    // The report pieces could not be written (names the path and the reason).
    std::optional<std::string> file_error;
};

class AnalysisSession {
  public:
    explicit AnalysisSession(DataFolder folder);

    const DataFolder& folder() const { return folder_; }
    TempFilePaths paths() const;
    const TempFileFlags& flags() const { return flags_; }

    SessionOptions& options() { return options_; }
    const SessionOptions& options() const { return options_; }

    // Calculate: the checks, the stiffness model, the report pieces ("_CONT01.TMP" and
    // "_CONT02.TMP", written whenever the model was generated) and the analysis. The earlier
    // results stay when Calculate ends before the model is generated.
    CalculateRun calculate(const Beam& beam, const Settings& settings,
                           const std::string& current_file, const std::tm& when);

    // The last Calculate that analysed the beam, with the beam as it was then.
    bool has_analysis() const { return analysed_.has_value(); }
    const Beam& analysed_beam() const { return analysed_->beam; }
    const CalculateOutcome& analysis() const { return analysed_->outcome; }

    // The sweep over the last analysis: the sample file, "_CONT03.TMP" and "_CONT08.TMP".
    // Needs has_analysis().
    const ResponseOutcome& respond(const Settings& settings, const ProgressCallback& progress = {});
    const std::optional<ResponseOutcome>& response() const { return response_; }

    // "Results": joins the pieces into "_CONTOUT.TMP".
    ResultsFileOutcome assemble();

    // At exit: removes the temporary files this session created; texts of those that stay.
    std::vector<std::string> remove_temporary_files();

  private:
    struct Analysed {
        Beam beam;
        CalculateOutcome outcome;
    };

    DataFolder folder_;
    SessionOptions options_;
    TempFileFlags flags_;
    std::optional<Analysed> analysed_;
    std::optional<ResponseOutcome> response_;
};

}  // namespace spanlyx
