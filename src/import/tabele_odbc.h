// The second half of the ODBC access of the import: the tables of a data source (recording the
// connection entry they will be read on), reading a whole table into the row buffer, and closing
// it again. Failures of ODBC calls come out as odbc::Error; the only output is the two lines
// about the reading in the auxiliary window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "kb/context.h"

namespace import {

// Cell texts the buffer holds for what it cannot give as text.
inline constexpr const char* kBladOdczytu = "<Error loading>";  // NULL, or a value that cannot be read
inline constexpr const char* kDaneBinarne = "<Binary data>";

// Value kinds of columns as entries record them.
enum RodzajWartosci : std::int32_t {
    kTekst = 1, kBit, kBajt, kKrotka, kDluga, kRealF, kReal, kData, kCzas, kZnacznikCzasu, kBinarne, kLiczba, kDlugiTekst
};

// The tables of the data source (the one the result set gives first last), on the connection
// of connect_base; records a new connection entry with its own statement. Nothing is recorded
// when a step fails.
struct ListaTabel {
    std::int32_t id = 0;  // of the entry recorded
    facts::SList tabele;
};
ListaTabel odbc_gettablenamelist(kb::Context& ctx, const std::string& zrodlo);

// The table name as it goes into the query: between the driver's identifier quotes, a quote
// inside doubled. A driver that quotes nothing (" ") takes only names of letters, digits and
// "_"; nullopt for any other name.
std::optional<std::string> odbc_bracket(const std::string& tabela, const std::string& cudzyslow);

// Opens the table on the newest connection entry of the data source and reads every row into
// the row buffer, writing the query and the loading line to the auxiliary window.
struct OtwartaTabela {
    std::int32_t id = 0;
    std::int64_t wiersze = 0;
    std::int32_t kolumny = 0;
    facts::SList nazwy_kolumn;
    facts::IList rodzaje;
};
OtwartaTabela odbc_open_table(kb::Context& ctx, const std::string& zrodlo, const std::string& tabela);

// Removes the entry with its row buffer and releases what it holds; an unknown id does nothing.
void odbc_close_table(kb::Context& ctx, std::int32_t id);

// ---- Pieces with no ODBC call, for the column descriptions and the cells ----

// A column length as it enters the capacity sum: 1 to 100 kept (flag 1), anything else 100.
struct DlugoscKolumny {
    std::int32_t dlugosc = 0;
    bool zachowana = false;
};
DlugoscKolumny ajust_len(long long dlugosc);
bool get_updatable(long long atrybut);  // SQL_ATTR_WRITE

// The positions (from 1) of the index columns among the result columns, in the order the
// statistics first reported them; a name that is not among the columns is left out.
facts::IList odbc_get_primary_int(const facts::SList& kolumny_indeksu, const facts::SList& nazwy_kolumn);

// Texts of dates and times as cells hold them: month-day-year and hour:minute:second, each
// number left-aligned in its width.
std::string tekst_daty(int miesiac, int dzien, int rok);
std::string tekst_czasu(int godzina, int minuta, int sekunda);
// A number as the driver writes it, with "0" before a leading point.
std::string tekst_liczby(const std::string& tekst_sterownika);

}  // namespace import
