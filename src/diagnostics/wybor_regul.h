// The choice lines of the rules, one per rule: its number, two blanks and its conclusion. The
// dialogs of the flattening commands and of the exclusivity analysis offer them; the chosen
// line's first token is the rule's number.
#pragma once

#include <optional>
#include <string>

#include "kb/context.h"

namespace diagnostics {

// Removes every choice line (nr_wniosek).
void kasowanie_nr_wniosek(kb::Context& ctx);
// Adds one choice line per rule, in rule-base order.
void tworz_numer_wniosek(kb::Context& ctx);
// The rule number a choice line begins with; nullopt when the line holds none.
std::optional<std::int32_t> numer_z_linii(const std::string& linia);
// Its first token: the characters before the first blank.
std::string pierwszy_token(const std::string& linia);

}  // namespace diagnostics
