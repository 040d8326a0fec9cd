#pragma once
// --diagrams: the results window's diagrams as a PNG or PDF file. Drawn by the window program's
// library, so only a build that has it can write them.

#include <filesystem>
#include <optional>
#include <string>

#include "batch/batch_options.h"
#include "model/settings.h"
#include "session/analysis_session.h"

namespace spanlyx {

bool diagrams_available();

// After the sweep of the session's analysis. The picture is drawn in memory and written through
// a temporary file and a rename. The error names the file and the reason.
std::optional<std::string> write_diagrams(const AnalysisSession& session, const Settings& settings,
                                          const std::filesystem::path& file, DiagramsFormat format);

}  // namespace spanlyx
