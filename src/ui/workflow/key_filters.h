#pragma once
// The key filter of every entry field: the characters each field takes, Backspace, and Enter
// acting as Tab; and the form a field's whole text must keep, however the text arrives.

#include <string_view>

#include "ui/workflow/actions.h"

namespace spanlyx {

inline constexpr int kBackspaceKey = 8;
inline constexpr int kEnterKey = 13;

// `key` is the character code the field receives (Backspace 8, Enter 13).
KeyResult filter_key(Control field, int key);

// Whether a field's whole text is a number in the field's form, or on the way to one: digits,
// a point at most once where the field takes one, a minus sign only in front where the field
// takes one ("", ".", "-" and "-." are texts being typed). Blanks may stand at either end (the
// rules blank some fields with " "). A field without a character filter takes any text.
bool fits_field_form(Control field, std::string_view text);

// "Data Input was other than Numeric", titled as the field's key filter titles it.
Action non_numeric_refusal(Control field);

}  // namespace spanlyx
