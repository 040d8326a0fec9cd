#include "ui/text_encoding.h"

#include "model/windows_1252.h"

namespace spanlyx {

QString decode_text(std::string_view bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes)
        out.append(
            QChar(static_cast<char16_t>(windows_1252_code_point(static_cast<unsigned char>(c)))));
    return out;
}

std::string encode_text(const QString& text) {
    // Qt's UTF-8 holds every character once (a lone surrogate becomes U+FFFD), so a character
    // outside Windows-1252 is one "?" here as in every other text the program writes.
    return utf8_to_windows_1252(text.toStdString());
}

}  // namespace spanlyx
