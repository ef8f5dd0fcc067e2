// The application conditions of relational models against the rules: a relational model that
// has an application condition other than "bez warunku" must not conclude a condition of a rule
// of a multi-rule cumulative conclusion or of a disjunctive conclusion. At the first conflict the
// model base is reported and forgotten as a unit; the rule base stays. Never fails.
#pragma once

#include <cstdint>
#include <string_view>

#include "kb/context.h"

namespace load {

// Examines every relational basic model, then every interval extended model, in base order,
// while a model base is loaded. Always succeeds.
void testuj_warunki_stosowania_modeli_relacyjnych(kb::Context& ctx);

// True when the model's result is no condition of a rule of a cumulative conclusion with two or
// more rules; on a conflict reports it, forgets the model base and answers false.
bool warunek_dla_kumulatywnych(kb::Context& ctx, std::int32_t numer, std::string_view wynik);
// The same for the rules of the disjunctive conclusions (any number of rules).
bool warunek_dla_dysjunktywnych(kb::Context& ctx, std::int32_t numer, std::string_view wynik);

}  // namespace load
