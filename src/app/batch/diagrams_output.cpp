#include "batch/diagrams_output.h"

#if SPANLYX_WITH_DIAGRAMS
#include "batch/output_file.h"
#include "batch/signal_cleanup.h"
#include "ui/diagram_export.h"
#endif

namespace spanlyx {

CombinationChoice find_combination(const Beam& beam, const std::string& name) {
    for (std::size_t i = 0; i < beam.combinations.size(); ++i) {
        if (beam.combinations[i].name == name)
            return {i, {}};
    }
    std::string error = "The beam has no combination \"" + name + "\"";
    if (beam.combinations.empty())
        return {std::nullopt, error + ": it has no combinations."};
    error += "; its combinations are:";
    for (const Combination& c : beam.combinations)
        error += "\n  " + c.name;
    return {std::nullopt, error};
}

#if SPANLYX_WITH_DIAGRAMS

bool diagrams_available() {
    return true;
}

std::optional<std::string> write_diagrams(const AnalysisSession& session, const Settings& settings,
                                          const std::filesystem::path& file, DiagramsFormat format,
                                          std::optional<std::size_t> envelope) {
    if (!session.has_analysis() || !session.response() || !session.analysis().results)
        return std::string("There are no diagrams before the beam is analysed");
    if (envelope && *envelope >= session.envelopes().size())
        return std::string("There is no such combination to draw");
    std::optional<ShownEnvelope> shown;
    if (envelope)
        shown.emplace(session.options(), *envelope, session.envelopes()[*envelope]);
    const DiagramExportInput input{session.analysed_beam(), *session.analysis().results,
                                   *session.response(),     settings,
                                   session.paths().samples, shown ? &*shown : nullptr};
    ExportedDiagrams picture;
    {
        // Qt may start threads of its own; started while the signals are held they keep them
        // held, and the handler runs only in this thread.
        const signal_cleanup::SignalsHeld held;
        picture = render_diagrams(
            input, format == DiagramsFormat::Png ? ExportFormat::Png : ExportFormat::Pdf);
    }
    if (picture.error)
        return "The diagrams cannot be written to " + file.string() + ": " + *picture.error;
    return write_output_file(file, picture.bytes);
}

#else

bool diagrams_available() {
    return false;
}

std::optional<std::string> write_diagrams(const AnalysisSession&, const Settings&,
                                          const std::filesystem::path&, DiagramsFormat,
                                          std::optional<std::size_t>) {
    return std::string(
        "--diagrams is not available: this spanlyx-report was built without the "
        "window program");
}

#endif

}  // namespace spanlyx
