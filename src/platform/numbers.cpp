// Number texts: the general 10-digit form of reals, the integer and real fields of fact files,
// text-to-real for typed numbers and CF texts, and the two roundings.
// Never depends on the locale (a Polish one writes a decimal comma) and never throws.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <system_error>

#include "platform/text.h"

namespace text {
namespace {

constexpr int kSignificantDigits = 10;
// Positional notation for these numbers of digits before the point, exponent form outside.
constexpr int kFewestPositionalDigits = -3;
constexpr int kMostPositionalDigits = 10;

constexpr long long kFactIntLimit = 2147483647;  // fact files accept ± this, whatever the base
// Exponents beyond this are all the same to a double; the cap keeps the sum from overflowing.
constexpr long long kExponentCap = 1'000'000'000;

bool is_digit(char c) { return c >= '0' && c <= '9'; }

int digit_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 99;
}

// ---- Real to text ----

struct RoundedDigits {
    std::string digits;  // significant digits, trailing zeros removed, at least one
    int point = 0;       // digits before the decimal point in positional notation
};

// The magnitude rounded to 10 significant digits. printf does the correct rounding; we read
// only its digits and exponent, so whatever decimal separator it uses does not matter.
RoundedDigits round_to_significant_digits(double magnitude) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", kSignificantDigits - 1, magnitude);
    RoundedDigits r;
    const char* p = buffer;
    for (; *p != '\0' && *p != 'e' && *p != 'E'; ++p) {
        if (is_digit(*p)) r.digits += *p;
    }
    const char* end = buffer + std::strlen(buffer);
    if (p != end) ++p;  // the exponent letter
    if (p != end && *p == '+') ++p;
    int exponent = 0;
    std::from_chars(p, end, exponent);
    while (r.digits.size() > 1 && r.digits.back() == '0') r.digits.pop_back();
    r.point = exponent + 1;
    return r;
}

std::string positional(const RoundedDigits& r) {
    if (r.point <= 0) return "0." + std::string(-r.point, '0') + r.digits;
    const auto point = static_cast<std::size_t>(r.point);
    if (r.digits.size() <= point) return r.digits + std::string(point - r.digits.size(), '0');
    return r.digits.substr(0, point) + "." + r.digits.substr(point);
}

std::string exponential(const RoundedDigits& r) {
    std::string out = r.digits.substr(0, 1);
    if (r.digits.size() > 1) out += "." + r.digits.substr(1);
    const int exponent = r.point - 1;
    out += exponent < 0 ? "E-" : "E+";
    const std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
    if (digits.size() < 2) out += '0';
    return out + digits;
}

// ---- Text to real ----

// Where the parts of an unsigned real lie: digits, optional point and digits, optional
// exponent letter with optional sign and digits (no digits means exponent 0).
struct RealScan {
    bool any_digit = false;
    std::size_t mantissa_begin = 0;
    std::size_t mantissa_end = 0;
    std::size_t end = 0;
    long long exponent = 0;
};

std::size_t skip_digits(std::string_view s, std::size_t i) {
    while (i < s.size() && is_digit(s[i])) ++i;
    return i;
}

RealScan scan_unsigned_real(std::string_view s, std::size_t i) {
    RealScan r;
    r.mantissa_begin = i;
    i = skip_digits(s, i);
    r.any_digit = i > r.mantissa_begin;
    if (i < s.size() && s[i] == '.') {
        const std::size_t fraction = i + 1;
        i = skip_digits(s, fraction);
        r.any_digit = r.any_digit || i > fraction;
    }
    r.mantissa_end = i;
    if (!r.any_digit) {
        r.end = r.mantissa_begin;
        return r;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool negative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
        for (; i < s.size() && is_digit(s[i]); ++i) {
            r.exponent = std::min(r.exponent * 10 + (s[i] - '0'), kExponentCap);
        }
        if (negative) r.exponent = -r.exponent;
    }
    r.end = i;
    return r;
}

// Digits before the point of the mantissa's value written without leading zeros
// (3 for 123.4, 0 for 0.5, -1 for 0.05); the mantissa holds a non-zero digit.
long long decimal_magnitude(std::string_view mantissa) {
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first < point) return static_cast<long long>(point - first);
    return -static_cast<long long>(first - point - 1);
}

// The value of a scanned real without its sign; nullopt when it is too large for a double.
// A value too small for one becomes zero.
std::optional<double> value_of(std::string_view s, const RealScan& r) {
    const std::string_view mantissa = s.substr(r.mantissa_begin, r.mantissa_end - r.mantissa_begin);
    const std::string normalised = std::string(mantissa) + "e" + std::to_string(r.exponent);
    double value = 0;
    const auto [end, error] = std::from_chars(normalised.data(), normalised.data() + normalised.size(), value);
    if (error == std::errc{} && end == normalised.data() + normalised.size()) return value;
    if (error == std::errc::result_out_of_range && decimal_magnitude(mantissa) + r.exponent <= 0) {
        return 0.0;
    }
    return std::nullopt;
}

bool starts_with_word(std::string_view s, std::size_t i, std::string_view upper_word) {
    if (s.size() - i < upper_word.size()) return false;
    for (std::size_t k = 0; k < upper_word.size(); ++k) {
        char c = s[i + k];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != upper_word[k]) return false;
    }
    return true;
}

std::size_t skip_blanks(std::string_view s, std::size_t i) {
    while (i < s.size() && s[i] == ' ') ++i;
    return i;
}

}  // namespace

std::string real_to_text(double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    if (value == 0) return "0";
    const RoundedDigits r = round_to_significant_digits(std::fabs(value));
    const bool positional_form = r.point >= kFewestPositionalDigits && r.point <= kMostPositionalDigits;
    return (value < 0 ? "-" : "") + (positional_form ? positional(r) : exponential(r));
}

std::string int_to_text(long long value) { return std::to_string(value); }

IntRead read_fact_int(std::string_view s) {
    std::size_t i = 0;
    const bool negative = !s.empty() && s[0] == '-';
    if (negative) ++i;
    int base = 10;
    if (s.size() - i >= 2 && s[i] == '0') {
        const char letter = s[i + 1];
        if (letter == 'x' || letter == 'X') base = 16;
        if (letter == 'o' || letter == 'O') base = 8;
        if (base != 10) i += 2;
    }
    const std::size_t digits_begin = i;
    long long value = 0;
    bool too_large = false;
    for (; i < s.size() && digit_value(s[i]) < base; ++i) {
        value = value * base + digit_value(s[i]);
        if (value > kFactIntLimit) {
            too_large = true;
            value = 0;
        }
    }
    IntRead result;
    if (i == digits_begin) return result;
    if (too_large) {
        result.status = NumberStatus::OutOfRange;
        return result;
    }
    result.status = NumberStatus::Ok;
    result.value = static_cast<std::int32_t>(negative ? -value : value);
    result.consumed = i;
    return result;
}

RealRead read_fact_real(std::string_view s) {
    const bool signed_ = !s.empty() && (s[0] == '-' || s[0] == '+');
    const RealScan scan = scan_unsigned_real(s, signed_ ? 1 : 0);
    RealRead result;
    if (!scan.any_digit) return result;
    const auto value = value_of(s, scan);
    if (!value) {
        result.status = NumberStatus::OutOfRange;
        return result;
    }
    result.status = NumberStatus::Ok;
    result.value = signed_ && s[0] == '-' ? -*value : *value;
    result.consumed = scan.end;
    return result;
}

std::optional<double> text_to_real(std::string_view s) {
    std::size_t i = skip_blanks(s, 0);
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    double value;
    if (starts_with_word(s, i, "NAN")) {
        value = std::numeric_limits<double>::quiet_NaN();
        i += 3;
    } else if (starts_with_word(s, i, "INF")) {
        value = std::numeric_limits<double>::infinity();
        i += 3;
    } else {
        const RealScan scan = scan_unsigned_real(s, i);
        if (!scan.any_digit) return std::nullopt;
        const auto scanned = value_of(s, scan);
        if (!scanned) return std::nullopt;
        value = *scanned;
        i = scan.end;
    }
    if (skip_blanks(s, i) != s.size()) return std::nullopt;
    return negative ? -value : value;
}

std::optional<std::int32_t> text_to_int(std::string_view s) {
    std::size_t i = skip_blanks(s, 0);
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    const std::size_t digits_begin = i;
    const long long limit = negative ? -static_cast<long long>(std::numeric_limits<std::int32_t>::min())
                                     : std::numeric_limits<std::int32_t>::max();
    long long value = 0;
    for (; i < s.size() && is_digit(s[i]); ++i) {
        value = value * 10 + (s[i] - '0');
        if (value > limit) return std::nullopt;
    }
    if (i == digits_begin || skip_blanks(s, i) != s.size()) return std::nullopt;
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::optional<std::int32_t> round_to_int(double value) {
    if (std::isnan(value)) return std::nullopt;
    const double rounded = std::round(value);  // halves away from zero, exactly
    if (rounded < -2147483648.0 || rounded > 2147483647.0) return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

double round_half_up(double value) {
    if (!std::isfinite(value)) return value;
    // value - floor(value) is exact, unlike value + 0.5, which rounds 0.49999999999999994 up.
    const double floor = std::floor(value);
    return value - floor >= 0.5 ? floor + 1 : floor;
}

}  // namespace text
