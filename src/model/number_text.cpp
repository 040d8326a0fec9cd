#include "model/number_text.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <system_error>

namespace spanlyx {
namespace {

// Significant digits of the general number form.
constexpr int kGeneralDigits = 15;

// Decimal digits and exponent of |value| rounded to `digits` significant digits:
// value = 0.d1d2d3... x 10^(exponent + 1), digits without trailing zeros.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;  // power of ten of the first digit
};

DecimalDigits significant_digits(double magnitude, int digits) {
    // to_chars in scientific form never consults the locale: always "d.ddddde+XX".
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                       std::chars_format::scientific, digits - 1);
    assert(written.ec == std::errc());
    const std::string_view text(buffer, static_cast<std::size_t>(written.ptr - buffer));
    DecimalDigits out;
    const auto e_at = text.find('e');
    for (std::size_t i = 0; i < e_at; ++i) {
        if (text[i] != '.')
            out.digits.push_back(text[i]);
    }
    std::size_t exponent_at = e_at + 1;
    if (text[exponent_at] == '+')
        ++exponent_at;  // from_chars takes a minus sign but no plus sign
    std::from_chars(text.data() + exponent_at, text.data() + text.size(), out.exponent);
    while (out.digits.size() > 1 && out.digits.back() == '0')
        out.digits.pop_back();
    return out;
}

// "E+05", "E-12", "E+300": the exponent of the general form, at least two digits.
std::string exponent_text(int exponent) {
    std::string out = exponent < 0 ? "E-" : "E+";
    const std::string digits = std::to_string(std::abs(exponent));
    if (digits.size() < 2)
        out.push_back('0');
    return out + digits;
}

// Power of ten of the first non-zero digit of an unsigned number text
// (digits [. digits] [E [sign] digits]); 0 when every digit is zero.
long long leading_power(std::string_view number) {
    const std::size_t exponent_at = number.find_first_of("Ee");
    const std::string_view mantissa = number.substr(0, exponent_at);
    long long exponent = 0;
    if (exponent_at != std::string_view::npos) {
        std::string_view digits = number.substr(exponent_at + 1);
        const bool negative = !digits.empty() && digits[0] == '-';
        if (!digits.empty() && (digits[0] == '-' || digits[0] == '+'))
            digits.remove_prefix(1);
        const auto read = std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
        // Any exponent this large is beyond the range of a double either way; the bound keeps
        // the sum below from overflowing.
        constexpr long long kFarBeyond = 1'000'000'000;
        if (read.ec == std::errc::result_out_of_range || exponent > kFarBeyond)
            exponent = kFarBeyond;
        if (negative)
            exponent = -exponent;
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos)
        return 0;
    const auto place = first < point ? static_cast<long long>(point - first - 1)
                                     : -static_cast<long long>(first - point);
    return place + exponent;
}

// Reads a number text ([sign] digits [. digits] [E [sign] digits], or the "NaN"/"Inf" of the
// formatters) as the C library reads it in the C locale, in any locale: a magnitude beyond the
// range of a double is infinite, one below the smallest subnormal is zero.
double to_double(std::string_view number) {
    bool negative = false;
    if (!number.empty() && (number[0] == '+' || number[0] == '-')) {
        negative = number[0] == '-';
        number.remove_prefix(1);  // from_chars takes no plus sign
    }
    double value = 0;
    const auto read = std::from_chars(number.data(), number.data() + number.size(), value);
    if (read.ec == std::errc::result_out_of_range)
        value = leading_power(number) < 0 ? 0.0 : std::numeric_limits<double>::infinity();
    else if (read.ec != std::errc())
        value = 0;
    return negative ? -value : value;
}

}  // namespace

std::string decimals_pattern(int decimals) {
    assert(decimals >= 0 && decimals <= 15);
    if (decimals <= 0)
        return "0";
    return "0." + std::string(static_cast<std::size_t>(decimals), '0');
}

int pattern_decimals(std::string_view pattern) {
    assert(!pattern.empty() && pattern[0] == '0');
    const auto point = pattern.find('.');
    if (point == std::string_view::npos)
        return 0;
    return static_cast<int>(pattern.size() - point - 1);
}

std::string format_fixed(double value, int decimals) {
    assert(decimals >= 0 && decimals <= 15);
    if (!std::isfinite(value))
        return std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf");
    const bool negative = value < 0;
    const double magnitude = std::fabs(value);
    // Integer digits of the result, most significant first, then `decimals` fraction digits.
    std::string digits;
    int int_digits = 0;
    if (magnitude != 0) {
        // 15 significant digits first, as the general form shows the value, then half away from
        // zero.
        const DecimalDigits d = significant_digits(magnitude, kGeneralDigits);
        // Place the decimal digits on a fixed grid: position p holds 10^(exponent - p).
        const int first_power = d.exponent;
        const int top = std::max(first_power, 0);  // highest power written
        int_digits = top + 1;
        const int total = int_digits + decimals;
        digits.assign(static_cast<std::size_t>(total), '0');
        for (std::size_t i = 0; i < d.digits.size(); ++i) {
            const int power = first_power - static_cast<int>(i);
            const int pos = top - power;
            if (pos >= 0 && pos < total)
                digits[static_cast<std::size_t>(pos)] = d.digits[i];
        }
        // Half away from zero: look at the first digit after the kept ones.
        const int next_power = -decimals - 1;
        const int next_index = first_power - next_power;  // index into d.digits
        if (next_index >= 0 && next_index < static_cast<int>(d.digits.size()) &&
            d.digits[static_cast<std::size_t>(next_index)] >= '5') {
            int pos = total - 1;
            while (pos >= 0) {
                char& c = digits[static_cast<std::size_t>(pos)];
                if (c == '9') {
                    c = '0';
                    --pos;
                } else {
                    ++c;
                    break;
                }
            }
            if (pos < 0) {
                digits.insert(digits.begin(), '1');
                ++int_digits;
            }
        }
    } else {
        int_digits = 1;
        digits.assign(static_cast<std::size_t>(1 + decimals), '0');
    }
    // Strip leading zeros of the integer part, keeping one.
    std::size_t lead = 0;
    while (lead + 1 < static_cast<std::size_t>(int_digits) && digits[lead] == '0')
        ++lead;
    std::string out;
    const bool all_zero = digits.find_first_not_of('0') == std::string::npos;
    if (negative && !all_zero)
        out.push_back('-');
    out.append(digits, lead, static_cast<std::size_t>(int_digits) - lead);
    if (decimals > 0) {
        out.push_back('.');
        out.append(digits, static_cast<std::size_t>(int_digits), std::string::npos);
    }
    return out;
}

std::string format_pattern(double value, std::string_view pattern) {
    return format_fixed(value, pattern_decimals(pattern));
}

std::string general_number(double value) {
    if (!std::isfinite(value))
        return std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf");
    if (value == 0)
        return "0";
    const bool negative = value < 0;
    const DecimalDigits d = significant_digits(std::fabs(value), kGeneralDigits);
    std::string out = negative ? "-" : "";
    if (d.exponent < -4 || d.exponent >= kGeneralDigits) {
        out.push_back(d.digits[0]);
        if (d.digits.size() > 1) {
            out.push_back('.');
            out.append(d.digits, 1, std::string::npos);
        }
        return out + exponent_text(d.exponent);
    }
    if (d.exponent < 0) {
        out.push_back('.');
        out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        out += d.digits;
        return out;
    }
    const auto int_len = static_cast<std::size_t>(d.exponent + 1);
    if (d.digits.size() <= int_len) {
        out += d.digits;
        out.append(int_len - d.digits.size(), '0');
    } else {
        out.append(d.digits, 0, int_len);
        out.push_back('.');
        out.append(d.digits, int_len, std::string::npos);
    }
    return out;
}

std::string padded_number(double value) {
    std::string text = general_number(value);
    if (text[0] != '-')
        text.insert(text.begin(), ' ');
    text.push_back(' ');
    return text;
}

std::string padded_integer(long long value) {
    std::string text = std::to_string(value);
    if (value >= 0)
        text.insert(text.begin(), ' ');
    text.push_back(' ');
    return text;
}

long long hundredths(double value) {
    // Beyond 1e15 hundredths no beam position lives; saturate instead of overflowing.
    constexpr double kLimit = 1e15;
    if (std::isnan(value))
        return 0;
    if (value >= kLimit)
        return static_cast<long long>(kLimit * 100);
    if (value <= -kLimit)
        return -static_cast<long long>(kLimit * 100);
    const std::string text = format_fixed(value, 2);
    const bool negative = text[0] == '-';
    long long n = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            n = n * 10 + (c - '0');
    }
    return negative ? -n : n;
}

double round_to_decimals(double value, int decimals) {
    const std::string text = format_fixed(value, decimals);
    return to_double(text);
}

std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

namespace {
// Length of the longest prefix of `text` that is a number: [sign] digits [. digits] [E [sign]
// digits].
std::size_t number_prefix(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t mantissa_digits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        ++i;
        ++mantissa_digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            ++i;
            ++mantissa_digits;
        }
    }
    if (mantissa_digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        std::size_t exp_digits = 0;
        while (j < text.size() && text[j] >= '0' && text[j] <= '9') {
            ++j;
            ++exp_digits;
        }
        if (exp_digits > 0)
            i = j;
    }
    return i;
}

}  // namespace

std::optional<double> parse_number(std::string_view text) {
    const std::string_view body = trim(text);
    if (body.empty())
        return std::nullopt;
    const std::size_t length = number_prefix(body);
    if (length == 0 || length != body.size())
        return std::nullopt;
    const double v = to_double(body);
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

double leading_value(std::string_view text) {
    const std::string_view body = trim(text);
    const std::size_t length = number_prefix(body);
    if (length == 0)
        return 0;
    const double v = to_double(body.substr(0, length));
    return std::isfinite(v) ? v : 0;
}

}  // namespace spanlyx
