// The question for the CF of an askable condition: the recorded CF when there is one, otherwise
// the question in the form its constraint asks for (exact, uncertain or free), the answer handed
// to `pamietaj`, which records it and completes the condition's constraint.
#pragma once

#include <optional>
#include <string>

#include "kb/context.h"

namespace inference {

// The condition's CF, or nullopt when no answer was accepted (or `pamietaj` refused it). A
// negated name whose positive name belongs to a constraint is asked under the positive name.
std::optional<double> pytaj(kb::Context& ctx, const std::string& warunek);

}  // namespace inference
