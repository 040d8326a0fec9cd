#pragma once
// The results file in a read-only, monospaced viewer with Find, Save As and Print. Each viewer
// keeps the text it was opened with; a later "Results" opens a new one.

#include <QWidget>
#include <string>

class QLineEdit;
class QPlainTextEdit;
class QPrinter;

namespace spanlyx {

class FileDialogs;
class Prompter;

class ResultsViewer final : public QWidget {
    Q_OBJECT
  public:
    ResultsViewer(const std::string& file_bytes, const QString& title, Prompter& prompter,
                  FileDialogs& dialogs, QWidget* parent = nullptr);

    QString text() const;
    // Finds the next occurrence after the cursor, wrapping to the top; false when absent.
    bool find_next(const QString& needle);
    // Writes the shown bytes unchanged; an error text naming the path, or empty.
    std::string save_to(const QString& path) const;
    void print_to(QPrinter& printer) const;

  private:
    void save_as();
    void print();

    std::string bytes_;
    Prompter& prompter_;
    FileDialogs& dialogs_;
    QPlainTextEdit* view_;
    QLineEdit* find_box_;
};

}  // namespace spanlyx
