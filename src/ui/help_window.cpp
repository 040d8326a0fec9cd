#include "ui/help_window.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/keyboard_moves.h"

namespace spanlyx {

QString user_guide_markdown() {
    QFile guide(QStringLiteral(":/help/user-guide.md"));
    if (!guide.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(guide.readAll());
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("help"));
    setWindowTitle(tr("Spanlyx Help"));
    view_ = new QTextBrowser(this);
    view_->setObjectName(QStringLiteral("helpText"));
    view_->setOpenExternalLinks(true);
    // The guide's pictures (screenshots/...) are named relative to the guide itself.
    view_->setSearchPaths({QStringLiteral(":/help")});
    const QString guide = user_guide_markdown();
    if (guide.isEmpty()) {
        view_->setPlainText(tr("The user guide is missing from this build."));
    } else {
        view_->setMarkdown(guide);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    resize(720, 640);
    close_on_escape(*this);
}

QString HelpWindow::text() const {
    return view_->toPlainText();
}

}  // namespace spanlyx
