// The application conditions of relational models against the rules: which models and rules
// conflict, the exact reports for a cumulative and a disjunctive conflict, and that a conflict
// forgets the model base only.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../kb/kb_harness.h"
#include "kb/pisz.h"
#include "load/warunki_stosowania.h"

namespace {

class WarunkiStosowaniaTest : public kb::testing::KbHarness {
protected:
    void bases(const std::string& rules, const std::string& models)
    {
        load(ctx().db.baza_regul, rules + "fakt(\"p\",\"1\")\n");
        ctx().db.stan.nazwa_re.add_first("REdom.BQZ");
        load(ctx().db.baza_modeli, models + "argument_znany(\"t\",1)\n");
        ctx().db.stan.nazwa_mo.add_first("MOdom.BQZ");
    }
    bool model_base_loaded() { return !ctx().db.stan.nazwa_mo.empty(); }
};

const std::string kRules78 =
    "reguła(7,\"w\",[\"p\",\"r\"],1,\"0.8\")\n"
    "reguła(8,\"w\",[\"q\"],1,\"0.5\")\n";

std::string relational(const std::string& condition, const std::string& op = ">", int number = 3)
{
    return "model(" + std::to_string(number) + ",\"" + condition + "\",\"r\",\"t\",\"" + op + "\",\"5\",1,\"C\")\n";
}

TEST_F(WarunkiStosowaniaTest, WhichModelsConflict)
{
    struct Row {
        const char* why;
        std::string rules;
        std::string models;
        bool conflict;
    };
    const std::vector<Row> rows = {
        {"multi-rule cumulative", kRules78, relational("c"), true},
        {"no application condition", kRules78, relational("bez warunku"), false},
        {"one-rule cumulative", "reguła(7,\"w\",[\"p\",\"r\"],1,\"0.8\")\n", relational("c"), false},
        {"one-rule disjunctive", "reguła(7,\"w\",[\"p\",\"r\"],1,\"0.8\")\nreguła_dysjunktywna(\"w\")\n",
         relational("c"), true},
        {"<> like ><", kRules78, relational("c", "<>"), true},
        {"negated condition", "reguła(7,\"w\",[\"nr\"],1,\"0.8\")\nreguła(8,\"w\",[\"q\"],1,\"0.5\")\n",
         relational("c"), false},
        {"arithmetic model", kRules78, relational("c", "+"), false},
        {"extended interval", kRules78, "model_r(3,\"c\",\"r\",\"<,<=\",[\"t\",\"1\",\"2\"],1,\"C\")\n", true},
        {"extended list operation", kRules78, "model_r(3,\"c\",\"r\",\"max_list\",[\"t\",\"1\"],1,\"1\")\n", false},
        {"koniec has no cumulative list",
         "reguła(7,\"koniec\",[\"r\"],1,\"1\")\nreguła(8,\"koniec\",[\"q\"],1,\"1\")\n", relational("c"), false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        start(row.conflict ? "note \"Błąd\"\n" : "");
        bases(row.rules, row.models);
        load::testuj_warunki_stosowania_modeli_relacyjnych(ctx());
        EXPECT_EQ(model_base_loaded(), !row.conflict);
        EXPECT_EQ(transcript().empty(), !row.conflict);
    }
}

// The report lines reach the report text with their breaks; the model base is forgotten as a
// unit while the rule base, its facts and its name stay.
TEST_F(WarunkiStosowaniaTest, CumulativeReportForgetsOnlyTheModelBase)
{
    start("note \"Błąd\"\n");
    bases(kRules78, relational("c"));
    kb::pisz_tuto(ctx(), "");
    load::testuj_warunki_stosowania_modeli_relacyjnych(ctx());

    EXPECT_EQ(aux(), (std::vector<std::string>{"Wniosek r modelu relacyjnego niepewnego 3",
                                               "jest warunkiem wielokrotnej reguły kumulatywnej 7",
                                               "Dlatego warunkiem startowym modelu relacyjnego niepewnego 3",
                                               "może być tylko 'bez warunku'.",
                                               "Przejdź do 'Bazy modeli', wybierz opcję 'Edycja modeli', wybierz "
                                               "błędną bazę i usuń błąd"}));
    EXPECT_EQ(ctx().db.baza_raportu.tekst_raportu.first(),
              "Wniosek r modelu relacyjnego niepewnego 3\njest warunkiem wielokrotnej reguły kumulatywnej 7\n"
              "Dlatego warunkiem startowym modelu relacyjnego niepewnego 3\nmoże być tylko 'bez warunku'.\n"
              "Przejdź do 'Bazy modeli', wybierz opcję 'Edycja modeli', wybierz błędną bazę i usuń błąd\n");
    EXPECT_EQ(lines_after("note"),
              (std::vector<std::string>{
                  "\"Błąd\": \"Wniosek\\n   r\\nmodelu relacyjnego niepewnego 3\\njest warunkiem reguły kumulatywnej "
                  "7.\\nDlatego warunkiem startowym modelu relacyjnego niepewnego 3\\nmoże być tylko 'bez "
                  "warunku'.\\nPrzejdź do 'Bazy modeli niepewnej', wybierz opcję 'Edycja modeli',\\nwybierz błędną "
                  "bazę i usuń błąd.\""}));
    EXPECT_FALSE(model_base_loaded());
    EXPECT_TRUE(ctx().db.baza_modeli.argument_znany.empty());
    EXPECT_EQ(ctx().db.stan.nazwa_re.first(), "REdom.BQZ");
    EXPECT_EQ(ctx().db.baza_regul.regula.size(), 2u);
    EXPECT_EQ(ctx().db.baza_regul.fakt.size(), 1u);
}

TEST_F(WarunkiStosowaniaTest, DisjunctiveReportHasNoRuleLineInTheWindow)
{
    start("note \"Błąd\"\n");
    bases("reguła(7,\"w\",[\"r\"],1,\"0.8\")\nreguła_dysjunktywna(\"w\")\n", relational("c"));
    load::testuj_warunki_stosowania_modeli_relacyjnych(ctx());
    EXPECT_EQ(aux().size(), 4u);
    EXPECT_NE(transcript().find("\\njest warunkiem reguły dysjunktywnej 7."), std::string::npos);
}

// Only the first conflict is reported; a model in conflict with a cumulative and a disjunctive
// rule is reported for the cumulative one.
TEST_F(WarunkiStosowaniaTest, FirstConflictOnly)
{
    start("note \"Błąd\"\n");
    bases(kRules78 + "reguła(9,\"d\",[\"r\"],1,\"0.8\")\nreguła_dysjunktywna(\"d\")\n",
          relational("c") + relational("e", "<", 4));
    load::testuj_warunki_stosowania_modeli_relacyjnych(ctx());
    EXPECT_EQ(lines_after("note").size(), 1u);
    EXPECT_EQ(aux()[1], "jest warunkiem wielokrotnej reguły kumulatywnej 7");
}

}  // namespace
