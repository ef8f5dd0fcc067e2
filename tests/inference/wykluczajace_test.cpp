// Recording answers and given facts against the constraint bases: the state each answer leaves
// (which names get which records, in which order), what is asked or shown on the way, and the
// membership tests. Every condition is recorded with its negation.
#include <gtest/gtest.h>

#include "inference/wykluczajace.h"
#include "inference_run.h"

namespace inference {
namespace {

using facts::SList;
using Records = std::vector<std::string>;

class Wykluczajace : public test::InferenceRun {
protected:
    Wykluczajace() : InferenceRun("mała") {}
    // The records already there, "name=CF" each.
    static void przed(kb::Context& ctx, const Records& records)
    {
        for (const std::string& r : records) {
            const auto eq = r.find('=');
            kb::dodaj_wypadkowa(ctx, r.substr(0, eq), *text::text_to_real(r.substr(eq + 1)));
        }
    }
};

struct Przejscie {
    std::string opis;
    std::string dokladne;
    std::string niepewne;
    Records przed;
    std::string warunek;
    double cf;
    bool wynik;
    Records po;         // every record afterwards, in stored order
    std::string kroki;  // what the user does meanwhile
};

TEST_F(Wykluczajace, PamietajRecordsTheAnswerAndCompletesItsConstraint)
{
    const std::string ab = "ograniczenie(1,[\"a\",\"b\"])\n";
    const std::string abc = "ograniczenie(1,[\"a\",\"b\",\"c\"])\n";
    const std::string ab_n = "ograniczenie_n(1,[\"a\",\"b\"])\n";
    const std::vector<Przejscie> cases = {
        {"exact pair, 1", ab, "", {}, "a", 1.0, true, {"a=1", "na=-1", "b=-1", "nb=1"}, ""},
        {"exact pair, 1, partner already -1", ab, "", {"b=-1"}, "a", 1.0, true,
         {"b=-1", "a=1", "na=-1", "b=-1", "nb=1"}, ""},
        {"exact pair, -1", ab, "", {}, "a", -1.0, true, {"a=-1", "na=1", "b=1", "nb=-1"}, ""},
        {"exact pair, -1, partner already 1: in step", ab, "", {"b=1"}, "a", -1.0, true, {"b=1", "a=-1", "na=1"}, ""},
        {"exact triple, 1", abc, "", {}, "a", 1.0, true, {"a=1", "na=-1", "b=-1", "nb=1", "c=-1", "nc=1"}, ""},
        {"exact triple, -1, another member already 1", abc, "", {"b=1"}, "c", -1.0, true,
         {"b=1", "c=-1", "nc=1", "a=-1", "na=1"}, ""},
        {"uncertain pair, 0.4", "", ab_n, {}, "a", 0.4, true, {"a=0.4", "na=-0.4", "b=-0.4", "nb=0.4"}, ""},
        {"uncertain pair, -0.4", "", ab_n, {}, "a", -0.4, true, {"a=-0.4", "na=0.4", "b=0.4", "nb=-0.4"}, ""},
        {"uncertain pair, -0.4, partner known", "", ab_n, {"b=0.1"}, "a", -0.4, true, {"b=0.1", "a=-0.4", "na=0.4"},
         ""},
        {"already 1, answered 1", ab, "", {"a=1"}, "a", 1.0, true, {"a=1"}, ""},
        {"already known, answered otherwise", "", "", {"a=0.2"}, "a", 0.5, false, {"a=0.2"}, ""},
        {"no constraint base", "", "", {}, "a", 0.3, true, {"a=0.3", "na=-0.3"}, ""},
        {"no constraint base, negation already in step", "", "", {"na=-0.3"}, "a", 0.3, true, {"na=-0.3", "a=0.3"}, ""},
    };
    for (const Przejscie& c : cases) {
        dokladne = c.dokladne;
        niepewne = c.niepewne;
        bool wynik = !c.wynik;
        uruchom(c.kroki, [&](kb::Context& ctx) {
            przed(ctx, c.przed);
            wynik = pamietaj(ctx, c.warunek, c.cf);
        });
        EXPECT_EQ(wynik, c.wynik) << c.opis;
        EXPECT_EQ(wypadkowe(), c.po) << c.opis;
    }
}

// With both constraint bases loaded but none of their constraints holding the condition, a free
// answer is recorded like any other.
TEST_F(Wykluczajace, FreeAnswerIsRecordedWhenNoConstraintOfTheLoadedBasesHoldsIt)
{
    struct Case {
        std::string dokladne, niepewne;
    };
    for (const Case& c : std::vector<Case>{{"", ""}, {"ograniczenie(1,[\"x\",\"y\"])\n", "ograniczenie_n(1,[\"x\",\"y\"])\n"}}) {
        dokladne = c.dokladne;
        niepewne = c.niepewne;
        dokladna_zaladowana = niepewna_zaladowana = true;
        bool wynik = false;
        const std::string t = uruchom("", [&](kb::Context& ctx) { wynik = pamietaj(ctx, "a", 0.3); });
        EXPECT_TRUE(wynik) << c.dokladne;
        EXPECT_EQ(wypadkowe(), (Records{"a=0.3", "na=-0.3"}));
        EXPECT_EQ(t, "");  // nothing to tell: no base left out
    }
}

TEST_F(Wykluczajace, WithoutABaseOfOneKindTheNegationIsToldInTheWindowOnly)
{
    niepewne = "ograniczenie_n(1,[\"a\",\"b\",\"c\"])\n";
    const std::string t = uruchom("", [](kb::Context& ctx) { EXPECT_TRUE(pamietaj(ctx, "a", 1.0)); });
    EXPECT_EQ(wypadkowe(), (Records{"a=1", "na=-1"}));  // b and c are not asked
    EXPECT_EQ(t, "aux: na  -1\n");
    EXPECT_EQ(raport(), "");
}

TEST_F(Wykluczajace, ExactPairWithThePartnerAtAnotherValueCannotTakeMinusOne)
{
    dokladne = "ograniczenie(1,[\"a\",\"b\"])\n";
    bool wynik = true;
    const std::string t = uruchom("dialog 10026\n press 1\n", [&](kb::Context& ctx) {
        przed(ctx, {"b=0.5"});
        wynik = pamietaj(ctx, "a", -1.0);
    });
    EXPECT_FALSE(wynik);
    EXPECT_EQ(wypadkowe(), (Records{"b=0.5", "a=-1", "na=1"}));
    EXPECT_TRUE(zawiera(t, "    10022 edit \"CF warunków wykluczających bazy ograniczeń dokładnych\"\n")) << t;
}

struct Uzupelnienie {
    std::string opis;
    std::string dokladne;
    Records przed;  // the given fact's own record among them
    std::string warunek;
    double cf;
    bool wynik;
    Records po;
};

TEST_F(Wykluczajace, GivenFactCompletesTheOtherMembers)
{
    const std::string abc = "ograniczenie(1,[\"a\",\"b\",\"c\"])\n";
    const std::vector<Uzupelnienie> cases = {
        {"1 in a triple", abc, {"a=1"}, "a", 1.0, true, {"a=1", "b=-1", "nb=1", "c=-1", "nc=1", "na=-1"}},
        {"1 in a pair", "ograniczenie(1,[\"a\",\"b\"])\n", {"a=1"}, "a", 1.0, true, {"a=1", "b=-1", "nb=1", "na=-1"}},
        {"1 in a pair whose partner is -1 already", "ograniczenie(1,[\"a\",\"b\"])\n", {"b=-1", "a=1"}, "a", 1.0, true,
         {"b=-1", "a=1", "na=-1"}},
        {"-1 with another member at 1", "ograniczenie(1,[\"a\",\"b\",\"c\",\"d\"])\n", {"b=1", "a=-1"}, "a", -1.0,
         true, {"b=1", "a=-1", "c=-1", "nc=1", "d=-1", "nd=1", "na=1"}},
        {"-1 with no member at 1", abc, {"a=-1"}, "a", -1.0, false, {"a=-1", "na=1"}},
        {"in no constraint", "", {"a=0.5"}, "a", 0.5, true, {"a=0.5", "na=-0.5"}},
        {"out of range", "", {"a=2"}, "a", 2.0, false, {"a=2"}},
    };
    for (const Uzupelnienie& c : cases) {
        dokladne = c.dokladne;
        bool wynik = !c.wynik;
        uruchom("", [&](kb::Context& ctx) {
            przed(ctx, c.przed);
            wynik = uzupelnienie_wykluczajacych(ctx, c.warunek, c.cf);
        });
        EXPECT_EQ(wynik, c.wynik) << c.opis;
        EXPECT_EQ(wypadkowe(), c.po) << c.opis;
        // Setting the other members of a larger constraint after a given 1 leaves no list behind.
        if (c.opis == "1 in a triple") {
            EXPECT_TRUE(ctx().db.stan_ladowania.lista_bez_warunku.empty());
        }
    }
}

TEST_F(Wykluczajace, ASecondGivenFactCompletesOnlyItsOwnConstraint)
{
    dokladne = "ograniczenie(1,[\"a\",\"b\",\"c\"])\nograniczenie(2,[\"d\",\"e\",\"f\"])\n";
    uruchom("", [](kb::Context& ctx) {
        przed(ctx, {"a=-1", "d=1"});
        EXPECT_FALSE(uzupelnienie_wykluczajacych(ctx, "a", -1.0));
        EXPECT_TRUE(uzupelnienie_wykluczajacych(ctx, "d", 1.0));
    });
    EXPECT_EQ(wypadkowe(), (Records{"a=-1", "d=1", "na=1", "e=-1", "ne=1", "f=-1", "nf=1", "nd=-1"}));
}

TEST_F(Wykluczajace, MembershipYieldsOncePerConstraint)
{
    dokladne = "ograniczenie(1,[\"a\",\"b\"])\nograniczenie(2,[\"c\",\"a\",\"d\"])\nograniczenie(3,[\"nx\",\"y\"])\n";
    niepewne = "ograniczenie_n(1,[\"u\",\"a\"])\n";
    uruchom("", [](kb::Context& ctx) {
        EXPECT_EQ(warunek_w_bazie_ograniczen(ctx, "a"), (std::vector<SList>{{"a", "b"}, {"c", "a", "d"}}));
        EXPECT_EQ(warunek_w_bazie_ograniczen_p(ctx, "a"), (std::vector<SList>{{"u", "a"}}));
        EXPECT_TRUE(warunek_w_bazie_ograniczen(ctx, "u").empty());
        EXPECT_EQ(zanegowany_warunek_w_bazie_ograniczen(ctx, "na").size(), 2u);
        EXPECT_EQ(zanegowany_warunek_w_bazie_ograniczen(ctx, "x").size(), 1u);
        EXPECT_TRUE(zanegowany_warunek_w_bazie_ograniczen(ctx, "a").empty());
        EXPECT_TRUE(ograniczenie_dychotomiczne({"a", "a"}));
        EXPECT_FALSE(ograniczenie_dychotomiczne({"a", "b", "c"}));
    });
}

TEST_F(Wykluczajace, AskableListIsTheDisplayListOnceAModelBaseIsLoaded)
{
    uruchom("", [](kb::Context& ctx) {
        EXPECT_FALSE(ogolna_lista_dopytywalnych(ctx).has_value());
        ctx.db.stan.lista_warunkow_dopytywalnych.add_last({"a", "b"});
        EXPECT_EQ(ogolna_lista_dopytywalnych(ctx), (SList{"a", "b"}));
        ctx.db.stan.lista_wszystkich_dopytywalnych_dla_wyswietlania.add_last({"a"});
        ctx.db.stan.lista_wszystkich_dopytywalnych_dla_wyswietlania.add_last({"z"});
        EXPECT_EQ(ogolna_lista_dopytywalnych(ctx), (SList{"a"}));
    });
}

}  // namespace
}  // namespace inference
