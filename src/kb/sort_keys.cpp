#include "kb/sort_keys.h"

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/cp1250_key.h"

namespace kb {
namespace {

// By code point U+0080 .. U+07FF (the two-byte characters); the lower entries are unused.
struct TwoByteKeys {
    std::array<std::array<char, 4>, 0x800> bytes{};
    std::array<std::uint8_t, 0x800> size{};
};

// A character's key is a byte, or four bytes for a character beyond CP1250: never longer.
const TwoByteKeys& two_byte_keys()
{
    static const TwoByteKeys keys = [] {
        TwoByteKeys k;
        std::string key;
        for (unsigned c = 0x80; c < 0x800; ++c) {
            const char utf8[2] = {static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
            key.clear();
            text::append_cp1250_key(std::string_view(utf8, 2), key);
            k.size[c] = static_cast<std::uint8_t>(key.copy(k.bytes[c].data(), k.bytes[c].size()));
        }
        return k;
    }();
    return keys;
}

}  // namespace

void append_name_key(std::string_view utf8, std::string& out)
{
    const TwoByteKeys& keys = two_byte_keys();
    const std::size_t start = out.size();
    // Room for the longest key: one byte per ASCII byte, at most four per two-byte character.
    out.resize(start + 2 * utf8.size());
    char* to = out.data() + start;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            *to++ = static_cast<char>(lead);
            ++i;
            continue;
        }
        const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0u;
        if (lead < 0xC2 || lead > 0xDF || (next & 0xC0) != 0x80) {
            out.resize(start);
            text::append_cp1250_key(utf8, out);
            return;
        }
        const unsigned c = (lead & 0x1Fu) << 6 | (next & 0x3Fu);
        for (std::size_t k = 0; k < keys.size[c]; ++k) *to++ = keys.bytes[c][k];
        i += 2;
    }
    out.resize(static_cast<std::size_t>(to - out.data()));
}

}  // namespace kb
