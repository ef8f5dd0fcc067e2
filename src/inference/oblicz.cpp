// The value search: its alternatives in order, the question for an argument value, and the
// common steps of applying an arithmetic model of each kind.
#include "inference/oblicz.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "explain/listy_wartosci.h"
#include "explain/wyjasnienia_modeli.h"
#include "inference/blad_obliczen.h"
#include "inference/operacje.h"
#include "inference/sprawdz.h"
#include "kb/pisz.h"
#include "kb/stan_wnioskowania.h"
#include "kb/widoki_modeli.h"
#include "kb/zmienne_modeli.h"
#include "platform/text.h"
#include "platform/toolkit.h"
#include "windows/dialogi_wartosci.h"

namespace inference {

namespace {

using Wartosc = std::optional<double>;

bool jest_wynikiem_modelu(const kb::Context& ctx, const std::string& n)
{
    const kb::BazaModeli& m = ctx.db.baza_modeli;
    return m.model.any([&](const kb::Model& x) { return x.wynik == n; }) ||
           m.model_r.any([&](const kb::ModelR& x) { return x.wynik == n; }) ||
           m.model_liniowy.any([&](const kb::ModelLiniowy& x) { return x.wynik == n; }) ||
           m.model_wielomianowy.any([&](const kb::ModelWielomianowy& x) { return x.wynik == n; });
}

bool jest_relacja(const std::string& op) { return kb::jest_relacja(op) || kb::jest_relacja_przedzialowa(op); }

// Asks the user for the value of an argument until a number comes, or the dialog closes without
// one (nullopt).
Wartosc zapytaj_o_wartosc(kb::Context& ctx, const std::string& n)
{
    kb::pisz_tuto(ctx, "Określ wartość argumentu: " + n);
    kb::piszcr(ctx);
    kb::Dane& d = ctx.db.dane;
    for (;;) {
        d.dane_arg_nazwa.set(n);
        d.dane_arg_wartosc.remove_all();
        windows::okresl_wartosc_argumentu(ctx);
        const std::optional<std::string> tekst = d.dane_arg_wartosc.first();
        if (!tekst) return std::nullopt;
        const std::optional<double> v = text::text_to_real(*tekst);
        if (!v || !std::isfinite(*v)) {
            d.dane_arg_wartosc.remove_all();
            ctx.ui.note("Uwaga!", "Wartość argumentu " + n +
                                      " musi być liczbą, np. 2.5 (z kropką dziesiętną).\nWpisz ją jeszcze raz.");
            continue;
        }
        d.dane_arg_nazwa.remove_all();
        d.dane_arg_wartosc.remove_all();
        kb::pisz_tuto(ctx, n + "=");
        kb::pisz_tuto_real(ctx, *v);
        kb::piszcr(ctx);
        kb::piszcr(ctx);
        kb::ustal_wartosc(ctx, n, *v);
        d.dane_str.add_last(n + "=" + *tekst);
        return v;
    }
}

bool zastosowany(const kb::Context& ctx, std::int32_t numer)
{
    return ctx.db.stan_ladowania.model_stosowany.contains(numer);
}

using Wyjasnienie = bool (*)(kb::Context&, std::int32_t, const std::string&, double);

// The common steps of a model with number `numer` giving the value of `n`: its CF marks it
// arithmetic, its condition holds, neither the value nor the model is known yet; then the
// inputs and the value (`oblicz_wartosc`), the listing, the explanation and the records.
bool zastosuj_model(kb::Context& ctx, const std::string& n, std::int32_t numer, const std::string& cf,
                    const std::string& warunek, bool relacyjny, const std::function<Wartosc()>& oblicz_wartosc,
                    Wyjasnienie wyjasnienie, bool zapis_przed_wyjasnieniem)
{
    if (!cf_arytmetyczny(cf) || relacyjny) return false;
    if (!sprawdz(ctx, warunek)) return false;
    if (kb::wartosc_ustalona(ctx, n) || zastosowany(ctx, numer)) return false;
    const Wartosc wartosc = w_modelu(numer, n, oblicz_wartosc);
    if (!wartosc) return false;
    kb::piszcr(ctx);
    explain::przedstawienie_zmiennych(ctx);
    if (zapis_przed_wyjasnieniem) ctx.db.stan_ladowania.model_stosowany.add_last(numer);
    if (!wyjasnienie(ctx, numer, n, *wartosc)) return false;
    if (!zapis_przed_wyjasnieniem) ctx.db.stan_ladowania.model_stosowany.add_last(numer);
    kb::ustal_wartosc(ctx, n, *wartosc);
    return true;
}

bool model_podstawowy(kb::Context& ctx, const std::string& n)
{
    bool dal = false;
    ctx.db.baza_modeli.model.each_matching([&](const kb::Model& m) { return m.wynik == n; }, [&](const kb::Model& m) {
        dal = zastosuj_model(ctx, n, m.numer, m.cf, m.warunek_stosowania, jest_relacja(m.operacja),
                             [&]() -> Wartosc {
                                 const Wartosc a = oblicz(ctx, m.argument1);
                                 if (!a) return std::nullopt;
                                 const Wartosc b = oblicz(ctx, m.argument2);
                                 if (!b) return std::nullopt;
                                 return wykonaj(ctx, *a, *b, m.operacja);
                             },
                             explain::wyjasnienie_model_matematyczny, false);
        return dal;
    });
    return dal;
}

bool model_rozwiniety(kb::Context& ctx, const std::string& n)
{
    bool dal = false;
    ctx.db.baza_modeli.model_r.each_matching([&](const kb::ModelR& m) { return m.wynik == n; }, [&](const kb::ModelR& m) {
        dal = zastosuj_model(ctx, n, m.numer, m.cf, m.warunek_stosowania, jest_relacja(m.operacja),
                             [&]() -> Wartosc {
                                 const auto wartosci = wyznacz_liste(ctx, m.argumenty);
                                 if (!wartosci) return std::nullopt;
                                 return wykonaj_r(*wartosci, m.operacja);
                             },
                             explain::wyjasnienie_model_matematyczny_2, false);
        return dal;
    });
    return dal;
}

bool model_liniowy(kb::Context& ctx, const std::string& n)
{
    bool dal = false;
    ctx.db.baza_modeli.model_liniowy.each_matching(
        [&](const kb::ModelLiniowy& m) { return m.wynik == n; },
        [&](const kb::ModelLiniowy& m) {
            dal = zastosuj_model(ctx, n, m.numer, m.cf, m.warunek_stosowania, false,
                                 [&]() -> Wartosc {
                                     const auto k = wyznacz_liste(ctx, m.wspolczynniki);
                                     if (!k) return std::nullopt;
                                     const auto v = wyznacz_liste(ctx, m.zmienne);
                                     if (!v) return std::nullopt;
                                     return wykonaj_liniowy(0.0, *k, *v);
                                 },
                                 explain::wyjasnienie_model_matematyczny_liniowy, false);
            return dal;
        });
    return dal;
}

bool model_wielomianowy(kb::Context& ctx, const std::string& n)
{
    bool dal = false;
    ctx.db.baza_modeli.model_wielomianowy.each_matching(
        [&](const kb::ModelWielomianowy& m) { return m.wynik == n; },
        [&](const kb::ModelWielomianowy& m) {
            dal = zastosuj_model(ctx, n, m.numer, m.cf, m.warunek_stosowania, false,
                                 [&]() -> Wartosc {
                                     const auto k = wyznacz_liste(ctx, m.wspolczynniki);
                                     if (!k) return std::nullopt;
                                     const std::vector<double> w_kolejnosci = odwracanie_r(*k);
                                     const Wartosc x = oblicz(ctx, m.zmienna);
                                     if (!x) return std::nullopt;
                                     return wykonaj_wielomianowy(0.0, *x, w_kolejnosci, m.wykladniki);
                                 },
                                 explain::wyjasnienie_model_matematyczny_wielomianowy, true);
            return dal;
        });
    return dal;
}

}  // namespace

bool cf_arytmetyczny(const std::string& cf)
{
    const std::optional<double> v = text::text_to_real(cf);
    return v && *v == 1.0;
}

std::optional<double> oblicz(kb::Context& ctx, const std::string& n)
{
    const bool wynik_modelu = jest_wynikiem_modelu(ctx, n);
    if (!wynik_modelu && !kb::wartosc_ustalona(ctx, n)) {
        if (kb::jest_stala_liczbowa(n)) {
            const double liczba = *text::text_to_real(n);
            kb::ustal_wartosc(ctx, n, liczba);
            return liczba;
        }
        return zapytaj_o_wartosc(ctx, n);
    }
    if (const std::optional<double> v = kb::wartosc_ustalona(ctx, n)) return v;
    if (model_podstawowy(ctx, n) || model_rozwiniety(ctx, n) || model_liniowy(ctx, n) || model_wielomianowy(ctx, n))
        return kb::wartosc_ustalona(ctx, n);
    return std::nullopt;
}

std::optional<std::vector<double>> wyznacz_liste(kb::Context& ctx, const facts::SList& nazwy)
{
    std::vector<double> wartosci;
    for (const std::string& n : nazwy) {
        const std::optional<double> v = oblicz(ctx, n);
        if (!v) return std::nullopt;
        wartosci.insert(wartosci.begin(), *v);
    }
    return wartosci;
}

std::vector<double> odwracanie_r(const std::vector<double>& lista) { return {lista.rbegin(), lista.rend()}; }

}  // namespace inference
