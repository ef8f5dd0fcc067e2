// The search for joint contradictions of the models with the rules, on small model and rule
// bases of our own: which findings (model, rule, rules used, model chain) each pair gives.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diagnostics/testy_ladowania_modeli.h"
#include "rule_lines.h"

namespace diagnostics {
namespace {

using kb::ModeleIRegulySprzeczne;
using std::string;
using std::vector;

string rel(int n, const string& w, const string& x, const string& op = ">", const string& a = "a", const string& b = "b")
{
    return "model(" + std::to_string(n) + ",\"" + w + "\",\"" + x + "\",\"" + a + "\",\"" + op + "\",\"" + b +
           "\",1,\"1\")\n";
}

class SprzecznoscMrTest : public testing::RuleLinesTest {
protected:
    vector<ModeleIRegulySprzeczne> search(const vector<string>& rule_lines, const string& models)
    {
        start("");
        loaded(rule_lines);
        ctx().db.stan.nazwa_mo.add_first("MOtest.BQZ");
        load(ctx().db.baza_modeli, models);
        const bool clean = wyznacz_sprzecznosc_mr(ctx());
        const auto found = ctx().db.wyniki_diagnoz.modele_i_reguly_sprzeczne.all();
        EXPECT_EQ(clean, found.empty());
        EXPECT_EQ(ctx().db.wyniki_diagnoz.sprzecznosc_mr.all(), vector<string>{found.empty() ? "NIE" : "TAK"});
        return found;
    }
};

TEST_F(SprzecznoscMrTest, Findings)
{
    struct Case {
        const char* what;
        vector<string> rules;
        string models;
        vector<ModeleIRegulySprzeczne> found;
    };
    const vector<Case> cases = {
        {"no relational model", {"5|c|x"}, "model(1,\"c\",\"x\",\"a\",\"+\",\"b\",1,\"1\")\n", {}},
        {"the condition through itself", {"5|c|x"}, rel(1, "c", "x"), {{1, 5, {0}, {1}}}},
        {"a negated condition of application", {"5|c|x"}, rel(1, "nc", "x"), {}},
        {"a negated rule condition", {"5|c|nx"}, rel(1, "c", "x"), {}},
        {"through a chain of rules", {"5|c|d", "6|d|x"}, rel(1, "c", "x"), {{1, 5, {6}, {1}}}},
        {"and through an arithmetic model", {"5|c|x"},
         rel(1, "c", "x") + "model(2,\"c\",\"a\",\"u\",\"+\",\"1\",1,\"1\")\n",
         {{1, 5, {0}, {1}}, {1, 5, {0}, {2, 1}}}},
        {"arithmetic models of either argument, in base order", {"5|c|x"},
         rel(1, "c", "x") + "model(2,\"c\",\"b\",\"u\",\"+\",\"1\",1,\"1\")\n" +
             "model(3,\"c\",\"a\",\"u\",\"+\",\"1\",1,\"1\")\n" + "model(4,\"c\",\"b\",\"v\",\"-\",\"1\",1,\"1\")\n",
         {{1, 5, {0}, {1}}, {1, 5, {0}, {2, 1}}, {1, 5, {0}, {3, 1}}, {1, 5, {0}, {4, 1}}}},
        {"both arguments one name", {"5|c|x"},
         rel(1, "c", "x", ">", "a", "a") + "model(2,\"c\",\"a\",\"u\",\"+\",\"1\",1,\"1\")\n",
         {{1, 5, {0}, {1}}, {1, 5, {0}, {2, 1}}}},
        {"only an arithmetic model's result", {"5|c|y"}, rel(1, "c", "x") + "model(2,\"w\",\"y\",\"u\",\"+\",\"1\",1,\"1\")\n",
         {}},
        {"an interval model", {"5|c|x"}, "model_r(3,\"c\",\"x\",\"<,<=\",[\"a\",\"u\",\"b\"],1,\"1\")\n",
         {{3, 5, {0}, {3}}}},
        {"\"<>\" like \"><\"", {"5|c|x"}, rel(1, "c", "x", "<>") + rel(2, "c", "x", "><"),
         {{1, 5, {0}, {1}}, {1, 5, {0}, {2}}, {2, 5, {0}, {1}}, {2, 5, {0}, {2}}}},
        // two relational models concluding each other's condition: the walk stops where it
        // meets a model again, and the cycle's conditions are all in what it gathered
        {"a cycle of relational models", {"5|c|x"}, rel(1, "c", "x") + rel(2, "x", "c"), {{1, 5, {0}, {2, 1}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(search(c.rules, c.models), c.found);
    }
}

// A later load with a corrected model base starts clean; the outcome follows the bases now loaded.
TEST_F(SprzecznoscMrTest, EachSearchDescribesTheBasesLoadedNow)
{
    EXPECT_EQ(search({"5|c|x"}, rel(1, "c", "x")).size(), 1u);
    ctx().db.baza_modeli.model.remove_all();
    load(ctx().db.baza_modeli, rel(1, "c", "z"));
    EXPECT_TRUE(wyznacz_sprzecznosc_mr(ctx()));
    EXPECT_TRUE(ctx().db.wyniki_diagnoz.modele_i_reguly_sprzeczne.empty());
}

}  // namespace
}  // namespace diagnostics
