// Alphabetical order of list items: a primary key per character (base letter and its Polish
// variant, case folded), ties broken by the plain bytes so that the order is total.
// Knows nothing of lists themselves.
#include "platform/list_order.h"

#include <algorithm>
#include <utility>

#include "platform/text.h"

namespace platform {
namespace {

// (base character, variant): 'ą' is ('a', 1), 'ź' ('z', 1), 'ż' ('z', 2); everything else
// is itself with variant 0. Expects a lower-case character.
std::pair<char32_t, int> collation_key(char32_t c)
{
    switch (c) {
    case U'ą': return {U'a', 1};
    case U'ć': return {U'c', 1};
    case U'ę': return {U'e', 1};
    case U'ł': return {U'l', 1};
    case U'ń': return {U'n', 1};
    case U'ó': return {U'o', 1};
    case U'ś': return {U's', 1};
    case U'ź': return {U'z', 1};
    case U'ż': return {U'z', 2};
    default: return {c, 0};
    }
}

}  // namespace

int list_order_compare(std::string_view a, std::string_view b)
{
    const std::u32string ca = text::code_points(text::to_lower(a));
    const std::u32string cb = text::code_points(text::to_lower(b));
    const std::size_t n = std::min(ca.size(), cb.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto ka = collation_key(ca[i]);
        const auto kb = collation_key(cb[i]);
        if (ka != kb) return ka < kb ? -1 : 1;
    }
    if (ca.size() != cb.size()) return ca.size() < cb.size() ? -1 : 1;
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

std::size_t sorted_position(const std::vector<std::string>& items, std::string_view item)
{
    const auto at = std::upper_bound(items.begin(), items.end(), item,
                                     [](std::string_view x, const std::string& y) { return list_order_less(x, y); });
    return static_cast<std::size_t>(at - items.begin());
}

}  // namespace platform
