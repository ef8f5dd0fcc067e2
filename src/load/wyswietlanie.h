// The display flags of a freshly loaded rule or model base: each rule and model explains its use
// (1) or works silently (0). The first other value is reported (window, report text, note) and
// its whole base refused, as a wrong CF is; the checks never fail, so the load goes on.
#pragma once

#include "kb/context.h"

namespace load {

void testuj_wyswietlanie_regul(kb::Context& ctx);   // reguła: forgets the rule base
void testuj_wyswietlanie_modeli(kb::Context& ctx);  // all four kinds of model: forgets the model base

}  // namespace load
