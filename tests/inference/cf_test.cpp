// Certainty-factor arithmetic to the last bit: the rounding to two decimals, the folds of
// partial CFs, the cumulative and disjunctive resultants, and the storing of a resultant with
// its negation.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "inference/cf.h"
#include "inference/wypadkowe.h"
#include "inference_run.h"

namespace inference {
namespace {

using List = std::vector<double>;

// Exactly the same double, the sign of a zero included.
bool same_bits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

const double kJustBelowOne = 1.0 - std::ldexp(1.0, -53);

TEST(Zaokraglenie, HalvesUpAndDecimalHalvesStoredBelowThemselvesDown)
{
    const std::vector<std::pair<double, double>> cases = {
        {0.125, 0.13}, {-0.125, -0.12}, {0.145, 0.14}, {0.285, 0.28}, {-0.005, 0.0},
        {-0.001, 0.0}, {1.0, 1.0},       {-1.0, -1.0}, {0.0, 0.0},     {0.857142857, 0.86},
    };
    for (const auto& [x, expected] : cases) EXPECT_TRUE(same_bits(zaokraglenie(x), expected)) << x;
}

TEST(Sumuj, FoldsInListOrderDroppingARunningMinusOne)
{
    const List nine(9, -0.99);
    List nine_then = nine;
    nine_then.push_back(-0.2);
    const std::vector<std::pair<List, double>> cases = {
        {{0.5, 0.5}, 0.75},
        {{0.3, 0.4, 0.5}, 0.79},
        {{-0.5, -0.5}, -0.75},
        {{-0.3, -0.4}, -0.58},
        {{-1.0}, -1.0},
        {{-1.0, -1.0}, -1.0},
        {{-1.0, -0.5}, -0.5},
        {{-0.5, -1.0}, -1.0},
        {{-0.5, -1.0, -0.4}, -0.4},
        {{0.0, -1.0}, -1.0},
        {{-1.0, 0.0}, 0.0},
        {{0.0, 0.0}, 0.0},
        {nine, -1.0},
        {nine_then, -0.2},
        {{1.0, 0.13}, kJustBelowOne},
        {{-0.13, -1.0}, -kJustBelowOne},
    };
    for (const auto& [partials, expected] : cases) {
        const std::optional<double> fold = sumuj(partials);
        ASSERT_TRUE(fold.has_value());
        // The folds of the table are written to two decimals: compare them as the program
        // rounds, except the cases that pin the last bit.
        if (std::fabs(expected) == kJustBelowOne || expected == -1.0 || expected == 0.0)
            EXPECT_TRUE(same_bits(*fold, expected)) << ::testing::PrintToString(partials) << " -> " << *fold;
        else
            EXPECT_DOUBLE_EQ(*fold, expected) << ::testing::PrintToString(partials);
    }
    EXPECT_FALSE(sumuj({}).has_value());
}

TEST(WypadkowaKumulatywna, FromTheFoldsOfPositiveAndOtherPartials)
{
    struct Case {
        double p, n, expected;
    };
    const std::vector<Case> cases = {
        {1.0, -1.0, 0.0},   {kJustBelowOne, -1.0, -1.0}, {0.75, -0.5, 0.5}, {0.9, -0.3, 0.86},
        {0.5, -0.3, 0.29},  {1.0, -0.5, 1.0},            {0.0, -0.4, -0.4}, {0.2, 0.0, 0.2},
        {0.0, 0.0, 0.0},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(same_bits(wypadkowa_kumulatywna(c.p, c.n), c.expected)) << c.p << " " << c.n;
}

class Wypadkowe : public test::InferenceRun {
protected:
    // Records the fired rules: (conclusion, condition-list CF, partial); disjunctive ones also
    // leave their disjunctive record.
    void wystrzel(kb::Context& ctx, const std::string& wniosek, double cf_warunkow, double cf, bool dysjunktywna)
    {
        static std::int32_t numer = 0;
        kb::dodaj_prbd(ctx, ++numer, wniosek, cf);
        if (dysjunktywna) kb::dodaj_dysjunkt(ctx, {wniosek, cf_warunkow, cf});
    }
};

TEST_F(Wypadkowe, DisjunctiveResultantTakesThePositiveConditionsWhenSignsAreMixed)
{
    struct Rule {
        double warunki, cf;
    };
    struct Case {
        std::vector<Rule> rules;
        std::optional<double> expected;
        bool same_signs;
    };
    const std::vector<Case> cases = {
        {{{0.5, -0.3}, {-0.5, -0.2}}, -0.3, false},
        {{{-0.4, -0.2}, {-1.0, -0.3}}, -0.2, true},
        {{{0.4, 0.2}, {0.9, 0.63}}, 0.63, true},
        {{}, std::nullopt, true},
    };
    for (const Case& c : cases) {
        uruchom("", [&](kb::Context& ctx) {
            for (const Rule& r : c.rules) wystrzel(ctx, "W", r.warunki, r.cf, true);
            EXPECT_EQ(jednakowe_znaki(ctx, "W"), c.same_signs);
            EXPECT_EQ(wypadkowa_dysjunktywna(ctx, "W"), c.expected);
        });
    }
}

TEST_F(Wypadkowe, PositiveAndOtherPartialsOfAConclusionInStoredOrder)
{
    uruchom("", [&](kb::Context& ctx) {
        wystrzel(ctx, "W", 1.0, 0.5, false);
        wystrzel(ctx, "nW", 1.0, -0.5, false);
        wystrzel(ctx, "W", 1.0, -0.3, false);
        wystrzel(ctx, "W", 1.0, 0.0, false);
        wystrzel(ctx, "W", 1.0, 0.4, false);
        EXPECT_EQ(prbd_dodatnie(ctx, "W"), (List{0.5, 0.4}));
        EXPECT_EQ(prbd_ujemne(ctx, "W"), (List{-0.3, 0.0}));
        EXPECT_DOUBLE_EQ(dodatnie_cf(ctx, "W"), 0.7);
        EXPECT_DOUBLE_EQ(ujemne_cf(ctx, "W"), -0.3);
        EXPECT_EQ(dodatnie_cf(ctx, "X"), 0.0);
        EXPECT_EQ(ujemne_cf(ctx, "X"), 0.0);
    });
}

TEST_F(Wypadkowe, StoringAResultantPairsItWithItsNegation)
{
    szczegolowosc = "mała";
    struct Case {
        std::vector<std::string> before;  // "name=CF" records already there
        std::string name;
        double cf;
        std::vector<std::string> after;
    };
    const std::vector<Case> cases = {
        {{}, "nX", 0.4, {"nX=0.4", "X=-0.4"}},
        {{"X=0.2", "a=1", "nX=-0.2"}, "X", 0.5, {"a=1", "X=0.5", "nX=-0.5"}},
        {{"X=0.2", "a=1"}, "X", 0.5, {"a=1", "X=0.5", "nX=-0.5"}},  // a name stored alone
        {{"nX=0.3"}, "X", 0.5, {"nX=0.3", "X=0.5", "nX=-0.5"}},    // the negation's record stays ahead
    };
    for (const Case& c : cases) {
        uruchom("", [&](kb::Context& ctx) {
            for (const std::string& r : c.before) {
                const auto eq = r.find('=');
                kb::dodaj_wypadkowa(ctx, r.substr(0, eq), *text::text_to_real(r.substr(eq + 1)));
            }
            pamietaj_wniosek_wypadkowy(ctx, c.name, c.cf);
        });
        EXPECT_EQ(wypadkowe(), c.after) << c.name;
    }
    uruchom("", [](kb::Context& ctx) { pamietaj_wniosek_wypadkowy(ctx, "X", 0.0); });
    EXPECT_TRUE(same_bits(*kb::wypadkowa(ctx(), "X"), 0.0));
    EXPECT_TRUE(same_bits(*kb::wypadkowa(ctx(), "nX"), 0.0));
}

}  // namespace
}  // namespace inference
