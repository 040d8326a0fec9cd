#include "ui/workflow/decimal_rule.h"

#include <string>

namespace spanlyx {

bool breaks_decimal_rule(std::string_view text, int allowed) {
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos)
        return false;
    const std::size_t after_point = text.size() - point - 1;
    return after_point > static_cast<std::size_t>(allowed);
}

void apply_decimal_rule(EntryContext& c, Control field, std::string_view message) {
    if (breaks_decimal_rule(c.text(field), allowed_decimals(c.beam.units))) {
        decimal_rule_failed(c, field, message);
    }
}

void decimal_rule_failed(EntryContext& c, Control field, std::string_view message) {
    c.message(std::string(message));
    c.focus(field);
}

}  // namespace spanlyx
