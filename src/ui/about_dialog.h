#pragma once
// The about box: the program, its version and the engineer's responsibility for the results.

#include <QDialog>

namespace spanlyx {

class AboutDialog final : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace spanlyx
