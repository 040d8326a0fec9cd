#include "ui/message_box_prompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QString>

namespace spanlyx {
namespace {

QMessageBox::Icon qt_icon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::None:
            return QMessageBox::NoIcon;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

PromptAnswer MessageBoxPrompter::show(const Message& message, PromptButtons buttons) {
    QMessageBox box(
        qt_icon(message.icon), QString::fromStdString(message.title),
        QString::fromStdString(message.text),
        buttons == PromptButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
        parent_);
    // The window that had the keyboard gets it back when the box closes, also where no window
    // manager hands it back (a bare X server): its fields go on seeing focus changes.
    const QPointer<QWidget> active = QApplication::activeWindow();
    const int answer = box.exec();
    if (active)
        active->activateWindow();
    if (buttons == PromptButtons::Ok)
        return PromptAnswer::Ok;
    return answer == QMessageBox::Yes ? PromptAnswer::Yes : PromptAnswer::No;
}

}  // namespace spanlyx
