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

QMessageBox::StandardButtons qt_buttons(PromptButtons buttons) {
    switch (buttons) {
        case PromptButtons::Ok:
            return QMessageBox::Ok;
        case PromptButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case PromptButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

PromptAnswer answer_of(int button) {
    switch (button) {
        case QMessageBox::Yes:
            return PromptAnswer::Yes;
        case QMessageBox::No:
            return PromptAnswer::No;
        case QMessageBox::Cancel:
            return PromptAnswer::Cancel;
        default:
            return PromptAnswer::Ok;
    }
}

}  // namespace

PromptAnswer MessageBoxPrompter::show(const Message& message, PromptButtons buttons) {
    QMessageBox box(qt_icon(message.icon), QString::fromStdString(message.title),
                    QString::fromStdString(message.text), qt_buttons(buttons), parent_);
    if (buttons == PromptButtons::YesNoCancel) {
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
    }
    // The window that had the keyboard gets it back when the box closes, also where no window
    // manager hands it back (a bare X server): its fields go on seeing focus changes.
    const QPointer<QWidget> active = QApplication::activeWindow();
    const int answer = box.exec();
    if (active)
        active->activateWindow();
    if (buttons == PromptButtons::Ok)
        return PromptAnswer::Ok;
    const PromptAnswer chosen = answer_of(answer);
    if (chosen == PromptAnswer::Yes || chosen == PromptAnswer::No)
        return chosen;
    // Closed without Yes or No (Escape, the close box): No where there is no Cancel.
    return buttons == PromptButtons::YesNo ? PromptAnswer::No : PromptAnswer::Cancel;
}

}  // namespace spanlyx
