// Tables of a data source and their reading into the row buffer, on the connection entries of
// the ODBC access database. Every row of a table is read, whatever their number, and every text
// whole. Index and column metadata that the import does not use never make a reading fail.
#include "import/tabele_odbc.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "import/zrodla_odbc.h"
#include "platform/odbc/odbc.h"
#include "platform/text.h"
#include "platform/toolkit.h"

namespace import {
namespace {

std::optional<std::string> katalog(odbc::Connection& polaczenie)
{
    const std::string nazwa = polaczenie.info(odbc::Info::DatabaseName);
    if (nazwa.empty()) return std::nullopt;
    return nazwa;
}

// The index columns of the table, each once, the one reported first last; [] when the driver
// cannot tell.
facts::SList odbc_get_primary_column(odbc::Connection& polaczenie, odbc::Statement& instrukcja,
                                     const std::string& tabela)
{
    facts::SList kolumny;
    try {
        instrukcja.statistics(katalog(polaczenie), std::nullopt, tabela);
        while (instrukcja.fetch()) {
            const std::optional<std::string> nazwa = instrukcja.text(9);  // none on the table's own row
            if (nazwa && std::find(kolumny.begin(), kolumny.end(), *nazwa) == kolumny.end())
                kolumny.insert(kolumny.begin(), *nazwa);
        }
        instrukcja.close_cursor();
        return kolumny;
    } catch (const odbc::Error&) {
        // The import reads no index: a driver that cannot tell about them leaves the list empty.
    }
    try {
        instrukcja.close_cursor();
    } catch (const odbc::Error&) {
        // no cursor was open
    }
    return {};
}

std::int32_t rodzaj_wartosci(int sql_type)
{
    switch (odbc::value_kind(sql_type)) {
    case odbc::ValueKind::Text: return kTekst;
    case odbc::ValueKind::Bit: return kBit;
    case odbc::ValueKind::TinyInt: return kBajt;
    case odbc::ValueKind::SmallInt: return kKrotka;
    case odbc::ValueKind::Integer: return kDluga;
    case odbc::ValueKind::Float: return kRealF;
    case odbc::ValueKind::Double: return kReal;
    case odbc::ValueKind::Date: return kData;
    case odbc::ValueKind::Time: return kCzas;
    case odbc::ValueKind::Timestamp: return kZnacznikCzasu;
    case odbc::ValueKind::Binary: return kBinarne;
    case odbc::ValueKind::Number: return kLiczba;
    case odbc::ValueKind::LongText: return kDlugiTekst;
    case odbc::ValueKind::Other: return kTekst;  // a driver's own type is read as its text
    }
    return kTekst;
}

// An attribute the import does not use; a driver that cannot give it gives `zastepczy`.
long long atrybut(odbc::Statement& instrukcja, int kolumna, odbc::ColumnAttribute ktory, long long zastepczy)
{
    try {
        return instrukcja.column_attribute(kolumna, ktory);
    } catch (const odbc::Error&) {
        return zastepczy;
    }
}

struct OpisKolumn {
    facts::SList nazwy;
    facts::IList rodzaje, krotkie, przeszukiwalnosc, modyfikowalne;
};

OpisKolumn odbc_get_max_column(odbc::Statement& instrukcja)
{
    OpisKolumn opis;
    const int n = instrukcja.column_count();
    for (int k = 1; k <= n; ++k) {
        const odbc::ColumnDescription kolumna = instrukcja.describe_column(k);
        opis.nazwy.push_back(kolumna.name);
        opis.rodzaje.push_back(rodzaj_wartosci(kolumna.sql_type));
        opis.krotkie.push_back(ajust_len(atrybut(instrukcja, k, odbc::ColumnAttribute::Length, 0)).zachowana);
        opis.przeszukiwalnosc.push_back(
            static_cast<std::int32_t>(atrybut(instrukcja, k, odbc::ColumnAttribute::Searchable, odbc::kUnsearchable)) +
            1);
        opis.modyfikowalne.push_back(get_updatable(atrybut(instrukcja, k, odbc::ColumnAttribute::Updatable, 0)));
    }
    return opis;
}

template <class T>
std::string albo_blad(const std::optional<T>& wartosc, std::string (*tekst)(const T&))
{
    return wartosc ? tekst(*wartosc) : kBladOdczytu;
}

std::string z_liczby(const long long& v) { return text::int_to_text(v); }
std::string z_reala(const double& v) { return text::real_to_text(v); }
std::string z_tekstu(const std::string& v) { return v; }
std::string z_liczby_sterownika(const std::string& v) { return tekst_liczby(v); }
std::string z_daty(const odbc::Date& d) { return tekst_daty(d.month, d.day, d.year); }
std::string z_czasu(const odbc::Time& t) { return tekst_czasu(t.hour, t.minute, t.second); }
std::string z_znacznika(const odbc::Timestamp& t) { return z_daty(t.date) + " " + z_czasu(t.time); }

// One cell of the current row, read as its column's kind says.
std::string odbc_get_data(odbc::Statement& instrukcja, int kolumna, std::int32_t rodzaj)
{
    switch (rodzaj) {
    case kBit:
    case kBajt:
    case kKrotka:
    case kDluga: return albo_blad(instrukcja.integer(kolumna), z_liczby);
    case kRealF:
    case kReal: return albo_blad(instrukcja.real(kolumna), z_reala);
    case kData: return albo_blad(instrukcja.date(kolumna), z_daty);
    case kCzas: return albo_blad(instrukcja.time(kolumna), z_czasu);
    case kZnacznikCzasu: return albo_blad(instrukcja.timestamp(kolumna), z_znacznika);
    case kBinarne: return instrukcja.is_null(kolumna) ? kBladOdczytu : kDaneBinarne;
    case kLiczba: return albo_blad(instrukcja.text(kolumna), z_liczby_sterownika);
    default: return albo_blad(instrukcja.text(kolumna), z_tekstu);
    }
}

kb::Komorki odbc_load_row(odbc::Statement& instrukcja, const facts::IList& rodzaje)
{
    kb::Komorki komorki;
    komorki.reserve(rodzaje.size());
    for (std::size_t k = 0; k < rodzaje.size(); ++k) {
        try {
            komorki.emplace_back(odbc_get_data(instrukcja, static_cast<int>(k + 1), rodzaje[k]));
        } catch (const odbc::Error&) {
            komorki.emplace_back(kBladOdczytu);  // a value the driver cannot give: the row stays whole
        }
    }
    return komorki;
}

std::optional<kb::OdbcOpenBase> najnowszy_wpis(const kb::Context& ctx, const std::string& zrodlo)
{
    std::optional<kb::OdbcOpenBase> wpis;
    ctx.db.baza_odbc.odbc_open_base.each([&](const kb::OdbcOpenBase& w) {
        if (w.zrodlo == zrodlo) wpis = w;
    });
    return wpis;
}

}  // namespace

ListaTabel odbc_gettablenamelist(kb::Context& ctx, const std::string& zrodlo)
{
    std::shared_ptr<odbc::Connection> polaczenie = connect_base(ctx, zrodlo, "", "");
    auto instrukcja = std::make_shared<odbc::Statement>(polaczenie);
    instrukcja->tables(katalog(*polaczenie), std::nullopt, "%", "TABLE");
    ListaTabel lista;
    while (instrukcja->fetch()) {
        const std::optional<std::string> nazwa = instrukcja->text(3);
        if (!nazwa) break;
        lista.tabele.insert(lista.tabele.begin(), *nazwa);
    }
    instrukcja->close_cursor();
    lista.id = get_new_id(ctx, 1);
    kb::OdbcOpenBase wpis;
    wpis.id = lista.id;
    wpis.zrodlo = zrodlo;
    wpis.polaczenie = std::move(polaczenie);
    wpis.instrukcja = std::move(instrukcja);
    ctx.db.baza_odbc.odbc_open_base.add_last(std::move(wpis));
    return lista;
}

std::optional<std::string> odbc_bracket(const std::string& tabela, const std::string& cudzyslow)
{
    if (cudzyslow.empty() || cudzyslow == " ") {
        const bool zwykla = !tabela.empty() && std::all_of(tabela.begin(), tabela.end(), [](char c) {
            return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        });
        if (!zwykla) return std::nullopt;
        return tabela;
    }
    std::string wynik = cudzyslow;
    for (std::size_t i = 0; i < tabela.size();) {
        if (tabela.compare(i, cudzyslow.size(), cudzyslow) == 0) {
            wynik += cudzyslow + cudzyslow;
            i += cudzyslow.size();
        } else {
            wynik += tabela[i++];
        }
    }
    return wynik + cudzyslow;
}

OtwartaTabela odbc_open_table(kb::Context& ctx, const std::string& zrodlo, const std::string& tabela)
{
    std::optional<kb::OdbcOpenBase> wpis = najnowszy_wpis(ctx, zrodlo);
    if (!wpis) throw odbc::Error(odbc::kLayerError, "no connection entry for " + zrodlo);
    odbc::Connection& polaczenie = *wpis->polaczenie;
    odbc::Statement& instrukcja = *wpis->instrukcja;

    const facts::SList kolumny_indeksu = odbc_get_primary_column(polaczenie, instrukcja, tabela);
    const std::optional<std::string> nazwa =
        odbc_bracket(tabela, polaczenie.info(odbc::Info::IdentifierQuoteChar));
    if (!nazwa) throw odbc::Error(odbc::kLayerError, "the driver cannot quote the table name " + tabela);
    const std::string zapytanie = "SELECT * FROM " + *nazwa;
    ctx.ui.write(zapytanie + "\n");
    instrukcja.execute(zapytanie);
    const OpisKolumn opis = odbc_get_max_column(instrukcja);

    std::vector<kb::Komorki> wiersze;
    while (instrukcja.fetch()) wiersze.push_back(odbc_load_row(instrukcja, opis.rodzaje));

    const std::int32_t id = wpis->id;
    auto& db = ctx.db.baza_odbc;
    db.odbc_buffer.remove_if([&](const kb::OdbcBuffer& b) { return b.id == id; });
    std::int64_t numer = 0;
    for (kb::Komorki& komorki : wiersze) db.odbc_buffer.add_last({id, ++numer, std::move(komorki)});
    const auto ile = static_cast<std::int64_t>(wiersze.size());

    wpis->tabela = tabela;
    wpis->zapytanie = zapytanie;
    wpis->wiersze = ile;
    wpis->kolumny = static_cast<std::int32_t>(opis.nazwy.size());
    wpis->nazwy_kolumn = opis.nazwy;
    wpis->rodzaje = opis.rodzaje;
    wpis->krotkie = opis.krotkie;
    wpis->przeszukiwalnosc = opis.przeszukiwalnosc;
    wpis->pozycje_indeksu = odbc_get_primary_int(kolumny_indeksu, opis.nazwy);
    wpis->modyfikowalne = opis.modyfikowalne;
    db.odbc_open_base.remove_first([&](const kb::OdbcOpenBase& w) { return w.id == id; });
    db.odbc_open_base.add_last(*wpis);
    db.odbc_cursor.remove_if([&](const kb::OdbcCursor& c) { return c.id == id; });
    db.odbc_cursor.add_last({id, ile});
    db.odbc_buffer_attr.remove_if([&](const kb::OdbcBufferAttr& a) { return a.id == id; });
    db.odbc_buffer_attr.add_last({id, 1, ile});
    ctx.ui.write("--> Data loading From row 1 to row " + text::int_to_text(ile) + " ...Done\n");
    return OtwartaTabela{id, ile, wpis->kolumny, opis.nazwy, opis.rodzaje};
}

void odbc_close_table(kb::Context& ctx, std::int32_t id)
{
    auto& db = ctx.db.baza_odbc;
    const std::optional<kb::OdbcOpenBase> wpis =
        db.odbc_open_base.first([&](const kb::OdbcOpenBase& w) { return w.id == id; });
    if (!wpis) return;
    db.odbc_open_base.remove_first([&](const kb::OdbcOpenBase& w) { return w.id == id; });
    db.odbc_cursor.remove_if([&](const kb::OdbcCursor& c) { return c.id == id; });
    db.odbc_buffer_attr.remove_if([&](const kb::OdbcBufferAttr& a) { return a.id == id; });
    db.odbc_buffer.remove_if([&](const kb::OdbcBuffer& b) { return b.id == id; });
    odbc_close_table1(ctx, wpis->zrodlo);
}

DlugoscKolumny ajust_len(long long dlugosc)
{
    if (dlugosc >= 1 && dlugosc <= 100) return {static_cast<std::int32_t>(dlugosc), true};
    return {100, false};
}

bool get_updatable(long long atrybut) { return atrybut == odbc::kWritable; }

facts::IList odbc_get_primary_int(const facts::SList& kolumny_indeksu, const facts::SList& nazwy_kolumn)
{
    facts::IList pozycje;
    for (const std::string& nazwa : kolumny_indeksu) {
        const auto it = std::find(nazwy_kolumn.begin(), nazwy_kolumn.end(), nazwa);
        if (it != nazwy_kolumn.end())
            pozycje.insert(pozycje.begin(), static_cast<std::int32_t>(it - nazwy_kolumn.begin()) + 1);
    }
    return pozycje;
}

std::string tekst_daty(int miesiac, int dzien, int rok)
{
    char bufor[64];
    std::snprintf(bufor, sizeof bufor, "%-2d-%-2d-%-4d", miesiac, dzien, rok);
    return bufor;
}

std::string tekst_czasu(int godzina, int minuta, int sekunda)
{
    char bufor[64];
    std::snprintf(bufor, sizeof bufor, "%-2d:%-2d:%-2d", godzina, minuta, sekunda);
    return bufor;
}

std::string tekst_liczby(const std::string& tekst_sterownika)
{
    if (!tekst_sterownika.empty() && tekst_sterownika.front() == '.') return "0" + tekst_sterownika;
    return tekst_sterownika;
}

}  // namespace import
