// The kind names and the missing-base answer of the rule-base reports. Reads the load's facts;
// writes only the one line and note of the missing base.
#include "diagnostics/raporty_regul.h"

#include "diagnostics/testy_ladowania_regul.h"
#include "platform/toolkit.h"

namespace diagnostics {

std::optional<std::string> rodzaj_sprzecznosci_1(const kb::Context& ctx)
{
    const std::optional<std::string> rozszerzenie = ctx.db.stan_ladowania.rozszerzenie.first();
    return rozszerzenie ? nazwa_sprzecznosci_1(*rozszerzenie) : std::nullopt;
}

std::optional<std::string> rodzaj_nadmiaru_p(const kb::Context& ctx)
{
    const std::optional<std::string> rozszerzenie = ctx.db.stan_ladowania.rozszerzenie.first();
    return rozszerzenie ? nazwa_nadmiaru_p(*rozszerzenie) : std::nullopt;
}

// A report item stays enabled after its rule base was forgotten; it then has nothing to say
// but that.
std::optional<std::string> baza_do_raportu(kb::Context& ctx)
{
    std::optional<std::string> nazwa = ctx.db.stan.nazwa_re.first();
    if (nazwa) return nazwa;
    ctx.ui.write(" Brak bazy reguł do diagnozowania.\n");
    ctx.ui.note("Uwaga!", "Brak bazy reguł do diagnozowania!");
    return std::nullopt;
}

}  // namespace diagnostics
