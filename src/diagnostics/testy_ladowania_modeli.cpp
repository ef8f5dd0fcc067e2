// The load-time entries of the model-base diagnoses. They decide from the findings their
// searches record and tell the user; they never change the models. Everything they write is a
// plain write of the auxiliary window, never the report text.
#include "diagnostics/testy_ladowania_modeli.h"

#include <string>
#include <string_view>

#include "kb/baza_modeli.h"
#include "platform/toolkit.h"

namespace diagnostics {

namespace {

using kb::Context;

void linia(Context& ctx, std::string_view tekst)
{
    ctx.ui.write(tekst);
    ctx.ui.write("\n");
}

bool flaga(const facts::FactList<std::string>& f) { return f.contains("TAK"); }

bool model_sprzeczny(const Context& ctx)
{
    const kb::WynikiDiagnoz& w = ctx.db.wyniki_diagnoz;
    return flaga(w.model_aryt_sprzeczny) || flaga(w.model_sprzeczny_gleboko) || flaga(w.model_rela_sprzeczny);
}

}  // namespace

bool informuj_sprzecznosc_mz(Context& ctx)
{
    badaj_sprzecznosc_modeli_arytmetycznych(ctx);
    badaj_sprzecznosc_modeli_relacyjnych(ctx);
    if (!model_sprzeczny(ctx)) return true;

    const auto nazwa = ctx.db.stan.nazwa_mo.first();
    if (!nazwa) return false;
    ctx.db.stan.duplikat_nazwy_mo.add_last(*nazwa);

    linia(ctx, " W załadowanej bazie modeli " + *nazwa);
    linia(ctx, " jest co najmniej jedna sprzeczność. ");
    linia(ctx, "");
    linia(ctx, " Załadowaną bazę modeli możesz tylko edytować, lecz nie możesz korzystać");
    linia(ctx, " z niej dla wnioskowania.");
    linia(ctx, "");
    linia(ctx, " Możesz jednak diagnozować jej sprzeczności.");
    linia(ctx, " W tym celu musisz przejść do opcji:");
    linia(ctx, " 'Baza modeli niepewnaDiagnostyka sprzeczności bazy modeli' ");
    linia(ctx, "");
    ctx.ui.note("Informacja o sprzeczności",
                "Baza modeli rozwinięta niepewna\n   " + *nazwa + "\nzawiera co najmniej jedną sprzeczność." +
                    "\n\nZaładowaną bazę modeli możesz tylko edytować, \nlecz nie możesz korzystać z niej dla "
                    "wnioskowania." +
                    "\nMożesz jednak diagnozować jej sprzeczności." +
                    "\nW tym celu musisz przejść do opcji\n   'Baza modeli niepewna\n     Diagnostyka "
                    "sprzeczności bazy modeli'");
    ctx.report(kb::MenuEvent::ModelContradictionFound);
    kb::kasowanie_nazwy_mo(ctx);
    return false;
}

bool informuj_sprzecznosc_mr(Context& ctx)
{
    if (wyznacz_sprzecznosc_mr(ctx)) return true;
    if (ctx.db.stan.nazwa_re.empty() || ctx.db.stan.nazwa_mo.empty()) return true;
    powiadom_o_sprzecznosci_mr(ctx);
    return false;
}

void powiadom_o_sprzecznosci_mr(Context& ctx)
{
    const std::string m = ctx.db.stan.nazwa_mo.first().value_or("");
    const std::string r = ctx.db.stan.nazwa_re.first().value_or("");
    linia(ctx, "Baza modeli  " + m);
    linia(ctx, "i baza reguł " + r);
    linia(ctx, "mają co najmniej jedną sprzeczność łączną. ");
    linia(ctx, "Załadowane bazy możesz tylko edytować, lecz nie możesz korzystać");
    linia(ctx, "z nich dla wnioskowania. Nie możesz również ładować odpowiadającej im");
    linia(ctx, "bazy ograniczeń i rad.");
    linia(ctx, "");
    linia(ctx, "Możesz jednak diagnozować† ich sprzeczności łączne.");
    linia(ctx, "W tym celu musisz przejść do opcji:");
    linia(ctx, "'Baza modeli niepewna");
    linia(ctx, "        Diagnostyka sprzeczności łącznych bazy modeli i bazy reguł' ");
    linia(ctx, "");
    ctx.ui.note("Informacja o sprzecznościach łącznych bazy modeli i bazy reguł",
                "Baza modeli rozwinięta niepewna\n   " + m + "\ni baza reguł rozwinięta niepewna\n   " + r +
                    "\nmają co najmniej jedną sprzeczność łączną. " +
                    "\nZaładowane bazy możesz tylko edytować, lecz nie możesz korzystać" +
                    "\nz nich dla wnioskowania. Nie możesz również ładować odpowiadającej im" +
                    "\nbazy ograniczeń i rad." + "\nMożesz jednak diagnozować ich sprzeczności łączne." +
                    "\nW tym celu musisz przejść do opcji:" +
                    "\n'   Baza modeli niepewna\n     Diagnostyka sprzeczności łącznych\n     bazy modeli i bazy "
                    "reguł' ");
    ctx.report(kb::MenuEvent::ModelRuleContradictionFound);
}

bool jest_sprzecznosc_mr(const Context& ctx) { return ctx.db.wyniki_diagnoz.sprzecznosc_mr.contains("TAK"); }

bool wyznacz_sprzecznosc_mr(Context& ctx)
{
    badaj_sprzecznosc_mr(ctx);
    return ctx.db.wyniki_diagnoz.sprzecznosc_mr.contains("NIE");
}

void badaj_sprzecznosc_mr(Context& ctx)
{
    kb::WynikiDiagnoz& w = ctx.db.wyniki_diagnoz;
    w.modele_i_reguly_sprzeczne.remove_all();
    w.sprzecznosc_mr.remove_all();
    szukaj_sprzecznosci_mr(ctx);
    w.sprzecznosc_mr.add_last(w.modele_i_reguly_sprzeczne.empty() ? "NIE" : "TAK");
}


}  // namespace diagnostics
