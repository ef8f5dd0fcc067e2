// Help and about: the compiled help file opened through the shell (menu "&Pomoc"), the about box
// 10046, and the note of "Ustaw katalog na bieżący" (the context help of the browse windows is
// windows/pomoc_kontekstowa.h). Nothing here changes the knowledge bases or the current directory.
#pragma once

#include "kb/context.h"
#include "platform/toolkit_types.h"

namespace app {

inline constexpr const char* kHelpFile = "velk_QZ.chm";

// Menu item 10169: opens the help file of the current directory through the shell, maximised.
// Without the file a note says where it was looked for, and the command fails. A shell failure
// raises NumberedRunTimeError (app/shell_calls.h).
bool pomoc(kb::Context& ctx);

// Menu item 10170: the about box, modal; returns when its "OK" closes it.
void dlg_about_dialog_Create(kb::Context& ctx, platform::WindowId parent);

// Menu item 10168: a note on how the folder of the bases is set; changes nothing.
bool ustaw_katalog_na_biezacy(kb::Context& ctx);

}  // namespace app
