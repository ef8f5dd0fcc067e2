// The candidate hypotheses of a test. With a model base a name leaves the narrow list only when a
// premise holds it exactly as written; without one, the recorded premise conditions have one
// leading "n" dropped, so a premise holding nX removes X too.
#include "inference/hipotezy.h"

#include "kb/dopytywalne_modeli.h"
#include "kb/listy.h"

namespace inference {

namespace {

facts::SList pierwsza(const facts::FactList<facts::NameList>& listy)
{
    return listy.first().value_or(facts::NameList{}).strings();
}

bool jest_baza_modeli(const kb::Context& ctx) { return !ctx.db.stan.nazwa_mo.empty(); }

}  // namespace

facts::SList wyznacz_liste_warunkow(const kb::Context& ctx)
{
    facts::ListaList przeslanki;
    ctx.db.baza_regul.regula.scan([&](const kb::Regula& r) { przeslanki.push_back(r.warunki.strings()); });
    return kb::redukuj(kb::usuniecie_list_wewnetrznych(przeslanki));
}

facts::SList wyznacz_liste_wnioskow_regul_i_modeli(kb::Context& ctx)
{
    kb::wyznacz_i_pamietaj_wnioski_modeli(ctx);
    return kb::dolaczenie(pierwsza(ctx.db.stan.lista_wnioskow_regul), pierwsza(ctx.db.stan.lista_wnioskow_modeli));
}

facts::SList lista_hipotez(kb::Context& ctx, RodzajHipotezy rodzaj)
{
    const bool waska = rodzaj == RodzajHipotezy::waska;
    facts::SList kandydaci;
    if (jest_baza_modeli(ctx)) {
        kandydaci = wyznacz_liste_wnioskow_regul_i_modeli(ctx);
        if (waska) kandydaci = kb::roznica_zbiorow(kandydaci, wyznacz_liste_warunkow(ctx));
    } else {
        kandydaci = pierwsza(ctx.db.stan.lista_wnioskow_regul);
        if (waska) kandydaci = kb::roznica_zbiorow(kandydaci, pierwsza(ctx.db.stan.lista_warunkow));
    }
    return kb::sortuj(kandydaci);
}

}  // namespace inference
