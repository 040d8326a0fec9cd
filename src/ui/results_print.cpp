#include "ui/results_print.h"

#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "graphics/loading_diagram.h"
#include "graphics/response_diagrams.h"
#include "graphics/results_labels.h"
#include "model/units.h"

#include "ui/file_dialogs.h"
#include "ui/painter_canvas.h"
#include "ui/text_encoding.h"

namespace spanlyx {
namespace {

constexpr int kPrintDotsPerInch = 300;

// The painter's rectangle: the printable part of the page, from the painter's origin.
QRectF printable(const QPrinter& printer) {
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    return {0, 0, page.width(), page.height()};
}

// Widths, in the window's pixels, of the strips beside the diagrams on the "Print(safe)" page.
constexpr double kLetterStrip = 64;
constexpr double kValueStrip = 150;
constexpr double kMostStretch = 1.35;

// Two lines of text centred in the upper and lower half of a strip beside a diagram.
void paint_two_lines(QPainter& painter, const QRectF& strip, const QString& upper_text,
                     const QString& lower_text) {
    painter.setPen(Qt::black);
    QFont font = QGuiApplication::font();
    font.setPointSizeF(font.pointSizeF() > 0 ? font.pointSizeF() : 9);
    painter.setFont(font);
    const QRectF upper(strip.left(), strip.top(), strip.width(), strip.height() / 2);
    const QRectF lower(strip.left(), strip.center().y(), strip.width(), strip.height() / 2);
    const int flags = Qt::AlignHCenter | Qt::AlignVCenter;
    painter.drawText(upper, flags, upper_text);
    painter.drawText(lower, flags, lower_text);
}

// "Max V (+)" and "Max V (-)" with their values, as beside the window's diagrams.
void paint_extremes(QPainter& painter, const QRectF& strip, std::string_view letter,
                    const std::string& largest, const std::string& smallest) {
    const QString name = QStringLiteral("Max ") + decode_text(letter);
    paint_two_lines(painter, strip, name + QStringLiteral(" (+)  ") + decode_text(largest),
                    name + QStringLiteral(" (-)  ") + decode_text(smallest));
}

bool finished(QPainter& painter, const QPrinter& printer) {
    const bool ended = painter.end();
    return ended && printer.printerState() != QPrinter::Error;
}

}  // namespace

std::unique_ptr<QPrinter> choose_printer(QWidget* parent, FileDialogs& dialogs,
                                         QPageLayout::Orientation orientation) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // The curves' pens are given in device pixels: at 300 dots per inch they print as a fine
    // pen line, where the full resolution of a printer would make them hairlines.
    printer->setResolution(kPrintDotsPerInch);
    printer->setPageOrientation(orientation);
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        // No printer installed: the page goes to a PDF file the engineer names, on the paper
        // the page is laid out for.
        const auto path =
            dialogs.save_path(parent, QObject::tr("Print to PDF"), QObject::tr("PDF Files (*.pdf)"),
                              QStringLiteral("pdf"));
        if (!path)
            return nullptr;
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setPageSize(QPageSize(QPageSize::Letter));
        printer->setOutputFileName(*path);
        return printer;
    }
    QPrintDialog dialog(printer.get(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return printer;
}

bool print_results_page(QPrinter& printer, const PageInput& input, SampleSource& samples) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    PainterCanvas canvas(painter, printable(printer));
    draw_printed_page(canvas, input, samples);
    return finished(painter, printer);
}

bool print_diagrams(QPrinter& printer, const PictureInput& input, const PlotMarks& marks,
                    SampleSource& samples) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF page = printable(printer);
    // The window's proportions: the areas' design sizes, the letters on a strip at their left
    // and the largest and smallest values on a wider one at their right.
    int design_height = 0;
    for (DiagramId id : kDiagramIds)
        design_height += design_size(id).height();
    const double design_width =
        kLetterStrip + design_size(DiagramId::Loading).width() + kValueStrip;
    const double scale = std::min(page.width() / design_width, page.height() / design_height);
    // The areas may grow taller than the window's proportions, to use more of the page; their
    // user scales stretch with them, while the glyphs stay recognisable.
    const double y_scale = std::min(page.height() / design_height, scale * kMostStretch);
    const double left = page.left() + (page.width() - design_width * scale) / 2;
    const double areas_left = left + kLetterStrip * scale;
    const double areas_width = design_size(DiagramId::Loading).width() * scale;

    std::array<QRectF, 4> rects;
    double top = page.top();
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const double height = design_size(kDiagramIds[i]).height() * y_scale;
        rects[i] = QRectF(areas_left, top, areas_width, height);
        top += height;
    }
    painter.fillRect(page, Qt::white);

    PainterCanvas loading(painter, rects[0]);
    draw_loading_diagram(loading, input.beam, input.results);
    PainterCanvas shear(painter, rects[1]);
    PainterCanvas moment(painter, rects[2]);
    PainterCanvas deflection(painter, rects[3]);
    const NumberPatterns patterns = input.settings.patterns();
    const DiagramSetup setup{input.beam, input.response, patterns, input.settings.speed_up == 'y',
                             true};
    const DiagramTexts texts = draw_diagrams({shear, moment, deflection}, setup, samples);
    draw_plot_marks({shear, moment, deflection}, marks, setup, texts);

    const DiagramUnitLabels& units = diagram_unit_labels(input.beam.units);
    const std::array<std::string_view, 3> letters{"V", "M", "D"};
    const std::array<std::string_view, 3> unit_texts{units.shear, units.moment, units.deflection};
    const ExtremeLabelTexts values =
        extreme_label_texts(input.response.beam_extremes, input.beam.units);
    const std::array<std::array<const std::string*, 2>, 3> extremes{
        {{&values.shear_max, &values.shear_min},
         {&values.moment_max, &values.moment_min},
         {&values.deflection_max, &values.deflection_min}}};
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const QRectF& area = rects[i + 1];
        paint_axis_letters(painter, QRectF(left, area.top(), kLetterStrip * scale, area.height()),
                           letters[i], unit_texts[i]);
        paint_extremes(painter,
                       QRectF(area.right(), area.top(), kValueStrip * scale, area.height()),
                       letters[i], *extremes[i][0], *extremes[i][1]);
    }
    // A one-span beam's I and E, beside the loading diagram as in the window.
    if (const auto single = single_span_texts(input.beam)) {
        const QRectF& area = rects[0];
        paint_two_lines(painter,
                        QRectF(area.right(), area.top(), kValueStrip * scale, area.height()),
                        decode_text(single->inertia), decode_text(single->modulus));
    }
    return finished(painter, printer);
}

}  // namespace spanlyx
