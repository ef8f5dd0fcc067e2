// Models in backward inference: a name that is an arithmetic model's result is computed and
// answers CF 1.0 (and is read, not refused, when needed again); a name that is a relational
// model's conclusion, or its negation, gets the CF the user declares for what the model yields,
// recorded with its counterpart; cycles through model conditions and arguments end; a stop
// keeps every model unapplied.
#include <gtest/gtest.h>

#include "inference/ocena_hipotezy.h"
#include "inference/wstecz_modele.h"
#include "inference_run.h"

namespace inference {
namespace {

using Values = std::vector<std::string>;
using Results = std::vector<std::optional<double>>;

std::string cf(const std::string& tekst) { return "dialog 10003\n set 10005 \"" + tekst + "\"\n press 1\n"; }
std::string wartosc(const std::string& tekst)
{
    return "dialog 10023\n set 10022 \"" + tekst + "\"\n press 1\n";
}
const std::string kKrok = "dialog 10026\n press 1\n";
const std::string kGlowna = "note \"Hipoteza główna\"\n";
const std::string kPomocnicza = "note \"Hipoteza pomocnicza\"\n";

class WsteczModele : public test::InferenceRun {
protected:
    WsteczModele() : InferenceRun("mała") {}
    // Evaluates the names one after another with `hipoteza` under test; `przed` prepares the run.
    Results ocen(const std::string& kroki, const Values& nazwy, const std::string& hipoteza = "h",
                 const std::function<void(kb::Context&)>& przed = {})
    {
        Results out;
        transcript_ = uruchom(kroki, [&](kb::Context& ctx) {
            kb::kasowanie_tekst_raportu(ctx);
            ctx.db.stan.lista_warunkow_dopytywalnych.add_last(dopytywalne);
            ctx.db.stan.lista_warunkow_i_argumentow_dopytywalnych.add_last(dopytywalne);
            ctx.db.stan_ladowania.hipoteza.add_last(hipoteza);
            if (przed) przed(ctx);
            for (const std::string& n : nazwy) out.push_back(ocena_hipotezy_cd(ctx, n));
        });
        return out;
    }
    facts::SList dopytywalne;
    std::string transcript_;
};

// ---- Arithmetic models -------------------------------------------------------------------------

TEST_F(WsteczModele, EachArithmeticKindComputesTheHypothesisAndAnswersOne)
{
    struct Case {
        std::string model;
        std::string h;
        std::string wartosc;
    };
    const std::vector<Case> cases = {
        {"model(1,\"bez_warunku\",\"y\",\"2\",\"*\",\"3.5\",0,\"1\")", "y", "y=7"},
        {"model_r(2,\"bez_warunku\",\"y\",\"max_list\",[\"2\",\"9\",\"4\"],0,\"1.0\")", "y", "y=9"},
        {"model_liniowy(3,\"bez_warunku\",\"y\",[\"2\",\"3\"],[\"1.5\",\"4\"],0,\"1\")", "y", "y=15"},
        {"model_wielomianowy(4,\"bez_warunku\",\"y\",\"3\",[\"1\",\"0\",\"2\"],[0,1,2],0,\"1\")", "y", "y=19"},
        // A leading "n" is no negation for an arithmetic result.
        {"model(5,\"bez_warunku\",\"nx\",\"2\",\"+\",\"2\",0,\"1\")", "nx", "nx=4"},
    };
    for (const Case& c : cases) {
        modele = c.model + "\n";
        EXPECT_EQ(ocen("", {c.h}), (Results{1.0})) << c.model;
        EXPECT_EQ(ustalone().back(), c.wartosc) << c.model;
        EXPECT_TRUE(wypadkowe().empty()) << c.model;
        EXPECT_TRUE(zastosowane().empty()) << c.model;
    }
}

TEST_F(WsteczModele, AnEstablishedResultIsReadEachTimeItIsNeeded)
{
    modele = "model(1,\"bez_warunku\",\"y\",\"a\",\"+\",\"1\",0,\"1\")\n"
             "model(2,\"bez_warunku\",\"z\",\"2\",\"+\",\"2\",0,\"1\")\n";
    // Computed once, with one question, then read.
    EXPECT_EQ(ocen(wartosc("4"), {"y", "y", "y"}), (Results{1.0, 1.0, 1.0}));
    EXPECT_EQ(ustalone(), (Values{"a=4", "1=1", "y=5"}));
    // Given in the run before: read, nothing computed.
    EXPECT_EQ(ocen("", {"z"}, "h", [](kb::Context& ctx) { kb::ustal_wartosc(ctx, "z", 8); }), (Results{1.0}));
    EXPECT_EQ(ustalone(), (Values{"z=8"}));
}

TEST_F(WsteczModele, ModelsThatCannotServeArePassedOverInBaseOrderAndKindOrder)
{
    dopytywalne = {"c"};
    modele = "model_r(9,\"bez_warunku\",\"y\",\"+\",[\"1\",\"1\"],0,\"1\")\n"  // an extended model waits for the basic ones
             "model(1,\"bez_warunku\",\"y\",\"2\",\"+\",\"3\",0,\"0.9\")\n"    // no arithmetic CF
             "model(2,\"c\",\"y\",\"2\",\"+\",\"4\",0,\"1\")\n"                // its condition does not hold
             "model(3,\"bez_warunku\",\"y\",\"2\",\"+\",\"5\",2,\"1\")\n"      // display flag 2 refuses it
             "model(4,\"bez_warunku\",\"y\",\"2\",\"+\",\"6\",1,\"1\")\n";
    EXPECT_EQ(ocen(cf("-0.5") + kKrok, {"y"}), (Results{1.0}));
    EXPECT_EQ(ustalone().back(), "y=8");
    EXPECT_EQ(wiersze_z(raport(), "Stosuję model arytmetyczny"), (Values{"Stosuję model arytmetyczny podstawowy 4 o postaci:"}));
    EXPECT_EQ(wypadkowe(), (Values{"c=-0.5", "nc=0.5"}));
}

TEST_F(WsteczModele, AConditionNeitherKnownNorAskableIsAnAuxiliaryHypothesis)
{
    // The condition "ciepło" is the conclusion of a relational model, settled on the way.
    modele = "model(1,\"ciepło\",\"y\",\"2\",\"+\",\"3\",0,\"1\")\n"
             "model(2,\"bez_warunku\",\"ciepło\",\"t\",\">\",\"20\",0,\"CFT\")\n";
    EXPECT_EQ(ocen(wartosc("25") + kPomocnicza + kKrok + cf("0.6"), {"y"}, "y"), (Results{1.0}));
    EXPECT_EQ(wiersze_z(raport(), "jest testowana"), (Values{"Hipoteza pomocnicza ciepło jest testowana."}));
    EXPECT_EQ(wypadkowe(), (Values{"ciepło=0.6", "nciepło=-0.6"}));
    EXPECT_EQ(ustalone(), (Values{"t=25", "20=20", "2=2", "3=3", "y=5"}));
}

TEST_F(WsteczModele, ACycleThroughAModelsOwnArgumentOrConditionEndsWithoutAnAnswer)
{
    struct Case {
        std::string opis;
        std::string modele;
        std::string droga;  // the first cycle kept for the end of the test
    };
    const std::vector<Case> cases = {
        {"its own result as argument", "model(1,\"bez_warunku\",\"y\",\"y\",\"+\",\"1\",0,\"1\")\n",
         "model 1 (y) -> model 1 (y)"},
        {"two models feeding each other",
         "model(1,\"bez_warunku\",\"y\",\"x\",\"+\",\"1\",0,\"1\")\n"
         "model(2,\"bez_warunku\",\"x\",\"y\",\"*\",\"2\",0,\"1\")\n",
         "model 1 (y) -> model 2 (x) -> model 1 (y)"},
        {"a condition that needs the result",
         "model(1,\"duzo\",\"y\",\"2\",\"+\",\"1\",0,\"1\")\n"
         "model(2,\"bez_warunku\",\"duzo\",\"y\",\">\",\"1\",0,\"CF\")\n",
         "model 1 (y) -> model 2 (duzo) -> model 1 (y)"},
    };
    for (const Case& c : cases) {
        modele = c.modele;
        EXPECT_EQ(ocen("", {"y"}, "y"), (Results{std::nullopt})) << c.opis;
        EXPECT_FALSE(wiersze_z(transcript_, "Cykl w bazie wiedzy: " + c.droga).empty()) << c.opis << transcript_;
        const facts::SList cykle = ctx().db.stan_ladowania.cykle_oceny.all();
        ASSERT_FALSE(cykle.empty()) << c.opis;
        EXPECT_EQ(cykle.front(), c.droga) << c.opis;
        EXPECT_TRUE(ctx().db.stan_ladowania.modele_w_ocenie.empty()) << c.opis;
        EXPECT_TRUE(ctx().db.stan_ladowania.w_ocenie.empty()) << c.opis;
    }
}

TEST_F(WsteczModele, OnlyAStopRecordOfCfZeroOrMoreKeepsModelsUnapplied)
{
    modele = "model(1,\"bez_warunku\",\"y\",\"2\",\"+\",\"3\",0,\"1\")\n"
             "model(2,\"bez_warunku\",\"alarm\",\"7\",\">\",\"5\",0,\"CF\")\n";
    for (double stop : {0.0, 1.0}) {
        Results wyniki;
        uruchom("", [&](kb::Context& ctx) {
            ctx.db.stan_ladowania.hipoteza.add_last("h");
            kb::dodaj_prbd(ctx, 9, "koniec", stop);
            for (const char* n : {"y", "alarm", "nalarm"}) wyniki.push_back(alternatywy_modeli(ctx, n));
        });
        EXPECT_EQ(wyniki, (Results{std::nullopt, std::nullopt, std::nullopt})) << stop;
        EXPECT_EQ(ustalone(), Values{}) << stop;
        EXPECT_TRUE(wypadkowe().empty()) << stop;
    }
    const auto ujemny = [](kb::Context& ctx) { kb::dodaj_prbd(ctx, 9, "koniec", -0.5); };
    EXPECT_EQ(ocen(kPomocnicza + kKrok + cf("0.5"), {"y", "alarm"}, "h", ujemny), (Results{1.0, 0.5}));
}

// ---- Relational models ---------------------------------------------------------------------------

TEST_F(WsteczModele, EachRelationalAlternativeDeclaresTheConclusionTheModelYields)
{
    modele = "model(7,\"bez_warunku\",\"alarm\",\"temp\",\">\",\"100\",1,\"CFA\")\n"
             "model_r(8,\"bez_warunku\",\"ok\",\"<,<\",[\"0\",\"t\",\"10\"],1,\"CFB\")\n";
    struct Case {
        std::string h;
        std::string argument;  // the value typed for temp or t
        double wynik;
        Values wypadkowe;
        std::string pytanie;   // the trace line after the CF question
        std::string wniosek;   // the closing line
    };
    const std::vector<Case> cases = {
        {"alarm", "120", 0.8, {"alarm=0.8", "nalarm=-0.8"}, "   CF(alarm) = CFA = 0.8", "    alarm(0.8)"},
        {"alarm", "90", -0.8, {"nalarm=0.8", "alarm=-0.8"}, "   CF(nalarm) = 0.8", "    alarm(-0.8)"},
        {"nalarm", "120", -0.8, {"nalarm=-0.8", "alarm=0.8"}, "   CF(alarm) = CFA = 0.8", "    nalarm(-0.8)"},
        {"nalarm", "90", 0.8, {"nalarm=0.8", "alarm=-0.8"}, "   CF(nalarm) = 0.8", "    nalarm(0.8)"},
        {"ok", "5", 0.8, {"ok=0.8", "nok=-0.8"}, "   CF(ok) = CFB = 0.8", "    ok(0.8)"},
        {"ok", "20", -0.8, {"nok=0.8", "ok=-0.8"}, "   CF(nok) = 0.8", "    ok(-0.8)"},
        {"nok", "5", -0.8, {"nok=-0.8", "ok=0.8"}, "   CF(ok) = CFB = 0.8", "    nok(-0.8)"},
        {"nok", "20", 0.8, {"nok=0.8", "ok=-0.8"}, "   CF(nok) = CFB = 0.8", "    nok(0.8)"},
    };
    for (const Case& c : cases) {
        const std::string kroki = wartosc(c.argument) + kGlowna + kKrok + cf("0.8") + kKrok;
        EXPECT_EQ(ocen(kroki, {c.h, c.h}, c.h), (Results{c.wynik, c.wynik})) << c.h << " " << c.argument;
        EXPECT_EQ(wypadkowe(), c.wypadkowe) << c.h << " " << c.argument;
        EXPECT_EQ(wiersze_z(raport(), "   CF("), (Values{c.pytanie})) << c.h << " " << c.argument;
        EXPECT_EQ(wiersze_z(raport(), "Hipoteza główna  " + c.h + " jest testowana.").size(), 1u) << c.h;
        EXPECT_EQ(raport().substr(raport().rfind("Stąd wynika wniosek: ")),
                  "Stąd wynika wniosek: \n" + c.wniosek + "\n\n")
            << c.h << " " << c.argument;
        EXPECT_EQ(zastosowane().size(), 1u) << c.h;
    }
}

TEST_F(WsteczModele, TheCounterpartsOldResultantIsReplaced)
{
    modele = "model(7,\"bez_warunku\",\"alarm\",\"120\",\">\",\"100\",0,\"CFA\")\n";
    const auto przed = [](kb::Context& ctx) { kb::dodaj_wypadkowa(ctx, "nalarm", 0.3); };
    EXPECT_EQ(ocen(kGlowna + kKrok + cf("0.8"), {"alarm", "nalarm"}, "alarm", przed), (Results{0.8, -0.8}));
    EXPECT_EQ(wypadkowe(), (Values{"alarm=0.8", "nalarm=-0.8"}));
}

TEST_F(WsteczModele, AHoldingRelationWinsAndBasicModelsComeBeforeExtendedOnes)
{
    modele = "model_r(1,\"bez_warunku\",\"alarm\",\"<=,<=\",[\"0\",\"5\",\"10\"],0,\"CFR\")\n"
             "model(2,\"bez_warunku\",\"alarm\",\"5\",\">\",\"10\",0,\"CF2\")\n"
             "model(3,\"bez_warunku\",\"alarm\",\"5\",\"<>\",\"10\",0,\"CF3\")\n";
    EXPECT_EQ(ocen(kGlowna + kKrok + cf("0.4"), {"alarm"}, "alarm"), (Results{0.4}));
    EXPECT_EQ(zastosowane(), (std::vector<std::int32_t>{3}));
    EXPECT_EQ(wiersze_z(raport(), "   CF("), (Values{"   CF(alarm) = CF3 = 0.4"}));
}

TEST_F(WsteczModele, ModelsThatCannotConcludeArePassedOver)
{
    struct Case {
        std::string opis;
        std::string modele;
        std::string kroki;
    };
    const std::vector<Case> cases = {
        {"an extended model with two arguments", "model_r(1,\"bez_warunku\",\"alarm\",\"<,<\",[\"0\",\"5\"],0,\"C\")", ""},
        {"an extended model with four arguments",
         "model_r(1,\"bez_warunku\",\"alarm\",\"<,<\",[\"0\",\"5\",\"6\",\"7\"],0,\"C\")", ""},
        // Explained and asked, then refused by its display flag: nothing recorded.
        {"display flag 2", "model(1,\"bez_warunku\",\"alarm\",\"5\",\">\",\"1\",2,\"C\")",
         kGlowna + kKrok + cf("0.5")},
        {"a value that is no number", "model(1,\"bez_warunku\",\"alarm\",\"t\",\">\",\"1\",0,\"C\")",
         "dialog 10023\n press 2\n message \"Uwaga!\" -> Nie\ndialog 10023\n press 2\n message \"Uwaga!\" -> Nie\n"},
    };
    for (const Case& c : cases) {
        modele = c.modele + "\n";
        EXPECT_EQ(ocen(c.kroki, {"alarm"}, "alarm"), (Results{std::nullopt})) << c.opis;
        EXPECT_TRUE(wypadkowe().empty()) << c.opis;
        EXPECT_TRUE(zastosowane().empty()) << c.opis;
    }
}

}  // namespace
}  // namespace inference
