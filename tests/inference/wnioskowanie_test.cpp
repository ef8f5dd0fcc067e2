// Forward inference over bases put straight into the store: what the cycle settles and in which
// order, the cases where a run must not lose a given CF or hang, the stop by "koniec", the launch
// that refuses and says why, and the summary file to the byte.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "inference/launch.h"
#include "inference/podsumowanie.h"
#include "inference/wnioskowanie.h"
#include "inference_run.h"
#include "kb/listy.h"

namespace inference {
namespace {

// A step dialog of the run, closed with "&Kontynuuj".
std::string kroki(int ile)
{
    std::string out;
    for (int i = 0; i < ile; ++i) out += "dialog 10026\npress 1\n";
    return out;
}

// The end of a run without an advice base: two notes around the final listing, the summary
// declined, the report declined.
const std::string kKoniec = "note \"Uwaga!\"\ndialog 10026\npress 1\nnote \"Uwaga!\"\n"
                            "question \"Plik podsumowania\" -> \"&NIE\"\n"
                            "question \"Raport wnioskowania/diagnostyki\" -> \"&Nie\"\n";

class Wnioskowanie : public test::InferenceRun {
protected:
    Wnioskowanie() : InferenceRun("mała") {}

    // Runs forward inference as the launch leaves it: the seed of "bez warunku", then the run.
    bool biegnij(const std::string& kroki_uzytkownika)
    {
        bool wynik = false;
        uruchom(kroki_uzytkownika, [&](kb::Context& ctx) {
            ctx.db.stan.wyroznik.add_last("test");
            kb::dodaj_wypadkowa(ctx, "bez warunku", 1.0);
            wynik = wnioskowanie(ctx);
        });
        return wynik;
    }
    std::optional<double> cf(const std::string& nazwa) { return kb::wypadkowa(ctx(), nazwa); }
};

TEST_F(Wnioskowanie, ACumulativeRuleWithoutConditionsFiresAndItsConclusionGetsAResultant)
{
    reguly = "fakt(\"a\",\"1\")\n"
             "reguła(1,\"X\",[\"bez warunku\"],0,\"0.7\")\n"
             "reguła(2,\"X\",[\"a\"],0,\"0.5\")\n"
             "reguła(3,\"Y\",[\"X\"],0,\"1\")\n";
    // The given fact is listed; resultants of X and then Y.
    EXPECT_TRUE(biegnij(kroki(1) + kroki(2) + kKoniec));
    EXPECT_EQ(cf("X"), 0.85);
    EXPECT_EQ(cf("nX"), -0.85);
    EXPECT_EQ(cf("Y"), 0.85);
}

TEST_F(Wnioskowanie, AGivenCfStaysWhicheverPolarityItWasGivenIn)
{
    // nX belongs to an exact constraint, so its completion records its partner, not X.
    dokladne = "ograniczenie(1,[\"nX\",\"Z\"])\n";
    for (const std::string given : {"X", "nX"}) {
        reguly = "fakt(\"" + given + "\",\"1\")\n"
                 "reguła(1,\"X\",[\"bez warunku\"],0,\"-0.6\")\n";
        EXPECT_TRUE(biegnij(kroki(1) + kKoniec)) << given;
        EXPECT_EQ(cf(given), 1.0) << given;
        // No resultant of the rule was stored over the given CF or over its completed negation.
        EXPECT_EQ(kb::wypadkowe(ctx(), given).size(), 1u) << given;
        EXPECT_EQ(kb::wypadkowe(ctx(), kb::negacja(given)), (std::vector<double>{-1.0})) << given;
    }
}

TEST_F(Wnioskowanie, ARuleReEnabledByALaterContributionEndsTheRunAllTheSame)
{
    // Y fires on the given X; then X's own rule records a contribution, which takes Y's mark
    // away; Y is examined again but its list is empty, and the run ends.
    reguly = "fakt(\"X\",\"0.5\")\nfakt(\"a\",\"1\")\n"
             "reguła(1,\"Y\",[\"X\"],0,\"1\")\n"
             "reguła(2,\"X\",[\"a\"],0,\"0.6\")\n";
    EXPECT_TRUE(biegnij(kroki(1) + kroki(1) + kKoniec));
    EXPECT_EQ(cf("X"), 0.5);
    EXPECT_EQ(cf("Y"), 0.5);
}

TEST_F(Wnioskowanie, TwoStopRulesRecordBothAndEndTheRunWithOneNoteAndNoOffers)
{
    reguly = "fakt(\"a\",\"1\")\nfakt(\"b\",\"0.6\")\n"
             "reguła(1,\"koniec\",[\"a\"],1,\"0.5\")\n"
             "reguła(2,\"koniec\",[\"b\"],1,\"0.5\")\n"
             "reguła(3,\"koniec\",[\"b\"],1,\"-0.4\")\n"
             "reguła(4,\"Y\",[\"a\"],1,\"1\")\n";
    EXPECT_TRUE(biegnij(kroki(1) + "note \"Uwaga - koniec!\"\n"));
    EXPECT_EQ(kb::cf_czastkowe(ctx(), "koniec"), (std::vector<double>{0.5, 0.3}));
    EXPECT_FALSE(cf("Y").has_value());  // no rule fired after the stop was recorded
}

TEST_F(Wnioskowanie, ADisjunctiveConclusionTakesItsLargestPartialAndSkipsDoubleNegatives)
{
    reguly = "fakt(\"a\",\"0.5\")\nfakt(\"b\",\"-0.5\")\nfakt(\"c\",\"0\")\n"
             "reguła_dysjunktywna(\"X\")\n"
             "reguła(1,\"X\",[\"a\"],0,\"0.4\")\n"
             "reguła(2,\"X\",[\"b\"],0,\"0.8\")\n"
             "reguła(3,\"X\",[\"c\"],0,\"-0.5\")\n";
    // Mixed signs of the condition lists: the largest partial of a positive list, 0.2.
    EXPECT_TRUE(biegnij(kroki(1) + kroki(1) + kKoniec));
    EXPECT_EQ(cf("X"), 0.2);
    EXPECT_EQ(kb::dysjunkty(ctx(), "X").size(), 2u);  // rule 3 skipped: no record
}

class Uruchomienie : public test::InferenceRun {};

TEST_F(Uruchomienie, ALaunchThatCannotStartSaysWhy)
{
    struct Case {
        std::function<void(kb::Context&)> ustaw;
        std::string powod;
    };
    const std::vector<Case> cases = {
        {[](kb::Context& c) { c.db.stan_ladowania.blad_wykluczajacych.add_last("TAK"); }, "ograniczenia dokładnego"},
        {[](kb::Context& c) { c.db.wyniki_diagnoz.sprzecznosc_1z.add_last("TAK"); }, "sprzeczna zewnętrznie"},
        {[](kb::Context& c) { c.db.wyniki_diagnoz.model_sprzeczny_gleboko.add_last("TAK"); }, "Baza modeli jest sprzeczna."},
        {[](kb::Context& c) { c.db.wyniki_diagnoz.sprzecznosc_mr.add_last("TAK"); }, "sprzeczna z bazą reguł"},
    };
    for (const Case& c : cases) {
        bool wynik = true;
        const std::string t = uruchom("note \"Uwaga!\"\n", [&](kb::Context& ctx) {
            ctx.db.stan.nazwa_re.add_last("REtest.BQZ");
            kb::dodaj_wypadkowa(ctx, "a", 0.5);  // the previous run's state
            c.ustaw(ctx);
            wynik = launch(ctx, Direction::forward);
        });
        EXPECT_FALSE(wynik) << c.powod;
        EXPECT_TRUE(zawiera(t, "Wnioskowanie nie jest możliwe!")) << t;
        EXPECT_TRUE(zawiera(t, c.powod)) << t;
        EXPECT_EQ(kb::wypadkowa(ctx(), "a"), 0.5);  // nothing cleared
    }
}

TEST_F(Uruchomienie, WithoutARuleBaseOnlyAsksForOne)
{
    bool wynik = false;
    const std::string t = uruchom("note \"Uwaga!\"\n", [&](kb::Context& ctx) { wynik = launch(ctx, Direction::forward); });
    EXPECT_TRUE(wynik);
    EXPECT_TRUE(zawiera(t, "Proszę załadować bazę reguł!"));
}

class Podsumowanie : public test::InferenceRun {
protected:
    void stan(kb::Context& ctx)
    {
        ctx.db.stan_ladowania.etykieta.add_last("dom ążź");
        for (const auto& [nazwa, cf] : std::vector<std::pair<std::string, double>>{
                 {"bez warunku", 1.0}, {"X", -1.0}, {"nX", 1.0}, {"y", -0.3}, {"ny", 0.3},
                 {"m", -1.0}, {"nk", -1.0}, {"zero", 0.0}, {"g", 0.85}})
            kb::dodaj_wypadkowa(ctx, nazwa, cf);
        kb::ustal_wartosc(ctx, "2", 2.0);
        kb::ustal_wartosc(ctx, "x", 12.5);
    }
};

TEST_F(Podsumowanie, TheFileHoldsLabelsFalseAndSettledNamesAndValuesInCp1250WithCrLf)
{
    dokladne = "ograniczenie(1,[\"m\",\"k\",\"p\"])\n";
    uruchom("question \"Plik podsumowania\" -> \"&TAK\"\nsave -> wynik.txt\nnote \"Podsumowanie\"\n",
            [&](kb::Context& ctx) {
                stan(ctx);
                podsumowanie(ctx);
            });
    std::ifstream plik(path_of("wynik.txt"), std::ios::binary);
    std::stringstream bajty;
    bajty << plik.rdbuf();
    const std::string oczekiwane = "Etykiety wnioskowania: \r\n"
                                   "    dom \xB9\xBF\x9F\r\n"
                                   "Podsumowanie wnioskowania: fakty\r\n"
                                   "    X(-1.0)\r\n"
                                   "    nX(1)\r\n"
                                   "    ny(0.3)\r\n"
                                   "    zero(0)\r\n"
                                   "    g(0.85)\r\n"
                                   "Podsumowanie wnioskowania: warto\x9C" "ci argument\xF3w\r\n"
                                   "    x = 12.5\r\n";
    EXPECT_EQ(bajty.str(), oczekiwane);
}

TEST_F(Podsumowanie, AFileThatCannotBeWrittenIsToldAndTheRunGoesOn)
{
    bool dalej = false;
    const std::string t = uruchom("question \"Plik podsumowania\" -> \"&TAK\"\nsave -> brak/wynik.txt\n"
                                  "note \"Uwaga błąd!\"\n",
                                  [&](kb::Context& ctx) {
                                      stan(ctx);
                                      podsumowanie(ctx);
                                      dalej = true;
                                  });
    EXPECT_TRUE(dalej);
    EXPECT_TRUE(zawiera(t, "Nie można zapisać pliku podsumowania")) << t;
}

TEST_F(Podsumowanie, ACancelledDialogWritesTheFactsToTheWindowOnly)
{
    const std::string t = uruchom("question \"Plik podsumowania\" -> \"&TAK\"\nsave -> cancel\n", [&](kb::Context& ctx) {
        stan(ctx);
        podsumowanie(ctx);
    });
    EXPECT_TRUE(zawiera(t, "aux: Podsumowanie wnioskowania: fakty")) << t;
    EXPECT_FALSE(zawiera(t, "Etykiety wnioskowania")) << t;
    EXPECT_FALSE(zawiera(t, "zapamietane")) << t;
}

}  // namespace
}  // namespace inference
