// The databases of the import from an external data source: the ODBC access database (the
// driver manager while an import runs, its connections, the tables opened on them and the rows
// read) and the record of what imports added. Declarations only; the import and kb/zaimportowane.h
// hold the predicates. Handles are owned here: a connection goes when its last fact goes.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "kb/bazy.h"

namespace odbc {
class DriverManager;
class Connection;
class Statement;
}  // namespace odbc

namespace kb {

// A cell of a row read from a table: a text, or null.
using Komorka = std::optional<std::string>;
using Komorki = std::vector<Komorka>;

// A connection made for a data source the user chose, kept while an entry may want it.
struct OdbcPolaczenie {
    std::string zrodlo;
    std::shared_ptr<odbc::Connection> polaczenie;  // with its environment
    FACT_FIELDS(OdbcPolaczenie, zrodlo, polaczenie)
};

// A connection entry: the connection and statement on which a table is listed and read, and
// what the opened table is like.
struct OdbcOpenBase {
    std::int32_t id = 0;
    std::string zrodlo;  // the data-source name
    std::shared_ptr<odbc::Connection> polaczenie;
    std::shared_ptr<odbc::Statement> instrukcja;
    std::string tabela;     // "" until a table is opened on the entry
    std::string zapytanie;  // the query that read it
    std::int64_t wiersze = 0;
    std::int32_t kolumny = 0;
    SList nazwy_kolumn;
    IList rodzaje;            // value kinds, 1 `s` ... 13 `null`
    IList krotkie;            // 1 when the column's length is 1 to 100
    IList przeszukiwalnosc;   // SQL_COLUMN_SEARCHABLE + 1
    IList pozycje_indeksu;    // positions of the index columns among the columns
    IList modyfikowalne;      // 1 when the driver reports the column writable
    FACT_FIELDS(OdbcOpenBase, id, zrodlo, polaczenie, instrukcja, tabela, zapytanie, wiersze, kolumny, nazwy_kolumn,
                rodzaje, krotkie, przeszukiwalnosc, pozycje_indeksu, modyfikowalne)
};

struct OdbcCursor {
    std::int32_t id = 0;
    std::int64_t wiersze = 0;
    FACT_FIELDS(OdbcCursor, id, wiersze)
};

// The rows held for an entry: always 1 to the row count, since every row is read.
struct OdbcBufferAttr {
    std::int32_t id = 0;
    std::int64_t pierwszy = 0;
    std::int64_t ostatni = 0;
    FACT_FIELDS(OdbcBufferAttr, id, pierwszy, ostatni)
};

struct OdbcBuffer {
    std::int32_t id = 0;
    std::int64_t wiersz = 0;  // from 1, in fetch order
    Komorki komorki;          // one per result column
    FACT_FIELDS(OdbcBuffer, id, wiersz, komorki)
};

struct BazaOdbc {
    static constexpr const char* name = "baza_odbc";
    FactList<std::shared_ptr<odbc::DriverManager>> odbc_warstwa;  // the started layer
    FactList<OdbcPolaczenie> odbc_polaczenie;
    FactList<OdbcOpenBase> odbc_open_base;
    FactList<OdbcCursor> odbc_cursor;
    FactList<OdbcBufferAttr> odbc_buffer_attr;
    FactList<OdbcBuffer> odbc_buffer;

    DATABASE_VISITORS
private:
    template <class Self, class V>
    static void visit_all(Self& s, V& v)
    {
        v("odbc_warstwa", s.odbc_warstwa);
        v("odbc_polaczenie", s.odbc_polaczenie);
        v("odbc_open_base", s.odbc_open_base);
        v("odbc_cursor", s.odbc_cursor);
        v("odbc_buffer_attr", s.odbc_buffer_attr);
        v("odbc_buffer", s.odbc_buffer);
    }
};

// What imports added to the rule and model bases, one value per name, kept until the next
// rule-base load so that forgetting or loading another base can lay it over again.
struct Zaimportowane {
    static constexpr const char* name = "zaimportowane";
    FactList<Fakt> fakt;
    FactList<NazwaWartosc> argument_znany;

    DATABASE_VISITORS
private:
    template <class Self, class V>
    static void visit_all(Self& s, V& v)
    {
        v("fakt", s.fakt);
        v("argument_znany", s.argument_znany);
    }
};

}  // namespace kb
