// The numbered actions of the rule, model and constraint bases. They read what the loads
// recorded and start the diagnoses' reports; they compute no askables and run no search
// themselves. Window lines here are plain writes, never report text.
#include "app/base_actions.h"

#include <string>

#include "diagnostics/diagnozy.h"
#include "kb/baza_modeli.h"
#include "kb/baza_regul.h"
#include "kb/bazy_ograniczen.h"
#include "platform/files.h"
#include "platform/toolkit.h"

namespace app {

using kb::AkcjaWynik;
using kb::Context;

namespace {

// ---- The rule base ------------------------------------------------------------------------------

// Action 1: the base file's text for viewing, when a rule base with rules is loaded.
std::optional<AkcjaWynik> przeglad_pliku_regul(Context& ctx)
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
        return AkcjaWynik{lista->strings(), "Warunki dopytywalne bazy reguł z uwzględnieniem bazy modeli."};
    }
    ctx.ui.write("Warunki dopytywalne  bazy reguł  " + *nazwa_re + "\n");
    const auto lista = ctx.db.stan.lista_warunkow_dopytywalnych.first();
    if (!lista) return std::nullopt;
    return AkcjaWynik{lista->strings(), "Warunki dopytywalne bazy reguł " + *nazwa_re};
}

// Action 5, after the base file was deleted: the rule base is forgotten, but its full path
// stays (the delete command reports on the file it removed).
void zapomnij_po_usunieciu_pliku(Context& ctx)
{
    const auto pelne = ctx.db.stan.nazwa_re_pelna.all();
    kb::forget_rule_base(ctx);
    for (const std::string& p : pelne) ctx.db.stan.nazwa_re_pelna.add_last(p);
}

// ---- The model base -----------------------------------------------------------------------------

std::optional<AkcjaWynik> przeglad_pliku_modeli(Context& ctx)
{
    const auto sciezka = ctx.db.stan.nazwa_mo_pelna.first();
    if (!sciezka) {
        ctx.ui.write(" Brak bazy modeli do przeglądania.\n");
        ctx.ui.note("Uwaga!", "Brak bazy modeli do przeglądania!");
        return std::nullopt;
    }
    std::string tekst = ctx.files.read_text(*sciezka).text;
    const auto nazwa = ctx.db.stan.nazwa_mo.first();
    if (!nazwa) return std::nullopt;
    ctx.ui.set_window_title(ctx.ui.main_window(), "Przegląd pliku bazy modeli: " + *nazwa);
    return AkcjaWynik{{}, std::move(tekst)};
}

std::optional<AkcjaWynik> argumenty_dopytywalne(Context& ctx)
{
    const auto nazwa = ctx.db.stan.nazwa_mo.first();
    if (!nazwa) return std::nullopt;
    auto lista = ctx.db.stan.lista_argumentow_dopytywalnych.first();
    if (!lista) return std::nullopt;
    return AkcjaWynik{lista->strings(), "Warunki i argumenty dopytywalne bazy modeli " + *nazwa};
}

std::optional<AkcjaWynik> wszystkie_dopytywalne(Context& ctx)
{
    if (!ctx.db.stan.nazwa_mo.first()) return std::nullopt;
    const auto wyroznik = ctx.db.stan.wyroznik.first();
    if (!wyroznik) return std::nullopt;
    auto lista = ctx.db.stan.lista_warunkow_i_argumentow_dopytywalnych.first();
    if (!lista) return std::nullopt;
    return AkcjaWynik{lista->strings(), "Warunki i argumenty dopytywalne bazy wiedzy " + *wyroznik};
}

std::optional<AkcjaWynik> sprzecznosci_modeli(Context& ctx)
{
    const auto duplikat = ctx.db.stan.duplikat_nazwy_mo.first();
    if (!duplikat) return std::nullopt;
    diagnostics::pisz_sprzecznosc_mz(ctx);
    return AkcjaWynik{{""}, " Sprzeczności bazy modeli " + *duplikat};
}

std::optional<AkcjaWynik> sprzecznosci_laczne(Context& ctx)
{
    const auto nazwa_mo = ctx.db.stan.nazwa_mo.first();
    const auto nazwa_re = ctx.db.stan.nazwa_re.first();
    if (!nazwa_mo || !nazwa_re) return std::nullopt;
    diagnostics::pisz_sprzecznosc_mr(ctx);
    return AkcjaWynik{{""}, " Sprzeczności łączne bazy modeli " + *nazwa_mo + " i bazy reguł " + *nazwa_re};
}

// ---- The constraint bases -----------------------------------------------------------------------

// What tells the two constraint bases apart.
struct ConstraintBase {
    const kb::FactList<kb::Ograniczenie>& ograniczenia;
    const kb::FactList<std::string>& nazwa;
    const kb::FactList<std::string>& nazwa_pelna;
    const char* title_prefix;
    bool (*contradiction_report)(Context&);
    bool (*redundancy_report)(Context&);
};

ConstraintBase exact_base(Context& ctx)
{
    const kb::BazaOgraniczen& db = ctx.db.baza_ograniczen;
    return {db.ograniczenie, db.nazwa_og, db.nazwa_og_pelna, "Przegląd bazy ograniczeń: ",
            diagnostics::pisz_sprzecznosc_2, diagnostics::pisz_nadmiar_2p};
}

ConstraintBase uncertain_base(Context& ctx)
{
    const kb::BazaOgraniczenP& db = ctx.db.baza_ograniczen_p;
    return {db.ograniczenie_n, db.nazwa_op, db.nazwa_op_pelna, "Przegląd bazy ograniczeń niepewnych: ",
            diagnostics::pisz_sprzecznosc_2p, diagnostics::pisz_nadmiar_2pp};
}

std::optional<AkcjaWynik> review(Context& ctx, const ConstraintBase& base)
{
    if (!base.ograniczenia.empty() && !base.nazwa.empty() && !base.nazwa_pelna.empty()) {
        AkcjaWynik result;
        result.tekst = ctx.files.read_text(*base.nazwa_pelna.first()).text;
        ctx.ui.set_window_title(ctx.ui.main_window(), base.title_prefix + *base.nazwa.first());
        return result;
    }
    ctx.ui.write(" Brak bazy ograniczeń do przeglądania.\n");
    ctx.ui.note("Uwaga!", "Brak bazy ograniczeń do przeglądania!");
    return std::nullopt;
}

std::optional<AkcjaWynik> dzialanie_ograniczen(Context& ctx, int akcja, const ConstraintBase& base)
{
    const bool both_loaded = !ctx.db.stan.nazwa_re.empty() && !base.nazwa.empty();
    switch (akcja) {
    case 1: return review(ctx, base);
    case 5:
        if (!both_loaded || !base.contradiction_report(ctx)) return std::nullopt;
        return AkcjaWynik{};
    case 6:
        if (!both_loaded || !base.redundancy_report(ctx)) return std::nullopt;
        return AkcjaWynik{};
    default: return std::nullopt;
    }
}

}  // namespace

std::optional<AkcjaWynik> dzialanie_w_bazie_regul(Context& ctx, std::int32_t akcja)
{
    switch (akcja) {
    case 1: return przeglad_pliku_regul(ctx);
    case 2: return warunki_dopytywalne(ctx);
    case 4:
        kb::forget_rule_base(ctx);
        return kb::pusty_wynik_akcji();
    case 5:
        zapomnij_po_usunieciu_pliku(ctx);
        return kb::pusty_wynik_akcji();
    case 6:
        if (!diagnostics::pisz_sprzecznosc_1z(ctx)) return std::nullopt;
        return kb::pusty_wynik_akcji();
    case 7:
        if (!diagnostics::redundant_rule_pair_recorded(ctx) || !diagnostics::pisz_nadmiar_p(ctx)) return std::nullopt;
        return kb::pusty_wynik_akcji();
    case 9:
        if (!diagnostics::pisz_sprzecznosc_1w(ctx)) return std::nullopt;
        return kb::pusty_wynik_akcji();
    default: return std::nullopt;
    }
}

std::optional<AkcjaWynik> dzialanie_w_bazie_modeli(Context& ctx, int akcja)
{
    switch (akcja) {
    case 1: return przeglad_pliku_modeli(ctx);
    case 2: return argumenty_dopytywalne(ctx);
    case 3: return wszystkie_dopytywalne(ctx);
    case 5:
        // The delete command forgets the loaded model base once its file is gone, as the
        // other delete commands forget theirs.
        kb::forget_model_base(ctx);
        return kb::pusty_wynik_akcji();
    case 7: return sprzecznosci_modeli(ctx);
    case 8: return sprzecznosci_laczne(ctx);
    default: return std::nullopt;
    }
}

std::optional<AkcjaWynik> dzialanie_w_bazie_ograniczen(Context& ctx, int akcja)
{
    return dzialanie_ograniczen(ctx, akcja, exact_base(ctx));
}

std::optional<AkcjaWynik> dzialanie_w_bazie_ograniczen_p(Context& ctx, int akcja)
{
    return dzialanie_ograniczen(ctx, akcja, uncertain_base(ctx));
}

}  // namespace app
