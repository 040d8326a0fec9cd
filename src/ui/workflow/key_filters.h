#pragma once
// The key filter of every entry field: the characters each field takes, Backspace, and Enter
// acting as Tab.

#include "ui/workflow/actions.h"

namespace spanlyx {

inline constexpr int kBackspaceKey = 8;
inline constexpr int kEnterKey = 13;

// `key` is the character code the field receives (Backspace 8, Enter 13).
KeyResult filter_key(Control field, int key);

}  // namespace spanlyx
