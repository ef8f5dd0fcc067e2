// The shared pieces of the joint diagnoses' reports. Writes only through the report writers.
#include "diagnostics/raporty_laczne.h"

#include "diagnostics/listy_diagnoz.h"
#include "kb/pisz.h"
#include "platform/factfile.h"

namespace diagnostics {

std::string nr(std::int32_t n) { return std::to_string(n); }

void linia(kb::Context& ctx, std::string_view tekst)
{
    kb::pisz_tuto(ctx, tekst);
    kb::piszcr(ctx);
}

void pisz_z_lista(kb::Context& ctx, std::string_view tekst, const facts::SList& warunki)
{
    kb::pisz_tuto(ctx, std::string(tekst) + "[");
    pisz_liste_dla_raportu_s(ctx, warunki);
}

std::string lista_noty(const facts::SList& warunki) { return factfile::to_text(warunki); }

std::string numery_noty(const facts::IList& numery) { return tworz_string1(lista_str_int(numery)); }

std::optional<std::string> rodzaj_laczny(const kb::Context& ctx,
                                         std::optional<std::string> (*nazwa)(std::string_view))
{
    for (const std::string& e : ctx.db.stan_ladowania.rozszerzenie.all())
        if (auto t = nazwa(e)) return t;
    return std::nullopt;
}

}  // namespace diagnostics
