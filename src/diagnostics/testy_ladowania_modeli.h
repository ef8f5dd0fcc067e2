// The load-time entries of the model-base diagnoses: the contradictions within the model base
// and the joint contradictions of the models with the rules, run without asking by every
// model-base load. Each tells the user what its search recorded.
#pragma once

#include "kb/context.h"

namespace diagnostics {

// ---- Contradictions within the model base -------------------------------------------------

// Runs both searches; true when none of the flags `model_aryt_sprzeczny`,
// `model_sprzeczny_gleboko`, `model_rela_sprzeczny` holds "TAK". Otherwise it keeps the
// model-base name in `duplikat_nazwy_mo`, tells the user (window lines, not the report text, and
// the note "Informacja o sprzeczności"), enables the report item 10090 and removes `nazwa_mo`
// (the models stay for the report): false. With a finding and no `nazwa_mo`: false, silently.
bool informuj_sprzecznosc_mz(kb::Context& ctx);

// The searches over the arithmetic and the relational models: they record findings and flags
// (wyniki_diagnoz.h), the arithmetic one also the names each arithmetic model reads
// (`lista_argumentow_modelu_arytmetycznego`). A model whose result is one of its arguments is
// directly contradictory (once per such argument); one whose result some chain of models,
// each producing an argument of the one before, feeds back into it is indirectly
// contradictory (one finding per model, the chain newest first, ending with the model); a
// relational or interval model concluding its own condition is contradictory (once).
void badaj_sprzecznosc_modeli_arytmetycznych(kb::Context& ctx);
void badaj_sprzecznosc_modeli_relacyjnych(kb::Context& ctx);

// ---- Joint contradictions of the model base and the rule base --------------------------------

// True when the search recorded "NIE". Otherwise, with both base names recorded, it tells the
// user (powiadom_o_sprzecznosci_mr) and answers false; without either name, true.
bool informuj_sprzecznosc_mr(kb::Context& ctx);

// The window lines, the note "Informacja o sprzecznościach łącznych bazy modeli i bazy reguł"
// and the report item 10091 enabled, for the recorded names; both bases stay loaded.
void powiadom_o_sprzecznosci_mr(kb::Context& ctx);

// The joint search found the loaded model and rule bases contradictory (`sprzecznosc_mr` "TAK");
// the constraint and advice loads then refuse to start.
bool jest_sprzecznosc_mr(const kb::Context& ctx);

// Runs badaj_sprzecznosc_mr; true when the outcome it recorded is "NIE".
bool wyznacz_sprzecznosc_mr(kb::Context& ctx);

// The search: removes the previous findings and outcome, searches, then records the outcome
// `sprzecznosc_mr` ("TAK" when a `modele_i_reguly_sprzeczne` finding exists, else "NIE"), so the
// outcome always describes the bases loaded now. Always succeeds.
void badaj_sprzecznosc_mr(kb::Context& ctx);

// The search proper, between the clearing and the outcome (modele_i_reguly_sprzeczne).
void szukaj_sprzecznosci_mr(kb::Context& ctx);

}  // namespace diagnostics
