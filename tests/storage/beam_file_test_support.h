#pragma once
// Helpers of the beam file tests: joining and splitting CRLF lines.

#include <string>
#include <vector>

namespace spanlyx::test {

inline std::string crlf_text(const std::vector<std::string>& lines, const char* end = "\r\n") {
    std::string text;
    for (const std::string& line : lines)
        text += line + end;
    return text;
}

// Lines of a CRLF text; fails the comparison visibly if a bare LF slipped in.
inline std::vector<std::string> crlf_lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start) + "<no CRLF>");
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

}  // namespace spanlyx::test
