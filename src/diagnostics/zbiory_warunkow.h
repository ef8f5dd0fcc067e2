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

// Each list without every occurrence of each condition to remove, the lists in reverse order,
// put in front of the accumulator: ([L1, L2], R, []) gives [L2 - R, L1 - R].
facts::ListaList roznica_mnogosciowa(const facts::ListaList& listy, const facts::SList& usuwane,
                                     facts::ListaList akumulator = {});

// Every list without the conditions common to all of them, in reverse order:
// [[a, x], [b, x], [c, x]] gives [[c], [b], [a]]; a single list gives [[]]; nullopt for none.
std::optional<facts::ListaList> usun_wspolne_2(const facts::ListaList& listy);

// The two lists hold the same conditions, each as often: [a, b, a] and [b, a, a].
bool listy_o_jednakowych_elementach(const facts::SList& a, const facts::SList& b);

// Some list of the lists holds the same conditions as a, each as often.
bool element_lista(const facts::SList& a, const facts::ListaList& listy);

// Of every group of lists with the same conditions only the last one stays, where it stands:
// [[a, b], [c], [b, a]] gives [[c], [b, a]].
facts::ListaList redukuj_lista(const facts::ListaList& listy);

// No list is empty (true for no lists at all).
bool nietrywialna(const facts::ListaList& listy);

// The first n lists, for the n conditions given (counted with repeats), are one-condition lists
// whose conditions are exactly the given ones in some order; lists after them are not looked at.
bool przeciwne_2(const facts::ListaList& listy, const facts::SList& warunki);

// The same test without regard to the order of the lists: every given condition is the one
// condition of its own list among them (a list used for one condition only). With `raz` each
// condition must be the one condition of exactly as many lists as it occurs among the given
// ones, so a one-condition list that stands twice for one given condition does not do.
bool przeciwne_w_dowolnym_porzadku(const facts::ListaList& listy, const facts::SList& warunki, bool raz);

}  // namespace diagnostics
