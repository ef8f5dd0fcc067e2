// Clearing of what a load, a check or a run left behind: one operation per group of facts
// (markers, problem flags, findings, run state), each removing every fact of its names and
// always succeeding, and the whole reset a rule-base load makes. Clears; never reports.
#pragma once

#include "kb/context.h"

namespace load {

// Markers and naming of the loaded knowledge base.
void kasowanie_blad(kb::Context& ctx);
void kasowanie_jestem_tu(kb::Context& ctx);
void kasowanie_wyroznik(kb::Context& ctx);
void kasowanie_rozszerzenie(kb::Context& ctx);
void kasowanie_opis(kb::Context& ctx);
void kasowanie_pojedynczy_warunek(kb::Context& ctx);

// The number checks: every duplicate-number flag of every base (per base: numery.h), and the
// model numbers gathered by the model check.
void kasowanie_rozne_numery(kb::Context& ctx);
void kasowanie_numery_modeli(kb::Context& ctx);
void kasowanie_testowania_numerow(kb::Context& ctx);

// The model base's load-time records and findings.
void kasowanie_duplikat_nazwy_mo(kb::Context& ctx);
void kasowanie_model_tautologiczny(kb::Context& ctx);
void kasowanie_listy_argumentow_modeli(kb::Context& ctx);  // lista_argumentow_modelu_arytmetycznego
void kasowanie_lista_argumentow_modelu_arytmetycznego(kb::Context& ctx);
// These three remove every finding, then the first flag fact reading "TAK".
void kasowanie_model_arytmetyczny_sprzeczny(kb::Context& ctx);
void kasowanie_model_arytmetyczny_sprzeczny_gleboko(kb::Context& ctx);
void kasowanie_model_relacyjny_sprzeczny(kb::Context& ctx);
void kasowanie_modeli_i_regul_sprzecznych(kb::Context& ctx);
void kasowanie_sprzecznosc_mr(kb::Context& ctx);

// Findings of the rule-base diagnoses.
void kasowanie_sprzecz_1z(kb::Context& ctx);  // sprzecznosc_1z only; its search replaces the findings
void kasowanie_sprzecz_1w(kb::Context& ctx);  // sprzecznosc_1_w, then sprzecznosc_1w
void kasowanie_regula_splaszczona(kb::Context& ctx);
void kasowanie_regula_splaszczona_1w(kb::Context& ctx);
void kasowanie_jest_nadmiar(kb::Context& ctx);
void kasowanie_nadmiar_n1(kb::Context& ctx);
void kasowanie_regula_splaszczona_n1(kb::Context& ctx);  // para_splaszczona_n1

// Findings of the joint diagnoses with the constraint bases.
void kasowanie_sprzecz_2(kb::Context& ctx);
void kasowanie_regula_splaszczona_s2p(kb::Context& ctx);
void kasowanie_sprzecz_2p(kb::Context& ctx);
void kasowanie_regula_splaszczona_s2pp(kb::Context& ctx);
void kasowanie_nadmiar_2p(kb::Context& ctx);
void kasowanie_regula_splaszczona_n2p(kb::Context& ctx);
void kasowanie_zbadany_wniosek_p(kb::Context& ctx);
void kasowanie_nadmiar_2pp(kb::Context& ctx);
void kasowanie_regula_splaszczona_n2pp(kb::Context& ctx);
void kasowanie_zbadany_wniosek_pp(kb::Context& ctx);
void kasowanie_opcja(kb::Context& ctx);

// Inference run state.
void kasowanie_blad_wykluczajacych(kb::Context& ctx);
void kasowanie_zadeklarowane_wykluczajace_p(kb::Context& ctx);
void kasowanie_szczegolowosc(kb::Context& ctx);
void kasowanie_etykiety(kb::Context& ctx);
void kasowanie_hipoteza(kb::Context& ctx);
void kasowanie_lista_numerow_regul_kumulatywnych(kb::Context& ctx);
void kasowanie_lista_numerow_regul_dysjunktywnych(kb::Context& ctx);
void kasowanie_regula_zastosowana(kb::Context& ctx);
void kasowanie_wnioski(kb::Context& ctx);
void kasowanie_listy_bez_warunku(kb::Context& ctx);
void kasowanie_prbd(kb::Context& ctx);  // every contribution and every disjunctive record
void kasowanie_wypadkowa_prbd(kb::Context& ctx);
void kasowanie_model_stosowany(kb::Context& ctx);

// What a rule-base load forgets before it reads its file: every base of every kind with its
// names (full paths too), every list, marker, flag and finding, the run state, the report
// text, what imports added and any connection they left, so that nothing of the previous
// knowledge base reaches the next one. The dialog data
// channel is the menu command's. Only a rule-base load calls this.
void kasowanie_bazy_wiedzy(kb::Context& ctx);

}  // namespace load
