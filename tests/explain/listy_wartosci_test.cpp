// The value listings of a run and the condition entries of a rule explanation: what each writes
// to the window and the report, what it shows in the step dialog, and what it leaves pending.
#include <gtest/gtest.h>

#include "../inference/inference_run.h"
#include "explain/listy_wartosci.h"
#include "explain/ramka.h"

namespace explain {
namespace {

using facts::SList;

class ListyWartosci : public inference::test::InferenceRun {
protected:
};

TEST_F(ListyWartosci, EstablishedValuesAreListedOnlyAtTheHighDetailLevel)
{
    struct Case {
        std::string poziom;
        std::vector<kb::NazwaWartosc> wartosci;
        std::string kroki;
        std::string transcript;
        std::string raport;
        SList pozostale_linie;
    };
    const std::vector<Case> cases = {
        {"mała", {{"x", 2.5}}, "", "aux:\n", "\n", {"czekająca"}},
        {"", {{"x", 2.5}}, "", "aux:\n", "\n", {"czekająca"}},
        {"duża", {}, "",
         "aux: Dane są wartości następujących argumentów:\naux:\n",
         "Dane są wartości następujących argumentów:\n\n", {}},
        {"duża", {{"3", 3.0}, {" 2 ", 2.0}}, "",
         "aux: Dane są wartości następujących argumentów:\naux:\n",
         "Dane są wartości następujących argumentów:\n\n", {}},
        {"duża", {{"y", 1.0}, {"3", 3.0}, {"x", 2.5}, {"4", 5.0}}, "dialog 10026\n press 1\n",
         "aux: Dane są wartości następujących argumentów:\n"
         "aux:     y=1\n"
         "aux:     x=2.5\n"
         "aux:     4=5\n"
         "dialog 10026 \"Wnioskowanie\" opened\n"
         "    10022 edit \"Dane są wartości następujących argumentów:\"\n"
         "    10027 list [\"    y=1\", \"    x=2.5\", \"    4=5\"]\n"
         "  > press 1\n"
         "dialog 10026 closed -> 1\n",
         "Dane są wartości następujących argumentów:\n    y=1\n    x=2.5\n    4=5\n", {}},
    };
    for (const Case& c : cases) {
        szczegolowosc = c.poziom;
        const std::string t = uruchom(c.kroki, [&](kb::Context& ctx) {
            ctx.db.dane.dane_str.add_last("czekająca");
            for (const auto& w : c.wartosci) kb::ustal_wartosc(ctx, w.nazwa, w.wartosc);
            przedstawienie_zmiennych(ctx);
        });
        EXPECT_EQ(t, c.transcript) << c.poziom << c.wartosci.size();
        EXPECT_EQ(raport(), c.raport) << c.poziom << c.wartosci.size();
        EXPECT_EQ(ctx().db.dane.dane_str.all(), c.pozostale_linie);
    }
}

TEST_F(ListyWartosci, KnownArgumentsAreAlwaysShownEvenWhenThereAreNone)
{
    struct Case {
        std::string argumenty;
        std::string lista;
        std::string raport;
    };
    const std::vector<Case> cases = {
        {"", "  > press 1\n", "W bazie modeli są wartości następujących argumentów:\n\n"},
        {"argument_znany(\"b\",2)\nargument_znany(\"a\",0.5)\n", "    10027 list [\"    b=2\", \"    a=0.5\"]\n",
         "W bazie modeli są wartości następujących argumentów:\n    b=2\n    a=0.5\n\n"},
    };
    for (const Case& c : cases) {
        modele = c.argumenty;
        const std::string t = uruchom("dialog 10026\n press 1\n", [](kb::Context& ctx) {
            ctx.db.dane.dane_str.add_last("stara");
            przedstawienie_zmiennych_pierwotnych(ctx);
        });
        EXPECT_TRUE(zawiera(t, "    10022 edit \"W bazie modeli są wartości następujących argumentów:\"\n" + c.lista)) << t;
        EXPECT_EQ(raport(), c.raport);
    }
}

TEST_F(ListyWartosci, ConditionEntriesStandOnOneWrittenLineAndOneTraceLineEach)
{
    uruchom("", [](kb::Context& ctx) {
        kb::dodaj_wypadkowa(ctx, "a", 0.5);
        kb::dodaj_wypadkowa(ctx, "c", 0.7);
        kb::dodaj_wypadkowa(ctx, "a", 0.9);  // a second record: the first counts
        pokazanie_listy_warunkow(ctx, {"a", "b", "c"});
        pokazanie_listy_warunkow(ctx, {});
    });
    EXPECT_EQ(raport(), "    a(0.5)    c(0.7)");
    EXPECT_EQ(ctx().db.dane.dane_str.all(), (SList{"    a(0.5)", "    c(0.7)"}));
}

}  // namespace
}  // namespace explain
