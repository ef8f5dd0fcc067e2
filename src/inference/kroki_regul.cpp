// The rule steps of the forward cycle: the rules concluding "koniec" and the stop they cause,
// the firing of one cumulative or one disjunctive rule, and the skipping of a disjunctive rule
// whose premise and own CF are both not positive. Candidates are taken in file order; a failed
// test passes to the next rule, and what the test asked or recorded stays.
#include <string>

#include "inference/cf.h"
#include "inference/cf_reguly.h"
#include "inference/kroki_w_przod.h"
#include "inference/przedstawienie_faktow.h"
#include "inference/pytaj.h"
#include "inference/stan_przebiegu.h"
#include "inference/wyjasnienie_reguly.h"
#include "kb/listy.h"
#include "kb/stan_wnioskowania.h"
#include "platform/text.h"
#include "platform/toolkit.h"

namespace inference {

namespace {

using Rodzaj = PrzebiegWPrzod::Rodzaj;

constexpr const char* kKoniec = "koniec";
constexpr const char* kStop = "Reguła z wnioskiem 'koniec' o nieujemnym CF kończy wnioskowanie.";

// The premise, or false when the rule cannot pass now (then told whom it waits for).
std::optional<double> przeslanka(kb::Context& ctx, PrzebiegWPrzod& p, Rodzaj rodzaj, std::size_t pozycja)
{
    const Przeslanka w = testuj_warunki(ctx, p, p.reguly()[pozycja].warunki.strings());
    if (w.stan == Przeslanka::Stan::czeka) p.czeka_na(rodzaj, pozycja, w.brak);
    if (w.stan != Przeslanka::Stan::znana) return std::nullopt;
    return w.cf;
}

// The askable name under which an unknown condition is asked, if any.
bool do_zapytania(const PrzebiegWPrzod& p, const std::string& w)
{
    if (p.wynik_modelu(w)) return false;
    return p.dopytywalny(w) || p.zanegowany_dopytywalny(w);
}

}  // namespace

double mini(double a, double b) { return a < b ? a : b; }

Przeslanka testuj_warunki(kb::Context& ctx, const PrzebiegWPrzod& p, const facts::SList& warunki)
{
    Przeslanka wynik;
    for (const std::string& w : warunki) {
        std::optional<double> cf = kb::wypadkowa(ctx, w);
        if (!cf && do_zapytania(p, w)) {
            cf = pytaj(ctx, w);
            if (!cf) return {Przeslanka::Stan::odmowa, 0.0, w};
        }
        if (!cf) return {Przeslanka::Stan::czeka, 0.0, w};
        wynik.cf = mini(wynik.cf, *cf);
    }
    return wynik;
}

void aktualizacja_prbd(kb::Context& ctx, PrzebiegWPrzod& p, std::int32_t numer, const std::string& wniosek,
                       double cf)
{
    if (p.ma_wklad(numer)) kb::usun_prbd_reguly(ctx, numer);
    kb::dodaj_prbd(ctx, numer, wniosek, cf);
    kb::dodaj_prbd(ctx, numer, kb::negacja(wniosek), 0.0 - cf);
    p.wklad(numer);
}

// Every rule concluding "koniec" is examined; each whose contribution is not negative records
// it. Never a step of its own: the stop, if any, follows.
Krok reguly_koniec(kb::Context& ctx, PrzebiegWPrzod& p)
{
    for (auto pozycja = p.nastepna(Rodzaj::koniec, std::nullopt); pozycja;
         pozycja = p.nastepna(Rodzaj::koniec, pozycja)) {
        const kb::Regula& r = p.reguly()[*pozycja];
        if (kb::bez_warunku(r.warunki)) {
            p.odpada(Rodzaj::koniec, *pozycja);
            continue;
        }
        const std::optional<double> warunki = przeslanka(ctx, p, Rodzaj::koniec, *pozycja);
        if (!warunki) continue;
        const double iloczyn = *warunki * wyznacz_cf(ctx, kKoniec, r.cf.str());
        p.skasuj_zastosowane_reguly(r.numer, kKoniec, iloczyn);
        const double czastkowy = zaokraglenie(iloczyn);
        // Its conditions are settled for the rest of the run: the rule would say the same again.
        p.odpada(Rodzaj::koniec, *pozycja);
        if (czastkowy < 0.0) continue;
        aktualizacja_prbd(ctx, p, r.numer, kKoniec, czastkowy);
    }
    return Krok::nie_dotyczy;
}

Krok stop_koniec(kb::Context& ctx)
{
    if (zrob_koniec(ctx)) return Krok::nie_dotyczy;
    ctx.ui.write(kStop);
    ctx.ui.note("Uwaga - koniec!", kStop);
    return Krok::koniec_udany;
}

Krok regula_kumulatywna(kb::Context& ctx, PrzebiegWPrzod& p)
{
    if (!zrob_koniec(ctx)) return Krok::nie_dotyczy;
    for (auto pozycja = p.nastepna(Rodzaj::kumulatywna, std::nullopt); pozycja;
         pozycja = p.nastepna(Rodzaj::kumulatywna, pozycja)) {
        const kb::Regula& r = p.reguly()[*pozycja];
        const std::string wniosek = r.wniosek.str();
        // A rule "bez warunku" fires too: its premise is the resultant 1.0 of that name.
        if (!p.lista_niepusta(false, wniosek)) {
            p.odpada(Rodzaj::kumulatywna, *pozycja);
            continue;
        }
        if (p.zastosowana(*pozycja)) continue;
        const std::optional<double> warunki = przeslanka(ctx, p, Rodzaj::kumulatywna, *pozycja);
        if (!warunki) continue;
        const double iloczyn = *warunki * wyznacz_cf(ctx, wniosek, r.cf.str());
        p.skasuj_zastosowane_reguly(r.numer, wniosek, iloczyn);
        const double czastkowy = zaokraglenie(iloczyn);
        aktualizacja_prbd(ctx, p, r.numer, wniosek, czastkowy);
        if (!p.redukuj(false, r.numer, wniosek)) continue;
        przedstawienie_faktow(ctx);
        if (!wyjasnienie_regula(ctx, r, wniosek, r.warunki.strings(), czastkowy)) continue;
        p.zastosuj(*pozycja);
        return Krok::dalej;
    }
    return Krok::nie_dotyczy;
}

Krok regula_dysjunktywna(kb::Context& ctx, PrzebiegWPrzod& p)
{
    if (!zrob_koniec(ctx)) return Krok::nie_dotyczy;
    for (auto pozycja = p.nastepna(Rodzaj::dysjunktywna, std::nullopt); pozycja;
         pozycja = p.nastepna(Rodzaj::dysjunktywna, pozycja)) {
        const kb::Regula& r = p.reguly()[*pozycja];
        const std::string wniosek = r.wniosek.str();
        if (p.zastosowana(*pozycja)) continue;
        if (!p.lista_niepusta(true, wniosek)) {
            p.odpada(Rodzaj::dysjunktywna, *pozycja);
            continue;
        }
        const std::optional<double> warunki = przeslanka(ctx, p, Rodzaj::dysjunktywna, *pozycja);
        if (!warunki) continue;
        const double cf_reguly = wyznacz_cf(ctx, wniosek, r.cf.str());
        if (oba_cf_ujemne(*warunki, cf_reguly)) continue;  // skipped by the next alternative
        const double czastkowy = zaokraglenie(*warunki * cf_reguly);
        aktualizacja_prbd(ctx, p, r.numer, wniosek, czastkowy);
        kb::dodaj_dysjunkt(ctx, {wniosek, *warunki, czastkowy});
        if (!p.redukuj(true, r.numer, wniosek)) continue;
        przedstawienie_faktow(ctx);
        if (!wyjasnienie_regula(ctx, r, wniosek, r.warunki.strings(), czastkowy)) continue;
        p.zastosuj(*pozycja);
        return Krok::dalej;
    }
    return Krok::nie_dotyczy;
}

Krok pominiecie_dysjunktywnej(kb::Context& ctx, PrzebiegWPrzod& p)
{
    if (!zrob_koniec(ctx)) return Krok::nie_dotyczy;
    for (auto pozycja = p.nastepna(Rodzaj::dysjunktywna, std::nullopt); pozycja;
         pozycja = p.nastepna(Rodzaj::dysjunktywna, pozycja)) {
        const kb::Regula& r = p.reguly()[*pozycja];
        const std::string wniosek = r.wniosek.str();
        if (p.zastosowana(*pozycja) || !p.lista_niepusta(true, wniosek)) continue;
        const std::optional<double> warunki = przeslanka(ctx, p, Rodzaj::dysjunktywna, *pozycja);
        if (!warunki) continue;
        const std::optional<double> cf_reguly = text::text_to_real(r.cf.view());
        if (!cf_reguly || !oba_cf_ujemne(*warunki, *cf_reguly)) continue;
        if (!p.redukuj(true, r.numer, wniosek)) continue;
        przedstawienie_faktow(ctx);
        if (!wyjasnienie_regula_dysjunktywna_pomijana(ctx, r, *warunki)) continue;
        p.zastosuj(*pozycja);
        return Krok::dalej;
    }
    return Krok::nie_dotyczy;
}

}  // namespace inference
