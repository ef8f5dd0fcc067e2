// The model base as the load sees it: the askables computed at a load from a small model base of
// all four kinds next to a rule base, the known-argument check with its exact texts, and
// forgetting the base as a unit. Its numbered actions: tests/app/model_base_actions_test.cpp.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <memory>
#include <string>
#include <vector>

#include "kb/baza_modeli.h"
#include "kb/context.h"
#include "kb/dopytywalne_modeli.h"
#include "kb/listy.h"
#include "kb/zmienne_modeli.h"
#include "model_base_fixture.h"
#include "platform/factfile.h"
#include "platform/files.h"
#include "platform/headless/headless_toolkit.h"

namespace {

using kb::SList;
using namespace kb::testing;

// ---- Askables computed at the load ----------------------------------------------------------

TEST_F(ModelBaseTest, LoadComputesEveryListOfTheModelBase)
{
    start();
    load_bases();
    compute_askables();

    struct Row {
        const char* fact;
        const kb::FactList<facts::NameList>& list;
        SList expected;
    };
    const std::vector<Row> rows = {
        {"lista_argumentow_modeli", stan().lista_argumentow_modeli,
         {"długość", "szerokość", "a1", "a2", "3", "2.5", "cena_m2", "pole", "nadwyżka", "x", "1", "wsp"}},
        {"lista_wnioskow_modeli", stan().lista_wnioskow_modeli, {"dom_duży", "komfort"}},
        {"lista_warunkow_stosowania", stan().lista_warunkow_stosowania, {"duży_dom", "ciepło", "bez warunku"}},
        {"lista_wynikow_modeli", stan().lista_wynikow_modeli, {"pole", "pierwiastek", "suma", "koszt", "y"}},
        // the askable conditions less the conclusions of relational models
        {"lista_wszystkich_dopytywalnych_dla_wyswietlania", stan().lista_wszystkich_dopytywalnych_dla_wyswietlania,
         {"ciepło", "wiatr"}},
        {"argumenty_zredukowane", stan().argumenty_zredukowane,
         {"duży_dom", "szerokość", "długość", "temp", "a2", "a1", "ciepło", "pole", "cena_m2", "wsp", "x"}},
        {"wyniki_zredukowane", stan().wyniki_zredukowane,
         {"pole", "pierwiastek", "dom_duży", "suma", "komfort", "koszt", "y"}},
        // no results, no rule conclusions ("duży_dom"), no "bez warunku", nothing beginning
        // with n, no numbers; sorted by CP1250 bytes ("ł" after every ASCII letter)
        {"lista_argumentow_dopytywalnych", stan().lista_argumentow_dopytywalnych,
         {"a1", "a2", "cena_m2", "ciepło", "długość", "szerokość", "temp", "wsp", "x"}},
        // "ciepło", an askable condition and an askable argument, is there once
        {"lista_warunkow_i_argumentow_dopytywalnych", stan().lista_warunkow_i_argumentow_dopytywalnych,
         {"a1", "a2", "cena_m2", "ciepło", "długość", "szerokość", "temp", "wiatr", "wsp", "x"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.fact);
        EXPECT_EQ(row.list.all(), std::vector<SList>{row.expected});
    }
}

// A base of many models, large enough for the lists to be worked out side by side, of the four
// kinds interleaved, with repeated names, numbers, names beginning with n and "bez warunku".
std::string many_models(int count)
{
    std::string out;
    const auto q = [](const std::string& s) { return "\"" + s + "\""; };
    const auto v = [](int i) { return (i % 5 == 0 ? "nv" : "v") + std::to_string(i % 3001); };
    const auto r = [](int i) { return "r" + std::to_string(i % 2503); };
    for (int i = 0; i < count; ++i) {
        const std::string n = std::to_string(i + 1);
        const std::string w = q(i % 3 == 0 ? "bez warunku" : "w" + std::to_string(i % 41));
        switch (i % 4) {
            case 0: out += "model(" + n + "," + w + "," + q(r(i)) + "," + q(v(i * 7)) + "," + q(i % 8 ? "+" : ">=") + "," + q(i % 6 ? v(i + 3) : "2.5") + ",1,\"1\")\n"; break;
            case 1: out += "model_r(" + n + "," + w + "," + q(r(i)) + "," + q(i % 3 ? "max_list" : "<,<") + ",[" + q(v(i + 1)) + "," + q("7") + "," + q(v(i * 3)) + "],1,\"1\")\n"; break;
            case 2: out += "model_liniowy(" + n + "," + w + "," + q(r(i)) + ",[" + q("0.5") + "," + q(v(i * 11)) + "],[" + q(v(i + 2)) + "," + q(v(i * 5)) + "],1,\"1\")\n"; break;
            default: out += "model_wielomianowy(" + n + "," + w + "," + q(r(i)) + "," + q(v(i * 13)) + ",[" + q("1") + "," + q(v(i + 9)) + "],[0,1],1,\"1\")\n";
        }
    }
    return out;
}

TEST_F(ModelBaseTest, ALargeBaseGivesTheListsThatTheStepsOneByOneGive)
{
    start();
    load_bases(many_models(24000));
    kb::Context& c = *ctx_;
    kb::Stan& s = stan();
    kb::wyznacz_i_pamietaj_listy_modeli(c);
    const std::vector<facts::NameList> together = {*s.lista_argumentow_modeli.first(), *s.lista_wnioskow_modeli.first(),
                                                   *s.lista_warunkow_stosowania.first(), *s.lista_wynikow_modeli.first()};
    ASSERT_TRUE(kb::wyznacz_dopytywalne_zmienne(c));
    const auto zmienne = s.zmienne.all();
    const auto wyniki = s.wyniki.all();
    const auto zredukowane = s.argumenty_zredukowane.all();
    const auto wyniki_zredukowane = s.wyniki_zredukowane.all();
    ASSERT_EQ(zmienne.size(), 4u);
    EXPECT_GT(s.lista_argumentow_dopytywalnych.first()->size(), 1000u);

    kb::wyznacz_i_pamietaj_argumenty_modeli(c);
    kb::wyznacz_i_pamietaj_wnioski_modeli(c);
    kb::wyznacz_i_pamietaj_warunki_stosowania_modeli(c);
    kb::wyznacz_i_pamietaj_wyniki_modeli(c);
    EXPECT_EQ(together, (std::vector<facts::NameList>{*s.lista_argumentow_modeli.first(), *s.lista_wnioskow_modeli.first(),
                                                     *s.lista_warunkow_stosowania.first(), *s.lista_wynikow_modeli.first()}));
    s.zmienne.remove_all();
    s.wyniki.remove_all();
    kb::zmienne_z_modelu(c);
    kb::zmienne_z_modelu_r(c);
    kb::zmienne_z_modelu_lin(c);
    kb::zmienne_z_modelu_wiel(c);
    EXPECT_EQ(s.zmienne.all(), zmienne);
    EXPECT_EQ(s.wyniki.all(), wyniki);
    facts::NameList joined, joined_results;
    for (const facts::NameList& l : zmienne) joined.insert(joined.end(), l.begin(), l.end());
    for (const facts::NameList& l : wyniki) joined_results.insert(joined_results.end(), l.begin(), l.end());
    EXPECT_EQ(zredukowane, std::vector<facts::NameList>{kb::redukuj(joined)});
    EXPECT_EQ(wyniki_zredukowane, std::vector<facts::NameList>{kb::redukuj(joined_results)});
}

TEST_F(ModelBaseTest, WithoutModelsTheListsAreEmptyAndAllAskablesAreTheConditions)
{
    start();
    load_bases("m_fakt(\"ciepło\",\"0.7\")\n");
    compute_askables();
    for (const auto* list : {&stan().lista_argumentow_modeli, &stan().lista_wnioskow_modeli,
                             &stan().lista_warunkow_stosowania, &stan().lista_wynikow_modeli,
                             &stan().lista_argumentow_dopytywalnych})
        EXPECT_EQ(list->all(), std::vector<SList>{SList{}});
    EXPECT_TRUE(stan().zmienne.empty());
    EXPECT_EQ(stan().lista_warunkow_i_argumentow_dopytywalnych.first(), (SList{"ciepło", "dom_duży", "wiatr"}));
}

TEST_F(ModelBaseTest, MissingInputsFailWithoutEffect)
{
    start();
    kb::Context& c = *ctx_;
    EXPECT_FALSE(kb::redukuj_warunki_dopytywalne(c));
    EXPECT_TRUE(stan().lista_wszystkich_dopytywalnych_dla_wyswietlania.empty());

    factfile::load_text(c.db.baza_modeli, kModelBase);
    EXPECT_FALSE(kb::wyznacz_dopytywalne_zmienne(c));  // no rule base
    EXPECT_TRUE(stan().zmienne.empty());
    EXPECT_TRUE(stan().argumenty_zredukowane.empty());

    stan().nazwa_re.add_first("REdom.BQZ");  // a rule base, but no list of its conclusions
    EXPECT_FALSE(kb::wyznacz_dopytywalne_zmienne(c));
    EXPECT_EQ(stan().zmienne.size(), 4u);
    EXPECT_EQ(stan().argumenty_zredukowane.size(), 1u);
    EXPECT_TRUE(stan().lista_argumentow_dopytywalnych.empty());

    EXPECT_FALSE(kb::wyznacz_warunki_i_argumenty_dopytywalne(c));
    EXPECT_TRUE(stan().lista_warunkow_i_argumentow_dopytywalnych.empty());
}

TEST_F(ModelBaseTest, NamesDifferingInCaseAreDifferentAndAnOutOfRangeNumberIsAVariable)
{
    start();
    load_bases("model(1,\"bez warunku\",\"Pole\",\"pole\",\"+\",\"1e400\",1,\"1\")\n");
    compute_askables();
    EXPECT_EQ(stan().lista_argumentow_dopytywalnych.first(), (SList{"1e400", "pole"}));
}

// A second model-base load on the same rule base: every list describes the new base only,
// one fact per name, so that no reader meets the lists of the base before.
TEST_F(ModelBaseTest, ListsOfASecondLoadReplaceThoseOfTheFirst)
{
    start();
    load_bases();
    compute_askables();

    kb::Context& c = *ctx_;
    kb::kasowanie_dmodel(c);
    kb::kasowanie_dmodel_r(c);
    kb::kasowanie_dmodel_liniowy(c);
    kb::kasowanie_dmodel_wielomianowy(c);
    kb::kasowanie_argument_znany(c);
    kb::kasowanie_m_fakt(c);
    factfile::load_text(c.db.baza_modeli, "model(1,\"bez warunku\",\"wiatr\",\"v\",\">\",\"10\",1,\"1\")\n");
    compute_askables();
    kb::wyznacz_i_pamietaj_wnioski_modeli(c);  // as backward inference does before reading it

    EXPECT_EQ(stan().lista_argumentow_modeli.all(), std::vector<SList>{SList{}});
    EXPECT_EQ(stan().lista_wnioskow_modeli.all(), std::vector<SList>{SList{"wiatr"}});
    EXPECT_EQ(stan().lista_warunkow_stosowania.all(), std::vector<SList>{SList{"bez warunku"}});
    EXPECT_EQ(stan().lista_wynikow_modeli.all(), std::vector<SList>{SList{}});
    EXPECT_EQ(stan().lista_wszystkich_dopytywalnych_dla_wyswietlania.all(),
              (std::vector<SList>{{"ciepło", "dom_duży"}}));
    EXPECT_EQ(stan().argumenty_zredukowane.all(), std::vector<SList>{SList{"v"}});
    EXPECT_EQ(stan().wyniki_zredukowane.all(), std::vector<SList>{SList{"wiatr"}});
    EXPECT_EQ(stan().lista_argumentow_dopytywalnych.all(), std::vector<SList>{SList{"v"}});
    EXPECT_EQ(stan().lista_warunkow_i_argumentow_dopytywalnych.all(),
              (std::vector<SList>{{"ciepło", "dom_duży", "v"}}));
}

// ---- The known-argument check -----------------------------------------------------------------

TEST_F(ModelBaseTest, KnownArgumentsThatAreAskablePass)
{
    start();
    load_bases();
    compute_askables();
    EXPECT_TRUE(kb::testowanie_dopytywalnosci_argumentow(*ctx_));
    EXPECT_EQ(transcript(), "");
    EXPECT_EQ(ctx_->db.baza_modeli.argument_znany.size(), 2u);
}

TEST_F(ModelBaseTest, CheckPassesWithoutKnownArgumentsWithoutModelBaseNameOrWithoutTheList)
{
    start();
    load_bases("model(1,\"bez warunku\",\"r\",\"a\",\"+\",\"b\",1,\"1\")\n");
    compute_askables();
    EXPECT_TRUE(kb::testowanie_dopytywalnosci_argumentow(*ctx_));

    factfile::load_text(ctx_->db.baza_modeli, "argument_znany(\"r\",1)\n");  // a result: not askable
    kb::kasowanie_argumentow_dopytywalnych(*ctx_);
    EXPECT_TRUE(kb::testowanie_dopytywalnosci_argumentow(*ctx_));
    compute_askables();
    kb::kasowanie_nazwy_mo(*ctx_);
    EXPECT_TRUE(kb::testowanie_dopytywalnosci_argumentow(*ctx_));
    EXPECT_EQ(transcript(), "");
}

// A result, a rule conclusion, a number, a word beginning with n, and one of them twice: each
// is reported in the order of the base file, repeats included; then the whole model base is
// forgotten, while the rule base and the full path of the model-base file stay.
TEST_F(ModelBaseTest, NotAskableKnownArgumentsAreReportedAndTheModelBaseIsForgottenAsAUnit)
{
    start("note \"Błędne argumenty znane bazy modeli MOdom.BQZ\"\n");
    load_bases(std::string(kModelBase) +
               "argument_znany(\"pole\",80)\n"
               "argument_znany(\"decyzja\",1)\n"
               "argument_znany(\"3\",3)\n"
               "argument_znany(\"nadwyżka\",0)\n"
               "argument_znany(\"pole\",81)\n");
    compute_askables();

    EXPECT_FALSE(kb::testowanie_dopytywalnosci_argumentow(*ctx_));

    const std::string expected =
        "aux (no window): Błędne argumenty znane bazy modeli MOdom.BQZ.\n"
        "aux (no window): Następujące argumenty znane nie są argumentami dopytywalnymi: \n"
        "aux (no window):    pole\n"
        "aux (no window):    decyzja\n"
        "aux (no window):    3\n"
        "aux (no window):    nadwyżka\n"
        "aux (no window):    pole\n"
        "aux (no window): Przejdź do 'Bazy modeli niepewnej',\n"
        "aux (no window): wybierz opcję 'Edycja bazy modeli', wybierz błędną bazę \n"
        "aux (no window): i usuń argumenty znane nie będące argumentami dopytywalnymi!\n" +
        note_line("Błędne argumenty znane bazy modeli MOdom.BQZ",
                  "Następujące argumenty znane \nnie są argumentami dopytywalnymi:\n   "
                  "[\"pole\",\"decyzja\",\"3\",\"nadwyżka\",\"pole\"]"
                  "\nPrzejdź do 'Bazy modeli niepewnej',"
                  "\nwybierz opcję 'Edycja bazy modeli', \nwybierz błędną bazę "
                  "\ni usuń argumenty znane nie będące \nargumentami dopytywalnymi!");
    EXPECT_EQ(transcript(), expected);
    EXPECT_TRUE(ctx_->db.baza_raportu.tekst_raportu.empty());  // plain writes only
    expect_model_base_forgotten();
}

}  // namespace

namespace {

using namespace kb::testing;

TEST_F(ModelBaseTest, KasowanieNazwyMoKeepsTheFullPath)
{
    start();
    load_bases();
    kb::kasowanie_nazwy_mo(*ctx_);
    EXPECT_TRUE(stan().nazwa_mo.empty());
    EXPECT_EQ(stan().nazwa_mo_pelna.size(), 1u);
}

// What the diagnoses found in a model base goes with it; only the report of its own
// contradictions keeps them, to be written again.
TEST_F(ModelBaseTest, ForgettingTheModelBaseForgetsItsFindings)
{
    for (bool whole : {false, true}) {
        SCOPED_TRACE(whole);
        start();
        load_bases();
        stan().duplikat_nazwy_mo.add_last("MOdom.BQZ");
        kb::WynikiDiagnoz& w = ctx_->db.wyniki_diagnoz;
        w.model_arytmetyczny_sprzeczny.add_last({1, "y"});
        w.model_aryt_sprzeczny.add_last("TAK");
        w.model_arytmetyczny_sprzeczny_gleboko.add_last({1, {2, 1}, "y"});
        w.model_sprzeczny_gleboko.add_last("TAK");
        w.model_relacyjny_sprzeczny.add_last({3, "x"});
        w.model_rela_sprzeczny.add_last("TAK");
        w.modele_i_reguly_sprzeczne.add_last({3, 5, {0}, {3}});
        w.sprzecznosc_mr.add_last("TAK");
        if (whole) kb::forget_model_base(*ctx_);
        else kb::forget_model_contents(*ctx_);
        EXPECT_TRUE(ctx_->db.baza_modeli.model.empty());
        EXPECT_TRUE(stan().nazwa_mo.empty());
        const std::size_t left = whole ? 0u : 1u;
        EXPECT_EQ(stan().duplikat_nazwy_mo.size(), left);
        EXPECT_EQ(w.model_arytmetyczny_sprzeczny.size(), left);
        EXPECT_EQ(w.model_aryt_sprzeczny.size(), left);
        EXPECT_EQ(w.model_arytmetyczny_sprzeczny_gleboko.size(), left);
        EXPECT_EQ(w.model_sprzeczny_gleboko.size(), left);
        EXPECT_EQ(w.model_relacyjny_sprzeczny.size(), left);
        EXPECT_EQ(w.model_rela_sprzeczny.size(), left);
        EXPECT_EQ(w.modele_i_reguly_sprzeczne.size(), left);
        EXPECT_EQ(w.sprzecznosc_mr.size(), left);
    }
}

}  // namespace
