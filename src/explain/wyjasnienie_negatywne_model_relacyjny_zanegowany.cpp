// The explanation of a relational model whose relation holds, when the hypothesis under test is
// the negation of the model's result: the model restated, the relation over the values found,
// the model's own conclusion, and the request to settle its CF (the hypothesis gets the
// opposite). Written whatever the model's display flag.
#include "explain/model_relacyjny.h"
#include "explain/wiersze.h"
#include "explain/wyjasnienia_modeli.h"
#include "kb/listy.h"

namespace explain {

namespace {

void wyjasnij(kb::Context& ctx, const ModelRelacyjny& m)
{
    const bool r = m.rozwiniety;
    Tekst t;
    t.oba(std::string(r ? "Stosuję model relacyjny rozwinięty " : "Stosuję model relacyjny podstawowy ") + m.numer +
          " o postaci: ");
    t.rozne(r ? "dla spełnionego warunku startowego modelu " : "dla spełnionego warunku startowego modelu: ",
            "dla spełnionego warunku startowego modelu: ");
    t.oba("    " + m.warunek);
    t.rozne("i spełnionej relacji: ", r ? "i spełnionej relacji: " : "i spełnionej relacji ");
    t.rozne(r ? nad_nazwami(m) : "    " + nad_nazwami(m), r ? "  " + nad_nazwami(m) : "    " + nad_nazwami(m));
    t.rozne("wynika z CF =  " + m.cf, r ? "wynika z CF = " + m.cf : "wynika z  CF = " + m.cf);
    t.oba((r ? "    " : "  ") + m.wynik);
    if (!r) t.pisany("");
    t.oba("Dla wyznaczonych danych  jest spełniona relacja " + m.numer);
    t.rozne("    " + nad_wartosciami(m), r ? "  " + nad_wartosciami(m, "  ") : nad_wartosciami(m));
    t.rozne("Stąd wynika wniosek: ", "Stąd wynika wniosek ");
    t.rozne((r ? "    " : "   ") + m.wynik, "    " + m.wynik);
    t.oba("Określ współczynnik pewności  tego wniosku!");
    pokaz_wyjasnienie(ctx, t,
                      r ? "Wyjaśnienie modelu relacyjnego rozwiniętego" : "Wyjaśnienie modelu relacyjnego podstawowego");
}

}  // namespace

bool wyjasnienie_negatywne_model_relacyjny_zanegowany(kb::Context& ctx, std::int32_t numer,
                                                      const std::string& hipoteza, double v1,
                                                      const std::string& relacja, double v2)
{
    const auto m = model_podstawowy(ctx, numer, relacja, v1, v2,
                                    [&](const std::string& w) { return kb::negacja(w, hipoteza); });
    if (!m) return false;
    wyjasnij(ctx, *m);
    return true;
}

bool wyjasnienie_negatywne_model_relacyjny_r_zanegowany(kb::Context& ctx, std::int32_t numer,
                                                        const std::string& hipoteza, const std::string& relacja,
                                                        double v1, double v2, double v3)
{
    auto m = model_rozwiniety(ctx, numer, relacja, v1, v2, v3,
                              [&](const std::string& w) { return kb::negacja(w, hipoteza); });
    if (!m || !podziel(*m)) return false;
    wyjasnij(ctx, *m);
    return true;
}

}  // namespace explain
