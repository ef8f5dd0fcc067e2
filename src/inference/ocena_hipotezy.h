// The backward evaluation of a tested hypothesis: its entry (the stop rules, the rule-number
// lists, the listings and the seeding of the given facts and known values) and the evaluation of
// one name, which the model conditions also call while a hypothesis is under test.
#pragma once

#include <optional>
#include <string>

#include "kb/context.h"

namespace inference {

// The hypothesis's CF; nullopt when a stop rule ended the test (a stop record of CF >= 0 then
// stands), when the given facts contradict an exact constraint (`blad_wykluczajacych` then
// stands), or when the knowledge base gives the hypothesis no answer.
std::optional<double> ocena_hipotezy(kb::Context& ctx, const std::string& hipoteza);

// The seeding of the given facts, their exclusive partners and the known values; then the
// evaluation of the hypothesis.
std::optional<double> ocena_hipotezy_cd_0(kb::Context& ctx, const std::string& hipoteza);

// The name's CF as backward inference finds it; nullopt when it yields none (a name met again
// on its own path of evaluation, a cycle of the base, yields none there), and nullopt once a
// stop rule has ended inference.
std::optional<double> ocena_hipotezy_cd(kb::Context& ctx, const std::string& nazwa);

}  // namespace inference
