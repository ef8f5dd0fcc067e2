// What a row read from a table gives (a fact, an argument value or nothing, with its review
// line and notes), the number texts of argument values, and the pieces of the table reading
// that need no data source: quoting, ids, column lengths, index positions, cell texts.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <variant>
#include <vector>

#include "../kb/kb_harness.h"
#include "import/konwersja.h"
#include "import/tabele_odbc.h"
#include "import/zrodla_odbc.h"

namespace {

using kb::Fakt;
using kb::Komorki;
using kb::NazwaWartosc;

std::vector<std::string> linie(const facts::FactList<kb::LiniaPrzegladu>& fakty)
{
    std::vector<std::string> out;
    for (const kb::LiniaPrzegladu& l : fakty.all()) out.push_back(l.linia);
    return out;
}

class KonwersjaTest : public kb::testing::KbHarness {
protected:
    // Converts the rows in order inside the main window; the script closes the notes.
    void konwertuj(const std::vector<Komorki>& wiersze, const std::string& noty = "")
    {
        start(noty);
        in_main_window([&] {
            for (const Komorki& w : wiersze) import::sprczytofakt(ctx(), w);
        });
    }
    std::vector<std::string> noty() const { return lines_after("note"); }
};

TEST_F(KonwersjaTest, EachRowGivesAFactAnArgumentValueOrNothing)
{
    const std::string nota_cf = "note \"Uwaga błąd!\"\n";
    const std::string nota_zakres = nota_cf;
    const struct {
        const char* opis;
        Komorki wiersz;
        std::string skrypt;
        std::vector<Fakt> fakty;
        std::vector<NazwaWartosc> argumenty;
        std::vector<std::string> linie_faktow;
        std::vector<std::string> linie_argumentow;
    } przypadki[] = {
        {"comma CF", {"fakt", "gorączka", "0,8"}, "", {{"gorączka", "0.8"}}, {}, {"gorączka  0,8"}, {}},
        {"CF -1", {"fakt", "a", "-1"}, "", {{"a", "-1"}}, {}, {"a  -1"}, {}},
        {"CF no number", {"fakt", "a", "abc"}, nota_cf, {}, {}, {}, {}},
        {"CF of commas", {"fakt", "a", "1,2,3"}, nota_cf, {}, {}, {}, {}},
        {"CF above 1", {"fakt", "a", "1,5"}, nota_cf, {}, {}, {}, {}},
        {"CF not finite", {"fakt", "a", "nan"}, nota_cf, {}, {}, {}, {}},
        {"comma value", {"argument_znany", "t", "38,5"}, "", {}, {{"t", 38.5}}, {}, {"t = 38.5"}},
        {"value in blanks", {"argument_znany", "t", " 7 "}, "", {}, {{"t", 7}}, {}, {"t =  7 "}},
        {"value no number", {"argument_znany", "t", "abc"}, "", {}, {}, {}, {}},
        {"value of commas", {"argument_znany", "t", "1,5,0"}, "", {}, {}, {}, {}},
        {"thousands comma", {"argument_znany", "t", "1.234,5"}, "", {}, {}, {}, {}},
        {"value too large", {"argument_znany", "t", "1e400"}, nota_zakres, {}, {}, {}, {}},
        {"value too small", {"argument_znany", "t", "1e-400"}, nota_zakres, {}, {}, {}, {}},
        {"value nan", {"argument_znany", "t", "NaN"}, "", {}, {}, {}, {}},
        {"value infinite", {"argument_znany", "t", "-inf"}, "", {}, {}, {}, {}},
        {"kind capitalised", {"Fakt", "a", "0.5"}, "", {}, {}, {}, {}},
        {"kind upper case", {"FAKT", "a", "0.5"}, "", {}, {}, {}, {}},
        {"kind with a blank", {"fakt ", "a", "0.5"}, "", {}, {}, {}, {}},
        {"null kind", {std::nullopt, "a", "0.5"}, "", {}, {}, {}, {}},
        {"two cells", {"fakt", "a"}, "", {}, {}, {}, {}},
        {"null name", {"fakt", std::nullopt, "0.5"}, "", {}, {}, {}, {}},
        {"empty name", {"fakt", "", "0.5"}, "", {}, {}, {}, {}},
        {"unreadable value", {"fakt", "a", import::kBladOdczytu}, "", {}, {}, {}, {}},
        {"empty value", {"argument_znany", "t", ""}, "", {}, {}, {}, {}},
        {"later cells ignored", {"fakt", "a", "0.5", std::nullopt, "x"}, "", {{"a", "0.5"}}, {}, {"a  0.5"}, {}},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.opis);
        konwertuj({p.wiersz}, p.skrypt);
        EXPECT_EQ(ctx().db.baza_regul.fakt.all(), p.fakty);
        EXPECT_EQ(ctx().db.baza_modeli.argument_znany.all(), p.argumenty);
        EXPECT_EQ(linie(ctx().db.dane.faktdowyswietlenia), p.linie_faktow);
        EXPECT_EQ(linie(ctx().db.dane.argument_znanydowyswietlenia), p.linie_argumentow);
        EXPECT_EQ(noty().size(), p.skrypt.empty() ? 0u : 1u);
    }
}

TEST_F(KonwersjaTest, TheNotesNameWhatWasRefused)
{
    konwertuj({{"fakt", "katar", "1,5"}, {"argument_znany", "t", "2e308"}},
              "note \"Uwaga błąd!\"\nnote \"Uwaga błąd!\"\n");
    EXPECT_EQ(noty(), (std::vector<std::string>{
                          "\"Uwaga błąd!\": \"Błędna wartość CF faktu katar: 1,5\\nCF musi być liczbą rzeczywistą z "
                          "przedziału [-1,1].\\nFakt nie został zaimportowany.\\n\\nProszę sprawdzić dane zawarte w "
                          "arkuszu Excela lub innym źródle zewnętrznym.\"",
                          "\"Uwaga błąd!\": \"Wystąpił błąd numer: 1030,\\numiemożliwiający przetworzenie "
                          "danych(liczb) rzeczywistych.\\n\\nProszę sprawdzić dane zawarte w arkuszu Excela lub "
                          "innym źródle zewnętrznym.\""}));
}

// One value per name: a later row replaces both the value and its review line, and an
// imported value replaces the one the base file gave.
TEST_F(KonwersjaTest, ALaterValueOfANameReplacesTheEarlierOne)
{
    start("");
    ctx().db.baza_regul.fakt.add_last({"kaszel", "0.5"});
    ctx().db.baza_regul.fakt.add_last({"katar", "0.3"});
    ctx().db.baza_modeli.argument_znany.add_last({"t", 36.6});
    in_main_window([&] {
        for (const Komorki& w : std::vector<Komorki>{{"fakt", "kaszel", "0,9"},
                                                     {"fakt", "gorączka", "0.8"},
                                                     {"argument_znany", "t", "38"},
                                                     {"fakt", "gorączka", "0,7"},
                                                     {"argument_znany", "t", "39,5"}})
            import::sprczytofakt(ctx(), w);
    });
    EXPECT_EQ(ctx().db.baza_regul.fakt.all(),
              (std::vector<Fakt>{{"katar", "0.3"}, {"kaszel", "0.9"}, {"gorączka", "0.7"}}));
    EXPECT_EQ(ctx().db.baza_modeli.argument_znany.all(), (std::vector<NazwaWartosc>{{"t", 39.5}}));
    EXPECT_EQ(linie(ctx().db.dane.faktdowyswietlenia), (std::vector<std::string>{"kaszel  0,9", "gorączka  0,7"}));
    EXPECT_EQ(linie(ctx().db.dane.argument_znanydowyswietlenia), (std::vector<std::string>{"t = 39.5"}));
    EXPECT_EQ(ctx().db.dane.dane_przecinek.all(), (std::vector<std::string>{"39.5"}));
}

TEST(TekstNaReal, NumbersOutOfRangeAndNonNumbersAreToldApart)
{
    struct Liczba {
        double wartosc;
    };
    struct Nie {};
    struct Zakres {};
    using W = std::variant<Liczba, Nie, Zakres>;
    const struct {
        const char* tekst;
        W wynik;
    } przypadki[] = {
        {"38.5", Liczba{38.5}},   {"  -7  ", Liczba{-7}},   {"+.5", Liczba{0.5}},    {"5.", Liczba{5}},
        {"1e3", Liczba{1000}},    {"1E+308", Liczba{1e308}}, {"2e", Liczba{2}},      {"1e-308", Liczba{1e-308}},
        {"1e309", Zakres{}},      {"1e-309", Zakres{}},     {"0.001e400", Zakres{}}, {"2e308", Zakres{}},
        {"1e99999999999", Zakres{}},
        {"", Nie{}},              {".", Nie{}},             {"e5", Nie{}},           {"1 2", Nie{}},
        {"1.2.3", Nie{}},         {"--1", Nie{}},           {"abc", Nie{}},          {"12a", Nie{}},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.tekst);
        const import::Liczba wynik = import::tekst_na_real(p.tekst);
        if (const auto* l = std::get_if<Liczba>(&p.wynik)) {
            ASSERT_TRUE(std::holds_alternative<double>(wynik));
            EXPECT_EQ(std::get<double>(wynik), l->wartosc);
        } else if (std::holds_alternative<Nie>(p.wynik)) {
            EXPECT_TRUE(std::holds_alternative<import::NieLiczba>(wynik));
        } else {
            EXPECT_TRUE(std::holds_alternative<import::PozaZakresem>(wynik));
        }
    }
    EXPECT_TRUE(std::isnan(std::get<double>(import::tekst_na_real("nan"))));
    EXPECT_EQ(std::get<double>(import::tekst_na_real("-INF")), -HUGE_VAL);
}

// A table name reaches the query only between the driver's quotes, whatever it holds.
TEST(OdbcBracket, TableNamesAreQuotedAsIdentifiers)
{
    const struct {
        const char* tabela;
        const char* cudzyslow;
        std::optional<std::string> wynik;
    } przypadki[] = {
        {"dane", "\"", "\"dane\""},
        {"dane pacjenta", "\"", "\"dane pacjenta\""},
        {"cudzy\"słów", "\"", "\"cudzy\"\"słów\""},
        {"x\"; DROP TABLE y; --", "\"", "\"x\"\"; DROP TABLE y; --\""},
        {"a`b", "`", "`a``b`"},
        {"dane_1", " ", "dane_1"},
        {"dane pacjenta", " ", std::nullopt},
        {"x;y", " ", std::nullopt},
        {"", " ", std::nullopt},
    };
    for (const auto& p : przypadki) EXPECT_EQ(import::odbc_bracket(p.tabela, p.cudzyslow), p.wynik) << p.tabela;
}

TEST_F(KonwersjaTest, NewIdsTakeTheSmallestFreeOne)
{
    EXPECT_EQ(import::get_new_id(ctx(), 1), 1);
    for (std::int32_t id : {1, 2, 4}) {
        kb::OdbcOpenBase wpis;
        wpis.id = id;
        ctx().db.baza_odbc.odbc_open_base.add_last(wpis);
    }
    EXPECT_EQ(import::get_new_id(ctx(), 1), 3);
    EXPECT_EQ(import::get_new_id(ctx(), 4), 5);
}

TEST(OdbcColumns, LengthsUpdatabilityAndIndexPositions)
{
    const struct {
        long long dlugosc;
        std::int32_t liczona;
        bool zachowana;
    } dlugosci[] = {{0, 100, false}, {1, 1, true}, {100, 100, true}, {101, 100, false}, {-1, 100, false},
                    {255, 100, false}};
    for (const auto& d : dlugosci) {
        const import::DlugoscKolumny wynik = import::ajust_len(d.dlugosc);
        EXPECT_EQ(wynik.dlugosc, d.liczona) << d.dlugosc;
        EXPECT_EQ(wynik.zachowana, d.zachowana) << d.dlugosc;
    }
    EXPECT_TRUE(import::get_updatable(1));
    EXPECT_FALSE(import::get_updatable(0));
    EXPECT_FALSE(import::get_updatable(2));

    // The index list comes the one reported first last; positions come in report order, and a
    // name the result does not have (another letter case) is left out instead of failing.
    EXPECT_EQ(import::odbc_get_primary_int({"c", "a"}, {"a", "b", "c"}), (facts::IList{1, 3}));
    EXPECT_EQ(import::odbc_get_primary_int({"B", "a"}, {"a", "b"}), (facts::IList{1}));
    EXPECT_EQ(import::odbc_get_primary_int({}, {"a"}), (facts::IList{}));
}

TEST(OdbcCells, DatesTimesAndNumbersAsTheBufferHoldsThem)
{
    EXPECT_EQ(import::tekst_daty(3, 7, 2024), "3 -7 -2024");
    EXPECT_EQ(import::tekst_daty(12, 31, 999), "12-31-999 ");
    EXPECT_EQ(import::tekst_czasu(9, 5, 1), "9 :5 :1 ");
    EXPECT_EQ(import::tekst_czasu(23, 59, 58), "23:59:58");
    EXPECT_EQ(import::tekst_liczby(".5"), "0.5");
    EXPECT_EQ(import::tekst_liczby("12.50"), "12.50");
    EXPECT_EQ(import::tekst_liczby("-.5"), "-.5");
}

}  // namespace
