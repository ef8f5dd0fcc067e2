// The step dialog 10026 and the layout of the heading-and-list dialogs. The dialog takes its
// data from the channel and clears it; callers put the step there before they show it.
#include "windows/dialog_kroku.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "platform/text.h"
#include "platform/toolkit.h"
#include "windows/dialogi.h"
#include "windows/zakonczenie.h"

namespace windows {

namespace {

constexpr platform::ControlId kNaglowek = 10022;
constexpr platform::ControlId kLista = 10027;

int px(double v) { return static_cast<int>(std::lround(v)); }

bool utworz(kb::Context& ctx, platform::WindowId dialog)
{
    kb::Dane& d = ctx.db.dane;
    const std::optional<std::string> naglowek = d.tytul.first();
    if (!naglowek) return false;
    ctx.ui.set_control_text(dialog, kNaglowek, *naglowek);
    ctx.ui.add_list_items(dialog, kLista, d.dane_str.all());
    d.dane_lista_int.remove_all();
    d.dane_str.remove_all();
    d.dane_lista_str.remove_all();
    d.tytul.remove_all();
    return true;
}

}  // namespace

bool zakoncz_z_dialogu(kb::Context& ctx) { return zakoncz_program_na_zyczenie(ctx); }

void rozmiesc_naglowek_i_liste(kb::Context& ctx, platform::WindowId dialog, int w, int h)
{
    auto place = [&](platform::ControlId id, double left, double top, int width, int height) {
        const int l = px(left);
        const int t = px(top);
        ctx.ui.move_control(dialog, id, platform::Rect{l, t, l + width, t + height});
    };
    place(kNaglowek, 0.0414 * w, 0.0375 * h, px(0.9172 * w), 24);
    place(kLista, 0.0414 * w, 0.1312 * h, px(0.9172 * w), px(0.7 * h));
    place(1, 0.431 * w, 0.8875 * h, px(0.138 * w), 24);
    place(2, 0.0414 * w, 0.8875 * h, 70, 24);
}

bool dlg_start_wnioskowania_eh(kb::Context& ctx, const platform::Event& event)
{
    using platform::EventKind;
    switch (event.kind) {
    case EventKind::Create:
        return utworz(ctx, event.window);
    case EventKind::Move:
        rozmiesc_naglowek_i_liste(ctx, event.window, event.rect.width(), event.rect.height());
        return true;
    case EventKind::Control:
        if (event.id == 1 && event.notification == platform::Notification::Clicked) {
            ctx.ui.end_dialog(event.window, 1);
            return true;
        }
        if (event.id == 2 && event.notification == platform::Notification::Clicked) return zakoncz_z_dialogu(ctx);
        return false;
    default:
        return false;
    }
}

void sprawdz_odpowiedz_dialogu(const platform::DialogResult& result)
{
    if (result.button != platform::kButtonOk && result.button != platform::kButtonCancel)
        throw std::runtime_error("Nieoczekiwana odpowiedź okna dialogowego: " + text::int_to_text(result.button));
}

void pokaz_krok(kb::Context& ctx)
{
    sprawdz_odpowiedz_dialogu(dlg_start_wnioskowania_Create(ctx, ctx.ui.main_window(), dlg_start_wnioskowania_eh));
}

}  // namespace windows
