// The explanation of a relational model whose relation does not hold, when the hypothesis under
// test is the negation of the model's result: the model restated, the relation that fails over
// the values found, the hypothesis as the opposite conclusion whose CF is to be settled, and the
// opposite relation that holds instead. Written whatever the model's display flag.
#include "explain/model_relacyjny.h"
#include "explain/wiersze.h"
#include "explain/ramka.h"
#include "explain/wyjasnienia_modeli.h"
#include "kb/listy.h"

namespace explain {

namespace {

// The model restated and the failing relation: rows 1 to 9 in both copies.
void relacja_niespelniona(Tekst& t, const ModelRelacyjny& m)
{
    const bool r = m.rozwiniety;
    if (r) {
        t.rozne("Stosuję model relacyjny rozwinięty " + m.numer + " o postaci:",
                "Stosuję model relacyjny rozwinięty " + m.numer + " o postaci: ");
        t.rozne("dla spełnionego warunku startowego modelu ", "dla spełnionego warunku startowego modelu: ");
    } else {
        t.oba("Stosuję model relacyjny podstawowy " + m.numer + " o postaci: ");
        t.oba("dla spełnionego warunku startowego modelu: ");
    }
    t.oba("    " + m.warunek);
    t.rozne(r ? "i  spełnionej relacji: " : "i spełnionej relacji: ", "i spełnionej relacji: ");
    t.rozne(r ? nad_nazwami(m) : "    " + nad_nazwami(m), r ? "  " + nad_nazwami(m) : "    " + nad_nazwami(m));
    if (r)
        t.rozne("wynika z CF =  " + m.cf, "wynika z CF = " + m.cf);
    else
        t.oba("wynika z  CF = " + m.cf);
    t.rozne("    " + m.wynik, (r ? "    " : "  ") + m.wynik);
    t.rozne("Ponieważ dla wyznaczonych danych nie jest spełniona relacja " + m.numer + ":",
            "Ponieważ dla wyznaczonych danych nie jest spełniona relacja " + m.numer);
    t.rozne("    " + nad_wartosciami(m), r ? "  " + nad_wartosciami(m, "  ") : "    " + nad_wartosciami(m));
}

bool wyjasnij(kb::Context& ctx, const ModelRelacyjny& m, const std::string& hipoteza)
{
    const bool r = m.rozwiniety;
    Tekst t;
    relacja_niespelniona(t, m);
    const std::string okresl = "to określ współczynnik pewności wniosku przeciwnego: ";
    // The basic explanation asks for the CF before it checks that the hypothesis is the
    // model's opposite; the extended one after.
    if (!r) t.oba(okresl);
    if (!kb::negacja(hipoteza, m.wynik)) {
        t.wypisz_pisane(ctx);
        return false;
    }
    if (r) t.oba(okresl);
    t.rozne((r ? "" : "    ") + hipoteza, "   " + hipoteza);
    t.oba("dla relacji przeciwnej:");
    const std::optional<PrzeciwnaPolowa> p = przeciwna(m);
    if (!p) {
        t.wypisz_pisane(ctx);
        return false;
    }
    if (r) t.pisany("");
    t.oba("    " + p->nazwa_lewa + " " + p->relacja + " " + p->nazwa_prawa);
    t.oba("    " + sprv(p->lewa) + " " + p->relacja + " " + sprv(p->prawa));
    t.slad("Określ współczynnik pewności  wniosku przeciwnego!");
    pokaz_wyjasnienie(ctx, t,
                      r ? "Wyjaśnienie modelu relacyjnego rozwiniętego" : "Wyjaśnienie modelu relacyjnego podstawowego");
    return true;
}

bool dowolny_wynik(const std::string&) { return true; }

}  // namespace

bool wyjasnienie_wstepne_model_relacyjny_zanegowany(kb::Context& ctx, std::int32_t numer, const std::string& hipoteza,
                                                    double v1, const std::string& relacja, double v2)
{
    const auto m = model_podstawowy(ctx, numer, relacja, v1, v2, dowolny_wynik);
    return !m || wyjasnij(ctx, *m, hipoteza);
}

bool wyjasnienie_wstepne_model_relacyjny_r_zanegowany(kb::Context& ctx, std::int32_t numer,
                                                      const std::string& hipoteza, const std::string& relacja,
                                                      double v1, double v2, double v3)
{
    auto m = model_rozwiniety(ctx, numer, relacja, v1, v2, v3, dowolny_wynik);
    if (!m) return true;
    return podziel(*m) && wyjasnij(ctx, *m, hipoteza);
}

}  // namespace explain
