// The reports of the model base's contradictions and of the joint contradictions of models and
// rules: their exact texts in the report and in the notes, what goes to the window only, what
// the first report unloads, and that both can be written again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../kb/kb_harness.h"
#include "diagnostics/diagnozy.h"
#include "kb/pisz.h"

namespace {

using std::string;
using std::vector;

class RaportSprzecznosciModeliTest : public kb::testing::KbHarness {
protected:
    string tekst() { return ctx().db.baza_raportu.tekst_raportu.first().value_or("<none>"); }
    static string notes(int n)
    {
        string s;
        for (int i = 0; i < n; ++i) s += "note\n";
        return s + "question -> \"&Nie\"\n";
    }
    // The state a contradictory model-base load leaves.
    void contradictory_base()
    {
        ctx().db.stan.duplikat_nazwy_mo.add_last("MOx.BQZ");
        load(ctx().db.baza_modeli, "model(1,\"w\",\"y\",\"a\",\"+\",\"1\",1,\"1\")\nm_fakt(\"w\",\"1\")\n"
                                   "argument_znany(\"a\",2)\n");
        auto& w = ctx().db.wyniki_diagnoz;
        w.model_arytmetyczny_sprzeczny.add_last({1, "y"});
        w.model_aryt_sprzeczny.add_last("TAK");
        w.model_arytmetyczny_sprzeczny_gleboko.add_last({1, {3, 2, 1}, "y"});
        w.model_sprzeczny_gleboko.add_last("TAK");
    }
};

TEST_F(RaportSprzecznosciModeliTest, ArithmeticContradictionsReportedAndTheBaseUnloaded)
{
    const string raport =
        " Raport diagnostyki sprzeczności bazy modeli \n MOx.BQZ\n\n"
        " Następujące modele arytmetyczne są bezpośrednio sprzeczne:\n\n"
        " Model 1 ma wynik 'y'\n tożsamy ze swym argumentem.\n"
        "\n Następujące modele arytmetyczne są pośrednio sprzeczne:\n\n"
        " Model 1 ma wynik 'y'\n"
        " tożsamy z jednym z argumentów zagnieżdżających się z nim modeli o numerach:      3,2\n\n"
        " Można to wykazać usuwając zagnieżdżenie na drodze podstawienia:       3 ==> 2 ==> 1\n"
        "\n\n Koniec raportu diagnostyki sprzeczności bazy modeli \n MOx.BQZ.";
    start(notes(5) + notes(5));
    contradictory_base();
    for (int run = 0; run < 2; ++run) {  // the second report writes the same, unloading nothing more
        SCOPED_TRACE(run);
        diagnostics::pisz_sprzecznosc_mz(ctx());
        EXPECT_EQ(tekst(), raport);
        EXPECT_TRUE(ctx().db.baza_modeli.model.empty());
        EXPECT_TRUE(ctx().db.baza_modeli.m_fakt.empty());
        EXPECT_TRUE(ctx().db.baza_modeli.argument_znany.empty());
        EXPECT_EQ(ctx().db.stan.duplikat_nazwy_mo.size(), 1u);
        EXPECT_EQ(ctx().db.wyniki_diagnoz.model_arytmetyczny_sprzeczny.size(), 1u);
    }
    const auto n = lines_after("note");
    ASSERT_EQ(n.size(), 10u);
    EXPECT_EQ(n[1], "\"Sprzeczność modelu\": \"Model arytmetyczny 1 ma wynik 'y' \\n tożsamy ze swym argumentem.\"");
    EXPECT_EQ(n[3], "\"Sprzeczność modelu arytmetycznego\": \"Model arytmetyczny 1 ma wynik 'y' \\n tożsamy z jednym z "
                    "argumentów zagnieżdżających się z nim modeli o numerach:\\n [\\\"3\\\",\\\"2\\\"]\\nMożna to wykazać "
                    "usuwając zagnieżdżenie na drodze podstawienia:\\n 3 ==> 2 ==> 1\"");
    EXPECT_EQ(n[4], "\"Sprzeczność modelu arytmetycznego\": \"Przejdź do 'Bazy modeli niepewnej', wybierz opcję 'Edycja "
                    "bazy modeli',\\nwybierz błędną bazę i usuń błąd.\"");
}

// With a relational finding the advice comes once, after the relational group.
TEST_F(RaportSprzecznosciModeliTest, RelationalContradictions)
{
    start(notes(5));
    contradictory_base();
    ctx().db.wyniki_diagnoz.model_arytmetyczny_sprzeczny_gleboko.remove_all();
    ctx().db.wyniki_diagnoz.model_sprzeczny_gleboko.remove_all();
    ctx().db.wyniki_diagnoz.model_relacyjny_sprzeczny.add_last({7, "x"});
    ctx().db.wyniki_diagnoz.model_rela_sprzeczny.add_last("TAK");
    diagnostics::pisz_sprzecznosc_mz(ctx());
    EXPECT_EQ(tekst(), " Raport diagnostyki sprzeczności bazy modeli \n MOx.BQZ\n\n"
                       " Następujące modele arytmetyczne są bezpośrednio sprzeczne:\n\n"
                       " Model 1 ma wynik 'y'\n tożsamy ze swym argumentem.\n"
                       "\n Następujące modele relacyjne są sprzeczne:\n\n"
                       " Model 7 ma wniosek 'x'\n tożsamy ze swym warunkiem stosowania.\n"
                       "\n\n Koniec raportu diagnostyki sprzeczności bazy modeli \n MOx.BQZ.");
    const auto n = lines_after("note");
    ASSERT_EQ(n.size(), 5u);
    EXPECT_EQ(n[3], "\"Sprzeczność modelu relacyjnego\": \"Model 7\\nma wniosek 'x'  tożsamy ze swym warunkiem "
                    "stosowania.\"");
    EXPECT_EQ(n[4], "\"Sprzeczność modelu relacyjnego\": \"Przejdź do 'Bazy modeli', wybierz opcję 'Edycja bazy "
                    "modeli',\\nwybierz błędną bazę i usuń błąd.\"");
    EXPECT_TRUE(ctx().db.baza_modeli.model.empty());
}

class RaportSprzecznosciLacznychTest : public RaportSprzecznosciModeliTest {
protected:
    void names()
    {
        ctx().db.stan.nazwa_re.add_first("REx.BQZ");
        ctx().db.stan.nazwa_mo.add_first("MOx.BQZ");
    }
};

TEST_F(RaportSprzecznosciLacznychTest, NothingFoundTouchesNoReport)
{
    start("note\n");
    names();
    kb::kasowanie_tekst_raportu(ctx());
    kb::pisz_tuto(ctx(), "earlier");
    diagnostics::pisz_sprzecznosc_mr(ctx());
    EXPECT_EQ(tekst(), "earlier");
    EXPECT_EQ(lines_after("note"), (vector<string>{"\"Informacja o sprzecznościach łącznych bazy modeli i bazy reguł\": "
                                                   "\"Baza modeli rozwinięta niepewna\\n   MOx.BQZ\\ni baza reguł "
                                                   "rozwinięta niepewna\\n   REx.BQZ\\n nie są łącznie sprzeczne.\""}));
    EXPECT_TRUE(transcript().find("question") == string::npos);
}

TEST_F(RaportSprzecznosciLacznychTest, EachFindingWithItsChains)
{
    const string tytul = "\"Informacja o sprzecznościach łącznych bazy modeli i bazy reguł\": ";
    const string raport = " Raport diagnostyki sprzeczności łącznych \n bazy reguł  REx.BQZ\n bazy modeli MOx.BQZ\n"
                          "\n Model relacyjny 1 jest łącznie sprzeczny z regułą 5\n"
                          "\n Model relacyjny 1 jest łącznie sprzeczny z regułą 5\n"
                          " poprzez łańcuch zagnieżdżających się reguł o numerach 8,7\n"
                          "\n Model relacyjny 1 jest łącznie sprzeczny z regułą 5\n"
                          " poprzez łańcuch zagnieżdżajacych się modeli o numerach 2\n"
                          "\n Model relacyjny 4 jest łącznie sprzeczny z regułą 6\n"
                          " poprzez łańcuch zagnieżdżających się reguł o numerach 9\n"
                          " i poprzez łańcuch zagnieżdżajacych się modeli o numerach 3,2\n"
                          "\n Koniec raportu diagnostyki sprzeczności łącznych \n bazy reguł  REx.BQZ\n bazy modeli MOx.BQZ.\n";
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        start(notes(6));
        names();
        auto& w = ctx().db.wyniki_diagnoz;
        w.modele_i_reguly_sprzeczne.add_last({1, 5, {0}, {1}});
        w.modele_i_reguly_sprzeczne.add_last({1, 5, {7, 0, 8}, {1}});
        w.modele_i_reguly_sprzeczne.add_last({1, 5, {0}, {2, 1}});
        w.modele_i_reguly_sprzeczne.add_last({4, 6, {9, 6, 0}, {2, 4, 3}});
        diagnostics::pisz_sprzecznosc_mr(ctx());
        EXPECT_EQ(tekst(), raport);
        EXPECT_EQ(w.modele_i_reguly_sprzeczne.size(), 4u);
        const auto n = lines_after("note");
        ASSERT_EQ(n.size(), 6u);
        EXPECT_EQ(n[1], tytul + "\" Model relacyjny 1 jest łącznie sprzeczny z regułą 5\"");
        EXPECT_EQ(n[2], tytul + "\" Model relacyjny 1 jest łącznie sprzeczny z regułą 5\\n poprzez łańcuch "
                                "zagnieżdżających się reguł o numerach [\\\"8\\\",\\\"7\\\"]\"");
        EXPECT_EQ(n[4], tytul + "\" Model relacyjny 4 jest łącznie sprzeczny z regułą 6\\n poprzez łańcuch "
                                "zagnieżdżających się reguł o numerach [\\\"9\\\"]\\n i poprzez łańcuch zagnieżdżających "
                                "się modeli o numerach [\\\"3\\\",\\\"2\\\"]\"");
    }
}

}  // namespace
