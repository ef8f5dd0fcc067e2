// The rule-base load and its frame: what a load leaves behind when it is cancelled, refused or
// stopped by a read error (nothing of the file, no markers), what it forgets of the previous
// knowledge base, the per-base duplicate flag, and the small pure rules of its checks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "../kb/kb_harness.h"
#include "diagnostics/testy_ladowania_regul.h"
#include "kb/baza_regul.h"
#include "kb/wyroznik.h"
#include "load/baza_regul_ladowanie.h"
#include "load/cf_regul.h"
#include "load/kasowanie.h"
#include "load/ladowanie.h"
#include "load/numery.h"
#include "load/pojedyncze.h"
#include "load/raport_bledu.h"

namespace {

using load::LoadResult;

class LadowanieRegulTest : public kb::testing::KbHarness {
protected:
    // Runs the rule-base load with the user's answers.
    LoadResult laduj(const std::string& script)
    {
        start(script);
        LoadResult wynik;
        in_main_window([&] { wynik = load::laduj_baze_regul(ctx()); });
        return wynik;
    }
    // A rule base in memory as a successful load leaves it.
    void zaladowana_baza(const std::string& nazwa)
    {
        load(ctx().db.baza_regul, "reguła(1,\"w\",[\"a\",\"b\"],1,\"0.5\")\n");
        ctx().db.stan.nazwa_re.add_first(nazwa);
        ctx().db.stan.nazwa_re_pelna.add_last(path(nazwa));
        ctx().db.stan.wyroznik.add_last(*kb::wyznacz_wyroznik(nazwa));
    }
    bool znaczniki_usuniete()
    {
        return ctx().db.stan.jestem_tu.empty() && ctx().db.stan.blad.empty();
    }
    static constexpr const char* kNieNieNie =
        "message \"Wybierz\" -> Nie\nmessage \"Wybierz\" -> Nie\nmessage \"Wybierz\" -> Nie\n";
};

TEST(CfText, ValidAndInvalidTexts)
{
    for (const char* dobry : {"1", "-1", "1.0", "1.", "+1", ".5", "1e0", "-0", " 0.5 ", "1E"})
        EXPECT_TRUE(load::poprawny_cf(dobry)) << dobry;
    for (const char* zly : {"5.", "1.01", "-1.0001", "0,5", "abc", "1.2.3", "0.5x", "1 0", "", "\t0.5",
                            "NAN", "inf", "-INF", "1e400", "-1e999"})
        EXPECT_FALSE(load::poprawny_cf(zly)) << zly;
}

TEST(DuplicateNumbers, FirstRepeatedByFirstOccurrence)
{
    using facts::IList;
    EXPECT_EQ(load::pierwszy_powtorzony(IList{5, 3, 3, 5}), 5);
    EXPECT_EQ(load::pierwszy_powtorzony(IList{1, 3, 2, 3}), 3);
    EXPECT_EQ(load::pierwszy_powtorzony(IList{6, 1, 9, 6, 1, 1}), 6);  // not the least repeated value
    EXPECT_EQ(load::pierwszy_powtorzony(IList{3, -3, 7}), std::nullopt);
    EXPECT_EQ(load::pierwszy_powtorzony(IList{}), std::nullopt);
    EXPECT_EQ(load::pierwszy_powtorzony(IList{4}), std::nullopt);
    // Rising numbers, as most bases have them, and rising ones with one repeat
    EXPECT_EQ(load::pierwszy_powtorzony(IList{1, 2, 3, 10}), std::nullopt);
    EXPECT_EQ(load::pierwszy_powtorzony(IList{1, 2, 3, 3}), 3);
    EXPECT_EQ(load::pierwszy_powtorzony(IList{1, 2, 3, 2}), 2);
    // Numbers far apart, down to the ends of their type
    EXPECT_EQ(load::pierwszy_powtorzony(IList{1000000, 7, -1000000, 7, 1000000}), 1000000);
    EXPECT_EQ(load::pierwszy_powtorzony(IList{INT32_MAX, INT32_MIN, 0, INT32_MIN}), INT32_MIN);
    EXPECT_EQ(load::pierwszy_powtorzony(IList{INT32_MAX, INT32_MIN}), std::nullopt);
}

TEST(DuplicateNumbers, LongListsCloseTogetherOrSpreadOut)
{
    using facts::IList;
    // A long list numbered backwards with one value twice, the numbers close together and spread
    // out over a range many times the list's length.
    for (const std::int32_t krok : {1, 3, 1000}) {
        IList lista;
        for (std::int32_t n = 5000; n >= 1; --n) lista.push_back(n * krok);
        EXPECT_EQ(load::pierwszy_powtorzony(lista), std::nullopt) << krok;
        lista.push_back(4000 * krok);
        EXPECT_EQ(load::pierwszy_powtorzony(lista), 4000 * krok) << krok;
        lista.insert(lista.begin() + 100, 17 * krok);  // a repeated value standing earlier
        EXPECT_EQ(load::pierwszy_powtorzony(lista), 17 * krok) << krok;
    }
}

TEST(DiagnosisKindNames, FromTheExtensionInCapitals)
{
    EXPECT_EQ(diagnostics::nazwa_sprzecznosci_1(".BQZ"), "SQZ1");
    EXPECT_EQ(diagnostics::nazwa_sprzecznosci_1(".bqz"), "SQZ1");
    EXPECT_EQ(diagnostics::nazwa_nadmiaru_p(".Bqz"), "NQZ1");
    EXPECT_EQ(diagnostics::nazwa_sprzecznosci_1("-2.BQZ"), std::nullopt);
    EXPECT_EQ(diagnostics::nazwa_nadmiaru_p(".TXT"), std::nullopt);
}

TEST_F(LadowanieRegulTest, MarkAndExtensionOfTheFileName)
{
    struct Przypadek {
        const char* plik;
        const char* wyroznik;
        const char* rozszerzenie;
    };
    for (const Przypadek& p : {Przypadek{"/x/REzoo.BQZ", "zoo", ".BQZ"}, Przypadek{"REzoo-2.BQZ", "zoo", ".BQZ"},
                               Przypadek{"REżaba.bqz", "żaba", ".bqz"}, Przypadek{"RE12.BQZ", "12", ".BQZ"}}) {
        start("");
        ASSERT_TRUE(load::pamietaj_wyroznik_nazwy(ctx(), p.plik)) << p.plik;
        EXPECT_EQ(ctx().db.stan.wyroznik.first(), p.wyroznik) << p.plik;
        EXPECT_EQ(ctx().db.stan_ladowania.rozszerzenie.first(), p.rozszerzenie) << p.plik;
    }
    EXPECT_FALSE(load::pamietaj_wyroznik_nazwy(ctx(), "R"));
}

TEST_F(LadowanieRegulTest, CorrespondenceComparesTheMarksOnly)
{
    start("note \"Uwaga błąd!\"\nnote \"Uwaga błąd!\"\n");
    EXPECT_TRUE(load::korespondencja(ctx(), "MOinny.BQZ"));  // no rule base loaded: no test
    zaladowana_baza("REzoo.BQZ");
    EXPECT_TRUE(load::korespondencja(ctx(), path("MOzoo.BQZ")));
    EXPECT_TRUE(load::korespondencja(ctx(), "MOzoo.TXT"));
    EXPECT_TRUE(load::korespondencja(ctx(), "DŹzoo.BQZ"));
    in_main_window([&] {
        EXPECT_FALSE(load::korespondencja(ctx(), "MOZoo.BQZ"));
        EXPECT_FALSE(load::korespondencja(ctx(), "MOzoo2.BQZ"));
    });
    EXPECT_EQ(lines_after("note \"Uwaga błąd!\":").size(), 2u);
}

TEST_F(LadowanieRegulTest, ReadErrorLeavesNothingOfTheFileAndNoMarkers)
{
    write_file("REzle.BQZ", "reguła(1,\"w\",[\"a\"],1,\"0.5\")\nfakt(\"a\",\"1\")\nregula(2,\"w\",[\"b\"],1,\"1\")\n");
    EXPECT_EQ(laduj("open -> REzle.BQZ\nnote \"Obsługa błędu\"\nnote \"Błąd\"\n"), LoadResult::refused());
    EXPECT_TRUE(ctx().db.baza_regul.regula.empty());
    EXPECT_TRUE(ctx().db.baza_regul.fakt.empty());
    EXPECT_TRUE(ctx().db.stan.nazwa_re.empty());
    EXPECT_TRUE(znaczniki_usuniete());

    write_file("REpusta.BQZ", "reguła(1,\"w\",[\"a\"],1,\"0.5\")\n\nreguła(2,\"w\",[\"b\"],1,\"1\")\n");
    EXPECT_EQ(laduj("open -> REpusta.BQZ\nnote \"Błąd\"\n"), LoadResult::refused());
    EXPECT_TRUE(ctx().db.baza_regul.regula.empty());
    EXPECT_TRUE(znaczniki_usuniete());
}

TEST_F(LadowanieRegulTest, CancelledOrRefusedFileKeepsTheLoadedBase)
{
    for (const char* script : {"open -> cancel\n", "open -> RE-x.BQZ\nnote \"Uwaga błąd!\"\n"}) {
        start(script);
        zaladowana_baza("REzoo.BQZ");
        LoadResult wynik;
        in_main_window([&] { wynik = load::laduj_baze_regul(ctx()); });
        EXPECT_EQ(wynik, LoadResult::nothing_chosen()) << script;
        EXPECT_EQ(ctx().db.baza_regul.regula.size(), 1u) << script;
        EXPECT_EQ(ctx().db.stan.nazwa_re.first(), "REzoo.BQZ") << script;
        EXPECT_TRUE(znaczniki_usuniete());
    }
}

TEST_F(LadowanieRegulTest, NewRuleBaseForgetsTheWholePreviousKnowledgeBase)
{
    write_file("REnowa.BQZ", "reguła(1,\"v\",[\"c\",\"d\"],1,\"0.5\")\n");
    start(std::string("open -> REnowa.BQZ\nnote \"Wynik ładowania bazy reguł\"\n") + kNieNieNie);
    zaladowana_baza("REstara.BQZ");
    ctx().db.baza_regul.regula_dysjunktywna.add_last("w");
    ctx().db.baza_grafiki.ngrafika.add_last({1, "x.bmp"});
    ctx().db.wyniki_diagnoz.sprzecznosc_mr.add_last("TAK");
    ctx().db.stan.lista_argumentow_modeli.add_last({"x"});
    ctx().db.stan.nazwa_mo_pelna.add_last("/x/MOstara.BQZ");
    ctx().db.baza_ograniczen.ograniczenie.add_last({1, {"a", "b"}});
    ctx().db.stan_ladowania.prbd.add_last({1, "w", 0.5});
    LoadResult wynik;
    in_main_window([&] { wynik = load::laduj_baze_regul(ctx()); });

    ASSERT_EQ(wynik, LoadResult::loaded(path("REnowa.BQZ")));
    const kb::Store& nowa = ctx().db;
    EXPECT_EQ(nowa.baza_regul.regula.size(), 1u);
    EXPECT_TRUE(nowa.baza_regul.regula_dysjunktywna.empty());
    EXPECT_TRUE(nowa.baza_grafiki.ngrafika.empty());
    EXPECT_TRUE(nowa.wyniki_diagnoz.sprzecznosc_mr.empty());
    EXPECT_TRUE(nowa.stan.lista_argumentow_modeli.empty());
    EXPECT_TRUE(nowa.stan.nazwa_mo_pelna.empty());
    EXPECT_TRUE(nowa.baza_ograniczen.ograniczenie.empty());
    EXPECT_TRUE(nowa.stan_ladowania.prbd.empty());
    EXPECT_EQ(nowa.stan.nazwa_re.all(), std::vector<std::string>{"REnowa.BQZ"});
    EXPECT_EQ(nowa.stan.wyroznik.all(), std::vector<std::string>{"nowa"});
    EXPECT_EQ(nowa.stan.opis.first(), "../OPISY/nowa.OPI");
    EXPECT_EQ(nowa.stan.lista_warunkow_dopytywalnych.first(), (facts::SList{"c", "d"}));
    EXPECT_TRUE(znaczniki_usuniete());
}

TEST_F(LadowanieRegulTest, DuplicateNumbersFailAndFlagOnlyWhileTheBaseIsLoaded)
{
    write_file("REpowt.BQZ", "reguła(2,\"w\",[\"a\",\"b\"],1,\"0.5\")\nreguła(2,\"v\",[\"c\",\"d\"],1,\"0.5\")\n");
    EXPECT_EQ(laduj("open -> REpowt.BQZ\nnote \"Wynik ładowania bazy reguł\"\nnote \"Błąd bazy reguł\"\n"),
              LoadResult::refused());
    EXPECT_EQ(ctx().db.baza_regul.regula.size(), 2u);  // the base stays for editing
    EXPECT_TRUE(load::rozne_numery(ctx(), load::BazaNumerowana::regul));
    EXPECT_TRUE(load::rozne_numery(ctx()));
    EXPECT_FALSE(load::rozne_numery(ctx(), load::BazaNumerowana::modeli));
    kb::forget_rule_base(ctx());  // any unload ends the base's flag
    EXPECT_FALSE(load::rozne_numery(ctx()));
    EXPECT_TRUE(znaczniki_usuniete());
}

TEST_F(LadowanieRegulTest, BaseUnloadedByACheckIsAFailedLoad)
{
    write_file("REcf.BQZ", "reguła(1,\"w\",[\"a\",\"b\"],1,\"1.5\")\n");
    EXPECT_EQ(laduj("open -> REcf.BQZ\nnote \"Wynik ładowania bazy reguł\"\nnote \"Błędna wartość CF dla reguły!\"\n"),
              LoadResult::refused());
    EXPECT_TRUE(ctx().db.baza_regul.regula.empty());
    EXPECT_TRUE(ctx().db.stan.nazwa_re.empty());
    EXPECT_TRUE(znaczniki_usuniete());
}

// A stop conclusion that is also a condition (with or without "n") is refused at the askables
// step: after the first diagnosis question and before the other two, with its note, the rule
// base forgotten and the load failed.
TEST_F(LadowanieRegulTest, KoniecConcludedAndAConditionIsRefusedBeforeTheLaterQuestions)
{
    for (const std::string condition : {"koniec", "nkoniec"}) {
        write_file("REstop.BQZ",
                   "reguła(1,\"koniec\",[\"a\"],1,\"0.9\")\nreguła(2,\"b\",[\"" + condition + "\"],1,\"0.5\")\n");
        EXPECT_EQ(laduj("open -> REstop.BQZ\nnote \"Wynik ładowania bazy reguł\"\nmessage \"Wybierz\" -> Nie\n"
                        "note \"Błędne reguły bazy reguł!\"\n"),
                  LoadResult::refused())
            << condition;
        EXPECT_EQ(lines_after("message").size(), 1u) << condition;
        const std::vector<std::string> lines = aux();
        ASSERT_GE(lines.size(), 5u);
        EXPECT_EQ(std::vector<std::string>(lines.end() - 5, lines.end()),
                  (std::vector<std::string>{"Wniosek \"koniec\" kończy wnioskowanie i nie może być warunkiem reguły.",
                                            "Przejdź do 'Bazy reguł niepewnej',",
                                            "wybierz opcję 'Edycja bazy reguł', wybierz błędną bazę ",
                                            "i usuń warunek \"koniec\" (lub \"nkoniec\") z reguł!", ""}))
            << condition;
        EXPECT_EQ(lines_after("note \"Błędne reguły bazy reguł!\":"),
                  (std::vector<std::string>{
                      "\"Wniosek \\\"koniec\\\" kończy wnioskowanie i nie może być warunkiem reguły.\\nPrzejdź do "
                      "'Bazy reguł niepewnej',\\nwybierz opcję 'Edycja bazy reguł', wybierz błędną bazę \\ni usuń "
                      "warunek \\\"koniec\\\" (lub \\\"nkoniec\\\") z reguł.\""}))
            << condition;
        EXPECT_TRUE(ctx().db.baza_regul.regula.empty()) << condition;
        EXPECT_TRUE(ctx().db.stan.nazwa_re.empty()) << condition;
        EXPECT_EQ(lines_after("title").back(), "\"velk_QZ wnioskuje dla bazy wiedzy STOP\" -> \"velk\"") << condition;
        EXPECT_TRUE(znaczniki_usuniete());
    }
}

// A base that only concludes "koniec", or only uses it as a condition, loads as before.
TEST_F(LadowanieRegulTest, KoniecOnlyConcludedOrOnlyAConditionLoads)
{
    for (const char* rules : {"reguła(1,\"koniec\",[\"a\"],1,\"0.9\")\n", "reguła(1,\"b\",[\"koniec\"],1,\"0.9\")\n"}) {
        write_file("REstop.BQZ", rules);
        EXPECT_EQ(laduj(std::string("open -> REstop.BQZ\nnote \"Wynik ładowania bazy reguł\"\n") + kNieNieNie),
                  LoadResult::loaded(path("REstop.BQZ")))
            << rules;
    }
}

// A rule that neither explains itself (1) nor keeps silent (0) would be applied halfway; its base
// is refused like one with a wrong CF.
TEST_F(LadowanieRegulTest, DisplayFlagOtherThanZeroOrOneRefusesTheBase)
{
    write_file("REwys.BQZ", "reguła(1,\"w\",[\"a\"],1,\"0.5\")\nreguła(7,\"v\",[\"b\"],2,\"0.5\")\n");
    EXPECT_EQ(laduj("open -> REwys.BQZ\nnote \"Wynik ładowania bazy reguł\"\nnote \"Błędny znacznik wyjaśniania dla reguły!\"\n"),
              LoadResult::refused());
    EXPECT_TRUE(ctx().db.baza_regul.regula.empty());
    EXPECT_TRUE(ctx().db.stan.nazwa_re.empty());
    const std::string t = transcript();
    EXPECT_NE(t.find("\"Błędny znacznik wyjaśniania dla reguły 7.\\nZnacznik wyjaśniania (przedostatnie pole reguły) "
                     "musi być równy 0 lub 1, a jest równy 2.\\nPrzejdź do 'Bazy reguł'"),
              std::string::npos)
        << t;
}

TEST_F(LadowanieRegulTest, RuleNumberListsPerConclusion)
{
    load(ctx().db.baza_regul,
         "reguła_dysjunktywna(\"d\")\n"
         "reguła(1,\"d\",[\"a\"],1,\"0.5\")\nreguła(2,\"c\",[\"a\"],1,\"0.5\")\n"
         "reguła(3,\"d\",[\"b\"],1,\"0.5\")\nreguła(4,\"koniec\",[\"b\"],1,\"0.5\")\n"
         "reguła(5,\"c\",[\"b\"],1,\"0.5\")\n");
    load::tworz_listy_numerow_regul_dysjunktywnych(ctx());
    load::tworz_listy_numerow_regul_kumulatywnych(ctx());
    load::tworz_listy_numerow_regul_kumulatywnych(ctx());  // a conclusion with a list gets no second one
    using L = kb::ListaNumerowRegul;
    EXPECT_EQ(ctx().db.stan_ladowania.lista_numerow_regul_dysjunktywnych.all(), (std::vector<L>{{"d", {1, 3}}}));
    EXPECT_EQ(ctx().db.stan_ladowania.lista_numerow_regul_kumulatywnych.all(), (std::vector<L>{{"c", {2, 5}}}));
}

// Declarations of conclusions no rule has (one of a text the program never met elsewhere) make
// no list and change no other conclusion's kind; an empty conclusion is a conclusion like any.
TEST_F(LadowanieRegulTest, RuleNumberListsIgnoreDeclarationsWithoutRules)
{
    load(ctx().db.baza_regul,
         "reguła_dysjunktywna(\"zadna_regula_tego_nie_wnioskuje_7f3a\")\nreguła_dysjunktywna(\"a\")\n"
         "reguła_dysjunktywna(\"\")\n"
         "reguła(1,\"d\",[\"a\"],1,\"0.5\")\nreguła(2,\"\",[\"b\"],1,\"0.5\")\nreguła(3,\"d\",[\"b\"],1,\"0.5\")\n");
    load::tworz_listy_numerow_regul_dysjunktywnych(ctx());
    load::tworz_listy_numerow_regul_kumulatywnych(ctx());
    using L = kb::ListaNumerowRegul;
    EXPECT_EQ(ctx().db.stan_ladowania.lista_numerow_regul_dysjunktywnych.all(), (std::vector<L>{{"", {2}}}));
    EXPECT_EQ(ctx().db.stan_ladowania.lista_numerow_regul_kumulatywnych.all(), (std::vector<L>{{"d", {1, 3}}}));
}

TEST_F(LadowanieRegulTest, FlagClearingRemovesOneTakOnly)
{
    auto& w = ctx().db.wyniki_diagnoz;
    w.model_relacyjny_sprzeczny.add_last({1, "x"});
    w.model_rela_sprzeczny.add_last("Tak");
    w.model_rela_sprzeczny.add_last("TAK");
    load::kasowanie_model_relacyjny_sprzeczny(ctx());
    EXPECT_TRUE(w.model_relacyjny_sprzeczny.empty());
    EXPECT_EQ(w.model_rela_sprzeczny.all(), std::vector<std::string>{"Tak"});
}

TEST_F(LadowanieRegulTest, LoadingTheSameRuleBaseAgainLeavesTheSameState)
{
    write_file("REżaba.BQZ",
               "reguła_dysjunktywna(\"d\")\nreguła(1,\"d\",[\"a\",\"b\"],1,\"0.5\")\n"
               "reguła(2,\"c\",[\"a\"],1,\"1\")\nreguła(3,\"d\",[\"nc\",\"e\"],1,\"0.7\")\n"
               "fakt(\"na\",\"0.8\")\n");
    const std::string jedno = std::string("open -> REżaba.BQZ\nnote \"Wynik ładowania bazy reguł\"\n") +
                              kNieNieNie + "message \"Wybierz:\" -> Nie\n";
    start(jedno + jedno);
    auto stan = [&] {
        const kb::Store& db = ctx().db;
        return factfile::save_text(db.baza_regul) + factfile::save_text(db.stan) +
               factfile::save_text(db.stan_ladowania) + factfile::save_text(db.wyniki_diagnoz) +
               factfile::save_text(db.baza_raportu);
    };
    std::string po_pierwszym, po_drugim;
    LoadResult pierwszy, drugi;
    in_main_window([&] {
        pierwszy = load::laduj_baze_regul(ctx());
        po_pierwszym = stan();
        drugi = load::laduj_baze_regul(ctx());
        po_drugim = stan();
    });
    ASSERT_EQ(pierwszy, LoadResult::loaded(path("REżaba.BQZ")));
    ASSERT_EQ(drugi, LoadResult::loaded(path("REżaba.BQZ")));
    EXPECT_EQ(po_drugim, po_pierwszym);
    EXPECT_EQ(ctx().db.stan.wyroznik.all(), std::vector<std::string>{"żaba"});
    EXPECT_EQ(lines_after("title"),
              std::vector<std::string>{"\"velk\" -> \"velk_QZ wnioskuje dla bazy wiedzy ŻABA\""});
}

TEST_F(LadowanieRegulTest, ConstraintWithFewerThanTwoConditionsUnloadsItsWholeBase)
{
    for (bool niepewna : {false, true}) {
        start("note \"Uwaga błąd!\"\n");
        const std::string o = niepewna ? "ograniczenie_n" : "ograniczenie";
        const std::string n = niepewna ? "nazwa_op" : "nazwa_og";
        const std::string baza = o + "(3,[\"a\",\"b\"])\n" + o + "(5,[])\n" + o + "(8,[\"c\"])\n" + n +
                                 "(\"Ox.BQZ\")\n" + n + "_pelna(\"/x/Ox.BQZ\")\n";
        const kb::BazaOgraniczen& og = ctx().db.baza_ograniczen;
        const kb::BazaOgraniczenP& op = ctx().db.baza_ograniczen_p;
        if (niepewna) load(ctx().db.baza_ograniczen_p, baza);
        else load(ctx().db.baza_ograniczen, baza);
        ctx().db.stan.jestem_tu.add_last("TAK");

        if (niepewna) load::wykrywanie_ograniczen_pojedynczych_p(ctx());
        else load::wykrywanie_ograniczen_pojedynczych(ctx());

        EXPECT_TRUE(og.ograniczenie.empty() && og.nazwa_og.empty()) << o;
        EXPECT_TRUE(op.ograniczenie_n.empty() && op.nazwa_op.empty()) << o;
        EXPECT_EQ(og.nazwa_og_pelna.size() + op.nazwa_op_pelna.size(), 1u) << o;  // the full path stays
        EXPECT_TRUE(ctx().db.stan.jestem_tu.empty()) << o;
        // Only the first short constraint, 5, is reported, its empty list as the two brackets.
        const std::vector<std::string> noty = lines_after("note \"Uwaga błąd!\":");
        ASSERT_EQ(noty.size(), 1u) << o;
        EXPECT_NE(noty[0].find("ma ograniczenie 5.\\n"), std::string::npos) << noty[0];
        EXPECT_NE(noty[0].find("\\n\\n[]\\n\\n"), std::string::npos) << noty[0];
        const std::vector<std::string> okno = aux();
        EXPECT_NE(std::find(okno.begin(), okno.end(), "    []"), okno.end()) << o;
    }
}

TEST_F(LadowanieRegulTest, NumberCheckLeavesItsLabelOnlyWhenItMadeNoReport)
{
    struct Przypadek {
        const char* reguly;
        bool z_nazwa;
        bool wynik;
        std::vector<std::string> etykiety;  // `testowanie` afterwards
        std::size_t noty;
    };
    const char* kPowtorzone =  // the same number in two notations
        "reguła(2,\"w\",[\"a\",\"b\"],1,\"0.5\")\nreguła(02,\"v\",[\"c\",\"d\"],1,\"0.5\")\n";
    const char* kRozne =  // numbers that differ only in sign
        "reguła(3,\"w\",[\"a\",\"b\"],1,\"0.5\")\nreguła(-3,\"v\",[\"c\",\"d\"],1,\"0.5\")\n";
    for (const Przypadek& p : {Przypadek{kRozne, true, true, {"baza reguł"}, 0},
                               Przypadek{kPowtorzone, true, false, {}, 1},
                               Przypadek{kPowtorzone, false, false, {"baza reguł"}, 0}}) {
        start("note \"Błąd bazy reguł\"\n");
        load(ctx().db.baza_regul, p.reguly);
        if (p.z_nazwa) ctx().db.stan.nazwa_re.add_first("REx.BQZ");
        ctx().db.stan_ladowania.testowanie.add_last("baza modeli");  // an earlier check's label
        EXPECT_EQ(load::testuj_numery_regul(ctx()), p.wynik) << p.reguly;
        EXPECT_EQ(ctx().db.stan_ladowania.testowanie.all(), p.etykiety) << p.reguly;
        EXPECT_EQ(lines_after("note \"Błąd bazy reguł\":").size(), p.noty) << p.reguly;
        // The flag is added whether or not the report could be made.
        EXPECT_EQ(ctx().db.stan_ladowania.rozne_numery.contains("baza reguł"), !p.wynik) << p.reguly;
    }
}

}  // namespace
