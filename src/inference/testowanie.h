// The hand-over of a backward launch to hypothesis testing: the choice of the kind of
// hypothesis (dialog 10016) and the test itself. Backward inference lives beside it.
#pragma once

#include "kb/context.h"

namespace inference {

// Opens dialog 10016, reads its answer (1 narrow, 2 broad), clears `dane_int` and tests a
// hypothesis of that kind. True when the test has run to its end.
bool testowanie_hipotezy(kb::Context& ctx);

}  // namespace inference
