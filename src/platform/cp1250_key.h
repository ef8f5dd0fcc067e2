// Sort keys of names in the order of cp1250_compare, for sorting many names at once: keys are
// compared byte for byte (unsigned, a shorter key first when it is the other's start), which
// is cheaper than decoding both names at every comparison, and the keys of a whole list can
// stand together in one buffer instead of scattered over the heap.
#pragma once

#include <string>
#include <string_view>

namespace text {

// Appends the key of a UTF-8 name: each character as its CP1250 byte; a character at or beyond
// the last byte value (or an invalid byte) as 0xFF and three bytes of its place in the order.
void append_cp1250_key(std::string_view utf8, std::string& out);

}  // namespace text
