// The helpers every step of backward inference shares: the question loop of an askable
// condition, the evaluation of a rule's premise, and the message that a name is now tested as
// the main or an auxiliary hypothesis.
#pragma once

#include <optional>
#include <string>

#include "kb/context.h"
#include "platform/facts.h"

namespace inference {

// Asks for the condition's CF, showing the reminder note before every attempt, until an answer
// is accepted (the user can only leave by ending the program).
double pytaj_0(kb::Context& ctx, const std::string& warunek);

// Evaluates each condition of the premise in order, backwards, and gives the least CF; nullopt
// when a condition yields none (or the premise is empty). The condition CFs are kept for this
// one evaluation only, so a nested evaluation of an identical premise cannot mix with it.
std::optional<double> testowanie_listy_warunkow(kb::Context& ctx, const facts::SList& warunki);

// Writes and shows that the name is tested now, as the main hypothesis when it is the one under
// test, else as an auxiliary one. False, writing nothing, when no hypothesis is under test.
bool komunikat(kb::Context& ctx, const std::string& nazwa);

}  // namespace inference
