// Joint redundancy of the rule base with a constraint base: the groups the search finds in
// small bases (whatever the order of the rules), and the reports written out in full.
#include "diagnostics/nadmiar_laczny.h"

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
using kb::RegulaSplaszczona;
using kb::RegulyNadmiaroweOgraniczenia;
using std::string;
using std::vector;

class NadmiarLacznyTest : public testing::RuleLinesTest {
protected:
    void constraints(const vector<kb::Ograniczenie>& list)
    {
        ctx().db.baza_ograniczen.ograniczenie.remove_all();
        ctx().db.baza_ograniczen_p.ograniczenie_n.remove_all();
        for (const kb::Ograniczenie& o : list) {
            ctx().db.baza_ograniczen.ograniczenie.add_last(o);
            ctx().db.baza_ograniczen_p.ograniczenie_n.add_last(o);
        }
        ctx().db.baza_ograniczen.nazwa_og.set("OGtest.BQZ");
        ctx().db.baza_ograniczen_p.nazwa_op.set("ONtest.BQZ");
    }
    string report_text() { return ctx().db.baza_raportu.tekst_raportu.first().value_or("<none>"); }
    auto& wyniki() { return ctx().db.wyniki_diagnoz; }
};

// Flattening gives a rule's conditions last first: "a,x" flattens to [x, a].
TEST_F(NadmiarLacznyTest, SearchFindsEachGroupOnceWhateverTheOrderOfItsRules)
{
    struct Case {
        vector<string> rules;
        vector<RegulyNadmiaroweOgraniczenia> exact, uncertain;
    };
    const RegulyNadmiaroweOgraniczenia w12{{1, 2}, 1, {{"x", "a"}, {"x", "b"}}};
    const vector<Case> cases = {
        {{"1|w|a,x", "2|w|b,x"}, {w12}, {w12}},
        {{"1|w|a,x"}, {}, {}},                       // one rule alone
        {{"1|w|a,x", "2|w|b,c"}, {}, {}},            // nothing shared, two own conditions each
        {{"1|w|a,x", "2|v|b,x"}, {}, {}},            // two conclusions
        // Equal lists count once for exact constraints; for uncertain ones [a] twice is no finding.
        {{"1|w|b,x", "2|w|a,x", "3|w|a,x"}, {{{1, 2, 3}, 1, {{"x", "b"}, {"x", "a"}, {"x", "a"}}}}, {}},
        // A further rule with more own conditions does not prevent the finding, in any order.
        {{"1|w|a,c,x", "2|w|a,x", "3|w|b,x"},
         {{{1, 2, 3}, 1, {{"x", "c", "a"}, {"x", "a"}, {"x", "b"}}}},
         {{{1, 2, 3}, 1, {{"x", "c", "a"}, {"x", "a"}, {"x", "b"}}}}},
        {{"2|w|a,x", "3|w|b,x", "1|w|a,c,x"},
         {{{2, 3, 1}, 1, {{"x", "a"}, {"x", "b"}, {"x", "c", "a"}}}},
         {{{2, 3, 1}, 1, {{"x", "a"}, {"x", "b"}, {"x", "c", "a"}}}}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        start("");
        rules(cases[i].rules);
        constraints({{1, {"a", "b"}}});
        EXPECT_EQ(wyznacz_nadmiar_2p(ctx()), cases[i].exact.empty());
        EXPECT_EQ(wyniki().reguly_nadmiarowe_n2p.all(), cases[i].exact);
        EXPECT_EQ(wyznacz_nadmiar_2pp(ctx()), cases[i].uncertain.empty());
        EXPECT_EQ(wyniki().reguly_nadmiarowe_n2pp.all(), cases[i].uncertain);
    }
}

// What a finding records beside itself: its flattened rules (each once, with the rules they
// used) and the examined group; a disjunctive conclusion is never examined.
TEST_F(NadmiarLacznyTest, SearchRecordsFlattenedRulesAndExaminedGroups)
{
    rules({"1|w|p,x", "2|p|a", "3|w|b,x", "4|v|a,y", "5|v|b,y"});
    ctx().db.baza_regul.regula_dysjunktywna.add_last("v");
    constraints({{1, {"a", "b"}}});
    EXPECT_FALSE(wyznacz_nadmiar_2p(ctx()));
    EXPECT_EQ(wyniki().reguly_nadmiarowe_n2p.all(),
              (vector<RegulyNadmiaroweOgraniczenia>{{{1, 3}, 1, {{"x", "a"}, {"x", "b"}}}}));
    EXPECT_EQ(wyniki().regula_splaszczona_n2p.all(),
              (vector<RegulaSplaszczona>{{1, "w", {"x", "a"}, {2}}, {3, "w", {"x", "b"}, {}}}));
    EXPECT_EQ(wyniki().zbadany_wniosek_p.all(), (vector<kb::ZbadanyWniosek>{{"w", 1}, {"p", 1}}));
    // A second search examines nothing again and records nothing twice.
    EXPECT_FALSE(wyznacz_nadmiar_2p(ctx()));
    EXPECT_EQ(wyniki().reguly_nadmiarowe_n2p.size(), 1u);
    EXPECT_EQ(wyniki().regula_splaszczona_n2p.size(), 2u);
    EXPECT_TRUE(wyniki().reguly_nadmiarowe_n2pp.empty());
}

TEST_F(NadmiarLacznyTest, ExactReportSearchesWritesAndUsesUpItsFindings)
{
    const string script = "note \"Diagnostyka nadmiarowości łącznych baz reguł  i ograniczeń\"\nnote\nnote\nnote\nnote\n"
                          "note\nnote\nquestion \"Raport wnioskowania/diagnostyki\" -> \"&Nie\"\n";
    start(script + script);
    loaded({"1|w|a,x", "2|w|p,x", "3|p|b"});
    constraints({{1, {"a", "b"}}});
    const string expected =
        " Raport diagnostyki nadmiarowości łącznej pomiędzy \n"
        " bazą reguł rozwiniętych niepewnych:                   REtest.BQZ\n"
        " i bazą ograniczeń rozwiniętychdokładnych: OGtest.BQZ\n\n"
        " Wykrywanie nadmiarowości typu NQZ/D2 odbywa się na drodze spłaszczania reguł\n"
        " i porównywania list warunków spłaszczonych reguł z listami warunków\n"
        " wzajemnie wykluczających się z bazy ograniczeń:\n\n"
        " W wyniku spłaszczenia reguły 1 otrzymuje się: \n"
        "   regula_splaszczona(1, w, [x,a])\n"
        " Spłaszczenie uzyskano za pomocą reguł o numerach: \n"
        " W wyniku spłaszczenia reguły 2 otrzymuje się: \n"
        "   regula_splaszczona(2, w, [x,b])\n"
        " Spłaszczenie uzyskano za pomocą reguł o numerach: 3\n"
        " Wymienione reguły oraz ograniczenie dokładne 1 o postaci\n"
        "   ograniczenie(1, [a,b])\n"
        " mogą zawierać nadmiarowość typu NQZ/D2.\n"
        "\n Koniec raportu diagnostyki nadmiarowości łącznej pomiędzy\n"
        " bazą reguł rozwiniętą niepewną:       REtest.BQZ\n"
        " i bazą ograniczeń rozwiniętą dokładną:OGtest.BQZ\n";
    EXPECT_TRUE(pisz_nadmiar_2p(ctx()));
    EXPECT_EQ(report_text(), expected);
    EXPECT_TRUE(wyniki().reguly_nadmiarowe_n2p.empty() && wyniki().regula_splaszczona_n2p.empty());
    EXPECT_TRUE(wyniki().zbadany_wniosek_p.empty());
    const auto notes = lines_after("note");
    ASSERT_EQ(notes.size(), 7u);
    EXPECT_EQ(notes[4], "\"Diagnostyka nadmiarowości łącznych baz reguł i ograniczeń \": \"W wyniku spłaszczenia reguły "
                        "2. otrzymuje się:\\n\\nregula_splaszczona(2, w, [\\\"x\\\",\\\"b\\\"])\\n\\nSpłaszczenie "
                        "uzyskano za pomocą reguł o numerach:3, \"");
    EXPECT_EQ(notes[5], "\"Diagnostyka nadmiarowości łącznych baz reguł rozwiniętych niepewnych i ograniczeń rozwiniętych "
                        "dokładnych\": \"Wymienione reguły oraz ograniczenie dokładne 1. o postaci\\n\\nograniczenie(1, "
                        "[\\\"a\\\",\\\"b\\\"])\\n\\nmogą zawierać nadmiarowość typu NQZ/D2.\"");
    EXPECT_TRUE(pisz_nadmiar_2p(ctx()));  // searches afresh and writes the same
    EXPECT_EQ(report_text(), expected);
}

TEST_F(NadmiarLacznyTest, UncertainReportTexts)
{
    start("note\nnote\nnote\nnote\nnote\nnote\nnote\nquestion \"Raport wnioskowania/diagnostyki\" -> \"&Nie\"\n");
    loaded({"1|w|a,x", "2|w|b,x"});
    constraints({{4, {"b", "a"}}});
    EXPECT_TRUE(pisz_nadmiar_2pp(ctx()));
    EXPECT_EQ(report_text(),
              " Raport diagnostyki nadmiarowości łącznych pomiędzy\n"
              " bazą reguł rozwiniętą niepewną:                      REtest.BQZ\n"
              " i bazą ograniczeń rozwiniętą niepewną: ONtest.BQZ\n"
              " Wykrywanie nadmiarowości łącznych typu NQZ/N2 odbywa się na drodze spłaszczania reguł i \n"
              " porównania list warunków spłaszczonych reguł z listami\n"
              " warunków wzajemnie wykluczających się z bazy ograniczeń:\n\n"
              " W wyniku spłaszczenia reguły 1 otrzymuje się: \n"
              "          regula_splaszczona(1, w, [x,a])\n"
              " Spłaszczenie uzyskano za pomocą reguł o numerach: \n"
              " W wyniku spłaszczenia reguły 2 otrzymuje się: \n"
              "          regula_splaszczona(2, w, [x,b])\n"
              " Spłaszczenie uzyskano za pomocą reguł o numerach: \n"
              " Wymienione reguły oraz ograniczenie 4 o postaci\n"
              "   ograniczenie_n(4, [b,a])\n"
              " mogą zawierać nadmiarowość łączną typu NQZ/N2.\n\n"
              "\n Koniec raportu diagnostyki nadmiarowości łącznych pomiędzy \n"
              " bazą reguł:                      REtest.BQZ\n"
              " i bazą ograniczeń niepewnych: ONtest.BQZ\n");
    EXPECT_EQ(lines_after("note").front(),
              "\"Diagnostyka nadmiarowości łącznych bazy reguł  i ograniczeń \": \"Trwa diagnozowanie nadmiarowości "
              "łącznych!\"");
}

// Findings overlapping in their rules, with a flattened rule recorded twice: each finding writes
// each of its flattened rules once and its constraint once.
TEST_F(NadmiarLacznyTest, EachParagraphOfAFindingIsWrittenOnce)
{
    start("note\nnote\nnote\nnote\nnote\nnote\nnote\nnote\nnote\nnote\n"
          "question \"Raport wnioskowania/diagnostyki\" -> \"&Nie\"\n");
    loaded({"1|w|a,c,x", "2|w|a,x", "3|w|b,x"});
    constraints({{1, {"a", "b"}}});
    auto& w = wyniki();
    w.reguly_nadmiarowe_n2p.add_last({{1, 2, 3}, 1, {{"x", "c", "a"}, {"x", "a"}, {"x", "b"}}});
    w.reguly_nadmiarowe_n2p.add_last({{2, 3}, 1, {{"x", "a"}, {"x", "b"}}});
    for (int twice = 0; twice < 2; ++twice) {
        w.regula_splaszczona_n2p.add_last({1, "w", {"x", "c", "a"}, {}});
        w.regula_splaszczona_n2p.add_last({2, "w", {"x", "a"}, {}});
        w.regula_splaszczona_n2p.add_last({3, "w", {"x", "b"}, {}});
    }
    EXPECT_TRUE(pisz_nadmiar_2p(ctx()));
    const string text = report_text();
    std::size_t parts = 0;
    for (std::size_t at = text.find(" Wymienione reguły"); at != string::npos; at = text.find(" Wymienione reguły", at + 1))
        ++parts;
    EXPECT_EQ(parts, 2u);
    EXPECT_EQ(lines_after("note").size(), 3u + 3u + 1u + 2u + 1u);
}

// Nothing recorded and nothing found: the search note, the lines and the note of no redundancy,
// an empty report text, and the report answers that it found none.
TEST_F(NadmiarLacznyTest, NothingFound)
{
    start("note\nnote\nnote\nnote\n");
    loaded({"1|w|a,x"});
    constraints({{1, {"a", "b"}}});
    EXPECT_FALSE(pisz_nadmiar_2p(ctx()));
    EXPECT_FALSE(pisz_nadmiar_2pp(ctx()));
    end_aux_line();
    EXPECT_EQ(report_text(), "");
    EXPECT_EQ(aux(), (vector<string>{"", " Baza reguł rozwinięta niepewna:  REtest.BQZ",
                                     " i  baza ograniczeń rozwinięta dokładna: OGtest.BQZ",
                                     " nie mają nadmiarowości typu NQZ/D2.", "", "",
                                     " Baza reguł rozwinięta niepewnych:  REtest.BQZ",
                                     " i baza ograniczeń rozwinięta niepewnych:   ONtest.BQZ",
                                     " nie mają nadmiarowości łącznych typu NQZ/N2."}));
    EXPECT_EQ(lines_after("note")[1],
              "\"Diagnostyka nadmiarowości łącznych baz reguł  i ograniczeń  \": \"Baza reguł rozwinięta niepewna\\n   "
              "REtest.BQZ\\n i baza ograniczeń rozwinięta dokładna\\n   OGtest.BQZ\\nie mają nadmiarowości łącznych "
              "typu NQZ/D2.\"");
}

}  // namespace
}  // namespace diagnostics
