// The forward run: its preparation, its seeding and its cycle. Each cycle tries the alternatives
// in their fixed order and takes the first step that applies; the next cycle starts again from
// the first. A loop, not a recursion, so a run of any length needs no growing stack.
#include "inference/wnioskowanie.h"

#include <string>

#include "explain/listy_wartosci.h"
#include "inference/blad_obliczen.h"
#include "inference/etykiety.h"
#include "inference/kroki_w_przod.h"
#include "inference/przebieg_w_przod.h"
#include "inference/przedstawienie_faktow.h"
#include "inference/wykluczajace.h"
#include "kb/stan_wnioskowania.h"
#include "load/baza_regul_ladowanie.h"
#include "platform/text.h"

namespace inference {

namespace {

// One cycle: the first alternative that does something.
Krok cykl(kb::Context& ctx, PrzebiegWPrzod& p)
{
    reguly_koniec(ctx, p);
    if (Krok k = stop_koniec(ctx); k != Krok::nie_dotyczy) return k;
    if (Krok k = regula_kumulatywna(ctx, p); k != Krok::nie_dotyczy) return k;
    if (Krok k = regula_dysjunktywna(ctx, p); k != Krok::nie_dotyczy) return k;
    if (Krok k = pominiecie_dysjunktywnej(ctx, p); k != Krok::nie_dotyczy) return k;
    if (Krok k = wypadkowa_kumulatywnych(ctx, p); k != Krok::nie_dotyczy) return k;
    if (Krok k = wypadkowa_dysjunktywnych(ctx, p); k != Krok::nie_dotyczy) return k;
    if (Krok k = modele_arytmetyczne(ctx); k != Krok::nie_dotyczy) return k;
    if (Krok k = modele_relacyjne(ctx); k != Krok::nie_dotyczy) return k;
    return koniec_wnioskowania(ctx);
}

// The given facts of one base: each CF text that reads as a number becomes the name's
// resultant unless the name has one; then each fact holding its own CF completes its partners.
void fakty_dane(kb::Context& ctx, const facts::FactList<kb::Fakt>& fakty)
{
    fakty.each([&](const kb::Fakt& f) {
        const std::optional<double> cf = text::text_to_real(f.cf);
        if (cf && !kb::ma_wypadkowa(ctx, f.warunek)) kb::dodaj_wypadkowa(ctx, f.warunek, *cf);
    });
    uzupelnienie_wykluczajacych_faktow(ctx, fakty);
}

}  // namespace

bool wnioskowanie_cd(kb::Context& ctx)
{
    return pod_pulapka_obliczen(ctx, [&] {
        PrzebiegWPrzod p(ctx);
        for (;;) {
            const std::size_t przed = p.postep();
            const Krok k = cykl(ctx, p);
            if (k == Krok::koniec_udany) return true;
            if (k != Krok::dalej) return false;
            // A step that changed nothing would be taken again and again: the run ends instead.
            if (p.postep() == przed) return koniec_wnioskowania(ctx) == Krok::koniec_udany;
        }
    });
}

bool wnioskowanie_cd_0(kb::Context& ctx)
{
    fakty_dane(ctx, ctx.db.baza_regul.fakt);
    ctx.db.baza_modeli.argument_znany.each(
        [&](const kb::NazwaWartosc& a) { kb::ustal_wartosc(ctx, a.nazwa, a.wartosc); });
    fakty_dane(ctx, ctx.db.baza_modeli.m_fakt);
    return wnioskowanie_cd(ctx);
}

bool wnioskowanie(kb::Context& ctx)
{
    if (ctx.db.stan_ladowania.lista_numerow_regul_kumulatywnych.empty())
        load::tworz_listy_numerow_regul_kumulatywnych(ctx);
    if (ctx.db.stan_ladowania.lista_numerow_regul_dysjunktywnych.empty())
        load::tworz_listy_numerow_regul_dysjunktywnych(ctx);
    // Given facts that contradict an exact constraint make inference impossible: the listing
    // has said so, and the run does not start.
    if (jest_fakt(ctx) && !przedstawienie_faktow_pierwotnych(ctx)) return false;
    if (jest_m_fakt(ctx) && !przedstawienie_m_faktow_pierwotnych(ctx)) return false;
    if (jest_argument_znany(ctx)) explain::przedstawienie_zmiennych_pierwotnych(ctx);
    return wnioskowanie_cd_0(ctx);
}

}  // namespace inference
