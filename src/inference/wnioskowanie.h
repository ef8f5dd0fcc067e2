// Forward inference: the preparation of a run, the seeding of its state from the given facts
// and known values, and the cycle that takes one step at a time until a rule concluding
// "koniec" stops it or nothing applies. Called by the launch after it has cleared the run state.
#pragma once

#include "kb/context.h"

namespace inference {

// Builds the missing rule-number lists, lists the given facts and known values, and runs the
// seeding and the cycle. True when the run has ended (either way); false when it could not
// start (given facts that contradict an exact constraint) or its end failed (the report's file
// dialog cancelled), or a model's arithmetic failed.
bool wnioskowanie(kb::Context& ctx);

// The resultants of the given facts, their exclusive partners, the known argument values; then
// the cycle.
bool wnioskowanie_cd_0(kb::Context& ctx);

// The cycle over the run state as it stands.
bool wnioskowanie_cd(kb::Context& ctx);

}  // namespace inference
