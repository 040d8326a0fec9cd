#include "ui/option_box.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <optional>

#include "ui/prompter.h"
#include "ui/typed_keys.h"

namespace spanlyx {
bool is_decimal_key(char16_t key) {
    return (key >= u'0' && key <= u'9') || key == u'.' || key == kBackspaceKey || key == kEnterKey;
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
    const std::optional<char16_t> key = typed_character(*static_cast<QKeyEvent*>(event));
    if (!key)
        return false;
    if (!rules_.accepts(*key)) {
        prompter_.show(rules_.refusal);
        return true;
    }
    if (*key != kEnterKey)
        return false;
    // Enter acts as Tab.
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(box_, &tab);
    return true;
}

}  // namespace spanlyx
