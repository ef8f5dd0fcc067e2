// The other members of a constraint once one member's CF is fixed: set to -1 when a member of an
// exact constraint holds 1; asked one by one until one is 1 when a member was answered -1; asked
// once each after a member of an uncertain constraint got its CF. The members to deal with are
// the run's remaining-members list (`lista_bez_warunku`), stored by the caller.
#pragma once

#include <string>
#include <vector>

#include "kb/context.h"
#include "platform/facts.h"

namespace inference {

// v -1: every remaining member not holding exactly -1 gets -1; true. v 1: w gets -1, the user is
// told that one of the remaining members must be 1, and they are asked until one is; false when
// that does not come about (or w has a resultant already). Any other v: false.
bool pamietaj_warunki_pozostale(kb::Context& ctx, const std::string& w, double v);
// The question loop of the exact questioning over the members to ask.
bool pamietaj_warunki_pozostale_dalej(kb::Context& ctx, const facts::SList& do_zapytania);
// The members not asked any more get -1 (none: nothing happens).
void pamietaj_warunki_pozostale_koniec(kb::Context& ctx, const facts::SList& reszta);
// -1 for every member, then the remaining-members list removed.
void ustaw_pozostale_cf(kb::Context& ctx, const facts::SList& reszta);
// For -1: the partner of x in its first two-member exact constraint gets 1.
void pamietaj_dychotomiczne(kb::Context& ctx, const std::string& x, double v);
// The members without a resultant, each once, the last in the list first.
facts::SList usun_warunki_o_znanym_cf(const kb::Context& ctx, const facts::SList& lista);

// One trace line per member, four blanks first; nothing written.
void pokazanie_listy_warunkow_nieukonkretnionych(kb::Context& ctx, const facts::SList& lista);
// One line per member, four blanks first, written and appended as a trace line.
void pokazanie_listy_warunkow_wyklu(kb::Context& ctx, const facts::SList& lista);

// The members of the uncertain constraint list that have a resultant, once per record, with
// their CFs, in step.
struct Zadeklarowane {
    facts::SList nazwy;
    std::vector<double> cf;
};
Zadeklarowane wyznacz_zadeklarowane_p(const kb::Context& ctx, const facts::SList& lista);
// Shows the members that have a CF, tells the rule of the constraint and asks each member of
// the rest once. Never fails.
void pamietaj_warunki_pozostale_p(kb::Context& ctx, const facts::SList& nazwy, const std::vector<double>& cf,
                                  const facts::SList& reszta);
void pamietaj_warunki_pozostale_p_dalej(kb::Context& ctx, const facts::SList& reszta);

}  // namespace inference
