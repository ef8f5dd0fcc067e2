// Encodings and character-wise helpers: CP1250 <-> UTF-8, code-point lengths and slices,
// Polish-aware letter case, and the CP1250 byte order of strings.
// Pure functions on strings; no locale, no I/O. Number texts live in numbers.cpp.
#include "platform/cp1250_key.h"
#include "platform/text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <utility>

namespace text {
namespace {

// Code points of the CP1250 bytes 0x80 .. 0xFF. The five bytes the code page leaves unassigned
// (0x81 0x83 0x88 0x90 0x98) stand for the C1 control of the same number, so every byte
// round-trips.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// Upper/lower case pairs among the CP1250 bytes above 0x7F (ASCII and the 0xC0/0xE0 block
// are paired in code). Š Ś Ť Ž Ź Ł Ą Ş Ľ Ż.
constexpr std::pair<unsigned char, unsigned char> kHighCasePairs[] = {
    {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8D, 0x9D}, {0x8E, 0x9E}, {0x8F, 0x9F},
    {0xA3, 0xB3}, {0xA5, 0xB9}, {0xAA, 0xBA}, {0xBC, 0xBE}, {0xAF, 0xBF},
};
constexpr unsigned char kSharpS = 0xDF;  // a letter without a capital in CP1250
constexpr unsigned char kTimes = 0xD7;   // × and ÷ sit among the letters
constexpr unsigned char kDivide = 0xF7;

// A code point not held by CP1250 gets this key in the byte order: after every byte.
constexpr unsigned kBeyondCp1250 = 0x100;

struct ByteTables {
    std::array<unsigned char, 256> upper{};
    std::array<unsigned char, 256> lower{};
    std::array<bool, 256> letter{};
    std::array<std::pair<char32_t, unsigned char>, 128> by_code_point{};  // sorted
};

ByteTables make_byte_tables() {
    ByteTables t;
    for (unsigned b = 0; b < 256; ++b) {
        t.upper[b] = t.lower[b] = static_cast<unsigned char>(b);
    }
    auto pair = [&t](unsigned upper, unsigned lower) {
        t.lower[upper] = static_cast<unsigned char>(lower);
        t.upper[lower] = static_cast<unsigned char>(upper);
        t.letter[upper] = t.letter[lower] = true;
    };
    for (unsigned b = 'A'; b <= 'Z'; ++b) pair(b, b + 0x20);
    for (auto [upper, lower] : kHighCasePairs) pair(upper, lower);
    for (unsigned b = 0xC0; b <= 0xDE; ++b) {
        if (b != kTimes) pair(b, b + 0x20);
    }
    t.letter[kSharpS] = true;
    t.letter[kDivide] = false;
    for (unsigned i = 0; i < 128; ++i) {
        t.by_code_point[i] = {kHighHalf[i], static_cast<unsigned char>(0x80 + i)};
    }
    std::sort(t.by_code_point.begin(), t.by_code_point.end());
    return t;
}

const ByteTables& tables() {
    static const ByteTables t = make_byte_tables();
    return t;
}

std::optional<unsigned char> cp1250_byte_of(char32_t c) {
    if (c < 0x80) return static_cast<unsigned char>(c);
    const auto& map = tables().by_code_point;
    auto it = std::lower_bound(map.begin(), map.end(), std::pair<char32_t, unsigned char>{c, 0});
    if (it != map.end() && it->first == c) return it->second;
    return std::nullopt;
}

char32_t code_point_of(unsigned char byte) {
    return byte < 0x80 ? char32_t{byte} : char32_t{kHighHalf[byte - 0x80]};
}

// The UTF-8 form of every CP1250 byte (one to three bytes), for decoding whole files a table
// look-up at a time.
struct Utf8Bytes {
    std::array<char, 3> bytes;
    unsigned char length;
};

constexpr std::array<Utf8Bytes, 256> make_utf8_forms() {
    std::array<Utf8Bytes, 256> forms{};
    for (unsigned b = 0; b < 256; ++b) {
        const char32_t c = b < 0x80 ? char32_t{b} : char32_t{kHighHalf[b - 0x80]};
        Utf8Bytes& f = forms[b];
        if (c < 0x80) {
            f.bytes = {static_cast<char>(c), 0, 0};
            f.length = 1;
        } else if (c < 0x800) {
            f.bytes = {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F)), 0};
            f.length = 2;
        } else {
            f.bytes = {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                       static_cast<char>(0x80 | (c & 0x3F))};
            f.length = 3;
        }
    }
    return forms;
}

constexpr std::array<Utf8Bytes, 256> kUtf8Forms = make_utf8_forms();

// Eight bytes at a time: whether any of them is above 0x7F.
bool any_high_bit(const char* p) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return (word & 0x8080808080808080ull) != 0;
}

// ---- UTF-8 ----

// One step of strict UTF-8 decoding. A byte that starts no valid sequence is one character
// on its own; it decodes to a lone surrogate (U+DC80 + byte), which valid text never holds.
struct Decoded {
    char32_t code_point;
    std::size_t length;
    bool valid;
};

Decoded decode_at(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b0 = byte(i);
    const Decoded invalid{static_cast<char32_t>(0xDC00u + b0), 1, false};
    if (b0 < 0x80) return {b0, 1, true};
    std::size_t length;
    char32_t c;
    char32_t minimum;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2, c = b0 & 0x1F, minimum = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3, c = b0 & 0x0F, minimum = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4, c = b0 & 0x07, minimum = 0x10000;
    } else {
        return invalid;
    }
    if (i + length > s.size()) return invalid;
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char b = byte(i + k);
        if ((b & 0xC0) != 0x80) return invalid;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return invalid;
    return {c, length, true};
}

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Case change of one character through the CP1250 tables; characters outside CP1250 and
// undecodable bytes keep their case.
char32_t change_case(char32_t c, const std::array<unsigned char, 256>& table) {
    const auto byte = cp1250_byte_of(c);
    return byte ? code_point_of(table[*byte]) : c;
}

std::string map_case(std::string_view utf8, const std::array<unsigned char, 256>& table) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const Decoded d = decode_at(utf8, i);
        if (d.valid) {
            append_utf8(out, change_case(d.code_point, table));
        } else {
            out += utf8[i];
        }
        i += d.length;
    }
    return out;
}

unsigned order_key(const Decoded& d) {
    if (!d.valid) return kBeyondCp1250 + d.code_point;
    const auto byte = cp1250_byte_of(d.code_point);
    return byte ? unsigned{*byte} : kBeyondCp1250 + d.code_point;
}

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

// ---- Encodings ----

std::string cp1250_to_utf8(std::string_view bytes) {
    std::string out;
    cp1250_to_utf8(bytes, out);
    return out;
}

// Two passes: the exact size first, so that the text is allocated once, then the bytes. Runs
// of ASCII, most of any base, are measured and copied eight bytes at a time.
// One pass into room for the longest result (three bytes a character), cut to what was
// written: counting the result's size first cost as much as the decoding itself.
void cp1250_to_utf8(std::string_view bytes, std::string& out) {
    const std::size_t n = bytes.size();
    const char* from = bytes.data();
    if (out.size() < 3 * n) out.resize(3 * n);
    char* const start = out.data();
    char* to = start;
    for (std::size_t i = 0; i < n;) {
        if (i + 8 <= n && !any_high_bit(from + i)) {
            std::memcpy(to, from + i, 8);
            to += 8;
            i += 8;
            continue;
        }
        const Utf8Bytes& f = kUtf8Forms[static_cast<unsigned char>(from[i++])];
        std::memcpy(to, f.bytes.data(), 3);
        to += f.length;
    }
    out.resize(static_cast<std::size_t>(to - start));
}

std::string utf8_to_cp1250(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const Decoded d = decode_at(utf8, i);
        const auto byte = d.valid ? cp1250_byte_of(d.code_point) : std::nullopt;
        out += byte ? static_cast<char>(*byte) : '?';
        i += d.length;
    }
    return out;
}

Encoding detect_encoding(std::string_view bytes) {
    return utf8_form(bytes) == Utf8Form::utf8 ? Encoding::Utf8 : Encoding::Cp1250;
}

Utf8Form utf8_form(std::string_view bytes) {
    bool non_ascii = false;
    const std::size_t n = bytes.size();
    for (std::size_t i = 0; i < n;) {
        // Runs of ASCII are skipped a word at a time.
        while (i + 8 <= n && !any_high_bit(bytes.data() + i)) i += 8;
        if (i == n) break;
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        const Decoded d = decode_at(bytes, i);
        if (!d.valid) return Utf8Form::invalid;
        non_ascii = true;
        i += d.length;
    }
    return non_ascii ? Utf8Form::utf8 : Utf8Form::ascii;
}

std::string_view without_byte_order_mark(std::string_view utf8) {
    if (utf8.starts_with(kUtf8ByteOrderMark)) utf8.remove_prefix(kUtf8ByteOrderMark.size());
    return utf8;
}

std::string decode(std::string_view bytes, Encoding encoding) {
    if (encoding == Encoding::Cp1250) return cp1250_to_utf8(bytes);
    // An editor on Linux may have put a byte-order mark first; it is no character of the text.
    return std::string(without_byte_order_mark(bytes));
}

std::string encode(std::string_view utf8, Encoding encoding) {
    return encoding == Encoding::Cp1250 ? utf8_to_cp1250(utf8) : std::string(utf8);
}

// ---- Characters ----

std::size_t length(std::string_view utf8) {
    return char_count(utf8, utf8.size());
}

std::size_t byte_offset(std::string_view utf8, std::size_t char_index) {
    std::size_t i = 0;
    for (std::size_t n = 0; n < char_index && i < utf8.size(); ++n) i += decode_at(utf8, i).length;
    return i;
}

std::size_t char_count(std::string_view utf8, std::size_t bytes) {
    bytes = std::min(bytes, utf8.size());
    std::size_t count = 0;
    for (std::size_t i = 0; i < bytes; ++count) i += decode_at(utf8, i).length;
    return count;
}

std::string substring(std::string_view utf8, std::size_t from, std::size_t count) {
    const std::size_t begin = byte_offset(utf8, from);
    const std::string_view rest = utf8.substr(begin);
    return std::string(rest.substr(0, byte_offset(rest, count)));
}

std::u32string code_points(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const Decoded d = decode_at(utf8, i);
        out += d.code_point;
        i += d.length;
    }
    return out;
}

std::string to_upper(std::string_view utf8) { return map_case(utf8, tables().upper); }
std::string to_lower(std::string_view utf8) { return map_case(utf8, tables().lower); }

bool is_letter(char32_t c) {
    const auto byte = cp1250_byte_of(c);
    return byte && tables().letter[*byte];
}

bool equal_ignoring_case(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    const auto& lower = tables().lower;
    while (i < a.size() && j < b.size()) {
        const Decoded da = decode_at(a, i);
        const Decoded db = decode_at(b, j);
        if (da.valid != db.valid) return false;
        if (change_case(da.code_point, lower) != change_case(db.code_point, lower)) return false;
        i += da.length;
        j += db.length;
    }
    return i == a.size() && j == b.size();
}

namespace {

// The length of the equal start of a and b within their first `common` bytes, compared eight
// bytes at a time: names of a base share long starts.
std::size_t common_prefix(std::string_view a, std::string_view b, std::size_t common) {
    std::size_t i = 0;
    for (; i + 8 <= common; i += 8) {
        std::uint64_t wa;
        std::uint64_t wb;
        std::memcpy(&wa, a.data() + i, sizeof wa);
        std::memcpy(&wb, b.data() + i, sizeof wb);
        if (wa != wb) {
            if constexpr (std::endian::native == std::endian::little)
                return i + static_cast<std::size_t>(std::countr_zero(wa ^ wb)) / 8;
            break;
        }
    }
    while (i < common && a[i] == b[i]) ++i;
    return i;
}

}  // namespace

int cp1250_compare(std::string_view a, std::string_view b) {
    // Equal bytes are equal characters: the comparison decodes from the start of the
    // character in which the two first differ. Every byte that is no continuation byte starts
    // a character, so that start is the last such byte of the common part.
    const std::size_t common = std::min(a.size(), b.size());
    std::size_t start = common_prefix(a, b, common);
    if (start == a.size() && start == b.size()) return 0;
    // Names differ mostly in an ASCII character, whose CP1250 byte is its own and which comes
    // before every other character: no decoding then.
    if (start < common) {
        const auto ca = static_cast<unsigned char>(a[start]);
        const auto cb = static_cast<unsigned char>(b[start]);
        if (ca < 0x80 && cb < 0x80) return ca < cb ? -1 : 1;
    }
    const auto continues = [](std::string_view s, std::size_t k) {
        return k < s.size() && (static_cast<unsigned char>(s[k]) & 0xC0) == 0x80;
    };
    while (start > 0 && (continues(a, start) || continues(b, start))) --start;
    std::size_t i = start;
    std::size_t j = start;
    while (i < a.size() && j < b.size()) {
        const Decoded da = decode_at(a, i);
        const Decoded db = decode_at(b, j);
        const unsigned ka = order_key(da);
        const unsigned kb = order_key(db);
        if (ka != kb) return ka < kb ? -1 : 1;
        i += da.length;
        j += db.length;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

void append_cp1250_key(std::string_view utf8, std::string& out) {
    for (std::size_t i = 0; i < utf8.size();) {
        // A run of ASCII is its own key.
        std::size_t run = i;
        while (run < utf8.size() && static_cast<unsigned char>(utf8[run]) < 0x80) ++run;
        out.append(utf8.data() + i, run - i);
        i = run;
        if (i == utf8.size()) break;
        const Decoded d = decode_at(utf8, i);
        i += d.length;
        const unsigned key = order_key(d);
        if (key < 0xFF) {
            out += static_cast<char>(key);
        } else {
            const char escaped[] = {'\xFF', static_cast<char>(key >> 16), static_cast<char>(key >> 8),
                                    static_cast<char>(key)};
            out.append(escaped, sizeof escaped);
        }
    }
}

}  // namespace text
