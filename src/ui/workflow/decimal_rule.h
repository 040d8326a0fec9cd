#pragma once
// The decimal rule of the length and distance fields: too many digits after the first point
// are reported, the focus returns to the field and its text is selected; the value stays.

#include <string_view>

#include "ui/workflow/entry_context.h"

namespace spanlyx {

inline constexpr std::string_view kSpanLengthDecimalMessage =
    "SPAN LENGTH decimal input to hundreths only (ex 12.01)";
inline constexpr std::string_view kDistanceDecimalMessage =
    "DISTANCE decimal input to hundreths only (ex 12.01)";
inline constexpr int kTotalLengthDecimals = 2;

// True when the text holds a point followed by more than `allowed` characters.
bool breaks_decimal_rule(std::string_view text, int allowed);

// The decimal rule with the allowed decimals of the beam's unit system.
void apply_decimal_rule(EntryContext& c, Control field, std::string_view message);

// Shows the message and returns the focus to the field, selected.
void decimal_rule_failed(EntryContext& c, Control field, std::string_view message);

}  // namespace spanlyx
