// The model base's retract-all wrappers and the forgetting of the whole model base. Removes
// facts only; nothing here computes a model list or shows anything.
#include "kb/baza_modeli.h"

#include <string_view>

#include "kb/zaimportowane.h"

namespace kb {

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
    s.zmienna_ustalona.remove_all();
}

void forget_model_findings(Context& ctx)
{
    ctx.db.stan.duplikat_nazwy_mo.remove_all();
    WynikiDiagnoz& w = ctx.db.wyniki_diagnoz;
    w.model_arytmetyczny_sprzeczny.remove_all();
    w.model_aryt_sprzeczny.remove_all();
    w.model_arytmetyczny_sprzeczny_gleboko.remove_all();
    w.model_sprzeczny_gleboko.remove_all();
    w.model_relacyjny_sprzeczny.remove_all();
    w.model_rela_sprzeczny.remove_all();
    w.modele_i_reguly_sprzeczne.remove_all();
    w.sprzecznosc_mr.remove_all();
}

void forget_model_contents(Context& ctx)
{
    ctx.db.baza_modeli.visit([](std::string_view, auto& facts) { facts.remove_all(); });
    kasowanie_nazwy_mo(ctx);
    forget_model_lists(ctx);
    // Imported argument values belong to the knowledge base, not to the file: they stay until
    // a new rule base.
    przywroc_zaimportowane_argumenty(ctx);
}

void forget_model_base(Context& ctx)
{
    forget_model_contents(ctx);
    forget_model_findings(ctx);
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
