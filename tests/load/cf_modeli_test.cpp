// The CF checks of models at a model-base load: which CF texts pass for arithmetic, linear,
// polynomial and relational models, which models each driver selects, the exact report with the
// window's line breaks kept out of the report text, and one report per load.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../kb/kb_harness.h"
#include "kb/baza_modeli.h"
#include "kb/pisz.h"
#include "load/cf_modeli.h"
#include "platform/headless/headless_toolkit.h"

namespace {

using platform::headless::in_quotes;

class CfModeliTest : public kb::testing::KbHarness {
protected:
    // A model base named MOdom.BQZ read from `text`, with a given fact that must go with it.
    void model_base(const std::string& text)
    {
        load(ctx().db.baza_modeli, text + "m_fakt(\"ciepło\",\"0.7\")\n");
        ctx().db.stan.nazwa_mo.add_first("MOdom.BQZ");
        ctx().db.stan.nazwa_mo_pelna.add_first(path("MOdom.BQZ"));
    }
    bool model_base_loaded() { return !ctx().db.stan.nazwa_mo.empty(); }
    std::string report() { return ctx().db.baza_raportu.tekst_raportu.first().value_or(""); }
};

std::string basic(const std::string& op, const std::string& arg2, const std::string& cf, int number = 4)
{
    return "model(" + std::to_string(number) + ",\"bez warunku\",\"y\",\"x\",\"" + op + "\",\"" + arg2 +
           "\",1,\"" + cf + "\")\n";
}

// Each row: a model base of one model, and whether the CF check reports it.
TEST_F(CfModeliTest, WhichCfTextsPass)
{
    struct Row {
        std::string base;
        bool reported;
    };
    const std::vector<Row> rows = {
        {basic("+", "1", "1"), false},
        {basic("+", "1", "1.0"), false},
        {basic("+", "1", " 1"), false},
        {basic("+", "1", "1e0"), false},
        {basic("+", "1", "0.9"), true},
        {basic("+", "1", "1,0"), true},
        {basic("+", "1", "jeden"), true},
        {basic("+", "1", ""), true},
        {basic("+", "1", "1e999"), true},  // too large for a double: no valid real, no error
        // one-argument operations are selected only with the second argument "0"
        {basic("sin", "0", "0.5"), true},
        {basic("sin", "0.0", "0.5"), false},
        {basic("sin", "X", "0.5"), false},
        // rounding to N places takes N from its second argument: checked whatever it is
        {basic("zaokrąglenie_do_N", "2", "0.5"), true},
        {basic("zaokrąglenie_do_N", "0", "0.5"), true},
        {basic("A^N", "3", "0.5"), true},
        // a misspelt operation is left to the structure check
        {basic("plus", "1", "0.5"), false},
        // relational models carry a variable, any text that is no number and has no comma
        {basic(">", "1", "X"), false},
        {basic(">", "1", ""), false},
        {basic(">", "1", "0.7"), true},
        {basic(">", "1", "1"), true},
        {basic(">", "1", "0,7"), true},
        {basic(">", "1", "a,b"), true},
        {"model_r(4,\"bez warunku\",\"y\",\"max_list\",[\"a\",\"b\"],1,\"0.5\")\n", true},
        {"model_r(4,\"bez warunku\",\"y\",\"max_list\",[\"a\",\"b\"],1,\"1\")\n", false},
        {"model_r(4,\"bez warunku\",\"y\",\"<=,<\",[\"a\",\"1\",\"2\"],1,\"C\")\n", false},
        {"model_r(4,\"bez warunku\",\"y\",\"<=,<\",[\"a\",\"1\",\"2\"],1,\"1\")\n", true},
        {"model_liniowy(4,\"bez warunku\",\"y\",[\"1\"],[\"a\"],1,\"1.\")\n", false},
        {"model_liniowy(4,\"bez warunku\",\"y\",[\"1\"],[\"a\"],1,\"0.99\")\n", true},
        {"model_wielomianowy(4,\"bez warunku\",\"y\",\"x\",[\"1\"],[2],1,\"+1\")\n", false},
        {"model_wielomianowy(4,\"bez warunku\",\"y\",\"x\",[\"1\"],[2],1,\"X\")\n", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.base);
        start(row.reported ? "note\n" : "");
        model_base(row.base);
        load::testuj_cf_modeli(ctx());
        EXPECT_EQ(model_base_loaded(), !row.reported);
        EXPECT_EQ(transcript().empty(), !row.reported);
    }
}

// The window shows five lines, the report text gets the same pieces run together, the note has
// its own wording; then the model base is gone as a unit and the full path stays.
TEST_F(CfModeliTest, ArithmeticReportAndUnload)
{
    start("note \"Błędna wartość CF dla modelu!\"\n");
    model_base(basic("+", "1", "1,0"));
    kb::pisz_tuto(ctx(), "");  // a report text to append to
    load::testuj_cf_modeli(ctx());
    end_aux_line();

    EXPECT_EQ(aux(), (std::vector<std::string>{"Błędna wartość CF = 1,0 dla modelu 4.",
                                               "Dla modeli arytmetycznych CF musi być równe 1.",
                                               "Przejdź do 'Bazy modeli,'",
                                               "wybierz opcję 'Edycja bazy modeli', ",
                                               "wybierz błędną bazę i usuń błąd."}));
    EXPECT_EQ(report(),
              "Błędna wartość CF = 1,0 dla modelu 4.Dla modeli arytmetycznych CF musi być równe 1."
              "Przejdź do 'Bazy modeli,'wybierz opcję 'Edycja bazy modeli', wybierz błędną bazę i usuń błąd.");
    EXPECT_EQ(lines_after("note"),
              (std::vector<std::string>{in_quotes("Błędna wartość CF dla modelu!") + ": " +
                                        in_quotes("Błędna wartość CF = 1,0dla modelu 4."
                                                  "\nDla modeli arytmetycznych CF musi być równe 1"
                                                  "\nPrzejdź do 'Bazy modeli'"
                                                  "\nwybierz opcję 'Edycja bazy modeli', "
                                                  "\nwybierz błędną bazę i usuń błąd.")}));
    EXPECT_FALSE(model_base_loaded());
    EXPECT_TRUE(ctx().db.baza_modeli.m_fakt.empty());
    EXPECT_EQ(ctx().db.stan.nazwa_mo_pelna.first(), path("MOdom.BQZ"));
}

TEST_F(CfModeliTest, LinearAndPolynomialReportsNameTheirKind)
{
    start("note\n");
    model_base("model_wielomianowy(9,\"bez warunku\",\"y\",\"x\",[\"1\"],[2],1,\"0.5\")\n");
    load::testuj_cf_modeli(ctx());
    end_aux_line();
    EXPECT_EQ(aux()[1], "Dla modeli wielomianowych CF musi być równe 1.");
    EXPECT_EQ(aux()[2], "Przejdź do 'Działania w bazie modeli,'");
    EXPECT_NE(transcript().find("\\nDla modeli wielomianowych CF musi być równe 1\\nPrzejdź do 'Bazy modeli'"),
              std::string::npos);
}

TEST_F(CfModeliTest, RelationalReport)
{
    start("note \"Błąd deklaracji współczynnika pewności dla modelu relacyjnego!\"\n");
    model_base(basic(">=", "100", "0.8", 3));
    kb::pisz_tuto(ctx(), "");
    load::testuj_cf_modeli(ctx());
    end_aux_line();

    EXPECT_EQ(aux(), (std::vector<std::string>{"Błąd deklaracji współczynnika pewności dla modelu relacyjnego!",
                                               "Współczynnik pewności modelu relacyjnego musi być zmienną",
                                               "rzeczywistą swobodną, która zostanie ukonkretniona dopiero",
                                               "w trakcie wnioskowania.", "",
                                               "Przejdź do 'Działania w bazie modeli,'",
                                               "wybierz opcję 'Edycja bazy modeli', ",
                                               "wybierz błędną bazę i usuń błąd z modelu 3."}));
    EXPECT_EQ(report(),
              "Błąd deklaracji współczynnika pewności dla modelu relacyjnego!"
              "Współczynnik pewności modelu relacyjnego musi być zmienną"
              "rzeczywistą swobodną, która zostanie ukonkretniona dopiero"
              "w trakcie wnioskowania.Przejdź do 'Działania w bazie modeli,'"
              "wybierz opcję 'Edycja bazy modeli', wybierz błędną bazę i usuń błąd z modelu 3.");
    EXPECT_EQ(lines_after("note"),
              (std::vector<std::string>{
                  in_quotes("Błąd deklaracji współczynnika pewności dla modelu relacyjnego!") + ": " +
                  in_quotes("Współczynnik pewności modelu relacyjnego musi być zmienną"
                            "\nrzeczywistą swobodną, która zostanie ukonkretniona dopierow trakcie wnioskowania."
                            "\nPrzejdź do 'Bazy modeli',wybierz błędną bazę i usuń błąd z modelu 3.")}));
    EXPECT_FALSE(model_base_loaded());
}

// Drivers run in their order (linear before polynomial, arithmetic before relational), each in
// base order; the first faulty model is the only one reported.
TEST_F(CfModeliTest, OneReportPerLoadForTheFirstFaultInDriverOrder)
{
    start("note\n");
    model_base("model_wielomianowy(1,\"bez warunku\",\"y\",\"x\",[\"1\"],[2],1,\"0.5\")\n"
               "model(2,\"bez warunku\",\"c\",\"x\",\">\",\"1\",1,\"0.5\")\n"
               "model_liniowy(3,\"bez warunku\",\"z\",[\"1\"],[\"a\"],1,\"0.5\")\n"
               "model_liniowy(5,\"bez warunku\",\"w\",[\"1\"],[\"a\"],1,\"0.6\")\n"
               "model(6,\"bez warunku\",\"v\",\"x\",\"A^N\",\"0\",1,\"0.5\")\n");
    load::testuj_cf_modeli(ctx());
    end_aux_line();
    EXPECT_EQ(aux()[0], "Błędna wartość CF = 0.5 dla modelu 6.");  // "A^N" with "0": drivers 2 and 3
    EXPECT_EQ(lines_after("note").size(), 1u);
    EXPECT_FALSE(model_base_loaded());
}

}  // namespace
