// The retract-all wrappers of the rule base and forgetting it as a unit. Removes facts only;
// it shows nothing and computes nothing.
#include "kb/baza_regul.h"

#include <string_view>

#include "kb/dopytywalne.h"
#include "kb/zaimportowane.h"

namespace kb {

namespace {

// What the rule-base diagnoses and the analyses of its rules recorded: they describe this rule
// base only, and a later base must not inherit them (the external contradiction flag would
// keep refusing the other loads).
void forget_rule_findings(Context& ctx)
{
    WynikiDiagnoz& w = ctx.db.wyniki_diagnoz;
    w.sprzecznosc_1z.remove_all();
    w.reguly_sprzeczne.remove_all();
    w.sprzecznosc_1w.remove_all();
    w.sprzecznosc_1_w.remove_all();
    w.regula_splaszczona_1w.remove_all();
    w.regula_splaszczona.remove_all();
    w.jest_nadmiar.remove_all();
    w.reguly_nadmiarowe_n1.remove_all();
    w.para_splaszczona_n1.remove_all();
    w.nr_wniosek.remove_all();
    w.regula_do_testowania.remove_all();
    w.regula_do_generowania_prawdy.remove_all();
    w.wykluczenie_do_jednego.remove_all();
    w.wykluczenie_do_zadnego.remove_all();
    w.wykluczenie.remove_all();
}

}  // namespace

void kasowanie_dopytywalnych_dla_wyswietlania(Context& ctx)
{
    ctx.db.stan.lista_wszystkich_dopytywalnych_dla_wyswietlania.remove_all();
}
void kasowanie_dregula(Context& ctx) { ctx.db.baza_regul.regula.remove_all(); }
void kasowanie_fakt(Context& ctx) { ctx.db.baza_regul.fakt.remove_all(); }
void kasowanie_listy_warunkow(Context& ctx) { ctx.db.stan.lista_warunkow.remove_all(); }
void kasowanie_listy_warunkow_i_argumentow_dopytywalnych(Context& ctx)
{
    ctx.db.stan.lista_warunkow_i_argumentow_dopytywalnych.remove_all();
}
void kasowanie_listy_wnioskow_regul(Context& ctx) { ctx.db.stan.lista_wnioskow_regul.remove_all(); }
void kasowanie_nazwy_re(Context& ctx)
{
    ctx.db.stan.nazwa_re.remove_all();
    ctx.db.stan.nazwa_re_pelna.remove_all();
}

void forget_rule_base(Context& ctx)
{
    ctx.db.baza_regul.visit([](std::string_view, auto& facts) { facts.remove_all(); });
    kasowanie_nazwy_re(ctx);
    kasowanie_dopytywalny(ctx);
    kasowanie_dopytywalnych_dla_wyswietlania(ctx);
    kasowanie_listy_warunkow(ctx);
    kasowanie_listy_warunkow_i_argumentow_dopytywalnych(ctx);
    kasowanie_listy_wnioskow_regul(ctx);
    forget_rule_findings(ctx);
    // Imported facts belong to the knowledge base, not to the file: they stay until a new one.
    przywroc_zaimportowane_fakty(ctx);
}

}  // namespace kb
