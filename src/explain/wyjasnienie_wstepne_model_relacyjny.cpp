// The explanation of a relational model whose relation holds: the model restated, the relation
// over the values found, the conclusion, and the request to settle its CF. Written whatever the
// model's display flag; the conclusion line with the settled CF comes later, on its own.
#include "explain/model_relacyjny.h"
#include "explain/wiersze.h"
#include "explain/wyjasnienia_modeli.h"

namespace explain {

namespace {

void wyjasnij(kb::Context& ctx, const ModelRelacyjny& m, const std::string& wniosek)
{
    const bool r = m.rozwiniety;
    Tekst t;
    t.oba(std::string(r ? "Stosuję model relacyjny rozwinięty " : "Stosuję model relacyjny podstawowy ") + m.numer +
          " o postaci: ");
    t.oba("dla spełnionego warunku startowego modelu: ");
    t.oba("    " + m.warunek);
    t.oba("i spełnionej relacji: ");
    t.rozne(r ? nad_nazwami(m) : "    " + nad_nazwami(m), r ? "  " + nad_nazwami(m) : "    " + nad_nazwami(m));
    t.rozne("wynika z  CF = " + m.cf, r ? "wynika z CF = " + m.cf : "wynika z  współczynnikiem CF = " + m.cf);
    t.rozne("    " + wniosek, r ? "    " + wniosek : "  " + wniosek);
    t.rozne("Dla modelu " + m.numer + " jest spełniona relacja: ", "Dla modelu " + m.numer);
    t.slad(r ? "jest spełniona relacja:" : "jest spełniona relacja: ");
    t.rozne("    " + nad_wartosciami(m), r ? "  " + nad_wartosciami(m, "  ") : nad_wartosciami(m));
    t.rozne("Stąd wynika wniosek: ", "Stąd wynika wniosek ");
    t.oba("    " + wniosek);
    t.oba("Określ współczynnik pewności  tego wniosku!");
    pokaz_wyjasnienie(ctx, t,
                      r ? "Wyjaśnienie modelu relacyjnego rozwiniętego" : "Wyjaśnienie modelu relacyjnego podstawowego");
}

}  // namespace

bool wyjasnienie_wstepne_model_relacyjny(kb::Context& ctx, std::int32_t numer, const std::string& wynik, double v1,
                                         const std::string& relacja, double v2)
{
    const auto m = model_podstawowy(ctx, numer, relacja, v1, v2,
                                    [&](const std::string& w) { return w == wynik; });
    if (m) wyjasnij(ctx, *m, wynik);
    return true;
}

bool wyjasnienie_wstepne_model_relacyjny_r(kb::Context& ctx, std::int32_t numer, const std::string& wynik,
                                           const std::string& relacja, double v1, double v2, double v3)
{
    auto m = model_rozwiniety(ctx, numer, relacja, v1, v2, v3,
                              [&](const std::string& w) { return w == wynik; });
    if (!m) return true;
    if (!podziel(*m)) return false;
    wyjasnij(ctx, *m, wynik);
    return true;
}

}  // namespace explain
