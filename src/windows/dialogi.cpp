// The dialog creators: the template, the title, the initial values and the handler go to the
// toolkit's modal dialog, and its answer comes back. Nothing here reads a control after the
// dialog closed; the callers' answer steps do.
#include "windows/dialogi.h"

#include "platform/toolkit.h"
#include "windows/dialog_templates.h"

namespace windows {

platform::DialogResult run_template_dialog(kb::Context& ctx, int template_id, platform::WindowId parent,
                                           WindowHandler handler, const std::string& title, InitialValues initial)
{
    platform::DialogDesc desc;
    desc.form = &dialog_template(template_id);
    desc.title = title;
    desc.parent = parent;
    desc.initial = std::move(initial);
    if (handler) desc.handler = [&ctx, handler](const platform::Event& event) { return handler(ctx, event); };
    return ctx.ui.run_dialog(desc);
}

platform::DialogResult dlg_wybor_reguly_do_splaszczenia_Create(kb::Context& ctx, platform::WindowId parent,
                                                               const facts::SList& lines, WindowHandler handler)
{
    platform::ControlValue list;
    list.items = lines;
    if (!list.items.empty()) list.selected = {0};
    return run_template_dialog(ctx, 10000, parent, std::move(handler), "", {{10001, list}});
}

namespace {

std::optional<platform::DialogResult> titled_by_tytul(kb::Context& ctx, int template_id, platform::WindowId parent,
                                                      WindowHandler handler)
{
    const std::optional<std::string> title = ctx.db.dane.tytul.first();
    if (!title) return std::nullopt;
    return run_template_dialog(ctx, template_id, parent, std::move(handler), *title);
}

}  // namespace

std::optional<platform::DialogResult> dlg_wybierz_liste_faktow_Create(kb::Context& ctx, platform::WindowId parent,
                                                                      WindowHandler handler)
{
    return titled_by_tytul(ctx, 10028, parent, std::move(handler));
}

std::optional<platform::DialogResult> dlg_wybierz_fakt_Create(kb::Context& ctx, platform::WindowId parent,
                                                              WindowHandler handler)
{
    return titled_by_tytul(ctx, 10029, parent, std::move(handler));
}

platform::DialogResult dlg_okresl_wartosc_cf_Create(kb::Context& ctx, platform::WindowId parent, WindowHandler handler)
{
    return run_template_dialog(ctx, 10003, parent, std::move(handler));
}

platform::DialogResult dlg_przeglad_zaimportowanych_faktow_Create(kb::Context& ctx, platform::WindowId parent,
                                                                  WindowHandler handler)
{
    return run_template_dialog(ctx, 10008, parent, std::move(handler));
}

platform::DialogResult dlg_wybor_tabeli_Create(kb::Context& ctx, platform::WindowId parent, WindowHandler handler)
{
    return run_template_dialog(ctx, 10013, parent, std::move(handler));
}

platform::DialogResult dlg_wybor_bazy_Create(kb::Context& ctx, platform::WindowId parent, WindowHandler handler)
{
    return run_template_dialog(ctx, 10015, parent, std::move(handler));
}

platform::DialogResult dlg_hipoteza_wybor_Create(kb::Context& ctx, platform::WindowId parent, WindowHandler handler)
{
    return run_template_dialog(ctx, 10016, parent, std::move(handler));
}

platform::DialogResult dlg_przeglad_grafiki_Create(kb::Context& ctx, platform::WindowId parent, WindowHandler handler)
{
    return run_template_dialog(ctx, 10019, parent, std::move(handler));
}

platform::DialogResult dlg_czytanie_rady_Create(kb::Context& ctx, platform::WindowId parent, WindowHandler handler)
{
    return run_template_dialog(ctx, 10020, parent, std::move(handler));
}

platform::DialogResult dlg_okresl_wartosc_argumentu_Create(kb::Context& ctx, platform::WindowId parent,
                                                           WindowHandler handler)
{
    return run_template_dialog(ctx, 10023, parent, std::move(handler));
}

platform::DialogResult dlg_start_wnioskowania_Create(kb::Context& ctx, platform::WindowId parent,
                                                     WindowHandler handler)
{
    return run_template_dialog(ctx, 10026, parent, std::move(handler), "Wnioskowanie");
}

platform::DialogResult dlg_czytanie_opisu_Create(kb::Context& ctx, platform::WindowId parent, WindowHandler handler)
{
    return run_template_dialog(ctx, 10030, parent, std::move(handler));
}

platform::DialogResult dlg_poziom_szczegolowosci_Create(kb::Context& ctx, platform::WindowId parent,
                                                        WindowHandler handler)
{
    return run_template_dialog(ctx, 10031, parent, std::move(handler));
}

platform::DialogResult dlg_wnioskowanie_wybor_Create(kb::Context& ctx, platform::WindowId parent,
                                                     WindowHandler handler)
{
    return run_template_dialog(ctx, 10032, parent, std::move(handler));
}

platform::DialogResult dlg_przesluchanie_melodii_Create(kb::Context& ctx, platform::WindowId parent,
                                                        WindowHandler handler)
{
    return run_template_dialog(ctx, 10033, parent, std::move(handler));
}

platform::DialogResult dlg_obejrzenie_pliku_graficznego_Create(kb::Context& ctx, platform::WindowId parent,
                                                               WindowHandler handler)
{
    return run_template_dialog(ctx, 10039, parent, std::move(handler));
}

platform::DialogResult dlg_obejrzenie_pliku_tekstowego_rady_Create(kb::Context& ctx, platform::WindowId parent,
                                                                   WindowHandler handler)
{
    return run_template_dialog(ctx, 10042, parent, std::move(handler));
}

}  // namespace windows
