// The fast sort keys must be the keys of text::append_cp1250_key, byte for byte: for every
// two-byte character, and for names the fast way cannot take (longer characters, broken UTF-8).
#include "kb/sort_keys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/cp1250_key.h"

namespace kb {
namespace {

std::string reference(std::string_view name)
{
    std::string key;
    text::append_cp1250_key(name, key);
    return key;
}

std::string fast(std::string_view name)
{
    std::string key = "przed";  // what is in the buffer already stays
    append_name_key(name, key);
    return key.substr(5);
}

TEST(SortKeys, EveryTwoByteCharacter)
{
    for (unsigned c = 0x80; c < 0x800; ++c) {
        const std::string name = {'a', static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F)), 'z'};
        ASSERT_EQ(fast(name), reference(name)) << c;
    }
}

TEST(SortKeys, NamesAsTheReferenceKeysThem)
{
    const std::vector<std::string> names = {
        "",
        "wartość_ciśnienie_0",
        "Żółć gęślą jaźń",
        "cena_€",                // three bytes, in CP1250
        "znak_\xE2\x88\x9E",     // three bytes, beyond CP1250
        "emoji_\xF0\x9F\x98\x80",
        "zły_\xC3",              // cut short
        "zły_\xC3z",             // no continuation byte
        "zły_\xC0\xAF",          // overlong
        "zły_\x80_ś",            // a lone continuation byte
        "\xFF",
    };
    for (const std::string& name : names) EXPECT_EQ(fast(name), reference(name)) << name;
}

}  // namespace
}  // namespace kb
