// The check of models sharing a result at the load of an exact constraint base: which groups
// pass by themselves, which through the rules of their conditions, and what a failing group
// tells and unloads.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diagnostics/testy_ladowania_ograniczen.h"
#include "rule_lines.h"

namespace diagnostics {
namespace {

using std::string;
using std::vector;

string el(int n, const string& w, const string& y, const string& op = "+")
{
    return "model(" + std::to_string(n) + ",\"" + w + "\",\"" + y + "\",\"u\",\"" + op + "\",\"1\",1,\"1\")\n";
}
string lin(int n, const string& w, const string& y)
{
    return "model_liniowy(" + std::to_string(n) + ",\"" + w + "\",\"" + y + "\",[\"1\"],[\"u\"],1,\"1\")\n";
}

class WynikiZOgraniczeniamiTest : public testing::RuleLinesTest {
protected:
    // Loads the bases (rules "number|conclusion|conditions", models, exact constraints) and
    // runs the check, closing every note it shows.
    bool check(const vector<string>& rule_lines, const string& models, const string& constraints, int notes = 0)
    {
        string script;
        for (int i = 0; i < notes; ++i) script += "note\n";
        start(script);
        loaded(rule_lines);
        ctx().db.stan.nazwa_mo.add_first("MOt.BQZ");
        load(ctx().db.baza_modeli, models);
        ctx().db.baza_ograniczen.nazwa_og.add_first("OGt.BQZ");
        load(ctx().db.baza_ograniczen, constraints);
        const bool ok = testuj_wyniki_wszystkich_modeli_z_og(ctx());
        EXPECT_EQ(lines_after("note").size(), static_cast<std::size_t>(notes)) << transcript();
        EXPECT_TRUE(ctx().db.wyniki_diagnoz.opcja.empty());
        return ok;
    }
    bool unloaded() const
    {
        const kb::Store& db = ctx_->db;
        return db.stan.nazwa_mo.empty() && db.baza_modeli.model.empty() && db.baza_ograniczen.nazwa_og.empty() &&
               db.baza_ograniczen.ograniczenie.empty();
    }
};

const vector<string> kExclusiveRules = {"1|a|p", "2|b|q", "3|c|r"};
const string kPqr = "ograniczenie(9,[\"p\",\"q\",\"r\"])\n";

TEST_F(WynikiZOgraniczeniamiTest, GroupsThatPass)
{
    struct Case {
        const char* what;
        vector<string> rules;
        string models;
        string constraints;
    };
    const vector<Case> cases = {
        {"a condition and its negation", {}, el(1, "a", "y") + el(2, "na", "y"), ""},
        {"all in one constraint", {}, el(1, "a", "y") + el(2, "b", "y") + el(3, "c", "y"),
         "ograniczenie(1,[\"d\",\"c\",\"b\",\"a\"])\n"},
        {"rules that exclude each other", kExclusiveRules, el(1, "a", "y") + el(2, "b", "y") + el(3, "c", "y"), kPqr},
        {"a negated condition looked up by its rule", kExclusiveRules, el(1, "na", "y") + el(2, "b", "y"), kPqr},
        {"a condition only a relational model concludes", {"2|b|q"}, el(1, "a", "y") + el(2, "b", "y") + el(3, "q", "a", ">"),
         ""},
        {"two kinds", kExclusiveRules, el(1, "a", "y") + lin(2, "b", "y"), kPqr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_TRUE(check(c.rules, c.models, c.constraints));
        EXPECT_FALSE(ctx().db.stan.nazwa_mo.empty());
    }
}

TEST_F(WynikiZOgraniczeniamiTest, NoModelBaseOrNoConstraintBase)
{
    start("");
    ctx().db.baza_ograniczen.nazwa_og.add_first("OGt.BQZ");
    EXPECT_TRUE(testuj_wyniki_wszystkich_modeli_z_og(ctx()));
    ctx().db.baza_ograniczen.nazwa_og.remove_all();
    ctx().db.stan.nazwa_mo.add_first("MOt.BQZ");
    EXPECT_FALSE(testuj_wyniki_wszystkich_modeli_z_og(ctx()));
    EXPECT_EQ(transcript(), "");
}

// Rules that can fire together: each is named, and the rule, model and constraint bases go.
TEST_F(WynikiZOgraniczeniamiTest, RulesThatDoNotExcludeEachOther)
{
    EXPECT_FALSE(check({"3|a|p", "8|b|q"}, el(1, "a", "y") + el(2, "b", "y"), "", 4));
    EXPECT_EQ(lines_after("note"),
              (vector<string>{"\"Uwaga!\": \"\\nWnioski następujących reguł, bedące warunkami startowymi modeli o tych "
                              "samych wynikach/wnioskach, nie wykluczają się wzajemnie: \"",
                              "\"Wnioski następujących reguł nie wykluczają się wzajemnie:\": \"Numer reguły:  3    "
                              "Wniosek:  a\"",
                              "\"Wnioski następujących reguł nie wykluczają się wzajemnie:\": \"Numer reguły:  8    "
                              "Wniosek:  b\"",
                              "\"Uwaga!\": \"Załadowane bazy modeli i ograniczeń możesz tylko edytować, \\nlecz nie "
                              "możesz korzystać z nich dla wnioskowania.\\nPrzejdź do opcji edycji baz i popraw jedną "
                              "lub wszystkie bazy.\""}));
    EXPECT_TRUE(unloaded());
    EXPECT_TRUE(ctx().db.baza_regul.regula.empty());
    EXPECT_TRUE(ctx().db.stan.nazwa_re.empty());
}

// Every group that passes neither direct test is analysed: a second bad group after a good
// one, and a bad group of one kind after a good group of two kinds, are both refused.
TEST_F(WynikiZOgraniczeniamiTest, EveryGroupIsAnalysed)
{
    const vector<string> rules = {"1|a|p", "2|b|q", "3|c|r", "4|d|r"};
    EXPECT_FALSE(check(rules, el(1, "a", "y") + el(2, "b", "y") + el(3, "c", "z") + el(4, "d", "z"), kPqr, 4));
    EXPECT_TRUE(unloaded());
    EXPECT_FALSE(check(rules, el(1, "a", "y") + lin(2, "b", "y") + el(3, "c", "z") + el(4, "d", "z"), kPqr, 4));
    EXPECT_TRUE(unloaded());
}

// Two models of one result and one condition always apply together, whatever a constraint says.
TEST_F(WynikiZOgraniczeniamiTest, OneConditionTwiceIsRefused)
{
    EXPECT_FALSE(check({}, el(1, "a", "y") + el(2, "a", "y"), "ograniczenie(1,[\"a\",\"b\"])\n", 1));
    EXPECT_EQ(lines_after("note")[0],
              "\"Uwaga!\": \"Modele o tym samym wyniku/wniosku\\n   y\\nmają ten sam warunek stosowania\\n   a\\nwięc "
              "zawsze stosują się razem.\\nZaładowane bazy modeli i ograniczeń możesz tylko edytować, \\nlecz nie możesz "
              "korzystać z nich dla wnioskowania.\\nPrzejdź do opcji edycji baz i popraw jedną lub wszystkie bazy.\"");
    EXPECT_TRUE(unloaded());
    EXPECT_FALSE(ctx().db.stan.nazwa_re.empty());  // the rules are not at fault
}

// A condition that neither a rule nor a relational model concludes cannot be analysed.
TEST_F(WynikiZOgraniczeniamiTest, AConditionNothingConcludes)
{
    EXPECT_FALSE(check({"1|a|p"}, el(1, "a", "y") + el(2, "b", "y"), "", 1));
    EXPECT_EQ(lines_after("note")[0].rfind("\"Uwaga!\": \"Brak reguł lub modeli relacyjnych", 0), 0u);
    EXPECT_TRUE(unloaded());
}

}  // namespace
}  // namespace diagnostics
