#include "batch/diagrams_output.h"

#if SPANLYX_WITH_DIAGRAMS
#include "ui/diagram_export.h"
#endif

namespace spanlyx {

#if SPANLYX_WITH_DIAGRAMS

bool diagrams_available() {
    return true;
}

std::optional<std::string> write_diagrams(const AnalysisSession& session, const Settings& settings,
                                          const std::filesystem::path& file) {
    if (!session.has_analysis() || !session.response() || !session.analysis().results)
        return std::string("There are no diagrams before the beam is analysed");
    const DiagramExportInput input{session.analysed_beam(), *session.analysis().results,
                                   *session.response(), settings, session.paths().samples};
    return export_diagrams(input, file);
}

#else

bool diagrams_available() {
    return false;
}

std::optional<std::string> write_diagrams(const AnalysisSession&, const Settings&,
                                          const std::filesystem::path&) {
    return std::string(
        "--diagrams is not available: this spanlyx-report was built without the "
        "window program");
}

#endif

}  // namespace spanlyx
