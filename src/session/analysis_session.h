#pragma once
// One engineer's analysis session: Calculate with its report pieces, the sweep with its sample
// file, extremes and extra output, the joined results file, and the temporary files that all of
// this leaves until the program ends. The window program and the batch tool both go this road,
// so they write the same results.
//
// The temporary files lie in a folder private to the session (storage/instance_folder.h),
// claimed inside the data folder at the first Calculate and removed with everything in it at
// exit: two instances of the program over one data folder never read or remove each other's
// pieces. Their names inside that folder are the login name and the fixed suffixes.

#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "analysis/calculate.h"
#include "model/beam.h"
#include "model/settings.h"
#include "report/report_pieces.h"
#include "response/envelope.h"
#include "response/span_response.h"
#include "storage/data_folder.h"
#include "storage/instance_folder.h"

namespace spanlyx {

struct CalculateRun {
    CalculateOutcome outcome;
    // The report pieces could not be written (names the path and the reason).
    std::optional<std::string> file_error;
};

struct ResultsFileOutcome {
    std::string text;  // what the results file holds; empty when a piece could not be read
    // A piece could not be read, or the results file could not be written (path and reason).
    std::optional<std::string> error;
};

class AnalysisSession {
  public:
    explicit AnalysisSession(DataFolder folder);

    const DataFolder& folder() const { return folder_; }
    // The temporary files in the session's private folder; empty paths until a Calculate has
    // claimed that folder.
    TempFilePaths paths() const;

    SessionOptions& options() { return options_; }
    const SessionOptions& options() const { return options_; }

    // Calculate: the checks, the stiffness model, the report pieces ("_CONT01.TMP" and
    // "_CONT02.TMP", written whenever the model was generated) and the analysis. The earlier
    // results stay when Calculate ends before the model is generated; once new pieces are
    // written, the pieces of the earlier sweep and results file are gone, and the analysis is
    // this one's or none.
    CalculateRun calculate(const Beam& beam, const Settings& settings,
                           const std::string& current_file, const std::tm& when);

    // The last Calculate that analysed the beam, with the beam as it was then.
    bool has_analysis() const { return analysed_.has_value(); }
    const Beam& analysed_beam() const { return analysed_->beam; }
    const CalculateOutcome& analysis() const { return analysed_->outcome; }

    // The sweep over the last analysis: the sample file, "_CONT03.TMP" and, when interval or
    // specific-X output is on, "_CONT08.TMP"; with them the envelopes of the beam's
    // combinations and their results-file section. Needs has_analysis().
    const ResponseOutcome& respond(const Settings& settings, const ProgressCallback& progress = {});
    const std::optional<ResponseOutcome>& response() const { return response_; }
    // The envelopes of the last sweep, one per combination; empty without combinations.
    const std::vector<CombinationEnvelope>& envelopes() const { return envelopes_; }

    // "Results": joins the pieces the options choose into "_CONTOUT.TMP" (written atomically).
    // A piece that cannot be read is an error naming its path, and no results file is written.
    ResultsFileOutcome assemble();

    // At exit: removes the private folder with every temporary file in it; texts of what stays.
    std::vector<std::string> remove_temporary_files();

  private:
    struct Analysed {
        Beam beam;
        CalculateOutcome outcome;
    };

    // Claims the private folder at the first need; the error names the path and the reason.
    std::optional<std::string> claim_instance_folder();
    // Removes pieces that a later step writes, so none of an earlier beam can be joined.
    void remove_pieces_after_report();

    DataFolder folder_;
    SessionOptions options_;
    std::optional<InstanceFolder> instance_;
    std::optional<Analysed> analysed_;
    std::optional<ResponseOutcome> response_;
    std::vector<CombinationEnvelope> envelopes_;
    std::string envelope_text_;  // joined after the other pieces by assemble()
};

}  // namespace spanlyx
