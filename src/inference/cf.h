// Certainty-factor arithmetic: the rounding of a CF to two decimals and the cumulative fold and
// resultant of partial CFs. Pure functions in double precision; the order of the operations is
// part of their result, so none may be rearranged.
#pragma once

#include <optional>
#include <vector>

namespace inference {

// floor(x * 100 + 0.5) / 100, the hundredfold rounded to a double first: halves go up
// (0.125 -> 0.13, -0.125 -> -0.12), a decimal half stored just below itself goes down
// (0.145 -> 0.14).
double zaokraglenie(double x);

// The fold of partial CFs in list order; nullopt for an empty list. A running value of exactly
// -1.0 with partials still to come is dropped and the fold starts afresh from the next one.
std::optional<double> sumuj(const std::vector<double>& czastkowe);

// The cumulative resultant of P (the fold of the positive partials) and N (the fold of the others).
double wypadkowa_kumulatywna(double p, double n);

// A disjunctive rule whose premise CF and own CF are both not positive is passed over.
bool oba_cf_ujemne(double cf_warunkow, double cf_reguly);

// Every element > 0.0, and every element <= 0.0; both hold for an empty list.
bool wszystkie_dodatnie(const std::vector<double>& lista);
bool wszystkie_ujemne(const std::vector<double>& lista);

}  // namespace inference
