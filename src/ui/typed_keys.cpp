#include "ui/typed_keys.h"

#include <QString>

namespace spanlyx {

std::optional<char16_t> typed_character(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    if (key.key() == Qt::Key_Backspace)
        return kBackspaceKey;
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
        return kEnterKey;
    const QString text = key.text();
    if (text.size() != 1)
        return std::nullopt;
    const char16_t code = text.at(0).unicode();
    if (code < 0x20 || code == 0x7F)
        return std::nullopt;
    return code;
}

bool engineer_moved_focus(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason;
}

}  // namespace spanlyx
