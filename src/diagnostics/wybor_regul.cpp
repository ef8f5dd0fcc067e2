// The choice lines of the rules and reading a rule number back from one. Touches only the
// choice lines.
#include "diagnostics/wybor_regul.h"

#include "platform/text.h"

namespace diagnostics {

void kasowanie_nr_wniosek(kb::Context& ctx) { ctx.db.wyniki_diagnoz.nr_wniosek.remove_all(); }

void tworz_numer_wniosek(kb::Context& ctx)
{
    ctx.db.baza_regul.regula.each([&](const kb::Regula& r) {
        ctx.db.wyniki_diagnoz.nr_wniosek.add_last(std::to_string(r.numer) + "  " + r.wniosek);
    });
}

std::string pierwszy_token(const std::string& linia)
{
    const std::size_t from = linia.find_first_not_of(' ');
    if (from == std::string::npos) return "";
    return linia.substr(from, linia.find(' ', from) - from);
}

std::optional<std::int32_t> numer_z_linii(const std::string& linia) { return text::text_to_int(pierwszy_token(linia)); }

}  // namespace diagnostics
