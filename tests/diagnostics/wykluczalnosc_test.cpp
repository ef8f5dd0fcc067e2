// The exclusivity test engine, its verdicts and the rules chosen for start conditions, on
// small premises and bases of our own.
#include "diagnostics/wykluczalnosc.h"

#include <gtest/gtest.h>

#include "diagnostics/diagnozy.h"
#include "platform/factfile.h"
#include "rule_lines.h"

namespace diagnostics {
namespace {

using facts::ListaList;
using facts::SList;

class WykluczalnoscTest : public testing::RuleLinesTest {
protected:
    // Tests the premises under themselves in the mode; answers the mode's flag.
    bool flag(int mode, const ListaList& premises)
    {
        auto& w = ctx().db.wyniki_diagnoz;
        w.opcja.set(mode);
        w.regula_do_testowania.remove_all();
        w.regula_do_generowania_prawdy.remove_all();
        w.wykluczenie_do_jednego.remove_all();
        w.wykluczenie_do_zadnego.remove_all();
        w.wykluczenie.remove_all();
        std::int32_t numer = 1;
        for (const SList& p : premises) {
            w.regula_do_testowania.add_last({numer++, "w", p});
            w.regula_do_generowania_prawdy.add_last(p);
        }
        EXPECT_TRUE(testuj(ctx(), wyznacz_reguly_wszystkie(ctx())));
        return !(mode == 1 ? w.wykluczenie_do_jednego : mode == 2 ? w.wykluczenie_do_zadnego : w.wykluczenie).empty();
    }
    void constraints(const ListaList& lists)
    {
        ctx().db.baza_ograniczen.nazwa_og.set("OGtest.BQZ");
        std::int32_t numer = 1;
        for (const SList& l : lists) ctx().db.baza_ograniczen.ograniczenie.add_last({numer++, l});
    }
};

// Premises exclude each other only through a negation, an exact constraint or an exclusive
// group: two premises nothing separates can hold together, and every mode says so.
TEST_F(WykluczalnoscTest, EnginePremisesThatCanHoldTogether)
{
    constraints({{"x", "y"}, {"c", "d", "e"}});
    ctx().db.baza_modeli.modele_ekskluzywne.add_last({"g", "h"});
    struct Case {
        ListaList premises;
        bool together;
    };
    const std::vector<Case> cases = {
        {{{"a"}, {"b"}}, true},                 // nothing between a and b
        {{{"a"}, {"na"}}, false},
        {{{"c"}, {"d"}}, false},                // one exact constraint
        {{{"g"}, {"h"}}, false},                // one exclusive group
        {{{"a", "b"}, {"a"}}, true},
        {{{"a", "c"}, {"b", "d"}}, false},
        {{{"a", "c"}, {"a", "b", "e"}}, false},
        {{{"a", "nc"}, {"d"}}, true},           // d may hold while c does not
        {{{"a"}}, false},
        {{}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.premises));
        EXPECT_EQ(flag(3, c.premises), c.together);
        EXPECT_EQ(flag(2, c.premises), c.together);
        EXPECT_EQ(flag(1, c.premises), c.together);
    }
}

TEST_F(WykluczalnoscTest, EngineCountsEveryTestedNumber)
{
    auto& w = ctx().db.wyniki_diagnoz;
    w.opcja.set(1);
    w.regula_do_testowania.add_last({1, "w", {"a"}});
    w.regula_do_testowania.add_last({1, "w", {"a"}});
    testuj(ctx(), {{"a"}});
    EXPECT_EQ(w.wykluczenie_do_jednego.all(), SList{"NIE"});  // one rule, counted twice
    testuj(ctx(), {{"a"}, {"a"}});
    EXPECT_EQ(w.wykluczenie_do_jednego.size(), 1u);
    w.opcja.set(2);
    w.regula_do_testowania.remove_all();
    w.regula_do_testowania.add_last({1, "w", {"na"}});
    testuj(ctx(), {{"a"}});
    EXPECT_EQ(w.wykluczenie_do_zadnego.all(), SList{"NIE"});  // none can hold: also a break
}

// The verdict table: the listings written for each mode, flag and the two premise tests.
TEST_F(WykluczalnoscTest, Verdicts)
{
    constraints({{"x", "y"}});
    struct Case {
        ListaList premises;
        std::vector<std::string> headings[3];  // modes 1, 2, 3
    };
    const std::string E1 = "Wnioski następujących reguł wykluczają się wzajemnie do jednego:";
    const std::string N1 = "Wnioski następujących reguł nie wykluczają się wzajemnie do jednego:";
    const std::string E2 = "Wnioski następujących reguł wykluczają się wzajemnie do żadnego:";
    const std::string N2 = "Wnioski następujących reguł nie wykluczają się wzajemnie do żadnego:";
    const std::string N3 = "Wnioski następujących reguł nie wykluczają się wzajemnie: ";
    const std::string N3c = "Wnioski następujĄcych reguł nie wykluczają się wzajemnie: ";
    const std::string E3 = "Wnioski następujących reguł  wykluczają się wzajemnie: ";
    const std::vector<Case> cases = {
        {{}, {{E1}, {N2}, {E3}}},
        {{{"a"}}, {{N1}, {E2}, {N3c}}},
        {{{"a"}, {"na"}}, {{E1}, {N2}, {E3}}},
        {{{"a"}, {"na", "b"}}, {{N1}, {E2}, {N3}}},
        {{{"a", "b"}, {"na", "b"}}, {{N1}, {E2}, {N3c}}},
        {{{"a", "c"}, {"na", "c", "d"}}, {{N1, N1}, {E2, E2}, {N3c, N3}}},
        {{{"a"}, {"a", "b"}}, {{N1}, {N2}, {N3}}},
        {{{"a"}, {"b"}}, {{N1}, {N2}, {N3}}},
    };
    for (const Case& c : cases)
        for (int mode = 1; mode <= 3; ++mode) {
            SCOPED_TRACE(::testing::PrintToString(c.premises) + " mode " + std::to_string(mode));
            std::string script;
            for (std::size_t i = 0; i < c.premises.size() * c.headings[mode - 1].size(); ++i) script += "note\n";
            start(script);
            constraints({{"x", "y"}});
            flag(mode, c.premises);
            pisz_wnioski(ctx());
            end_aux_line();
            std::vector<std::string> headings;
            for (const std::string& line : aux())
                if (line.rfind("Wnioski", 0) == 0) headings.push_back(line);
            EXPECT_EQ(headings, c.headings[mode - 1]);
            EXPECT_EQ(lines_after("note").size(), c.premises.size() * c.headings[mode - 1].size());
        }
}

TEST_F(WykluczalnoscTest, RuleLinesAndNotes)
{
    start("note\nnote\n");
    constraints({{"x", "y"}});
    ctx().db.wyniki_diagnoz.regula_do_testowania.add_last({7, "grypa", {"a"}});
    ctx().db.wyniki_diagnoz.regula_do_testowania.add_last({9, "angina", {"na"}});
    ctx().db.wyniki_diagnoz.opcja.set(2);
    pisz_wnioski(ctx());
    end_aux_line();
    EXPECT_EQ(aux(), (std::vector<std::string>{"", "Wnioski następujących reguł nie wykluczają się wzajemnie do żadnego:",
                                               "", "Numer reguły:  7    Wniosek:  grypa",
                                               "Numer reguły:  9    Wniosek:  angina", ""}));
    EXPECT_EQ(lines_after("note")[1],
              "\"Wnioski następujących reguł nie wykluczają się wzajemnie do żadnego:\": \"Numer reguły:  9    "
              "Wniosek:  angina\"");
}

// Start conditions: the first rule with a form for each; a negated condition by its rules; a
// relational model records nothing; a condition nothing produces is reported once, and the
// bases are unloaded.
TEST_F(WykluczalnoscTest, ZnajdzReguly)
{
    loaded({"1|a|bez warunku", "2|a|p", "3|a|q", "4|b|r", "5|b|s"});
    factfile::load_text(ctx().db.baza_modeli, "model(1,\"z\",\"m\",\"x\",\">\",\"1\",1,\"1\")\n"
                                               "model_r(2,\"z\",\"k\",\"<,<=\",[\"x\",\"1\",\"2\"],1,\"1\")\n"
                                               "model(3,\"z\",\"t\",\"x\",\"+\",\"1\",1,\"1\")\n");
    auto& w = ctx().db.wyniki_diagnoz;
    EXPECT_TRUE(znajdz_reguly(ctx(), {"a", "nb", "m", "nk", "a"}));
    EXPECT_EQ(w.regula_do_testowania.all(),
              (std::vector<kb::RegulaDoTestowania>{{2, "a", {"p"}}, {4, "b", {"r"}}, {2, "a", {"p"}}}));
    EXPECT_EQ(wyznacz_reguly_wszystkie(ctx()), (ListaList{{"p"}, {"r"}, {"p"}}));
    EXPECT_TRUE(znajdz_reguly(ctx(), {}));

    start("note \"Uwaga!\"\n");
    loaded({"2|a|p"});
    factfile::load_text(ctx().db.baza_modeli, "model(3,\"z\",\"t\",\"x\",\"+\",\"1\",1,\"1\")\n");
    ctx().db.stan.nazwa_mo.set("MOtest.BQZ");
    constraints({{"x", "y"}});
    EXPECT_FALSE(znajdz_reguly(ctx(), {"a", "t", "u"}));
    EXPECT_EQ(lines_after("note"),
              std::vector<std::string>{
                  "\"Uwaga!\": \"Brak reguł lub modeli relacyjnych dla następujących warunków startowych modeli o tym "
                  "samym wyniku:\\n[\\\"t\\\",\\\"u\\\"]\\nZaładowane bazy modeli i ograniczeń możesz tylko edytować, "
                  "\\nlecz nie możesz korzystać z nich dla wnioskowania.\\nPrzejdź do opcji edycji baz i popraw jedną "
                  "lub wszystkie.\""});
    EXPECT_TRUE(ctx().db.baza_regul.regula.empty() && ctx().db.stan.nazwa_re.empty());
    EXPECT_TRUE(ctx().db.baza_modeli.model.empty() && ctx().db.stan.nazwa_mo.empty());
    EXPECT_TRUE(ctx().db.baza_ograniczen.ograniczenie.empty() && ctx().db.baza_ograniczen.nazwa_og.empty());
    EXPECT_TRUE(ctx().db.wyniki_diagnoz.regula_do_testowania.empty());
}

// The analysis needs both bases; without the constraint base it says so, without the rule base
// it ends silently; an unknown kind does nothing. The mode record goes at the end.
TEST_F(WykluczalnoscTest, AnalysisNeedsBothBases)
{
    start("note \"Uwaga!\"\n");
    loaded({"1|w|a"});
    EXPECT_FALSE(analiza_bazy_wiedzy(ctx(), 2));
    EXPECT_EQ(lines_after("note").size(), 1u);
    constraints({{"a", "b"}});
    ctx().db.stan.nazwa_re.remove_all();
    EXPECT_FALSE(analiza_bazy_wiedzy(ctx(), 3));
    EXPECT_FALSE(analiza_bazy_wiedzy(ctx(), 5));
    EXPECT_EQ(lines_after("note").size(), 1u);
    EXPECT_TRUE(ctx().db.wyniki_diagnoz.opcja.empty());
}

}  // namespace
}  // namespace diagnostics
