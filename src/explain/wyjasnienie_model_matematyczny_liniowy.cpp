// The explanation of an applied linear model: its terms as the model writes them (coefficient
// times variable) and the value it is given, nothing for a silent model, a refusal for any other
// display flag. It computes nothing.
#include <algorithm>
#include <optional>

#include "explain/ramka.h"
#include "explain/wiersze.h"
#include "explain/wyjasnienia_modeli.h"

namespace explain {

namespace {

// One line per term, all but the last ending in " + ". Lists of different lengths (which no
// evaluated model has) stop before the term that has no partner's successor, and fail.
bool pisz_model_liniowy(Tekst& t, const facts::SList& wspolczynniki, const facts::SList& zmienne)
{
    // No terms: the model's value is 0, and that is explained with a formula of no lines.
    if (wspolczynniki.empty() && zmienne.empty()) return true;
    const std::size_t n = std::min(wspolczynniki.size(), zmienne.size());
    for (std::size_t i = 0; i + 1 < n; ++i) t.oba("      " + wspolczynniki[i] + " * " + zmienne[i] + " + ");
    if (wspolczynniki.size() != zmienne.size()) return false;
    t.oba("      " + wspolczynniki.back() + " * " + zmienne.back());
    return true;
}

}  // namespace

bool wyjasnienie_model_matematyczny_liniowy(kb::Context& ctx, std::int32_t numer, const std::string& wynik,
                                            double wartosc)
{
    const std::optional<kb::ModelLiniowy> m = ctx.db.baza_modeli.model_liniowy.first([&](const kb::ModelLiniowy& x) {
        return x.numer == numer && x.wynik == wynik && x.wyswietlanie == 1 && czyta_sie_jako(x.cf, 1.0);
    });
    if (!m) {
        return ctx.db.baza_modeli.model_liniowy.any([&](const kb::ModelLiniowy& x) {
            return x.numer == numer && x.wynik == wynik && x.wyswietlanie == 0;
        });
    }
    wyczysc_slad(ctx);
    Tekst t;
    t.oba("Stosuję model arytmetyczny liniowy " + numer_tekstem(m->numer) + " o postaci:");
    t.oba("dla spełnionego warunku stosowania modelu: ");
    t.oba("    " + m->warunek_stosowania);
    t.oba("zachodzi z współczynnikiem CF = 1");
    t.oba("    " + wynik + " = ");
    return wynik_wzoru(ctx, t, pisz_model_liniowy(t, m->wspolczynniki.strings(), m->zmienne.strings()), wynik, wartosc,
                       "Wyjaśnienie modelu arytmetycznego liniowego");
}

}  // namespace explain
