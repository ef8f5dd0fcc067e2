// The rule base as a whole: the retract-all wrappers of its facts, and forgetting the loaded
// rule base as one unit. Loading it belongs to the loader; its numbered actions, which start
// diagnosis reports, to the main window (app/base_actions.h).
#pragma once

#include "kb/context.h"

namespace kb {

// Retract-all wrappers: each removes every fact of its kind.
void kasowanie_dopytywalnych_dla_wyswietlania(Context& ctx);
void kasowanie_dregula(Context& ctx);
void kasowanie_fakt(Context& ctx);
void kasowanie_listy_warunkow(Context& ctx);
void kasowanie_listy_warunkow_i_argumentow_dopytywalnych(Context& ctx);
void kasowanie_listy_wnioskow_regul(Context& ctx);
void kasowanie_nazwy_re(Context& ctx);  // nazwa_re and nazwa_re_pelna

// Forgets the loaded rule base as a unit: every fact of the rule-base database, both base
// names, every list computed from the rules (conditions, conclusions, askables), and what the
// rule-base diagnoses found in it (findings, flags, flattened rules, the rules chosen for the
// exclusivity test). What every unload calls, so that no half of a base stays behind. Imported
// facts (kb/zaimportowane.h) are laid over the empty base again.
void forget_rule_base(Context& ctx);

}  // namespace kb
