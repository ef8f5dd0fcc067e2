// The operations of arithmetic models row by row: their values to the last bit where the order
// of operations matters, the rows that give no result, the two warnings, and the arithmetic
// errors that end a run.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "inference/blad_obliczen.h"
#include "inference/operacje.h"
#include "inference_run.h"

namespace inference {
namespace {

using List = std::vector<double>;

bool same_bits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

class Operacje : public test::InferenceRun {};

struct Wiersz {
    double a, b;
    std::string op;
    std::optional<double> r;
};

TEST_F(Operacje, RowsOfABasicModel)
{
    const std::vector<Wiersz> cases = {
        {2, 3, "+", 5.0},           {2, 3, "-", -1.0},          {2, 3, "*", 6.0},          {7, 2, "/", 3.5},
        {2, 10, "A^N", 1024.0},     {2, 2.5, "A^N", 8.0},       {0, 0, "A^N", 1.0},        {2, -2, "A^N", 0.25},
        {-2, 3, "A^N", -8.0},       {1, 2e9, "A^N", 1.0},       {-1, 2e9 + 1, "A^N", -1.0}, {0.5, 2e9, "A^N", 0.0},
        {9, 0, "sqrt", 3.0},        {9, 1, "sqrt", std::nullopt},
        {7, 2, "mod", 1.0},         {-7, 2, "mod", -1.0},       {7, -2, "mod", 1.0},       {7.4, 2.6, "mod", 1.0},
        {7, 2, "div", 3.0},         {-7, 2, "div", -3.0},       {7, -2, "div", -3.0},
        {50, 200, "%", 25.0},       {0, 0, "sin", 0.0},         {0, 0, "cos", 1.0},        {0, 0, "tan", 0.0},
        {1, 0, "arctan", std::atan(1.0)}, {1, 0, "ln", 0.0},    {100, 0, "log", 2.0},      {0, 0, "exp", 1.0},
        {2.5, 0, "round", 3.0},     {-2.5, 0, "round", -2.0},   {-2.6, 0, "round", -3.0},  {-2.7, 0, "trunc", -2.0},
        {-3, 0, "abs", 3.0},        {4, 0, "=", 4.0},           {4, 1, "=", std::nullopt}, {3, 3, "min", 3.0},
        {-1, 2, "max", 2.0},        {5, 1, "min", 1.0},         {5, 1, "max", 5.0},
        {0.125, 2, "zaokrąglenie_do_N", 0.13}, {-0.125, 2, "zaokrąglenie_do_N", -0.12},
        {1234.5, 0, "zaokrąglenie_do_N", 1235.0}, {1234.5, -2, "zaokrąglenie_do_N", 1200.0},
        {1, 2, "potęga", std::nullopt}, {1, 2, " +", std::nullopt},
    };
    uruchom("", [&](kb::Context& ctx) {
        for (const Wiersz& w : cases) {
            const std::optional<double> r = wykonaj(ctx, w.a, w.b, w.op);
            ASSERT_EQ(r.has_value(), w.r.has_value()) << w.op << " " << w.a << " " << w.b;
            if (r) {
                EXPECT_TRUE(same_bits(*r, *w.r)) << w.op << " " << w.a << " " << w.b << " -> " << *r;
            }
        }
    });
}

TEST_F(Operacje, DivisionByZeroAndTheRootOfANegativeNumberWarnAndGoOn)
{
    const std::string t = uruchom("note \"Uwaga!\"\nnote \"Uwaga!\"\nnote \"Uwaga!\"\n", [](kb::Context& ctx) {
        kb::kasowanie_tekst_raportu(ctx);
        EXPECT_EQ(wykonaj(ctx, 7, 0, "/"), 1.0);
        EXPECT_EQ(wykonaj(ctx, 0, 0, "/"), 1.0);
        EXPECT_EQ(wykonaj(ctx, -9, 0, "sqrt"), 3.0);
    });
    EXPECT_EQ(t, "aux: Próba dzielenia przez 0!\nnote \"Uwaga!\": \"Próba dzielenia przez 0!\"\n"
                 "aux: Próba dzielenia przez 0!\nnote \"Uwaga!\": \"Próba dzielenia przez 0!\"\n"
                 "note \"Uwaga!\": \"Pierwiastek z liczby ujemnej!\"\n");
    EXPECT_EQ(ctx().db.baza_raportu.tekst_raportu.first(), "");  // the warning is the window's only
}

TEST_F(Operacje, ArithmeticWithoutAFiniteResultIsAnError)
{
    const std::vector<Wiersz> cases = {
        {5, 0.4, "mod", {}}, {5, 0, "div", {}},   {50, 0, "%", {}},       {0, 0, "ln", {}},
        {-1, 0, "log", {}},  {1e308, 10, "*", {}}, {1000, 0, "exp", {}},  {2, 3e9, "A^N", {}},
        {0, -1, "A^N", {}},  {10, 2000, "A^N", {}}, {1, 400, "zaokrąglenie_do_N", {}},
    };
    uruchom("", [&](kb::Context& ctx) {
        for (const Wiersz& w : cases) EXPECT_THROW(wykonaj(ctx, w.a, w.b, w.op), BladObliczen) << w.op << " " << w.b;
    });
}

TEST(OperacjeList, ExtendedLinearAndPolynomialModels)
{
    EXPECT_EQ(wykonaj_r({}, "+"), 0.0);
    EXPECT_EQ(wykonaj_r({}, "*"), 1.0);
    EXPECT_EQ(wykonaj_r({}, "max_list"), std::nullopt);
    EXPECT_EQ(wykonaj_r({3, 1, 2}, "+"), 6.0);
    EXPECT_EQ(wykonaj_r({3, 1, 2}, "*"), 6.0);
    EXPECT_EQ(wykonaj_r({3, 1, 2}, "max_list"), 3.0);
    EXPECT_EQ(wykonaj_r({3, 1, 2}, "min_list"), 1.0);
    EXPECT_EQ(wykonaj_r({3, 1}, "max"), std::nullopt);
    EXPECT_THROW(wykonaj_r({1e308, 1e308}, "+"), BladObliczen);

    EXPECT_EQ(wykonaj_liniowy(0.0, {3, 2}, {4, 5}), 22.0);
    EXPECT_EQ(wykonaj_liniowy(0.0, {}, {}), 0.0);
    EXPECT_EQ(wykonaj_liniowy(0.0, {1}, {1, 2}), std::nullopt);

    EXPECT_EQ(wykonaj_wielomianowy(0.0, 2, {3}, {2}), 12.0);
    EXPECT_EQ(wykonaj_wielomianowy(0.0, 0, {5}, {0}), 5.0);
    EXPECT_EQ(wykonaj_wielomianowy(0.0, 2, {0}, {-1}), 0.0);
    EXPECT_EQ(wykonaj_wielomianowy(0.0, 2, {2}, {-1}), std::nullopt);
    EXPECT_EQ(wykonaj_wielomianowy(0.0, 3, {1, 0, 2}, {0, 5, 2}), 19.0);
    EXPECT_EQ(wykonaj_wielomianowy(0.0, 3, {1}, {0, 1}), std::nullopt);

    EXPECT_EQ(maksimum({}), std::nullopt);
    EXPECT_EQ(minimum({2, -1, 5}), -1.0);
}

// A sum accumulates in list order: the order fixes the last bits.
TEST(OperacjeList, SumsInListOrder)
{
    const double sum = wykonaj_r({0.1, 0.2, 0.3}, "+").value();
    EXPECT_TRUE(same_bits(sum, (0.0 + 0.1 + 0.2) + 0.3));
    EXPECT_FALSE(same_bits(sum, 0.1 + (0.2 + 0.3)));
}

TEST(BladModelu, TheRunsTrapNamesTheModelAndEndsTheRunOnly)
{
    platform::headless::HeadlessOptions options;
    platform::headless::HeadlessToolkit ui(platform::headless::Script::parse("note \"Uwaga błąd!\"\n"), options);
    kb::Context ctx(ui);
    bool dalej = false;
    const bool wynik = pod_pulapka_obliczen(ctx, [&] {
        w_modelu(7, "x", []() -> double { throw BladObliczen("dzielenie przez zero"); });
        dalej = true;
        return true;
    });
    EXPECT_FALSE(wynik);
    EXPECT_FALSE(dalej);
    EXPECT_NE(ui.transcript().find("note \"Uwaga błąd!\": \"Błąd obliczeń w modelu 7 (wynik x): dzielenie przez zero."
                                   "\\nWnioskowanie zostało przerwane.\"\n"),
              std::string::npos)
        << ui.transcript();
}

}  // namespace
}  // namespace inference
