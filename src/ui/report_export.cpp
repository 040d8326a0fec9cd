#include "ui/report_export.h"

#include <QPageSize>
#include <QPrinterInfo>

#include "model/message.h"
#include "session/analysis_session.h"
#include "storage/file_io.h"
#include "ui/app_services.h"
#include "ui/busy_cursor.h"
#include "ui/file_dialogs.h"
#include "ui/prompter.h"
#include "ui/report_pdf.h"

namespace spanlyx {

Paper report_paper(UnitSystem units) {
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.isNull()) {
        const QPageSize::PageSizeId id = printer.defaultPageSize().id();
        if (id == QPageSize::A4)
            return Paper::A4;
        if (id == QPageSize::Letter)
            return Paper::Letter;
    }
    return default_paper(units);
}

std::optional<std::filesystem::path> export_report_file(QWidget* parent,
                                                        const AnalysisSession& session,
                                                        const Settings& settings,
                                                        const std::string& input_file_path,
                                                        AppServices& services) {
    auto tell = [&services](const std::string& text) {
        services.prompter.show({text, std::string(kProgramTitle), MessageIcon::Critical});
    };
    if (!session.has_analysis() || !session.response()) {
        tell("There is no report before the beam is calculated");
        return std::nullopt;
    }
    const std::optional<QString> chosen =
        services.dialogs.save_path(parent, QStringLiteral("Export Report"),
                                   QStringLiteral("PDF Files (*.pdf)"), QStringLiteral("pdf"));
    if (!chosen)
        return std::nullopt;
    const std::filesystem::path path = chosen->toStdString();
    RenderedReport rendered;
    {
        const BusyCursor hourglass;
        rendered = session_report_pdf(session, settings, input_file_path,
                                      report_paper(session.analysed_beam().units));
    }
    if (rendered.error) {
        tell("The report cannot be written to " + path.string() + ": " + *rendered.error);
        return std::nullopt;
    }
    if (auto error = write_file_atomically(path, rendered.bytes)) {
        tell(*error);
        return std::nullopt;
    }
    return path;
}

}  // namespace spanlyx
