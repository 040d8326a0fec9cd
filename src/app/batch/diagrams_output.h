#pragma once
// --diagrams: the results window's diagrams as a PNG or PDF file. Drawn by the window program's
// library, so only a build that has it can write them.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

#include "batch/batch_options.h"
#include "model/settings.h"
#include "session/analysis_session.h"

namespace spanlyx {

bool diagrams_available();

// After the sweep of the session's analysis. The picture is drawn in memory and written through
// a temporary file and a rename. The error names the file and the reason. With `envelope` (an
// index into the beam's combinations) the diagrams are that combination's envelope.
std::optional<std::string> write_diagrams(const AnalysisSession& session, const Settings& settings,
                                          const std::filesystem::path& file, DiagramsFormat format,
                                          std::optional<std::size_t> envelope = std::nullopt);

// The index of the beam's combination named `name` (exactly as entered), or the message that
// refuses it, naming it and the combinations the beam has.
struct CombinationChoice {
    std::optional<std::size_t> index;
    std::string error;
};
CombinationChoice find_combination(const Beam& beam, const std::string& name);

}  // namespace spanlyx
