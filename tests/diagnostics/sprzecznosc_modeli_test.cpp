// The searches for contradictions inside the model base, on small model bases of our own:
// which direct, indirect (chain) and relational findings each base gives.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../kb/kb_harness.h"
#include "diagnostics/testy_ladowania_modeli.h"

namespace {

using facts::IList;
using kb::ModelSprzecznyGleboko;
using kb::ModelWynik;
using std::string;
using std::vector;

string el(int n, const string& y, const string& a, const string& op, const string& b, const string& w = "bez warunku")
{
    return "model(" + std::to_string(n) + ",\"" + w + "\",\"" + y + "\",\"" + a + "\",\"" + op + "\",\"" + b +
           "\",1,\"1\")\n";
}

class SprzecznoscModeliTest : public kb::testing::KbHarness {
protected:
    void search(const string& base)
    {
        start("");
        load(ctx().db.baza_modeli, base);
        diagnostics::badaj_sprzecznosc_modeli_arytmetycznych(ctx());
        diagnostics::badaj_sprzecznosc_modeli_relacyjnych(ctx());
    }
    kb::WynikiDiagnoz& w() { return ctx().db.wyniki_diagnoz; }
};

TEST_F(SprzecznoscModeliTest, DirectContradictions)
{
    struct Case {
        const char* what;
        string base;
        vector<ModelWynik> found;
    };
    const vector<Case> cases = {
        {"none", el(1, "y", "a", "+", "1") + el(2, "z", "y", "*", "2"), {}},
        {"y = y + 1", el(1, "y", "y", "+", "1"), {{1, "y"}}},
        {"y = y * y, twice", el(2, "y", "y", "*", "y"), {{2, "y"}, {2, "y"}}},
        {"one-argument functions take no part", el(3, "y", "y", "sqrt", "0"), {}},
        {"a linear model's variable",
         "model_liniowy(4,\"w\",\"y\",[\"2\"],[\"y\"],1,\"1\")\n", {{4, "y"}}},
        {"a linear model's coefficient",
         "model_liniowy(5,\"w\",\"k\",[\"k\"],[\"x\"],1,\"1\")\n", {{5, "k"}}},
        {"a polynomial model's variable",
         "model_wielomianowy(6,\"w\",\"y\",\"y\",[\"1\"],[1],1,\"1\")\n", {{6, "y"}}},
        {"an extended list model", "model_r(7,\"w\",\"s\",\"max_list\",[\"a\",\"s\"],1,\"1\")\n", {{7, "s"}}},
        {"an interval model is no arithmetic one", "model_r(8,\"w\",\"s\",\"<,<\",[\"a\",\"s\",\"b\"],1,\"1\")\n", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        search(c.base);
        EXPECT_EQ(w().model_arytmetyczny_sprzeczny.all(), c.found);
        EXPECT_EQ(w().model_aryt_sprzeczny.size(), c.found.empty() ? 0u : 1u);
        EXPECT_TRUE(w().model_arytmetyczny_sprzeczny_gleboko.empty());
    }
}

// Every model in a cycle is found, with its chain; a cycle behind a later argument, or behind
// a later producer of one name, is found too, and a direct contradiction is not chained again.
TEST_F(SprzecznoscModeliTest, ChainContradictions)
{
    struct Case {
        const char* what;
        string base;
        vector<ModelSprzecznyGleboko> found;
    };
    const vector<Case> cases = {
        {"three in a cycle", el(1, "y", "a", "+", "1") + el(2, "a", "b", "*", "2") + el(3, "b", "y", "-", "3"),
         {{1, {3, 2, 1}, "y"}, {2, {1, 3, 2}, "a"}, {3, {2, 1, 3}, "b"}}},
        {"behind the second argument", el(1, "y", "a", "+", "b") + el(2, "a", "c", "+", "1") + el(3, "b", "y", "*", "2"),
         {{1, {3, 1}, "y"}, {3, {1, 3}, "b"}}},
        {"two dead ends beside a cycle",
         el(1, "y", "a", "+", "b") + el(2, "a", "c", "+", "1") + el(3, "b", "d", "+", "y") + el(4, "d", "e", "+", "1"),
         {{1, {3, 1}, "y"}, {3, {1, 3}, "b"}}},
        {"a later producer of the same name",
         el(1, "y", "a", "+", "1") + el(2, "a", "c", "+", "1") + el(3, "a", "y", "+", "1"),
         {{1, {3, 1}, "y"}, {3, {1, 3}, "a"}}},
        {"a cycle that does not reach the start",
         el(1, "y", "a", "+", "1") + el(2, "a", "b", "+", "1") + el(3, "b", "a", "+", "1"),
         {{2, {3, 2}, "a"}, {3, {2, 3}, "b"}}},
        {"numbers are never descended through", el(1, "y", "2", "+", "1") + el(2, "2", "b", "+", "1") + el(3, "b", "y", "+", "1"),
         {{2, {1, 3, 2}, "2"}, {3, {2, 1, 3}, "b"}}},
        {"direct ones are not chained", el(1, "y", "y", "+", "a") + el(2, "a", "y", "+", "1"), {{2, {1, 2}, "a"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        search(c.base);
        EXPECT_EQ(w().model_arytmetyczny_sprzeczny_gleboko.all(), c.found);
        EXPECT_EQ(w().model_sprzeczny_gleboko.size(), c.found.empty() ? 0u : 1u);
    }
}

// A base large enough to be gathered in shares side by side: every arithmetic model with its
// arguments, kind after kind and in file order within a kind, and a cycle among thousands of
// models found as in a small base.
TEST_F(SprzecznoscModeliTest, ALargeBaseIsGatheredKindAfterKindInFileOrder)
{
    string base;
    vector<kb::ArgumentyModelu> expected[4];
    const int n = 30000;
    for (int i = 1; i <= n; ++i) {
        const string y = "y" + std::to_string(i), a = "a" + std::to_string(i % 977);
        switch (i % 4) {
            case 0:
                base += el(i, y, a, i % 8 ? "+" : "sqrt", "x");
                if (i % 8) expected[0].push_back({i, y, {a, "x"}});
                break;
            case 1:
                base += "model_r(" + std::to_string(i) + ",\"w\",\"" + y + "\",\"max_list\",[\"" + a + "\"],1,\"1\")\n";
                expected[1].push_back({i, y, {a}});
                break;
            case 2:
                base += "model_liniowy(" + std::to_string(i) + ",\"w\",\"" + y + "\",[\"2\"],[\"" + a + "\"],1,\"1\")\n";
                expected[2].push_back({i, y, {"2", a}});
                break;
            default:
                base += "model_wielomianowy(" + std::to_string(i) + ",\"w\",\"" + y + "\",\"" + a + "\",[\"1\"],[1],1,\"1\")\n";
                expected[3].push_back({i, y, {a, "1"}});
        }
    }
    base += el(n + 1, "c1", "c2", "+", "1") + el(n + 2, "c2", "c1", "*", "2");
    expected[0].push_back({n + 1, "c1", {"c2", "1"}});
    expected[0].push_back({n + 2, "c2", {"c1", "2"}});
    search(base);
    vector<kb::ArgumentyModelu> all;
    for (const auto& kind : expected) all.insert(all.end(), kind.begin(), kind.end());
    EXPECT_EQ(ctx().db.stan.lista_argumentow_modelu_arytmetycznego.all(), all);
    EXPECT_EQ(w().model_arytmetyczny_sprzeczny_gleboko.all(),
              (vector<ModelSprzecznyGleboko>{{n + 1, {n + 2, n + 1}, "c1"}, {n + 2, {n + 1, n + 2}, "c2"}}));
}

// A long chain of models feeding each other in a ring, and a dense web of them, end quickly.
TEST_F(SprzecznoscModeliTest, ChainSearchEndsOnLargeWebs)
{
    string base;
    const int n = 60;
    for (int i = 0; i < n; ++i)
        base += el(i + 1, "v" + std::to_string(i), "v" + std::to_string((i + 1) % n), "+",
                   "v" + std::to_string((i + 7) % n));
    search(base);
    EXPECT_EQ(w().model_arytmetyczny_sprzeczny_gleboko.size(), static_cast<std::size_t>(n));
}

TEST_F(SprzecznoscModeliTest, RelationalContradictions)
{
    search(el(7, "x", "a", ">", "b", "x") + el(8, "x", "a", "=", "b", "x") + el(9, "x", "a", "<>", "b", "nx") +
           "model_r(10,\"p\",\"p\",\"<=,<\",[\"a\",\"b\",\"c\"],1,\"1\")\n" +
           "model_r(11,\"p\",\"p\",\"+\",[\"a\",\"b\"],1,\"1\")\n");
    EXPECT_EQ(w().model_relacyjny_sprzeczny.all(), (vector<ModelWynik>{{7, "x"}, {10, "p"}}));
    EXPECT_EQ(w().model_rela_sprzeczny.all(), (vector<string>{"TAK"}));
    EXPECT_TRUE(w().model_arytmetyczny_sprzeczny.empty());
}

}  // namespace
