// Entry points of the diagnoses of the rule, model and constraint bases that the rest of the
// program calls: the reports written on request and the notices run at loading. A diagnosis
// that is not built yet reports that it found nothing.
#pragma once

#include <optional>

#include "kb/context.h"
#include "platform/facts.h"
#include "platform/toolkit_types.h"

namespace diagnostics {

// Reports on request (menu items and base actions). Each succeeds.
void pisz_sprzecznosc_1z(kb::Context& ctx);
void pisz_sprzecznosc_1w(kb::Context& ctx);
void pisz_nadmiar_p(kb::Context& ctx);
void pisz_sprzecznosc_mz(kb::Context& ctx);
void pisz_sprzecznosc_mr(kb::Context& ctx);
void pisz_sprzecznosc_2(kb::Context& ctx);
void pisz_sprzecznosc_2p(kb::Context& ctx);
// Whether the rule-base load recorded a pair of redundant rules (reguly_nadmiarowe_n1).
bool redundant_rule_pair_recorded(const kb::Context& ctx);
// These two fail (false) when they find no redundancy.
bool pisz_nadmiar_2p(kb::Context& ctx);
bool pisz_nadmiar_2pp(kb::Context& ctx);

// Flattening and the analysis of exclusive conclusions, from the menu.
// The lines (rule number and conclusion) for choosing a rule; nullopt when the rule base was
// found externally contradictory.
std::optional<facts::SList> tryb_splaszczenia_1(kb::Context& ctx);
// Handler of dialog 10000: on "&OK" stores the chosen rule's number as `tok` and closes it.
bool dlg_wybor_reguly_do_splaszczenia_eh(kb::Context& ctx, const platform::Event& event);
void dalej(kb::Context& ctx);
void tryb_splaszczenia(kb::Context& ctx);
void analiza_bazy_wiedzy(kb::Context& ctx, int mode);

}  // namespace diagnostics
