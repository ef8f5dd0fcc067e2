// Opening and replacing the auxiliary window through the toolkit, with its bound of lines.
// Writes to it go through the toolkit's write; nothing here writes.
#include "windows/okno_pomocnicze.h"

#include "platform/toolkit.h"

namespace windows {

void utworz_okno_pomocnicze(kb::Context& ctx)
{
    ctx.ui.create_aux_window(kAuxWindowLines);
}

void nowe_okno_pomocnicze(kb::Context& ctx)
{
    ctx.ui.close_aux_window();
    ctx.ui.create_aux_window(kAuxWindowLines);
}

}  // namespace windows
