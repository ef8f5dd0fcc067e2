// What the reports of the rule-base diagnoses share: the kind names of their findings, taken
// from the extension of the rule-base file, and the answer when no rule base is loaded. The
// reports themselves live one per file beside their searches.
#pragma once

#include <optional>
#include <string>

#include "kb/context.h"

namespace diagnostics {

// "SQZ1" (contradictions) and "NQZ1" (redundancy) for a rule base whose file ends in ".BQZ"
// (any letter case); nullopt for any other extension or none recorded.
std::optional<std::string> rodzaj_sprzecznosci_1(const kb::Context& ctx);
std::optional<std::string> rodzaj_nadmiaru_p(const kb::Context& ctx);

// The loaded rule base's name; without one, tells the user there is nothing to diagnose (a
// line in the auxiliary window and a note) and gives nullopt.
std::optional<std::string> baza_do_raportu(kb::Context& ctx);

}  // namespace diagnostics
