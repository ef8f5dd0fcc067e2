// The askable conditions of the rule base as the store keeps them: the sorted list and one
// `dopytywalny` fact per condition. Computing them belongs to the rule-base askables
// (dopytywalne_regul.h); this file only records and forgets them.
#pragma once

#include "kb/context.h"
#include "platform/facts.h"
#include "platform/names.h"

namespace kb {

// Sorts the list and stores it as the one `lista_warunkow_dopytywalnych`: a list stored at a
// load replaces the one of the previous load.
void pamietaj_liste_dopytywalnych(Context& ctx, const facts::NameList& lista);
// One `dopytywalny` fact per element, in list order (repeats give repeated facts); they replace
// the facts stored before, so they always describe one rule base.
void pamietaj_warunki_dopytywalne(Context& ctx, const facts::NameList& lista);
// Removes every `dopytywalny` and every `lista_warunkow_dopytywalnych`.
void kasowanie_dopytywalny(Context& ctx);

}  // namespace kb
