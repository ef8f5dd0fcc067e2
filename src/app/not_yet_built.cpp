// Stand-ins for the commands of this folder that are not built yet. A command says so in a note
// and fails. Each goes when its real version comes.
#include "app/file_commands.h"
#include "platform/toolkit.h"

namespace app {
namespace {

bool not_available(kb::Context& ctx)
{
    ctx.ui.note("Uwaga", "To polecenie nie jest jeszcze dostępne w tej wersji programu.");
    return false;
}

}  // namespace

bool base_file_command(kb::Context& ctx, int) { return not_available(ctx); }
bool side_file_command(kb::Context& ctx, int) { return not_available(ctx); }
bool media_command(kb::Context& ctx, int) { return not_available(ctx); }

}  // namespace app
