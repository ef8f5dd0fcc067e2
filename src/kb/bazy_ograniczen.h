// The exact and the uncertain constraint base beyond storing them: the numbered actions of
// their menu commands, the wrappers that empty them, and the read forms of their facts.
// Loading them is the loader's business; nothing here reads a base file except for review.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "kb/akcja.h"
#include "kb/context.h"

namespace kb {

// The numbered actions: 1 the review (text of the base file, main window's title set),
// 5 the joint contradiction report with the rule base, 6 the joint redundancy report. The list
// is always empty; the text is "" for 5 and 6. nullopt when the action does not apply: review
// without a base (after its line and note), 5 and 6 without a rule base or without this base,
// a failing redundancy report, any other number. A base file that can no longer be read raises
// files::FileError for the event's error trap.
std::optional<AkcjaWynik> dzialanie_w_bazie_ograniczen(Context& ctx, int akcja);
std::optional<AkcjaWynik> dzialanie_w_bazie_ograniczen_p(Context& ctx, int akcja);

// Retract-all wrappers. The full-path facts (`nazwa_og_pelna`, `nazwa_op_pelna`) are never
// removed: the newest stays first.
void kasowanie_dogranicz(Context& ctx);    // every `ograniczenie`
void kasowanie_nazwy_og(Context& ctx);     // every `nazwa_og`
// Every `ograniczenie_n`, with the inert lines of the same file (`rem_ograniczenie_n`,
// `_ograniczenie_n`), so that a reload does not find the old ones.
void kasowanie_dogranicz_p(Context& ctx);
void kasowanie_nazwy_op(Context& ctx);     // every `nazwa_op`

// A base unloaded as a unit: its facts and its name (the delete command's unload).
void kasowanie_bazy_ograniczen(Context& ctx);
void kasowanie_bazy_ograniczen_p(Context& ctx);

// Read forms: the condition lists of every constraint with the number, in stored order.
std::vector<SList> warunki_ograniczenia(const Context& ctx, std::int32_t numer);
std::vector<SList> warunki_ograniczenia_n(const Context& ctx, std::int32_t numer);
// The numbers of the uncertain constraints whose list equals the given one element by element.
IList numery_ograniczen_n(const Context& ctx, const SList& warunki);

}  // namespace kb
