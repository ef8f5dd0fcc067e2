// The context-help file is the program's own, not a knowledge base's: looked for where the user
// works first (a knowledge engineer may keep a help file with the bases), then where the
// program is installed.
#include "windows/pomoc_kontekstowa.h"

#include "platform/files.h"
#include "platform/toolkit.h"

namespace windows {

std::string context_help_file(kb::Context& ctx)
{
    const std::string here = ctx.files.find_case_insensitive(kContextHelpFile);
    if (!here.empty()) return here;
    const std::string program_folder = files::split_path(ctx.ui.program_path()).folder;
    if (!program_folder.empty()) {
        const std::string beside = ctx.files.find_case_insensitive(program_folder + kContextHelpFile);
        if (!beside.empty()) return beside;
    }
    return ctx.files.resolve(kContextHelpFile);
}

void project_ShowHelpContext(kb::Context& ctx, int context)
{
    ctx.ui.show_help_topic(context_help_file(ctx), context);
}

}  // namespace windows
