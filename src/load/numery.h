// The checks that no number occurs twice in a rule, model, constraint or advice base, with
// their duplicate report and the duplicate-number flag that blocks the loads' quiet end and
// inference. The flag is kept per base; a check never removes a fact of the base it tests.
#pragma once

#include <optional>
#include <string_view>

#include "kb/context.h"
#include "platform/facts.h"

namespace load {

// The bases whose numbers are checked; each has its label in `testowanie` and `rozne_numery`.
enum class BazaNumerowana { regul, modeli, ograniczen, ograniczen_p, rad };
std::string_view etykieta(BazaNumerowana baza);  // "baza reguł", "baza modeli", ...

// Each check: succeeds when all numbers of its base differ (an empty base too); otherwise the
// report of the first duplicated number (window and note), the base's flag, and false.
bool testuj_numery_regul(kb::Context& ctx);
bool testuj_numery_modeli(kb::Context& ctx);  // one number space for the four model kinds
bool testuj_numery_ograniczen_dokladnych(kb::Context& ctx);
bool testuj_numery_ograniczen_niepewnych(kb::Context& ctx);
bool testuj_numery_rad(kb::Context& ctx);

// The first number whose value occurs again later in the list (pure).
std::optional<std::int32_t> pierwszy_powtorzony(const facts::IList& numery);

// The duplicate-number flag. A base's flag counts only while that base is loaded (its name
// fact recorded), so unloading a base by any way ends its flag too.
bool rozne_numery(const kb::Context& ctx, BazaNumerowana baza);
// Some loaded base has a flag: inference does not start.
bool rozne_numery(const kb::Context& ctx);
// Removes the flag of one base: its load calls this once a file is chosen and accepted.
void kasowanie_rozne_numery(kb::Context& ctx, BazaNumerowana baza);

}  // namespace load
