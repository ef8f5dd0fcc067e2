// The choice dialogs of inference and the radio dialogs of the launch: their handlers and the
// calls that open them. The answers travel through the dialog data channel only.
#include "windows/dialogi_wyboru.h"

#include <optional>
#include <string>

#include "platform/toolkit.h"
#include "windows/dialog_kroku.h"
#include "windows/dialogi.h"

namespace windows {

namespace {

using platform::Event;
using platform::EventKind;

constexpr platform::ControlId kNaglowek = 10022;
constexpr platform::ControlId kLista = 10027;

bool clicked(const Event& e, platform::ControlId id)
{
    return e.kind == EventKind::Control && e.id == id && e.notification == platform::Notification::Clicked;
}

// The prompt and the entries; false where one is missing, nothing removed then.
bool pokaz_wybor(kb::Context& ctx, platform::WindowId dialog, bool zaznacz_pierwszy)
{
    kb::Dane& d = ctx.db.dane;
    const std::optional<std::string> zacheta = d.dane_str.first();
    if (!zacheta) return false;
    ctx.ui.set_control_text(dialog, kNaglowek, *zacheta);
    const std::optional<facts::SList> pozycje = d.dane_lista_str.first();
    if (!pozycje) return false;
    ctx.ui.add_list_items(dialog, kLista, *pozycje);
    if (zaznacz_pierwszy && !pozycje->empty()) ctx.ui.set_list_selection(dialog, kLista, 0);
    d.dane_lista_int.remove_all();
    d.dane_str.remove_all();
    d.dane_lista_str.remove_all();
    d.tytul.remove_all();
    return true;
}

// What 10028 and 10029 do alike: a size change, and "Zakończ".
bool wspolne_zdarzenia(kb::Context& ctx, const Event& e)
{
    if (e.kind == EventKind::Move) {
        rozmiesc_naglowek_i_liste(ctx, e.window, e.rect.width(), e.rect.height());
        return true;
    }
    if (clicked(e, 2)) return zakoncz_z_dialogu(ctx);
    return false;
}

bool radio_eh(kb::Context& ctx, const Event& e, platform::ControlId domyslny)
{
    kb::Dane& d = ctx.db.dane;
    auto ustaw = [&](std::int32_t n) {
        d.dane_int.remove_all();
        d.dane_int.add_last(n);
    };
    if (e.kind == EventKind::Create) {
        ctx.ui.set_checked(e.window, domyslny, true);
        ustaw(domyslny == 10017 ? 1 : 2);
        return true;
    }
    if (clicked(e, 10017)) {
        ustaw(1);
        return true;
    }
    if (clicked(e, 10018)) {
        ustaw(2);
        return true;
    }
    if (clicked(e, 1)) {
        ctx.ui.end_dialog(e.window, 1);
        return true;
    }
    return false;
}

}  // namespace

bool dlg_wybierz_fakt_eh(kb::Context& ctx, const Event& e)
{
    if (e.kind == EventKind::Create) {
        if (!pokaz_wybor(ctx, e.window, true)) return false;
        ctx.db.dane.dane_int.remove_all();
        return true;
    }
    if (clicked(e, 1)) {
        const int wybrany = ctx.ui.list_selection(e.window, kLista);
        if (wybrany < 0) return false;
        ctx.db.dane.dane_int.add_last(wybrany + 1);
        ctx.ui.end_dialog(e.window, 1);
        return true;
    }
    return wspolne_zdarzenia(ctx, e);
}

bool dlg_wybierz_liste_faktow_eh(kb::Context& ctx, const Event& e)
{
    if (e.kind == EventKind::Create) return pokaz_wybor(ctx, e.window, false);
    if (clicked(e, 1)) {
        facts::IList wybrane;
        for (int p : ctx.ui.list_selections(e.window, kLista)) wybrane.push_back(p);
        ctx.db.dane.dane_lista_int.add_last(wybrane);
        ctx.ui.end_dialog(e.window, 1);
        return true;
    }
    return wspolne_zdarzenia(ctx, e);
}

bool dlg_poziom_szczegolowosci_eh(kb::Context& ctx, const Event& e) { return radio_eh(ctx, e, 10017); }
bool dlg_wnioskowanie_wybor_eh(kb::Context& ctx, const Event& e) { return radio_eh(ctx, e, 10018); }
bool dlg_hipoteza_wybor_eh(kb::Context& ctx, const Event& e) { return radio_eh(ctx, e, 10017); }

bool wybierz_fakt(kb::Context& ctx)
{
    auto wynik = dlg_wybierz_fakt_Create(ctx, ctx.ui.main_window(), dlg_wybierz_fakt_eh);
    if (!wynik) return false;
    sprawdz_odpowiedz_dialogu(*wynik);
    return true;
}

bool wybierz_liste_faktow(kb::Context& ctx)
{
    auto wynik = dlg_wybierz_liste_faktow_Create(ctx, ctx.ui.main_window(), dlg_wybierz_liste_faktow_eh);
    if (!wynik) return false;
    sprawdz_odpowiedz_dialogu(*wynik);
    return true;
}

void poziom_szczegolowosci(kb::Context& ctx)
{
    sprawdz_odpowiedz_dialogu(dlg_poziom_szczegolowosci_Create(ctx, ctx.ui.main_window(), dlg_poziom_szczegolowosci_eh));
}

void wnioskowanie_wybor(kb::Context& ctx)
{
    sprawdz_odpowiedz_dialogu(dlg_wnioskowanie_wybor_Create(ctx, ctx.ui.main_window(), dlg_wnioskowanie_wybor_eh));
}

void hipoteza_wybor(kb::Context& ctx)
{
    sprawdz_odpowiedz_dialogu(dlg_hipoteza_wybor_Create(ctx, ctx.ui.main_window(), dlg_hipoteza_wybor_eh));
}

}  // namespace windows
