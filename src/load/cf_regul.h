// The CF-text checks of the rules, of the rule base's given facts and of the model base's
// given facts: each text must read as a real in [-1, 1]. The first bad text is reported and
// its whole base unloaded; the checks themselves never fail, so the load goes on.
#pragma once

#include <string_view>

#include "kb/context.h"

namespace load {

// A CF text reads as a real (text::text_to_real) and lies in [-1, 1] (NAN, INF, and numbers
// too large for a double are no CF).
bool poprawny_cf(std::string_view tekst);

void testuj_cf_regul(kb::Context& ctx);     // reguła: unloads the rule base
void testuj_cf_faktow(kb::Context& ctx);    // fakt: unloads the rule base
void testuj_cf_m_faktow(kb::Context& ctx);  // m_fakt: unloads the model base

}  // namespace load
