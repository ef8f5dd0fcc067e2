// The resultant steps of the forward cycle: a conclusion all of whose rules have been applied
// gets its resultant CF, cumulative or disjunctive, written, shown in the step dialog, stored for
// the name and its negation, and its picture and sound offered. A name that already holds a CF
// under either polarity (a given fact, a completed constraint member) keeps it.
#include <optional>
#include <string>

#include "explain/listy_wartosci.h"
#include "explain/ramka.h"
#include "inference/cf.h"
#include "inference/kroki_w_przod.h"
#include "inference/media_wnioskow.h"
#include "inference/operacje.h"
#include "inference/przedstawienie_faktow.h"
#include "inference/stan_przebiegu.h"
#include "inference/wypadkowe.h"
#include "kb/listy.h"
#include "kb/pisz.h"
#include "kb/stan_wnioskowania.h"

namespace inference {

namespace {

struct Teksty {
    const char* otwarcie;
    const char* naglowek;
};
constexpr Teksty kKumulatywne{"Z wszystkich reguł kumulatywnych (z pojedynczej reguły) dla wniosku: ",
                              "Wypadkowe CF wniosku reguł kumulatywnych (pojedynczej reguły)"};
constexpr Teksty kDysjunktywne{"Z wszystkich reguł dysjunktywnych dla wniosku: ",
                               "Wypadkowe CF wniosku reguł dysjunktywnych "};

// Stores R for W and 0.0 - R for its negation, as two successive stores of a resultant would
// leave them (the negation's record first), each store followed by its listings.
void zapamietaj(kb::Context& ctx, const std::string& w, double r)
{
    kb::dodaj_wypadkowa(ctx, kb::negacja(w), 0.0 - r);
    kb::dodaj_wypadkowa(ctx, w, r);
    for (int i = 0; i < 2; ++i) {
        przedstawienie_faktow(ctx);
        explain::przedstawienie_zmiennych(ctx);
    }
}

void wypadkowa(kb::Context& ctx, PrzebiegWPrzod& p, bool dysjunktywna, const std::string& w, double r)
{
    const Teksty& t = dysjunktywna ? kDysjunktywne : kKumulatywne;
    pisz_wypadkowa(ctx, t.otwarcie, w, r);
    pokaz_wypadkowa(ctx, t.otwarcie, w, r, t.naglowek);

    zapamietaj(ctx, w, r);
    wyswietl_grafike(ctx, w, r);
    przesluchaj_melodie(ctx, w, r);
    p.rozstrzygniety(dysjunktywna, w);
}

// A candidate still waiting for its resultant; one settled under either name leaves for good.
bool czeka_na_wypadkowa(kb::Context& ctx, PrzebiegWPrzod& p, bool dysjunktywna, const std::string& w)
{
    if (p.dysjunktywny(w) != dysjunktywna) return false;
    if (kb::ma_wypadkowa(ctx, w) || kb::ma_wypadkowa(ctx, kb::negacja(w))) {
        p.rozstrzygniety(dysjunktywna, w);
        return false;
    }
    return true;
}

}  // namespace

Krok wypadkowa_kumulatywnych(kb::Context& ctx, PrzebiegWPrzod& p)
{
    if (!zrob_koniec(ctx)) return Krok::nie_dotyczy;
    std::optional<std::string> zero;  // the first with P x N = -1, which takes 0.0 when no other is due
    for (const std::string& w : p.puste(false)) {
        if (!czeka_na_wypadkowa(ctx, p, false, w)) continue;
        const double dodatnie = dodatnie_cf(ctx, w);
        const double ujemne = ujemne_cf(ctx, w);
        if (dodatnie * ujemne != -1.0) {
            wypadkowa(ctx, p, false, w, wypadkowa_kumulatywna(dodatnie, ujemne));
            return Krok::dalej;
        }
        if (!zero) zero = w;
    }
    if (!zero) return Krok::nie_dotyczy;
    wypadkowa(ctx, p, false, *zero, 0.0);
    return Krok::dalej;
}

Krok wypadkowa_dysjunktywnych(kb::Context& ctx, PrzebiegWPrzod& p)
{
    if (!zrob_koniec(ctx)) return Krok::nie_dotyczy;
    const std::vector<std::string> kandydaci = p.puste(true);
    for (const std::string& w : kandydaci) {
        if (!czeka_na_wypadkowa(ctx, p, true, w) || !jednakowe_znaki(ctx, w)) continue;
        if (const std::optional<double> r = maksimum(kb::cf_czastkowe(ctx, w))) {
            wypadkowa(ctx, p, true, w, zaokraglenie(*r));
            return Krok::dalej;
        }
    }
    for (const std::string& w : kandydaci) {
        if (!czeka_na_wypadkowa(ctx, p, true, w) || jednakowe_znaki(ctx, w)) continue;
        if (const std::optional<double> r = maksimum(dodatnie_cf_warunkow(ctx, w))) {
            wypadkowa(ctx, p, true, w, zaokraglenie(*r));
            return Krok::dalej;
        }
    }
    return Krok::nie_dotyczy;
}

}  // namespace inference
