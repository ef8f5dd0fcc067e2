// Text and number primitives: CP1250 <-> UTF-8, character-wise string helpers, number texts.
// In memory every string is UTF-8; CP1250 exists only on disk. Nothing here touches the locale.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace text {

// ---- Encodings ----------------------------------------------------------------------------

enum class Encoding { Cp1250, Utf8 };

// Every one of the 256 bytes maps to one code point; the five bytes CP1250 leaves unassigned
// (0x81 0x83 0x88 0x90 0x98) map to U+0081 ... so that they round-trip.
std::string cp1250_to_utf8(std::string_view bytes);
// The same into `out`, replacing its text (its memory is reused: for decoding line by line).
void cp1250_to_utf8(std::string_view bytes, std::string& out);

// The inverse of cp1250_to_utf8; a character CP1250 cannot hold becomes '?'.
std::string utf8_to_cp1250(std::string_view utf8);

// A file whose bytes are valid UTF-8 and hold at least one non-ASCII character was written
// on Linux and is read as UTF-8; everything else is CP1250.
Encoding detect_encoding(std::string_view bytes);
// What detection learns of a part of a file: ASCII only, valid UTF-8 with non-ASCII, or not
// UTF-8. No valid UTF-8 sequence holds a line feed, so a file's lines can be judged one by one.
enum class Utf8Form { ascii, utf8, invalid };
Utf8Form utf8_form(std::string_view bytes);
std::string decode(std::string_view bytes, Encoding encoding);
// UTF-8 bytes without the byte-order mark an editor on Linux may have put first.
std::string_view without_byte_order_mark(std::string_view utf8);
std::string encode(std::string_view utf8, Encoding encoding);

// ---- Characters (UTF-8 strings, counted in code points) ------------------------------------

std::size_t length(std::string_view utf8);
// Characters [from, from + count) (clipped to the string).
std::string substring(std::string_view utf8, std::size_t from, std::size_t count = std::string_view::npos);
// Byte offset of the character with the given index (the size when past the end).
std::size_t byte_offset(std::string_view utf8, std::size_t char_index);
// Number of characters in the first `bytes` bytes.
std::size_t char_count(std::string_view utf8, std::size_t bytes);
// The characters one by one; a byte that starts no valid UTF-8 sequence becomes the lone
// surrogate U+DC80 + its value (U+DC80 .. U+DCFF), which valid text never holds.
std::u32string code_points(std::string_view utf8);

std::string to_upper(std::string_view utf8);  // Polish letters included (ą -> Ą ...)
std::string to_lower(std::string_view utf8);
bool is_letter(char32_t c);                   // ASCII and every Polish letter
bool equal_ignoring_case(std::string_view a, std::string_view b);

// Byte-for-byte order of the CP1250 forms: all upper-case ASCII before lower case,
// Polish letters after ASCII. Negative, zero or positive like strcmp.
int cp1250_compare(std::string_view a, std::string_view b);
inline bool cp1250_less(std::string_view a, std::string_view b) { return cp1250_compare(a, b) < 0; }

// ---- Numbers -------------------------------------------------------------------------------

// A real in the general form with up to 10 significant digits: 1, 0.5, 0.6666666667,
// 0.0001, 1E-05, 1.5E+10. Zero (also -0.0) is "0". NaN is "NAN", infinities "INF" / "-INF".
std::string real_to_text(double value);
std::string int_to_text(long long value);

// Number fields of a fact-file line, read from the start of `s` without skipping anything.
enum class NumberStatus { Ok, NoDigit, OutOfRange };
struct IntRead {
    NumberStatus status = NumberStatus::NoDigit;
    std::int32_t value = 0;
    std::size_t consumed = 0;  // bytes consumed on success, 0 otherwise
};
struct RealRead {
    NumberStatus status = NumberStatus::NoDigit;
    double value = 0;
    std::size_t consumed = 0;
};
// Optional "-", then decimal digits, "0x"/"0X" + hex digits or "0o"/"0O" + octal digits;
// the value must lie in -2147483647 .. 2147483647.
IntRead read_fact_int(std::string_view s);
// Optional sign, digits with an optional point and fraction (at least one digit in all),
// optional exponent. A value beyond the range of a double is OutOfRange.
RealRead read_fact_real(std::string_view s);

// Text to real as the program reads every CF or number typed by the user or held as a CF
// text: blanks (space only) around, optional sign, mantissa with at least one digit,
// optional exponent (E or e, optional sign, digits; no digits means exponent 0);
// NAN and INF in any case after an optional sign. Anything else: nullopt.
// A finite text whose value is beyond the range of a double is nullopt, never an error.
std::optional<double> text_to_real(std::string_view s);
// A whole text as an integer (blanks around allowed), in the 32-bit range; else nullopt.
std::optional<std::int32_t> text_to_int(std::string_view s);

// Real to integer rounding halves away from zero; nullopt outside the 32-bit range or NaN.
std::optional<std::int32_t> round_to_int(double value);
// Rounding to an integral real, halves up (towards +infinity).
double round_half_up(double value);

}  // namespace text
