#pragma once
// The calculation report laid out on pages and drawn onto one canvas per page: a header on every
// page (program and version, file, user and date, "Page i of n"), the headings, paragraphs and
// tables of the report, and its figures drawn by the same procedures as the windows (the input
// sketch, the loading diagram and the shear, moment and deflection diagrams on one horizontal
// scale). A beam of more than ten spans is drawn in runs of spans, a sketch and a page of
// diagrams for each run, titled "Spans 1 to 10" and so on.

#include <string>
#include <vector>

#include "analysis/analysis_results.h"
#include "graphics/beam_part.h"
#include "graphics/canvas.h"
#include "graphics/sample_source.h"
#include "model/beam.h"
#include "model/settings.h"
#include "report/calculation_report.h"
#include "response/span_response.h"

namespace spanlyx {

// The sheet in points (1/72 in): A4 210 x 297 mm, Letter 8.5 x 11 in.
struct PaperSize {
    double width = 0;
    double height = 0;
};
PaperSize paper_size(Paper paper);

// The margin kept clear on every side of the sheet, in points (15 mm).
inline constexpr double kReportMargin = 42.52;

// Receives the pages one after the other. page(0) is asked for first and its canvas also
// measures the texts; each later index is asked for once, in order, when the page before it is
// finished. The layout sets every canvas's user scale to points of the sheet, y down.
class ReportPageTarget {
  public:
    virtual ~ReportPageTarget() = default;
    virtual Canvas& page(int index) = 0;
};

// What the figures are drawn from: the beam as analysed, its analysis and sweep, the settings.
struct ReportDrawingInput {
    const Beam& beam;
    const AnalysisResults& results;
    const ResponseOutcome& response;
    const Settings& settings;
};

// Lays the report out and draws every page; returns the number of pages.
int draw_calculation_report(ReportPageTarget& target, Paper paper, const CalculationReport& report,
                            const ReportDrawingInput& input, SampleSource& samples);

// The title of a figure of a run of spans: "Spans 11 to 20".
std::string group_title(const SpanGroup& group);

// "Page 2 of 5".
std::string page_number_text(int page, int pages);

}  // namespace spanlyx
