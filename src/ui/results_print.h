#pragma once
// Printing from the results window: the printer the engineer chooses (or, where no printer is
// installed, a PDF file the engineer names), the one page of "Print" and the diagrams as the
// window shows them for "Print(safe)".

#include <QPageLayout>
#include <memory>

#include "graphics/plot_marks.h"  // first: see there

#include "graphics/printed_page.h"
#include "ui/diagram_pictures.h"

class QPrinter;
class QWidget;

namespace spanlyx {

class FileDialogs;

// A printer ready to print on, or nothing when the engineer cancelled.
std::unique_ptr<QPrinter> choose_printer(QWidget* parent, FileDialogs& dialogs,
                                         QPageLayout::Orientation orientation);

// The page of "Print". False when the printer could not be opened or failed.
bool print_results_page(QPrinter& printer, const PageInput& input, SampleSource& samples);

// The four diagrams as the window shows them, on white with black curves, with the letters
// and units on their left and the whole beam's largest and smallest values on their right,
// drawn afresh onto the page (lines and text, not a picture of the screen), as large as the
// page allows. False on a printer failure.
bool print_diagrams(QPrinter& printer, const PictureInput& input, const PlotMarks& marks,
                    SampleSource& samples);

}  // namespace spanlyx
