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
#include "platform/facts.h"

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

// Run by the exact constraint load after its number check; false when no exact constraint
// base is loaded, true at once without a model base. Every group of models sharing a result
// (within a kind, and between two kinds) must pass: its conditions are two, a condition and
// its negation, or all stand in one exact constraint; otherwise the rules concluding them
// (znajdz_reguly) must exclude each other under the exclusivity test in mode 3 (`opcja` 3
// while the check runs). Two models of one result with one condition never pass. A group
// that fails is told, the bases it came from are unloaded (each as a whole) and the answer is
// false.
bool testuj_wyniki_wszystkich_modeli_z_og(kb::Context& ctx);

// Whether a group's conditions exclude each other without any rule: two different conditions,
// one the negation of the other, or all of them in one exact constraint (a condition listed
// twice never).
bool testuj_liste_warunkow_stosowania(const kb::Context& ctx, const facts::SList& warunki);

// The verdict on the rules of a group's conditions, after the exclusivity test: true when no
// two can fire together (no `wykluczenie` "NIE"); otherwise it lists the rules (window lines
// and notes), unloads the rule, model and exact constraint bases and answers false.
bool pisz_wnioski_dla_testu_modeli(kb::Context& ctx);

}  // namespace diagnostics
