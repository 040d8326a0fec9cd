#include "model/windows_1252.h"

#include <array>
#include <cstddef>

namespace spanlyx {
namespace {

// Code points of bytes 0x80..0x9F; 0 where the byte is unassigned.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

constexpr char32_t kNoCharacter = 0xFFFFFFFF;

// Decodes one well-formed UTF-8 sequence at the start of `text`; kNoCharacter with length 1
// for a byte that does not begin one (stray continuation bytes, overlong forms, surrogates,
// values beyond U+10FFFF, sequences cut short).
struct Decoded {
    char32_t code_point;
    std::size_t length;
};

Decoded decode_utf8(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80)
        return {lead, 1};
    std::size_t length = 0;
    char32_t value = 0;
    char32_t smallest = 0;  // below this the form is overlong
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1Fu;
        smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0Fu;
        smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07u;
        smallest = 0x10000;
    } else {
        return {kNoCharacter, 1};
    }
    if (text.size() < length)
        return {kNoCharacter, 1};
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0u) != 0x80u)
            return {kNoCharacter, 1};
        value = (value << 6) | (next & 0x3Fu);
    }
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return {kNoCharacter, 1};
    return {value, length};
}

}  // namespace

char32_t windows_1252_code_point(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        const char16_t mapped = kHighControls[byte - 0x80u];
        return mapped != 0 ? mapped : byte;
    }
    return byte;
}

char windows_1252_byte(char32_t code_point) {
    if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF))
        return static_cast<char>(code_point);
    // The five unassigned bytes stand for themselves both ways, so no byte is lost in UTF-8.
    if (code_point >= 0x80 && code_point <= 0x9F && kHighControls[code_point - 0x80] == 0)
        return static_cast<char>(code_point);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] != 0 && kHighControls[i] == code_point)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

std::string utf8_to_windows_1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        const Decoded d = decode_utf8(utf8);
        out.push_back(d.code_point == kNoCharacter ? '?' : windows_1252_byte(d.code_point));
        utf8.remove_prefix(d.length);
    }
    return out;
}

std::string windows_1252_to_utf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const char32_t cp = windows_1252_code_point(static_cast<unsigned char>(c));
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

}  // namespace spanlyx
