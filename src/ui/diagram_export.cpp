#include "ui/diagram_export.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <memory>

#include "graphics/response_diagrams.h"
#include "model/units.h"
#include "response/sample_file_reader.h"
#include "ui/diagram_pictures.h"
#include "ui/gui_application.h"

namespace spanlyx {
namespace {

constexpr double kScreenDpi = 96;

QSize picture_size() {
    int height = 0;
    for (DiagramId id : kDiagramIds)
        height += design_size(id).height();
    return {kExportLetterWidth + design_size(DiagramId::Loading).width(), height};
}

// The whole picture onto a device whose unit is one screen pixel of the window.
void paint_picture(QPainter& painter, const DiagramExportInput& input, SampleSource& samples,
                   double pixel_ratio) {
    const PictureInput picture{input.beam,     input.results, input.response,
                               input.settings, false,         input.envelope};
    const Rgb background = diagram_background(input.settings, false);
    painter.fillRect(QRect(QPoint(0, 0), picture_size()),
                     QColor(background.red, background.green, background.blue));

    QImage loading = blank_picture(design_size(DiagramId::Loading), pixel_ratio, picture);
    paint_loading(loading, picture);
    std::array<QImage, 3> diagrams;
    for (std::size_t i = 0; i < diagrams.size(); ++i)
        diagrams[i] = blank_picture(design_size(kDiagramIds[i + 1]), pixel_ratio, picture);
    paint_diagrams({&diagrams[0], &diagrams[1], &diagrams[2]}, picture, samples);

    const DiagramUnitLabels& units = diagram_unit_labels(input.beam.units);
    const std::string_view letters[] = {"V", "M", "D"};
    const std::string_view unit_texts[] = {units.shear, units.moment, units.deflection};
    int top = 0;
    painter.drawImage(QPoint(kExportLetterWidth, top), loading);
    top += design_size(DiagramId::Loading).height();
    for (std::size_t i = 0; i < diagrams.size(); ++i) {
        const int height = design_size(kDiagramIds[i + 1]).height();
        painter.drawImage(QPoint(kExportLetterWidth, top), diagrams[i]);
        paint_axis_letters(painter, QRectF(0, top, kExportLetterWidth, height), letters[i],
                           unit_texts[i]);
        top += height;
    }
}

std::optional<std::string> write_png(const DiagramExportInput& input, SampleSource& samples,
                                     QBuffer& out) {
    QImage image(picture_size(), QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&image);
        paint_picture(painter, input, samples, 1.0);
    }
    QImageWriter writer(&out, "png");
    if (!writer.write(image))
        return "the PNG image cannot be encoded: " + writer.errorString().toStdString();
    return std::nullopt;
}

// The PDF page is the picture's size at screen resolution; the areas are drawn at three times
// that density, so that the curves stay sharp when the page is enlarged or printed.
std::optional<std::string> write_pdf(const DiagramExportInput& input, SampleSource& samples,
                                     QBuffer& out) {
    QPdfWriter pdf(&out);
    pdf.setCreator(QStringLiteral("Spanlyx"));
    pdf.setResolution(static_cast<int>(kScreenDpi));
    const QSizeF inches = QSizeF(picture_size()) / kScreenDpi;
    pdf.setPageSize(QPageSize(inches, QPageSize::Inch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&pdf))
        return std::string("the PDF page cannot be started");
    paint_picture(painter, input, samples, 3.0);
    if (!painter.end())
        return std::string("the PDF page cannot be finished");
    return std::nullopt;
}

}  // namespace

ExportedDiagrams render_diagrams(const DiagramExportInput& input, ExportFormat format) {
    ExportedDiagrams out;
    // A drawing needs a GUI application; a window-less program gets one for this call.
    const GuiApplicationScope application;
    if (!application.ready()) {
        out.error = "The diagrams need a graphical Qt application";
        return out;
    }

    SampleFileReader reader;
    if (!input.envelope) {
        if (auto error = reader.open(input.sample_file)) {
            out.error = std::move(error);
            return out;
        }
    }
    SampleFileSource samples(reader);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    out.error = format == ExportFormat::Png ? write_png(input, samples, buffer)
                                            : write_pdf(input, samples, buffer);
    buffer.close();
    if (!out.error)
        out.bytes.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return out;
}

}  // namespace spanlyx
