#pragma once
// Files and reports hold Windows-1252 bytes: one byte per character, the Latin-1 characters
// plus the typographic ones of 0x80..0x9F. Text from the system (file paths) is UTF-8.

#include <string>
#include <string_view>

namespace spanlyx {

// The Unicode code point of a Windows-1252 byte; the five unassigned bytes stand for themselves.
char32_t windows_1252_code_point(unsigned char byte);

// The Windows-1252 byte of a Unicode code point, or '?' for a character it cannot hold.
char windows_1252_byte(char32_t code_point);

// UTF-8 text in Windows-1252, one byte per character: a character outside Windows-1252
// becomes "?", and so does every byte that does not belong to a well-formed UTF-8 sequence.
std::string utf8_to_windows_1252(std::string_view utf8);

// Windows-1252 text in UTF-8; every byte has its character, so nothing is lost.
std::string windows_1252_to_utf8(std::string_view text);

}  // namespace spanlyx
