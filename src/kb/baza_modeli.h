// The model base beyond storing it: the wrappers that empty one kind of its facts, and the one
// function that forgets the whole base. Loading it is the loader's business, its numbered
// actions the main window's (app/base_actions.h); nothing here reads a base file.
#pragma once

#include "kb/context.h"

namespace kb {

// Forgets the model base as a unit: every fact of the model-base database (models of the
// four kinds, known arguments, given facts, exclusive names, askables-file records and inert
// lines), `nazwa_mo`, every list and record computed from it (forget_model_lists), and what
// the diagnoses found in it (forget_model_findings). `nazwa_mo_pelna` stays, as every
// full-path fact does. Every unload of the model base goes through here so that no later
// reader meets a half-forgotten base. Imported argument values (kb/zaimportowane.h) are laid
// over the empty base again.
void forget_model_base(Context& ctx);

// The same without the diagnoses' findings: for the report of the model base's own
// contradictions, which unloads the base it reports on and must be able to report again.
void forget_model_contents(Context& ctx);

// The findings and flags of the model base's contradictions, the name kept for their report
// (`duplikat_nazwy_mo`), and the joint findings with the rule base and their outcome.
void forget_model_findings(Context& ctx);

// Forgets the lists computed from a model base at its load (the four model lists, the askable
// conditions and arguments once models are loaded, the variables and results, the logical
// names of the clash check, the arithmetic-model records) and the argument values established
// by inference.
void forget_model_lists(Context& ctx);

// Retract-all wrappers; each removes every fact of its name and always succeeds.
void kasowanie_argument_znany(Context& ctx);              // argument_znany
void kasowanie_argumentow_dopytywalnych(Context& ctx);    // lista_argumentow_dopytywalnych
void kasowanie_dmodel(Context& ctx);                      // model
void kasowanie_dmodel_r(Context& ctx);                    // model_r
void kasowanie_dmodel_liniowy(Context& ctx);              // model_liniowy
void kasowanie_dmodel_wielomianowy(Context& ctx);         // model_wielomianowy
void kasowanie_listy_warunkow_stosowania(Context& ctx);   // lista_warunkow_stosowania
void kasowanie_listy_wynikow_modeli(Context& ctx);        // lista_wynikow_modeli
void kasowanie_listy_wnioskow_modeli(Context& ctx);       // lista_wnioskow_modeli
void kasowanie_m_fakt(Context& ctx);                      // m_fakt
void kasowanie_modele_ekskluzywne(Context& ctx);          // modele_ekskluzywne
void kasowanie_nazwy_mo(Context& ctx);                    // nazwa_mo only; nazwa_mo_pelna stays
void kasowanie_zmienna_ustalona(Context& ctx);            // zmienna_ustalona

}  // namespace kb
