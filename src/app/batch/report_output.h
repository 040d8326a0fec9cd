#pragma once
// --report: the calculation report as a PDF file. Drawn by the window program's library, so only
// a build that has it can write one.

#include <filesystem>
#include <optional>
#include <string>

#include "model/settings.h"
#include "report/calculation_report.h"
#include "session/analysis_session.h"

namespace spanlyx {

bool report_available();

// After the sweep of the session's analysis. Written through a temporary file and a rename; the
// error names the file and the reason.
std::optional<std::string> write_report(const AnalysisSession& session, const Settings& settings,
                                        const std::string& input_file_path,
                                        const std::filesystem::path& file, Paper paper);

}  // namespace spanlyx
