// The model views, the variable collectors with the numeric-constant test, and the joins of
// model lists: tables of small model bases and lists, each row one case the components rely on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kb/context.h"
#include "kb/listy_modeli.h"
#include "kb/widoki_modeli.h"
#include "kb/zmienne_modeli.h"
#include "platform/factfile.h"
#include "platform/headless/headless_toolkit.h"

namespace {

using kb::SList;
using platform::headless::HeadlessOptions;
using platform::headless::HeadlessToolkit;
using platform::headless::Script;

struct ModelBase {
    HeadlessToolkit ui{Script::parse(""), HeadlessOptions{}};
    kb::Context ctx{ui};
    explicit ModelBase(const std::string& facts) { factfile::load_text(ctx.db.baza_modeli, facts); }
};

// ---- Views ------------------------------------------------------------------------------------

struct ViewCase {
    const char* what;
    std::string facts;
    SList argumenty, arytmetyczny, wszelaki, relacyjny;
};

TEST(ModelViews, EachViewYieldsItsFieldsInKindAndStepOrder)
{
    const std::vector<ViewCase> cases = {
        {"one-argument model with second argument 0",
         "model(1,\"w\",\"r\",\"x\",\"sqrt\",\"0\",1,\"1\")", {"x"}, {"r"}, {"w"}, {}},
        {"one-argument model with another second argument",
         "model(1,\"w\",\"r\",\"x\",\"sqrt\",\"5\",1,\"1\")", {}, {"r"}, {"w"}, {}},
        {"two-argument \"=\" model", "model(1,\"w\",\"r\",\"x\",\"=\",\"y\",1,\"1\")", {"x", "y"}, {"r"}, {"w"}, {}},
        {"relation of a basic model", "model(1,\"w\",\"r\",\"x\",\">=\",\"y\",1,\"1\")", {}, {}, {"w"}, {"r"}},
        {"unknown operation counts nowhere but the condition",
         "model(1,\"w\",\"r\",\"x\",\"??\",\"y\",1,\"1\")", {}, {}, {"w"}, {}},
        {"list operation of an extended model",
         "model_r(1,\"w\",\"r\",\"max_list\",[\"a\",\"b\"],1,\"1\")", {"a", "b"}, {"r"}, {"w"}, {}},
        {"interval relation of an extended model",
         "model_r(1,\"w\",\"r\",\"<=,<\",[\"x\",\"1\",\"2\"],1,\"1\")", {}, {}, {"w"}, {"r"}},
        {"all first arguments before all second ones",
         "model(1,\"w\",\"r\",\"a1\",\"+\",\"a2\",1,\"1\")\nmodel(2,\"v\",\"s\",\"b1\",\"-\",\"b2\",1,\"1\")",
         {"a1", "b1", "a2", "b2"}, {"r", "s"}, {"w", "v"}, {}},
        {"linear coefficients of all models before their variables",
         "model_liniowy(1,\"w\",\"r\",[\"2\",\"c\"],[\"x\"],1,\"1\")\n"
         "model_liniowy(2,\"v\",\"s\",[\"d\"],[\"y\",\"z\"],1,\"1\")",
         {"2", "c", "d", "x", "y", "z"}, {"r", "s"}, {"w", "v"}, {}},
        {"polynomial variables before coefficients, exponents never",
         "model_wielomianowy(1,\"w\",\"r\",\"x\",[\"1\",\"k\"],[0,7],1,\"1\")\n"
         "model_wielomianowy(2,\"v\",\"s\",\"y\",[\"m\"],[3],1,\"1\")",
         {"x", "y", "1", "k", "m"}, {"r", "s"}, {"w", "v"}, {}},
        {"kinds in order basic, extended, linear, polynomial; repeats kept",
         "model_wielomianowy(4,\"c\",\"r\",\"p\",[\"1\"],[1],1,\"1\")\n"
         "model_liniowy(3,\"c\",\"r\",[\"1\"],[\"q\"],1,\"1\")\n"
         "model_r(2,\"c\",\"r\",\"+\",[\"s\"],1,\"1\")\n"
         "model(1,\"c\",\"r\",\"t\",\"*\",\"t\",1,\"1\")",
         {"t", "t", "s", "1", "q", "p", "1"}, {"r", "r", "r", "r"}, {"c", "c", "c", "c"}, {}},
        {"empty model base", "", {}, {}, {}, {}},
    };
    for (const ViewCase& c : cases) {
        SCOPED_TRACE(c.what);
        ModelBase b(c.facts);
        EXPECT_EQ(kb::model_argumenty(b.ctx), c.argumenty);
        EXPECT_EQ(kb::model_arytmetyczny(b.ctx), c.arytmetyczny);
        EXPECT_EQ(kb::model_wszelaki(b.ctx), c.wszelaki);
        EXPECT_EQ(kb::model_relacyjny(b.ctx), c.relacyjny);
    }
}

TEST(ModelViews, VocabulariesAreComparedByteForByte)
{
    EXPECT_EQ(kb::operacje_dwuargumentowe.size() + kb::operacje_jednoargumentowe.size(), 23u);
    EXPECT_TRUE(kb::jest_operacja_arytmetyczna("zaokrąglenie_do_N"));
    EXPECT_FALSE(kb::jest_operacja_arytmetyczna("SQRT"));
    EXPECT_FALSE(kb::jest_operacja_arytmetyczna("sqrt "));
    EXPECT_TRUE(kb::jest_operacja_listowa("+"));
    EXPECT_FALSE(kb::jest_operacja_listowa("-"));
    EXPECT_TRUE(kb::jest_relacja("><"));
    EXPECT_FALSE(kb::jest_relacja("<=,<"));
    EXPECT_TRUE(kb::jest_relacja_przedzialowa("<,<="));
}

// ---- Numeric constants and the variable collectors ------------------------------------------

TEST(ModelVariables, NumericConstantTestNeverRaises)
{
    struct Case {
        std::string text;
        bool constant;
    };
    const std::vector<Case> cases = {
        {"12", true}, {"-0.5", true}, {"+.5", true}, {"5.", true}, {"1e3", true}, {"2.5E+2", true},
        {"  7  ", true}, {"nan", true}, {"-INF", true}, {"1e-400", true},  // underflow reads as 0
        {"1,5", false}, {"1.2.3", false}, {"e5", false}, {"", false}, {".", false}, {"-", false},
        {"abc", false}, {"NANx", false}, {"1 2", false},
        // beyond the range of a double: no valid real, and no error either
        {"1e400", false}, {"-1e400", false}, {"1" + std::string(400, '0'), false}, {"9e99999999999999999999", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("\"" + c.text + "\"");
        bool constant = !c.constant;
        EXPECT_NO_THROW(constant = kb::jest_stala_liczbowa(c.text));
        EXPECT_EQ(constant, c.constant);
    }
}

TEST(ModelVariables, UsunStaleReversesTheNamesLeftAndAppendsTheAccumulator)
{
    EXPECT_EQ(kb::usun_stale({"a", "1", "b", "2.5"}, {}), (SList{"b", "a"}));
    EXPECT_EQ(kb::usun_stale({"a", "b", "c"}, {}), (SList{"c", "b", "a"}));
    EXPECT_EQ(kb::usun_stale({"a", "1e400"}, {"z"}), (SList{"1e400", "a", "z"}));
    EXPECT_EQ(kb::usun_stale({}, {}), SList{});
}

TEST(ModelVariables, UsunZanegowaneDropsEveryNameBeginningWithLowerCaseN)
{
    EXPECT_EQ(kb::usun_zanegowane({"nA", "Nx", "n", "", "abc", "nadwyżka", "ń"}), (SList{"Nx", "", "abc", "ń"}));
}

struct CollectorCase {
    const char* what;
    std::string facts;
    std::vector<SList> zmienne, wyniki;
};

TEST(ModelVariables, EachCollectorAddsOneFactPairForItsKindOnly)
{
    const std::vector<CollectorCase> cases = {
        {"basic: first arguments, second arguments, conditions; constants and \"0\" go",
         "model(1,\"bez warunku\",\"pole\",\"dl\",\"*\",\"szer\",1,\"1\")\n"
         "model(2,\"bez warunku\",\"pierw\",\"pole\",\"sqrt\",\"0\",1,\"1\")\n"
         "model(3,\"duży\",\"dom\",\"pole\",\">=\",\"100\",1,\"1\")",
         {{"duży", "szer", "pole", "dl"}}, {{"pole", "pierw", "dom"}}},
        {"extended: condition, then the argument lists; decimal comma is no number",
         "model_r(1,\"ciepło\",\"k\",\"<=,<\",[\"temp\",\"18\",\"24,5\"],1,\"1\")",
         {{"24,5", "temp", "ciepło"}}, {{"k"}}},
        {"linear: conditions, coefficients, variables; names beginning with n go",
         "model_liniowy(1,\"bez warunku\",\"koszt\",[\"2.5\",\"cena\"],[\"pole\",\"nadwyżka\",\"Nakład\"],1,\"1\")",
         {{"Nakład", "pole", "cena"}}, {{"koszt"}}},
        {"polynomial: conditions, variables, coefficients; exponents are not read",
         "model_wielomianowy(1,\"bez warunku\",\"y\",\"x\",[\"1\",\"wsp\"],[0,1],1,\"1\")",
         {{"wsp", "x"}}, {{"y"}}},
        {"a name used twice is listed once; results keep their repeats",
         "model(1,\"w\",\"r\",\"a\",\"+\",\"b\",1,\"1\")\nmodel(2,\"w\",\"r\",\"b\",\"-\",\"a\",1,\"1\")",
         {{"w", "a", "b"}}, {{"r", "r"}}},
        {"no models: nothing", "argument_znany(\"x\",1)", {}, {}},
    };
    for (const CollectorCase& c : cases) {
        SCOPED_TRACE(c.what);
        ModelBase b(c.facts);
        kb::zmienne_z_modelu(b.ctx);
        kb::zmienne_z_modelu_r(b.ctx);
        kb::zmienne_z_modelu_lin(b.ctx);
        kb::zmienne_z_modelu_wiel(b.ctx);
        EXPECT_EQ(b.ctx.db.stan.zmienne.all(), c.zmienne);
        EXPECT_EQ(b.ctx.db.stan.wyniki.all(), c.wyniki);
    }
}

TEST(ModelVariables, CollectorsKeepGoingPastANumberBeyondTheRangeOfADouble)
{
    ModelBase b("model(1,\"bez warunku\",\"r\",\"1e400\",\"+\",\"x\",1,\"1\")");
    EXPECT_NO_THROW(kb::zmienne_z_modelu(b.ctx));
    EXPECT_EQ(b.ctx.db.stan.zmienne.all(), (std::vector<SList>{{"x", "1e400"}}));
}

// ---- Joins and intersection -----------------------------------------------------------------

TEST(ModelLists, DolaczInBothDirections)
{
    EXPECT_EQ(kb::dolacz({"a"}, {}), (SList{"a"}));
    EXPECT_EQ(kb::dolacz({"a", "b"}, {"c"}), (SList{"a", "b", "c"}));
    EXPECT_EQ(kb::dolacz({}, {}), SList{});

    using Results = std::vector<SList>;
    EXPECT_EQ(kb::dolacz_poczatki({"b"}, {"a", "b"}), (Results{{"a"}}));
    EXPECT_EQ(kb::dolacz_poczatki({}, {"a"}), (Results{{"a"}, {"a"}}));
    EXPECT_EQ(kb::dolacz_poczatki({}, {}), (Results{{}, {}}));
    EXPECT_EQ(kb::dolacz_poczatki({"a", "b"}, {"a", "b"}), (Results{{}}));
    EXPECT_EQ(kb::dolacz_poczatki({"x"}, {"a", "b"}), Results{});
    EXPECT_EQ(kb::dolacz_poczatki({"a", "b", "c"}, {"b", "c"}), Results{});
    EXPECT_EQ(kb::dolacz_poczatki({"a"}, {"a", "a"}), (Results{{"a"}}));
}

TEST(ModelLists, IloczynZbiorowKeepsTheFirstListsOrderAndRepeats)
{
    EXPECT_EQ(kb::iloczyn_zbiorow({"a", "b", "a"}, {"a"}), (SList{"a", "a"}));
    EXPECT_EQ(kb::iloczyn_zbiorow({}, {"a"}), SList{});
    EXPECT_EQ(kb::iloczyn_zbiorow({"c", "b", "a"}, {"a", "b"}), (SList{"b", "a"}));
    EXPECT_EQ(kb::iloczyn_zbiorow({"A", "a "}, {"a"}), SList{});
}

}  // namespace
