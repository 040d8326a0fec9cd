#include "ui/results_viewer.h"

#include <QFontDatabase>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextCursor>
#include <QToolBar>
#include <QVBoxLayout>

#include "model/message.h"
#include "storage/file_io.h"
#include "ui/file_dialogs.h"
#include "ui/prompter.h"
#include "ui/text_encoding.h"

#include "ui/keyboard_moves.h"

namespace spanlyx {

ResultsViewer::ResultsViewer(const std::string& file_bytes, const QString& title,
                             Prompter& prompter, FileDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), bytes_(file_bytes), prompter_(prompter), dialogs_(dialogs) {
    setObjectName("resultsViewer");
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* toolbar = new QToolBar(this);
    find_box_ = new QLineEdit(toolbar);
    find_box_->setObjectName("findText");
    find_box_->setPlaceholderText(tr("Find"));
    find_box_->setClearButtonEnabled(true);
    toolbar->addWidget(find_box_);
    QAction* find =
        toolbar->addAction(tr("Find Next"), this, [this] { find_next(find_box_->text()); });
    find->setShortcut(QKeySequence::FindNext);
    connect(find_box_, &QLineEdit::returnPressed, this, [this] { find_next(find_box_->text()); });
    toolbar->addSeparator();
    QAction* save = toolbar->addAction(tr("Save As..."), this, &ResultsViewer::save_as);
    save->setShortcut(QKeySequence::SaveAs);
    QAction* print_action = toolbar->addAction(tr("Print..."), this, &ResultsViewer::print);
    print_action->setShortcut(QKeySequence::Print);

    view_ = new QPlainTextEdit(this);
    view_->setObjectName("resultsText");
    view_->setReadOnly(true);
    view_->setLineWrapMode(QPlainTextEdit::NoWrap);
    view_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QString shown = decode_text(bytes_);
    shown.remove(QChar('\r'));
    view_->setPlainText(shown);

    auto* find_shortcut = new QAction(this);
    find_shortcut->setShortcut(QKeySequence::Find);
    connect(find_shortcut, &QAction::triggered, this, [this] { find_box_->setFocus(); });
    addAction(find_shortcut);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(toolbar);
    layout->addWidget(view_);
    resize(760, 640);
    close_on_escape(*this);
}

QString ResultsViewer::text() const {
    return view_->toPlainText();
}

bool ResultsViewer::find_next(const QString& needle) {
    if (needle.isEmpty())
        return false;
    if (view_->find(needle))
        return true;
    QTextCursor cursor = view_->textCursor();
    cursor.movePosition(QTextCursor::Start);
    view_->setTextCursor(cursor);
    return view_->find(needle);
}

std::string ResultsViewer::save_to(const QString& path) const {
    const auto error = write_file_atomically(path.toStdString(), bytes_);
    return error ? *error : std::string();
}

void ResultsViewer::print_to(QPrinter& printer) const {
    view_->print(&printer);
}

void ResultsViewer::save_as() {
    const auto path =
        dialogs_.save_path(this, tr("Save Results As"), tr("Text Files (*.txt)"), "txt");
    if (!path)
        return;
    const std::string error = save_to(*path);
    if (!error.empty()) {
        prompter_.show({error, std::string(kResponseTitle), MessageIcon::Critical});
    }
}

void ResultsViewer::print() {
    QPrinter printer(QPrinter::HighResolution);
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        // No printer installed: print to a PDF file the engineer names.
        const auto path =
            dialogs_.save_path(this, tr("Print to PDF"), tr("PDF Files (*.pdf)"), "pdf");
        if (!path)
            return;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*path);
    } else {
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    print_to(printer);
}

}  // namespace spanlyx
