// Mutually exclusive conditions: keeping a run's CFs in step with the exact constraints (exactly
// one member has CF 1, the others -1) and the uncertain ones (at least one member has CF > 0)
// when an answer is recorded (`pamietaj`) or a given fact enters inference
// (`uzupelnienie_wykluczajacych`); the membership tests of the two constraint bases.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "kb/bazy.h"
#include "kb/context.h"
#include "platform/facts.h"

namespace inference {

// Records an accepted answer v for the condition and completes, or asks, the other members of
// its constraint. False when the answer cannot stand: the condition has a resultant already
// (other than holding exactly 1 when answered 1), or the questioning of the other members of an
// exact constraint ended without one of them at 1.
bool pamietaj(kb::Context& ctx, const std::string& w, double v);

// Completes the other members of the constraint of a given fact whose CF v the caller has
// recorded. False for a v outside [-1, 1], and when a given -1 in a larger exact constraint finds
// no member at 1 (nothing is recorded then; the members are asked when inference needs them).
bool uzupelnienie_wykluczajacych(kb::Context& ctx, const std::string& w, double v);

// Each given fact whose name still holds the fact's own CF completes the other members of its
// constraint, in the base's order.
void uzupelnienie_wykluczajacych_faktow(kb::Context& ctx, const facts::FactList<kb::Fakt>& fakty);

// After a given -1 for w in the exact constraint list: when another member holds exactly 1, the
// members without a resultant get -1 and the answer is true.
bool szukaj_w_liscie(kb::Context& ctx, const std::string& w, const facts::SList& lista);

// The condition lists of the exact (uncertain) constraints that hold the name, in base order:
// one entry per constraint. The third: the exact constraints holding the name's negation.
std::vector<facts::SList> warunek_w_bazie_ograniczen(const kb::Context& ctx, const std::string& w);
std::vector<facts::SList> warunek_w_bazie_ograniczen_p(const kb::Context& ctx, const std::string& w);
std::vector<facts::SList> zanegowany_warunek_w_bazie_ograniczen(const kb::Context& ctx, const std::string& w);
bool ograniczenie_dychotomiczne(const facts::SList& lista);

// The askable conditions: the display list once a model base is loaded, else the rule base's.
std::optional<facts::SList> ogolna_lista_dopytywalnych(const kb::Context& ctx);

}  // namespace inference
