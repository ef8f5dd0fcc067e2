// The context help of the program's windows: a topic of the context-help file "Main_qz.HLP",
// chosen by its number, shown by the toolkit's help viewer. Finds the file; never reads it.
#pragma once

#include <string>

#include "kb/context.h"

namespace windows {

inline constexpr const char* kContextHelpFile = "Main_qz.HLP";

// Where the context-help file is: in the current directory (the folder of the loaded bases),
// else beside the program, whatever the case of its name on disk; the name in the current
// directory when it is in neither (the help viewer then says it is missing).
std::string context_help_file(kb::Context& ctx);

// Shows the topic with that context number; the "&Pomoc" buttons of the browse windows ask for 1.
void project_ShowHelpContext(kb::Context& ctx, int context);

}  // namespace windows
