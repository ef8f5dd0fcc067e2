// The menu commands that show what a loaded base holds: a chosen fact in a browse window, the
// whole base file in the viewer, the askable names in the askables browse window, the names of a
// media base, and the chooser of one media file. Each takes its menu item and answers true when
// it completed, false when a step failed.
#pragma once

#include "kb/context.h"

namespace app {

// 10067-10069, 10080-10086, 10095, 10096, 10105, 10106.
bool browse_command(kb::Context& ctx, int item);

// 10114, 10125, 10135: the text of the advice, graphics or sound base in the viewer.
bool media_names_command(kb::Context& ctx, int item);

// 10118, 10129, 10139: the advice, picture or sound chooser over the loaded base.
bool media_chooser_command(kb::Context& ctx, int item);

}  // namespace app
