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
#include "ui/diagram_pictures.h"

namespace spanlyx {

struct DiagramExportInput {
    const Beam& beam;  // as analysed
    const AnalysisResults& results;
    const ResponseOutcome& response;
    const Settings& settings;
    std::filesystem::path sample_file;  // the sweep's "_cont10.tmp"
    // A combination's envelope in place of the diagrams as entered; the sample file is then
    // not read.
    const ShownEnvelope* envelope = nullptr;
};

// Width of the letters and units left of the diagrams, in pixels; the picture is this plus
// the areas' width wide and as high as the four areas.
inline constexpr int kExportLetterWidth = 64;

enum class ExportFormat { Png, Pdf };

struct ExportedDiagrams {
    std::string bytes;                 // the whole PNG or PDF file
    std::optional<std::string> error;  // the reason nothing could be drawn or encoded
};

// The picture as the bytes of a PNG image or a one-page PDF; the caller writes them where they
// belong. Without a running Qt application one is started for the call, on the offscreen
// platform unless QT_QPA_PLATFORM names another.
ExportedDiagrams render_diagrams(const DiagramExportInput& input, ExportFormat format);

}  // namespace spanlyx
