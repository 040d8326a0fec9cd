#include "ui/workflow/key_filters.h"

#include <optional>
#include <string_view>

namespace spanlyx {
namespace {

constexpr std::string_view kDigits = "0123456789";
constexpr std::string_view kUnsigned = "0123456789.";
constexpr std::string_view kSigned = "-0123456789.";
// The joint's stiffnesses and movements span many decades (a spring of 2E+08 N/m, a rotation of
// 5E-05 rad), so their fields also take an exponent; the stiffness itself carries no sign.
constexpr std::string_view kUnsignedExponent = "0123456789.Ee+-";
constexpr std::string_view kSignedExponent = "-0123456789.Ee+";

// The characters a field takes; none for fields without a filter.
std::optional<std::string_view> character_set(Control field) {
    switch (field) {
        case Control::spans:
        case Control::points:
        case Control::uniforms:
        case Control::moments:
            return kDigits;
        case Control::spanlengthtext:
        case Control::spanwidthtext:
        case Control::spandepthtext:
        case Control::moi:
        case Control::spanetext:
        case Control::pxtext:
        case Control::uniformx1text:
        case Control::uniformx2text:
        case Control::momentxtext:
            return kUnsigned;
        case Control::ptext:
        case Control::uniformtext:
        case Control::uniformtext2:
        case Control::momenttext:
            return kSigned;
        case Control::kytext:
        case Control::kztext:
            return kUnsignedExponent;
        case Control::settlementtext:
        case Control::rotationtext:
            return kSignedExponent;
        default:
            return std::nullopt;
    }
}

bool enter_acts_as_tab(Control field) {
    return is_text_field(field) || field == Control::Combo1 || field == Control::Check1;
}

}  // namespace

Action non_numeric_refusal(Control field) {
    Action action;
    action.kind = ActionKind::ShowMessage;
    // The span length field's box carries the program title.
    const std::string_view title =
        field == Control::spanlengthtext ? kProgramTitle : kResponseTitle;
    action.message = {"Data Input was other than Numeric", std::string(title),
                      MessageIcon::Information};
    return action;
}

KeyResult filter_key(Control field, int key) {
    if (key == kEnterKey && enter_acts_as_tab(field)) {
        return {false, {Action{ActionKind::FocusNext, Control::none, {}, false, {}}}};
    }
    if (key == kBackspaceKey)
        return {};
    const std::optional<std::string_view> allowed = character_set(field);
    if (!allowed)
        return {};
    const bool in_set =
        key > 0 && key < 128 && allowed->find(static_cast<char>(key)) != std::string_view::npos;
    if (in_set)
        return {};
    return {false, {non_numeric_refusal(field)}};
}

bool fits_field_form(Control field, std::string_view text) {
    const std::optional<std::string_view> allowed = character_set(field);
    if (!allowed)
        return true;
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return true;
    const std::string_view body = text.substr(first, text.find_last_not_of(' ') - first + 1);
    const bool takes_exponent = allowed->find('E') != std::string_view::npos;
    const bool takes_sign = *allowed == kSigned || *allowed == kSignedExponent;
    const bool takes_point = allowed->find('.') != std::string_view::npos;
    bool point_seen = false;
    bool digit_seen = false;
    std::size_t exponent_at = std::string_view::npos;  // index of the E
    for (std::size_t i = 0; i < body.size(); ++i) {
        const char ch = body[i];
        if (ch >= '0' && ch <= '9') {
            digit_seen = true;
            continue;
        }
        if (exponent_at == std::string_view::npos) {
            if (ch == '-' && takes_sign && i == 0)
                continue;
            if (ch == '.' && takes_point && !point_seen) {
                point_seen = true;
                continue;
            }
            // An exponent follows a mantissa with at least one digit: "1E3", "2.5e-4".
            if ((ch == 'E' || ch == 'e') && takes_exponent && digit_seen) {
                exponent_at = i;
                continue;
            }
            return false;
        }
        // Inside the exponent only a sign right after the E.
        if ((ch == '-' || ch == '+') && i == exponent_at + 1)
            continue;
        return false;
    }
    return true;
}

}  // namespace spanlyx
