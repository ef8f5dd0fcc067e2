// Whether the conclusions of a set of tested rules exclude each other: the test engine over
// truth assumptions, the verdicts of the analysis, and the rules chosen for the start
// conditions of models with one result. The records they share (opcja, regula_do_testowania,
// regula_do_generowania_prawdy, the three verdict flags) are in kb/wyniki_diagnoz.h.
//
// A caller of the engine: sets exactly one `opcja` (1: exactly one tested conclusion can be
// true, 2: at most one, 3: more than one may be), clears the three flags and the tested rules,
// records the tested rules (regula_do_testowania) and the truth assumptions
// (regula_do_generowania_prawdy), calls testuj(wyznacz_reguly_wszystkie(ctx)) and reads the
// flag of its mode: present ("NIE") when some assumption broke the mode's expectation.
#pragma once

#include "kb/context.h"
#include "platform/facts.h"

namespace diagnostics {

// For every assumption (a list of conditions taken to be true), in order: counts the tested
// rules whose premise can hold together with it, and stores the mode's flag when the count
// breaks the mode (1 and 2: a count other than 1; 3: a count above 1). A premise can hold
// unless one of its conditions is ruled out by the assumption: the negation of an assumed
// condition, and the other members of an exclusive group of the model base or of an exact
// constraint that holds an assumed condition. Always true: no assumption is refused.
bool testuj(kb::Context& ctx, const facts::ListaList& zalozenia);

// Every recorded truth assumption, in stored order.
facts::ListaList wyznacz_reguly_wszystkie(const kb::Context& ctx);

// For each start condition in turn ("n" + X looked up as X): the first rule concluding it
// that has a flattened form is recorded with its first form, as a tested rule and a truth
// assumption; a condition that only a relational model (basic or interval) produces records
// nothing. True when every condition found one. The first condition with neither is reported
// (the list from it on), the rule, model and exact constraint bases are unloaded, the tested
// rules and assumptions removed, and the answer is false; the search never tries another rule
// for an earlier condition, so there is one report at most.
bool znajdz_reguly(kb::Context& ctx, const facts::SList& warunki);

// The tests of the verdicts on the tested premises: a condition common to all of them (none
// without premises); premises of different lengths.
bool testowanie_obecnosci_wspolnych_warunkow(const kb::Context& ctx);
bool testowanie_roznej_liczby_warunkow(const kb::Context& ctx);

// The verdict listings of the stored mode, in the auxiliary window, with a note per tested rule.
void pisz_wnioski(kb::Context& ctx);

}  // namespace diagnostics
