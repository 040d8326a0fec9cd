#include "ui/keyboard_moves.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace spanlyx {
namespace {

bool takes_typed_input(const QWidget& widget) {
    if (const auto* field = qobject_cast<const QLineEdit*>(&widget))
        return !field->isReadOnly();
    return qobject_cast<const QComboBox*>(&widget) != nullptr;
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

}  // namespace

void focus_next_input(QWidget& window) {
    QWidget* start = window.focusWidget();
    if (start == nullptr)
        return;
    for (QWidget* next = start->nextInFocusChain(); next != nullptr && next != start;
         next = next->nextInFocusChain()) {
        if (!takes_typed_input(*next) || !reachable_by_tab(*next, window))
            continue;
        // A focus moved by the keyboard shows its frame, as Tab's does.
        window.setAttribute(Qt::WA_KeyboardFocusChange);
        next->setFocus(Qt::TabFocusReason);
        return;
    }
}

void press_buttons_on_return(QWidget& window) {
    for (QPushButton* button : window.findChildren<QPushButton*>())
        button->setAutoDefault(true);
}

void close_on_escape(QWidget& window) {
    window.installEventFilter(new EscapeCloses(&window));
}

}  // namespace spanlyx
