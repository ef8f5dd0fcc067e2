// The model-base actions of the main menu, its retract-all wrappers and the forgetting of the
// whole model base. Reports of the diagnoses are only started from here; they live with the
// diagnoses. Nothing here computes a model list.
#include "kb/baza_modeli.h"

#include <string>

#include "diagnostics/diagnozy.h"
#include "platform/toolkit.h"

namespace kb {

namespace {

std::optional<AkcjaWynik> przeglad_pliku(Context& ctx)
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
    return AkcjaWynik{std::move(*lista), "Warunki i argumenty dopytywalne bazy modeli " + *nazwa};
}

std::optional<AkcjaWynik> wszystkie_dopytywalne(Context& ctx)
{
    if (!ctx.db.stan.nazwa_mo.first()) return std::nullopt;
    const auto wyroznik = ctx.db.stan.wyroznik.first();
    if (!wyroznik) return std::nullopt;
    auto lista = ctx.db.stan.lista_warunkow_i_argumentow_dopytywalnych.first();
    if (!lista) return std::nullopt;
    return AkcjaWynik{std::move(*lista), "Warunki i argumenty dopytywalne bazy wiedzy " + *wyroznik};
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

}  // namespace

std::optional<AkcjaWynik> dzialanie_w_bazie_modeli(Context& ctx, int akcja)
{
    switch (akcja) {
    case 1: return przeglad_pliku(ctx);
    case 2: return argumenty_dopytywalne(ctx);
    case 3: return wszystkie_dopytywalne(ctx);
    case 5:
        // The delete command forgets the loaded model base once its file is gone, as the
        // other delete commands forget theirs.
        forget_model_base(ctx);
        return pusty_wynik_akcji();
    case 7: return sprzecznosci_modeli(ctx);
    case 8: return sprzecznosci_laczne(ctx);
    default: return std::nullopt;
    }
}

void forget_model_lists(Context& ctx)
{
    Stan& s = ctx.db.stan;
    s.lista_argumentow_dopytywalnych.remove_all();
    s.lista_argumentow_modeli.remove_all();
    s.lista_warunkow_i_argumentow_dopytywalnych.remove_all();
    s.lista_warunkow_stosowania.remove_all();
    s.lista_wnioskow_modeli.remove_all();
    s.lista_wynikow_modeli.remove_all();
    s.lista_wszystkich_zmiennych_logicznych.remove_all();
    s.lista_wszystkich_dopytywalnych_dla_wyswietlania.remove_all();
    s.zmienne.remove_all();
    s.wyniki.remove_all();
    s.argumenty_zredukowane.remove_all();
    s.wyniki_zredukowane.remove_all();
    s.lista_argumentow_modelu_arytmetycznego.remove_all();
    s.duplikat_nazwy_mo.remove_all();
    s.zmienna_ustalona.remove_all();
}

void forget_model_base(Context& ctx)
{
    ctx.db.baza_modeli.visit([](std::string_view, auto& facts) { facts.remove_all(); });
    kasowanie_nazwy_mo(ctx);
    forget_model_lists(ctx);
}

void kasowanie_argument_znany(Context& ctx) { ctx.db.baza_modeli.argument_znany.remove_all(); }
void kasowanie_argumentow_dopytywalnych(Context& ctx) { ctx.db.stan.lista_argumentow_dopytywalnych.remove_all(); }
void kasowanie_dmodel(Context& ctx) { ctx.db.baza_modeli.model.remove_all(); }
void kasowanie_dmodel_r(Context& ctx) { ctx.db.baza_modeli.model_r.remove_all(); }
void kasowanie_dmodel_liniowy(Context& ctx) { ctx.db.baza_modeli.model_liniowy.remove_all(); }
void kasowanie_dmodel_wielomianowy(Context& ctx) { ctx.db.baza_modeli.model_wielomianowy.remove_all(); }
void kasowanie_listy_warunkow_stosowania(Context& ctx) { ctx.db.stan.lista_warunkow_stosowania.remove_all(); }
void kasowanie_listy_wynikow_modeli(Context& ctx) { ctx.db.stan.lista_wynikow_modeli.remove_all(); }
void kasowanie_listy_wnioskow_modeli(Context& ctx) { ctx.db.stan.lista_wnioskow_modeli.remove_all(); }
void kasowanie_m_fakt(Context& ctx) { ctx.db.baza_modeli.m_fakt.remove_all(); }
void kasowanie_modele_ekskluzywne(Context& ctx) { ctx.db.baza_modeli.modele_ekskluzywne.remove_all(); }
void kasowanie_nazwy_mo(Context& ctx) { ctx.db.stan.nazwa_mo.remove_all(); }
void kasowanie_zmienna_ustalona(Context& ctx) { ctx.db.stan.zmienna_ustalona.remove_all(); }

}  // namespace kb
