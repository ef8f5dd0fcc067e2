// Joint contradictions of the rule base with a constraint base: what the search records for
// small bases, and the two reports written out in full.
#include "diagnostics/sprzecznosc_laczna.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diagnostics/diagnozy.h"
#include "diagnostics/testy_ladowania_ograniczen.h"
#include "kb/pisz.h"
#include "rule_lines.h"

namespace diagnostics {
namespace {

using facts::SList;
using kb::RegulaOgraniczenie;
using kb::RegulaSplaszczona;
using std::string;
using std::vector;

class SprzecznoscLacznaTest : public testing::RuleLinesTest {
protected:
    void exact(const vector<kb::Ograniczenie>& constraints)
    {
        for (const kb::Ograniczenie& o : constraints) ctx().db.baza_ograniczen.ograniczenie.add_last(o);
        ctx().db.baza_ograniczen.nazwa_og.add_first("OGtest.BQZ");
    }
    void uncertain(const vector<kb::Ograniczenie>& constraints)
    {
        for (const kb::Ograniczenie& o : constraints) ctx().db.baza_ograniczen_p.ograniczenie_n.add_last(o);
        ctx().db.baza_ograniczen_p.nazwa_op.add_first("ONtest.BQZ");
    }
    string report_text() { return ctx().db.baza_raportu.tekst_raportu.first().value_or("<none>"); }
    auto& wyniki() { return ctx().db.wyniki_diagnoz; }
};

// Each (rule, constraint) pair is recorded once, in the order the flattened conditions meet
// the constraints (flattening gives a rule's conditions last first); a flattened rule that meets any constraint is recorded once.
TEST_F(SprzecznoscLacznaTest, SearchRecordsEachPairOnce)
{
    struct Case {
        vector<string> rules;
        vector<kb::Ograniczenie> constraints;
        vector<RegulaOgraniczenie> pairs;
        vector<RegulaSplaszczona> forms;
    };
    const vector<Case> cases = {
        {{"1|w|a,b"}, {{3, {"a", "b", "c"}}}, {{1, 3}}, {{1, "w", {"b", "a"}, {}}}},
        {{"1|w|a,b,c"}, {{3, {"a", "b", "c"}}}, {{1, 3}}, {{1, "w", {"c", "b", "a"}, {}}}},
        {{"1|w|na,b"}, {{1, {"a", "b"}}}, {}, {}},  // a negation is another condition
        {{"1|w|a,b", "2|v|a,c"}, {{1, {"a", "a", "b"}}}, {{1, 1}}, {{1, "w", {"b", "a"}, {}}}},
        {{"1|w|a,b,c,d"}, {{1, {"c", "d"}}, {2, {"a", "b"}}}, {{1, 1}, {1, 2}}, {{1, "w", {"d", "c", "b", "a"}, {}}}},
        {{"1|w|p,x", "2|p|a", "3|p|b"},
         {{1, {"a", "b", "x"}}},
         {{1, 1}},
         {{1, "w", {"x", "a"}, {2}}, {1, "w", {"x", "b"}, {3}}}},
        {{"1|w|a", "2|v|b"}, {{1, {"a", "b"}}}, {}, {}},  // one condition alone is no contradiction
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        start("");
        rules(cases[i].rules);
        wyniki().sprzecznosc_2.remove_all();
        wyniki().regula_splaszczona_s2p.remove_all();
        ctx().db.baza_ograniczen.ograniczenie.remove_all();
        exact(cases[i].constraints);
        EXPECT_EQ(wyznacz_sprzecznosc_2(ctx()), cases[i].pairs.empty());
        EXPECT_EQ(wyniki().sprzecznosc_2.all(), cases[i].pairs);
        EXPECT_EQ(wyniki().regula_splaszczona_s2p.all(), cases[i].forms);
        EXPECT_TRUE(wyniki().sprzecznosc_2p.empty());
    }
}

// A second search adds nothing; the uncertain search fills only its own facts.
TEST_F(SprzecznoscLacznaTest, SearchesKeepToTheirKindAndDoNotRepeat)
{
    rules({"1|w|a,b"});
    exact({{1, {"a", "b"}}});
    uncertain({{7, {"b", "a"}}});
    EXPECT_FALSE(wyznacz_sprzecznosc_2(ctx()));
    EXPECT_FALSE(wyznacz_sprzecznosc_2(ctx()));
    EXPECT_EQ(wyniki().sprzecznosc_2.size(), 1u);
    EXPECT_EQ(wyniki().regula_splaszczona_s2p.size(), 1u);
    EXPECT_TRUE(wyniki().sprzecznosc_2p.empty());
    EXPECT_FALSE(wyznacz_sprzecznosc_2p(ctx()));
    EXPECT_EQ(wyniki().sprzecznosc_2p.all(), (vector<RegulaOgraniczenie>{{1, 7}}));
    EXPECT_EQ(wyniki().regula_splaszczona_s2pp.size(), 1u);
}

// A cyclic rule base: the search ends, tells which rules it left out, and finds the rest.
TEST_F(SprzecznoscLacznaTest, CyclicRulesAreLeftOutAndTold)
{
    start("note \"Uwaga!\"\n");
    rules({"1|p|q", "2|q|p", "3|w|a,b"}, SList{"a", "b"});
    exact({{1, {"a", "b"}}});
    EXPECT_FALSE(wyznacz_sprzecznosc_2(ctx()));
    EXPECT_EQ(wyniki().sprzecznosc_2.all(), (vector<RegulaOgraniczenie>{{3, 1}}));
    const auto notes = lines_after("note");
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_NE(notes[0].find("reguła 1 (wniosek p)"), string::npos);
}

// Every flattened rule is written with the constraints it really meets, once each: rule 1's two
// forms meet different constraints, rule 4 meets constraint 3 directly. Direct findings first.
TEST_F(SprzecznoscLacznaTest, ExactReportWritesEachFormWithTheConstraintsItMeets)
{
    const string script = "note\nnote\nnote\nnote\nnote\nnote\nquestion \"Raport wnioskowania/diagnostyki\" -> \"&Nie\"\n";
    start(script + script);
    loaded({"1|w|p,x", "2|p|a", "3|p|b", "4|v|c,d"});
    exact({{1, {"a", "x"}}, {2, {"b", "x"}}, {3, {"c", "d", "e"}}});
    const string expected =
        " Raport diagnostyki sprzeczności łącznych pomiędzy \n"
        " bazą reguł:                   REtest.BQZ i \n"
        " i bazą ograniczeń dokładnycb: OGtest.BQZ\n\n"
        " Wyznaczanie sprzeczności łącznych typu SQZ/D2 odbywa się na drodze spłaszczania reguł:\n\n"
        " W wyniku spłaszczenia reguły 4 otrzymuje się: \n"
        "   regula_splaszczona(4, v, [d,c])\n"
        " Reguła 4 jest bezpośrednio SQZ/D2-sprzeczna z ograniczeniem dokładnym 3 o postaci:\n"
        "   ograniczenie(3, [c,d,e])\n\n"
        " W wyniku spłaszczenia reguły 1 otrzymuje się: \n"
        "   regula_splaszczona(1, w, [x,a])\n"
        " Spłaszczenie uzyskano za pomocą reguł o numerach: 2\n"
        " Reguła 1 jest pośrednio łącznie SQZ/D2-sprzeczna z ograniczeniem dokładnym 1 o postaci:\n"
        "   ograniczenie(1, [a,x])\n\n"
        " W wyniku spłaszczenia reguły 1 otrzymuje się: \n"
        "   regula_splaszczona(1, w, [x,b])\n"
        " Spłaszczenie uzyskano za pomocą reguł o numerach: 3\n"
        " Reguła 1 jest pośrednio łącznie SQZ/D2-sprzeczna z ograniczeniem dokładnym 2 o postaci:\n"
        "   ograniczenie(2, [b,x])\n\n"
        "\n Koniec raportu diagnostyki sprzeczności łącznych\n"
        " bazy reguł:                   REtest.BQZ\n"
        " i bazy ograniczeń dokładnych: OGtest.BQZ\n";
    EXPECT_TRUE(pisz_sprzecznosc_2(ctx()));
    EXPECT_EQ(report_text(), expected);
    EXPECT_TRUE(wyniki().sprzecznosc_2.empty());  // used up: the next report searches again
    const auto notes = lines_after("note");
    ASSERT_EQ(notes.size(), 6u);
    EXPECT_EQ(notes[2],
              "\"Diagnostyka sprzeczności łącznych bazy reguł i bazy ograniczeń dokladnej \": \"W wyniku spłaszczenia "
              "reguły 4. otrzymuje się:\\n\\nregula_splaszczona(4, v, [\\\"d\\\",\\\"c\\\"])\\n\\nReguła 4. jest "
              "bezpośrednio łącznie SQZ/D2-sprzeczna z ograniczeniem dokładnym 3  o postaci:\\n\\nograniczenie(3, "
              "[\\\"c\\\",\\\"d\\\",\\\"e\\\"])\\n\"");
    EXPECT_NE(notes[3].find("numerach:2, \\n\\nReguła 1. jest pośrednio SQZ/D2-sprzeczna z ograniczeniem dokładnym 1. "
                            "o postaci:"),
              string::npos);
    EXPECT_TRUE(pisz_sprzecznosc_2(ctx()));
    EXPECT_EQ(report_text(), expected);
}

TEST_F(SprzecznoscLacznaTest, UncertainReportWritesEachFormWithTheConstraintsItMeets)
{
    start("note\nnote\nnote\nnote\nnote\nnote\nquestion \"Raport wnioskowania/diagnostyki\" -> \"&Nie\"\n");
    loaded({"1|w|p,x", "2|p|a", "3|p|b", "4|v|c,d"});
    uncertain({{1, {"a", "x"}}, {2, {"b", "x"}}, {3, {"c", "d", "e"}}});
    EXPECT_TRUE(pisz_sprzecznosc_2p(ctx()));
    EXPECT_EQ(report_text(),
              " Raport diagnostyki sprzeczności pomiędzy \n"
              " baza reguł                   REtest.BQZ i \n"
              " bazą ograniczeń niepewnych ONtest.BQZ\n\n"
              " Wyznaczanie sprzeczności typu SQZ/N2\n"
              " odbywa się na drodze spłaszczania reguł:\n\n"
              "W wyniku spłaszczenia reguły 4 otrzymuje się: \n"
              "  regula_splaszczona(4, v, [d,c])\n"
              "Spłaszczenie uzyskano za pomocą reguł o numerach: \n"
              "Reguła 4 jest bezpośrednio SQZ/N2-sprzeczna z ograniczeniem 3 o postaci\n\n"
              "  ograniczenie_n(3, [c,d,e])\n\n"
              "W wyniku spłaszczenia reguły 1 otrzymuje się: \n"
              "  regula_splaszczona(1, w, [x,a])\n"
              "Spłaszczenie uzyskano za pomocą reguł o numerach: 2\n"
              " Reguła 1 jest pośrednio SQZ/N2-sprzeczna z ograniczeniem 1 o postaci\n"
              "  ograniczenie_n(1, [a,x])\n\n"
              "W wyniku spłaszczenia reguły 1 otrzymuje się: \n"
              "  regula_splaszczona(1, w, [x,b])\n"
              "Spłaszczenie uzyskano za pomocą reguł o numerach: 3\n"
              " Reguła 1 jest pośrednio SQZ/N2-sprzeczna z ograniczeniem 2 o postaci\n"
              "  ograniczenie_n(2, [b,x])\n\n"
              "\n Koniec diagnostyki sprzeczności łącznych \n"
              " bazy reguł:                       REtest.BQZ\n"
              " i bazy ograniczeń niepewnych:  ONtest.BQZ\n");
    const auto notes = lines_after("note");
    ASSERT_EQ(notes.size(), 6u);
    EXPECT_NE(notes[4].find("numerach: 3, \\n\\nReguła 1  jest pośrednio SQZ/N2-sprzeczna z ograniczeniem 2  o "
                            "postaci:\\n\\nograniczenie(2, [\\\"b\\\",\\\"x\\\"])\\n\""),
              string::npos);
}

// Nothing to report: a few plain lines and a note with an empty title; the report text and the
// findings of the other kind stay as they were.
TEST_F(SprzecznoscLacznaTest, NothingFoundLeavesTheReportText)
{
    start("note \"\"\nnote \"\"\n");
    loaded({"1|w|a,b"});
    exact({{1, {"a", "c"}}});
    uncertain({{1, {"b", "c"}}});
    wyniki().sprzecznosc_2p.add_last({9, 9});
    kb::lista_dla_raportu(ctx(), {"poprzedni raport"});
    EXPECT_TRUE(pisz_sprzecznosc_2(ctx()));
    wyniki().sprzecznosc_2p.remove_all();
    EXPECT_TRUE(pisz_sprzecznosc_2p(ctx()));
    end_aux_line();
    EXPECT_EQ(report_text(), "poprzedni raport");
    EXPECT_EQ(aux(), (vector<string>{"", "  Baza reguł                 REtest.BQZ", "  Baza ograniczeń dokładnych OGtest.BQZ",
                                     "  nie są łącznie SQZ/D2-sprzeczne.", "  Baza reguł                   REtest.BQZ",
                                     "  oraz baza ograniczeń niepewnych ONtest.BQZ", "  nie są SQZ/N2-sprzeczne.", ""}));
    const auto notes = lines_after("note");
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0], "\"\": \"Baza reguł rozwinięta niepewna\\n   REtest.BQZ\\ni baza ograniczeń rozwinieta "
                        "dokładna\\n   OGtest.BQZ\\nnie są łącznie SQZ/D2-sprzeczne.\"");
}

// Without a kind name the head is written and the report fails, keeping the findings.
TEST_F(SprzecznoscLacznaTest, WithoutAKindNameTheReportStopsAfterItsHead)
{
    start("note\n");
    loaded({"1|w|a,b"});
    ctx().db.stan_ladowania.rozszerzenie.remove_all();
    ctx().db.stan_ladowania.rozszerzenie.add_first(".TXT");
    exact({{1, {"a", "b"}}});
    EXPECT_FALSE(pisz_sprzecznosc_2(ctx()));
    EXPECT_EQ(wyniki().sprzecznosc_2.size(), 1u);
    EXPECT_EQ(report_text(), " Raport diagnostyki sprzeczności łącznych pomiędzy \n"
                             " bazą reguł:                   REtest.BQZ i \n"
                             " i bazą ograniczeń dokładnycb: OGtest.BQZ\n\n");
}

}  // namespace
}  // namespace diagnostics
