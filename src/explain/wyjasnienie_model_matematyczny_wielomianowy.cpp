// The explanation of an applied polynomial model: its terms as the model writes them
// (coefficient times the variable to an exponent) and the value it is given, nothing for a
// silent model, a refusal for any other display flag. It computes nothing.
#include <algorithm>
#include <optional>

#include "explain/ramka.h"
#include "explain/wiersze.h"
#include "explain/wyjasnienia_modeli.h"

namespace explain {

namespace {

std::string czlon(const std::string& wspolczynnik, const std::string& zmienna, std::int32_t wykladnik)
{
    return "      " + wspolczynnik + " * " + zmienna + "^" + numer_tekstem(wykladnik);
}

// One line per term, every term as it stands (coefficient 0 and exponents 0 and 1 included),
// all but the last ending in " + ". Lists of different lengths (which no evaluated model has)
// stop before the term that has no partner's successor, and fail.
bool pisz_model_wielomianowy(Tekst& t, const facts::SList& wspolczynniki, const std::string& zmienna,
                             const facts::IList& wykladniki)
{
    // No terms: the model's value is 0, and that is explained with a formula of no lines.
    if (wspolczynniki.empty() && wykladniki.empty()) return true;
    const std::size_t n = std::min(wspolczynniki.size(), wykladniki.size());
    for (std::size_t i = 0; i + 1 < n; ++i) t.oba(czlon(wspolczynniki[i], zmienna, wykladniki[i]) + " + ");
    if (wspolczynniki.size() != wykladniki.size()) return false;
    t.oba(czlon(wspolczynniki.back(), zmienna, wykladniki.back()));
    return true;
}

}  // namespace

bool wyjasnienie_model_matematyczny_wielomianowy(kb::Context& ctx, std::int32_t numer, const std::string& wynik,
                                                 double wartosc)
{
    const std::optional<kb::ModelWielomianowy> m =
        ctx.db.baza_modeli.model_wielomianowy.first([&](const kb::ModelWielomianowy& x) {
            return x.numer == numer && x.wynik == wynik && x.wyswietlanie == 1 && czyta_sie_jako(x.cf, 1.0);
        });
    if (!m) {
        return ctx.db.baza_modeli.model_wielomianowy.any([&](const kb::ModelWielomianowy& x) {
            return x.numer == numer && x.wynik == wynik && x.wyswietlanie == 0;
        });
    }
    wyczysc_slad(ctx);
    Tekst t;
    const std::string nr = numer_tekstem(m->numer);
    t.rozne("Stosuję model arytmetyczny wielomianowy " + nr + " o postaci:",
            "Stosuję model arytmtyczny  wielomianowy " + nr + " o postaci: ");
    t.oba("dla spełnionego warunku stosowania modelu: ");
    t.oba("    " + m->warunek_stosowania);
    t.rozne("zachodzi ze współczynnikiem CF = 1 ", "zachodzi ze współczynnikiem CF = 1");
    t.oba("    " + wynik + " = ");
    return wynik_wzoru(ctx, t, pisz_model_wielomianowy(t, m->wspolczynniki.strings(), m->zmienna, m->wykladniki), wynik, wartosc,
                       "Wyjaśnienie modelu arytmetycznego wielomianowego");
}

}  // namespace explain
