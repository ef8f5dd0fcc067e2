// The numbered rule-base actions on a small fixture base: viewing the file with the window
// title, the askable conditions with and without a model base, forgetting the base, the
// diagnosis reports, and the numbers that do nothing.
#include "app/base_actions.h"

#include "../kb/rule_base_fixture.h"
#include "kb/dopytywalne.h"
#include "platform/files.h"
#include "platform/toolkit.h"

namespace app {
namespace {

using kb::AkcjaWynik;
using kb::SList;
using kb::pusty_wynik_akcji;
using kb::testing::BazaRegulTest;
using kb::testing::kBaseFile;

TEST_F(BazaRegulTest, Action1GivesTheFileTextAndSetsTheTitle)
{
    load_base();
    std::optional<AkcjaWynik> wynik;
    in_main_window([&] {
        wynik = dzialanie_w_bazie_regul(ctx(), 1);
        EXPECT_EQ(title(), "velk_QZ Przegląd pliku bazy: REzoo.BQZ");
    });
    ASSERT_TRUE(wynik);
    EXPECT_EQ(wynik->lista, SList{""});
    EXPECT_EQ(wynik->tekst, kBaseFile);
}

TEST_F(BazaRegulTest, Action1WithoutRulesFailsAndKeepsTheTitle)
{
    load_base("fakt(\"a\",\"1\")\n");
    in_main_window([&] {
        EXPECT_FALSE(dzialanie_w_bazie_regul(ctx(), 1));
        EXPECT_EQ(title(), "velk");
    });
    start("");
    EXPECT_FALSE(dzialanie_w_bazie_regul(ctx(), 1));  // no rule base at all
}

TEST_F(BazaRegulTest, Action1RaisesWhenTheFileIsGone)
{
    load_base();
    std::filesystem::remove(path("REzoo.BQZ"));
    EXPECT_THROW(dzialanie_w_bazie_regul(ctx(), 1), files::FileError);
}

TEST_F(BazaRegulTest, Action2WithoutModelBaseGivesTheSortedAskables)
{
    load_base("reguła(1,\"c\",[\"z\",\"a\",\"B\"],1,\"1\")\n");
    const auto wynik = dzialanie_w_bazie_regul(ctx(), 2);
    ASSERT_TRUE(wynik);
    EXPECT_EQ(*wynik, (AkcjaWynik{{"B", "a", "z"}, "Warunki dopytywalne bazy reguł REzoo.BQZ"}));
    EXPECT_EQ(aux(), (std::vector<std::string>{"Warunki dopytywalne  bazy reguł  REzoo.BQZ"}));
    EXPECT_EQ(ctx().db.baza_raportu.tekst_raportu.size(), 0u);  // plain writes only
}

TEST_F(BazaRegulTest, Action2WithModelBaseGivesTheKnowledgeBaseAskables)
{
    load_base();
    stan().nazwa_mo.add_first("MOzoo.BQZ");
    EXPECT_FALSE(dzialanie_w_bazie_regul(ctx(), 2));  // the list is written at the model-base load
    stan().lista_wszystkich_dopytywalnych_dla_wyswietlania.add_last({"gorączka", "temp"});
    const auto wynik = dzialanie_w_bazie_regul(ctx(), 2);
    ASSERT_TRUE(wynik);
    EXPECT_EQ(*wynik, (AkcjaWynik{{"gorączka", "temp"}, "Warunki dopytywalne bazy reguł z uwzględnieniem bazy modeli."}));
    const std::vector<std::string> lines = {"     Warunki dopytywalne bazy reguł REzoo.BQZ",
                                            "       z uwzględnieniem bazy modeli MOzoo.BQZ"};
    EXPECT_EQ(aux(), (std::vector<std::string>{lines[0], lines[1], lines[0], lines[1]}));
}

TEST_F(BazaRegulTest, Action2WithoutRuleBaseFailsSilently)
{
    EXPECT_FALSE(dzialanie_w_bazie_regul(ctx(), 2));
    EXPECT_EQ(transcript(), "");
}

TEST_F(BazaRegulTest, Action4ForgetsTheRuleBaseAsAUnit)
{
    load_base();
    stan().lista_wszystkich_dopytywalnych_dla_wyswietlania.add_last({"a"});
    stan().lista_warunkow_i_argumentow_dopytywalnych.add_last({"a"});
    auto& w = ctx().db.wyniki_diagnoz;
    w.sprzecznosc_1z.add_last("TAK");
    w.reguly_sprzeczne.add_last({1, 1, {1}});
    w.sprzecznosc_1w.add_last({1, "ryzyko", {"a", "na"}, {}});
    w.sprzecznosc_1_w.add_last("TAK");
    w.regula_splaszczona_1w.add_last({1, "ryzyko", {"a", "na"}, {}});
    w.jest_nadmiar.add_last("TAK");
    w.reguly_nadmiarowe_n1.add_last({1, 2});
    w.para_splaszczona_n1.add_last({1, "ryzyko", {"a"}, {}, 2, {"a"}, {}});
    w.regula_do_testowania.add_last({1, "ryzyko", {"a"}});
    EXPECT_EQ(dzialanie_w_bazie_regul(ctx(), 4), pusty_wynik_akcji());
    // Its findings go with it: a contradiction flag left behind would refuse the next loads.
    EXPECT_TRUE(w.sprzecznosc_1z.empty() && w.reguly_sprzeczne.empty());
    EXPECT_TRUE(w.sprzecznosc_1w.empty() && w.sprzecznosc_1_w.empty() && w.regula_splaszczona_1w.empty());
    EXPECT_TRUE(w.jest_nadmiar.empty() && w.reguly_nadmiarowe_n1.empty() && w.para_splaszczona_n1.empty());
    EXPECT_TRUE(w.regula_do_testowania.empty());
    EXPECT_TRUE(ctx().db.baza_regul.regula.empty());
    EXPECT_TRUE(ctx().db.baza_regul.fakt.empty());
    EXPECT_TRUE(ctx().db.baza_regul.regula_dysjunktywna.empty());
    EXPECT_TRUE(stan().nazwa_re.empty() && stan().nazwa_re_pelna.empty());
    EXPECT_TRUE(stan().dopytywalny.empty() && stan().lista_warunkow_dopytywalnych.empty());
    EXPECT_TRUE(stan().lista_wszystkich_dopytywalnych_dla_wyswietlania.empty());
    EXPECT_TRUE(stan().lista_warunkow.empty() && stan().lista_wnioskow_regul.empty());
    EXPECT_TRUE(stan().lista_warunkow_i_argumentow_dopytywalnych.empty());
}

TEST_F(BazaRegulTest, Action5KeepsOnlyTheFullPath)
{
    load_base();
    EXPECT_EQ(dzialanie_w_bazie_regul(ctx(), 5), pusty_wynik_akcji());
    EXPECT_TRUE(ctx().db.baza_regul.regula.empty());
    EXPECT_TRUE(ctx().db.baza_regul.fakt.empty());
    EXPECT_TRUE(ctx().db.baza_regul.regula_dysjunktywna.empty());
    EXPECT_TRUE(stan().nazwa_re.empty());
    EXPECT_TRUE(stan().lista_warunkow_dopytywalnych.empty());
    EXPECT_EQ(stan().nazwa_re_pelna.all(), SList{path("REzoo.BQZ")});
    EXPECT_FALSE(dzialanie_w_bazie_regul(ctx(), 1));  // the path is there, the rules are not
}

TEST_F(BazaRegulTest, DiagnosisReportsAndNumbersWithoutAnAction)
{
    load_base();
    EXPECT_FALSE(dzialanie_w_bazie_regul(ctx(), 7));  // no redundant pair recorded: nothing written
    for (int n : {0, 3, 8, 10, -1}) EXPECT_FALSE(dzialanie_w_bazie_regul(ctx(), n)) << n;
    EXPECT_EQ(ctx().db.baza_regul.regula.size(), 2u);
    EXPECT_EQ(transcript(), "");
}

// The report actions answer with their report: the outputs of an action that only does
// something, or nothing once the rule base is forgotten.
TEST_F(BazaRegulTest, DiagnosisReportActionsAnswerWithTheirReport)
{
    start("note \"Uwaga!\"\nnote \"Wynik diagnozowania sprzeczności wewnętrznej\"\n"
          "note \"Uwaga!\"\nnote \"Uwaga!\"\n");
    load_base();
    ctx().db.stan_ladowania.rozszerzenie.add_first(".BQZ");
    EXPECT_EQ(dzialanie_w_bazie_regul(ctx(), 6), pusty_wynik_akcji());
    EXPECT_EQ(dzialanie_w_bazie_regul(ctx(), 9), pusty_wynik_akcji());
    ASSERT_TRUE(dzialanie_w_bazie_regul(ctx(), 4));
    EXPECT_FALSE(dzialanie_w_bazie_regul(ctx(), 6));
    EXPECT_FALSE(dzialanie_w_bazie_regul(ctx(), 9));
    EXPECT_EQ(lines_after("note").size(), 4u);
}

}  // namespace
}  // namespace app
