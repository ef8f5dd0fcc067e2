// Redundancy of the rule base: two rules with one conclusion whose flattened conditions are
// contained one in the other. The search; telling the user at loading is
// testy_ladowania_regul.h's, the report on request diagnozy.h's.
#pragma once

#include <cstdint>

#include "diagnostics/pominiecia.h"
#include "diagnostics/splaszczanie.h"
#include "kb/context.h"

namespace diagnostics {

// For every pair of rules with the same conclusion, the earlier one first, and every
// combination of their flattened forms whose condition lists contain one another: a
// reguly_nadmiarowe_n1 and a para_splaszczona_n1, and the flag jest_nadmiar "TAK". A pair
// already recorded (either way round) is not examined again. True when afterwards no pair is
// recorded. What it had to leave out goes to `omissions`; the comparisons stop after
// `max_steps` conditions compared.
bool wyznacz_nadmiar_p(kb::Context& ctx, Omissions& omissions, FlatteningLimits limits = {},
                       std::uint64_t max_steps = 10'000'000);

}  // namespace diagnostics
