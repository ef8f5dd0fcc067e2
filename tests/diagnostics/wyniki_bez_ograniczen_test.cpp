// The check of models sharing a result at the start of inference, without an exact constraint
// base: which model bases start, which draw warnings and which are refused, with the notes' texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../kb/kb_harness.h"
#include "diagnostics/diagnozy.h"

namespace {

std::string el(int n, const std::string& w, const std::string& y, const std::string& op = "+")
{
    return "model(" + std::to_string(n) + ",\"" + w + "\",\"" + y + "\",\"x\",\"" + op + "\",\"1\",1,\"1\")\n";
}
std::string roz(int n, const std::string& w, const std::string& y, const std::string& op = "+")
{
    return "model_r(" + std::to_string(n) + ",\"" + w + "\",\"" + y + "\",\"" + op + "\",[\"x\",\"z\"],1,\"1\")\n";
}
std::string lin(int n, const std::string& w, const std::string& y)
{
    return "model_liniowy(" + std::to_string(n) + ",\"" + w + "\",\"" + y + "\",[\"1\",\"2\"],[\"x\",\"z\"],1,\"1\")\n";
}
std::string wiel(int n, const std::string& w, const std::string& y)
{
    return "model_wielomianowy(" + std::to_string(n) + ",\"" + w + "\",\"" + y + "\",\"x\",[\"1\",\"2\"],[0,1],1,\"1\")\n";
}

const std::string kOdmowa =
    "\\nWarunki stosowania tych modeli nie wykluczają się, \\nponieważ brak odpowiedniej bazy ograniczeń.\\nZaładowaną "
    "bazę modeli możesz tylko edytować, \\nlecz nie możesz korzystać z niej dla wnioskowania.\\nPrzejdź do "
    "opcji'Baza modeli/Edycja bazy modeli'\\n i popraw bazę modeli lub przejdź do opcji \\n'Baza "
    "ograniczeń/Tworzenie bazy ograniczeń'\\ni utwórz odpowiednią bazę ograniczeń.\"";
const std::string kOstrzezenie =
    "\\nWarunki stosowania tych modeli nie wykluczają się, \\nponieważ brak odpowiedniej bazy ograniczeń.\\nPrzejd« "
    "do opcji 'Baza modeli/Edycja bazy modeli'\\ni popraw bazę modeli lub przejdź do opcji \\nBaza "
    "ograniczeń/Tworzenie bazy ograniczeä'\\ni utwórz odpowiednią bazę ograniczeń\"";

class WynikiBezOgraniczenTest : public kb::testing::KbHarness {
protected:
    // Runs the check over the model base (loaded, no exact constraints), closing `notes` notes.
    bool check(const std::string& base, int notes)
    {
        std::string script;
        for (int i = 0; i < notes; ++i) script += "note \"Uwaga!\"\n";
        start(script);
        ctx().db.stan.nazwa_mo.add_first("MOtest.BQZ");
        load(ctx().db.baza_modeli, base);
        const bool ok = diagnostics::testuj_wyniki_wszystkich_modeli_bez_ograniczen(ctx());
        EXPECT_EQ(lines_after("note").size(), static_cast<std::size_t>(notes)) << transcript();
        return ok;
    }
    std::vector<std::string> notes() const { return lines_after("note"); }
};

TEST_F(WynikiBezOgraniczenTest, WhichModelBasesStart)
{
    struct Case {
        const char* what;
        std::string base;
        bool starts;
        int notes;
    };
    const std::vector<Case> cases = {
        {"nothing shared", el(1, "a", "y") + el(2, "b", "z") + lin(3, "a", "v"), true, 0},
        {"a condition and its negation", el(1, "a", "y") + el(2, "na", "y"), true, 0},
        {"three conditions", el(1, "a", "y") + el(2, "na", "y") + el(3, "b", "y"), false, 1},
        {"two unrelated conditions", el(1, "a", "y") + el(2, "b", "y"), false, 1},
        {"all in one declaration", el(1, "a", "y") + el(2, "b", "y") + el(3, "c", "y") +
                                       "modele_ekskluzywne([\"c\",\"b\",\"a\",\"d\"])\n", true, 0},
        {"a declaration of other names", el(1, "a", "y") + el(2, "b", "y") + "modele_ekskluzywne([\"g\",\"h\"])\n",
         false, 1},
        {"one condition twice, even declared", el(1, "a", "y") + el(2, "a", "y") + "modele_ekskluzywne([\"a\"])\n",
         false, 1},
        // one excluded pair no longer lets another shared result through
        {"a negated pair beside a bad group", el(1, "a", "y") + el(2, "na", "y") + el(3, "b", "z") + el(4, "c", "z"),
         false, 1},
        {"zaokrąglenie_do_N opens a group", el(1, "a", "y", "zaokrąglenie_do_N") + el(2, "b", "y"), false, 1},
        {"relations and functions open no group", el(1, "a", "y", ">") + el(2, "b", "y", "sqrt"), true, 0},
        {"a relation in the group of an arithmetic model", el(1, "na", "y", ">") + el(2, "a", "y"), true, 0},
        {"interval models open no group", roz(1, "a", "y", "<,<") + roz(2, "b", "y", "<=,<"), true, 0},
        {"extended models", roz(1, "a", "y") + roz(2, "b", "y"), false, 1},
        {"linear models", lin(1, "a", "y") + lin(2, "b", "y"), false, 1},
        {"polynomial models", wiel(1, "a", "y") + wiel(2, "na", "y"), true, 0},
        {"two kinds: a warning", el(1, "a", "y") + lin(2, "b", "y"), true, 1},
        {"two kinds negated", el(1, "a", "y") + lin(2, "na", "y"), true, 0},
        {"two kinds declared", el(1, "a", "y") + lin(2, "b", "y") + "modele_ekskluzywne([\"b\",\"a\"])\n", true, 0},
        {"two kinds, one condition", el(1, "a", "y") + wiel(2, "a", "y"), false, 1},
        {"two and three: six warnings", el(1, "a", "y") + el(2, "na", "y") + lin(3, "b", "y") + lin(4, "c", "y") +
                                            lin(5, "d", "y") + "modele_ekskluzywne([\"b\",\"c\",\"d\"])\n",
         true, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(check(c.base, c.notes), c.starts);
    }
}

TEST_F(WynikiBezOgraniczenTest, RefusalNamesTheFirstSharedResult)
{
    EXPECT_FALSE(check(el(1, "a", "z") + el(2, "a", "y") + el(3, "b", "y") + el(4, "c", "z"), 1));
    EXPECT_EQ(notes()[0], "\"Uwaga!\": \"Baza modeli zawiera modele elementarne \\no tych samych wynikach/wnioskach:"
                          "\\n               z" + kOdmowa);
    EXPECT_FALSE(check(lin(1, "a", "w") + lin(2, "b", "w"), 1));
    EXPECT_EQ(notes()[0],
              "\"Uwaga!\": \"Baza modeli zawiera modele  liniowe \\no tych samych wynikach:\\n               w" + kOdmowa);
}

// The warnings of every kind pair come first; the first refused kind ends the check.
TEST_F(WynikiBezOgraniczenTest, WarningsComeBeforeTheRefusal)
{
    EXPECT_FALSE(check(el(1, "a", "y") + el(2, "b", "y") + roz(3, "c", "y") + roz(4, "d", "v") + roz(5, "e", "v"), 3));
    const auto n = notes();
    const std::string mieszane = "\"Uwaga!\": \"Baza modeli zawiera modele elementarne i rozwinięte\\no tych samych "
                                 "wynikach/wnioskach:\\n               y" + kOstrzezenie;
    EXPECT_EQ(n[0], mieszane);
    EXPECT_EQ(n[1], mieszane);
    EXPECT_EQ(n[2].rfind("\"Uwaga!\": \"Baza modeli zawiera modele elementarne \\n", 0), 0u);
}

TEST_F(WynikiBezOgraniczenTest, OnlyAModelBaseWithoutExactConstraintsIsChecked)
{
    const std::string zla = el(1, "a", "y") + el(2, "b", "y");
    start("");
    load(ctx().db.baza_modeli, zla);
    EXPECT_TRUE(diagnostics::testuj_wyniki_wszystkich_modeli_bez_ograniczen(ctx()));  // no model base loaded
    ctx().db.stan.nazwa_mo.add_first("MOtest.BQZ");
    ctx().db.baza_ograniczen.nazwa_og.add_first("OGtest.BQZ");
    EXPECT_TRUE(diagnostics::testuj_wyniki_wszystkich_modeli_bez_ograniczen(ctx()));
    EXPECT_EQ(transcript(), "");
    // an uncertain constraint base plays no part, and a refusal repeats at every start
    start("note \"Uwaga!\"\nnote \"Uwaga!\"\n");
    load(ctx().db.baza_modeli, zla);
    ctx().db.stan.nazwa_mo.add_first("MOtest.BQZ");
    ctx().db.baza_ograniczen_p.nazwa_op.add_first("ONtest.BQZ");
    EXPECT_FALSE(diagnostics::testuj_wyniki_wszystkich_modeli_bez_ograniczen(ctx()));
    EXPECT_FALSE(diagnostics::testuj_wyniki_wszystkich_modeli_bez_ograniczen(ctx()));
    EXPECT_EQ(lines_after("note").size(), 2u);
}

}  // namespace
