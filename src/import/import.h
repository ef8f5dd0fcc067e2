// The import of facts and known argument values from a table of an ODBC data source, as the
// main menu starts it: the choice of the data source (dialog "Wybór źródła danych"), of the
// table ("Wybór danych do importu"), the reading and the review ("Przegląd zaimportowanych
// danych"). Everything runs inside the first dialog's events; nothing here is a menu command's
// business but the start.
#pragma once

#include <cstdint>

#include "kb/context.h"
#include "platform/toolkit_types.h"

namespace import {

// Menu item 10065: the whole import, after which no connection of it stays open.
void import_danych(kb::Context& ctx);

// Handlers of dialogs 10015, 10013 and 10008: true when they handled the event.
bool dlg_wybor_bazy_eh(kb::Context& ctx, const platform::Event& event);
bool dlg_wybor_tabeli_eh(kb::Context& ctx, const platform::Event& event);
bool dlg_przeglad_zaimportowanych_faktow_eh(kb::Context& ctx, const platform::Event& event);

// The rows of the buffer, from the first to the last of `maxrow`, converted in order.
void biegaj(kb::Context& ctx, std::int64_t k);

// The end of an import: the review of what it added, or the note that it added nothing.
void spr_dane(kb::Context& ctx);

}  // namespace import
