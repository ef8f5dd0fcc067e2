// The numbered actions of the rule, model and constraint bases that the main menu's commands
// ask for. They live above the diagnoses because some of them start a diagnosis report; the
// actions of the media bases start none and stay with their bases (kb/bazy_mediow.h).
#pragma once

#include <cstdint>
#include <optional>

#include "kb/akcja.h"
#include "kb/context.h"

namespace app {

// Rule base: 1 views the base file (and sets the main window's title), 2 gives the askable
// conditions, 4 clears the rule base before a new file is created, 5 forgets it after its file
// was deleted, 6, 7 and 9 write the reports of the rule-base diagnoses. Any other number, or
// an action whose requirements are missing, gives nullopt with no effect. A base file that
// cannot be read raises files::FileError.
std::optional<kb::AkcjaWynik> dzialanie_w_bazie_regul(kb::Context& ctx, std::int32_t akcja);

// Model base:
// 1 review: the text of the file named by `nazwa_mo_pelna`, list empty, the main window's
//   title set; without `nazwa_mo_pelna` a line and the note "Brak bazy modeli do
//   przeglądania!", then nullopt; with the file read but no `nazwa_mo`, nullopt silently.
// 2 the askable arguments (first `lista_argumentow_dopytywalnych`) with their heading;
// 3 every askable name of the knowledge base (first `lista_warunkow_i_argumentow_dopytywalnych`);
// 5 forgets the loaded model base as a unit (kb::forget_model_base), for the delete command;
// 7 the model-contradiction report, 8 the joint report of models and rules.
// nullopt when what an action needs is missing, and for any other number.
// A base file that can no longer be read raises files::FileError for the event's error trap.
std::optional<kb::AkcjaWynik> dzialanie_w_bazie_modeli(kb::Context& ctx, int akcja);

// The exact and the uncertain constraint base: 1 the review (text of the base file, main
// window's title set), 5 the joint contradiction report with the rule base, 6 the joint
// redundancy report. The list is always empty; the text is "" for 5 and 6. nullopt when the
// action does not apply: review without a base (after its line and note), 5 and 6 without a
// rule base or without this base, a failing redundancy report, any other number. A base file
// that can no longer be read raises files::FileError for the event's error trap.
std::optional<kb::AkcjaWynik> dzialanie_w_bazie_ograniczen(kb::Context& ctx, int akcja);
std::optional<kb::AkcjaWynik> dzialanie_w_bazie_ograniczen_p(kb::Context& ctx, int akcja);

}  // namespace app
