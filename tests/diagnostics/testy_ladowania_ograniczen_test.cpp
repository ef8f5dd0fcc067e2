// The load-time entries of the joint diagnoses with the constraint bases: the question and its
// answers, the notes of a clean search and of a recorded finding (the searches are not built
// yet, so findings are recorded by hand), and the kind names taken from the extension.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../kb/kb_harness.h"
#include "diagnostics/testy_ladowania_ograniczen.h"

namespace {

using std::string;
using std::vector;

class TestyLadowaniaOgraniczenTest : public kb::testing::KbHarness {
protected:
    void bazy(const string& rozszerzenie = ".BQZ")
    {
        ctx().db.stan.nazwa_re.add_first("REt.BQZ");
        ctx().db.baza_ograniczen.nazwa_og.add_first("OGt.BQZ");
        ctx().db.baza_ograniczen_p.nazwa_op.add_first("ONt.BQZ");
        ctx().db.stan_ladowania.rozszerzenie.add_first(rozszerzenie);
    }
    vector<string> note_titles() const
    {
        vector<string> out;
        for (const string& n : lines_after("note")) out.push_back(n.substr(0, n.find(':')));
        return out;
    }
    auto& wyniki() { return ctx().db.wyniki_diagnoz; }
};

TEST(NazwyRodzajow, ExtensionBQZInAnyCaseNamesTheKind)
{
    EXPECT_EQ(diagnostics::nazwa_sprzecznosci_2(".BQZ"), "SQZ/D2");
    EXPECT_EQ(diagnostics::nazwa_sprzecznosci_2p(".bqz"), "SQZ/N2");
    EXPECT_EQ(diagnostics::nazwa_nadmiaru_2p(".Bqz"), "NQZ/D2");
    EXPECT_EQ(diagnostics::nazwa_nadmiaru_2pp(".BQZ"), "NQZ/N2");
    EXPECT_EQ(diagnostics::nazwa_sprzecznosci_2(".TXT"), std::nullopt);
    EXPECT_EQ(diagnostics::nazwa_nadmiaru_2p(""), std::nullopt);
}

// Without both bases an entry does nothing; No leaves the explanation only.
TEST_F(TestyLadowaniaOgraniczenTest, EntriesNeedBothBasesAndAYes)
{
    start("message \"Wybierz\" -> Nie\nmessage \"Wybierz\" -> Nie\n");
    ctx().db.stan.nazwa_re.add_first("REt.BQZ");
    in_main_window([&] {
        EXPECT_TRUE(diagnostics::testuj_sprzecznosc_2(ctx()));
        EXPECT_TRUE(diagnostics::testuj_nadmiar_2p(ctx()));
        bazy();
        EXPECT_TRUE(diagnostics::testuj_sprzecznosc_2(ctx()));
        EXPECT_TRUE(diagnostics::testuj_nadmiar_2p(ctx()));
    });
    EXPECT_TRUE(note_titles().empty());
    EXPECT_EQ(aux().size(), 13u + 8u);
}

// Yes with nothing recorded: the search runs (and finds nothing) between its two notes.
TEST_F(TestyLadowaniaOgraniczenTest, CleanSearchesTellNothingFound)
{
    start("message -> Tak\nnote\nnote\nmessage -> Tak\nnote\nnote\n"
          "message -> Tak\nnote\nnote\nmessage -> Tak\nnote\nnote\n");
    bazy();
    in_main_window([&] {
        EXPECT_TRUE(diagnostics::testuj_sprzecznosc_2(ctx()));
        EXPECT_TRUE(diagnostics::testuj_nadmiar_2p(ctx()));
        EXPECT_TRUE(diagnostics::testuj_sprzecznosc_2p(ctx()));
        EXPECT_TRUE(diagnostics::testuj_nadmiar_2pp(ctx()));
    });
    EXPECT_EQ(note_titles(), (vector<string>{
                                 "\"Trwa diagnozowanie\"",
                                 "\"Wynik diagnozowania sprzeczności łącznych\"",
                                 "\"Trwa diagnozowanie\"",
                                 "\"Wynik diagnozowania nadmiarowości łącznych\"",
                                 "\"Trwa diagnozowanie\"",
                                 "\"Wynik diagnozowania sprzeczności łącznych\"",
                                 "\"Trwa diagnozowanie\"",
                                 "\"Diagnostyka nadmiarowości łącznych bazy reguł  i ograniczeń \"",
                             }));
    EXPECT_TRUE(lines_after("menu enabled:").empty());
    EXPECT_TRUE(ctx().db.baza_raportu.tekst_raportu.empty());
}

// A finding recorded before counts: the contradiction note names the kind and enables the report.
TEST_F(TestyLadowaniaOgraniczenTest, RecordedContradictionIsTold)
{
    start("message -> Tak\nnote \"Trwa diagnozowanie\"\nnote \"Informacja o sprzeczności\"\n"
          "message -> Tak\nnote \"Trwa diagnozowanie\"\nnote \"Informacja o sprzeczności\"\n");
    bazy();
    wyniki().sprzecznosc_2.add_last({3, 1});
    wyniki().sprzecznosc_2p.add_last({4, 2});
    in_main_window([&] {
        EXPECT_TRUE(diagnostics::testuj_sprzecznosc_2(ctx()));
        EXPECT_TRUE(diagnostics::testuj_sprzecznosc_2p(ctx()));
    });
    const auto notes = lines_after("note");
    ASSERT_EQ(notes.size(), 4u);
    EXPECT_EQ(notes[1],
              "\"Informacja o sprzeczności\": \"Baza reguł rozwinięta niepewna\\n   REt.BQZ\\ni baza ograniczeń "
              "rozwinieta dokładna\\n   OGt.BQZ\\nzawierają co najmniej jedną sprzeczność łączną typu SQZ/D2.\\n\\n"
              "Sprzeczność łączna może być żródłem błędów wnioskowania. \\nDlatego lepiej ją usunąć.\\nWykonaj "
              "diagnozę sprzeczności łącznych. \\nW tym celu musisz przejść do opcji\\n'Baza ograniczeń dokładna\\n"
              "     Diagnostyka sprzeczności łącznych\\n     baz reguł i ograniczeń'\"");
    EXPECT_NE(notes[3].find("łączną typu   \\n   SQZ/N2.\\n"), string::npos);
    EXPECT_EQ(lines_after("menu enabled:"), (vector<string>{"10100", "10110"}));
    const auto lines = aux();
    const string padded = " W  bazie reguł rozwiniętej niepewnej                 REt.BQZ";
    EXPECT_EQ(std::count(lines.begin(), lines.end(), padded), 2);
}

// No kind name (the extension is not ".BQZ"): one line break per finding, no note, no menu item,
// the entry fails and the findings stay.
TEST_F(TestyLadowaniaOgraniczenTest, FindingWithoutAKindNameFails)
{
    start("message -> Tak\nnote \"Trwa diagnozowanie\"\n");
    bazy(".TXT");
    wyniki().sprzecznosc_2.add_last({3, 1});
    wyniki().sprzecznosc_2.add_last({5, 1});
    in_main_window([&] { EXPECT_FALSE(diagnostics::testuj_sprzecznosc_2(ctx())); });
    EXPECT_EQ(note_titles(), (vector<string>{"\"Trwa diagnozowanie\""}));
    EXPECT_TRUE(lines_after("menu enabled:").empty());
    EXPECT_EQ(wyniki().sprzecznosc_2.size(), 2u);
}

// An externally contradictory rule base: no search; with nothing recorded the entry fails.
TEST_F(TestyLadowaniaOgraniczenTest, ExternallyContradictoryRuleBaseIsNotSearched)
{
    start("message -> Tak\nmessage -> Tak\n");
    bazy();
    wyniki().sprzecznosc_1z.add_last("TAK");
    in_main_window([&] {
        EXPECT_FALSE(diagnostics::testuj_sprzecznosc_2(ctx()));
        EXPECT_FALSE(diagnostics::testuj_nadmiar_2p(ctx()));
    });
    EXPECT_TRUE(note_titles().empty());
}

// A recorded redundancy is told at once, without searching again.
TEST_F(TestyLadowaniaOgraniczenTest, RecordedRedundancyIsToldWithoutSearching)
{
    start("message -> Tak\nnote \"Być może wykryto nadmiarowość łączną\"\n"
          "message -> Tak\nnote \"Być może wykryto nadmiarowość łączną\"\n");
    bazy();
    wyniki().reguly_nadmiarowe_n2p.add_last({{1, 2}, 1, {{"a", "x"}, {"b", "x"}}});
    wyniki().reguly_nadmiarowe_n2pp.add_last({{1, 2}, 1, {{"a", "x"}, {"b", "x"}}});
    in_main_window([&] {
        EXPECT_TRUE(diagnostics::testuj_nadmiar_2p(ctx()));
        EXPECT_TRUE(diagnostics::testuj_nadmiar_2pp(ctx()));
    });
    const auto notes = lines_after("note");
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_NE(notes[0].find("niepewną typu NQZ/D2. \\n"), string::npos);
    EXPECT_NE(notes[0].find("'Baza ograniczeń dokładna\\n     Diagnostyka nadmiarowości łącznych\\n     baz reguł i "
                            "ograniczeń',\\ngdzie"),
              string::npos);
    EXPECT_NE(notes[1].find("niepewną typu NQZ/N2. \\n"), string::npos);
    EXPECT_NE(notes[1].find("baz reguł  i ograniczeń',"), string::npos);
    EXPECT_EQ(lines_after("menu enabled:"), (vector<string>{"10101", "10111"}));
}

// The uncertain redundancy names the kind also when it finds nothing: without a kind name
// it fails with no result note.
TEST_F(TestyLadowaniaOgraniczenTest, UncertainRedundancyWithoutKindNameFails)
{
    start("message -> Tak\nnote \"Trwa diagnozowanie\"\n");
    bazy(".TXT");
    in_main_window([&] { EXPECT_FALSE(diagnostics::testuj_nadmiar_2pp(ctx())); });
    EXPECT_EQ(note_titles(), (vector<string>{"\"Trwa diagnozowanie\""}));
}

// The exclusivity mode 3 stands only while the check runs; other modes stay.
TEST_F(TestyLadowaniaOgraniczenTest, SameResultCheckLeavesNoModeBehind)
{
    start("");
    bazy();
    wyniki().opcja.add_last(1);
    EXPECT_TRUE(diagnostics::testuj_wyniki_wszystkich_modeli_z_og(ctx()));
    ctx().db.stan.nazwa_mo.add_first("MOt.BQZ");
    EXPECT_TRUE(diagnostics::testuj_wyniki_wszystkich_modeli_z_og(ctx()));
    EXPECT_EQ(wyniki().opcja.all(), (vector<std::int32_t>{1}));
}

}  // namespace
