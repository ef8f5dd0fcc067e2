// The import of facts and known argument values from an external data source, as the main menu
// starts it: the handler of the first dialog, "Wybór źródła danych"; the rest of the import
// runs from that dialog.
#pragma once

#include "kb/context.h"
#include "platform/toolkit_types.h"

namespace import {

// Handler of dialog 10015: true when it handled the event.
bool dlg_wybor_bazy_eh(kb::Context& ctx, const platform::Event& event);

}  // namespace import
