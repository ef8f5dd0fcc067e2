// The askables file, byte for byte as it lands on disk (CP1250, CR LF), for the combinations
// of loaded bases that shape it; and what a cancelled dialog leaves behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../kb/kb_harness.h"
#include "load/plik_dopytywalnych.h"
#include "platform/toolkit.h"

namespace {

using facts::SList;

class PlikDopytywalnychTest : public kb::testing::KbHarness {
public:
    void regul(const SList& dopytywalne)
    {
        ctx().db.stan.nazwa_re.add_first("REt.BQZ");
        ctx().db.stan.lista_warunkow_dopytywalnych.add_first(dopytywalne);
    }
    // A model base: the askable conditions less the relational conclusions, and the arguments.
    void modeli(const SList& dopytywalne, const SList& argumenty)
    {
        ctx().db.stan.nazwa_mo.add_first("MOt.BQZ");
        ctx().db.stan.lista_wszystkich_dopytywalnych_dla_wyswietlania.add_first(dopytywalne);
        ctx().db.stan.lista_argumentow_dopytywalnych.add_first(argumenty);
    }
    void dokladne(const std::string& fakty)
    {
        ctx().db.baza_ograniczen.nazwa_og.add_first("OGt.BQZ");
        load(ctx().db.baza_ograniczen, fakty);
    }
    void niepewne(const std::string& fakty)
    {
        ctx().db.baza_ograniczen_p.nazwa_op.add_first("ONt.BQZ");
        load(ctx().db.baza_ograniczen_p, fakty);
    }

    // Writes the file as the menu command does (the caller closes the output) and reads it back.
    std::string zapisz()
    {
        bool written = false;
        in_main_window([&] {
            written = load::zachowaj(ctx());
            ctx().ui.close_output_file();
        });
        EXPECT_TRUE(written);
        EXPECT_EQ(ctx().db.baza_modeli.nazwa_pliku_war_arg.all(), (SList{path("d.txt")}));
        return read_file("d.txt");
    }
};

// One row per combination of loaded bases: the file as bytes (CR LF, CP1250).
TEST_F(PlikDopytywalnychTest, LayoutFollowsTheLoadedBases)
{
    struct Case {
        const char* what;
        void (*setup)(PlikDopytywalnychTest&);
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"rule base only",
         [](PlikDopytywalnychTest& t) { t.regul({"a", "b"}); },
         "Warunki dopytywalne niewykluczaj\xb9" "ce si\xea bazy regu\xb3 REt.BQZ\r\n   a\r\n   b\r\n\r\n\r\n\r\n"},
        {"rule and model base",
         [](PlikDopytywalnychTest& t) {
             t.regul({"a", "b", "r"});
             t.modeli({"a", "b"}, {"x", "y"});
         },
         "Warunki dopytywalne niewykluczaj\xb9" "ce si\xea bazy regu\xb3 REt.BQZ\r\n   a\r\n   b\r\n"
         "\r\n\r\n\r\n\r\nArgumenty dopytywalne bazy modeli MOt.BQZ\r\n   x\r\n   y\r\n"},
        {"rule and exact constraint base: constraint 2 repeats the names of 1",
         [](PlikDopytywalnychTest& t) {
             t.regul({"a", "b"});
             t.dokladne("ograniczenie(1,[\"a\",\"b\"])\nograniczenie(2,[\"b\",\"a\"])\n");
         },
         "Warunki dopytywalne wzajemnie dok\xb3" "adnie wykluczaj\xb9" "ce si\xea bazy regu\xb3 REt.BQZ"
         "\r\n   a#   b#\r\n\r\n\r\n\r\n"},
        {"rule and uncertain constraint base",
         [](PlikDopytywalnychTest& t) {
             t.regul({"a", "b"});
             t.niepewne("ograniczenie_n(1,[\"a\",\"b\"])\n");
         },
         "\r\nWarunki dopytywalne wzajemnie niepewnie wykluczaj\xb9" "ce si\xea bazy regul REt.BQZ"
         "\r\n   a#   b#\r\n\r\n\r\n"},
        {"a constraint of negations only is never written; its names lie in no constraint",
         [](PlikDopytywalnychTest& t) {
             t.regul({"a", "b", "c"});
             t.dokladne("ograniczenie(1,[\"na\",\"nb\"])\nograniczenie(2,[\"b\",\"c\"])\n");
         },
         "Warunki dopytywalne niewykluczaj\xb9" "ce si\xea bazy regu\xb3 REt.BQZ\r\n   a\r\n"
         "Warunki dopytywalne wzajemnie dok\xb3" "adnie wykluczaj\xb9" "ce si\xea bazy regu\xb3 REt.BQZ"
         "\r\n   b#   c#\r\n\r\n\r\n\r\n"},
        {"rule, model and exact constraint base: an argument in a constraint only in its group",
         [](PlikDopytywalnychTest& t) {
             t.regul({"a", "b"});
             t.modeli({"a", "b"}, {"x", "y", "z"});
             t.dokladne("ograniczenie(1,[\"a\",\"b\"])\nograniczenie(2,[\"x\",\"y\"])\n");
         },
         "Warunki dopytywalne wzajemnie dok\xb3" "adnie wykluczaj\xb9" "ce si\xea bazy regu\xb3 REt.BQZ"
         "\r\n   a#   b#\r\n"
         "\r\nWarunki dopytywalne wzajemnie dok\xb3" "adnie wykluczaj\xb9" "ce si\xea bazy modeli MOt.BQZ"
         "\r\n   x#   y#\r\n\r\n\r\nArgumenty dopytywalne bazy modeli MOt.BQZ\r\n   z\r\n"},
        {"rule, model and uncertain constraint base: every argument once, the free ones first",
         [](PlikDopytywalnychTest& t) {
             t.regul({"a"});
             t.modeli({"a"}, {"x", "y", "z"});
             t.niepewne("ograniczenie_n(1,[\"y\",\"z\"])\n");
         },
         "Warunki dopytywalne niewykluczaj\xb9" "ce si\xea bazy regu\xb3 REt.BQZ\r\n   a\r\n"
         "\r\nWarunki dopytywalne wzajemnie niepewnie wykluczaj\xb9" "ce si\xea bazy regul REt.BQZ"
         "\r\n\r\nWarunki dopytywalne wzajemnie niepewnie wykluczaj\xb9" "ce si\xea bazy modeli MOt.BQZ"
         "\r\n   y#   z#\r\n\r\nArgumenty dopytywalne bazy modeli MOt.BQZ\r\n   x\r\n   y\r\n   z\r\n"},
        {"no rule base (an item left enabled): only the line breaks, the argument header alone",
         [](PlikDopytywalnychTest& t) {
             t.modeli({}, {"x"});
         },
         "\r\n\r\n\r\n\r\nArgumenty dopytywalne bazy modeli MOt.BQZ\r\n"},
        {"Polish letters in CP1250",
         [](PlikDopytywalnychTest& t) { t.regul({"żółw"}); },
         "Warunki dopytywalne niewykluczaj\xb9" "ce si\xea bazy regu\xb3 REt.BQZ\r\n   \xbf\xf3\xb3w\r\n\r\n\r\n\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        start("save -> d.txt\nreplace -> Tak\n");
        c.setup(*this);
        EXPECT_EQ(zapisz(), c.expected);
    }
}

// The dialog opens in the parent folder, but the current directory stays the base's folder;
// a second run starts from cleared working facts.
TEST_F(PlikDopytywalnychTest, WritingNeverMovesTheCurrentDirectory)
{
    start("save -> d.txt\n");
    regul({"a"});
    const std::string before = ctx().files.current_dir();
    zapisz();
    EXPECT_EQ(ctx().files.current_dir(), before);
    EXPECT_EQ(ctx().db.stan_ladowania.war_dopyt_bez_modeli.all(), (SList{"a"}));
}

TEST_F(PlikDopytywalnychTest, CancelWritesNothingAndRecordsNoName)
{
    start("save -> cancel\n");
    regul({"a"});
    ctx().db.baza_modeli.nazwa_pliku_war_arg.add_first("stare.txt");  // from a base file
    bool written = true;
    in_main_window([&] { written = load::zachowaj(ctx()); });
    EXPECT_FALSE(written);
    EXPECT_FALSE(ctx().ui.output_is_file());
    EXPECT_TRUE(ctx().db.baza_modeli.nazwa_pliku_war_arg.empty());
    EXPECT_TRUE(lines_after("output file").empty());
}

// A file that cannot be created: the error reaches the caller, nothing is left open or recorded.
TEST_F(PlikDopytywalnychTest, AFileThatCannotBeCreatedLeavesTheOutputAlone)
{
    start("save -> brak/d.txt\n");
    regul({"a"});
    in_main_window([&] {
        EXPECT_THROW(load::zachowaj(ctx()), files::FileError);
        EXPECT_FALSE(ctx().ui.output_is_file());
    });
    EXPECT_TRUE(ctx().db.baza_modeli.nazwa_pliku_war_arg.empty());
}

// Each name is recorded with the first constraint that holds it; a name in none records nothing.
TEST_F(PlikDopytywalnychTest, ConstraintTestsRecordTheFirstHolder)
{
    start("");
    dokladne("ograniczenie(4,[\"a\",\"b\"])\nograniczenie(7,[\"b\",\"c\"])\n");
    EXPECT_FALSE(load::testuj_ograniczenie_dokladne_dla_bazy_regul(ctx(), "b"));
    EXPECT_FALSE(load::testuj_ograniczenie_dokladne_dla_bazy_regul(ctx(), "c"));
    EXPECT_TRUE(load::testuj_ograniczenie_dokladne_dla_bazy_regul(ctx(), "nb"));
    EXPECT_EQ(ctx().db.stan_ladowania.numer_ograniczenia_dokladnego_dla_bazy_regul.all(),
              (std::vector<std::int32_t>{4, 7}));
}

}  // namespace
