// The resultant of a name in backward inference once every rule of its conclusion has been
// applied or skipped: cumulative or disjunctive, written, shown in the step dialog and recorded
// for the name and its negation. Reads the contributions; changes no rule list.
#pragma once

#include <optional>
#include <string>

#include "kb/context.h"

namespace inference {

// The cumulative resultant of a plain name, or of a negated one from the contributions recorded
// under it; nullopt when its conclusion is not cumulative, has rules still to apply, or the name
// already has a resultant.
std::optional<double> wypadkowa_kumulatywna_wstecz(kb::Context& ctx, const std::string& nazwa);

// The disjunctive resultant of a disjunctive conclusion or of its negation; nullopt when the
// conclusion has rules still to apply or no rule of it contributed.
std::optional<double> wypadkowa_dysjunktywna_wstecz(kb::Context& ctx, const std::string& nazwa);

}  // namespace inference
