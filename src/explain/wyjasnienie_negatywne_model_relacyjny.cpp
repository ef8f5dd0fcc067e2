// The explanation of a relational model whose relation does not hold: the model restated, the
// relation that fails over the values found, the opposite conclusion whose CF is to be settled,
// and the opposite relation that holds instead. Written whatever the model's display flag.
#include "explain/ramka.h"
#include "kb/listy.h"
#include "explain/model_relacyjny.h"
#include "explain/wiersze.h"
#include "explain/wyjasnienia_modeli.h"

namespace explain {

namespace {

// The model restated and the failing relation: rows 1 to 9 in both copies.
void relacja_niespelniona(Tekst& t, const ModelRelacyjny& m, const std::string& wniosek)
{
    const bool r = m.rozwiniety;
    if (r)
        t.rozne("Stosuję model relacyjny rozwinięty " + m.numer + " o postaci:",
                "Stosuję model relacyjny rozwinięty " + m.numer + " o postaci: ");
    else
        t.oba("Stosuję model relacyjny podstawowy " + m.numer + " o postaci: ");
    t.oba("dla spełnionego warunku startowego modelu: ");
    t.oba("    " + m.warunek);
    t.rozne("i spełnionej relacji: ", r ? "i spełnionej relacji: " : "i spełnionej relacji ");
    t.oba("    " + nad_nazwami(m));
    if (r)
        t.rozne("wynika z CF =  " + m.cf, "wynika z CF = " + m.cf);
    else
        t.oba("wynika z  CF = " + m.cf);
    t.rozne("    " + wniosek, r ? "    " + wniosek : "   " + wniosek);
    t.rozne("Ponieważ dla wyznaczonych danych nie jest spełniona relacja " + m.numer + ":",
            "Ponieważ dla wyznaczonych danych nie jest spełniona relacja " + m.numer);
    t.rozne("    " + nad_wartosciami(m), "    " + nad_wartosciami(m, r ? "  " : " "));
}

bool wyjasnij(kb::Context& ctx, const ModelRelacyjny& m, const std::string& wniosek)
{
    const bool r = m.rozwiniety;
    Tekst t;
    relacja_niespelniona(t, m, wniosek);
    t.rozne(r ? "to określ współczynnik pewności wniosku przeciwnego: "
              : "to wyznacz współczynnik pewności wniosku przeciwnego: ",
            "to określ współczynnik pewności wniosku przeciwnego: ");
    t.rozne("    " + kb::negacja(wniosek), "   " + kb::negacja(wniosek));
    t.oba("dla relacji przeciwnej:");
    const std::optional<PrzeciwnaPolowa> p = przeciwna(m);
    if (!p) {
        t.wypisz_pisane(ctx);
        return false;
    }
    t.oba("    " + p->nazwa_lewa + " " + p->relacja + " " + p->nazwa_prawa);
    t.oba("    " + sprv(p->lewa) + " " + p->relacja + " " + sprv(p->prawa));
    pokaz_wyjasnienie(ctx, t,
                      r ? "Określ współczynnik pewności wniosku przeciwnego!"
                        : "Określ współczynnik pewności  wniosku przeciwnego!");
    return true;
}

}  // namespace

bool wyjasnienie_negatywne_model_relacyjny(kb::Context& ctx, std::int32_t numer, const std::string& wynik, double v1,
                                           const std::string& relacja, double v2)
{
    const auto m = model_podstawowy(ctx, numer, relacja, v1, v2, [&](const std::string& w) { return w == wynik; });
    return m && wyjasnij(ctx, *m, wynik);
}

bool wyjasnienie_negatywne_model_relacyjny_r(kb::Context& ctx, std::int32_t numer, const std::string& wynik,
                                             const std::string& relacja, double v1, double v2, double v3)
{
    auto m = model_rozwiniety(ctx, numer, relacja, v1, v2, v3, [&](const std::string& w) { return w == wynik; });
    return m && podziel(*m) && wyjasnij(ctx, *m, wynik);
}

}  // namespace explain
