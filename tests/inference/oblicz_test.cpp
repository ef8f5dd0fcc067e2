// The value search of model arguments and results: numbers written in a model, values asked once
// per run, models applied on the spot with their inputs first, what is recorded when a model is
// refused, and the order of the questions for linear and polynomial models.
#include <gtest/gtest.h>

#include "inference/blad_obliczen.h"
#include "inference/oblicz.h"
#include "inference_run.h"

namespace inference {
namespace {

using Values = std::vector<std::string>;

std::string wartosc(const std::string& tekst)
{
    return "dialog 10023 \"Określ wartość argumentu\"\n set 10022 \"" + tekst + "\"\n press 1\n";
}

class Oblicz : public test::InferenceRun {
protected:
    Oblicz() : InferenceRun("mała") {}
    std::vector<std::optional<double>> oblicz_kolejno(const std::string& kroki, const Values& nazwy)
    {
        std::vector<std::optional<double>> out;
        transcript_ = uruchom(kroki, [&](kb::Context& ctx) {
            kb::kasowanie_tekst_raportu(ctx);
            for (const std::string& n : nazwy) out.push_back(oblicz(ctx, n));
        });
        return out;
    }
    std::string transcript_;
};

using Results = std::vector<std::optional<double>>;

TEST_F(Oblicz, NumbersWrittenInAModelNeedNoQuestion)
{
    EXPECT_EQ(oblicz_kolejno("", {"2.5", " 3 ", "1e2"}), (Results{2.5, 3.0, 100.0}));
    EXPECT_EQ(ustalone(), (Values{"2.5=2.5", " 3 =3", "1e2=100"}));
    EXPECT_EQ(transcript_, "");
}

TEST_F(Oblicz, AnArgumentIsAskedOncePerRun)
{
    EXPECT_EQ(oblicz_kolejno(wartosc("2.50"), {"x", "x"}), (Results{2.5, 2.5}));
    EXPECT_EQ(raport(), "Określ wartość argumentu: x\nx=2.5\n\n");
    EXPECT_EQ(ctx().db.dane.dane_str.all(), (facts::SList{"x=2.50"}));
    EXPECT_TRUE(ctx().db.dane.dane_arg_nazwa.empty());
    EXPECT_EQ(ustalone(), (Values{"x=2.5"}));
}

TEST_F(Oblicz, AValueThatIsNoNumberIsAskedAgainAfterANote)
{
    for (const char* zly : {"2,5", "abc", "", "NAN", "inf"}) {
        EXPECT_EQ(oblicz_kolejno(wartosc(zly) + "note \"Uwaga!\"\n" + wartosc("3"), {"x"}), (Results{3.0})) << zly;
        EXPECT_EQ(wiersze_z(transcript_, "note \"Uwaga!\""),
                  (Values{"note \"Uwaga!\": \"Wartość argumentu x musi być liczbą, np. 2.5 (z kropką dziesiętną).\\n"
                          "Wpisz ją jeszcze raz.\""}));
    }
}

TEST_F(Oblicz, NoAnswerRecordsNothingAndTheNextNeedAsksAgain)
{
    EXPECT_EQ(oblicz_kolejno("dialog 10023\n press 2\n message \"Uwaga!\" -> Nie\n" + wartosc("4"), {"x", "x"}),
              (Results{std::nullopt, 4.0}));
    EXPECT_EQ(raport(), "Określ wartość argumentu: x\nOkreśl wartość argumentu: x\nx=4\n\n");
    EXPECT_EQ(ustalone(), (Values{"x=4"}));
}

TEST_F(Oblicz, ModelResultsAndRelationalConclusionsAreNeverAsked)
{
    modele = "model(1,\"c\",\"y\",\"2\",\"+\",\"3\",0,\"1\")\n"
             "model(2,\"bez_warunku\",\"alarm\",\"t\",\">\",\"5\",0,\"CF\")\n";
    EXPECT_EQ(oblicz_kolejno("", {"y", "alarm"}), (Results{std::nullopt, std::nullopt}));
    EXPECT_EQ(transcript_, "");
    EXPECT_TRUE(ustalone().empty());
}

TEST_F(Oblicz, OnlyAModelWithTheCfOneIsApplied)
{
    modele = "model(1,\"bez_warunku\",\"y\",\"2\",\"+\",\"3\",0,\"0.9\")\n"
             "model(2,\"bez_warunku\",\"z\",\"2\",\"*\",\"3\",0,\" 1.0 \")\n";
    EXPECT_EQ(oblicz_kolejno("", {"y", "z"}), (Results{std::nullopt, 6.0}));
    EXPECT_EQ(zastosowane(), (std::vector<std::int32_t>{2}));
    EXPECT_EQ(ustalone(), (Values{"2=2", "3=3", "z=6"}));
}

TEST_F(Oblicz, TheFirstApplicableModelGivesTheValueForTheRun)
{
    modele = "model(1,\"c\",\"y\",\"2\",\"+\",\"3\",0,\"1\")\n"
             "model(2,\"bez_warunku\",\"y\",\"2\",\"*\",\"4\",0,\"1\")\n"
             "model(3,\"bez_warunku\",\"y\",\"2\",\"-\",\"4\",0,\"1\")\n";
    EXPECT_EQ(oblicz_kolejno("", {"y", "y"}), (Results{8.0, 8.0}));
    EXPECT_EQ(zastosowane(), (std::vector<std::int32_t>{2}));
}

// A model its explanation refuses (display flag neither 0 nor 1): a polynomial model stays
// applied without a value, a basic one is tried again.
TEST_F(Oblicz, RefusedModelsLeaveTheirInputsRecorded)
{
    modele = "model(1,\"bez_warunku\",\"y\",\"a\",\"+\",\"3\",2,\"1\")\n"
             "model_wielomianowy(4,\"bez_warunku\",\"p\",\"x\",[\"1\",\"2\"],[0,1],2,\"1\")\n";
    EXPECT_EQ(oblicz_kolejno(wartosc("1") + wartosc("5"), {"y", "y", "p", "p"}),
              (Results{std::nullopt, std::nullopt, std::nullopt, std::nullopt}));
    EXPECT_EQ(ustalone(), (Values{"a=1", "3=3", "1=1", "2=2", "x=5"}));
    EXPECT_EQ(zastosowane(), (std::vector<std::int32_t>{4}));
}

TEST_F(Oblicz, LinearAndPolynomialModelsAskTheirInputsInModelOrder)
{
    modele = "model_liniowy(1,\"bez_warunku\",\"l\",[\"2\",\"3\"],[\"x\",\"y\"],0,\"1\")\n"
             "model_wielomianowy(2,\"bez_warunku\",\"w\",\"z\",[\"1\",\"0\",\"2\"],[0,5,2],0,\"1\")\n"
             "model_r(3,\"bez_warunku\",\"s\",\"+\",[\"l\",\"w\"],0,\"1\")\n";
    EXPECT_EQ(oblicz_kolejno(wartosc("10") + wartosc("100") + wartosc("3"), {"s"}), (Results{320.0 + 19.0}));
    EXPECT_EQ(wiersze_z(transcript_, "10024 edit"),
              (Values{"    10024 edit \"x\"", "    10024 edit \"y\"", "    10024 edit \"z\""}));
    EXPECT_EQ(ustalone(), (Values{"2=2", "3=3", "x=10", "y=100", "l=320", "1=1", "0=0", "z=3", "w=19", "s=339"}));
    EXPECT_EQ(zastosowane(), (std::vector<std::int32_t>{1, 2, 3}));
}

TEST_F(Oblicz, AnArithmeticErrorNamesTheModel)
{
    modele = "model(5,\"bez_warunku\",\"y\",\"1\",\"%\",\"0\",0,\"1\")\n";
    std::string blad;
    uruchom("", [&](kb::Context& ctx) {
        try {
            oblicz(ctx, "y");
        } catch (const BladModelu& e) {
            blad = e.what();
        }
    });
    EXPECT_EQ(blad, "Błąd obliczeń w modelu 5 (wynik y): dzielenie przez zero.\nWnioskowanie zostało przerwane.");
}

TEST(OdwracanieR, Reverses)
{
    EXPECT_EQ(odwracanie_r({1, 2, 3}), (std::vector<double>{3, 2, 1}));
    EXPECT_TRUE(odwracanie_r({}).empty());
}

}  // namespace
}  // namespace inference
