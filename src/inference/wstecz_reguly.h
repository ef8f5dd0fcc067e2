// Backward inference over rules: applying the rules of a name one at a time and combining their
// contributions into the name's resultant, cumulatively or disjunctively.
#pragma once

#include <optional>
#include <string>

#include "kb/context.h"

namespace inference {

// The name's CF as its rules (or the rules of the name it negates) give it; nullopt when no rule
// alternative answers, so that models are tried next.
std::optional<double> alternatywy_regul(kb::Context& ctx, const std::string& nazwa);

}  // namespace inference
