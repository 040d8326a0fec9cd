#pragma once
// "V-M-D HELP": how to read values off the diagrams and place them with "Plot X".

#include <QDialog>

namespace spanlyx {

class VmdHelpDialog final : public QDialog {
    Q_OBJECT
  public:
    explicit VmdHelpDialog(QWidget* parent = nullptr);
};

}  // namespace spanlyx
