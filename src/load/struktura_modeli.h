// The structure checks of a freshly loaded model base: the operation or relation of every basic
// and extended model, and the list lengths of every linear and polynomial model. The first fault
// is reported and the model base forgotten as a unit; the checks never fail.
#pragma once

#include <cstdint>
#include <string_view>

#include "kb/context.h"

namespace load {

// The drivers, in the order the load runs them; each walks its kind in base order and always
// succeeds. After a report no model is left, so the later drivers find nothing.
void testuj_operacje_relacje_modeli_elementarnych(kb::Context& ctx);
void testuj_operacje_relacje_modeli_rozwinietych(kb::Context& ctx);
// Every linear (polynomial) model, whatever its CF text, must have as many coefficients as
// variables (exponents).
void testuj_listy_modeli_liniowych(kb::Context& ctx);
void testuj_listy_modeli_wielomianowych(kb::Context& ctx);

// All four, in that order.
void testuj_strukture_modeli(kb::Context& ctx);

// The one-model tests: a symbol outside the table, or a coefficient list whose length differs
// from that of the variables (exponents), is reported and the model base forgotten. Each model
// is judged by its own facts, never by another model that happens to share its number.
void testuj_operacje_relacje_elementarne(kb::Context& ctx, std::int32_t numer, std::string_view symbol);
void testuj_operacje_relacje_rozwiniete(kb::Context& ctx, std::int32_t numer, std::string_view symbol);
void testuj_modele_liniowe(kb::Context& ctx, const kb::ModelLiniowy& model);
void testuj_modele_wielomianowe(kb::Context& ctx, const kb::ModelWielomianowy& model);

// The symbol tables (byte for byte, case and blanks count).
bool jest_symbolem_modelu_elementarnego(std::string_view symbol);  // 30 symbols
bool jest_symbolem_modelu_rozwinietego(std::string_view symbol);   // 8 symbols

}  // namespace load
