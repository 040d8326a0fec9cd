#pragma once
// How the entry fields and the option boxes read the keyboard: the character a key types, as
// their key filters see it, and whether a focus change was the engineer's own.

#include <QKeyEvent>
#include <optional>

namespace spanlyx {

inline constexpr char16_t kBackspaceKey = 8;
inline constexpr char16_t kEnterKey = 13;

// The character a key types (Backspace 8, Enter 13); nothing for keys that only move the cursor
// or edit (arrows, Delete, Tab, shortcuts), which the field handles itself.
std::optional<char16_t> typed_character(const QKeyEvent& key);

// A focus change caused by another window (a message box, a menu) is not the engineer leaving
// or entering a field.
bool engineer_moved_focus(Qt::FocusReason reason);

}  // namespace spanlyx
