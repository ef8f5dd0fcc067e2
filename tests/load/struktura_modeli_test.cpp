// The structure checks of models at a model-base load: the symbol tables of basic and extended
// models, the list lengths of every linear and polynomial model whatever its CF text, the exact
// reports, and one report per load.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../kb/kb_harness.h"
#include "kb/pisz.h"
#include "load/struktura_modeli.h"
#include "platform/headless/headless_toolkit.h"

namespace {

using platform::headless::in_quotes;

class StrukturaModeliTest : public kb::testing::KbHarness {
protected:
    void model_base(const std::string& text)
    {
        load(ctx().db.baza_modeli, text + "m_fakt(\"ciepło\",\"0.7\")\n");
        ctx().db.stan.nazwa_mo.add_first("MOdom.BQZ");
        ctx().db.stan.nazwa_mo_pelna.add_first(path("MOdom.BQZ"));
    }
    bool model_base_loaded() { return !ctx().db.stan.nazwa_mo.empty(); }
};

std::string basic(const std::string& op, int number = 4)
{
    return "model(" + std::to_string(number) + ",\"bez warunku\",\"y\",\"x\",\"" + op + "\",\"1\",1,\"1\")\n";
}

std::string extended(const std::string& op, int number = 4)
{
    return "model_r(" + std::to_string(number) + ",\"bez warunku\",\"y\",\"" + op + "\",[\"a\",\"b\"],1,\"1\")\n";
}

TEST_F(StrukturaModeliTest, SymbolTables)
{
    for (const char* s : {"+", "-", "*", "/", "div", "mod", "min", "max", "%", ">", "==", "<", ">=", "<=", "><", "<>",
                          "sqrt", "sin", "cos", "tan", "arctan", "log", "ln", "exp", "round", "trunc", "abs", "=",
                          "zaokrąglenie_do_N", "A^N"})
        EXPECT_TRUE(load::jest_symbolem_modelu_elementarnego(s)) << s;
    for (const char* s : {"=<", "MIN", " +", "", "max_list", "<,<", "zaokraglenie_do_N"})
        EXPECT_FALSE(load::jest_symbolem_modelu_elementarnego(s)) << s;
    for (const char* s : {"+", "*", "max_list", "min_list", "<,<", "<=,<", "<,<=", "<=,<="})
        EXPECT_TRUE(load::jest_symbolem_modelu_rozwinietego(s)) << s;
    for (const char* s : {"-", "/", "sqrt", ">", "<, <", ""})
        EXPECT_FALSE(load::jest_symbolem_modelu_rozwinietego(s)) << s;
}

TEST_F(StrukturaModeliTest, WhichModelsAreReported)
{
    struct Row {
        std::string base;
        bool reported;
    };
    const std::vector<Row> rows = {
        {basic("<>"), false},
        {basic("=<"), true},
        {extended("<=,<="), false},
        {extended("-"), true},
        {"model_liniowy(4,\"bez warunku\",\"y\",[\"1\",\"2\"],[\"a\",\"b\"],1,\"1\")\n", false},
        {"model_liniowy(4,\"bez warunku\",\"y\",[],[],1,\"1\")\n", false},
        {"model_liniowy(4,\"bez warunku\",\"y\",[\"1\",\"2\"],[\"a\"],1,\"1\")\n", true},
        // every model is examined, whatever its CF text
        {"model_liniowy(4,\"bez warunku\",\"y\",[\"1\",\"2\"],[\"a\"],1,\"1.0\")\n", true},
        {"model_wielomianowy(4,\"bez warunku\",\"y\",\"x\",[\"1\",\"2\",\"3\"],[0,1,2],1,\"1\")\n", false},
        {"model_wielomianowy(4,\"bez warunku\",\"y\",\"x\",[\"1\",\"2\",\"3\"],[2],1,\" 1\")\n", true},
        // two linear models numbered alike are judged each by its own lists
        {"model_liniowy(4,\"bez warunku\",\"y\",[\"1\"],[\"a\"],1,\"1\")\n"
         "model_liniowy(4,\"bez warunku\",\"z\",[\"1\"],[],1,\"1\")\n",
         true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.base);
        start(row.reported ? "note\n" : "");
        model_base(row.base);
        load::testuj_strukture_modeli(ctx());
        EXPECT_EQ(model_base_loaded(), !row.reported);
        EXPECT_EQ(transcript().empty(), !row.reported);
    }
}

TEST_F(StrukturaModeliTest, SymbolReport)
{
    start("note \"Błędna operacja/relacja dla modelu\"\n");
    model_base(basic("MIN", 12));
    kb::pisz_tuto(ctx(), "");
    load::testuj_strukture_modeli(ctx());
    end_aux_line();
    EXPECT_EQ(aux(), (std::vector<std::string>{"Błędna operacja/relacja MIN dla modelu 12.",
                                               "Przejdź do 'Działania w bazie modeli,'",
                                               "wybierz opcję 'Edycja bazy modeli', ",
                                               "wybierz błędną bazę i usuń błąd."}));
    EXPECT_EQ(ctx().db.baza_raportu.tekst_raportu.first(),
              "Błędna operacja/relacja MIN dla modelu 12.Przejdź do 'Działania w bazie modeli,'"
              "wybierz opcję 'Edycja bazy modeli', wybierz błędną bazę i usuń błąd.");
    EXPECT_EQ(lines_after("note"),
              (std::vector<std::string>{in_quotes("Błędna operacja/relacja dla modelu") + ": " +
                                        in_quotes("Błędna operacja/relacja MINdla modelu 12."
                                                  "\nPrzejdź do 'Bazy modeli'"
                                                  "\nwybierz opcję 'Edycja bazy modeli', "
                                                  "\nwybierz błędną bazę i usuń błąd.")}));
    EXPECT_FALSE(model_base_loaded());
    EXPECT_TRUE(ctx().db.baza_modeli.m_fakt.empty());
    EXPECT_EQ(ctx().db.stan.nazwa_mo_pelna.first(), path("MOdom.BQZ"));
}

TEST_F(StrukturaModeliTest, ListReports)
{
    start("note \"Listy różnej długości\"\nnote \"Listy różnej długości\"\n");
    model_base("model_wielomianowy(8,\"bez warunku\",\"y\",\"x\",[\"1\",\"2\",\"3\"],[2],1,\"1\")\n");
    load::testuj_strukture_modeli(ctx());
    model_base("model_liniowy(9,\"bez warunku\",\"y\",[\"1\",\"2\"],[\"a\"],1,\"1\")\n");
    load::testuj_strukture_modeli(ctx());
    end_aux_line();
    EXPECT_EQ(aux(), (std::vector<std::string>{
                         "W modelu wielomianowym 8 lista współczynników i lista potęg", "są różnej długości.",
                         "Przejdź do 'Działania w bazie modeli,'", "wybierz opcję 'Edycja bazy modeli', ",
                         "wybierz błędną bazę i usuń błąd.",
                         "W modelu liniowym 9 lista współczynników i lista zmiennych",
                         "są różnej długości.", "Przejdź do 'Działania w bazie modeli,'",
                         "wybierz opcję 'Edycja bazy modeli', ", "wybierz błędną bazę i usuń błąd."}));
    const auto notes = lines_after("note");
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[1], in_quotes("Listy różnej długości") + ": " +
                            in_quotes("W modelu liniowym 9\nlista współczynników i lista zmiennych"
                                      "\nsą różnej długości.\nPrzejdź do 'Bazy modeli'"
                                      "\nwybierz opcję 'Edycja bazy modeli', \nwybierz błędną bazę i usuń błąd."));
}

// Basic models are checked before linear ones: a base with both faults gives the basic report.
TEST_F(StrukturaModeliTest, OneReportPerLoad)
{
    start("note\n");
    model_base("model_liniowy(1,\"bez warunku\",\"y\",[\"1\",\"2\"],[\"a\"],1,\"1\")\n" + basic("xx", 2) +
               basic("yy", 3));
    load::testuj_strukture_modeli(ctx());
    end_aux_line();
    EXPECT_EQ(aux()[0], "Błędna operacja/relacja xx dla modelu 2.");
    EXPECT_EQ(lines_after("note").size(), 1u);
}

}  // namespace
