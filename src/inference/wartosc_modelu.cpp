// The inputs and the operation of each arithmetic model kind, in the order the user meets the
// questions; the explanation of each kind by its number.
#include "inference/wartosc_modelu.h"

#include "explain/wyjasnienia_modeli.h"
#include "inference/oblicz.h"
#include "inference/operacje.h"

namespace inference {

std::optional<double> wartosc_modelu(kb::Context& ctx, const kb::Model& m)
{
    const std::optional<double> a = oblicz(ctx, m.argument1);
    if (!a) return std::nullopt;
    const std::optional<double> b = oblicz(ctx, m.argument2);
    if (!b) return std::nullopt;
    return wykonaj(ctx, *a, *b, m.operacja);
}

std::optional<double> wartosc_modelu(kb::Context& ctx, const kb::ModelR& m)
{
    const auto wartosci = wyznacz_liste(ctx, m.argumenty.strings());
    if (!wartosci) return std::nullopt;
    return wykonaj_r(*wartosci, m.operacja);
}

std::optional<double> wartosc_modelu(kb::Context& ctx, const kb::ModelLiniowy& m)
{
    const auto wspolczynniki = wyznacz_liste(ctx, m.wspolczynniki.strings());
    if (!wspolczynniki) return std::nullopt;
    const auto wartosci = wyznacz_liste(ctx, m.zmienne.strings());
    if (!wartosci) return std::nullopt;
    return wykonaj_liniowy(0.0, *wspolczynniki, *wartosci);
}

std::optional<double> wartosc_modelu(kb::Context& ctx, const kb::ModelWielomianowy& m)
{
    const auto wspolczynniki = wyznacz_liste(ctx, m.wspolczynniki.strings());
    if (!wspolczynniki) return std::nullopt;
    const std::vector<double> w_kolejnosci = odwracanie_r(*wspolczynniki);
    const std::optional<double> x = oblicz(ctx, m.zmienna);
    if (!x) return std::nullopt;
    return wykonaj_wielomianowy(0.0, *x, w_kolejnosci, m.wykladniki);
}

bool wyjasnij_model(kb::Context& ctx, const kb::Model& m, const std::string& wynik, double wartosc)
{
    return explain::wyjasnienie_model_matematyczny(ctx, m.numer, wynik, wartosc);
}

bool wyjasnij_model(kb::Context& ctx, const kb::ModelR& m, const std::string& wynik, double wartosc)
{
    return explain::wyjasnienie_model_matematyczny_2(ctx, m.numer, wynik, wartosc);
}

bool wyjasnij_model(kb::Context& ctx, const kb::ModelLiniowy& m, const std::string& wynik, double wartosc)
{
    return explain::wyjasnienie_model_matematyczny_liniowy(ctx, m.numer, wynik, wartosc);
}

bool wyjasnij_model(kb::Context& ctx, const kb::ModelWielomianowy& m, const std::string& wynik, double wartosc)
{
    return explain::wyjasnienie_model_matematyczny_wielomianowy(ctx, m.numer, wynik, wartosc);
}

}  // namespace inference
