#pragma once
// Files and reports hold Windows-1252 bytes; the windows show and take Unicode.

#include <QString>
#include <string>
#include <string_view>

namespace spanlyx {

QString decode_text(std::string_view bytes);
// Characters outside Windows-1252 become "?".
std::string encode_text(const QString& text);

}  // namespace spanlyx
