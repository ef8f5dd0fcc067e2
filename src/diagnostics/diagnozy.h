// Entry points of the diagnoses of the rule, model and constraint bases that the rest of the
// program calls: the reports written on request and the notices run at loading. A diagnosis
// that is not built yet reports that it found nothing.
#pragma once

#include <optional>

#include "kb/context.h"
#include "platform/facts.h"
#include "platform/toolkit_types.h"

namespace diagnostics {

// Reports on request (menu items and base actions). The rule-base reports answer whether they
// ran to their end (the offer to keep the report included); with no rule base loaded they say
// so and answer false.
bool pisz_sprzecznosc_1z(kb::Context& ctx);
bool pisz_sprzecznosc_1w(kb::Context& ctx);
bool pisz_nadmiar_p(kb::Context& ctx);
// The other reports succeed.
void pisz_sprzecznosc_mz(kb::Context& ctx);
void pisz_sprzecznosc_mr(kb::Context& ctx);
// Whether the rule-base load recorded a pair of redundant rules (reguly_nadmiarowe_n1).
bool redundant_rule_pair_recorded(const kb::Context& ctx);
// The joint contradictions with the exact (uncertain) constraint base: true after telling that
// there is none, or after a whole report whose offer to keep it succeeded.
bool pisz_sprzecznosc_2(kb::Context& ctx);
bool pisz_sprzecznosc_2p(kb::Context& ctx);
// The joint redundancy reports fail (false) when they find no redundancy.
bool pisz_nadmiar_2p(kb::Context& ctx);
bool pisz_nadmiar_2pp(kb::Context& ctx);

// Flattening and the analysis of exclusive conclusions, from the menu.
// The lines (rule number and conclusion) for choosing a rule, sorted; nullopt when the rule base
// was found externally contradictory (odmowa_splaszczenia then tells the user).
std::optional<facts::SList> tryb_splaszczenia_1(kb::Context& ctx);
void odmowa_splaszczenia(kb::Context& ctx);
// Handler of dialog 10000: on "&OK" stores the chosen rule's number as `tok` and closes it.
bool dlg_wybor_reguly_do_splaszczenia_eh(kb::Context& ctx, const platform::Event& event);
// After dialog 10000: the forms of the rule in `tok`, each with a question, then the closing note.
void dalej(kb::Context& ctx);
// The forms of every rule, each with a question, then the closing note.
void tryb_splaszczenia(kb::Context& ctx);
// The analysis of exclusive conclusions with 2, 3 or 4 (exactly one, at most one, more than
// one of the chosen rules' conclusions may be true): true when it has written its verdicts.
bool analiza_bazy_wiedzy(kb::Context& ctx, int mode);

// Models sharing a result, checked at every start of inference (forward and backward) before
// anything else: with a model base loaded and no exact constraint base, true when inference may
// start. Models of two kinds that share a result and may apply together draw warning notes;
// models of one kind sharing a result whose conditions do not exclude each other (a condition
// and its negation, or all in one exclusive declaration of the model base), and any two models
// with one condition and one result, refuse the start with a note. Changes no fact. True at
// once without a model base or with an exact constraint base.
bool testuj_wyniki_wszystkich_modeli_bez_ograniczen(kb::Context& ctx);
bool testuj_wyniki_wielokrotne_bez_ograniczen(kb::Context& ctx);

}  // namespace diagnostics
