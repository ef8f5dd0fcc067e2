// The consistency of the given facts with the exact constraints: two conditions of one exact
// constraint both given as certain (CF 1.0) contradict it. A conflict is reported once (window,
// report text, note) and recorded in `blad_wykluczajacych`, which refuses inference until the
// rule base is loaded again.
#pragma once

#include <string>

#include "kb/context.h"

namespace inference {

// Why inference cannot start while a conflict stands.
inline constexpr const char* kBladWykluczajacych =
    "Dwa fakty jednego ograniczenia dokładnego mają CF = 1.\nPopraw bazę reguł i załaduj ją ponownie.";

// True when the given fact of the rule base (name, CF text) may be listed: no conflict found for
// it and no conflict recorded before. A conflict with another given fact whose CF reads as 1.0
// too (1 and 1.0 alike) is reported, recorded, and answers false.
bool testuj_wykluczajace(kb::Context& ctx, const std::string& nazwa, const std::string& cf);
// The same for a given fact of the model base, the partner looked for among the model base's.
bool testuj_m_wykluczajace(kb::Context& ctx, const std::string& nazwa, const std::string& cf);

// A conflict has been recorded.
bool jest_blad_wykluczajacych(const kb::Context& ctx);

}  // namespace inference
