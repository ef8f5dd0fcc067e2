// Items with a single condition: rules with CF 1 and one condition are listed on request as
// possible tautologies (the rule base stays as it is); a constraint with fewer than two
// conditions is an error that unloads its whole constraint base. None of them fails.
#pragma once

#include "kb/context.h"

namespace load {

void wykrywanie_warunkow_pojedynczych(kb::Context& ctx);
// The first constraint with fewer than two conditions is reported and the base unloaded
// (constraints and name; the full path stays); the load learns it from the missing name.
void wykrywanie_ograniczen_pojedynczych(kb::Context& ctx);    // exact: ograniczenie
void wykrywanie_ograniczen_pojedynczych_p(kb::Context& ctx);  // uncertain: ograniczenie_n

}  // namespace load
