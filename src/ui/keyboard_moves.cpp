#include "ui/keyboard_moves.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace spanlyx {
namespace {

// Enter moves on between the controls one types into: a choice list that takes no typing (the
// case of a load) is reached with Tab and the mouse, so Enter runs through the values as ever.
bool takes_typed_input(const QWidget& widget) {
    if (const auto* field = qobject_cast<const QLineEdit*>(&widget))
        return !field->isReadOnly();
    const auto* box = qobject_cast<const QComboBox*>(&widget);
    return box != nullptr && box->isEditable();
}

bool reachable_by_tab(const QWidget& widget, const QWidget& window) {
    // A combo box's own line edit hands its focus to the box, which is the stop.
    return widget.window() == &window && widget.isEnabled() && widget.isVisible() &&
           (widget.focusPolicy() & Qt::TabFocus) != 0 && widget.focusProxy() == nullptr;
}

// Escape that no child of the window took (a text view or field passes it on to the window)
// closes the window.
class EscapeCloses final : public QObject {
  public:
    explicit EscapeCloses(QWidget* window) : QObject(window), window_(window) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_ || event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Escape || key->modifiers() != Qt::NoModifier)
            return false;
        window_->close();
        return true;
    }

  private:
    QWidget* window_;
};

// The next widget after `start` in the window's tab order that `wanted` accepts.
template <class Wanted>
QWidget* next_in_tab_order(QWidget& window, QWidget* start, Wanted wanted) {
    for (QWidget* next = start->nextInFocusChain(); next != nullptr && next != start;
         next = next->nextInFocusChain()) {
        if (reachable_by_tab(*next, window) && wanted(*next))
            return next;
    }
    return nullptr;
}

}  // namespace

void focus_next_input(QWidget& window) {
    QWidget* start = window.focusWidget();
    if (start == nullptr)
        return;
    QWidget* next = next_in_tab_order(window, start, takes_typed_input);
    if (next == nullptr)
        next = next_in_tab_order(window, start, [](const QWidget&) { return true; });
    if (next == nullptr)
        return;
    // A focus moved by the keyboard shows its frame, as Tab's does.
    window.setAttribute(Qt::WA_KeyboardFocusChange);
    next->setFocus(Qt::TabFocusReason);
}

void press_buttons_on_return(QWidget& window) {
    for (QPushButton* button : window.findChildren<QPushButton*>())
        button->setAutoDefault(true);
}

void close_on_escape(QWidget& window) {
    window.installEventFilter(new EscapeCloses(&window));
}

}  // namespace spanlyx
