// The rule base as a whole: the numbered actions the rule-base menu commands ask for, the
// retract-all wrappers of its facts, and forgetting the loaded rule base as one unit.
// Loading a rule base belongs to the loader; the diagnoses it starts live in diagnostics/.
#pragma once

#include <cstdint>
#include <optional>

#include "kb/akcja.h"
#include "kb/context.h"

namespace kb {

// Action 1 views the base file (and sets the main window's title), 2 gives the askable
// conditions, 4 clears the rule base before a new file is created, 5 forgets it after its file
// was deleted, 6, 7 and 9 write the reports of the rule-base diagnoses. Any other number, or
// an action whose requirements are missing, gives nullopt with no effect. A base file that
// cannot be read raises files::FileError.
std::optional<AkcjaWynik> dzialanie_w_bazie_regul(Context& ctx, std::int32_t akcja);

// Retract-all wrappers: each removes every fact of its kind.
void kasowanie_dopytywalnych_dla_wyswietlania(Context& ctx);
void kasowanie_dregula(Context& ctx);
void kasowanie_fakt(Context& ctx);
void kasowanie_listy_warunkow(Context& ctx);
void kasowanie_listy_warunkow_i_argumentow_dopytywalnych(Context& ctx);
void kasowanie_listy_wnioskow_regul(Context& ctx);
void kasowanie_nazwy_re(Context& ctx);  // nazwa_re and nazwa_re_pelna

// Forgets the loaded rule base as a unit: every fact of the rule-base database, both base
// names, and every list computed from the rules (conditions, conclusions, askables). What a
// check calls when it refuses a rule base, so that no half of a base stays behind.
void forget_rule_base(Context& ctx);

}  // namespace kb
