// The explanations as the value search meets them: a model applied on the spot is listed and
// explained before its value is recorded, and a model whose explanation has nothing to list
// (a sum of no arguments) is still applied.
#include <gtest/gtest.h>

#include <algorithm>

#include "../inference/inference_run.h"
#include "inference/oblicz.h"

namespace explain {
namespace {

class WyjasnieniaWObliczeniach : public inference::test::InferenceRun {
protected:
};

TEST_F(WyjasnieniaWObliczeniach, APolynomialIsListedExplainedAndThenRecorded)
{
    szczegolowosc = "duża";
    modele = "model_wielomianowy(9,\"bez_warunku\",\"y\",\"x\",[\"1\",\"0\",\"2\"],[0,1,2],1,\"1\")\n";
    std::optional<double> y;
    const std::string t = uruchom(
        "dialog 10023\n set 10022 \"3\"\n press 1\ndialog 10026\n press 1\ndialog 10026\n press 1\n",
        [&](kb::Context& ctx) {
            kb::kasowanie_tekst_raportu(ctx);
            y = inference::oblicz(ctx, "y");
        });
    EXPECT_EQ(y, 19.0);
    // The question for x is the value search's; from the line end before the listing on, the
    // report is the listing's and the explanation's.
    const std::string r = raport();
    EXPECT_EQ(r.substr(std::min(r.size(), r.find("\nDane są"))),
              "\n"
              "Dane są wartości następujących argumentów:\n"
              "    x=3\n"
              "Stosuję model arytmetyczny wielomianowy 9 o postaci:\n"
              "dla spełnionego warunku stosowania modelu: \n"
              "    bez_warunku\n"
              "zachodzi ze współczynnikiem CF = 1 \n"
              "    y = \n"
              "      1 * x^0 + \n"
              "      0 * x^1 + \n"
              "      2 * x^2\n"
              "Stąd wynika: \n"
              "    y = 19\n"
              "\n");
    EXPECT_TRUE(zawiera(t, "    10027 list [\"    x=3\"]\n")) << t;
    EXPECT_TRUE(zawiera(t, "    10022 edit \"Wyjaśnienie modelu arytmetycznego wielomianowego\"\n"
                           "    10027 list [\"Stosuję model arytmtyczny  wielomianowy 9 o postaci: \", "
                           "\"dla spełnionego warunku stosowania modelu: \", \"    bez_warunku\", "
                           "\"zachodzi ze współczynnikiem CF = 1\", \"    y = \", \"      1 * x^0 + \", "
                           "\"      0 * x^1 + \", \"      2 * x^2\", \"Stąd wynika:\", \"    y = 19\"]\n"))
        << t;
    EXPECT_TRUE(ctx().db.stan.zmienna_ustalona.contains(kb::NazwaWartosc{"y", 19.0}));
}

// An explained sum or product of no arguments used to stop half-way and so refuse its model,
// while the same model kept silent was applied.
TEST_F(WyjasnieniaWObliczeniach, AnExplainedSumOfNoArgumentsIsAppliedLikeASilentOne)
{
    szczegolowosc = "mała";
    modele = "model_r(1,\"bez_warunku\",\"s\",\"+\",[],1,\"1\")\n"
             "model_r(2,\"bez_warunku\",\"p\",\"*\",[],0,\"1\")\n"
             "model_liniowy(3,\"bez_warunku\",\"l\",[],[],1,\"1\")\n";
    std::vector<std::optional<double>> wartosci;
    uruchom("dialog 10026\n press 1\ndialog 10026\n press 1\n", [&](kb::Context& ctx) {
        for (const char* n : {"s", "p", "l"}) wartosci.push_back(inference::oblicz(ctx, n));
    });
    EXPECT_EQ(wartosci, (std::vector<std::optional<double>>{0.0, 1.0, 0.0}));
    EXPECT_EQ(ctx().db.stan_ladowania.model_stosowany.all(), (std::vector<std::int32_t>{1, 2, 3}));
}

}  // namespace
}  // namespace explain
