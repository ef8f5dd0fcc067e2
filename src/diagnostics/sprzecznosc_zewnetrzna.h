// The external contradictions of the rule base: a rule whose conclusion, or its negation, comes
// back when its conditions are followed backwards through the rules that conclude them. The
// search and the chain writer its report shares with the model-base report; telling the user
// at loading is testy_ladowania_regul.h's, the report on request diagnozy.h's.
#pragma once

#include <cstdint>

#include "diagnostics/pominiecia.h"
#include "kb/context.h"
#include "platform/facts.h"

namespace diagnostics {

// Replaces the findings (reguly_sprzeczne, every hit on every path from every rule, in the
// order found, repeats included) and records sprzecznosc_1z "TAK" when there is one, "NIE"
// otherwise. A base with very many paths to follow is searched up to `max_steps` conditions
// examined; the omissions then say the search stopped.
Omissions badaj_sprzecznosc_1z(kb::Context& ctx, std::uint64_t max_steps = 20'000'000);

// The chain of a finding as a report line: "3 ==> 2 ==> 1" and a line break (report writers).
// False, writing nothing, for the empty chain.
bool pisz_podstawienie(kb::Context& ctx, const facts::IList& lancuch);

}  // namespace diagnostics
