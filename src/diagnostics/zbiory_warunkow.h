// Set operations on lists of condition lists (the flattened conditions of a group of rules):
// what the conditions of every list have in common, and the like. Pure functions; order and
// repeats are kept exactly as documented, because callers record and print what they return.
#pragma once

#include <optional>

#include "platform/facts.h"

namespace diagnostics {

// The elements of the first list, in its order and with its repeats, that occur in every other
// list: [[a, b, a], [a, c]] gives [a, a]; one list gives itself; nullopt for no list at all.
std::optional<facts::SList> iloczyn_mnogosciowy(const facts::ListaList& listy);

}  // namespace diagnostics
