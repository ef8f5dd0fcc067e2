// The hand-over of a backward launch to hypothesis testing: the choice of the kind of
// hypothesis (dialog 10016) and the test itself, from the choice of the hypothesis to the
// report offer. The evaluation lives in ocena_hipotezy.h.
#pragma once

#include "kb/context.h"

namespace inference {

// Opens dialog 10016, reads its answer (1 narrow, 2 broad), clears `dane_int` and tests a
// hypothesis of that kind. True when the test has run to its end.
bool testowanie_hipotezy(kb::Context& ctx);

// One test of the kind: 1 narrow, 2 broad, 3 nothing (true at once); false for any other kind.
// True when the test ended: its report offered, or a stop rule ended it. False when no
// hypothesis was chosen, the test could not start (said why), or the report's file dialog was
// cancelled.
bool opcja_z_menu_testowania(kb::Context& ctx, int rodzaj);

}  // namespace inference
