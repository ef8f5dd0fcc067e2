// Help files are looked up in the program's current directory, which every load sets to the
// folder of its base, and found whatever the case of their names on disk.
#include "app/pomoc.h"

#include <string>

#include "app/shell_calls.h"
#include "platform/toolkit.h"
#include "windows/dialogi.h"

namespace app {

bool pomoc(kb::Context& ctx)
{
    const std::string file = ctx.files.find_case_insensitive(kHelpFile);
    if (file.empty()) {
        ctx.ui.note("Pomoc", std::string("Brak pliku pomocy ") + kHelpFile + " w katalogu " + ctx.files.current_dir() +
                                 ".");
        return false;
    }
    api_ShellExecute(ctx.ui, file, true);
    return true;
}

namespace {

// The about box's only button closes it; everything else gets the toolkit's default.
bool dlg_about_dialog_eh(kb::Context& ctx, const platform::Event& event)
{
    if (event.kind != platform::EventKind::Control || event.id != platform::kButtonOk) return false;
    ctx.ui.end_dialog(event.window, platform::kButtonOk);
    return true;
}

}  // namespace

void dlg_about_dialog_Create(kb::Context& ctx, platform::WindowId parent)
{
    windows::run_template_dialog(ctx, 10046, parent, dlg_about_dialog_eh);
}

bool ustaw_katalog_na_biezacy(kb::Context& ctx)
{
    ctx.ui.note("Uwaga", "Ustawienie ścieżki dostępu do baz  następuje po załadowaniu bazy reguł");
    return true;
}

}  // namespace app
