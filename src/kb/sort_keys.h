// The CP1250 order keys of names for sorting (text::append_cp1250_key), made faster for names of
// ASCII and two-byte UTF-8 characters, every Polish letter among them: the keys of the two-byte
// characters are looked up in a table made once from that function, instead of decoding each
// character and searching the CP1250 table for it. Any other name is keyed by the function.
#pragma once

#include <string>
#include <string_view>

namespace kb {

// Appends to out exactly the key text::append_cp1250_key appends.
void append_name_key(std::string_view utf8, std::string& out);

}  // namespace kb
