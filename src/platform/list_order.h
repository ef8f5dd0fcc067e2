// The order in which sorted lists and drop-down lists keep their items: alphabetical, letter
// case ignored, each Polish letter right after its base letter (a ą b c ć ...). Both
// back-ends sort with this, so a list shows the same order in tests and on screen.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Negative, zero or positive like strcmp; zero only for identical strings.
int list_order_compare(std::string_view a, std::string_view b);
inline bool list_order_less(std::string_view a, std::string_view b) { return list_order_compare(a, b) < 0; }

// Where a sorted list puts a new item: after every item that does not come after it.
std::size_t sorted_position(const std::vector<std::string>& items, std::string_view item);

}  // namespace platform
