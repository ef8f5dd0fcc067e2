// The numbered actions on the loaded rule base and its retract-all wrappers. The actions read
// what the load recorded; they compute no askables and run no diagnosis themselves (the
// reports are the diagnoses' own). Window lines here are plain writes, never report text.
#include "kb/baza_regul.h"

#include <string>

#include "diagnostics/diagnozy.h"
#include "kb/dopytywalne.h"
#include "platform/files.h"
#include "platform/toolkit.h"

namespace kb {

namespace {

// Action 1: the base file's text for viewing, when a rule base with rules is loaded.
std::optional<AkcjaWynik> przeglad_pliku(Context& ctx)
{
    const auto pelna = ctx.db.stan.nazwa_re_pelna.first();
    const auto nazwa = ctx.db.stan.nazwa_re.first();
    if (!pelna || ctx.db.baza_regul.regula.empty() || !nazwa) return std::nullopt;
    std::string tekst = ctx.files.read_text(*pelna).text;
    ctx.ui.set_window_title(ctx.ui.main_window(), "velk_QZ Przegląd pliku bazy: " + *nazwa);
    return AkcjaWynik{{""}, std::move(tekst)};
}

// Action 2: the askable conditions for the askables browse window; with a model base loaded,
// those of the whole knowledge base.
std::optional<AkcjaWynik> warunki_dopytywalne(Context& ctx)
{
    const auto nazwa_re = ctx.db.stan.nazwa_re.first();
    if (!nazwa_re) return std::nullopt;
    if (const auto nazwa_mo = ctx.db.stan.nazwa_mo.first()) {
        ctx.ui.write("     Warunki dopytywalne bazy reguł " + *nazwa_re + "\n");
        ctx.ui.write("       z uwzględnieniem bazy modeli " + *nazwa_mo + "\n");
        const auto lista = ctx.db.stan.lista_wszystkich_dopytywalnych_dla_wyswietlania.first();
        if (!lista) return std::nullopt;
        return AkcjaWynik{*lista, "Warunki dopytywalne bazy reguł z uwzględnieniem bazy modeli."};
    }
    ctx.ui.write("Warunki dopytywalne  bazy reguł  " + *nazwa_re + "\n");
    const auto lista = ctx.db.stan.lista_warunkow_dopytywalnych.first();
    if (!lista) return std::nullopt;
    return AkcjaWynik{*lista, "Warunki dopytywalne bazy reguł " + *nazwa_re};
}

// Action 5, after the base file was deleted: the rule base is forgotten, but its full path
// stays (the delete command reports on the file it removed).
void zapomnij_po_usunieciu_pliku(Context& ctx)
{
    const auto pelne = ctx.db.stan.nazwa_re_pelna.all();
    forget_rule_base(ctx);
    for (const std::string& p : pelne) ctx.db.stan.nazwa_re_pelna.add_last(p);
}

}  // namespace

std::optional<AkcjaWynik> dzialanie_w_bazie_regul(Context& ctx, std::int32_t akcja)
{
    switch (akcja) {
    case 1: return przeglad_pliku(ctx);
    case 2: return warunki_dopytywalne(ctx);
    case 4:
        forget_rule_base(ctx);
        return pusty_wynik_akcji();
    case 5:
        zapomnij_po_usunieciu_pliku(ctx);
        return pusty_wynik_akcji();
    case 6:
        diagnostics::pisz_sprzecznosc_1z(ctx);
        return pusty_wynik_akcji();
    case 7:
        if (!diagnostics::redundant_rule_pair_recorded(ctx)) return std::nullopt;
        diagnostics::pisz_nadmiar_p(ctx);
        return pusty_wynik_akcji();
    case 9:
        diagnostics::pisz_sprzecznosc_1w(ctx);
        return pusty_wynik_akcji();
    default: return std::nullopt;
    }
}

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
}

}  // namespace kb
