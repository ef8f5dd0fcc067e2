// The main window's handler: the intro window at creation, the auxiliary window kept fitted,
// the question before the program ends, and every main-menu command through the dispatch
// table. It keeps no state of its own.
#include "app/task_win.h"

#include "app/menu_commands.h"
#include "app/wstep.h"
#include "platform/toolkit.h"
#include "windows/zakonczenie.h"

namespace app {

bool task_win_eh(kb::Context& ctx, const platform::Event& event)
{
    using platform::EventKind;
    switch (event.kind) {
    case EventKind::Create: win_wstep_Create(ctx, ctx.ui.main_window()); return true;
    case EventKind::Size: ctx.ui.fit_aux_window(); return true;
    // Declined on Yes: the toolkit then destroys the main window and the program ends.
    case EventKind::CloseRequest: return !windows::czy_zakonczyc_program(ctx);
    case EventKind::Menu: return polecenie_menu(ctx, event.id);
    default: return false;
    }
}

}  // namespace app
