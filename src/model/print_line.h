#pragma once
// Report lines built from items in print zones 14 characters wide: an item after a comma
// starts at the next zone, an item after a semicolon follows directly.

#include <string>
#include <string_view>

namespace spanlyx {

inline constexpr std::size_t kPrintZoneWidth = 14;

class PrintLine {
  public:
    PrintLine() = default;
    explicit PrintLine(std::string_view first) : text_(first) {}

    // Starts the item at the first zone start after the current print position (columns 1, 15,
    // 29, ...); an empty line moves on to column 15, as a leading comma does.
    PrintLine& zone(std::string_view item);
    // Appends the item directly.
    PrintLine& join(std::string_view item);
    // A number written directly: one blank (or the minus sign) before it, one blank after.
    PrintLine& zone_number(double value);
    PrintLine& join_number(double value);

    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

// Collects lines with CRLF ends: every text file the program writes is built this way.
class TextWriter {
  public:
    void line(std::string_view text);
    void line(const PrintLine& line) { this->line(line.text()); }
    void empty_line() { line(""); }
    void blank_line() { line(" "); }
    const std::string& text() const { return text_; }
    std::string take() { return std::move(text_); }

  private:
    std::string text_;
};

}  // namespace spanlyx
