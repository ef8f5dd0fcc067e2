// The folds and resultants over the run's contributions, and the storing of resultants.
#include "inference/wypadkowe.h"

#include "explain/listy_wartosci.h"
#include "explain/ramka.h"
#include "inference/cf.h"
#include "inference/operacje.h"
#include "inference/przedstawienie_faktow.h"
#include "kb/listy.h"
#include "kb/pisz.h"
#include "kb/stan_wnioskowania.h"

namespace inference {

namespace {

template <class Keep>
std::vector<double> czastkowe_gdzie(const kb::Context& ctx, std::string_view wniosek, Keep keep)
{
    std::vector<double> out;
    for (double x : kb::cf_czastkowe(ctx, wniosek))
        if (keep(x)) out.push_back(x);
    return out;
}

template <class Keep>
std::vector<double> czastkowe_warunkow(const kb::Context& ctx, std::string_view wniosek, Keep keep_warunki)
{
    const std::vector<kb::Dysjunkt> fired = kb::dysjunkty(ctx, wniosek);
    std::vector<double> out;
    for (double x : kb::cf_czastkowe(ctx, wniosek))
        for (const kb::Dysjunkt& d : fired)
            if (d.cf == x && keep_warunki(d.cf_warunkow)) out.push_back(x);
    return out;
}

}  // namespace

std::vector<double> prbd_dodatnie(const kb::Context& ctx, std::string_view wniosek)
{
    return czastkowe_gdzie(ctx, wniosek, [](double x) { return x > 0.0; });
}

std::vector<double> prbd_ujemne(const kb::Context& ctx, std::string_view wniosek)
{
    return czastkowe_gdzie(ctx, wniosek, [](double x) { return x <= 0.0; });
}

double dodatnie_cf(const kb::Context& ctx, std::string_view wniosek)
{
    return sumuj(prbd_dodatnie(ctx, wniosek)).value_or(0.0);
}

double ujemne_cf(const kb::Context& ctx, std::string_view wniosek)
{
    return sumuj(prbd_ujemne(ctx, wniosek)).value_or(0.0);
}

std::vector<double> dodatnie_cf_warunkow(const kb::Context& ctx, std::string_view wniosek)
{
    return czastkowe_warunkow(ctx, wniosek, [](double w) { return w > 0.0; });
}

std::vector<double> ujemne_cf_warunkow(const kb::Context& ctx, std::string_view wniosek)
{
    return czastkowe_warunkow(ctx, wniosek, [](double w) { return w <= 0.0; });
}

bool jednakowe_znaki(const kb::Context& ctx, std::string_view wniosek)
{
    std::vector<double> warunki;
    for (const kb::Dysjunkt& d : kb::dysjunkty(ctx, wniosek)) warunki.push_back(d.cf_warunkow);
    return wszystkie_dodatnie(warunki) || wszystkie_ujemne(warunki);
}

std::optional<double> wypadkowa_dysjunktywna(const kb::Context& ctx, std::string_view wniosek)
{
    const std::optional<double> najwieksza = jednakowe_znaki(ctx, wniosek)
                                                 ? maksimum(kb::cf_czastkowe(ctx, wniosek))
                                                 : maksimum(dodatnie_cf_warunkow(ctx, wniosek));
    if (!najwieksza) return std::nullopt;
    return zaokraglenie(*najwieksza);
}

void pamietaj_wniosek_wypadkowy(kb::Context& ctx, const std::string& nazwa, double x)
{
    const std::string negacja = kb::negacja(nazwa);
    if (kb::ma_wypadkowa(ctx, nazwa)) {
        kb::usun_pierwsza_wypadkowa(ctx, nazwa);
        kb::dodaj_wypadkowa(ctx, nazwa, x);
        // A name recorded alone (a completed constraint member) has no negation to replace yet:
        // its record is simply added.
        kb::usun_pierwsza_wypadkowa(ctx, negacja);
        kb::dodaj_wypadkowa(ctx, negacja, 0.0 - x);
    } else {
        kb::dodaj_wypadkowa(ctx, nazwa, x);
        kb::dodaj_wypadkowa(ctx, negacja, 0.0 - x);
    }
    przedstawienie_faktow(ctx);
    explain::przedstawienie_zmiennych(ctx);
}

void zapisz_warunek(kb::Context& ctx, const std::string& nazwa, double v)
{
    kb::dodaj_wypadkowa(ctx, nazwa, v);
    kb::dodaj_wypadkowa(ctx, kb::negacja(nazwa), 0.0 - v);
}

void pisz_wypadkowa(kb::Context& ctx, const std::string& otwarcie, const std::string& nazwa, double cf)
{
    for (const std::string& w : {otwarcie, "    " + nazwa, std::string("wynika:")}) {
        kb::pisz_tuto(ctx, w);
        kb::piszcr(ctx);
    }
    kb::pisz_tuto(ctx, "    " + nazwa + "(");
    kb::pisz_tuto_real(ctx, cf);
    kb::pisz_tuto(ctx, ")");
    kb::piszcr(ctx);
    kb::piszcr(ctx);
}

void pokaz_wypadkowa(kb::Context& ctx, const std::string& otwarcie, const std::string& nazwa, double cf,
                     const std::string& naglowek)
{
    explain::wyczysc_slad(ctx);
    explain::dodaj_linie_sladu(ctx, otwarcie);
    explain::dodaj_linie_sladu(ctx, "    " + nazwa);
    explain::dodaj_linie_sladu(ctx, "wynika: ");
    explain::dodaj_linie_sladu(ctx, "    " + nazwa + "(" + explain::sprv(cf) + ")");
    explain::ustaw_naglowek(ctx, naglowek);
    explain::pokaz_slad(ctx);
}

}  // namespace inference
