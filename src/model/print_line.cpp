#include "model/print_line.h"

#include "model/number_text.h"

namespace spanlyx {

PrintLine& PrintLine::zone(std::string_view item) {
    // Print position (1-based) of the next character; the next zone starts strictly after it.
    const std::size_t position = text_.size() + 1;
    const std::size_t next_start = ((position - 1) / kPrintZoneWidth + 1) * kPrintZoneWidth + 1;
    text_.append(next_start - position, ' ');
    text_.append(item);
    return *this;
}

PrintLine& PrintLine::join(std::string_view item) {
    text_.append(item);
    return *this;
}

PrintLine& PrintLine::zone_number(double value) {
    return zone(padded_number(value));
}
PrintLine& PrintLine::join_number(double value) {
    return join(padded_number(value));
}

void TextWriter::line(std::string_view text) {
    text_.append(text);
    text_.append("\r\n");
}

}  // namespace spanlyx
