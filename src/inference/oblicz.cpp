// The value search: its alternatives in order, the question for an argument value, and the
// common steps of applying an arithmetic model of each kind.
#include "inference/oblicz.h"

#include <algorithm>
#include <cmath>

#include "explain/listy_wartosci.h"
#include "inference/blad_obliczen.h"
#include "inference/model_w_ocenie.h"
#include "inference/wartosc_modelu.h"
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

// A relational model's operation: such a model has no value to give.
template <class M>
bool relacyjny(const M& m)
{
    if constexpr (requires { m.operacja; })
        return jest_relacja(m.operacja);
    else
        return false;
}

// The common steps of a model giving the value of `n`: its CF marks it arithmetic, it is not
// already being applied further up (a cycle), its condition holds, neither the value nor the
// model is known yet; then the inputs and the value, the listing, the explanation and the
// records.
template <class M>
bool zastosuj_model(kb::Context& ctx, const std::string& n, const M& m, bool zapis_przed_wyjasnieniem)
{
    if (!cf_arytmetyczny(m.cf) || relacyjny(m)) return false;
    const ModelWOcenie w_ocenie(ctx, m.numer, n);
    if (w_ocenie.cykl()) return false;
    if (!sprawdz(ctx, m.warunek_stosowania)) return false;
    if (kb::wartosc_ustalona(ctx, n) || zastosowany(ctx, m.numer)) return false;
    const Wartosc wartosc = w_modelu(m.numer, n, [&] { return wartosc_modelu(ctx, m); });
    if (!wartosc) return false;
    kb::piszcr(ctx);
    explain::przedstawienie_zmiennych(ctx);
    if (zapis_przed_wyjasnieniem) ctx.db.stan_ladowania.model_stosowany.add_last(m.numer);
    if (!wyjasnij_model(ctx, m, n, *wartosc)) return false;
    if (!zapis_przed_wyjasnieniem) ctx.db.stan_ladowania.model_stosowany.add_last(m.numer);
    kb::ustal_wartosc(ctx, n, *wartosc);
    return true;
}

// The first model of the kind with result `n` that gives its value.
template <class M>
bool pierwszy_model(kb::Context& ctx, const facts::FactList<M>& modele, const std::string& n,
                    bool zapis_przed_wyjasnieniem = false)
{
    bool dal = false;
    modele.each_matching([&](const M& m) { return m.wynik == n; }, [&](const M& m) {
        dal = zastosuj_model(ctx, n, m, zapis_przed_wyjasnieniem);
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
    const kb::BazaModeli& b = ctx.db.baza_modeli;
    if (pierwszy_model(ctx, b.model, n) || pierwszy_model(ctx, b.model_r, n) || pierwszy_model(ctx, b.model_liniowy, n) ||
        pierwszy_model(ctx, b.model_wielomianowy, n, true))
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
