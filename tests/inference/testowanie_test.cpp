// Hypothesis testing: the candidate lists of both kinds with and without a model base, the stop
// rules (their CF read as a number, the stop told once and nothing offered after it, a stop
// record below 0 stopping nothing), the refusals that say why, and the advice after a test with
// its missing and unreadable files.
#include <gtest/gtest.h>

#include "inference/hipotezy.h"
#include "inference/ocena_hipotezy.h"
#include "inference/rada_wstecz.h"
#include "inference/stan_przebiegu.h"
#include "inference/testowanie.h"
#include "inference_run.h"
#include "kb/dopytywalne_regul.h"
#include "kb/listy.h"

namespace inference {
namespace {

using Lines = std::vector<std::string>;

// The question for a CF in dialog 10003, after its reminder note.
std::string odpowiedz(const std::string& cf)
{
    return "note \"Określenie CF dla warunku \"\ndialog 10003\nset 10005 \"" + cf + "\"\npress 1\n";
}

// Dialog 10029 with its first entry chosen, and the opening note of the test.
const std::string kWybor = "dialog 10029\npress 1\nnote \"Uwaga!\"\n";

class Testowanie : public test::InferenceRun {
protected:
    Testowanie() : InferenceRun("mała") {}

    // The rule base as its load leaves it (its condition and conclusion lists recorded), a
    // model base named when there are models, and the seed of the launch; then body.
    std::string przygotuj(const std::string& kroki, const std::function<void(kb::Context&)>& body)
    {
        return uruchom(kroki, [&](kb::Context& ctx) {
            ctx.db.stan.wyroznik.add_last("test");
            ctx.db.stan.nazwa_re.add_last("REtest.BQZ");
            if (!modele.empty()) ctx.db.stan.nazwa_mo.add_last("MOtest.BQZ");
            if (auto dopytywalne = kb::wyznacz_warunki_dopytywalne(ctx))
                ctx.db.stan.lista_warunkow_dopytywalnych.add_first(kb::sortuj(*dopytywalne));
            kb::dodaj_wypadkowa(ctx, "bez warunku", 1.0);
            body(ctx);
        });
    }
    Lines kandydaci(RodzajHipotezy rodzaj)
    {
        Lines out;
        przygotuj("", [&](kb::Context& ctx) { out = lista_hipotez(ctx, rodzaj); });
        return out;
    }
    bool testuj(const std::string& kroki, int rodzaj, std::string* transcript = nullptr)
    {
        bool wynik = false;
        std::string t;
        try {
            t = przygotuj(kroki, [&](kb::Context& ctx) { wynik = opcja_z_menu_testowania(ctx, rodzaj); });
        } catch (const platform::headless::ScriptFailure& f) {
            ADD_FAILURE() << ui_->transcript() << f.message();  // where the test's steps part from the program
        }
        if (transcript) *transcript = t;
        return wynik;
    }
};

TEST_F(Testowanie, NarrowAndBroadCandidatesWithAndWithoutAModelBase)
{
    const std::string relacyjny = "model(1,\"bez_warunku\",\"Y\",\"p\",\">\",\"q\",1,\"CF\")\n";
    struct Przypadek {
        const char* opis;
        std::string reguly, modele;
        Lines waska, szeroka;
    };
    const Przypadek przypadki[] = {
        {"a chain X <- Y <- Z", "reguła(1,\"X\",[\"Y\"],1,\"0.5\")\nreguła(2,\"Y\",[\"Z\"],1,\"0.5\")\n", "", {"X"},
         {"X", "Y"}},
        // Without a model base the premise's nY takes Y off the narrow list; with one it does not.
        {"nY in a premise", "reguła(1,\"X\",[\"nY\"],1,\"0.5\")\nreguła(2,\"Y\",[\"Z\"],1,\"0.5\")\n", "", {"X"},
         {"X", "Y"}},
        {"nY in a premise, a model base", "reguła(1,\"X\",[\"nY\"],1,\"0.5\")\nreguła(2,\"Y\",[\"Z\"],1,\"0.5\")\n",
         "model(9,\"bez_warunku\",\"W\",\"p\",\"+\",\"q\",1,\"1.0\")\n", {"X", "Y"}, {"X", "Y"}},
        // A conclusion nA standing in a premise as written: kept without a model base only.
        {"nA in a premise", "reguła(1,\"nA\",[\"b\"],1,\"0.5\")\nreguła(2,\"C\",[\"nA\"],1,\"0.5\")\n", "",
         {"C", "nA"}, {"C", "nA"}},
        {"nA in a premise, a model base", "reguła(1,\"nA\",[\"b\"],1,\"0.5\")\nreguła(2,\"C\",[\"nA\"],1,\"0.5\")\n",
         "model(9,\"bez_warunku\",\"W\",\"p\",\"+\",\"q\",1,\"1.0\")\n", {"C"}, {"C", "nA"}},
        // A relational conclusion that rules conclude too stands twice; "koniec" never.
        {"a relational conclusion of rules", "reguła(1,\"Y\",[\"a\"],1,\"0.5\")\nreguła(2,\"koniec\",[\"a\"],1,\"1.0\")\n",
         relacyjny, {"Y", "Y"}, {"Y", "Y"}},
        // Byte order: capitals before small letters, Polish letters after every plain one.
        {"sorting", "reguła(1,\"ąb\",[\"x\"],1,\"0.5\")\nreguła(2,\"az\",[\"x\"],1,\"0.5\")\nreguła(3,\"Ba\",[\"x\"],1,\"0.5\")\n"
                    "reguła(4,\"a\",[\"x\"],1,\"0.5\")\n",
         "", {"Ba", "a", "az", "ąb"}, {"Ba", "a", "az", "ąb"}},
    };
    for (const Przypadek& p : przypadki) {
        reguly = p.reguly;
        modele = p.modele;
        EXPECT_EQ(kandydaci(RodzajHipotezy::waska), p.waska) << p.opis;
        EXPECT_EQ(kandydaci(RodzajHipotezy::szeroka), p.szeroka) << p.opis;
    }
}

TEST_F(Testowanie, AStopRuleWhoseCfReadsAsOneEndsTheTestOnceWithNothingOffered)
{
    for (const char* cf : {"1", "1.0", "1.00"}) {
        reguly = std::string("reguła(1,\"koniec\",[\"s\"],1,\"") + cf + "\")\nreguła(2,\"nh\",[\"b\"],1,\"0.5\")\n"
                 "reguła(3,\"x\",[\"h\"],1,\"0.5\")\n";
        std::string t;
        EXPECT_TRUE(testuj(kWybor + odpowiedz("0.6") + "note \"Uwaga - koniec!\"\n", 2, &t)) << cf;
        EXPECT_EQ(wiersze_z(t, "Reguła z wnioskiem 'koniec' kończy wnioskowanie.").size(), 2u) << cf << t;  // aux, note
        EXPECT_FALSE(zawiera(t, "CF(nh)")) << t;
        EXPECT_FALSE(zawiera(t, "question")) << t;  // neither summary nor report
        EXPECT_TRUE(ctx().db.stan_ladowania.hipoteza.empty());
        EXPECT_FALSE(zrob_koniec(ctx()));
    }
}

TEST_F(Testowanie, AStopRuleThatDoesNotFireLetsTheTestGoOn)
{
    const std::string koniec_testu = "dialog 10026\npress 1\nnote \"Uwaga!\"\ndialog 10026\npress 1\n"
                                     "note \"Koniec wnioskowania wstecz\"\n"
                                     "question \"Plik podsumowania\" -> \"&NIE\"\n"
                                     "question \"Raport wnioskowania/diagnostyki\" -> \"&Nie\"\n";
    struct Przypadek {
        const char* cf;
        const char* odpowiedz_s;
    };
    // A premise at -0.3, and a stop rule of CF 0.9 whose premise holds: neither stops.
    for (const Przypadek& p : {Przypadek{"1.0", "-0.3"}, Przypadek{"0.9", "0.6"}}) {
        reguly = std::string("reguła(1,\"koniec\",[\"s\"],1,\"") + p.cf + "\")\nreguła(2,\"nh\",[\"b\"],1,\"0.5\")\n"
                 "reguła(3,\"x\",[\"h\"],1,\"0.5\")\n";
        const std::string pytanie_s = std::string(p.cf) == "1.0" ? odpowiedz(p.odpowiedz_s) : "";
        std::string t;
        EXPECT_TRUE(testuj(kWybor + pytanie_s + odpowiedz("0.4") + koniec_testu, 2, &t)) << p.cf << t;
        EXPECT_TRUE(zawiera(t, "aux: CF(nh) = 0.4")) << t;
        EXPECT_TRUE(zrob_koniec(ctx()));
    }
}

TEST_F(Testowanie, ARuleAppliedWhileAStopPremiseIsSettledCountsOnce)
{
    // The stop rule's premise needs c, which a rule concludes; c's contribution -0.25 does not
    // stop the test, and h, which needs c too, finds c settled instead of applying its rule again.
    reguly = "reguła(1,\"koniec\",[\"c\"],1,\"1.0\")\nreguła(2,\"c\",[\"a\"],1,\"-0.5\")\n"
             "reguła(3,\"h\",[\"c\"],1,\"0.8\")\n";
    std::optional<double> h;
    przygotuj(odpowiedz("0.5") + "note \"Hipoteza pomocnicza\"\ndialog 10026\npress 1\ndialog 10026\npress 1\n"
                                 "note \"Hipoteza główna\"\ndialog 10026\npress 1\ndialog 10026\npress 1\n",
              [&](kb::Context& ctx) {
                  ctx.db.stan_ladowania.hipoteza.add_last("h");
                  h = ocena_hipotezy(ctx, "h");
              });
    EXPECT_EQ(kb::wypadkowa(ctx(), "c"), -0.25);
    EXPECT_EQ(kb::cf_czastkowe(ctx(), "c"), std::vector<double>{-0.25});
    EXPECT_EQ(h, -0.2);
}

TEST_F(Testowanie, OnlyAStopRecordOfCfZeroOrMoreStopsTheEvaluation)
{
    reguly = "reguła(1,\"nh\",[\"b\"],1,\"0.5\")\nreguła(2,\"x\",[\"h\"],1,\"0.5\")\n";
    std::optional<double> zapytany, bez_odpowiedzi;
    const std::string t = przygotuj(odpowiedz("0.3"), [&](kb::Context& ctx) {
        ctx.db.stan_ladowania.hipoteza.add_last("nh");
        kb::dodaj_prbd(ctx, 1, "koniec", -0.5);
        zapytany = ocena_hipotezy_cd(ctx, "nh");
        bez_odpowiedzi = ocena_hipotezy_cd(ctx, "q");
    });
    EXPECT_EQ(zapytany, 0.3);
    EXPECT_EQ(bez_odpowiedzi, std::nullopt);
    EXPECT_FALSE(zawiera(t, "koniec!")) << t;
    EXPECT_EQ(ctx().db.stan_ladowania.hipoteza.all(), Lines{"nh"});

    // At 0 the stop holds: one message, then every evaluation unwinds without an answer.
    std::optional<double> po_stopie;
    const std::string stop = przygotuj("note \"Uwaga - koniec!\"\n", [&](kb::Context& ctx) {
        ctx.db.stan_ladowania.hipoteza.add_last("nh");
        kb::dodaj_prbd(ctx, 1, "koniec", 0.0);
        po_stopie = ocena_hipotezy_cd(ctx, "nh");
        ocena_hipotezy_cd(ctx, "c");
    });
    EXPECT_EQ(po_stopie, std::nullopt);
    EXPECT_EQ(wiersze_z(stop, "note \"Uwaga - koniec!\"").size(), 1u) << stop;
}

TEST_F(Testowanie, ATestThatCannotStartSaysWhyAndOtherKindsDoNothing)
{
    reguly = "reguła(1,\"nh\",[\"b\"],1,\"0.5\")\nreguła(2,\"x\",[\"h\"],1,\"0.5\")\n";
    bool wynik = true;
    const std::string t = przygotuj("note \"Uwaga!\"\n", [&](kb::Context& ctx) {
        ctx.db.stan_ladowania.blad_wykluczajacych.add_last("TAK");
        wynik = opcja_z_menu_testowania(ctx, 1);
    });
    EXPECT_FALSE(wynik);
    EXPECT_TRUE(zawiera(t, "Testowanie hipotezy nie jest możliwe!\\n\\nDwa fakty jednego ograniczenia dokładnego")) << t;

    std::string nic;
    EXPECT_TRUE(testuj("", 3, &nic));
    EXPECT_EQ(nic, "");
    EXPECT_FALSE(testuj("", 4, &nic));
    EXPECT_EQ(nic, "");
}

TEST_F(Testowanie, AChainTooLongForTheStackIsToldInsteadOfOverflowingIt)
{
    // x0 <- x1 <- ... <- x20000 <- a: far deeper than the evaluation's share of the stack.
    constexpr int kDlugosc = 20000;
    reguly.clear();
    for (int i = 0; i < kDlugosc; ++i)
        reguly += "reguła(" + std::to_string(i + 1) + ",\"x" + std::to_string(i) + "\",[\"x" + std::to_string(i + 1) +
                  "\"],0,\"0.9\")\n";
    reguly += "reguła(" + std::to_string(kDlugosc + 1) + ",\"x" + std::to_string(kDlugosc) + "\",[\"a\"],0,\"0.9\")\n";
    std::string t;
    EXPECT_TRUE(testuj(kWybor + "note \"Uwaga!\"\nquestion \"Raport wnioskowania/diagnostyki\" -> \"&Nie\"\n", 1, &t));
    EXPECT_EQ(wiersze_z(t, "jest zbyt długi, by go ocenić: ta droga nie daje odpowiedzi.").size(), 1u);
    EXPECT_TRUE(zawiera(t, "\\n\\nŁańcuch wniosków prowadzący do x")) << t.substr(t.size() - 2000);
    EXPECT_TRUE(ctx().db.stan_ladowania.w_ocenie.empty());
}

TEST_F(Testowanie, GivenFactsContradictingAnExactConstraintEndTheTestAfterTheirNote)
{
    dokladne = "ograniczenie(1,[\"a\",\"b\"])\n";
    reguly = "fakt(\"a\",\"1\")\nfakt(\"b\",\"1.0\")\nreguła(1,\"nh\",[\"a\",\"b\"],1,\"0.5\")\n"
             "reguła(2,\"x\",[\"h\"],1,\"0.5\")\n";
    std::string t;
    EXPECT_FALSE(testuj(kWybor + "note \"Błąd bazy reguł! \"\ndialog 10026\npress 1\n", 1, &t));
    EXPECT_FALSE(zawiera(t, "nie daje odpowiedzi")) << t;
    EXPECT_FALSE(zawiera(t, "question")) << t;
    EXPECT_TRUE(ctx().db.stan_ladowania.hipoteza.empty());
}

TEST_F(Testowanie, AHypothesisWithoutAnswerIsToldSoAndTheReportOffered)
{
    // nq's own rule concludes a negation, so no alternative answers nq.
    reguly = "reguła(1,\"nq\",[\"b\"],1,\"0.5\")\n";
    std::string t;
    EXPECT_TRUE(testuj(kWybor + "note \"Uwaga!\"\nquestion \"Raport wnioskowania/diagnostyki\" -> \"&Nie\"\n", 1, &t));
    EXPECT_TRUE(zawiera(t, "note \"Uwaga!\": \"Baza wiedzy nie daje odpowiedzi dla hipotezy\\n   nq\"")) << t;
    EXPECT_FALSE(zawiera(t, "CF(nq)")) << t;
    EXPECT_TRUE(ctx().db.stan_ladowania.hipoteza.empty());
}

TEST_F(Testowanie, NoHypothesisChosenEndsTheTestWithoutAWord)
{
    struct Przypadek {
        const char* opis;
        std::string reguly, kroki;
    };
    const Przypadek przypadki[] = {
        {"10029 left by \"Zakończ\" answered No", "reguła(1,\"nh\",[\"b\"],1,\"0.5\")\n",
         "dialog 10029\npress 2\nmessage \"Uwaga!\" -> Nie\n"},
        // Every conclusion stands in a premise: the narrow list is empty.
        {"an empty list", "reguła(1,\"x\",[\"y\"],1,\"0.5\")\nreguła(2,\"y\",[\"x\"],1,\"0.5\")\n",
         "dialog 10029\npress 1\n"},
    };
    for (const Przypadek& p : przypadki) {
        reguly = p.reguly;
        std::string t;
        EXPECT_FALSE(testuj(p.kroki, 1, &t)) << p.opis;
        EXPECT_TRUE(wiersze_z(t, "aux").empty()) << p.opis << t;
        EXPECT_TRUE(ctx().db.stan_ladowania.hipoteza.empty()) << p.opis;
    }
}

TEST_F(Testowanie, TheKindClickedLastInDialog10016IsTestedHoweverTheDialogCloses)
{
    reguly = "reguła(1,\"nh\",[\"b\"],1,\"0.5\")\n";
    const std::string t = przygotuj("dialog 10016\ncheck 10018\nesc\n"
                                    "dialog 10029\npress 2\nmessage \"Uwaga!\" -> Nie\n",
                                    [&](kb::Context& ctx) { testowanie_hipotezy(ctx); });
    EXPECT_TRUE(zawiera(t, "dialog 10029 \"Hipoteza w sensie szerokim\" opened")) << t;
    EXPECT_TRUE(ctx().db.dane.dane_int.empty());
}

class RadaWstecz : public test::InferenceRun {
protected:
    std::string doradz(const std::string& kroki, const std::string& rady)
    {
        reguly = "reguła(1,\"K\",[\"a\"],1,\"0.5\")\nreguła(2,\"K\",[\"b\"],0,\"0.5\")\nreguła(3,\"K\",[\"c\"],1,\"0.5\")\n";
        modele = "model(7,\"bez_warunku\",\"K\",\"x\",\">\",\"y\",0,\"CF\")\n";
        return uruchom(kroki, [&](kb::Context& ctx) {
            ctx.db.stan.wyroznik.add_last("las");
            factfile::load_text(ctx.db.baza_rad, rady);
            udziel_rady_wstecz(ctx, "K");
        });
    }
};

const std::string kTak = "message \"Wybierz:\" -> Tak\n";
const std::string kNie = "message \"Wybierz:\" -> Nie\n";

TEST_F(RadaWstecz, RulesWithDisplayFlagOneFirstThenTheRelationalModel)
{
    write_file("RADY/las/trzy.hlp", "Rada trzecia");
    write_file("RADY/las/model.hlp", "Rada modelu");
    const std::string rady = "rada(2,\"dwa.hlp\")\nrada(1,\"jeden.hlp\")\nrada(3,\"trzy.hlp\")\nrada(7,\"model.hlp\")\n";
    // No to rule 1, Yes to rule 3: its advice is shown; rule 2's flag is 0 and the model waits.
    const std::string t = doradz(kNie + kTak + "dialog 10020\npress 1\n", rady);
    EXPECT_EQ(wiersze_z(t, "message").size(), 2u) << t;
    EXPECT_TRUE(zawiera(t, "Rada trzecia")) << t;
    EXPECT_FALSE(zawiera(t, "NIE")) << t;

    // Both declined: "    NIE" after the questions, in the window only.
    const std::string nie = doradz(kNie + kNie, rady);
    EXPECT_TRUE(zawiera(nie, "aux+     NIE\naux:\n")) << nie;

    // No rule advice at all: the model's is offered, whatever its flag.
    const std::string model = doradz(kTak + "dialog 10020\npress 1\n", "rada(2,\"dwa.hlp\")\nrada(7,\"model.hlp\")\n");
    EXPECT_TRUE(zawiera(model, "Rada modelu")) << model;
}

TEST_F(RadaWstecz, AMissingOrUnreadableAdviceFileIsToldAndTheOfferGoesOn)
{
    write_file("RADY/las/trzy.hlp", "Rada trzecia");
    // A file that exists but cannot be read, whoever runs the test: the process's own memory,
    // whose first page is never mapped.
    std::filesystem::create_symlink("/proc/self/mem", path_of("RADY/las/katalog.hlp"));
    const std::string t = doradz(kTak + "note \"Uwaga!\"\n" + kTak + "dialog 10020\npress 1\n",
                                 "rada(1,\"brak.hlp\")\nrada(3,\"trzy.hlp\")\n");
    EXPECT_TRUE(zawiera(t, "note \"Uwaga!\": \"Brak pliku rady\\n   <dir>/RADY/las/brak.hlp\"")) << t;
    EXPECT_TRUE(zawiera(t, "Rada trzecia")) << t;

    const std::string blad = doradz(kTak + "note \"Uwaga błąd!\"\n", "rada(1,\"katalog.hlp\")\n");
    EXPECT_TRUE(zawiera(blad, "Nie można odczytać pliku rady\\n   <dir>/RADY/las/katalog.hlp")) << blad;
    EXPECT_TRUE(zawiera(blad, "NIE")) << blad;
}

}  // namespace
}  // namespace inference
