// The model-base load (kind 2, "MO*.BQZ"): laduj_baze_modeli of ladowanie.h runs it through the
// load frame. This header adds only what tests and other loads may want of it: what a model-base
// load forgets before it reads its file. Nothing here shows anything to the user.
#pragma once

#include "kb/context.h"

namespace load {

// What a model-base load forgets once a file is chosen and accepted, before reading it: the
// previous model base as a unit with its lists, its findings (within itself and with the rules),
// its tautological models, number records and duplicate flag, the exclusivity mode, and the
// models applied in a run. The rule base and everything of the other bases stay.
void kasowanie_przed_baza_modeli(kb::Context& ctx);

}  // namespace load
