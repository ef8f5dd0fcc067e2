// The labels a user gives an inference run at its launch (kept as `etykieta` facts, in the order
// typed, for the summary file), and the short tests of what is loaded that the launch and the
// engines ask before they act. Nothing here changes a base.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "kb/context.h"

namespace inference {

// Asks whether to keep labels; on "&TAK" asks for labels one after another until the user
// declines a further one.
void generuj_etykiety(kb::Context& ctx);
void generuj_etykiety_dalej(kb::Context& ctx);

// The file name of the loaded model, exact constraint, uncertain constraint, advice, graphics
// and sound base; "" when none is loaded.
std::string jest_baza_mo(const kb::Context& ctx);
std::string jest_baza_og(const kb::Context& ctx);
std::string jest_baza_op(const kb::Context& ctx);
std::string jest_baza_ra(const kb::Context& ctx);
std::string jest_baza_gr(const kb::Context& ctx);
std::string jest_baza_me(const kb::Context& ctx);

bool jest_fakt(const kb::Context& ctx);            // the rule base has a given fact
bool jest_m_fakt(const kb::Context& ctx);          // the model base has a given fact
bool jest_argument_znany(const kb::Context& ctx);  // the model base has a known argument

// The number of the first relational model whose result is the name: basic models (a relation)
// first, then extended ones (an interval relation), each in file order.
std::optional<std::int32_t> jest_model_relacyjny(const kb::Context& ctx, const std::string& wynik);

}  // namespace inference
