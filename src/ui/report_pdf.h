#pragma once
// The calculation report as a PDF file: vector text in an embedded font, selectable and
// searchable, and the figures as vector drawings, on A4 or Letter. The window program and the
// batch tool both make it here.

#include <filesystem>
#include <optional>
#include <string>

#include "graphics/report_pages.h"
#include "model/settings.h"
#include "report/calculation_report.h"
#include "session/analysis_session.h"

namespace spanlyx {

struct RenderedReport {
    std::string bytes;  // the whole PDF file
    int pages = 0;
    std::optional<std::string> error;  // the reason nothing could be drawn
};

// Draws the report's pages into a PDF in memory. The sample file is the sweep's "_cont10.tmp".
// Without a running Qt application one is started for the call, on the offscreen platform
// unless QT_QPA_PLATFORM names another.
RenderedReport render_report_pdf(const CalculationReport& report, const ReportDrawingInput& input,
                                 const std::filesystem::path& sample_file, Paper paper);

// The report of the session's last analysis and sweep, dated by report_clock() and signed with
// the login name. An error when the session has no analysed and swept beam.
RenderedReport session_report_pdf(const AnalysisSession& session, const Settings& settings,
                                  const std::string& input_file_path, Paper paper);

}  // namespace spanlyx
