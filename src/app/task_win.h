// The main window's event handler: where every menu command of the program arrives.
// It keeps no state of its own; everything it works on lives in the context.
#pragma once

#include "kb/context.h"
#include "platform/toolkit_types.h"

namespace app {

// True when the event was handled; false declines it and the toolkit's default applies.
bool task_win_eh(kb::Context& ctx, const platform::Event& event);

}  // namespace app
