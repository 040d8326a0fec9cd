#pragma once
// "Export Report..." of the main window and "Report" of the results window: the calculation
// report of the last Calculate as a PDF file the engineer names.

#include <filesystem>
#include <optional>
#include <string>

#include "model/settings.h"
#include "report/calculation_report.h"

class QWidget;

namespace spanlyx {

class AnalysisSession;
struct AppServices;

// The paper of the default printer when one is installed and it holds A4 or Letter; otherwise
// the paper of the unit system.
Paper report_paper(UnitSystem units);

// Asks for the file and writes the report of the session's last analysis and sweep through a
// temporary file and a rename; the reason of a failure is shown. The path written, or nothing
// when the engineer cancelled or the report could not be written.
std::optional<std::filesystem::path> export_report_file(QWidget* parent,
                                                        const AnalysisSession& session,
                                                        const Settings& settings,
                                                        const std::string& input_file_path,
                                                        AppServices& services);

}  // namespace spanlyx
