// The run state: the rule-number lists shortened rule by rule, applied rules re-enabled by a new
// contribution, the stop by "koniec", and contributions and disjunctive records cleared together
// at a launch and at a rule-base load.
#include <gtest/gtest.h>

#include "inference/stan_przebiegu.h"
#include "inference_run.h"
#include "load/kasowanie.h"

namespace inference {
namespace {

using facts::IList;
using L = kb::ListaNumerowRegul;

class StanPrzebiegu : public test::InferenceRun {
protected:
    void SetUp() override
    {
        InferenceRun::SetUp();
        reguly = "reguła(9,\"X\",[\"a\"],1,\"0.5\")\n"
                 "reguła(6,\"koniec\",[\"X\"],1,\"1\")\n"
                 "reguła(4,\"X\",[\"b\"],1,\"0.5\")\n"
                 "reguła(5,\"Y\",[\"X\",\"c\"],1,\"0.5\")\n"
                 "reguła(7,\"Z\",[\"nX\"],1,\"0.5\")\n";
    }
};

TEST_F(StanPrzebiegu, ListsLoseOneRuleAtATimeAndStayWhenEmpty)
{
    uruchom("", [](kb::Context& ctx) {
        auto& listy = ctx.db.stan_ladowania.lista_numerow_regul_kumulatywnych;
        listy.add_last({"X", {9, 4}});
        listy.add_last({"Y", {5}});
        EXPECT_TRUE(redukuj_liste_regul_kumulatywnych(ctx, 9, "X"));
        EXPECT_EQ(listy.all(), (std::vector<L>{{"Y", {5}}, {"X", {4}}}));  // moved to the end
        EXPECT_TRUE(redukuj_liste_regul_kumulatywnych(ctx, 4, "X"));
        EXPECT_EQ(listy.all(), (std::vector<L>{{"Y", {5}}, {"X", {}}}));
        EXPECT_FALSE(redukuj_liste_regul_kumulatywnych(ctx, 4, "X"));
        EXPECT_FALSE(redukuj_liste_regul_kumulatywnych(ctx, 6, "koniec"));  // no list at all
        EXPECT_EQ(listy.all(), (std::vector<L>{{"Y", {5}}, {"X", {}}}));
        EXPECT_FALSE(redukuj_liste_regul_dysjunktywnych(ctx, 5, "Y"));  // the other kind of list
    });
}

TEST_F(StanPrzebiegu, ANewContributionReEnablesTheRulesUsingTheConclusion)
{
    struct Case {
        std::vector<kb::Prbd> recorded;
        double cf;
        IList still_applied;
    };
    const std::vector<Case> cases = {
        {{}, 0.63, {7}},                     // X's users 5 and 6 lose their mark; 7 uses only nX
        {{{4, "X", 0.63}}, 0.63, {5, 7, 6}}, // this very contribution: nothing changes
        {{{4, "X", 0.5}}, 0.63, {7}},
    };
    for (const Case& c : cases) {
        uruchom("", [&](kb::Context& ctx) {
            for (const kb::Prbd& p : c.recorded) kb::dodaj_prbd(ctx, p.numer, p.wniosek, p.cf);
            for (std::int32_t n : {5, 7, 6}) ctx.db.stan_ladowania.regula_zastosowana.add_last(n);
            skasuj_zastosowane_reguly(ctx, 4, "X", c.cf);
            EXPECT_EQ(ctx.db.stan_ladowania.regula_zastosowana.all(), c.still_applied);
        });
    }
}

TEST_F(StanPrzebiegu, KoniecStopsTheRunOnlyWithANonNegativeContribution)
{
    const std::vector<std::pair<std::vector<kb::Prbd>, bool>> cases = {
        {{}, true},
        {{{6, "koniec", 0.0}}, false},
        {{{6, "koniec", -0.3}}, true},
        {{{6, "koniec", -0.3}, {8, "koniec", 0.4}}, false},
        {{{6, "nkoniec", 0.5}}, true},
    };
    for (const auto& [recorded, goes_on] : cases)
        uruchom("", [&](kb::Context& ctx) {
            for (const kb::Prbd& p : recorded) kb::dodaj_prbd(ctx, p.numer, p.wniosek, p.cf);
            EXPECT_EQ(zrob_koniec(ctx), goes_on) << recorded.size();
        });
}

TEST_F(StanPrzebiegu, ContributionsAndDisjunctiveRecordsGoTogether)
{
    for (auto clear : {load::kasowanie_prbd, load::kasowanie_bazy_wiedzy})
        uruchom("", [&](kb::Context& ctx) {
            kb::dodaj_prbd(ctx, 1, "W", 0.3);
            kb::dodaj_dysjunkt(ctx, {"W", 0.5, 0.3});
            clear(ctx);
            EXPECT_TRUE(ctx.db.stan_ladowania.prbd.empty());
            EXPECT_TRUE(ctx.db.stan_ladowania.dysjunkt.empty());
            EXPECT_TRUE(kb::dysjunkty(ctx, "W").empty());
            EXPECT_TRUE(kb::cf_czastkowe(ctx, "W").empty());
        });
}

}  // namespace
}  // namespace inference
