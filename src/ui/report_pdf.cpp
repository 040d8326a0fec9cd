#include "ui/report_pdf.h"

#include <QBuffer>
#include <QByteArray>
#include <QFont>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <memory>

#include "model/message.h"
#include "response/sample_file_reader.h"
#include "storage/data_folder.h"
#include "ui/gui_application.h"
#include "ui/painter_canvas.h"

namespace spanlyx {
namespace {

// Pens are given in device pixels: at 300 dots per inch the curves print as fine pen lines.
constexpr int kPdfDotsPerInch = 300;
constexpr double kNoLigatureSpacing = 0.02;  // device pixels: 1/15000 in

QPageSize page_size_of(Paper paper) {
    switch (paper) {
        case Paper::A4:
            return QPageSize(QPageSize::A4);
        case Paper::Letter:
            return QPageSize(QPageSize::Letter);
    }
    return QPageSize(QPageSize::A4);
}

// Each page's canvas covers the whole sheet; a later page is started when it is asked for.
class PdfPages final : public ReportPageTarget {
  public:
    PdfPages(QPdfWriter& pdf, QPainter& painter) : pdf_(pdf), painter_(painter) {}

    Canvas& page(int index) override {
        if (index > 0)
            ok_ = pdf_.newPage() && ok_;
        canvas_.emplace(painter_, QRectF(0, 0, pdf_.width(), pdf_.height()));
        return *canvas_;
    }
    bool ok() const { return ok_; }

  private:
    QPdfWriter& pdf_;
    QPainter& painter_;
    std::optional<PainterCanvas> canvas_;
    bool ok_ = true;
};

}  // namespace

RenderedReport render_report_pdf(const CalculationReport& report, const ReportDrawingInput& input,
                                 const std::filesystem::path& sample_file, Paper paper) {
    RenderedReport out;
    // A drawing needs a GUI application; a window-less program gets one for this call.
    const GuiApplicationScope application;
    if (!application.ready()) {
        out.error = "The report needs a graphical Qt application";
        return out;
    }

    SampleFileReader reader;
    if (auto error = reader.open(sample_file)) {
        out.error = std::move(error);
        return out;
    }
    SampleFileSource samples(reader);

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setCreator(QString::fromStdString(std::string(kProgramTitle) + " " +
                                              std::string(kProgramVersion)));
        pdf.setTitle(QString::fromStdString(std::string(kReportTitle)));
        pdf.setResolution(kPdfDotsPerInch);
        pdf.setPageSize(page_size_of(paper));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        if (!painter.begin(&pdf)) {
            out.error = "the PDF cannot be started";
            return out;
        }
        // A letter spacing, however small, keeps the text shaper from joining "fl" or "ff" into
        // ligature glyphs, which text extraction would give back as single characters that a
        // search for "deflection" does not find.
        QFont font = painter.font();
        font.setLetterSpacing(QFont::AbsoluteSpacing, kNoLigatureSpacing);
        painter.setFont(font);
        PdfPages pages(pdf, painter);
        out.pages = draw_calculation_report(pages, paper, report, input, samples);
        if (!painter.end() || !pages.ok()) {
            out.error = "the PDF cannot be finished";
            return out;
        }
    }
    buffer.close();
    out.bytes.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return out;
}

RenderedReport session_report_pdf(const AnalysisSession& session, const Settings& settings,
                                  const std::string& input_file_path, Paper paper) {
    if (!session.has_analysis() || !session.response() || !session.analysis().results ||
        !session.analysis().model || !session.analysis().results->stable) {
        RenderedReport none;
        none.error = "There is no report before the beam is analysed";
        return none;
    }
    const Beam& beam = session.analysed_beam();
    const ReportSource source{beam,
                              *session.analysis().model,
                              *session.analysis().results,
                              *session.response(),
                              session.envelopes(),
                              settings,
                              input_file_path,
                              login_name(),
                              report_clock()};
    const CalculationReport report = build_calculation_report(source);
    const ReportDrawingInput drawing{beam, *session.analysis().results, *session.response(),
                                     settings};
    return render_report_pdf(report, drawing, session.paths().samples, paper);
}

}  // namespace spanlyx
