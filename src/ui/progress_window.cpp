#include "ui/progress_window.h"

#include <QLabel>
#include <QVBoxLayout>

namespace spanlyx {

ProgressWindow::ProgressWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("progress"));
    setWindowTitle(QStringLiteral("CALCULATING........"));
    setModal(true);
    percent_ = new QLabel(this);
    percent_->setObjectName(QStringLiteral("percent"));
    percent_->setAlignment(Qt::AlignCenter);
    percent_->setMinimumWidth(240);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(percent_);
    set_percent(0);
}

void ProgressWindow::set_percent(int percent) {
    percent_->setText(QStringLiteral("%1 %").arg(percent));
    // Nothing else runs while the sweep does: the percentage is painted at once.
    percent_->repaint();
}

}  // namespace spanlyx
