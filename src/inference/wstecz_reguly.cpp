// Backward inference over the rules of a name: every rule concluding it (for a negated name, the
// rules of the name it negates) is applied once, in rule-base order, its number struck from its
// conclusion's list before its contribution is recorded, so that no contribution counts twice;
// once the list is empty the contributions give the name's resultant (wstecz_wypadkowe.cpp).
// A stop recorded meanwhile ends the work on the remaining rules.
#include "inference/wstecz_reguly.h"

#include <cstdint>
#include <vector>

#include "inference/cf.h"
#include "inference/cf_reguly.h"
#include "inference/przedstawienie_faktow.h"
#include "inference/stan_przebiegu.h"
#include "inference/wstecz.h"
#include "inference/wstecz_wypadkowe.h"
#include "inference/wyjasnienie_reguly.h"
#include "kb/listy.h"
#include "kb/stan_wnioskowania.h"

namespace inference {

namespace {

bool dysjunktywny(const kb::Context& ctx, const std::string& wniosek)
{
    return ctx.db.baza_regul.regula_dysjunktywna.contains(wniosek);
}

std::vector<kb::Regula> reguly_wniosku(const kb::Context& ctx, const std::string& wniosek)
{
    return ctx.db.baza_regul.regula.collect([&](const kb::Regula& r) { return r.wniosek == wniosek; });
}

bool w_liscie(const std::optional<facts::IList>& numery, std::int32_t numer)
{
    return numery && kb::element(numer, *numery);
}

// A disjunctive rule's contribution to the negated conclusion carries the negated number; the
// arithmetic is done wide so that no number overflows.
std::int32_t numer_negacji(std::int32_t numer)
{
    return static_cast<std::int32_t>(0 - static_cast<std::int64_t>(numer));
}

// Premise CF and rule CF of one rule, the premise evaluated first. nullopt when the premise
// yields none: the rule is left, its number stays, and it is tried again the next time.
struct Cf {
    double warunkow;
    double reguly;
};
std::optional<Cf> cf_reguly(kb::Context& ctx, const kb::Regula& r)
{
    const std::optional<double> warunki = testowanie_listy_warunkow(ctx, r.warunki.strings());
    if (!warunki) return std::nullopt;
    return Cf{*warunki, wyznacz_cf(ctx, r.wniosek.str(), r.cf.str())};
}

// What the user sees of an applied rule: the known facts, the hypothesis message and, when that
// could be given, the rule's explanation with the contribution to the evaluated name.
void pokaz_zastosowanie(kb::Context& ctx, const kb::Regula& r, const std::string& nazwa, double wklad)
{
    przedstawienie_faktow(ctx);
    if (komunikat(ctx, nazwa)) wyjasnienie_regula(ctx, r, nazwa, r.warunki.strings(), wklad);
}

// A conclusion without a list ("koniec") still has each of its rules counted once: a rule whose
// contribution stands is not applied again.
bool bez_listy_do_zastosowania(const kb::Context& ctx, const std::string& wniosek, std::int32_t numer)
{
    return !ctx.db.stan_ladowania.prbd.any(
        [&](const kb::Prbd& p) { return p.numer == numer && p.wniosek == wniosek; });
}

// Alternatives 4 (a plain name) and 5 (a negated one, the contribution negated).
void reguly_kumulatywne(kb::Context& ctx, const std::string& nazwa, const std::string& wniosek)
{
    if (!zrob_koniec(ctx) || dysjunktywny(ctx, wniosek)) return;
    const bool zanegowana = nazwa != wniosek;
    for (const kb::Regula& r : reguly_wniosku(ctx, wniosek)) {
        if (!zrob_koniec(ctx)) return;
        if (kb::bez_warunku(r.warunki)) continue;
        const std::optional<facts::IList> numery = lista_regul_kumulatywnych(ctx, wniosek);
        const bool ma_liste = numery.has_value();
        if (ma_liste ? !w_liscie(numery, r.numer)
                     : zanegowana || !bez_listy_do_zastosowania(ctx, wniosek, r.numer))
            continue;
        const std::optional<Cf> cf = cf_reguly(ctx, r);
        if (!zrob_koniec(ctx)) return;
        if (!cf) continue;
        const double czastkowy = zaokraglenie(cf->reguly * cf->warunkow);
        if (ma_liste && !redukuj_liste_regul_kumulatywnych(ctx, r.numer, wniosek)) continue;
        const double wklad = zanegowana ? 0.0 - czastkowy : czastkowy;
        kb::dodaj_prbd_na_poczatku(ctx, r.numer, nazwa, wklad);
        if (ma_liste) pokaz_zastosowanie(ctx, r, nazwa, wklad);
    }
}

// Alternatives 6 and 7 (a plain name), 8 and 9 (a negated one): every applied rule first, then
// every skipped one, each group in rule-base order; the skipped ones with the premise CFs the
// first pass found.
void reguly_dysjunktywne(kb::Context& ctx, const std::string& nazwa, const std::string& wniosek)
{
    if (!zrob_koniec(ctx) || !dysjunktywny(ctx, wniosek)) return;
    struct Pominieta {
        kb::Regula regula;
        double cf_warunkow;
    };
    std::vector<Pominieta> pominiete;
    for (const kb::Regula& r : reguly_wniosku(ctx, wniosek)) {
        if (!zrob_koniec(ctx)) return;
        if (!w_liscie(lista_regul_dysjunktywnych(ctx, wniosek), r.numer)) continue;
        const std::optional<Cf> cf = cf_reguly(ctx, r);
        if (!zrob_koniec(ctx)) return;
        if (!cf) continue;
        if (oba_cf_ujemne(cf->warunkow, cf->reguly)) {
            pominiete.push_back({r, cf->warunkow});
            continue;
        }
        if (!redukuj_liste_regul_dysjunktywnych(ctx, r.numer, wniosek)) continue;
        const double czastkowy = zaokraglenie(cf->reguly * cf->warunkow);
        kb::dodaj_prbd_na_poczatku(ctx, r.numer, wniosek, czastkowy);
        kb::dodaj_prbd_na_poczatku(ctx, numer_negacji(r.numer), kb::negacja(wniosek), 0.0 - czastkowy);
        // Recorded for both names, as the contributions are: whichever name finishes the list
        // sees every fired rule's premise.
        kb::dodaj_dysjunkt(ctx, {wniosek, cf->warunkow, czastkowy});
        kb::dodaj_dysjunkt(ctx, {kb::negacja(wniosek), 0.0 - cf->warunkow, 0.0 - czastkowy});
        pokaz_zastosowanie(ctx, r, nazwa, nazwa == wniosek ? czastkowy : 0.0 - czastkowy);
    }
    for (const Pominieta& p : pominiete) {
        if (!zrob_koniec(ctx)) return;
        if (!redukuj_liste_regul_dysjunktywnych(ctx, p.regula.numer, wniosek)) continue;
        przedstawienie_faktow(ctx);
        wyjasnienie_regula_dysjunktywna_pomijana(ctx, p.regula, p.cf_warunkow);
    }
}

}  // namespace

std::optional<double> alternatywy_regul(kb::Context& ctx, const std::string& nazwa)
{
    // A negated name has no rules of its own: those of the name it negates serve it, and a rule
    // whose own conclusion begins with "n" is never applied.
    const bool zanegowana = nazwa.starts_with('n');
    const std::string wniosek = zanegowana ? nazwa.substr(1) : nazwa;
    if (!wniosek.starts_with('n')) {
        reguly_kumulatywne(ctx, nazwa, wniosek);
        reguly_dysjunktywne(ctx, nazwa, wniosek);
    }
    if (std::optional<double> cf = wypadkowa_kumulatywna_wstecz(ctx, nazwa)) return cf;
    return wypadkowa_dysjunktywna_wstecz(ctx, nazwa);
}

}  // namespace inference
