// The import's dialogs and its steps in the order the user meets them: the data sources, the
// tables, the reading of the chosen table, the row loop and the review. Every failure of the
// data source is told in a note; rows that give nothing are passed over quietly.
#include <initializer_list>
#include <stdexcept>
#include <string>

#include "import/import.h"
#include "import/konwersja.h"
#include "import/tabele_odbc.h"
#include "import/zrodla_odbc.h"
#include "platform/odbc/odbc.h"
#include "platform/toolkit.h"
#include "windows/dialogi.h"

namespace import {
namespace {

using platform::ControlId;
using platform::Event;
using platform::EventKind;
using platform::Notification;
using platform::WindowId;

constexpr ControlId kLista = 10014;       // of both choice dialogs
constexpr ControlId kListaFaktow = 10010;  // of the review
constexpr ControlId kListaArgumentow = 10012;

constexpr const char* kUwaga = "Uwaga!";
constexpr const char* kUwagaBlad = "Uwaga błąd!";

// The driver's own words, after the program's, when it gave any.
std::string z_przyczyna(const std::string& tekst, const odbc::Error& blad)
{
    return blad.diagnostic().empty() ? tekst : tekst + "\n\n" + blad.diagnostic();
}

// OK (or Enter) and a double click on the list choose alike.
bool wybor(const Event& e)
{
    if (e.kind != EventKind::Control) return false;
    return (e.id == platform::kButtonOk && e.notification == Notification::Clicked) ||
           (e.id == kLista && e.notification == Notification::DoubleClicked);
}

void wypelnij_liste(kb::Context& ctx, WindowId okno, const facts::SList& pozycje)
{
    ctx.ui.clear_list(okno, kLista);
    ctx.ui.add_list_items(okno, kLista, pozycje);
    if (!pozycje.empty()) ctx.ui.set_list_selection(okno, kLista, 0);
}

// `zmien_na_string` of the selected entries: the first of them.
std::optional<std::string> wybrana_pozycja(kb::Context& ctx, WindowId okno)
{
    const int wybrana = ctx.ui.list_selection(okno, kLista);
    if (wybrana < 0) return std::nullopt;
    const facts::SList pozycje = ctx.ui.list_items(okno, kLista);
    if (wybrana >= static_cast<int>(pozycje.size())) return std::nullopt;
    return pozycje[static_cast<std::size_t>(wybrana)];
}

// The answer step of a creator: the values of OK are read and left as they are (the handlers
// stored whatever the import needs); the close box or Esc, and a dialog its handler ended,
// answer 2.
void odpowiedz(const platform::DialogResult& wynik)
{
    if (wynik.button != platform::kButtonOk && wynik.button != platform::kButtonCancel)
        throw std::runtime_error("Błąd wykonania nr 1000: nieoczekiwana odpowiedź okna dialogowego " +
                                 std::to_string(wynik.button));
}

// ---- 10015 "Wybór źródła danych" ------------------------------------------------------------

bool pokaz_zrodla(kb::Context& ctx, WindowId okno)
{
    try {
        odbc_init(ctx);
    } catch (const odbc::Error& blad) {
        ctx.ui.note(kUwagaBlad, z_przyczyna("Nie można załadować menedżera sterowników ODBC (" +
                                                odbc::driver_manager_library() +
                                                ").\nImport danych z zewnętrznego źródła danych nie jest możliwy.",
                                            blad));
        return false;
    }
    try {
        wypelnij_liste(ctx, okno, odbc_getbasenamelist(ctx));
        return true;
    } catch (const odbc::Error& blad) {
        if (blad.number() == odbc::kNoData)
            ctx.ui.note(kUwaga, "Nie zdefiniowano żadnego źródła danych ODBC!\nProszę zdefiniować źródło danych "
                                "i ponowić import.");
        else
            ctx.ui.note(kUwagaBlad, z_przyczyna("Nie można odczytać listy źródeł danych ODBC.", blad));
        return false;
    }
}

bool wybrano_zrodlo(kb::Context& ctx, WindowId okno)
{
    const std::optional<std::string> zrodlo = wybrana_pozycja(ctx, okno);
    if (!zrodlo) return false;
    std::shared_ptr<odbc::Connection> polaczenie;
    try {
        polaczenie = connect_base(ctx, *zrodlo, "", "");
    } catch (const odbc::Error& blad) {
        ctx.ui.note(kUwagaBlad, z_przyczyna("Nie można połączyć się ze źródłem danych " + *zrodlo + ".", blad));
        return false;
    }
    ctx.ui.destroy_window(okno);
    ctx.db.dane.baza.remove_all();
    ctx.db.dane.baza.add_last({*zrodlo, polaczenie->environment().get(), polaczenie.get()});
    odpowiedz(windows::dlg_wybor_tabeli_Create(ctx, okno, dlg_wybor_tabeli_eh));
    return true;
}

// ---- 10013 "Wybór danych do importu" -----------------------------------------------------------

bool pokaz_tabele(kb::Context& ctx, WindowId okno)
{
    const std::optional<kb::Baza> baza = ctx.db.dane.baza.first();
    if (!baza) return false;
    try {
        const ListaTabel lista = odbc_gettablenamelist(ctx, baza->zrodlo);
        if (lista.tabele.empty()) {
            ctx.ui.note(kUwaga, "Źródło danych " + baza->zrodlo + " nie zawiera żadnej tabeli!");
            return false;
        }
        wypelnij_liste(ctx, okno, lista.tabele);
        return true;
    } catch (const odbc::Error& blad) {
        ctx.ui.note(kUwagaBlad,
                    z_przyczyna("Nie można odczytać listy tabel źródła danych " + baza->zrodlo + ".", blad));
        return false;
    }
}

void czytaj_tabele(kb::Context& ctx, const std::string& zrodlo, const std::string& tabela)
{
    OtwartaTabela otwarta;
    try {
        otwarta = odbc_open_table(ctx, zrodlo, tabela);
    } catch (const odbc::Error& blad) {
        ctx.ui.note(kUwagaBlad, z_przyczyna("Nie można odczytać tabeli " + tabela + " ze źródła danych " + zrodlo +
                                                ".\nŻadne dane nie zostały zaimportowane.",
                                            blad));
        return;
    }
    auto& dane = ctx.db.dane;
    dane.maxrow.remove_all();
    dane.faktdowyswietlenia.remove_all();
    dane.argument_znanydowyswietlenia.remove_all();
    dane.maxrow.add_last(static_cast<std::int32_t>(otwarta.wiersze));  // rows held in memory: far fewer
    biegaj(ctx, otwarta.wiersze);
    odbc_close_table(ctx, otwarta.id);
    odbc_destroy(ctx);
    spr_dane(ctx);
}

bool wybrano_tabele(kb::Context& ctx, WindowId okno)
{
    const std::optional<std::string> tabela = wybrana_pozycja(ctx, okno);
    if (!tabela) return false;
    ctx.ui.destroy_window(okno);
    const std::optional<kb::Baza> baza = ctx.db.dane.baza.first();
    if (baza) czytaj_tabele(ctx, baza->zrodlo, *tabela);
    return true;
}

// ---- 10008 "Przegląd zaimportowanych danych" ------------------------------------------------

facts::SList linie(const facts::FactList<kb::LiniaPrzegladu>& fakty)
{
    facts::SList out;
    for (const kb::LiniaPrzegladu& l : fakty.all()) out.push_back(l.linia);
    return out;
}

void pokaz_przeglad(kb::Context& ctx, WindowId okno)
{
    auto& dane = ctx.db.dane;
    for (const auto& [lista, fakty] : {std::pair{kListaFaktow, &dane.faktdowyswietlenia},
                                       std::pair{kListaArgumentow, &dane.argument_znanydowyswietlenia}}) {
        ctx.ui.clear_list(okno, lista);
        ctx.ui.add_list_items(okno, lista, linie(*fakty));
        ctx.ui.set_list_selection(okno, lista, -1);
    }
    dane.faktdowyswietlenia.remove_all();
    dane.argument_znanydowyswietlenia.remove_all();
}

}  // namespace

void import_danych(kb::Context& ctx)
{
    // Whatever way the import ends, its connections go with it.
    struct Zwolnienie {
        kb::Context& ctx;
        ~Zwolnienie() { zwolnij_odbc(ctx); }
    } zwolnienie{ctx};
    odpowiedz(windows::dlg_wybor_bazy_Create(ctx, ctx.ui.main_window(), dlg_wybor_bazy_eh));
}

bool dlg_wybor_bazy_eh(kb::Context& ctx, const Event& e)
{
    if (e.kind == EventKind::Create) return pokaz_zrodla(ctx, e.window);
    if (wybor(e)) return wybrano_zrodlo(ctx, e.window);
    return false;
}

bool dlg_wybor_tabeli_eh(kb::Context& ctx, const Event& e)
{
    if (e.kind == EventKind::Create) return pokaz_tabele(ctx, e.window);
    if (wybor(e)) return wybrano_tabele(ctx, e.window);
    return false;
}

bool dlg_przeglad_zaimportowanych_faktow_eh(kb::Context& ctx, const Event& e)
{
    if (e.kind == EventKind::Create) {
        pokaz_przeglad(ctx, e.window);
        return true;
    }
    if (e.kind == EventKind::Control && e.id == platform::kButtonOk && e.notification == Notification::Clicked) {
        ctx.report(kb::MenuEvent::ImportReviewConfirmed);
        ctx.ui.destroy_window(e.window);
        return true;
    }
    return false;
}

void biegaj(kb::Context& ctx, std::int64_t k)
{
    // Rows 1 to maxrow in ascending order; the buffer holds them in that order.
    const std::int64_t ostatni = ctx.db.dane.maxrow.first().value_or(0);
    const std::int64_t pierwszy = ostatni - k + 1;
    ctx.db.baza_odbc.odbc_buffer.each([&](const kb::OdbcBuffer& wiersz) {
        if (wiersz.wiersz >= pierwszy && wiersz.wiersz <= ostatni) sprczytofakt(ctx, wiersz.komorki);
    });
}

void spr_dane(kb::Context& ctx)
{
    const auto& dane = ctx.db.dane;
    if (dane.faktdowyswietlenia.empty() && dane.argument_znanydowyswietlenia.empty()) {
        ctx.ui.note(kUwaga, "Brak danych do importu z zewnętrznego źródla danych!");
        return;
    }
    odpowiedz(windows::dlg_przeglad_zaimportowanych_faktow_Create(ctx, ctx.ui.main_window(),
                                                             dlg_przeglad_zaimportowanych_faktow_eh));
}

}  // namespace import
