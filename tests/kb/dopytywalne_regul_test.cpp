// Askable conditions of the rule base: the computed lists (table of small rule bases), their
// recording and replacement, and the given-fact check with its note. A rule base whose stop
// conclusion "koniec" is also a condition has no askables; its load refuses it.
#include "kb/dopytywalne_regul.h"

#include "kb/dopytywalne.h"
#include "kb_harness.h"

namespace kb {
namespace {

using platform::headless::in_quotes;

class DopytywalneRegul : public testing::KbHarness {
protected:
    void load_rules(const std::string& text) { load(ctx().db.baza_regul, text); }
    void loaded_names()
    {
        ctx().db.stan.nazwa_re.set("REzoo.BQZ");
        ctx().db.stan.nazwa_re_pelna.set(path("REzoo.BQZ"));
    }
    Stan& stan() { return ctx().db.stan; }
};

struct AskablesCase {
    const char* what;
    std::string rules;
    SList askable;
    SList conditions;
    SList conclusions;  // without "koniec"; the second list adds it back where rules have it
    SList conclusions_with_koniec;
    bool computable = true;  // false: no askables (nullopt), the lists recorded all the same
};

TEST_F(DopytywalneRegul, AskableConditionsAndRecordedLists)
{
    const std::vector<AskablesCase> cases = {
        {"no rules", "", {}, {}, {}, {}},
        {"unconditional rule",
         "reguła(1,\"a\",[\"bez warunku\"],1,\"1\")\n",
         {},
         {"bez warunku"},
         {"a"},
         {"a"}},
        {"negated condition counts as its name",
         "reguła(1,\"b\",[\"nA\"],1,\"1\")\n",
         {"A"},
         {"A"},
         {"b"},
         {"b"}},
        {"a negated conclusion keeps its n",
         "reguła(1,\"nA\",[\"A\"],1,\"1\")\n",
         {"A"},
         {"A"},
         {"nA"},
         {"nA"}},
        {"last occurrences kept",
         "reguła(1,\"x\",[\"b\",\"a\"],1,\"1\")\nreguła(2,\"y\",[\"b\"],1,\"1\")\n",
         {"a", "b"},
         {"a", "b"},
         {"x", "y"},
         {"x", "y"}},
        {"concluded conditions are not askable, whatever their n",
         "reguła(1,\"c\",[\"a\",\"nb\"],1,\"1\")\nreguła(2,\"b\",[\"a\"],1,\"1\")\nreguła(3,\"d\",[\"c\",\"Na\"],1,\"1\")\n",
         {"a", "Na"},
         {"b", "a", "c", "Na"},
         {"c", "b", "d"},
         {"c", "b", "d"}},
        {"koniec as a condition only is askable",
         "reguła(1,\"x\",[\"koniec\"],1,\"1\")\n",
         {"koniec"},
         {"koniec"},
         {"x"},
         {"x"}},
        {"stop rule",
         "reguła(1,\"koniec\",[\"a\"],1,\"1\")\nreguła(2,\"koniec\",[\"b\"],1,\"1\")\n",
         {"a", "b"},
         {"a", "b"},
         {},
         {"koniec"}},
        {"stop conclusion also a condition",
         "reguła(1,\"koniec\",[\"a\"],1,\"1\")\nreguła(2,\"b\",[\"koniec\"],1,\"1\")\n",
         {},
         {"a", "koniec"},
         {"b"},
         {"koniec", "b"},
         false},
        {"the same with the condition negated",
         "reguła(1,\"koniec\",[\"a\"],1,\"1\")\nreguła(2,\"b\",[\"nkoniec\"],1,\"1\")\n",
         {},
         {"a", "koniec"},
         {"b"},
         {"koniec", "b"},
         false},
    };
    for (const auto& c : cases) {
        start("");
        load_rules(c.rules);
        const std::optional<SList> askable = c.computable ? std::optional<SList>(c.askable) : std::nullopt;
        EXPECT_EQ(wyznacz_warunki_dopytywalne(ctx()), askable) << c.what;
        EXPECT_EQ(facts::strings_of(stan().lista_warunkow.all()), (ListaList{c.conditions})) << c.what;
        EXPECT_EQ(facts::strings_of(stan().lista_wnioskow_regul.all()), (ListaList{c.conclusions, c.conclusions_with_koniec})) << c.what;
    }
}

// Lists computed again, or for another base, replace the earlier ones: the pair stays a pair.
TEST_F(DopytywalneRegul, ALaterComputationReplacesTheLists)
{
    load_rules("reguła(1,\"koniec\",[\"a\"],1,\"1\")\n");
    wyznacz_warunki_dopytywalne(ctx());
    wyznacz_warunki_dopytywalne(ctx());
    EXPECT_EQ(stan().lista_warunkow.size(), 1u);
    EXPECT_EQ(facts::strings_of(stan().lista_wnioskow_regul.all()), (ListaList{{}, {"koniec"}}));

    ctx().db.baza_regul.regula.remove_all();
    load_rules("reguła(7,\"z\",[\"q\"],1,\"1\")\n");
    wyznacz_warunki_dopytywalne(ctx());
    EXPECT_EQ(facts::strings_of(stan().lista_warunkow.all()), (ListaList{{"q"}}));
    EXPECT_EQ(facts::strings_of(stan().lista_wnioskow_regul.all()), (ListaList{{"z"}, {"z"}}));
}

TEST_F(DopytywalneRegul, RecordingTheAskables)
{
    pamietaj_liste_dopytywalnych(ctx(), {"x", "y", "x"});
    pamietaj_warunki_dopytywalne(ctx(), {"x", "y", "x"});
    EXPECT_EQ(facts::strings_of(stan().lista_warunkow_dopytywalnych.all()), (ListaList{{"x", "x", "y"}}));
    EXPECT_EQ(facts::strings_of(stan().dopytywalny.all()), (SList{"x", "y", "x"}));

    pamietaj_liste_dopytywalnych(ctx(), {"b", "a"});  // the next load's askables replace them
    pamietaj_warunki_dopytywalne(ctx(), {});
    EXPECT_EQ(facts::strings_of(stan().lista_warunkow_dopytywalnych.all()), (ListaList{{"a", "b"}}));
    EXPECT_TRUE(stan().dopytywalny.empty());

    pamietaj_warunki_dopytywalne(ctx(), {"a"});
    kasowanie_dopytywalny(ctx());
    EXPECT_TRUE(stan().dopytywalny.empty());
    EXPECT_TRUE(stan().lista_warunkow_dopytywalnych.empty());
}

TEST_F(DopytywalneRegul, GivenFactsThatAreAskablePass)
{
    load_rules("reguła(1,\"c\",[\"a\",\"b\"],1,\"1\")\nfakt(\"a\",\"0.5\")\nfakt(\"nb\",\"1\")\n");
    loaded_names();
    EXPECT_TRUE(testowanie_dopytywalnosci_faktow(ctx()));
    EXPECT_EQ(ctx().db.baza_regul.fakt.size(), 2u);
    EXPECT_EQ(transcript(), "");
}

TEST_F(DopytywalneRegul, AGivenFactThatIsNoAskableConditionUnloadsTheRuleBase)
{
    start("note \"Błędne fakty bazy reguł!\"\n");
    load_rules(
        "reguła(1,\"c\",[\"a\"],1,\"1\")\nreguła_dysjunktywna(\"c\")\nfakt(\"a\",\"1\")\nfakt(\"nc\",\"1\")\n"
        "fakt(\"zzz\",\"1\")\n");
    loaded_names();
    pamietaj_liste_dopytywalnych(ctx(), {"a"});
    EXPECT_FALSE(testowanie_dopytywalnosci_faktow(ctx()));

    EXPECT_EQ(aux(), (std::vector<std::string>{"Przejdź do 'Bazy reguł niepewnej',",
                                               "wybierz opcję 'Edycja bazy reguł', wybierz błędną bazę ",
                                               "i usuń fakty nie będące warunkami dopytywalnymi!", ""}));
    const std::string note =
        "Następujące fakty nie są warunkami dopytywalnymi: \n   [\"c\",\"zzz\"]\nPrzejdź do 'Bazy reguł "
        "niepewnej',\nwybierz opcję 'Edycja bazy reguł', wybierz błędną bazę \ni usuń fakty nie będące "
        "warunkami dopytywalnymi lub\nwprowadź odpowiednie warunki dopytywalne do reguł.";
    EXPECT_NE(transcript().find("note \"Błędne fakty bazy reguł!\": " + in_quotes(note)), std::string::npos)
        << transcript();

    // Forgotten as a unit: no half of the base stays for later readers.
    EXPECT_TRUE(ctx().db.baza_regul.regula.empty());
    EXPECT_TRUE(ctx().db.baza_regul.fakt.empty());
    EXPECT_TRUE(ctx().db.baza_regul.regula_dysjunktywna.empty());
    EXPECT_TRUE(stan().nazwa_re.empty());
    EXPECT_TRUE(stan().nazwa_re_pelna.empty());
    EXPECT_TRUE(stan().lista_warunkow.empty());
    EXPECT_TRUE(stan().lista_wnioskow_regul.empty());
    EXPECT_TRUE(stan().lista_warunkow_dopytywalnych.empty());
}

// With no askables to compare with, the fact check passes and leaves the base: the load has
// refused such a base at its askables step (tests/load/ladowanie_regul_test.cpp).
TEST_F(DopytywalneRegul, KoniecConcludedAndAConditionLeavesTheFactCheckNothingToRefuse)
{
    for (const char* condition : {"koniec", "nkoniec"}) {
        start("");
        load_rules("reguła(1,\"koniec\",[\"a\"],1,\"1\")\nreguła(2,\"b\",[\"" + std::string(condition) +
                   "\"],1,\"1\")\nfakt(\"zzz\",\"1\")\n");
        loaded_names();
        EXPECT_TRUE(testowanie_dopytywalnosci_faktow(ctx())) << condition;
        EXPECT_EQ(transcript(), "") << condition;
        EXPECT_EQ(ctx().db.baza_regul.regula.size(), 2u) << condition;
    }
}

TEST_F(DopytywalneRegul, KoniecAsAConditionOnlyPasses)
{
    load_rules("reguła(1,\"x\",[\"koniec\"],1,\"1\")\nfakt(\"koniec\",\"1\")\n");
    loaded_names();
    EXPECT_TRUE(testowanie_dopytywalnosci_faktow(ctx()));
}

TEST_F(DopytywalneRegul, PiszListeWritesPlainIndentedLines)
{
    ctx().db.baza_raportu.tekst_raportu.set("");
    pisz_liste(ctx(), {"a", "b"});
    pisz_liste(ctx(), {});
    EXPECT_EQ(aux(), (std::vector<std::string>{"   a", "   b"}));
    EXPECT_EQ(ctx().db.baza_raportu.tekst_raportu.all(), (SList{""}));  // nothing in the report
}

}  // namespace
}  // namespace kb
