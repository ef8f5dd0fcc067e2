// Whether the condition of a model holds at this point of a run: at once for "bez_warunku", by
// asking an askable condition not known yet, by its recorded CF, or, while a hypothesis is under
// test, by evaluating it backwards. A condition holds only with a CF above 0.0.
#pragma once

#include <string>

#include "kb/context.h"

namespace inference {

bool sprawdz(kb::Context& ctx, const std::string& warunek);

// The condition stands in the list of some exact constraint.
bool warunek_z_bazy_ograniczen(const kb::Context& ctx, const std::string& warunek);

}  // namespace inference
