// Backward inference over models: computing a name that is a model's result, and deciding a name
// that is a relational model's conclusion (or its negation).
#pragma once

#include <optional>
#include <string>

#include "kb/context.h"

namespace inference {

// The name's CF as a model gives it; nullopt when no model alternative answers.
std::optional<double> alternatywy_modeli(kb::Context& ctx, const std::string& nazwa);

}  // namespace inference
