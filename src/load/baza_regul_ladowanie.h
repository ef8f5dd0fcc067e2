// The rule-base load (kind 1): the whole previous knowledge base is forgotten once a file is
// chosen, the file read, its names and mark recorded, and the rule-base checks and offered
// diagnoses run in their fixed order. Also the rule-number lists inference works from.
#pragma once

#include <string_view>

#include "kb/context.h"
#include "load/ramka.h"

namespace load {

// The frame's description of the rule base (dialog, error texts, flags).
extern const FrameDesc kBazaRegul;

// Records the mark of the file name as `wyroznik` (last) and the file's extension as
// `rozszerzenie` (first). False, recording nothing, when the name gives no mark.
bool pamietaj_wyroznik_nazwy(kb::Context& ctx, std::string_view sciezka);

// `opis`: the description file of the knowledge base, "../OPISY/" + mark + ".OPI" (added
// first). False when no mark is recorded.
bool wyznacz_nazwe_opisu(kb::Context& ctx);

// The numbers of the rules of each conclusion, in rule-base order, for the conclusions that
// have no list yet: declared disjunctive ones (`reguła_dysjunktywna`), and all others except
// "koniec" (cumulative). Inference rebuilds them at every start.
void tworz_listy_numerow_regul_dysjunktywnych(kb::Context& ctx);
void tworz_listy_numerow_regul_kumulatywnych(kb::Context& ctx);

}  // namespace load
