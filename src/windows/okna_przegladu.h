// The browse windows, each on the browse frame (windows/ramka_przegladu.h): rules, the four kinds
// of model, exact and uncertain constraints, and the askable names. Each shows what the fact
// databases hold when it is made and when a number is chosen; none changes a fact.
#pragma once

#include "kb/context.h"
#include "platform/toolkit_types.h"
#include "windows/ramka_przegladu.h"

namespace windows {

// Each opens its window as a child of `parent` (the main window) and returns at once.
// "Przegląd reguł": a rule's conclusion and conditions by its number, with the count of rules.
platform::WindowId win_przeglad_regul_Create(kb::Context& ctx, platform::WindowId parent);
// The model windows: a model's fields by its number, with the counts of all four kinds.
platform::WindowId win_przeglad_modeli_elementarnych_Create(kb::Context& ctx, platform::WindowId parent);
platform::WindowId win_przeglad_modeli_rozwinietych_Create(kb::Context& ctx, platform::WindowId parent);
platform::WindowId win_przeglad_modeli_liniowych_Create(kb::Context& ctx, platform::WindowId parent);
platform::WindowId win_przeglad_modeli_wielomianowych_Create(kb::Context& ctx, platform::WindowId parent);
// "Przegląd ograniczeń": an exact constraint's conditions by its number; its twin "Przegląd
// ograniczeń niepewnych" does the same for the uncertain constraints.
platform::WindowId win_przeglad_ograniczen_Create(kb::Context& ctx, platform::WindowId parent);
platform::WindowId win_przeglad_ograniczen_niepewnych_Create(kb::Context& ctx, platform::WindowId parent);
// "Przeg_war_arg_dopyt": the list of the first `dane_lista_str`, sorted, under the caption of the
// first `dane_str` (no caption: the window stays without controls).
platform::WindowId win_przeg_war_arg_dopyt_Create(kb::Context& ctx, platform::WindowId parent);

// The layout tables.
const BrowseForm& rule_browse_form();
const BrowseForm& model_browse_form(DocumentWindow window);  // one of the four model windows
const BrowseForm& constraint_browse_form(bool uncertain);
const BrowseForm& askables_browse_form();

}  // namespace windows
