// The import against real data sources, SQLite and PostgreSQL alike, over one fixture: tables
// with a blank and a quote in their names, rows of both kinds and rows that give nothing, a NULL,
// a long value; the whole flow through its dialogs; every row of a large table; the table read on
// the chosen source; connections released; and a note for every failure of the source.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../kb/kb_harness.h"
#include "import/import.h"
#include "import/tabele_odbc.h"
#include "import/zrodla_odbc.h"
#include "load/kasowanie.h"
#include "platform/toolkit.h"
#include "windows/dialogi.h"
#include "zrodla_testowe.h"

namespace {

using import::testing::Silnik;
using import::testing::ZrodlaTestowe;
using kb::Fakt;
using kb::Komorki;
using kb::NazwaWartosc;

// A condition name longer than any piece a driver hands out, with two-byte letters throughout.
std::string dluga_nazwa()
{
    std::string nazwa;
    while (nazwa.size() < 6000) nazwa += "źdźbło_";
    return nazwa;
}

std::vector<std::string> fixture()
{
    return {
        "CREATE TABLE \"dane pacjenta\" (rodzaj VARCHAR(20), nazwa TEXT, wartosc TEXT, uwagi TEXT)",
        "INSERT INTO \"dane pacjenta\" VALUES ('fakt', 'gorączka', '0,8', 'przecinek'), "
        "('fakt', 'kaszel', '0.9', NULL), "
        "('argument_znany', 'temperatura', '38,5', NULL), "
        "('fakt', 'katar', '1,5', 'CF poza przedziałem'), "
        "('argument_znany', 'ciśnienie', '1e400', 'poza zakresem'), "
        "('argument_znany', 'tętno', 'szybkie', 'nie liczba'), "
        "('Fakt', 'ból_głowy', '0.3', 'nieznany rodzaj'), "
        "('fakt', 'dreszcze', NULL, 'brak wartości'), "
        "('fakt', 'gorączka', '0,7', 'ostatni wygrywa'), "
        "('fakt', '" + dluga_nazwa() + "', '-0,25', 'długa nazwa'), "
        "('argument_znany', 'z \" cudzysłowem', '2', NULL)",
        "CREATE TABLE \"cudzy\"\"słów\" (rodzaj VARCHAR(20), nazwa VARCHAR(40), wartosc VARCHAR(40))",
        "INSERT INTO \"cudzy\"\"słów\" VALUES ('fakt', 'cytat', '0.4')",
        "CREATE TABLE pusta (rodzaj VARCHAR(20), nazwa VARCHAR(20), wartosc VARCHAR(20))",
        "CREATE TABLE pomiary (rodzaj VARCHAR(20), nazwa VARCHAR(40), wartosc DOUBLE PRECISION, nr INTEGER)",
        "INSERT INTO pomiary VALUES ('argument_znany', 'ciśnienie', 1013.25, 1), "
        "('argument_znany', 'waga', NULL, 2)",
        "CREATE INDEX pomiary_nazwa ON pomiary (nazwa)",
    };
}

class ImportTest : public kb::testing::KbHarness, public ::testing::WithParamInterface<Silnik> {
protected:
    void SetUp() override
    {
        if (GetParam() == Silnik::PostgreSQL && import::testing::serwer_postgres().empty())
            GTEST_SKIP() << "no PostgreSQL server (VELK_TEST_POSTGRES)";
        KbHarness::SetUp();
        zrodla_ = std::make_unique<ZrodlaTestowe>(dir_);
        zrodla_->dodaj("velk_dane", GetParam());
        zrodla_->wykonaj("velk_dane", fixture());
    }
    void TearDown() override
    {
        ctx_.reset();  // its connections before the databases
        zrodla_.reset();
        KbHarness::TearDown();
    }

    // Runs body in the main window with the import item enabled.
    void w_oknie(const std::string& skrypt, const std::function<void()>& body)
    {
        start(skrypt);
        try {
            in_main_window([&] {
                ui().enable_menu_item(ui().main_window(), 10065, true);
                body();
            });
        } catch (const platform::headless::ScriptFailure& blad) {
            FAIL() << blad.message() << "\n" << transcript();
        }
    }

    std::vector<Komorki> bufor() const
    {
        std::vector<Komorki> out;
        for (const kb::OdbcBuffer& b : ctx_->db.baza_odbc.odbc_buffer.all()) out.push_back(b.komorki);
        return out;
    }
    // The connections the PostgreSQL server still has to the source (none on SQLite), once
    // the ones just closed are gone.
    long long polaczenia() const
    {
        return GetParam() == Silnik::PostgreSQL ? zrodla_->polaczenia_postgres("velk_dane", 0) : 0;
    }
    // The notes shown, inside dialogs or not.
    std::vector<std::string> noty() const
    {
        std::vector<std::string> out;
        for (std::string linia : lines_after("")) {
            linia.erase(0, linia.find_first_not_of(' '));
            if (linia.rfind("note ", 0) == 0) out.push_back(linia.substr(5));
        }
        return out;
    }

    std::string dane() const { return zrodla_->dsn("velk_dane"); }

    std::unique_ptr<ZrodlaTestowe> zrodla_;
};

const char* const kWybor = R"(dialog 10015 "Wybór źródła danych"
  press 1
  dialog 10013 "Wybór danych do importu"
    select 10014 "dane pacjenta"
    press 1
    note "Uwaga błąd!"
    note "Uwaga błąd!"
    dialog 10008 "Przegląd zaimportowanych danych"
)";

// What the user sees is the same on every engine.
std::string przebieg(const std::string& dsn)
{
    return R"(dialog 10015 "Wybór źródła danych" opened
    10014 list [")" + dsn + R"("] selected 0
  > press 1
  dialog 10013 "Wybór danych do importu" opened
      10014 list ["cudzy\"słów", "dane pacjenta", "pomiary", "pusta"] selected 0
    > select 10014 "dane pacjenta"
      10014 list ["cudzy\"słów", "dane pacjenta", "pomiary", "pusta"] selected 1
    > press 1
    aux (no window): SELECT * FROM "dane pacjenta"
    aux (no window): --> Data loading From row 1 to row 11 ...Done
    note "Uwaga błąd!": "Błędna wartość CF faktu katar: 1,5\nCF musi być liczbą rzeczywistą z przedziału [-1,1].\nFakt nie został zaimportowany.\n\nProszę sprawdzić dane zawarte w arkuszu Excela lub innym źródle zewnętrznym."
    note "Uwaga błąd!": "Wystąpił błąd numer: 1030,\numiemożliwiający przetworzenie danych(liczb) rzeczywistych.\n\nProszę sprawdzić dane zawarte w arkuszu Excela lub innym źródle zewnętrznym."
    dialog 10008 "Przegląd zaimportowanych danych" opened
)";
}

TEST_P(ImportTest, TheWholeImportAddsTheGoodRowsAndShowsThem)
{
    w_oknie(std::string(kWybor) + "      press 1\n", [&] { import::import_danych(ctx()); });
    const std::string t = transcript();
    EXPECT_NE(t.find(przebieg(dane())), std::string::npos) << t;
    EXPECT_NE(t.find("10010 list [\"gorączka  0,7\", \"kaszel  0.9\", \"" + dluga_nazwa() + "  -0,25\"]"),
              std::string::npos);
    EXPECT_NE(t.find("10012 list [\"temperatura = 38.5\", \"z \\\" cudzysłowem = 2\"]"), std::string::npos);
    EXPECT_NE(t.find("    menu greyed: 10065\n"), std::string::npos);

    EXPECT_EQ(ctx().db.baza_regul.fakt.all(),
              (std::vector<Fakt>{{"kaszel", "0.9"}, {"gorączka", "0.7"}, {dluga_nazwa(), "-0.25"}}));
    EXPECT_EQ(ctx().db.baza_modeli.argument_znany.all(),
              (std::vector<NazwaWartosc>{{"temperatura", 38.5}, {"z \" cudzysłowem", 2}}));
    EXPECT_EQ(ctx().db.dane.maxrow.all(), (std::vector<std::int32_t>{11}));
    EXPECT_TRUE(ctx().db.dane.faktdowyswietlenia.empty());
    // Nothing of the import stays open; the chosen source keeps its name only.
    ctx().db.baza_odbc.visit([](std::string_view nazwa, const auto& fakty) { EXPECT_TRUE(fakty.empty()) << nazwa; });
    EXPECT_EQ(ctx().db.dane.baza.all(), (std::vector<kb::Baza>{{dane(), nullptr, nullptr}}));
    EXPECT_EQ(polaczenia(), 0);
}

// The review closed with its close box leaves the item enabled; a second import adds the same
// rows again, one value per name still, and shows its own lines.
TEST_P(ImportTest, AReviewClosedWithItsCloseBoxLetsTheImportRunAgain)
{
    w_oknie(std::string(kWybor) + "      close\n" + kWybor + "      press 1\n", [&] {
        import::import_danych(ctx());
        import::import_danych(ctx());
    });
    const std::string t = transcript();
    EXPECT_EQ(t.find("menu greyed: 10065"), t.rfind("menu greyed: 10065"));
    EXPECT_NE(t.find("menu greyed: 10065"), std::string::npos);
    EXPECT_EQ(ctx().db.baza_regul.fakt.size(), 3u);
    EXPECT_EQ(ctx().db.baza_modeli.argument_znany.size(), 2u);
}

TEST_P(ImportTest, AnEmptyTableEndsWithTheNoteOfNoData)
{
    w_oknie(R"(dialog 10015
  press 1
  dialog 10013
    dblclick 10014 "pusta"
    note "Uwaga!"
)",
            [&] { import::import_danych(ctx()); });
    EXPECT_EQ(noty(), (std::vector<std::string>{"\"Uwaga!\": \"Brak danych do importu z zewnętrznego źródla danych!\""}));
    EXPECT_NE(transcript().find("--> Data loading From row 1 to row 0 ...Done"), std::string::npos);
    EXPECT_TRUE(ctx().db.baza_regul.fakt.empty());
    EXPECT_EQ(transcript().find("menu greyed:"), std::string::npos);
}

// The table listing records an entry with its own statement; the reading fills it and the
// buffer, every cell as its column's kind says, and the closing removes it all.
TEST_P(ImportTest, ATableIsReadIntoTheBufferAndClosedAgain)
{
    w_oknie("", [&] {
        import::odbc_init(ctx());
        const import::ListaTabel lista = import::odbc_gettablenamelist(ctx(), dane());
        facts::SList tabele = lista.tabele;
        std::sort(tabele.begin(), tabele.end());
        EXPECT_EQ(tabele, (facts::SList{"cudzy\"słów", "dane pacjenta", "pomiary", "pusta"}));
        EXPECT_EQ(lista.id, 1);

        const import::OtwartaTabela pomiary = import::odbc_open_table(ctx(), dane(), "pomiary");
        EXPECT_EQ(pomiary.wiersze, 2);
        EXPECT_EQ(pomiary.nazwy_kolumn, (facts::SList{"rodzaj", "nazwa", "wartosc", "nr"}));
        EXPECT_EQ(pomiary.rodzaje, (facts::IList{import::kTekst, import::kTekst, import::kReal, import::kDluga}));
        EXPECT_EQ(bufor(), (std::vector<Komorki>{{"argument_znany", "ciśnienie", "1013.25", "1"},
                                                 {"argument_znany", "waga", import::kBladOdczytu, "2"}}));
        const auto wpis = ctx().db.baza_odbc.odbc_open_base.first();
        ASSERT_TRUE(wpis);
        EXPECT_EQ(wpis->tabela, "pomiary");
        EXPECT_EQ(wpis->zapytanie, "SELECT * FROM \"pomiary\"");
        EXPECT_EQ(wpis->pozycje_indeksu, (facts::IList{2}));
        EXPECT_EQ(ctx().db.baza_odbc.odbc_buffer_attr.all(), (std::vector<kb::OdbcBufferAttr>{{1, 1, 2}}));

        // Opening again on the same entry replaces its buffer.
        const import::OtwartaTabela cudzy = import::odbc_open_table(ctx(), dane(), "cudzy\"słów");
        EXPECT_EQ(cudzy.id, 1);
        EXPECT_EQ(bufor(), (std::vector<Komorki>{{"fakt", "cytat", "0.4"}}));
        EXPECT_EQ(ctx().db.baza_odbc.odbc_open_base.first()->zapytanie, "SELECT * FROM \"cudzy\"\"słów\"");

        import::odbc_close_table(ctx(), 1);
        import::odbc_close_table(ctx(), 7);  // no such entry: nothing happens
    });
    ctx().db.baza_odbc.visit([](std::string_view nazwa, const auto& fakty) {
        EXPECT_TRUE(nazwa == "odbc_warstwa" || fakty.empty()) << nazwa;
    });
    EXPECT_EQ(polaczenia(), 0);
    EXPECT_EQ(lines_after("aux (no window):"),
              (std::vector<std::string>{"SELECT * FROM \"pomiary\"", "--> Data loading From row 1 to row 2 ...Done",
                                        "SELECT * FROM \"cudzy\"\"słów\"",
                                        "--> Data loading From row 1 to row 1 ...Done"}));
}

// Far more rows than fifty thousand characters of cells: every one is read and converted.
TEST_P(ImportTest, EveryRowOfALargeTableIsRead)
{
    const int wiersze = 1500;
    std::vector<std::string> sql{"CREATE TABLE wiele (rodzaj VARCHAR(255), nazwa VARCHAR(255), wartosc VARCHAR(255))"};
    std::string wstaw = "INSERT INTO wiele VALUES ";
    for (int i = 1; i <= wiersze; ++i)
        wstaw += (i > 1 ? ", " : "") + std::string("('argument_znany', 'a") + std::to_string(i) + "', '" +
                 std::to_string(i) + ",5')";
    sql.push_back(wstaw);
    zrodla_->wykonaj("velk_dane", sql);
    w_oknie(R"(dialog 10015
  press 1
  dialog 10013
    select 10014 "wiele"
    press 1
    dialog 10008
      press 1
)",
            [&] { import::import_danych(ctx()); });
    EXPECT_NE(transcript().find("--> Data loading From row 1 to row 1500 ...Done"), std::string::npos);
    const auto argumenty = ctx().db.baza_modeli.argument_znany.all();
    ASSERT_EQ(argumenty.size(), static_cast<std::size_t>(wiersze));
    EXPECT_EQ(argumenty.front(), (NazwaWartosc{"a1", 1.5}));
    EXPECT_EQ(argumenty.back(), (NazwaWartosc{"a1500", 1500.5}));
}

// With an entry of another source still recorded, the table is read on the source whose tables
// were listed, and each connection goes when nothing holds it any more.
TEST_P(ImportTest, TheTableIsReadOnTheChosenSource)
{
    zrodla_->dodaj("velk_inne", GetParam());
    zrodla_->wykonaj("velk_inne", std::vector<std::string>{"CREATE TABLE pomiary (rodzaj VARCHAR(20), nazwa "
                                                           "VARCHAR(40), wartosc VARCHAR(20))",
                                                           "INSERT INTO pomiary VALUES ('fakt', 'inne', '1')"});
    w_oknie("", [&] {
        import::odbc_init(ctx());
        import::odbc_gettablenamelist(ctx(), dane());
        const import::ListaTabel inne = import::odbc_gettablenamelist(ctx(), zrodla_->dsn("velk_inne"));
        EXPECT_EQ(inne.id, 2);
        import::odbc_open_table(ctx(), zrodla_->dsn("velk_inne"), "pomiary");
        EXPECT_EQ(bufor(), (std::vector<Komorki>{{"fakt", "inne", "1"}}));
        import::odbc_close_table(ctx(), inne.id);
        EXPECT_EQ(ctx().db.baza_odbc.odbc_open_base.size(), 1u);
        EXPECT_EQ(ctx().db.baza_odbc.odbc_polaczenie.size(), 1u);  // velk_dane's entry holds its own
        if (GetParam() == Silnik::PostgreSQL) {
            EXPECT_EQ(zrodla_->polaczenia_postgres("velk_inne", 0), 0);
            EXPECT_EQ(zrodla_->polaczenia_postgres("velk_dane"), 1);
        }
    });
    // A new rule base releases what an import left behind.
    load::kasowanie_bazy_wiedzy(ctx());
    ctx().db.baza_odbc.visit([](std::string_view nazwa, const auto& fakty) { EXPECT_TRUE(fakty.empty()) << nazwa; });
    EXPECT_EQ(polaczenia(), 0);
}

// A table that goes between the listing and the choice: a note, nothing converted, and no
// entry left.
TEST_P(ImportTest, ATableThatCannotBeReadIsToldInANote)
{
    w_oknie(R"(dialog 10013
  select 10014 "pomiary"
  press 1
  note "Uwaga błąd!"
)",
            [&] {
                import::odbc_init(ctx());
                ctx().db.dane.baza.add_last({dane(), nullptr, nullptr});
                windows::dlg_wybor_tabeli_Create(ctx(), ui().main_window(), [&](kb::Context& c, const platform::Event& e) {
                    const bool obsluzone = import::dlg_wybor_tabeli_eh(c, e);
                    if (e.kind == platform::EventKind::Create) zrodla_->wykonaj("velk_dane", "DROP TABLE pomiary");
                    return obsluzone;
                });
            });
    const auto noty = this->noty();
    ASSERT_EQ(noty.size(), 1u);
    EXPECT_EQ(noty[0].rfind("\"Uwaga błąd!\": \"Nie można odczytać tabeli pomiary ze źródła danych " + dane() +
                                ".\\nŻadne dane nie zostały zaimportowane.\\n\\n",
                            0),
              0u)
        << noty[0];
    EXPECT_TRUE(ctx().db.baza_modeli.argument_znany.empty());
    EXPECT_TRUE(ctx().db.baza_odbc.odbc_buffer.empty());
}

// Every failure of the data source is told in a note, and the import then ends with nothing
// added and nothing left open.
class ImportBezDanychTest : public kb::testing::KbHarness {
protected:
    void SetUp() override
    {
        KbHarness::SetUp();
        zrodla_ = std::make_unique<ZrodlaTestowe>(dir_);
    }
    void TearDown() override
    {
        ctx_.reset();
        zrodla_.reset();
        unsetenv("VELK_ODBC_LIBRARY");
        KbHarness::TearDown();
    }
    std::vector<std::string> importuj(const std::string& skrypt)
    {
        start(skrypt);
        in_main_window([&] { import::import_danych(ctx()); });
        std::vector<std::string> noty;
        for (std::string linia : lines_after("")) {
            linia.erase(0, linia.find_first_not_of(' '));
            if (linia.rfind("note ", 0) == 0) noty.push_back(linia.substr(5));
        }
        EXPECT_TRUE(ctx().db.baza_regul.fakt.empty());
        ctx().db.baza_odbc.visit([](std::string_view nazwa, const auto& f) { EXPECT_TRUE(f.empty()) << nazwa; });
        return noty;
    }
    std::unique_ptr<ZrodlaTestowe> zrodla_;
};

TEST_F(ImportBezDanychTest, WithoutADriverManager)
{
    setenv("VELK_ODBC_LIBRARY", (dir_ / "libbrak.so").c_str(), 1);
    EXPECT_EQ(importuj("dialog 10015\n  note \"Uwaga błąd!\"\n  press 1\n"),
              (std::vector<std::string>{"\"Uwaga błąd!\": \"Nie można załadować menedżera sterowników ODBC "
                                        "(<dir>/libbrak.so).\\nImport danych z zewnętrznego źródła danych nie jest możliwy.\""}));
    EXPECT_NE(transcript().find("dialog 10015 closed -> 1"), std::string::npos);
}

TEST_F(ImportBezDanychTest, WithoutADataSource)
{
    EXPECT_EQ(importuj("dialog 10015\n  note \"Uwaga!\"\n  press 1\n"),
              (std::vector<std::string>{"\"Uwaga!\": \"Nie zdefiniowano żadnego źródła danych ODBC!\\nProszę "
                                        "zdefiniować źródło danych i ponowić import.\""}));
}

// A refused connection keeps the choice open after a double click; OK then ends it.
TEST_F(ImportBezDanychTest, ARefusedConnection)
{
    zrodla_->dodaj_niedostepne("velk_zamkniete");
    const std::string dsn = zrodla_->dsn("velk_zamkniete");
    const auto noty = importuj("dialog 10015\n  dblclick 10014 \"" + dsn + "\"\n  note \"Uwaga błąd!\"\n  press 1\n"
                               "  note \"Uwaga błąd!\"\n");
    ASSERT_EQ(noty.size(), 2u);
    EXPECT_EQ(noty[0].rfind("\"Uwaga błąd!\": \"Nie można połączyć się ze źródłem danych " + dsn + ".\\n\\n", 0), 0u)
        << noty[0];
    EXPECT_NE(transcript().find("dialog 10015 closed -> 1"), std::string::npos);
}

// The names come the one enumerated first last (the dialog's list sorts them anyway).
TEST_F(ImportBezDanychTest, DataSourceNamesAndConnections)
{
    for (const char* nazwa : {"velk_a", "velk_b", "velk_c"}) zrodla_->dodaj(nazwa, Silnik::SQLite);
    start("");
    import::odbc_init(ctx());
    EXPECT_EQ(import::odbc_getbasenamelist(ctx()),
              (facts::SList{zrodla_->dsn("velk_c"), zrodla_->dsn("velk_b"), zrodla_->dsn("velk_a")}));

    // A connection made for a source serves it until the import ends: the table listing and
    // every later request of the same source get the same one.
    const std::string a = zrodla_->dsn("velk_a");
    const auto polaczenie = import::connect_base(ctx(), a, "", "");
    EXPECT_EQ(import::connect_base(ctx(), a, "", ""), polaczenie);
    import::odbc_gettablenamelist(ctx(), a);
    EXPECT_EQ(ctx().db.baza_odbc.odbc_open_base.first()->polaczenie, polaczenie);
    EXPECT_NE(import::connect_base(ctx(), zrodla_->dsn("velk_b"), "", ""), polaczenie);
    try {
        import::connect_base(ctx(), "velk_nieznane", "uzytkownik", "");
        ADD_FAILURE() << "a user name was taken";
    } catch (const odbc::Error& blad) {
        EXPECT_EQ(blad.number(), odbc::kLayerError);  // refused before any call of the driver manager
    }
    import::zwolnij_odbc(ctx());
    ctx().db.baza_odbc.visit([](std::string_view nazwa, const auto& f) { EXPECT_TRUE(f.empty()) << nazwa; });
}

TEST_F(ImportBezDanychTest, ASourceWithoutTables)
{
    zrodla_->dodaj("velk_pusta", Silnik::SQLite);
    EXPECT_EQ(importuj("dialog 10015\n  press 1\n  dialog 10013\n    note \"Uwaga!\"\n    press 1\n"),
              (std::vector<std::string>{"\"Uwaga!\": \"Źródło danych " + zrodla_->dsn("velk_pusta") +
                                        " nie zawiera żadnej tabeli!\""}));
}

INSTANTIATE_TEST_SUITE_P(Silniki, ImportTest, ::testing::Values(Silnik::SQLite, Silnik::PostgreSQL),
                         [](const auto& info) { return std::string(import::testing::nazwa_silnika(info.param)); });

}  // namespace
