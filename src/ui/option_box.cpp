#include "ui/option_box.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <optional>

#include "ui/prompter.h"

namespace spanlyx {
namespace {

constexpr char16_t kBackspace = 8;
constexpr char16_t kEnter = 13;

// The character a key types; nothing for keys that only move the cursor or edit (arrows,
// Delete, Tab, shortcuts), which the box handles itself.
std::optional<char16_t> typed_key(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    if (key.key() == Qt::Key_Backspace)
        return kBackspace;
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
        return kEnter;
    const QString text = key.text();
    if (text.size() != 1)
        return std::nullopt;
    const char16_t code = text.at(0).unicode();
    if (code < 0x20 || code == 0x7F)
        return std::nullopt;
    return code;
}

// A focus change caused by another window (a message box, a menu) is not the engineer leaving
// the box.
bool engineer_moved_focus(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason;
}

}  // namespace

bool is_decimal_key(char16_t key) {
    return (key >= u'0' && key <= u'9') || key == u'.' || key == kBackspace || key == kEnter;
}

OptionBox::OptionBox(QLineEdit* box, Prompter& prompter, Rules rules)
    : QObject(box), box_(box), prompter_(prompter), rules_(std::move(rules)) {
    box->installEventFilter(this);
}

void OptionBox::attach(QLineEdit* box, Prompter& prompter, Rules rules) {
    new OptionBox(box, prompter, std::move(rules));
}

bool OptionBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_)
        return false;
    switch (event->type()) {
        case QEvent::KeyPress:
            return key_pressed(event);
        case QEvent::FocusIn: {
            // The box settles its own focus first; then its whole text is selected.
            box_->event(event);
            box_->selectAll();
            return true;
        }
        case QEvent::FocusOut: {
            const auto* focus = static_cast<QFocusEvent*>(event);
            if (!rules_.left || !engineer_moved_focus(focus->reason()))
                return false;
            box_->event(event);
            rules_.left();
            return true;
        }
        default:
            return false;
    }
}

bool OptionBox::key_pressed(QEvent* event) {
    const std::optional<char16_t> key = typed_key(*static_cast<QKeyEvent*>(event));
    if (!key)
        return false;
    if (!rules_.accepts(*key)) {
        prompter_.show(rules_.refusal);
        return true;
    }
    if (*key != kEnter)
        return false;
    // Enter acts as Tab.
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(box_, &tab);
    return true;
}

}  // namespace spanlyx
