// The askable conditions of the rule base: the conditions no rule concludes, computed from
// the loaded rules, with the lists of all conditions and conclusions recorded on the way, and
// the load-time check that every given fact is askable. Writes only to the auxiliary window.
#pragma once

#include <optional>

#include "kb/context.h"
#include "platform/facts.h"
#include "platform/names.h"

namespace kb {

// The askable conditions: the rule conditions with their negation stripped, without repeats
// (last occurrences kept), less the rule conclusions and less "bez warunku". Records, each
// replacing what an earlier computation recorded: `lista_warunkow` (all conditions) and the
// pair of `lista_wnioskow_regul` facts, first the conclusions without "koniec", then with it.
// nullopt, the lists recorded all the same, when the stop conclusion "koniec" is also a
// condition (with or without "n"): such a rule base cannot be run, and its load refuses it.
std::optional<facts::NameList> wyznacz_warunki_dopytywalne(Context& ctx);

// The load-time check of the given facts. Computes the askables afresh; when a given fact
// (negation stripped) is no askable condition, it says so in the auxiliary window and a note,
// forgets the rule base as a unit (forget_rule_base) and fails. Passes when the askables
// cannot be computed ("koniec" as a condition): the load has refused that base before.
bool testowanie_dopytywalnosci_faktow(Context& ctx);
// The same check against askables the caller has just computed for the rules as they stand
// (a load, whose steps in between only read the rules): the same answer, without computing
// them again.
bool testowanie_dopytywalnosci_faktow(Context& ctx, const facts::NameList& dopytywalne);

// Each item on a line of its own after three blanks, in the auxiliary window only.
void pisz_liste(Context& ctx, const facts::SList& lista);

}  // namespace kb
