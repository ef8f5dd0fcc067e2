// The evaluation of a name as a hypothesis by backward inference, which the model conditions
// call while a hypothesis is under test. It lives in a file of its own beside the backward engine.
#pragma once

#include <optional>
#include <string>

#include "kb/context.h"

namespace inference {

// The name's CF as backward inference finds it; nullopt when it yields none.
std::optional<double> ocena_hipotezy_cd(kb::Context& ctx, const std::string& nazwa);

}  // namespace inference
