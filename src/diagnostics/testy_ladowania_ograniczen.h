// The load-time entries of the joint diagnoses of the rule base with a constraint base
// (contradictions and redundancy, exact and uncertain), and the same-result check of the
// models that the exact constraint load runs. Each entry explains, asks, and tells what the
// search found; the searches themselves live beside their reports (sprzecznosc_laczna.h,
// nadmiar_laczny.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "kb/context.h"

namespace diagnostics {

// ---- Joint contradictions of the rule base with a constraint base ----------------------------

// The entry run at the end of an exact (uncertain) constraint load. Without a rule base or
// without a base of the kind: true at once. Otherwise it explains in the auxiliary window and
// asks "Wybierz" (Yes/No); No: true. Yes: the outcome of the notification.
bool testuj_sprzecznosc_2(kb::Context& ctx);
bool testuj_sprzecznosc_2p(kb::Context& ctx);

// Searches (unless the rule base is externally contradictory) and tells the outcome: the note
// "Wynik diagnozowania sprzeczności łącznych" when nothing is recorded, else the finding with
// the note "Informacja o sprzeczności" and the report's menu item enabled. False when nothing
// can be told: the rule base is externally contradictory and nothing is recorded, or a finding
// is recorded and the rule-base file's extension gives no kind name.
bool informuj_sprzecznosc_2(kb::Context& ctx);
bool informuj_sprzecznosc_2p(kb::Context& ctx);

// The searches (sprzecznosc_laczna.h): true when no finding of the kind is recorded afterwards
// (findings recorded before count).
bool wyznacz_sprzecznosc_2(kb::Context& ctx);
bool wyznacz_sprzecznosc_2p(kb::Context& ctx);

// The kind names from the rule-base file's extension: "SQZ/D2", "SQZ/N2" for ".BQZ" in any
// letter case; nullopt for any other extension.
std::optional<std::string> nazwa_sprzecznosci_2(std::string_view rozszerzenie);
std::optional<std::string> nazwa_sprzecznosci_2p(std::string_view rozszerzenie);

// ---- Joint redundancy of the rule base with a constraint base --------------------------------

// The entry run last by an exact (uncertain) constraint load; the same shape as above. Yes runs
// the notification, whose outcome is the entry's.
bool testuj_nadmiar_2p(kb::Context& ctx);
bool testuj_nadmiar_2pp(kb::Context& ctx);

// Searches when no finding of the kind is recorded yet and tells the outcome: no redundancy,
// or the recorded findings with the note "Być może wykryto nadmiarowość łączną" and the
// report's menu item enabled. False when the rule base is externally contradictory, or when
// a kind name is needed and the extension gives none.
bool informuj_nadmiar_2p(kb::Context& ctx);
bool informuj_nadmiar_2pp(kb::Context& ctx);

// The searches (nadmiar_laczny.h): true when no finding of the kind is recorded afterwards.
bool wyznacz_nadmiar_2p(kb::Context& ctx);
bool wyznacz_nadmiar_2pp(kb::Context& ctx);

// "NQZ/D2", "NQZ/N2" for ".BQZ" in any letter case; nullopt otherwise.
std::optional<std::string> nazwa_nadmiaru_2p(std::string_view rozszerzenie);
std::optional<std::string> nazwa_nadmiaru_2pp(std::string_view rozszerzenie);

// ---- Models with the same result against the exact constraints -------------------------------

// Run by the exact constraint load after its number check. Without a model base: true at once,
// doing nothing. Otherwise it records the exclusivity mode 3 (`opcja`) and tests the groups of
// models that share a result; not built yet: every group counts as excluded, so it is true.
bool testuj_wyniki_wszystkich_modeli_z_og(kb::Context& ctx);

}  // namespace diagnostics
