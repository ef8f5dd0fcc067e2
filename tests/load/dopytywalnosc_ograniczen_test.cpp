// The askability check of constraint conditions: the negation rule as a table, which askable
// list it checks against, and the report and unloading of the first faulty constraint.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../kb/kb_harness.h"
#include "load/dopytywalnosc_ograniczen.h"

namespace {

using facts::SList;

TEST(WarunekDopytywalny, NegationPrefixIsOneLowerCaseN)
{
    const SList askable = {"a", "b", "Na", "nnx"};
    struct Case {
        const char* warunek;
        bool dopytywalny;
    } cases[] = {
        {"a", true},       {"na", true},    {"c", false},   {"nc", false},
        {"Na", true},      {"NNa", false},  {"nNa", true},  // capital N is no negation
        {"napis", false},  {"nnx", false},  {"nnnx", true}, // a leading n is always a negation
        {"", false},       {"n", false},    {"A", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.warunek);
        EXPECT_EQ(load::warunek_dopytywalny(c.warunek, askable), c.dopytywalny);
    }
}

class DopytywalnoscOgraniczenTest : public kb::testing::KbHarness {
protected:
    void bazy(const std::string& ograniczenia)
    {
        ctx().db.stan.nazwa_re.add_first("REt.BQZ");
        ctx().db.stan.lista_warunkow_dopytywalnych.add_first({"a", "b"});
        ctx().db.stan.jestem_tu.add_last("TAK");
        ctx().db.baza_ograniczen.nazwa_og_pelna.add_first("/x/OGt.BQZ");
        ctx().db.baza_ograniczen.nazwa_og.add_first("OGt.BQZ");
        load(ctx().db.baza_ograniczen, ograniczenia);
    }
};

TEST_F(DopytywalnoscOgraniczenTest, AskableConstraintsPassSilently)
{
    start("");
    bazy("ograniczenie(1,[\"a\",\"nb\"])\nograniczenie(2,[])\n");
    EXPECT_TRUE(load::kontrola_dopytywalnosci_ograniczen(ctx()));
    EXPECT_EQ(ctx().db.baza_ograniczen.ograniczenie.size(), 2u);
    EXPECT_EQ(ctx().db.stan.jestem_tu.size(), 1u);
    EXPECT_TRUE(transcript().empty());
}

// Two faulty constraints: one report, for the first; the base is unloaded but its full path
// stays; nothing reaches the report text.
TEST_F(DopytywalnoscOgraniczenTest, FirstFaultIsReportedAndTheBaseUnloaded)
{
    start("note \"Uwaga błąd!\"\n");
    bazy("ograniczenie(1,[\"a\",\"b\"])\nograniczenie(3,[\"a\",\"c\"])\nograniczenie(4,[\"d\",\"b\"])\n");
    EXPECT_FALSE(load::kontrola_dopytywalnosci_ograniczen(ctx()));
    EXPECT_TRUE(ctx().db.baza_ograniczen.ograniczenie.empty());
    EXPECT_TRUE(ctx().db.baza_ograniczen.nazwa_og.empty());
    EXPECT_EQ(ctx().db.baza_ograniczen.nazwa_og_pelna.size(), 1u);
    EXPECT_TRUE(ctx().db.stan.jestem_tu.empty());
    EXPECT_TRUE(ctx().db.baza_raportu.tekst_raportu.empty());
    end_aux_line();
    EXPECT_EQ(aux(), (std::vector<std::string>{
                         "",
                         "W bazie ograniczeń dokładnej mogą być wyłącznie listy warunków dopytywalnych",
                         "wykluczających się.",
                         "",
                         "Warunek 'c' w ograniczeniu 3",
                         " bazy ograniczeń dokładnej OGt.BQZ",
                         " nie jest warunkiem dopytywalnym.",
                         "",
                         "Możesz:",
                         "1. Przejść do 'Bazy ograniczeń dokładnej' ",
                         "   wybrać opcję 'Edycja bazy ograniczeń',",
                         "   załadować błędną bazę ograniczeń i usunąć błędne ograniczenie,",
                         "        lub: ",
                         "2. Przejść do 'Baza reguł niepewnej' ",
                         "   wybrać opcję 'Edycja bazy reguł'",
                         "   i wprowadzić do odpowiedniej reguły pominięty warunek dopytywalny.",
                     }));
    EXPECT_EQ(lines_after("note"),
              (std::vector<std::string>{
                  "\"Uwaga błąd!\": \"W bazie ograniczeń dokładnej mogą być wyłącznie \\nlisty warunków "
                  "dopytywalnych wykluczających się.\\n\\nWarunek\\n  c\\nw ograniczeniu 3 bazy ograniczeń\\n  "
                  " OGt.BQZ\\nnie jest warunkiem dopytywalnym.\\n\\nMożesz:\\n1. Przejść do 'Bazy ograniczeń "
                  "dokładnej', wybrać opcję 'Edycja bazy ograniczeń',\\nzaładować błędną bazę ograniczeń i "
                  "usunąć błędne ograniczenie,\\nlub\\n2. Przejść do 'Baza reguł dokładnej', wybrać opcję "
                  "'Edycja bazy reguł'\\ni wprowadzić do odpowiedniej reguły pominięty warunek dopytywalny.\""}));
}

// With a model base loaded the constraints may name askable arguments; without it they may not.
TEST_F(DopytywalnoscOgraniczenTest, ModelArgumentsAreAskableOnlyWithTheModelBase)
{
    start("note\n");
    bazy("ograniczenie(1,[\"x\",\"y\"])\n");
    ctx().db.stan.lista_warunkow_i_argumentow_dopytywalnych.add_first({"a", "b", "x", "y"});
    EXPECT_FALSE(load::kontrola_dopytywalnosci_ograniczen(ctx()));

    start("");
    bazy("ograniczenie(1,[\"x\",\"y\"])\n");
    ctx().db.stan.nazwa_mo.add_first("MOt.BQZ");
    ctx().db.stan.lista_warunkow_i_argumentow_dopytywalnych.add_first({"a", "b", "x", "y"});
    EXPECT_TRUE(load::kontrola_dopytywalnosci_ograniczen(ctx()));
}

// The uncertain twin: its own texts, its own base with its remarks; the exact base is not touched.
TEST_F(DopytywalnoscOgraniczenTest, UncertainTwinUnloadsOnlyItsBase)
{
    start("note \"Uwaga błąd!\"\n");
    bazy("ograniczenie(1,[\"a\",\"b\"])\n");
    ctx().db.baza_ograniczen_p.nazwa_op.add_first("ONt.BQZ");
    load(ctx().db.baza_ograniczen_p,
         "rem_ograniczenie_n(\"uwaga\")\nograniczenie_n(5,[\"a\",\"q\"])\n_ograniczenie_n(6,[\"a\"])\n");
    EXPECT_FALSE(load::kontrola_dopytywalnosci_ograniczen_p(ctx()));
    EXPECT_TRUE(ctx().db.baza_ograniczen_p.ograniczenie_n.empty());
    EXPECT_TRUE(ctx().db.baza_ograniczen_p.rem_ograniczenie_n.empty());
    EXPECT_TRUE(ctx().db.baza_ograniczen_p._ograniczenie_n.empty());
    EXPECT_TRUE(ctx().db.baza_ograniczen_p.nazwa_op.empty());
    EXPECT_EQ(ctx().db.baza_ograniczen.ograniczenie.size(), 1u);
    end_aux_line();
    const auto lines = aux();
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[2], "wykluczających się niepewnie.");
    EXPECT_EQ(lines[5], " bazy ograniczeń niepewnej ONt.BQZ");
    EXPECT_EQ(lines[14], "   wybra† opcję 'Edycja bazy reguł'");
}

// No askable list at all: nothing is examined. No base of the kind: nothing, and false.
TEST_F(DopytywalnoscOgraniczenTest, WithoutAListOrABaseNothingIsExamined)
{
    start("");
    bazy("ograniczenie(1,[\"c\",\"d\"])\n");
    ctx().db.stan.lista_warunkow_dopytywalnych.remove_all();
    EXPECT_TRUE(load::kontrola_dopytywalnosci_ograniczen(ctx()));
    EXPECT_FALSE(load::kontrola_dopytywalnosci_ograniczen_p(ctx()));
    EXPECT_TRUE(transcript().empty());
}

}  // namespace
