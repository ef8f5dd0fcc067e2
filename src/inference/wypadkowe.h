// The resultant CF of a conclusion from the partial CFs of its fired rules, cumulative (the
// default) or disjunctive, and the storing of resultants with their negations. Reads the run's
// contributions; writes only resultants.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kb/context.h"

namespace inference {

// The partial CFs of the conclusion, in stored order, that are > 0.0, and those <= 0.0.
std::vector<double> prbd_dodatnie(const kb::Context& ctx, std::string_view wniosek);
std::vector<double> prbd_ujemne(const kb::Context& ctx, std::string_view wniosek);
// P and N: the folds of those two lists, 0.0 for an empty one.
double dodatnie_cf(const kb::Context& ctx, std::string_view wniosek);
double ujemne_cf(const kb::Context& ctx, std::string_view wniosek);

// Each partial x of the conclusion (stored order), once for every fired disjunctive rule of the
// conclusion with partial x whose condition list had a CF > 0.0 (<= 0.0 for the other).
std::vector<double> dodatnie_cf_warunkow(const kb::Context& ctx, std::string_view wniosek);
std::vector<double> ujemne_cf_warunkow(const kb::Context& ctx, std::string_view wniosek);
// The condition-list CFs of the conclusion's fired disjunctive rules are all > 0.0 or all <= 0.0
// (also when it has none).
bool jednakowe_znaki(const kb::Context& ctx, std::string_view wniosek);

// The rounded largest partial of the conclusion, of the rules with a positive condition list
// only when the signs are mixed; nullopt when there is none.
std::optional<double> wypadkowa_dysjunktywna(const kb::Context& ctx, std::string_view wniosek);

// Stores x for the name and 0.0 - x for its negation, replacing the first record of each, or
// appending both when the name has none; then lists the facts and the established values.
void pamietaj_wniosek_wypadkowy(kb::Context& ctx, const std::string& nazwa, double x);

// Writes a resultant settled for the name: the opening line, the name, "wynika:", the name with
// its CF and an empty line.
void pisz_wypadkowa(kb::Context& ctx, const std::string& otwarcie, const std::string& nazwa, double cf);
// The step dialog of a resultant under its heading: the opening, the name, "wynika: " and the
// name with its CF, shown over any lines left pending.
void pokaz_wypadkowa(kb::Context& ctx, const std::string& otwarcie, const std::string& nazwa, double cf,
                     const std::string& naglowek);

// Records v for a condition and 0.0 - v for its negation, both appended: a settled condition is
// settled under either name.
void zapisz_warunek(kb::Context& ctx, const std::string& nazwa, double v);

}  // namespace inference
