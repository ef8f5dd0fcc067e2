// The viewer window's creator and handler. Each viewer is independent: it shows the text it was
// given when it opened, whatever the data channel holds later. Menu commands reaching it go on
// to the main window.
#include "windows/przeglad.h"

#include "platform/toolkit.h"
#include "windows/okno_pomocnicze.h"

namespace windows {
namespace {

void show_first_text(kb::Context& ctx, platform::WindowId window, bool& shown)
{
    ctx.ui.set_window_font(window, platform::Font{platform::FontFamily::System, 8});
    const std::optional<std::string> text = ctx.db.dane.dane_str.first();
    shown = text && !text->empty();
    if (!shown) return;
    ctx.ui.editor_append(window, *text);
    ctx.ui.set_editor_caret(window, 0);
}

}  // namespace

bool win_przeglad_eh(kb::Context& ctx, const platform::Event& event)
{
    using platform::EventKind;
    switch (event.kind) {
    case EventKind::Create: {
        bool shown = false;
        show_first_text(ctx, event.window, shown);
        return shown;  // declined when there is nothing to show: the window stays empty
    }
    case EventKind::Control: return true;  // the text control's notifications: nothing to do
    case EventKind::Destroy:
        ctx.ui.set_window_title(ctx.ui.main_window(), kViewerClosedTitle);
        return true;
    case EventKind::CloseRequest:
        ctx.ui.destroy_window(event.window);
        nowe_okno_pomocnicze(ctx);
        return true;
    case EventKind::Size: return true;
    case EventKind::Menu: return ctx.ui.send_event(ctx.ui.parent_window(event.window), event);
    default: return false;
    }
}

platform::WindowId win_przeglad_Create(kb::Context& ctx, platform::WindowId parent)
{
    const bool wrap = ctx.ui.question("Zawiń/rozwiń", "Czy zawijać tekst?", {"&Tak", "&Nie"}) == 0;
    return win_przeglad_Create(ctx, parent, win_przeglad_eh, wrap);
}

platform::WindowId show_text(kb::Context& ctx, const std::string& text)
{
    ctx.db.dane.dane_str.set(text);
    return win_przeglad_Create(ctx, ctx.ui.main_window());
}

}  // namespace windows
