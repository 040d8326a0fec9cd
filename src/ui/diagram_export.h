#pragma once
// The diagrams of the results window as a file, for the batch tool: the loading, shear, moment
// and deflection diagrams stacked on one horizontal scale with their letters and units, drawn
// exactly as the window draws them at the size it opens with. A PNG image, or a one-page PDF
// of the same size holding the picture at three times the density.

#include <filesystem>
#include <optional>
#include <string>

#include "analysis/analysis_results.h"
#include "model/beam.h"
#include "model/settings.h"
#include "response/span_response.h"

namespace spanlyx {

struct DiagramExportInput {
    const Beam& beam;  // as analysed
    const AnalysisResults& results;
    const ResponseOutcome& response;
    const Settings& settings;
    std::filesystem::path sample_file;  // the sweep's "_cont10.tmp"
};

// Width of the letters and units left of the diagrams, in pixels; the picture is this plus
// the areas' width wide and as high as the four areas.
inline constexpr int kExportLetterWidth = 64;

// Writes FILE.png or FILE.pdf (by the extension, in any case). Without a running Qt
// application one is started for the call, on the offscreen platform unless QT_QPA_PLATFORM
// names another. The error names the file and the reason.
std::optional<std::string> export_diagrams(const DiagramExportInput& input,
                                           const std::filesystem::path& file);

}  // namespace spanlyx
