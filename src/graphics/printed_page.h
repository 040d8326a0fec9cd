#pragma once
// The printed page of the results window: the header block, the loading diagram under its
// title and the shear, moment and deflection diagrams with their axis titles, the largest and
// smallest values of every span and the "Plot X" marks, drawn in black with the same drawing
// procedures as the window.

#include <array>
#include <ctime>
#include <string>
#include <string_view>

#include "analysis/analysis_results.h"
#include "graphics/canvas.h"
#include "graphics/diagram_scales.h"
#include "graphics/envelope_diagrams.h"
#include "graphics/plot_marks.h"
#include "graphics/sample_source.h"
#include "model/beam.h"
#include "model/settings.h"
#include "response/span_response.h"

namespace spanlyx {

// The page's user system in inches, y down. With letterhead the drawing is shifted and shrunk
// to leave the margins of pre-printed paper.
AreaScale page_scale(bool letterhead);

// Where the parts of the page go, in page units. The drawing spans the page's width less its
// edges (on pre-printed paper, its side margins), and the beam stands in the middle of it.
struct PageLayout {
    double header_left = 0;
    double header_top = 0;
    double header_line_step = 0;
    double title_top = 0;  // "LOADING DIAGRAM"
    AreaScale loading;
    AreaScale shear, moment, deflection;
    double axis_title_left = 0;  // "V", "M", "D" and their units, left of the diagrams
};
PageLayout page_layout(bool letterhead);

// Small enough that a file path of 70 characters stays within the letterhead margins.
inline constexpr double kHeaderFontSize = 7;
inline constexpr double kPageTitleFontSize = 10;
inline constexpr double kAxisTitleFontSize = 9;

class RegionCanvas;
// "V", "M" or "D" on the page, level with the axis of its diagram area, its unit in parentheses
// below; the printed page and the calculation report write them alike.
void draw_axis_title(Canvas& page, double left, const RegionCanvas& area, std::string_view letter,
                     std::string_view unit);

struct PageInput {
    const Beam& beam;  // as analysed
    const AnalysisResults& results;
    const ResponseOutcome& response;
    const Settings& settings;
    const PlotMarks& marks;
    std::string input_file_path;
    std::tm when{};
    // A combination's envelope in place of the diagrams as entered (and without the "Plot X"
    // marks, which are values of the beam as entered); none for the beam as entered.
    const EnvelopeSetup* envelope = nullptr;
};

// Sets the page system of the letterhead setting and draws the whole page.
void draw_printed_page(Canvas& page, const PageInput& input, SampleSource& samples);

}  // namespace spanlyx
