// UTF-8 text from the system (file paths) into the Windows-1252 bytes of files and reports.
#include <gtest/gtest.h>

#include "model/windows_1252.h"

namespace spanlyx {
namespace {

TEST(Windows1252, LatinAndTypographicCharactersKeepTheirByte) {
    EXPECT_EQ(utf8_to_windows_1252("beam-2.cb"), "beam-2.cb");
    // ü U+00FC, ß U+00DF, é U+00E9: Latin-1 code points are their own byte.
    EXPECT_EQ(utf8_to_windows_1252("M\xC3\xBCller Stra\xC3\x9F"
                                   "e caf\xC3\xA9"),
              "M\xFCller Stra\xDF"
              "e caf\xE9");
    // € U+20AC -> 0x80, ‘ U+2018 -> 0x91, Ž U+017D -> 0x8E, Ÿ U+0178 -> 0x9F.
    EXPECT_EQ(utf8_to_windows_1252("\xE2\x82\xAC\xE2\x80\x98\xC5\xBD\xC5\xB8"), "\x80\x91\x8E\x9F");
}

TEST(Windows1252, EachCharacterItCannotHoldIsOneQuestionMark) {
    EXPECT_EQ(utf8_to_windows_1252("\xCE\xA9"), "?");                           // Ω, two bytes
    EXPECT_EQ(utf8_to_windows_1252("\xE6\x9D\x8E/\xE6\x9C\xA8.cb"), "?/?.cb");  // two CJK
    EXPECT_EQ(utf8_to_windows_1252("a\xF0\x9F\x98\x80"
                                   "b"),
              "a?b");  // outside the BMP
    // U+0080..U+009F are control characters, not the typographic ones that share their bytes.
    EXPECT_EQ(utf8_to_windows_1252("\xC2\x80"), "?");
}

TEST(Windows1252, BytesOutsideWellFormedUtf8BecomeQuestionMarks) {
    EXPECT_EQ(utf8_to_windows_1252("a\xFF"
                                   "b"),
              "a?b");                                             // never in UTF-8
    EXPECT_EQ(utf8_to_windows_1252("\xE9t\xE9"), "?t?");          // Latin-1 bytes, not UTF-8
    EXPECT_EQ(utf8_to_windows_1252("\xC0\xAF"), "??");            // overlong "/"
    EXPECT_EQ(utf8_to_windows_1252("\xED\xA0\x80"), "???");       // a UTF-16 surrogate
    EXPECT_EQ(utf8_to_windows_1252("\xF4\x90\x80\x80"), "????");  // beyond U+10FFFF
    EXPECT_EQ(utf8_to_windows_1252("x\xE2\x82"), "x??");          // cut short at the end
}

TEST(Windows1252, BytesDecodeAndEncodeBack) {
    EXPECT_EQ(windows_1252_code_point(0x80), U'\u20AC');
    EXPECT_EQ(windows_1252_code_point(0x9C), U'\u0153');
    EXPECT_EQ(windows_1252_code_point(0xE9), U'\u00E9');
    EXPECT_EQ(windows_1252_code_point(0x81), U'\u0081');  // unassigned: stands for itself
    for (int byte = 0; byte < 256; ++byte) {
        if (byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D)
            continue;
        EXPECT_EQ(static_cast<unsigned char>(
                      windows_1252_byte(windows_1252_code_point(static_cast<unsigned char>(byte)))),
                  byte);
    }
    EXPECT_EQ(windows_1252_byte(U'\u03A9'), '?');
}

}  // namespace
}  // namespace spanlyx
