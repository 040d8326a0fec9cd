#pragma once
// "CALCULATING........": the share of the beam swept so far, repainted as it grows while the
// sweep runs on the window thread.

#include <QDialog>

class QLabel;

namespace spanlyx {

class ProgressWindow final : public QDialog {
    Q_OBJECT
  public:
    explicit ProgressWindow(QWidget* parent = nullptr);
    void set_percent(int percent);

  private:
    QLabel* percent_;
};

}  // namespace spanlyx
