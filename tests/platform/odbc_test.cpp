// The ODBC layer against the real driver manager and the SQLite driver: numbered errors, the
// driver manager missing, data sources, refused connections, and values read as the program
// keeps them (whole texts, UTF-8, NULL apart).
#include <stdlib.h>

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "../import/zrodla_testowe.h"
#include "platform/odbc/odbc.h"

namespace {

namespace fs = std::filesystem;
using import::testing::Silnik;
using import::testing::ZrodlaTestowe;

TEST(OdbcErrorNumbers, EachReturnCodeHasItsNumber)
{
    const struct {
        int code;
        int number;
    } cases[] = {{0, 0}, {1, 0}, {-2, 8801}, {2, 8802}, {99, 8803}, {100, 8804}, {-1, 8805}, {7, 8800}, {-3, 8800}};
    for (const auto& c : cases) EXPECT_EQ(odbc::error_number(c.code), c.number) << c.code;
}

TEST(OdbcValueKinds, SqlTypesMapToWhatTheColumnHolds)
{
    using K = odbc::ValueKind;
    const struct {
        int sql_type;
        K kind;
    } cases[] = {{1, K::Text},      {12, K::Text},       {-7, K::Bit},        {-6, K::TinyInt},  {5, K::SmallInt},
                 {4, K::Integer},   {7, K::Float},       {6, K::Double},      {8, K::Double},    {9, K::Date},
                 {91, K::Date},     {10, K::Time},       {92, K::Time},       {11, K::Timestamp}, {93, K::Timestamp},
                 {-2, K::Binary},   {-3, K::Binary},     {-4, K::Binary},     {2, K::Number},    {3, K::Number},
                 {-5, K::Number},   {-1, K::LongText},   {-9, K::Other},      {-10, K::Other}};
    for (const auto& c : cases) EXPECT_EQ(odbc::value_kind(c.sql_type), c.kind) << c.sql_type;
}

class OdbcLayer : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "velk-odbc-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = fs::canonical(pattern);
        zrodla_ = std::make_unique<ZrodlaTestowe>(dir_);
    }
    void TearDown() override
    {
        zrodla_.reset();
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    std::shared_ptr<odbc::Connection> polacz(const std::string& dsn)
    {
        auto srodowisko = std::make_shared<odbc::Environment>(odbc::load_driver_manager());
        return std::make_shared<odbc::Connection>(srodowisko, dsn, "", "");
    }

    int numer_bledu(const std::function<void()>& krok)
    {
        try {
            krok();
        } catch (const odbc::Error& e) {
            return e.number();
        }
        return 0;
    }

    fs::path dir_;
    std::unique_ptr<ZrodlaTestowe> zrodla_;
};

TEST_F(OdbcLayer, WithoutADriverManagerLoadingFailsWithTheLayersOwnNumber)
{
    setenv("VELK_ODBC_LIBRARY", (dir_ / "libbrak.so").c_str(), 1);
    EXPECT_EQ(numer_bledu([] { odbc::load_driver_manager(); }), odbc::kLayerError);
    EXPECT_EQ(odbc::driver_manager_library(), (dir_ / "libbrak.so").string());
    unsetenv("VELK_ODBC_LIBRARY");
    EXPECT_NO_THROW(odbc::load_driver_manager());
}

TEST_F(OdbcLayer, DataSourcesComeInTheDriverManagersOrderAndEndWithNoData)
{
    odbc::Environment pusta(odbc::load_driver_manager());
    EXPECT_EQ(numer_bledu([&] { pusta.data_source(true); }), odbc::kNoData);

    zrodla_->dodaj("pierwsze", Silnik::SQLite);
    zrodla_->dodaj("drugie", Silnik::SQLite);
    odbc::Environment srodowisko(odbc::load_driver_manager());
    EXPECT_EQ(srodowisko.data_source(true), zrodla_->dsn("pierwsze"));
    EXPECT_EQ(srodowisko.data_source(false), zrodla_->dsn("drugie"));
    EXPECT_EQ(numer_bledu([&] { srodowisko.data_source(false); }), odbc::kNoData);
}

TEST_F(OdbcLayer, ARefusedConnectionCarriesTheDriversWords)
{
    zrodla_->dodaj_niedostepne("zamkniete");
    try {
        polacz(zrodla_->dsn("zamkniete"));
        FAIL() << "the connection was made";
    } catch (const odbc::Error& e) {
        EXPECT_EQ(e.number(), odbc::kSqlError);
        EXPECT_NE(e.diagnostic(), "");
    }
    EXPECT_EQ(numer_bledu([&] { polacz("nieznane"); }), odbc::kSqlError);
}

TEST_F(OdbcLayer, ValuesComeBackWholeAndAsTheProgramKeepsThem)
{
    zrodla_->dodaj("dane", Silnik::SQLite);
    // Two-byte letters from the first byte on, so that one of them straddles every piece the
    // driver hands out.
    std::string dlugi;
    for (int i = 0; i < 3000; ++i) dlugi += "ąx";
    zrodla_->wykonaj("dane", {"CREATE TABLE t (tekst TEXT, liczba INTEGER, real DOUBLE, data DATE, czas TIME, "
                              "znacznik TIMESTAMP)",
                              "INSERT INTO t VALUES ('" + dlugi + "', -7, 2.5, '2024-03-07', '09:05:01', "
                              "'2024-12-31 23:59:58')",
                              "INSERT INTO t VALUES (NULL, NULL, NULL, NULL, NULL, NULL)",
                              "INSERT INTO t VALUES (CAST(X'B9E6' AS TEXT), 0, 0, NULL, NULL, NULL)"});
    auto polaczenie = polacz(zrodla_->dsn("dane"));
    odbc::Statement s(polaczenie);
    s.execute("SELECT * FROM t");
    ASSERT_EQ(s.column_count(), 6);
    EXPECT_EQ(s.describe_column(1).name, "tekst");

    ASSERT_TRUE(s.fetch());
    EXPECT_EQ(s.text(1), dlugi);
    EXPECT_EQ(s.integer(2), -7);
    EXPECT_EQ(s.real(3), 2.5);
    const auto data = s.date(4);
    ASSERT_TRUE(data);
    EXPECT_EQ((std::array{data->year, data->month, data->day}), (std::array{2024, 3, 7}));
    const auto czas = s.time(5);
    ASSERT_TRUE(czas);
    EXPECT_EQ((std::array{czas->hour, czas->minute, czas->second}), (std::array{9, 5, 1}));
    const auto znacznik = s.timestamp(6);
    ASSERT_TRUE(znacznik);
    EXPECT_EQ((std::array{znacznik->date.day, znacznik->time.hour, znacznik->time.second}), (std::array{31, 23, 58}));

    ASSERT_TRUE(s.fetch());
    EXPECT_EQ(s.text(1), std::nullopt);
    EXPECT_EQ(s.integer(2), std::nullopt);
    EXPECT_EQ(s.real(3), std::nullopt);
    EXPECT_EQ(s.date(4), std::nullopt);
    EXPECT_TRUE(s.is_null(5));

    ASSERT_TRUE(s.fetch());
    EXPECT_EQ(s.text(1), "ąć");  // bytes that are no UTF-8 were written in CP1250
    EXPECT_FALSE(s.is_null(2));

    EXPECT_FALSE(s.fetch());
}

TEST_F(OdbcLayer, TheDriverTellsItsQuoteAndCatalogs)
{
    zrodla_->dodaj("dane", Silnik::SQLite);
    zrodla_->wykonaj("dane", "CREATE TABLE \"a\"\"b\" (x TEXT)");
    auto polaczenie = polacz(zrodla_->dsn("dane"));
    EXPECT_EQ(polaczenie->info(odbc::Info::IdentifierQuoteChar), "\"");
    odbc::Statement s(polaczenie);
    s.tables(std::nullopt, std::nullopt, "%", "TABLE");
    ASSERT_TRUE(s.fetch());
    EXPECT_EQ(s.text(3), "a\"b");
    EXPECT_FALSE(s.fetch());
    s.close_cursor();
    s.execute("SELECT * FROM \"a\"\"b\"");
    EXPECT_FALSE(s.fetch());
}

}  // namespace
