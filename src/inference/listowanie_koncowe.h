// The closing listing of an inference run, forward or backward: everything known, at the detail
// level "duża", which stays set afterwards.
#pragma once

#include "kb/context.h"

namespace inference {

// Sets the detail level "duża", lists the known facts, a line break, the established argument
// values, a line break; each listing with a line is also shown in the step dialog.
void listowanie_koncowe(kb::Context& ctx);

}  // namespace inference
