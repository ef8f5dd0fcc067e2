// Tautological models: basic arithmetic models that only give a variable another name (x + 0,
// x - 0, "=" with 0, x * 1, x / 1). Legal: they are recorded, shown on request and commented;
// nothing is unloaded and nothing fails. Writes go to the auxiliary window only.
#pragma once

#include <cstdint>
#include <string_view>

#include "kb/context.h"

namespace load {

// Records every tautological model (`model_tautologiczny`, first "=", "+", "-" with 0 in base
// order, then "*", "/" with 1), and when there is any tells the user and lists them one by one
// as long as the user asks. Always succeeds.
void wykrywanie_modeli_tautologicznych(kb::Context& ctx);

// Records the model unless its first argument is a number.
void testuj_taut(kb::Context& ctx, std::int32_t numer, std::string_view wynik, std::string_view argument);

}  // namespace load
