#include "ui/progress_window.h"

#include <QLabel>
#include <QVBoxLayout>

namespace spanlyx {

ProgressWindow::ProgressWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("progress"));
    setWindowTitle(QStringLiteral("CALCULATING........"));
    // Not modal: the work holds the window thread anyway, and the results window stays usable
    // for the moment it is shown after.
    setModal(false);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setAlignment(Qt::AlignCenter);
    percent_ = new QLabel(this);
    percent_->setObjectName(QStringLiteral("percent"));
    percent_->setAlignment(Qt::AlignCenter);
    percent_->setMinimumWidth(240);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addWidget(percent_);
    set_percent(0);
}

void ProgressWindow::set_status(const QString& status) {
    status_->setText(status);
    status_->repaint();
    set_percent(0);
}

void ProgressWindow::set_percent(int percent) {
    percent_->setText(QString::number(percent));
    // Nothing else runs while the work does: the percentage is painted at once.
    percent_->repaint();
}

QString ProgressWindow::status() const {
    return status_->text();
}

QString ProgressWindow::percent() const {
    return percent_->text();
}

}  // namespace spanlyx
