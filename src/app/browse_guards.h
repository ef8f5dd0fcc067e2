// The guards every browse command ends in: given the numbers of the facts the command would show,
// each opens its browse window or the viewer, or, when there is nothing to show, says so in a
// note. They never look the numbers up; every guard succeeds.
#pragma once

#include "kb/bazy.h"
#include "kb/context.h"

namespace app {

using kb::IList;

void sprawdz_istnienie_regul(kb::Context& ctx, const IList& reguly);   // rule browse window
void sprawdz_istnienie_regul1(kb::Context& ctx, const IList& reguly);  // viewer
void sprawdz_istnienie_modeli_liniowych(kb::Context& ctx, const IList& modele);
void sprawdz_istnienie_modeli_elementarnych(kb::Context& ctx, const IList& modele);
void sprawdz_istnienie_modeli_rozwinietych(kb::Context& ctx, const IList& modele);
void sprawdz_istnienie_modeli_wielomianowych(kb::Context& ctx, const IList& modele);
// The viewer when any of the four kinds (basic, extended, linear, polynomial) has a model.
void sprawdz_istnienie_modeli(kb::Context& ctx, const IList& podstawowe, const IList& rozszerzone,
                              const IList& liniowe, const IList& wielomianowe);
// The constraint browse window over the exact constraints, or its twin over the uncertain ones.
void sprawdz_istnienie_ograniczen1(kb::Context& ctx, const IList& ograniczenia, bool niepewne);
void sprawdz_istnienie_ograniczen(kb::Context& ctx, const IList& ograniczenia);  // viewer
void sprawdz_istnienie_rad(kb::Context& ctx, const IList& rady);                 // viewer
void sprawdz_istnienie_grafiki(kb::Context& ctx, const IList& grafiki);          // viewer
void sprawdz_istnienie_melodii(kb::Context& ctx, const IList& melodie);          // viewer

}  // namespace app
