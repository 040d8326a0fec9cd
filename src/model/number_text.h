#pragma once
// Every number that reaches a report, a file or a label is written through these functions,
// so that rounding and the number forms are the same everywhere.

#include <optional>
#include <string>
#include <string_view>

namespace spanlyx {

// A fixed-decimals pattern such as "0", "0.00" or "0.0000".
std::string decimals_pattern(int decimals);

// The number of decimals a pattern asks for ("0.00" -> 2). Asserts on a malformed pattern.
int pattern_decimals(std::string_view pattern);

// Fixed-decimals text: rounded half away from zero on the shortest decimal text that
// reads back as the same double (so 2.675 gives "2.68"), a minus sign for negatives,
// never "-0.00", no thousands separators.
std::string format_fixed(double value, int decimals);
std::string format_pattern(double value, std::string_view pattern);

// The general number form of files and reports, without padding: up to 15 significant
// digits, no zero before the point of a value below 1 (".5", "-.5"), exponent form for
// magnitudes below 1E-04 or from 1E+15 on ("1E-05", "1.5E+20").
std::string general_number(double value);

// The general form as written in a file value line or printed directly: one blank before a
// value that is not negative and one blank after (" 12.5 ", " .5 ", "-3 ").
std::string padded_number(double value);

// Integer form of files: " 3 ", "-1 ".
std::string padded_integer(long long value);

// A position as a whole number of hundredths, as the two-decimal text of the value names it:
// positions are matched on these instead of on formatted strings.
long long hundredths(double value);

// A value rounded the way the fixed pattern rounds it, read back as a number.
double round_to_decimals(double value, int decimals);

// Reads a number line of a file or a field: optional blanks, an optional sign, digits with an
// optional point and an optional exponent, optional blanks. Anything else is not a number.
std::optional<double> parse_number(std::string_view text);

// The leading numeric value of a text as an entry field reads it: blanks skipped, then the
// longest number prefix; 0 when there is none ("12abc" gives 12, "." gives 0).
double leading_value(std::string_view text);

// Removes blanks and tabs at both ends.
std::string_view trim(std::string_view text);

}  // namespace spanlyx
