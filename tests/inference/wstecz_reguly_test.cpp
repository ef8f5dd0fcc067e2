// Backward inference over rules: the contributions a name's rules give it and under which name,
// their cumulative and disjunctive resultants as the user reads them, and the cases where a
// contribution could count twice, a stop could be run past or a cycle could leave a rule's
// number wrong.
#include <gtest/gtest.h>

#include "explain/ramka.h"
#include "inference/ocena_hipotezy.h"
#include "inference/wstecz_reguly.h"
#include "inference_run.h"
#include "kb/dopytywalne_regul.h"
#include "kb/listy.h"
#include "load/baza_regul_ladowanie.h"

namespace inference {
namespace {

const std::string kGlowna = "note \"Hipoteza główna\"\n";
const std::string kPomocnicza = "note \"Hipoteza pomocnicza\"\n";
const std::string kKrok = "dialog 10026\npress 1\n";
const std::string kStop = "note \"Uwaga - koniec!\"\n";

std::string razy(int ile, const std::string& kroki)
{
    std::string out;
    for (int i = 0; i < ile; ++i) out += kroki;
    return out;
}

// A rule of the conclusion with one condition, display flag 0.
std::string regula(int numer, const std::string& wniosek, const std::string& warunek, const std::string& cf)
{
    return "reguła(" + std::to_string(numer) + ",\"" + wniosek + "\",[\"" + warunek + "\"],0,\"" + cf + "\")\n";
}

class WsteczReguly : public test::InferenceRun {
protected:
    WsteczReguly() : InferenceRun("mała") {}

    // Known CFs of conditions, recorded as answers are (the name and its negation).
    std::vector<std::pair<std::string, double>> znane;
    // Run before the evaluation, after the seeding.
    std::function<void(kb::Context&)> przed = [](kb::Context&) {};
    // The rule alternatives alone, without the rest of the evaluation around them.
    bool tylko_reguly = false;

    // Evaluates the names in turn as a hypothesis test leaves the run before its evaluation: the
    // seed of "bez warunku", the rule-number lists, the askables, the hypothesis (the first
    // name). The transcript of the whole run.
    std::string ocen(const std::vector<std::string>& nazwy, const std::string& kroki)
    {
        wyniki.clear();
        return uruchom(kroki, [&](kb::Context& ctx) {
            kb::dodaj_wypadkowa(ctx, "bez warunku", 1.0);
            for (const auto& [n, cf] : znane) {
                kb::dodaj_wypadkowa(ctx, n, cf);
                kb::dodaj_wypadkowa(ctx, kb::negacja(n), 0.0 - cf);
            }
            load::tworz_listy_numerow_regul_kumulatywnych(ctx);
            load::tworz_listy_numerow_regul_dysjunktywnych(ctx);
            if (std::optional<facts::NameList> d = kb::wyznacz_warunki_dopytywalne(ctx))
                ctx.db.stan.lista_warunkow_dopytywalnych.add_last(*d);
            ctx.db.stan_ladowania.hipoteza.add_last(nazwy.front());
            przed(ctx);
            for (const std::string& n : nazwy)
                wyniki.push_back(tylko_reguly ? alternatywy_regul(ctx, n) : ocena_hipotezy_cd(ctx, n));
        });
    }
    std::optional<double> ocen1(const std::string& nazwa, const std::string& kroki)
    {
        ocen({nazwa}, kroki);
        return wyniki.front();
    }

    std::vector<std::string> wklady(const std::string& nazwa) const
    {
        std::vector<std::string> out;
        for (const kb::Prbd& p : ctx_->db.stan_ladowania.prbd.all())
            if (p.wniosek == nazwa) out.push_back(std::to_string(p.numer) + ":" + text::real_to_text(p.cf));
        return out;
    }
    std::optional<facts::IList> lista_kumulatywna(const std::string& wniosek) const
    {
        const auto l = ctx_->db.stan_ladowania.lista_numerow_regul_kumulatywnych.first(
            [&](const kb::ListaNumerowRegul& f) { return f.wniosek == wniosek; });
        if (!l) return std::nullopt;
        return l->numery;
    }
    std::optional<double> cf(const std::string& nazwa) const { return kb::wypadkowa(*ctx_, nazwa); }

    std::vector<std::optional<double>> wyniki;
};

TEST_F(WsteczReguly, CumulativeContributionsFoldIntoTheResultant)
{
    struct Przypadek {
        std::vector<double> wklady;  // of rules 1, 2 in rule-base order
        double wynik;
    };
    const std::vector<Przypadek> przypadki = {
        {{0.6, 0.4}, 0.76}, {{0.8, -0.5}, 0.6},  {{0.3, -0.7}, -0.57}, {{0.9, -0.3}, 0.86},
        {{1.0, -0.5}, 1.0}, {{-0.6, -0.5}, -0.8}, {{1.0, -1.0}, 0.0},  {{0.0}, 0.0},
    };
    for (const Przypadek& p : przypadki) {
        reguly.clear();
        znane.clear();
        for (std::size_t i = 0; i < p.wklady.size(); ++i) {
            const std::string w = "a" + std::to_string(i + 1);
            reguly += regula(static_cast<int>(i) + 1, "H", w, "1");
            znane.push_back({w, p.wklady[i]});
        }
        const std::string t = ocen({"H"}, razy(static_cast<int>(p.wklady.size()), kGlowna) + kKrok);
        const std::string opis = "wklady " + text::real_to_text(p.wklady.front());
        EXPECT_EQ(wyniki.front(), p.wynik) << opis;
        EXPECT_EQ(cf("H"), p.wynik) << opis;
        EXPECT_EQ(cf("nH"), 0.0 - p.wynik) << opis;
        EXPECT_EQ(lista_kumulatywna("H"), facts::IList{}) << opis;
        EXPECT_TRUE(zawiera(t, "aux: Z wszystkich reguł kumulatywnych (z pojedynczej reguły) dla hipotezy:\n"
                               "aux:     H\naux: wynika:\naux:     H(" +
                                   text::real_to_text(p.wynik) + ")\n"))
            << t;
        // The full conflict says so by one blank less in the step dialog's first line.
        const bool konflikt = p.wklady.size() == 2 && p.wklady[0] == 1.0 && p.wklady[1] == -1.0;
        EXPECT_EQ(zawiera(t, "kumulatywnych  (z pojedynczej"), !konflikt) << t;
        EXPECT_EQ(zawiera(t, "\"Z wszystkich reguł kumulatywnych (z pojedynczej reguły) dla hipotezy: \""), konflikt)
            << t;
    }
}

TEST_F(WsteczReguly, ANegatedNameTakesTheNegatedRoundedContributionsOfItsPositiveRules)
{
    // 0.5 x 0.25 rounds to 0.13; the negated name gets -0.13, not the rounding of -0.125.
    reguly = regula(1, "H", "a", "0.5") + regula(2, "H", "b", "-0.5");
    znane = {{"a", 0.25}, {"b", 0.25}};
    EXPECT_EQ(ocen1("nH", razy(2, kGlowna) + kKrok), -0.01);
    EXPECT_EQ(wklady("nH"), (std::vector<std::string>{"2:0.12", "1:-0.13"}));  // newest first
    EXPECT_TRUE(wklady("H").empty());
    EXPECT_EQ(cf("H"), 0.01);
    EXPECT_EQ(lista_kumulatywna("H"), facts::IList{});
}

TEST_F(WsteczReguly, AContributionOfMinusOneIsDroppedOrKeptByTheOrderInWhichItIsFolded)
{
    // The contributions are folded newest first, and a leading -1.0 is dropped: asking for H
    // folds [-1.0, -0.5] and keeps -0.5; asking for nH folds [1.0, 0.5], which gives 1.0.
    reguly = regula(1, "H", "a", "1") + regula(2, "H", "b", "1");
    znane = {{"a", -0.5}, {"b", -1.0}};
    EXPECT_EQ(ocen1("H", razy(2, kGlowna) + kKrok), -0.5);
    EXPECT_EQ(ocen1("nH", razy(2, kGlowna) + kKrok), 1.0);
    EXPECT_EQ(cf("H"), -1.0);
}

TEST_F(WsteczReguly, ARuleAppliedBeforeItsConclusionFailedIsNotCountedAgainOnTheNextAttempt)
{
    // The first evaluation applies rule 1 but cannot evaluate c (its only rule has no
    // conditions); once c is known, the second applies rule 2 only: 0.5 and 0.5 make 0.75 (0.88
    // were rule 1 counted twice).
    reguly = regula(1, "H", "a", "1") + regula(2, "H", "c", "1") + regula(3, "c", "bez warunku", "1");
    znane = {{"a", 0.5}};
    przed = [](kb::Context& ctx) {
        ASSERT_FALSE(ocena_hipotezy_cd(ctx, "H").has_value());
        kb::dodaj_wypadkowa(ctx, "c", 0.5);
    };
    EXPECT_EQ(ocen1("H", kGlowna + kGlowna + kKrok), 0.75);
    EXPECT_EQ(wklady("H"), (std::vector<std::string>{"2:0.5", "1:0.5"}));
}

TEST_F(WsteczReguly, TheNegationFinishingTheRulesOfABrokenOffEvaluationCountsThemAll)
{
    // H's evaluation applies rule 1 and breaks off at c; nH's applies rule 2 and empties the
    // shared list: rule 1's 0.5 counts for nH as -0.5 beside rule 2's -0.4.
    reguly = regula(1, "H", "a", "0.5") + regula(2, "H", "c", "1") + regula(3, "c", "bez warunku", "1");
    znane = {{"a", 1.0}};
    przed = [](kb::Context& ctx) {
        ASSERT_FALSE(ocena_hipotezy_cd(ctx, "H").has_value());
        kb::dodaj_wypadkowa(ctx, "c", 0.4);
    };
    ocen({"nH"}, kPomocnicza + kGlowna + kKrok);
    EXPECT_EQ(wyniki.front(), -0.7);
    EXPECT_EQ(cf("H"), 0.7);
}

TEST_F(WsteczReguly, ARuleWhosePremiseRunsIntoACycleKeepsItsNumberAndCountsOnce)
{
    // a needs b (rule 1), b needs a (rule 2): both rules are left, their numbers stay, and rule
    // 3 of a is applied once however often a is asked for.
    reguly = regula(1, "a", "b", "1") + regula(2, "b", "a", "1") + regula(3, "a", "c", "0.8");
    znane = {{"c", 1.0}};
    ocen({"a", "a", "b"}, kGlowna);
    EXPECT_EQ(wyniki, (std::vector<std::optional<double>>{std::nullopt, std::nullopt, std::nullopt}));
    EXPECT_EQ(lista_kumulatywna("a"), facts::IList{1});
    EXPECT_EQ(lista_kumulatywna("b"), facts::IList{2});
    EXPECT_EQ(wklady("a"), (std::vector<std::string>{"3:0.8"}));
    EXPECT_TRUE(wklady("b").empty());
    EXPECT_FALSE(cf("a").has_value());
    EXPECT_FALSE(cf("b").has_value());

    // a needs its own negation (rule 1): na's evaluation meets rule 1 again and leaves it, but
    // applies rule 2, which then counts for na alone, once.
    reguly = regula(1, "a", "na", "1") + regula(2, "a", "c", "0.8");
    ocen({"a", "a", "na"}, kPomocnicza);
    EXPECT_EQ(wyniki, (std::vector<std::optional<double>>{std::nullopt, std::nullopt, std::nullopt}));
    EXPECT_EQ(lista_kumulatywna("a"), facts::IList{1});
    EXPECT_EQ(wklady("na"), (std::vector<std::string>{"2:-0.8"}));
    EXPECT_TRUE(wklady("a").empty());
}

TEST_F(WsteczReguly, ARuleWithoutConditionsLeavesItsCumulativeConclusionUnsettled)
{
    reguly = "reguła(1,\"H\",[\"bez warunku\"],0,\"0.7\")\n" + regula(2, "H", "a", "0.5");
    znane = {{"a", 1.0}};
    EXPECT_FALSE(ocen1("H", kGlowna).has_value());
    EXPECT_EQ(lista_kumulatywna("H"), facts::IList{1});
    EXPECT_EQ(wklady("H"), (std::vector<std::string>{"2:0.5"}));
}

TEST_F(WsteczReguly, TheRulesOfKoniecCountOnceAndAStopAmongThemEndsTheWorkOnTheRest)
{
    tylko_reguly = true;
    znane = {{"a", 0.5}};
    // A negative contribution is no stop: the rules of "koniec" are worked on to their end, each
    // once however often "koniec" is asked for, and H is evaluated as before.
    reguly = "reguła(1,\"koniec\",[\"a\"],1,\"-1.0\")\nreguła(2,\"koniec\",[\"a\"],1,\"-0.2\")\n" + regula(3, "H", "a", "1.0");
    ocen({"koniec", "koniec", "H"}, kPomocnicza + kKrok);
    EXPECT_EQ(wklady("koniec"), (std::vector<std::string>{"2:-0.1", "1:-0.5"}));
    EXPECT_EQ(wyniki, (std::vector<std::optional<double>>{std::nullopt, std::nullopt, 0.5}));
    // Rule 1 records the stop; rule 2's premise is not evaluated, so b is never asked for.
    reguly = "reguła(1,\"koniec\",[\"a\"],1,\"1.0\")\nreguła(2,\"koniec\",[\"b\"],1,\"1.0\")\n";
    const std::string t = ocen({"koniec"}, "");
    EXPECT_EQ(wklady("koniec"), (std::vector<std::string>{"1:0.5"}));
    EXPECT_FALSE(zawiera(t, "10003")) << t;
}

TEST_F(WsteczReguly, AfterAStopOnlyTheNegatedNameOfASettledConclusionGetsItsResultant)
{
    tylko_reguly = true;
    reguly = regula(1, "X", "a", "1");
    przed = [](kb::Context& ctx) {
        ctx.db.stan_ladowania.lista_numerow_regul_kumulatywnych.remove_all();
        ctx.db.stan_ladowania.lista_numerow_regul_kumulatywnych.add_last({"X", {}});
        kb::dodaj_prbd_na_poczatku(ctx, 1, "nX", 0.3);
        kb::dodaj_prbd(ctx, 9, "koniec", 1.0);
    };
    ocen({"nX", "X"}, kKrok);
    EXPECT_EQ(wyniki, (std::vector<std::optional<double>>{0.3, std::nullopt}));
    EXPECT_EQ(cf("X"), -0.3);
}

TEST_F(WsteczReguly, DisjunctiveConclusionsAndTheirNegationsTakeTheirExtremeContribution)
{
    struct Przypadek {
        std::string nazwa;
        std::vector<std::pair<double, double>> reguly;  // premise CF, rule CF, in rule-base order
        std::optional<double> wynik;
        int alternatywa;  // whose texts are written: 14 to 17
    };
    const std::vector<Przypadek> przypadki = {
        {"X", {{0.6, 0.5}, {0.9, -0.5}}, 0.3, 14},
        {"X", {{0.5, -0.8}, {-0.2, 0.5}}, -0.4, 15},   // -0.1 comes of a premise not above 0
        {"nX", {{0.5, -0.8}, {-0.2, 0.5}}, 0.4, 17},
        {"X", {{0.5, -0.8}, {0.0, 0.7}}, -0.4, 15},
        {"nX", {{0.5, -0.8}, {0.0, 0.7}}, 0.0, 16},    // premise 0.0 sides with nX's positives
        {"X", {{-0.5, -0.4}, {0.4, 0.5}}, 0.2, 14},    // rule 1 skipped
        {"nX", {{-0.5, -0.4}, {0.4, 0.5}}, -0.2, 16},
        {"X", {{-0.5, -0.4}, {0.0, 0.0}}, std::nullopt, 0},  // every rule skipped
    };
    for (const Przypadek& p : przypadki) {
        reguly = "reguła_dysjunktywna(\"X\")\n";
        znane.clear();
        int zastosowane = 0;
        for (std::size_t i = 0; i < p.reguly.size(); ++i) {
            const std::string w = "a" + std::to_string(i + 1);
            reguly += regula(static_cast<int>(i) + 1, "X", w, text::real_to_text(p.reguly[i].second));
            znane.push_back({w, p.reguly[i].first});
            if (p.reguly[i].first > 0.0 || p.reguly[i].second > 0.0) ++zastosowane;
        }
        const std::string t = ocen({p.nazwa}, razy(zastosowane, kGlowna) + (p.wynik ? kKrok : ""));
        const std::string opis = p.nazwa + " alternatywa " + std::to_string(p.alternatywa);
        EXPECT_EQ(wyniki.front(), p.wynik) << opis;
        EXPECT_EQ(lista_kumulatywna("X"), std::nullopt) << opis;
        if (!p.wynik) {
            EXPECT_FALSE(zawiera(t, "dysjunktywnych")) << t;
            EXPECT_FALSE(cf("X").has_value()) << opis;
            continue;
        }
        const double x = p.nazwa == "X" ? *p.wynik : 0.0 - *p.wynik;
        EXPECT_EQ(cf("X"), x) << opis;
        EXPECT_EQ(cf("nX"), 0.0 - x) << opis;
        const std::string n = p.nazwa;
        const std::string v = text::real_to_text(*p.wynik);
        const std::string teksty =
            p.alternatywa == 14   ? "aux: Z wszystkich reguł dysjunktywnych dla hipotezy:\naux:     " + n +
                                      "\naux: wynika:\naux:     CF(" + n + ")  = " + v + "\naux:\n"
            : p.alternatywa == 15 ? "aux: Z wszystkich reguł dysjunktywnych dla hipotezy\naux:     " + n +
                                      "\naux: wynika:\naux:     CF(" + n + ") =" + v + "\naux:\n"
                                  : "aux:     Z wszystkich reguł dysjunktywnych dla hipotezy:\naux:     " + n +
                                      "\naux:     wynika:\naux:     CF(" + n + ")  = " + v + "\n";
        EXPECT_TRUE(zawiera(t, teksty)) << opis << "\n" << t;
    }
}

TEST_F(WsteczReguly, TheNegationOfADisjunctiveConclusionRecordsForBothNamesAndAppliedRulesComeFirst)
{
    reguly = "reguła_dysjunktywna(\"X\")\n"
             "reguła(1,\"X\",[\"a\"],1,\"-0.4\")\n"
             "reguła(2,\"X\",[\"b\"],1,\"-0.8\")\n"
             "reguła(3,\"X\",[\"c\"],1,\"0.5\")\n";
    znane = {{"a", -0.5}, {"b", 0.5}, {"c", -0.2}};
    const std::string t = ocen({"nX"}, razy(2, kGlowna + kKrok) + "note \"Uwaga!\"\n" + kKrok);
    EXPECT_EQ(wyniki.front(), 0.4);
    EXPECT_EQ(wklady("X"), (std::vector<std::string>{"3:-0.1", "2:-0.4"}));
    EXPECT_EQ(wklady("nX"), (std::vector<std::string>{"-3:0.1", "-2:0.4"}));
    const std::vector<kb::Dysjunkt> d = kb::dysjunkty(ctx(), "nX");
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[0].cf_warunkow, -0.5);
    EXPECT_EQ(d[0].cf, 0.4);
    EXPECT_EQ(d[1].cf_warunkow, 0.2);
    EXPECT_EQ(d[1].cf, 0.1);
    ASSERT_EQ(kb::dysjunkty(ctx(), "X").size(), 2u);
    EXPECT_EQ(kb::dysjunkty(ctx(), "X")[1].cf_warunkow, -0.2);
    EXPECT_EQ(kb::dysjunkty(ctx(), "X")[1].cf, -0.1);
    // Rules 2 and 3 are explained for nX, then rule 1 is said to be passed over.
    const std::size_t r2 = t.find("Stosuję regułę 2 o postaci");
    const std::size_t r3 = t.find("Stosuję regułę 3 o postaci");
    const std::size_t r1 = t.find("Stosuję regułę dysjunktywną 1");
    EXPECT_LT(r2, r3);
    EXPECT_LT(r3, r1);
    EXPECT_NE(r1, std::string::npos);
    EXPECT_TRUE(zawiera(t, "nX(0.4)")) << t;
}

TEST_F(WsteczReguly, TheNegationFinishingADisjunctiveListSeesThePremisesOfEveryFiredRule)
{
    // X's evaluation fires rule 1 (premise 0.8, -0.4) and breaks off at c; nX's fires rule 2
    // (premise -0.5, -0.1). The signs are mixed, so nX takes rule 1's 0.4, as a whole
    // evaluation of either name would; rule 2's 0.1 alone were rule 1's premise forgotten.
    reguly = "reguła_dysjunktywna(\"X\")\n" + regula(1, "X", "a", "-0.5") + regula(2, "X", "c", "0.2") +
             regula(3, "c", "bez warunku", "1");
    znane = {{"a", 0.8}};
    przed = [](kb::Context& ctx) {
        ASSERT_FALSE(ocena_hipotezy_cd(ctx, "X").has_value());
        kb::dodaj_wypadkowa(ctx, "c", -0.5);
    };
    ocen({"nX"}, kPomocnicza + kGlowna + kKrok);
    EXPECT_EQ(wyniki.front(), 0.4);
    EXPECT_EQ(cf("X"), -0.4);
}

TEST_F(WsteczReguly, TheResultantOfANegatedDisjunctiveConclusionShowsOnlyItsOwnLines)
{
    // Lines and a heading left pending by an earlier writer are not shown under the resultant.
    reguly = "reguła_dysjunktywna(\"X\")\n" + regula(1, "X", "a", "0.5");
    znane = {{"a", 0.8}};
    przed = [](kb::Context& ctx) {
        explain::dodaj_naglowek(ctx, "Stary nagłówek");
        explain::dodaj_linie_sladu(ctx, "stara linia");
    };
    const std::string t = ocen({"nX"}, kGlowna + kKrok);
    EXPECT_EQ(wyniki.front(), -0.4);
    EXPECT_FALSE(zawiera(t, "stara linia")) << t;
    EXPECT_FALSE(zawiera(t, "Stary nagłówek")) << t;
    EXPECT_TRUE(zawiera(t, "Wypadkowe CF wniosku reguł dysjunktywnych ")) << t;
}

}  // namespace
}  // namespace inference
