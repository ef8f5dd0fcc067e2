// The picture dialog opened for inference, until the dialog's own handler is there: the dialog
// opens and closes with its button; the picture itself is drawn by that handler.
#include "inference/pokaz_grafike.h"

#include "platform/toolkit.h"
#include "windows/dialogi.h"

namespace inference {

void pokaz_grafike(kb::Context& ctx) { windows::dlg_przeglad_grafiki_Create(ctx, ctx.ui.main_window(), nullptr); }

}  // namespace inference
