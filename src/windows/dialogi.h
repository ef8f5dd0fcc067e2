// The creators of the modal dialogs built from the templates 10000 to 10046: each takes its
// inputs, opens its dialog with the handler it is given, waits until it closes and hands back
// the answer with the final control values. The handlers and answer steps belong to the callers.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/facts.h"
#include "platform/toolkit_types.h"
#include "windows/okna.h"

namespace windows {

using InitialValues = std::vector<std::pair<platform::ControlId, platform::ControlValue>>;

// Opens the dialog of a template modally (title "" keeps the template's own) and waits.
platform::DialogResult run_template_dialog(kb::Context& ctx, int template_id, platform::WindowId parent,
                                           WindowHandler handler, const std::string& title = "",
                                           InitialValues initial = {});

// Dialogs with inputs of their own: nullopt, with no dialog shown, when an input is missing.
// 10000: the choice lines (of tryb_splaszczenia_1) in list box 10001, the first one selected.
platform::DialogResult dlg_wybor_reguly_do_splaszczenia_Create(kb::Context& ctx, platform::WindowId parent,
                                                               const facts::SList& lines, WindowHandler handler);
// 10028 and 10029: titled with the first `tytul` fact.
std::optional<platform::DialogResult> dlg_wybierz_liste_faktow_Create(kb::Context& ctx, platform::WindowId parent,
                                                                      WindowHandler handler);
std::optional<platform::DialogResult> dlg_wybierz_fakt_Create(kb::Context& ctx, platform::WindowId parent,
                                                              WindowHandler handler);

// Dialogs whose inputs reach their handlers through the dialog data channel.
platform::DialogResult dlg_okresl_wartosc_cf_Create(kb::Context& ctx, platform::WindowId parent, WindowHandler handler);
platform::DialogResult dlg_przeglad_zaimportowanych_faktow_Create(kb::Context& ctx, platform::WindowId parent,
                                                                  WindowHandler handler);
platform::DialogResult dlg_wybor_tabeli_Create(kb::Context& ctx, platform::WindowId parent, WindowHandler handler);
platform::DialogResult dlg_wybor_bazy_Create(kb::Context& ctx, platform::WindowId parent, WindowHandler handler);
platform::DialogResult dlg_hipoteza_wybor_Create(kb::Context& ctx, platform::WindowId parent, WindowHandler handler);
platform::DialogResult dlg_przeglad_grafiki_Create(kb::Context& ctx, platform::WindowId parent, WindowHandler handler);
platform::DialogResult dlg_czytanie_rady_Create(kb::Context& ctx, platform::WindowId parent, WindowHandler handler);
platform::DialogResult dlg_okresl_wartosc_argumentu_Create(kb::Context& ctx, platform::WindowId parent,
                                                           WindowHandler handler);
platform::DialogResult dlg_start_wnioskowania_Create(kb::Context& ctx, platform::WindowId parent,
                                                     WindowHandler handler);
platform::DialogResult dlg_czytanie_opisu_Create(kb::Context& ctx, platform::WindowId parent, WindowHandler handler);
platform::DialogResult dlg_poziom_szczegolowosci_Create(kb::Context& ctx, platform::WindowId parent,
                                                        WindowHandler handler);
platform::DialogResult dlg_wnioskowanie_wybor_Create(kb::Context& ctx, platform::WindowId parent,
                                                     WindowHandler handler);
platform::DialogResult dlg_przesluchanie_melodii_Create(kb::Context& ctx, platform::WindowId parent,
                                                        WindowHandler handler);
platform::DialogResult dlg_obejrzenie_pliku_graficznego_Create(kb::Context& ctx, platform::WindowId parent,
                                                               WindowHandler handler);
platform::DialogResult dlg_obejrzenie_pliku_tekstowego_rady_Create(kb::Context& ctx, platform::WindowId parent,
                                                                   WindowHandler handler);
// The about box 10046 is the main window's own (dlg_about_dialog_Create, app/pomoc.h).

}  // namespace windows
