#include "batch/report_output.h"

#if SPANLYX_WITH_DIAGRAMS
#include "batch/output_file.h"
#include "batch/signal_cleanup.h"
#include "ui/report_pdf.h"
#endif

namespace spanlyx {

#if SPANLYX_WITH_DIAGRAMS

bool report_available() {
    return true;
}

std::optional<std::string> write_report(const AnalysisSession& session, const Settings& settings,
                                        const std::string& input_file_path,
                                        const std::filesystem::path& file, Paper paper) {
    RenderedReport rendered;
    {
        // Qt may start threads of its own; started while the signals are held they keep them
        // held, and the handler runs only in this thread.
        const signal_cleanup::SignalsHeld held;
        rendered = session_report_pdf(session, settings, input_file_path, paper);
    }
    if (rendered.error)
        return "The report cannot be written to " + file.string() + ": " + *rendered.error;
    return write_output_file(file, rendered.bytes);
}

#else

bool report_available() {
    return false;
}

std::optional<std::string> write_report(const AnalysisSession&, const Settings&, const std::string&,
                                        const std::filesystem::path&, Paper) {
    return std::string(
        "--report is not available: this spanlyx-report was built without the window program");
}

#endif

}  // namespace spanlyx
