// The CF and argument value dialogs: the posted name shown, the typed text handed back through
// the dialog data channel, "Zakończ" behind the end-of-program question.
#include "windows/dialogi_wartosci.h"

#include <optional>
#include <string>

#include "platform/toolkit.h"
#include "windows/dialog_kroku.h"
#include "windows/dialogi.h"

namespace windows {

namespace {

using platform::Event;
using platform::EventKind;

bool clicked(const Event& e, platform::ControlId id)
{
    return e.kind == EventKind::Control && e.id == id && e.notification == platform::Notification::Clicked;
}

}  // namespace

bool dlg_okresl_wartosc_cf_eh(kb::Context& ctx, const Event& e)
{
    kb::Dane& d = ctx.db.dane;
    if (e.kind == EventKind::Create) {
        if (std::optional<std::string> nazwa = d.dane_cf_nazwa.first()) ctx.ui.set_control_text(e.window, 10007, *nazwa);
        return true;
    }
    if (clicked(e, 1)) {
        d.dane_cf_wartosc.remove_all();
        d.dane_cf_wartosc.add_last(ctx.ui.control_text(e.window, 10005));
        ctx.ui.end_dialog(e.window, 1);
        return true;
    }
    if (clicked(e, 2)) return zakoncz_z_dialogu(ctx);
    return false;
}

bool dlg_okresl_wartosc_argumentu_eh(kb::Context& ctx, const Event& e)
{
    kb::Dane& d = ctx.db.dane;
    if (e.kind == EventKind::Create) {
        std::optional<std::string> nazwa = d.dane_arg_nazwa.first();
        if (!nazwa) return false;
        ctx.ui.set_control_text(e.window, 10024, *nazwa);
        return true;
    }
    if (clicked(e, 1)) {
        d.dane_arg_wartosc.remove_all();
        d.dane_arg_wartosc.add_last(ctx.ui.control_text(e.window, 10022));
        d.dane_arg_nazwa.remove_all();
        ctx.ui.end_dialog(e.window, 1);
        return true;
    }
    if (clicked(e, 2)) return zakoncz_z_dialogu(ctx);
    return false;
}

void okresl_wartosc_cf(kb::Context& ctx)
{
    sprawdz_odpowiedz_dialogu(dlg_okresl_wartosc_cf_Create(ctx, ctx.ui.main_window(), dlg_okresl_wartosc_cf_eh));
}

void okresl_wartosc_argumentu(kb::Context& ctx)
{
    sprawdz_odpowiedz_dialogu(
        dlg_okresl_wartosc_argumentu_Create(ctx, ctx.ui.main_window(), dlg_okresl_wartosc_argumentu_eh));
}

}  // namespace windows
