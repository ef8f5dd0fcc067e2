// The intro window's handler. The picture is read once, when the window is created; a missing
// or unreadable picture is reported in one note and leaves the window blank, so a repaint never
// raises an error. Closing the window enables the general menu items and opens the auxiliary
// window.
#include "app/wstep.h"

#include <memory>
#include <optional>
#include <string>

#include "platform/toolkit.h"
#include "windows/okna.h"
#include "windows/okno_pomocnicze.h"

namespace app {
namespace {

struct IntroPicture {
    std::optional<platform::Picture> picture;  // none: the window stays blank
};

void load_intro_picture(kb::Context& ctx, IntroPicture& intro)
{
    const std::string found = ctx.files.find_case_insensitive(kIntroPicture);
    try {
        intro.picture = ctx.ui.load_picture(found.empty() ? ctx.files.resolve(kIntroPicture) : found);
    } catch (const platform::PictureError&) {
        intro.picture.reset();
        ctx.ui.note("Uwaga", std::string("Nie można wczytać obrazu powitalnego ") + kIntroPicture +
                                 ": okno powitalne pozostanie puste.");
    }
}

void paint_intro(kb::Context& ctx, IntroPicture& intro, platform::WindowId window)
{
    if (!intro.picture) return;
    try {
        ctx.ui.draw_picture(window, *intro.picture, ctx.ui.client_rect(window));
    } catch (const platform::PictureError&) {
        intro.picture.reset();  // gone since it was read: blank from now on, reported once already
    }
}

void close_intro(kb::Context& ctx, platform::WindowId window)
{
    ctx.report(kb::MenuEvent::IntroClosed);
    ctx.ui.destroy_window(window);
    windows::utworz_okno_pomocnicze(ctx);
}

bool win_wstep_eh(kb::Context& ctx, IntroPicture& intro, const platform::Event& event)
{
    using platform::EventKind;
    switch (event.kind) {
    case EventKind::Create: load_intro_picture(ctx, intro); return true;
    case EventKind::Paint: paint_intro(ctx, intro, event.window); return true;
    case EventKind::CloseRequest: close_intro(ctx, event.window); return true;
    default: return false;
    }
}

}  // namespace

platform::WindowId win_wstep_Create(kb::Context& ctx, platform::WindowId parent)
{
    auto intro = std::make_shared<IntroPicture>();
    return windows::create_document_window(ctx, windows::DocumentWindow::Wstep, parent,
                                           [intro](kb::Context& c, const platform::Event& event) {
                                               return win_wstep_eh(c, *intro, event);
                                           });
}

}  // namespace app
