// The questions of inference as the user meets them: the CF question of an askable condition in
// its three forms, the answer tests, the questioning of the other members of an exact or an
// uncertain constraint, and what each sequence of answers leaves recorded.
#include <gtest/gtest.h>

#include "inference/pozostale.h"
#include "inference/pytaj.h"
#include "inference/pytanie_cf.h"
#include "inference/wykluczajace.h"
#include "inference_run.h"

namespace inference {
namespace {

using Records = std::vector<std::string>;

// The user's side of one CF dialog: types the text and presses "&OK".
std::string odpowiedz(const std::string& tekst)
{
    return "dialog 10003\n set 10005 \"" + tekst + "\"\n press 1\n";
}
// The same after the note that introduces an exact or uncertain question.
std::string po_nocie(const std::string& tekst) { return "note \"Uwaga!\"\n" + odpowiedz(tekst); }
const std::string kZamkniety = "dialog 10003\n close\n";

class Pytania : public test::InferenceRun {
protected:
    Pytania() : InferenceRun("mała") {}
    std::optional<double> zapytaj(const std::string& kroki, const std::string& warunek)
    {
        std::optional<double> cf;
        transcript_ = uruchom(kroki, [&](kb::Context& ctx) {
            kb::kasowanie_tekst_raportu(ctx);
            cf = pytaj(ctx, warunek);
        });
        return cf;
    }
    std::string transcript_;
};

TEST_F(Pytania, RecordedConditionIsNotAsked)
{
    std::optional<double> znany;
    const std::string t = uruchom("", [&](kb::Context& ctx) {
        kb::dodaj_wypadkowa(ctx, "a", 0.7);
        kb::dodaj_wypadkowa(ctx, "a", 0.2);
        znany = pytaj(ctx, "a");
    });
    EXPECT_EQ(znany, 0.7);
    EXPECT_EQ(t, "");
}

TEST_F(Pytania, ExactMemberTakesOnlyMinusOneOrOne)
{
    dokladne = "ograniczenie(1,[\"a\",\"b\"])\n";
    struct Case {
        std::string kroki;
        std::optional<double> cf;
        std::string linia;  // the acceptance line, or the rejection, after the question
    };
    const std::vector<Case> cases = {
        {po_nocie("1"), 1.0, "   CF(a) = 1\n\n"},
        {po_nocie("-1.0"), -1.0, "   CF(a) = -1.0\n\n"},
        {po_nocie(" 1 "), 1.0, "   CF(a) =  1 \n\n"},
        // Not a number in range: asked again.
        {po_nocie("2") + "note \"Note\"\n" + odpowiedz("abc") + odpowiedz("1"), 1.0,
         "     Źle! Musi być -1 = CF  lub CF = 1 ! \n   CF(a) = 1\n\n"},
        // In range but not -1 or 1: rejected, and no other question.
        {po_nocie("0.5") + "note \"Note\"\n", std::nullopt, "     Źle! Musi być -1 = CF  lub CF = 1 ! \n"},
        {"note \"Uwaga!\"\n" + kZamkniety, std::nullopt, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(zapytaj(c.kroki, "a"), c.cf) << c.kroki;
        EXPECT_TRUE(zawiera(raport(), "Warunek: \n   a\njest w bazie ograniczeń dokładnej.\n"
                                      "Określ CF warunku równe -1.0 lub 1.0.\n" +
                                          c.linia))
            << raport();
    }
    EXPECT_TRUE(zawiera(transcript_, "note \"Uwaga!\": \"Warunek\\n   a\\n jest w bazie ograniczeń dokładnej.\\n "
                                     "Określ CF warunku równe -1.0  lub  1.0.\"\n"))
        << transcript_;
}

TEST_F(Pytania, ConditionOfTwoExactConstraintsIsAskedOncePerConstraint)
{
    dokladne = "ograniczenie(1,[\"a\",\"b\"])\nograniczenie(2,[\"c\",\"a\"])\n";
    EXPECT_EQ(zapytaj(po_nocie("0.5") + "note \"Note\"\n" + po_nocie("-1"), "a"), -1.0);
    EXPECT_EQ(wypadkowe(), (Records{"a=-1", "na=1", "b=1", "nb=-1"}));
}

TEST_F(Pytania, UncertainMemberAskedAgainOutsideTheRange)
{
    niepewne = "ograniczenie_n(1,[\"a\",\"b\"])\n";
    EXPECT_EQ(zapytaj(po_nocie("2") + "note \"Note\"\n" + odpowiedz("0.3"), "a"), 0.3);
    EXPECT_EQ(raport(), "Warunek: \n   a\njest w bazie ograniczeń niepewnej.\nOkreśl CF warunku  z przedziału [-1,1].\n"
                        "     Źle! Musi być -1 <= CF <= 1 ! \n   CF(a) = 0.3\n\n");
    EXPECT_TRUE(zawiera(transcript_, "note \"Uwaga!\": \"Warunek\\n   a\\n jest w bazie ograniczeń niepewnej.\\n "
                                     "Określ CF warunku z przedziału [-1,1]\"\n"))
        << transcript_;
    EXPECT_EQ(wypadkowe(), (Records{"a=0.3", "na=-0.3", "b=-0.3", "nb=0.3"}));
}

TEST_F(Pytania, FreeQuestionLeavesItsHeadingPending)
{
    EXPECT_EQ(zapytaj(odpowiedz("NAN") + "note \"Note\"\n" + odpowiedz("0,5") + odpowiedz("0.25"), "a"), 0.25);
    EXPECT_EQ(raport(), "Zadeklaruj CF warunku \n   a\nz przedziału [-1, 1]\n     Źle! Musi być -1 <= CF <= 1 ! \n"
                        "   CF(a) = 0.25\n\n");
    EXPECT_EQ(ctx().db.dane.tytul.all(), (facts::SList{"Zadeklaruj CF warunku a z przedziału [-1, 1]"}));
    EXPECT_TRUE(ctx().db.dane.dane_cf_nazwa.empty());
    EXPECT_TRUE(ctx().db.dane.dane_cf_wartosc.empty());
    EXPECT_EQ(wypadkowe(), (Records{"a=0.25", "na=-0.25"}));
    // No answer: nothing is recorded, and the next question shows its own name.
    EXPECT_EQ(zapytaj(kZamkniety, "a"), std::nullopt);
    EXPECT_TRUE(wypadkowe().empty());
}

// Both constraint bases loaded, neither holding the condition: the free answer is recorded.
TEST_F(Pytania, FreeAnswerIsRecordedWithEmptyConstraintBasesLoaded)
{
    dokladna_zaladowana = niepewna_zaladowana = true;
    EXPECT_EQ(zapytaj(odpowiedz("0.3"), "a"), 0.3);
    EXPECT_EQ(wypadkowe(), (Records{"a=0.3", "na=-0.3"}));
}

// A negated member of a constraint is asked in the constraint's form under its positive name;
// the negation takes the opposite value.
TEST_F(Pytania, NegatedMemberOfAConstraintIsAskedUnderItsPositiveName)
{
    dokladne = "ograniczenie(1,[\"a\",\"b\"])\n";
    EXPECT_EQ(zapytaj(po_nocie("-1"), "na"), 1.0);
    EXPECT_TRUE(zawiera(transcript_, "    10007 edit \"a\"\n")) << transcript_;
    EXPECT_EQ(wypadkowe(), (Records{"a=-1", "na=1", "b=1", "nb=-1"}));
    // Settled under one name, it is settled under the other.
    std::optional<double> drugi;
    uruchom("", [&](kb::Context& ctx) {
        kb::dodaj_wypadkowa(ctx, "x", 0.4);
        drugi = pytaj(ctx, "nx");
    });
    EXPECT_EQ(drugi, -0.4);
}

TEST_F(Pytania, DeklarujNiepewnyRecordsWhatComesInRange)
{
    struct Case {
        std::string kroki;
        bool wynik;
        Records po;
    };
    const std::vector<Case> cases = {
        {odpowiedz("5") + "note \"Note\"\n" + odpowiedz("abc") + odpowiedz("-0.5"), true, {"a=-0.5", "na=0.5"}},
        {kZamkniety, false, {}},
    };
    for (const Case& c : cases) {
        bool wynik = !c.wynik;
        uruchom(c.kroki, [&](kb::Context& ctx) {
            kb::kasowanie_tekst_raportu(ctx);
            wynik = deklaruj_niepewny(ctx, "a");
        });
        EXPECT_EQ(wynik, c.wynik);
        EXPECT_EQ(wypadkowe(), c.po);
    }
    EXPECT_TRUE(zawiera(raport(), " Dla warunków z bazy ograniczeń niepewnych CF mieści się w przedziale[1,-1]"));
}

TEST(CfTests, BoundsAndOnlyFiniteNumbers)
{
    struct Case {
        double cf;
        bool jeden, zakres;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<Case> cases = {
        {1.0, true, true},    {-1.0, true, true},     {0.5, false, true}, {-1.0001, false, false},
        {1.0001, false, false}, {nan, false, false},  {inf, false, false},
    };
    platform::headless::HeadlessOptions options;
    for (const Case& c : cases) {
        platform::headless::HeadlessToolkit ui(platform::headless::Script::parse("note\nnote\n"), options);
        kb::Context ctx(ui);
        EXPECT_EQ(testuj_cf_warunku_1(ctx, "a", c.cf), c.jeden) << c.cf;
        EXPECT_EQ(testuj_cf_warunku(ctx, "a", c.cf), c.zakres) << c.cf;
        EXPECT_EQ(kontrola_cf(ctx, "a", c.cf), c.jeden) << c.cf;
    }
}

// The exact questioning: one of the remaining members must be 1; they are asked from the last
// to the first until one is.
class DokladnePytanie : public Pytania {
protected:
    void SetUp() override
    {
        Pytania::SetUp();
        dokladne = "ograniczenie(1,[\"a\",\"b\",\"c\",\"d\"])\n";
    }
    bool minus_jeden_dla_a(const std::string& kroki)
    {
        bool wynik = false;
        transcript_ = uruchom("dialog 10026\n press 1\n" + kroki, [&](kb::Context& ctx) {
            kb::kasowanie_tekst_raportu(ctx);
            wynik = pamietaj(ctx, "a", -1.0);
        });
        return wynik;
    }
};

TEST_F(DokladnePytanie, AskedUntilOneMemberIsOne)
{
    EXPECT_TRUE(minus_jeden_dla_a(odpowiedz("-1") + odpowiedz("1")));
    EXPECT_EQ(wypadkowe(), (Records{"a=-1", "na=1", "d=-1", "nd=1", "c=1", "nc=-1", "b=-1", "nb=1"}));
    EXPECT_EQ(wiersze_z(transcript_, "10007 edit"), (Records{"    10007 edit \"d\"", "    10007 edit \"c\""}));
    // The window lists the members to ask last first, the dialog all of them in order.
    EXPECT_TRUE(zawiera(transcript_, "aux: Pozostałe warunki wykluczające się są następujące:\naux:    d\naux:    c\n"
                                     "aux:    b\n"))
        << transcript_;
    EXPECT_TRUE(zawiera(transcript_,
                        "    10022 edit \"CF warunków wykluczających bazy ograniczeń dokładnych\"\n"
                        "    10027 list [\"Warunek(CF)\", \"    a(-1)\", \"jest w liście warunków wykluczających się \", "
                        "\"bazy ograniczeń dokładnych. \", \"Pozostałe warunki wykluczające się są następujące:\", "
                        "\"    b\", \"    c\", \"    d\", \"i jeden z nich musi mieć CF=1, a pozostałe CF=-1. \"]\n"))
        << transcript_;
    EXPECT_EQ(raport(), "Warunek(CF): \n    a(-1)\njest w liście warunków wykluczających się bazy ograniczeń dokładnych.\n"
                        "Pozostałe warunki wykluczające się są następujące:\n"
                        "Jeden z z pozostałych warunków musi mieć CF=1, a pozostałe CF=-1. \n"
                        "Zadeklaruj wartości CF tych warunków. \n"
                        "Dla warunków z bazy ograniczeń dokładnych CF =1 lub -1\n\n    CF(d) = -1\n\n"
                        "Dla warunków z bazy ograniczeń dokładnych CF =1 lub -1\n\n    CF(c) = 1\n\n");
    EXPECT_TRUE(ctx().db.stan_ladowania.lista_bez_warunku.empty());
}

TEST_F(DokladnePytanie, FailsWhenNoMemberEndsAtOne)
{
    struct Case {
        std::string kroki;
        Records po;
    };
    const std::vector<Case> cases = {
        {odpowiedz("-1") + odpowiedz("-1") + odpowiedz("-1"),
         {"a=-1", "na=1", "d=-1", "nd=1", "c=-1", "nc=1", "b=-1", "nb=1"}},
        {odpowiedz("0.5"), {"a=-1", "na=1"}},  // not -1 or 1: c and b are not asked
        {kZamkniety, {"a=-1", "na=1"}},
        // Not a number, or out of range: asked again.
        {odpowiedz("abc") + odpowiedz("7") + odpowiedz("1"), {"a=-1", "na=1", "d=1", "nd=-1", "c=-1", "nc=1", "b=-1", "nb=1"}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(minus_jeden_dla_a(cases[i].kroki), i == 3) << i;
        EXPECT_EQ(wypadkowe(), cases[i].po) << i;
    }
    EXPECT_TRUE(zawiera(raport(), "Źle! Warunki z listy warunków wzajemnie się wykluczających\n"
                                  "z ograniczenia w bazie ograniczeń dokładnych mogą mieć wyłącznie\n"
                                  "wartości CF równe 1 lub -1.\n"))
        << raport();
}

TEST_F(DokladnePytanie, APairCompletedOnTheWayEndsTheQuestioning)
{
    dokladne = "ograniczenie(1,[\"a\",\"b\",\"c\"])\nograniczenie(2,[\"b\",\"c\"])\n";
    EXPECT_TRUE(minus_jeden_dla_a(odpowiedz("-1")));
    EXPECT_EQ(wypadkowe(), (Records{"a=-1", "na=1", "c=-1", "nc=1", "b=1", "nb=-1"}));
    EXPECT_EQ(wiersze_z(transcript_, "10007 edit"), (Records{"    10007 edit \"c\""}));
}

TEST_F(Pytania, UncertainQuestioningShowsTheKnownMembersThenAsksTheOthersOnce)
{
    niepewne = "ograniczenie_n(1,[\"a\",\"b\",\"c\"])\n";
    bool wynik = false;
    const std::string t = uruchom("dialog 10026\n press 1\ndialog 10026\n press 1\n" + odpowiedz("-0.5") +
                                      odpowiedz("-0.5"),
                                  [&](kb::Context& ctx) { wynik = pamietaj(ctx, "a", 0.3); });
    EXPECT_TRUE(wynik);
    EXPECT_EQ(wypadkowe(), (Records{"a=0.3", "na=-0.3", "b=-0.5", "nb=0.5", "c=-0.5", "nc=0.5"}));
    EXPECT_TRUE(zawiera(t, "    10022 edit \"Wartości CF dla warunków dopytywalnych z bazy ograniczeń niepewnych\"\n"
                           "    10027 list [\"Zadeklarowano wartości CF dla następujących warunków dopytywalnych\", "
                           "\"z bazy ograniczeń niepewnych:\", \"    a(0.3)\"]\n"))
        << t;
    EXPECT_TRUE(zawiera(t, "    10022 edit \"CF warunków wykluczających się bazy ograniczeń niepewnych\"\n"
                           "    10027 list [\"Pozostałe warunki niepewnie wykluczające się są następujące:\", \"    b\", "
                           "\"    c\", \"Deklarując wartości CF tych warunków pamiętaj, że\", \"przynajmniej jeden z "
                           "pośród wszystkich wykluczających się warunków musi mieć CF>0 \"]\n"))
        << t;
    EXPECT_EQ(wiersze_z(t, "10007 edit"), (Records{"    10007 edit \"b\"", "    10007 edit \"c\""}));
}

TEST_F(Pytania, RemainingMembersHelpers)
{
    uruchom("", [](kb::Context& ctx) {
        kb::dodaj_wypadkowa(ctx, "c", 1.0);
        EXPECT_EQ(usun_warunki_o_znanym_cf(ctx, {"b", "c", "d", "b"}), (facts::SList{"d", "b"}));
        ctx.db.stan_ladowania.lista_bez_warunku.add_last({"b", "c"});
        kb::dodaj_wypadkowa(ctx, "b", 1.0);
        kb::dodaj_wypadkowa(ctx, "c", -1.0);
        EXPECT_TRUE(pamietaj_warunki_pozostale(ctx, "a", -1.0));
        EXPECT_FALSE(pamietaj_warunki_pozostale(ctx, "a", 0.5));
    });
    // b gets a second record; c, which holds -1, is left alone.
    EXPECT_EQ(wypadkowe(), (Records{"c=1", "b=1", "c=-1", "b=-1", "nb=1"}));
}

}  // namespace
}  // namespace inference
