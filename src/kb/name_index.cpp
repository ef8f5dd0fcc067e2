// The grouping of name-keyed values: a least-significant-digit radix sort on the names'
// numbers, eleven bits a pass, as many passes as the largest number needs.
#include "kb/name_index.h"

#include <array>
#include <bit>

namespace kb {

std::vector<std::uint32_t> stable_order_by_key(std::span<const std::uint32_t> keys)
{
    constexpr unsigned kBits = 11;
    constexpr std::size_t kDigits = std::size_t{1} << kBits;
    std::vector<std::uint32_t> order(keys.size()), next(keys.size());
    for (std::uint32_t i = 0; i < order.size(); ++i) order[i] = i;
    const std::uint32_t largest = keys.empty() ? 0 : *std::max_element(keys.begin(), keys.end());
    const unsigned width = static_cast<unsigned>(std::bit_width(largest));
    for (unsigned shift = 0; shift < width; shift += kBits) {
        std::array<std::uint32_t, kDigits + 1> starts{};
        for (const std::uint32_t k : keys) ++starts[((k >> shift) & (kDigits - 1)) + 1];
        for (std::size_t d = 1; d <= kDigits; ++d) starts[d] += starts[d - 1];
        for (const std::uint32_t i : order) next[starts[(keys[i] >> shift) & (kDigits - 1)]++] = i;
        order.swap(next);
    }
    return order;
}

std::uint32_t name_number(std::string_view text)
{
    const std::uint32_t n = facts::name_table().find(text);
    return n == 0 && !text.empty() ? kNoName : n;
}

}  // namespace kb
