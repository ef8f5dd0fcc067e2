// The exact and the uncertain constraint base beyond storing them: the wrappers that empty
// them and the read forms of their facts. Loading them is the loader's business, their
// numbered actions the main window's (app/base_actions.h); nothing here reads a base file.
#pragma once

#include <cstdint>
#include <vector>

#include "kb/context.h"

namespace kb {

// Retract-all wrappers. The full-path facts (`nazwa_og_pelna`, `nazwa_op_pelna`) are never
// removed: the newest stays first.
void kasowanie_dogranicz(Context& ctx);    // every `ograniczenie`
void kasowanie_nazwy_og(Context& ctx);     // every `nazwa_og`
// Every `ograniczenie_n`, with the inert lines of the same file (`rem_ograniczenie_n`,
// `_ograniczenie_n`), so that a reload does not find the old ones.
void kasowanie_dogranicz_p(Context& ctx);
void kasowanie_nazwy_op(Context& ctx);     // every `nazwa_op`

// A base unloaded as a unit: its facts, its name and the joint findings of the rule base with
// it (the delete command's unload).
void kasowanie_bazy_ograniczen(Context& ctx);
void kasowanie_bazy_ograniczen_p(Context& ctx);

// Read forms: the condition lists of every constraint with the number, in stored order.
std::vector<SList> warunki_ograniczenia(const Context& ctx, std::int32_t numer);
std::vector<SList> warunki_ograniczenia_n(const Context& ctx, std::int32_t numer);
// The numbers of the uncertain constraints whose list equals the given one element by element.
IList numery_ograniczen_n(const Context& ctx, const SList& warunki);

}  // namespace kb
