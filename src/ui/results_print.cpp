#include "ui/results_print.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>
#include <algorithm>

#include "ui/file_dialogs.h"
#include "ui/painter_canvas.h"

namespace spanlyx {
namespace {

constexpr int kPrintDotsPerInch = 300;

// The painter's rectangle: the printable part of the page, from the painter's origin.
QRectF printable(const QPrinter& printer) {
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    return {0, 0, page.width(), page.height()};
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

bool print_window(QPrinter& printer, QWidget& window) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF page = printable(printer);
    const QSizeF shown = window.size();
    if (!shown.isEmpty()) {
        const double scale = std::min(page.width() / shown.width(), page.height() / shown.height());
        painter.scale(scale, scale);
        window.render(&painter, QPoint(), QRegion(),
                      QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    return finished(painter, printer);
}

}  // namespace spanlyx
