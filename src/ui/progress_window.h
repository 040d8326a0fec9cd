#pragma once
// "CALCULATING........": what the results window is doing ("Calculating....." while it sweeps
// the beam, "Drawing Diagrams....." while it draws) and the share done so far, repainted as it
// grows while the work runs on the window thread.

#include <QDialog>

class QLabel;

namespace spanlyx {

class ProgressWindow final : public QDialog {
    Q_OBJECT
  public:
    explicit ProgressWindow(QWidget* parent = nullptr);
    // The status text; the percentage starts again from 0.
    void set_status(const QString& status);
    void set_percent(int percent);

    QString status() const;
    QString percent() const;

  private:
    QLabel* status_;
    QLabel* percent_;
};

}  // namespace spanlyx
