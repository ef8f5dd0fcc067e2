// The clearing operations of loading and of the run state, and the reset of a whole knowledge
// base before a rule base is read. Each removes facts only; none writes or fails.
#include "load/kasowanie.h"

#include "kb/pisz.h"
#include "kb/stan_wnioskowania.h"

namespace load {
namespace {

// Removes every fact of every name of a database.
template <class Db>
void oproznij(Db& db)
{
    db.visit([](std::string_view, auto& lista) { lista.remove_all(); });
}

const std::string kTak = "TAK";

}  // namespace

void kasowanie_blad(kb::Context& ctx) { ctx.db.stan.blad.remove_all(); }
void kasowanie_jestem_tu(kb::Context& ctx) { ctx.db.stan.jestem_tu.remove_all(); }
void kasowanie_wyroznik(kb::Context& ctx) { ctx.db.stan.wyroznik.remove_all(); }
void kasowanie_rozszerzenie(kb::Context& ctx) { ctx.db.stan_ladowania.rozszerzenie.remove_all(); }
void kasowanie_opis(kb::Context& ctx) { ctx.db.stan.opis.remove_all(); }
void kasowanie_pojedynczy_warunek(kb::Context& ctx) { ctx.db.stan.pojedynczy_warunek.remove_all(); }

void kasowanie_rozne_numery(kb::Context& ctx) { ctx.db.stan_ladowania.rozne_numery.remove_all(); }
void kasowanie_numery_modeli(kb::Context& ctx) { ctx.db.stan_ladowania.numery_modeli.remove_all(); }
void kasowanie_testowania_numerow(kb::Context& ctx) { ctx.db.stan_ladowania.testowanie.remove_all(); }

void kasowanie_duplikat_nazwy_mo(kb::Context& ctx) { ctx.db.stan.duplikat_nazwy_mo.remove_all(); }
void kasowanie_model_tautologiczny(kb::Context& ctx) { ctx.db.stan.model_tautologiczny.remove_all(); }
// Callers know this clearing under both names; `lista_argumentow_modeli` stays either way.
void kasowanie_listy_argumentow_modeli(kb::Context& ctx)
{
    kasowanie_lista_argumentow_modelu_arytmetycznego(ctx);
}
void kasowanie_lista_argumentow_modelu_arytmetycznego(kb::Context& ctx)
{
    ctx.db.stan.lista_argumentow_modelu_arytmetycznego.remove_all();
}

void kasowanie_model_arytmetyczny_sprzeczny(kb::Context& ctx)
{
    ctx.db.wyniki_diagnoz.model_arytmetyczny_sprzeczny.remove_all();
    ctx.db.wyniki_diagnoz.model_aryt_sprzeczny.remove_first_equal(kTak);
}
void kasowanie_model_arytmetyczny_sprzeczny_gleboko(kb::Context& ctx)
{
    ctx.db.wyniki_diagnoz.model_arytmetyczny_sprzeczny_gleboko.remove_all();
    ctx.db.wyniki_diagnoz.model_sprzeczny_gleboko.remove_first_equal(kTak);
}
void kasowanie_model_relacyjny_sprzeczny(kb::Context& ctx)
{
    ctx.db.wyniki_diagnoz.model_relacyjny_sprzeczny.remove_all();
    ctx.db.wyniki_diagnoz.model_rela_sprzeczny.remove_first_equal(kTak);
}
void kasowanie_modeli_i_regul_sprzecznych(kb::Context& ctx)
{
    ctx.db.wyniki_diagnoz.modele_i_reguly_sprzeczne.remove_all();
}
void kasowanie_sprzecznosc_mr(kb::Context& ctx) { ctx.db.wyniki_diagnoz.sprzecznosc_mr.remove_all(); }

void kasowanie_sprzecz_1z(kb::Context& ctx) { ctx.db.wyniki_diagnoz.sprzecznosc_1z.remove_all(); }
void kasowanie_sprzecz_1w(kb::Context& ctx)
{
    ctx.db.wyniki_diagnoz.sprzecznosc_1_w.remove_all();
    ctx.db.wyniki_diagnoz.sprzecznosc_1w.remove_all();
}
void kasowanie_regula_splaszczona(kb::Context& ctx) { ctx.db.wyniki_diagnoz.regula_splaszczona.remove_all(); }
void kasowanie_regula_splaszczona_1w(kb::Context& ctx)
{
    ctx.db.wyniki_diagnoz.regula_splaszczona_1w.remove_all();
}
void kasowanie_jest_nadmiar(kb::Context& ctx) { ctx.db.wyniki_diagnoz.jest_nadmiar.remove_all(); }
void kasowanie_nadmiar_n1(kb::Context& ctx) { ctx.db.wyniki_diagnoz.reguly_nadmiarowe_n1.remove_all(); }
void kasowanie_regula_splaszczona_n1(kb::Context& ctx)
{
    ctx.db.wyniki_diagnoz.para_splaszczona_n1.remove_all();
}

void kasowanie_sprzecz_2(kb::Context& ctx) { ctx.db.wyniki_diagnoz.sprzecznosc_2.remove_all(); }
void kasowanie_regula_splaszczona_s2p(kb::Context& ctx)
{
    ctx.db.wyniki_diagnoz.regula_splaszczona_s2p.remove_all();
}
void kasowanie_sprzecz_2p(kb::Context& ctx) { ctx.db.wyniki_diagnoz.sprzecznosc_2p.remove_all(); }
void kasowanie_regula_splaszczona_s2pp(kb::Context& ctx)
{
    ctx.db.wyniki_diagnoz.regula_splaszczona_s2pp.remove_all();
}
void kasowanie_nadmiar_2p(kb::Context& ctx) { ctx.db.wyniki_diagnoz.reguly_nadmiarowe_n2p.remove_all(); }
void kasowanie_regula_splaszczona_n2p(kb::Context& ctx)
{
    ctx.db.wyniki_diagnoz.regula_splaszczona_n2p.remove_all();
}
void kasowanie_zbadany_wniosek_p(kb::Context& ctx) { ctx.db.wyniki_diagnoz.zbadany_wniosek_p.remove_all(); }
void kasowanie_nadmiar_2pp(kb::Context& ctx) { ctx.db.wyniki_diagnoz.reguly_nadmiarowe_n2pp.remove_all(); }
void kasowanie_regula_splaszczona_n2pp(kb::Context& ctx)
{
    ctx.db.wyniki_diagnoz.regula_splaszczona_n2pp.remove_all();
}
void kasowanie_zbadany_wniosek_pp(kb::Context& ctx) { ctx.db.wyniki_diagnoz.zbadany_wniosek_pp.remove_all(); }
void kasowanie_opcja(kb::Context& ctx) { ctx.db.wyniki_diagnoz.opcja.remove_all(); }

void kasowanie_blad_wykluczajacych(kb::Context& ctx) { ctx.db.stan_ladowania.blad_wykluczajacych.remove_all(); }
void kasowanie_zadeklarowane_wykluczajace_p(kb::Context& ctx)
{
    ctx.db.stan_ladowania.zadeklarowane_wykluczajace_p.remove_all();
}
void kasowanie_szczegolowosc(kb::Context& ctx) { ctx.db.stan.szczegolowosc.remove_all(); }
void kasowanie_etykiety(kb::Context& ctx) { ctx.db.stan_ladowania.etykieta.remove_all(); }
void kasowanie_hipoteza(kb::Context& ctx) { ctx.db.stan_ladowania.hipoteza.remove_all(); }
void kasowanie_lista_numerow_regul_kumulatywnych(kb::Context& ctx)
{
    ctx.db.stan_ladowania.lista_numerow_regul_kumulatywnych.remove_all();
}
void kasowanie_lista_numerow_regul_dysjunktywnych(kb::Context& ctx)
{
    ctx.db.stan_ladowania.lista_numerow_regul_dysjunktywnych.remove_all();
}
void kasowanie_regula_zastosowana(kb::Context& ctx) { ctx.db.stan_ladowania.regula_zastosowana.remove_all(); }
void kasowanie_wnioski(kb::Context& ctx) { ctx.db.stan_ladowania.wniosek.remove_all(); }
void kasowanie_listy_bez_warunku(kb::Context& ctx) { ctx.db.stan_ladowania.lista_bez_warunku.remove_all(); }
void kasowanie_prbd(kb::Context& ctx) { kb::kasuj_prbd(ctx); }
void kasowanie_wypadkowa_prbd(kb::Context& ctx) { kb::kasuj_wypadkowe(ctx); }
void kasowanie_model_stosowany(kb::Context& ctx) { ctx.db.stan_ladowania.model_stosowany.remove_all(); }

void kasowanie_bazy_wiedzy(kb::Context& ctx)
{
    kb::Store& db = ctx.db;
    oproznij(db.baza_regul);
    oproznij(db.baza_modeli);
    oproznij(db.baza_ograniczen);
    oproznij(db.baza_ograniczen_p);
    oproznij(db.baza_rad);
    oproznij(db.baza_grafiki);
    oproznij(db.baza_melodii);
    oproznij(db.stan);
    oproznij(db.stan_ladowania);
    oproznij(db.wyniki_diagnoz);
    oproznij(db.zaimportowane);
    oproznij(db.baza_odbc);  // and with it any connection an import left
    kb::kasowanie_tekst_raportu(ctx);
}

}  // namespace load
