// The reports, on request, of the contradictions found in the model base and of the joint
// contradictions of the models with the rules. They write from the stored findings and never
// search again; the report of the model base's own contradictions unloads that base.
#include <string>
#include <vector>

#include "diagnostics/diagnozy.h"
#include "diagnostics/listy_diagnoz.h"
#include "diagnostics/splaszczanie.h"
#include "diagnostics/sprzecznosc_zewnetrzna.h"
#include "kb/baza_modeli.h"
#include "kb/listy.h"
#include "kb/pisz.h"
#include "platform/factfile.h"
#include "platform/toolkit.h"

namespace diagnostics {
namespace {

using kb::Context;
using kb::pisz_tuto;
using kb::piszcr;
using std::string;

bool flaga(const facts::FactList<string>& f) { return f.contains("TAK"); }

string pisz_podstawienie_con(const facts::IList& lancuch)
{
    string out;
    for (std::size_t i = 0; i < lancuch.size(); ++i) out += (i ? " ==> " : "") + std::to_string(lancuch[i]);
    return out;
}

// Lines for the auxiliary window only, never into the report text.
void okno(Context& ctx, std::initializer_list<std::string_view> kawalki)
{
    for (std::string_view k : kawalki) ctx.ui.write(k);
}

// The contradictory base goes as a whole; its findings and name stay for the next report.
void usun_sprzeczna_baze(Context& ctx)
{
    kb::forget_model_contents(ctx);
    ctx.db.stan.jestem_tu.remove_all();
}

// The two written lines of a model that contradicts itself: its number and what it names, then
// what that name is the same as.
void pisz_tozsamy(Context& ctx, std::int32_t numer, const std::string& nazwa, const std::string& tozsamy)
{
    pisz_tuto(ctx, " Model ");
    kb::pisz_tuto_int(ctx, numer);
    pisz_tuto(ctx, nazwa);
    piszcr(ctx);
    pisz_tuto(ctx, tozsamy);
    piszcr(ctx);
}

void bezposrednie(Context& ctx)
{
    pisz_tuto(ctx, " Następujące modele arytmetyczne są bezpośrednio sprzeczne:");
    piszcr(ctx);
    piszcr(ctx);
    ctx.ui.note("Diagnostyka bezpośredniej sprzeczności modeli arytmetycznych",
                "Następujące modele arytmetyczne są bezpośrednio sprzeczne:");
    for (const kb::ModelWynik& m : ctx.db.wyniki_diagnoz.model_arytmetyczny_sprzeczny.all()) {
        pisz_tozsamy(ctx, m.numer, " ma wynik '" + m.wynik + "'", " tożsamy ze swym argumentem.");
        ctx.ui.note("Sprzeczność modelu", "Model arytmetyczny " + std::to_string(m.numer) + " ma wynik '" + m.wynik +
                                              "' \n tożsamy ze swym argumentem.");
    }
}

void posrednie(Context& ctx)
{
    piszcr(ctx);
    pisz_tuto(ctx, " Następujące modele arytmetyczne są pośrednio sprzeczne:");
    piszcr(ctx);
    piszcr(ctx);
    ctx.ui.note("Diagnostyka pośredniej sprzeczności modeli arytmetycznych",
                "Następujące modele arytmetyczne są pośrednio sprzeczne:");
    for (const kb::ModelSprzecznyGleboko& m : ctx.db.wyniki_diagnoz.model_arytmetyczny_sprzeczny_gleboko.all()) {
        const facts::SList reszta = lista_str_int(kb::usun_i(m.numer, m.lancuch));
        pisz_tuto(ctx, " Model ");
        kb::pisz_tuto_int(ctx, m.numer);
        pisz_tuto(ctx, " ma wynik '" + m.wynik + "'");
        piszcr(ctx);
        pisz_tuto(ctx, " tożsamy z jednym z argumentów zagnieżdżających się z nim modeli o numerach:");
        ctx.ui.write("\n");
        pisz_tuto(ctx, "      ");
        pisz_liste_dla_raportu_i(ctx, reszta);
        piszcr(ctx);
        pisz_tuto(ctx, " Można to wykazać usuwając zagnieżdżenie na drodze podstawienia: ");
        ctx.ui.write("\n");
        pisz_tuto(ctx, "      ");
        pisz_podstawienie(ctx, m.lancuch);
        ctx.ui.note("Sprzeczność modelu arytmetycznego",
                    "Model arytmetyczny " + std::to_string(m.numer) + " ma wynik '" + m.wynik +
                        "' \n tożsamy z jednym z argumentów zagnieżdżających się z nim modeli o numerach:\n " +
                        factfile::to_text(reszta) + "\nMożna to wykazać usuwając zagnieżdżenie na drodze podstawienia:\n " +
                        pisz_podstawienie_con(m.lancuch));
    }
}

void pisz_sprzecznosc_modeli_arytmetycznych(Context& ctx)
{
    const kb::WynikiDiagnoz& w = ctx.db.wyniki_diagnoz;
    if (flaga(w.model_aryt_sprzeczny)) bezposrednie(ctx);
    if (flaga(w.model_sprzeczny_gleboko)) posrednie(ctx);
    if ((flaga(w.model_aryt_sprzeczny) || flaga(w.model_sprzeczny_gleboko)) && !flaga(w.model_rela_sprzeczny)) {
        okno(ctx, {" Przejdź do 'Bazy modeli'", "\n", " wybierz opcję 'Edycja bazy modeli', ", "\n",
                   " wybierz błędną bazę i usuń błąd."});
        ctx.ui.note("Sprzeczność modelu arytmetycznego",
                    "Przejdź do 'Bazy modeli niepewnej', wybierz opcję 'Edycja bazy modeli',\nwybierz błędną bazę i "
                    "usuń błąd.");
        usun_sprzeczna_baze(ctx);
    }
}

void pisz_sprzecznosc_modeli_relacyjnych(Context& ctx)
{
    if (!flaga(ctx.db.wyniki_diagnoz.model_rela_sprzeczny)) return;
    piszcr(ctx);
    pisz_tuto(ctx, " Następujące modele relacyjne są sprzeczne:");
    ctx.ui.note("Diagnostyka sprzeczności modeli relacyjnych", "Następujące modele relacyjne są sprzeczne:");
    piszcr(ctx);
    piszcr(ctx);
    for (const kb::ModelWynik& m : ctx.db.wyniki_diagnoz.model_relacyjny_sprzeczny.all()) {
        pisz_tozsamy(ctx, m.numer, " ma wniosek '" + m.wynik + "'", " tożsamy ze swym warunkiem stosowania.");
        ctx.ui.note("Sprzeczność modelu relacyjnego", "Model " + std::to_string(m.numer) + "\nma wniosek '" + m.wynik +
                                                          "'  tożsamy ze swym warunkiem stosowania.");
    }
    okno(ctx, {"\n", " Przejdź do 'Bazy modeli'", "\n", " wybierz opcję 'Edycja bazy modeli', ", "\n",
               " wybierz błędną bazę i usuń błąd."});
    ctx.ui.note("Sprzeczność modelu relacyjnego",
                "Przejdź do 'Bazy modeli', wybierz opcję 'Edycja bazy modeli',\nwybierz błędną bazę i usuń błąd.");
    usun_sprzeczna_baze(ctx);
}

// ---- Joint contradictions of the models with the rules -----------------------------------------

constexpr const char* kTytulLaczne = "Informacja o sprzecznościach łącznych bazy modeli i bazy reguł";

// The chains of one finding: its lines and its note.
void test_dla_tekstu(Context& ctx, const facts::SList& reguly, const facts::SList& modele, const string& tekst)
{
    string nota = tekst;
    if (!reguly.empty()) {
        pisz_tuto(ctx, " poprzez łańcuch zagnieżdżających się reguł o numerach ");
        pisz_liste_dla_raportu_i(ctx, reguly);
        nota += "\n poprzez łańcuch zagnieżdżających się reguł o numerach " + factfile::to_text(reguly);
    }
    if (!modele.empty()) {
        pisz_tuto(ctx, reguly.empty() ? " poprzez łańcuch zagnieżdżajacych się modeli o numerach "
                                      : " i poprzez łańcuch zagnieżdżajacych się modeli o numerach ");
        pisz_liste_dla_raportu_i(ctx, modele);
        nota += string(reguly.empty() ? "\n poprzez" : "\n i poprzez") +
                " łańcuch zagnieżdżających się modeli o numerach " + factfile::to_text(modele);
    }
    ctx.ui.note(kTytulLaczne, nota);
}

}  // namespace

void pisz_sprzecznosc_mz(Context& ctx)
{
    const string n = ctx.db.stan.duplikat_nazwy_mo.first().value_or("");
    kb::kasowanie_tekst_raportu(ctx);
    pisz_tuto(ctx, " Raport diagnostyki sprzeczności bazy modeli ");
    piszcr(ctx);
    pisz_tuto(ctx, " " + n);
    piszcr(ctx);
    piszcr(ctx);
    pisz_sprzecznosc_modeli_arytmetycznych(ctx);
    pisz_sprzecznosc_modeli_relacyjnych(ctx);
    piszcr(ctx);
    piszcr(ctx);
    pisz_tuto(ctx, " Koniec raportu diagnostyki sprzeczności bazy modeli ");
    piszcr(ctx);
    pisz_tuto(ctx, " " + n + ".");
    kb::raport(ctx);
}

void pisz_sprzecznosc_mr(Context& ctx)
{
    const string r = ctx.db.stan.nazwa_re.first().value_or("");
    const string m = ctx.db.stan.nazwa_mo.first().value_or("");
    const std::vector<kb::ModeleIRegulySprzeczne> znalezione = ctx.db.wyniki_diagnoz.modele_i_reguly_sprzeczne.all();
    if (znalezione.empty()) {
        ctx.ui.write(" Baza reguł " + r + "\n i baza modeli " + m + "\n nie są łącznie sprzeczne.\n");
        ctx.ui.note(kTytulLaczne, "Baza modeli rozwinięta niepewna\n   " + m + "\ni baza reguł rozwinięta niepewna\n   " +
                                      r + "\n nie są łącznie sprzeczne.");
        return;
    }
    kb::kasowanie_tekst_raportu(ctx);
    pisz_tuto(ctx, " Raport diagnostyki sprzeczności łącznych ");
    piszcr(ctx);
    pisz_tuto(ctx, " bazy reguł  " + r);
    piszcr(ctx);
    pisz_tuto(ctx, " bazy modeli " + m);
    piszcr(ctx);
    ctx.ui.note(kTytulLaczne, " Raport diagnostyki sprzeczności łącznych\n bazy reguł rozwiniętej niepewnej\n   " + r +
                                  "\n bazy modeli rozwiniętej niepewnej\n   " + m);
    for (const kb::ModeleIRegulySprzeczne& z : znalezione) {
        const string tekst =
            " Model relacyjny " + std::to_string(z.model) + " jest łącznie sprzeczny z regułą " + std::to_string(z.regula);
        piszcr(ctx);
        pisz_tuto(ctx, tekst);
        piszcr(ctx);
        const facts::IList reguly = odwracanie(kb::usun_i(0, kb::usun_i(z.regula, z.uzyte_reguly)));
        const facts::IList modele = odwracanie(kb::usun_i(z.model, z.lancuch_modeli));
        test_dla_tekstu(ctx, lista_str_int(reguly), lista_str_int(modele), tekst);
    }
    piszcr(ctx);
    pisz_tuto(ctx, " Koniec raportu diagnostyki sprzeczności łącznych ");
    piszcr(ctx);
    pisz_tuto(ctx, " bazy reguł  " + r);
    piszcr(ctx);
    pisz_tuto(ctx, " bazy modeli " + m + ".");
    piszcr(ctx);
    ctx.ui.note("Diagnostyka sprzeczności łącznych bazy modeli i bazy reguł",
                "Koniec raportu diagnostyki sprzeczności łącznych\nbazy reguł rozwiniętej niepewnej\n   " + r +
                    "\ni bazy modeli rozwiniętej niepewnej\n   " + m + ".");
    kb::raport(ctx);
}

}  // namespace diagnostics
