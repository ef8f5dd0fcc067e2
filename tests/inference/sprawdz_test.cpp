// Whether a model's condition holds: at once, by its recorded CF, by asking it (or its positive
// name) when it is askable and unknown, and never by asking anything else in a forward run.
#include <gtest/gtest.h>

#include "inference/sprawdz.h"
#include "inference_run.h"

namespace inference {
namespace {

std::string odpowiedz(const std::string& tekst)
{
    return "dialog 10003\n set 10005 \"" + tekst + "\"\n press 1\n";
}

class Sprawdz : public test::InferenceRun {
protected:
    Sprawdz() : InferenceRun("mała") {}
    bool sprawdz_z(const std::string& kroki, const std::string& warunek, const std::vector<kb::NazwaWartosc>& znane,
                   const facts::SList& dopytywalne)
    {
        bool wynik = false;
        transcript_ = uruchom(kroki, [&](kb::Context& ctx) {
            for (const auto& z : znane) kb::dodaj_wypadkowa(ctx, z.nazwa, z.wartosc);
            ctx.db.stan.lista_warunkow_i_argumentow_dopytywalnych.add_last(dopytywalne);
            wynik = sprawdz(ctx, warunek);
        });
        return wynik;
    }
    std::string transcript_;
};

TEST_F(Sprawdz, ConditionHoldsOnlyAboveZero)
{
    struct Case {
        std::string opis;
        std::string warunek;
        std::vector<kb::NazwaWartosc> znane;
        facts::SList dopytywalne;
        std::string kroki;
        bool holds;
        bool asked;
    };
    const std::vector<Case> cases = {
        {"bez_warunku at once", "bez_warunku", {}, {}, "", true, false},
        {"bez warunku by its resultant", "bez warunku", {{"bez warunku", 1.0}}, {}, "", true, false},
        {"bez warunku without one", "bez warunku", {}, {}, "", false, false},
        {"askable answered 0", "a", {}, {"a"}, odpowiedz("0"), false, true},
        {"askable answered 0.01", "a", {}, {"a"}, odpowiedz("0.01"), true, true},
        {"known 1.0, askable", "a", {{"a", 1.0}}, {"a"}, "", true, false},
        {"known -0.3", "a", {{"a", -0.3}}, {"a"}, "", false, false},
        {"negated, positive askable, -0.6", "nx", {}, {"x"}, odpowiedz("-0.6"), true, true},
        {"negated, positive askable, 0.6", "nx", {}, {"x"}, odpowiedz("0.6"), false, true},
        {"negated, positive askable, 0", "nx", {}, {"x"}, odpowiedz("0"), false, true},
        {"a conclusion without resultant in a forward run", "w", {}, {"a"}, "", false, false},
        {"askable, no answer", "a", {}, {"a"}, "dialog 10003\n close\n", false, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sprawdz_z(c.kroki, c.warunek, c.znane, c.dopytywalne), c.holds) << c.opis;
        EXPECT_EQ(zawiera(transcript_, "dialog 10003"), c.asked) << c.opis;
    }
}

// An asking that yields no CF leaves the verdict to the next alternative, which asks again: once
// more for each further uncertain constraint holding the condition.
TEST_F(Sprawdz, AskedAgainForEachConstraintThatHoldsItWhileNoAnswerCame)
{
    niepewne = "ograniczenie_n(1,[\"a\",\"b\"])\nograniczenie_n(2,[\"a\",\"c\"])\n";
    const std::string zamkniety = "dialog 10003\n close\n";
    // First asking: the uncertain question per constraint, then the free one; none answered.
    const std::string pierwsze = "note\n" + zamkniety + "note\n" + zamkniety + zamkniety;
    EXPECT_TRUE(sprawdz_z(pierwsze + "note\n" + odpowiedz("0.5"), "a", {}, {"a"}));
    EXPECT_EQ(wiersze_z(transcript_, "dialog 10003 \"Określ wartość CF\" opened").size(), 4u);
    EXPECT_EQ(wypadkowe(), (std::vector<std::string>{"a=0.5", "na=-0.5", "b=-0.5", "nb=0.5"}));
}

TEST_F(Sprawdz, MembershipOfTheExactBase)
{
    dokladne = "ograniczenie(1,[\"x\",\"y\"])\n";
    niepewne = "ograniczenie_n(1,[\"u\",\"v\"])\n";
    uruchom("", [](kb::Context& ctx) {
        EXPECT_TRUE(warunek_z_bazy_ograniczen(ctx, "x"));
        EXPECT_FALSE(warunek_z_bazy_ograniczen(ctx, "u"));
        EXPECT_FALSE(warunek_z_bazy_ograniczen(ctx, "nx"));
    });
}

}  // namespace
}  // namespace inference
