// The services that keep an inference run's state: the rule-number lists of the conclusions
// (the rules not yet applied), the re-enabling of applied rules, the stop test of "koniec" and
// the backward stop message. Building and clearing the lists belongs to the loads and launches.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "kb/context.h"
#include "platform/facts.h"

namespace inference {

// The conclusion's first list of rules not yet applied; nullopt when it has none.
std::optional<facts::IList> lista_regul_kumulatywnych(const kb::Context& ctx, std::string_view wniosek);
std::optional<facts::IList> lista_regul_dysjunktywnych(const kb::Context& ctx, std::string_view wniosek);

// Takes the rule's number out of the first list of the conclusion and moves the shortened list
// to the end (an emptied list stays). False, changing nothing, when the conclusion has no list
// or the number is not in it.
bool redukuj_liste_regul_kumulatywnych(kb::Context& ctx, std::int32_t numer, std::string_view wniosek);
bool redukuj_liste_regul_dysjunktywnych(kb::Context& ctx, std::int32_t numer, std::string_view wniosek);

// Unless this very contribution (rule, conclusion, CF) is recorded: every rule that has the
// conclusion itself among its conditions loses its applied mark (a rule using only the negated
// name keeps it).
void skasuj_zastosowane_reguly(kb::Context& ctx, std::int32_t numer, std::string_view wniosek, double cf);

// True while no contribution to "koniec" of CF >= 0 is recorded.
bool zrob_koniec(const kb::Context& ctx);

// The stop's message: written to the auxiliary window only (not the report), and shown.
void komunikat_stopu(kb::Context& ctx);

}  // namespace inference
