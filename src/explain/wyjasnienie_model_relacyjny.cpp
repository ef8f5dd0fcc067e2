// The conclusion of an applied relational model with the CF the engine settled for it: written
// and shown for an explained model (display flag 1), nothing for a silent one, a refusal for any
// other flag.
#include "explain/wiersze.h"
#include "explain/ramka.h"
#include "explain/wyjasnienia_modeli.h"

namespace explain {

namespace {

template <class Fakt>
bool wyjasnij_wniosek(kb::Context& ctx, const facts::FactList<Fakt>& modele, std::int32_t numer,
                      const std::string& wniosek, double cf, bool rozwiniety)
{
    const auto z_flaga = [&](std::int32_t flaga) {
        return modele.any([&](const Fakt& m) { return m.numer == numer && m.wyswietlanie == flaga; });
    };
    if (!z_flaga(1)) return z_flaga(0);
    Tekst t;
    t.pisany("Stąd wynika wniosek: ");
    t.pisany("    " + wniosek + "(" + sprv(cf) + ")");
    t.pisany("");
    t.slad((rozwiniety ? "Z modelu relacyjnego rozwiniętego " : "Z modelu relacyjnego podstawowego ") +
           numer_tekstem(numer));
    t.slad("wynika wniosek: ");
    t.slad((rozwiniety ? "    " : "  ") + wniosek + "(" + sprv(cf) + ")");
    // The CF questions just before leave their own headings pending; this one replaces them.
    pokaz_wyjasnienie(ctx, t,
                      rozwiniety ? "Wyjaśnienie modelu relacyjnego rozwiniętego"
                                 : "Wyjaśnienie modelu relacyjnego podstawowego");
    return true;
}

}  // namespace

bool wyjasnienie_model_relacyjny(kb::Context& ctx, std::int32_t numer, const std::string& wniosek, double cf)
{
    return wyjasnij_wniosek(ctx, ctx.db.baza_modeli.model, numer, wniosek, cf, false);
}

bool wyjasnienie_model_relacyjny_r(kb::Context& ctx, std::int32_t numer, const std::string& wniosek, double cf)
{
    return wyjasnij_wniosek(ctx, ctx.db.baza_modeli.model_r, numer, wniosek, cf, true);
}

}  // namespace explain
