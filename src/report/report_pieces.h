#pragma once
// The two report pieces that every Calculate writes: the detailed and the brief matrix output,
// each with its title block, the input echo, the loading information and the analysis results.

#include <ctime>
#include <string>

#include "analysis/analysis_results.h"
#include "analysis/stiffness_model.h"
#include "model/beam.h"
#include "model/settings.h"

namespace spanlyx {

struct ReportContext {
    std::string input_file_path;  // the current beam file, as the window knows it
    std::tm when{};               // the date and time of the title block
    NumberPatterns patterns;
};

struct ReportPieces {
    std::string detailed;  // CRLF lines
    std::string brief;
};

// The pieces as they stand at the end of Calculate. When results.stable is false both end after
// the loading information, as the analysis stopped before its report sections.
ReportPieces write_report_pieces(const Beam& beam, const StiffnessModel& model,
                                 const AnalysisResults& results, const ReportContext& context);

// "December 6, 2026" and "1:05:09 PM" as the title block writes them.
std::string report_date_text(const std::tm& when);
std::string report_time_text(const std::tm& when);

}  // namespace spanlyx
