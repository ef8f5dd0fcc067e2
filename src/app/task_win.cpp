// The main window's handler. For now it declines every event, so the toolkit's defaults apply
// (a close request closes the main window and ends the program); the menu dispatch, the intro
// window and the auxiliary window come with their own commands.
#include "app/task_win.h"

namespace app {

bool task_win_eh(kb::Context&, const platform::Event&)
{
    return false;
}

}  // namespace app
