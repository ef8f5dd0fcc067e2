// The internal contradictions of the rule base: a flattened form of a rule that holds a
// condition together with its negation. The search; telling the user at loading is
// testy_ladowania_regul.h's, the report on request diagnozy.h's.
#pragma once

#include <string>

#include "diagnostics/pominiecia.h"
#include "diagnostics/splaszczanie.h"
#include "kb/context.h"

namespace diagnostics {

// Records a sprzecznosc_1w for every pair of a condition and its negation in a flattened form,
// whatever their order (na with nna too), a regula_splaszczona_1w for every distinct flattened form (rule number, conclusion,
// conditions, rules used) that holds such a pair, and the flag sprzecznosc_1_w "TAK" when there
// is any. Equal forms of one rule give their findings once. The flattened rules free of
// contradiction are not kept: nothing reads them, and a large base has millions. Returns the
// rules it could not flatten in full.
Omissions wyznacz_sprzecznosc_1w(kb::Context& ctx, FlatteningLimits limits = {});

// A flattened rule as one text: equal texts for records equal in all four fields.
std::string flattened_rule_key(const kb::RegulaSplaszczona& r);

}  // namespace diagnostics
