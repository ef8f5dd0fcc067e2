// The explanation of a fired rule (which rule, in which form, with which CFs of its conditions,
// and what follows), and the note on a disjunctive rule passed over. Both speak only for a rule
// with display flag 1 and keep silent for display flag 0.
#pragma once

#include <cstdint>
#include <string>

#include "kb/context.h"
#include "platform/facts.h"

namespace inference {

// Explains rule `numer` setting `wniosek` to `cf`, with the conditions `warunki` (those with a
// resultant are shown): window, report text and the step dialog "Wyjaśnienie reguły". True when
// explained, or silent (flag 0 and the rule's own conclusion is `wniosek`). False, with nothing
// written, for "koniec", for another flag, and for a silent rule of another conclusion.
bool wyjasnienie_regula(kb::Context& ctx, std::int32_t numer, const std::string& wniosek, const facts::SList& warunki,
                        double cf);
// The same for a rule already at hand (rule numbers are unique in a base that may be run), so a
// run does not look its rules up again.
bool wyjasnienie_regula(kb::Context& ctx, const kb::Regula& r, const std::string& wniosek, const facts::SList& warunki,
                        double cf);

// Says (window, report text, note) that the disjunctive rule `numer` with the condition-list CF
// `cf_warunkow` and a negative CF of its own is passed over. True when said or silent.
bool wyjasnienie_regula_dysjunktywna_pomijana(kb::Context& ctx, std::int32_t numer, double cf_warunkow);
bool wyjasnienie_regula_dysjunktywna_pomijana(kb::Context& ctx, const kb::Regula& r, double cf_warunkow);

}  // namespace inference
