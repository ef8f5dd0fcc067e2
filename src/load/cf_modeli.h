// The CF checks of a freshly loaded model base: arithmetic, linear and polynomial models carry
// the CF 1, relational models a free variable. The first wrong CF is reported and the model base
// forgotten as a unit; the checks never fail, so the load goes on with what is left.
#pragma once

#include <cstdint>
#include <string_view>

#include "kb/context.h"

namespace load {

// The seven drivers in the order the load runs them; each walks one kind of model in base order,
// hands the models it selects to a one-model check and always succeeds. After a report the model
// base is gone, so the later drivers find nothing: one report per load at most.
void testuj_cf_modeli_arytmetycznych_rozwinietych(kb::Context& ctx);  // model_r with a list operation
void testuj_cf_modeli_arytmetycznych_elementarnych_1(kb::Context& ctx);  // one-argument, second argument "0"
void testuj_cf_modeli_arytmetycznych_elementarnych_2(kb::Context& ctx);  // two-argument operations
void testuj_cf_modeli_liniowych(kb::Context& ctx);
void testuj_cf_modeli_relacyjnych_elementarnych(kb::Context& ctx);
void testuj_cf_modeli_relacyjnych_rozwinietych(kb::Context& ctx);
void testuj_cf_modeli_wielomianowych(kb::Context& ctx);

// All seven, in that order.
void testuj_cf_modeli(kb::Context& ctx);

// The one-model checks. The first three pass when the CF text reads as a real equal to 1; the
// relational one when it reads as no real and holds no ",". A failing model is reported (window,
// report text, note) and the model base forgotten. Always succeed.
void testuj_cf_arytmetyczne(kb::Context& ctx, std::int32_t numer, std::string_view cf);
void testuj_cf_liniowe(kb::Context& ctx, std::int32_t numer, std::string_view cf);
void testuj_cf_wielomianowe(kb::Context& ctx, std::int32_t numer, std::string_view cf);
void testuj_cf_relacyjne(kb::Context& ctx, std::int32_t numer, std::string_view cf);

// The selections of the drivers (byte for byte).
bool jest_operacja_cf_jednoargumentowa(std::string_view op);
bool jest_operacja_cf_dwuargumentowa(std::string_view op);

}  // namespace load
