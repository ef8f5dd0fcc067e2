// The rule-base diagnoses as a rule-base load offers them: the explanation, the Yes/No
// question, and on Yes the search, its outcome note and the menu item of its report. The
// searches themselves belong to the diagnoses (sprzecznosc_zewnetrzna.h, sprzecznosc_wewnetrzna.h,
// nadmiar.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "kb/context.h"

namespace diagnostics {

// Succeeds when no rule base is loaded, on No, and when the search finds no external
// contradiction (sprzecznosc_1z "NIE", note "Wynik diagnozowania sprzeczności zewnętrznej");
// with a contradiction: sprzecznosc_1z "TAK", note "Informacja o sprzeczności", item 10073
// enabled, false. The rule base stays loaded in every case.
bool testuj_sprzecznosc_1z(kb::Context& ctx);
// The same for internal contradictions (item 10074).
bool testuj_sprzecznosc_1w(kb::Context& ctx);
// The same for redundancy: redundant rules are a warning (note "Uwaga:", item 10075 and some
// load items enabled), never a failure.
bool testuj_nadmiar_p(kb::Context& ctx);

// sprzecznosc_1z("TAK") holds: the model, constraint and media loads refuse to start.
bool jest_sprzecznosc_1z(const kb::Context& ctx);

// The kind names the rule-base diagnoses give their findings, from the rule-base file's
// extension (rozszerzenie) in capitals: ".BQZ" gives "SQZ1" and "NQZ1"; nullopt otherwise.
std::optional<std::string> nazwa_sprzecznosci_1(std::string_view rozszerzenie);
std::optional<std::string> nazwa_nadmiaru_p(std::string_view rozszerzenie);

}  // namespace diagnostics
