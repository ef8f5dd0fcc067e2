// The entry of a hypothesis's evaluation: the stop rules examined once the rule-number lists
// exist (so a rule applied while settling a stop premise is struck and never counted again),
// the listings of what the bases give, the seeding, then the evaluation of the hypothesis.
#include "inference/ocena_hipotezy.h"

#include "explain/listy_wartosci.h"
#include "inference/etykiety.h"
#include "inference/przedstawienie_faktow.h"
#include "inference/stan_przebiegu.h"
#include "inference/wstecz.h"
#include "inference/wykluczajace.h"
#include "kb/listy.h"
#include "kb/stan_wnioskowania.h"
#include "load/baza_regul_ladowanie.h"
#include "platform/text.h"
#include "platform/toolkit.h"

namespace inference {

namespace {

constexpr const char* kKoniec = "koniec";

// A stop rule takes part when its CF reads as the number 1 ("1", "1.0" and "1.00" alike).
bool regula_stopu(const kb::Regula& r)
{
    if (r.wniosek != kKoniec) return false;
    const std::optional<double> cf = text::text_to_real(r.cf);
    return cf && *cf == 1.0;
}

// The first stop rule whose premise holds with a CF above 0 records the stop and says so.
bool regula_stopu_dziala(kb::Context& ctx)
{
    for (const kb::Regula& r : ctx.db.baza_regul.regula.all()) {
        if (!regula_stopu(r)) continue;
        const std::optional<double> cf = testowanie_listy_warunkow(ctx, r.warunki.strings());
        if (!cf || *cf <= 0.0) continue;
        kb::dodaj_prbd(ctx, r.numer, kKoniec, *cf);
        komunikat_stopu(ctx);
        return true;
    }
    return false;
}

void listy_numerow_regul(kb::Context& ctx)
{
    if (ctx.db.stan_ladowania.lista_numerow_regul_kumulatywnych.empty())
        load::tworz_listy_numerow_regul_kumulatywnych(ctx);
    if (ctx.db.stan_ladowania.lista_numerow_regul_dysjunktywnych.empty())
        load::tworz_listy_numerow_regul_dysjunktywnych(ctx);
}

// Each given fact whose CF reads as a number, unless its name is known already (answered while
// the stop rules were examined): the name and, unless known, its negation with the opposite CF.
// Then each fact still holding its own CF completes its exclusive partners.
void fakty_dane(kb::Context& ctx, const facts::FactList<kb::Fakt>& fakty)
{
    fakty.each([&](const kb::Fakt& f) {
        const std::optional<double> cf = text::text_to_real(f.cf);
        if (!cf || kb::ma_wypadkowa(ctx, f.warunek)) return;
        kb::dodaj_wypadkowa(ctx, f.warunek, *cf);
        const std::string negacja = kb::negacja(f.warunek);
        if (!kb::ma_wypadkowa(ctx, negacja)) kb::dodaj_wypadkowa(ctx, negacja, 0.0 - *cf);
    });
    uzupelnienie_wykluczajacych_faktow(ctx, fakty);
}

}  // namespace

std::optional<double> ocena_hipotezy(kb::Context& ctx, const std::string& hipoteza)
{
    ctx.db.stan_ladowania.cykle_oceny.remove_all();
    ctx.db.stan_ladowania.zbyt_glebokie_oceny.remove_all();
    listy_numerow_regul(ctx);
    if (zrob_koniec(ctx) && regula_stopu_dziala(ctx)) return std::nullopt;
    // Given facts that contradict an exact constraint make inference impossible: the listing
    // has said so, and the test goes no further.
    if (jest_fakt(ctx) && !przedstawienie_faktow_pierwotnych(ctx)) return std::nullopt;
    if (jest_m_fakt(ctx) && !przedstawienie_m_faktow_pierwotnych(ctx)) return std::nullopt;
    if (jest_argument_znany(ctx)) explain::przedstawienie_zmiennych_pierwotnych(ctx);
    return ocena_hipotezy_cd_0(ctx, hipoteza);
}

std::optional<double> ocena_hipotezy_cd_0(kb::Context& ctx, const std::string& hipoteza)
{
    fakty_dane(ctx, ctx.db.baza_regul.fakt);
    fakty_dane(ctx, ctx.db.baza_modeli.m_fakt);
    ctx.db.baza_modeli.argument_znany.each(
        [&](const kb::NazwaWartosc& a) { kb::ustal_wartosc(ctx, a.nazwa, a.wartosc); });
    return ocena_hipotezy_cd(ctx, hipoteza);
}

}  // namespace inference
