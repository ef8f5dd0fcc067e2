// The cumulative and disjunctive resultants of backward inference: the texts of a hypothesis's
// resultant, the step dialog and the record. The folds and the record are those the forward
// engine uses (wypadkowe.h); only the conditions and the texts are backward inference's own.
#include "inference/wstecz_wypadkowe.h"

#include <vector>

#include "explain/ramka.h"
#include "inference/cf.h"
#include "inference/operacje.h"
#include "inference/stan_przebiegu.h"
#include "inference/wypadkowe.h"
#include "kb/listy.h"
#include "kb/pisz.h"
#include "kb/stan_wnioskowania.h"

namespace inference {

namespace {

void linia(kb::Context& ctx, const std::string& tekst)
{
    kb::pisz_tuto(ctx, tekst);
    kb::piszcr(ctx);
}

bool dysjunktywny(const kb::Context& ctx, const std::string& wniosek)
{
    return ctx.db.baza_regul.regula_dysjunktywna.contains(wniosek);
}

void kumulatywna(kb::Context& ctx, const std::string& nazwa, double cf, bool pelny_konflikt)
{
    pisz_wypadkowa(ctx, "Z wszystkich reguł kumulatywnych (z pojedynczej reguły) dla hipotezy:", nazwa, cf);
    pokaz_wypadkowa(ctx,
          pelny_konflikt ? "Z wszystkich reguł kumulatywnych (z pojedynczej reguły) dla hipotezy: "
                         : "Z wszystkich reguł kumulatywnych  (z pojedynczej reguły) dla hipotezy: ",
          nazwa, cf, "Wypadkowe CF wniosku reguł kumulatywnych (pojedynczej reguły)");
}

// Which of the four disjunctive cases answers: of the conclusion itself or of its negation, with
// the premise CFs of one sign or of both.
struct Przypadek {
    bool negacja;
    bool mieszane;
};

void dysjunktywna(kb::Context& ctx, const std::string& nazwa, double cf, Przypadek p)
{
    const std::string wciecie = p.negacja ? "    " : "";
    linia(ctx, wciecie + (p.mieszane && !p.negacja ? "Z wszystkich reguł dysjunktywnych dla hipotezy"
                                                   : "Z wszystkich reguł dysjunktywnych dla hipotezy:"));
    linia(ctx, "    " + nazwa);
    linia(ctx, wciecie + "wynika:");
    kb::pisz_tuto(ctx, "    CF(" + nazwa + (p.mieszane && !p.negacja ? ") =" : ")  = "));
    kb::pisz_tuto_real(ctx, cf);
    kb::piszcr(ctx);
    if (!p.negacja) kb::piszcr(ctx);
    pokaz_wypadkowa(ctx, "Z wszystkich reguł dysjunktywnych dla hipotezy: ", nazwa, cf,
          "Wypadkowe CF wniosku reguł dysjunktywnych ");
}

// The contribution a disjunctive case combines, nullopt when it has none: the largest for the
// conclusion, the least for its negation; with mixed signs, only the rules on the premise side
// that speaks for the evaluated name.
std::optional<double> wklad_dysjunktywny(const kb::Context& ctx, const std::string& nazwa, Przypadek p)
{
    const std::vector<double> wklady = !p.mieszane ? kb::cf_czastkowe(ctx, nazwa)
                                       : p.negacja ? ujemne_cf_warunkow(ctx, nazwa)
                                                   : dodatnie_cf_warunkow(ctx, nazwa);
    return p.negacja ? minimum(wklady) : maksimum(wklady);
}

// The contributions of a cumulative conclusion's rules to the name, newest first. A name and its
// negation share their conclusion's list, so when the evaluation of one broke off after some of
// the rules and the other's applied the rest, the contributions of both count, the other's
// negated: no rule's contribution is lost.
std::vector<double> wklady_kumulatywne(const kb::Context& ctx, const std::string& nazwa)
{
    const std::string negacja = kb::negacja(nazwa);
    if (kb::cf_czastkowe(ctx, negacja).empty()) return kb::cf_czastkowe(ctx, nazwa);
    std::vector<double> wklady;
    ctx.db.stan_ladowania.prbd.each([&](const kb::Prbd& p) {
        if (p.wniosek == nazwa) wklady.push_back(p.cf);
        if (p.wniosek == negacja) wklady.push_back(0.0 - p.cf);
    });
    return wklady;
}

// P and N: the folds of the positive contributions and of the others, 0.0 for none.
double suma(const std::vector<double>& wklady, bool dodatnie)
{
    std::vector<double> wybrane;
    for (double x : wklady)
        if ((x > 0.0) == dodatnie) wybrane.push_back(x);
    return sumuj(wybrane).value_or(0.0);
}

}  // namespace

// Alternatives 10 and 11 (guarded), 12 and 13 (a negated name, not guarded).
std::optional<double> wypadkowa_kumulatywna_wstecz(kb::Context& ctx, const std::string& nazwa)
{
    const bool zanegowana = nazwa.starts_with('n');
    if (!zanegowana && !zrob_koniec(ctx)) return std::nullopt;
    const std::string wniosek = zanegowana ? nazwa.substr(1) : nazwa;
    const std::optional<facts::IList> numery = lista_regul_kumulatywnych(ctx, wniosek);
    if (!numery || !numery->empty() || dysjunktywny(ctx, wniosek)) return std::nullopt;
    if (kb::ma_wypadkowa(ctx, nazwa)) return std::nullopt;
    const std::vector<double> wklady = wklady_kumulatywne(ctx, nazwa);
    const double dodatnie = suma(wklady, true);
    const double ujemne = suma(wklady, false);
    const bool pelny_konflikt = dodatnie * ujemne == -1.0;
    const double cf = wypadkowa_kumulatywna(dodatnie, ujemne);
    kumulatywna(ctx, nazwa, cf, pelny_konflikt);
    pamietaj_wniosek_wypadkowy(ctx, nazwa, cf);
    return cf;
}

// Alternatives 14 to 17.
std::optional<double> wypadkowa_dysjunktywna_wstecz(kb::Context& ctx, const std::string& nazwa)
{
    for (const bool negacja : {false, true}) {
        if (!zrob_koniec(ctx)) return std::nullopt;
        const std::string wniosek = negacja ? kb::negacja(nazwa) : nazwa;
        if (!dysjunktywny(ctx, wniosek)) continue;
        const std::optional<facts::IList> numery = lista_regul_dysjunktywnych(ctx, wniosek);
        if (!numery || !numery->empty()) continue;
        const Przypadek p{negacja, !jednakowe_znaki(ctx, nazwa)};
        const std::optional<double> wklad = wklad_dysjunktywny(ctx, nazwa, p);
        if (!wklad) continue;
        const double cf = zaokraglenie(*wklad);
        dysjunktywna(ctx, nazwa, cf, p);
        pamietaj_wniosek_wypadkowy(ctx, nazwa, cf);
        // The same pair stored again from the other side, with its listing, but for the
        // conclusion itself with premises of both signs.
        if (p.negacja || !p.mieszane) pamietaj_wniosek_wypadkowy(ctx, kb::negacja(nazwa), 0.0 - cf);
        return cf;
    }
    return std::nullopt;
}

}  // namespace inference
