// The picture dialog and the picture window keep the picture they read when they opened and draw
// it again whenever they are painted, so that a picture that cannot be read is reported once, not
// at every paint, and a window restored or resized shows its picture again.
#include "windows/grafika.h"

#include <memory>
#include <optional>

#include "kb/wyroznik.h"
#include "platform/files.h"
#include "platform/toolkit.h"
#include "windows/dialogi.h"
#include "windows/okna.h"
#include "windows/okno_pomocnicze.h"

namespace windows {
namespace {

// What a picture dialog or window shows: the picture read when it opened, none when it could not be read.
struct Shown {
    std::optional<platform::Picture> picture;
    bool asked = false;  // the picture window's question, asked once
};

// The picture of the first `dane_graf`; none (after the note) when it cannot be read.
std::optional<platform::Picture> load_first_picture(kb::Context& ctx)
{
    const std::optional<std::string> path = ctx.db.dane.dane_graf.first();
    if (!path) return std::nullopt;
    try {
        return ctx.ui.load_picture(*path);
    } catch (const platform::PictureError&) {
        ctx.ui.note("Uwaga!", picture_missing_note(*path));
        return std::nullopt;
    }
}

// Stretched onto the whole client area; false when there is nothing to draw. A file that went
// since it was read leaves the window blank from then on, reported once already.
bool draw(kb::Context& ctx, Shown& shown, platform::WindowId window)
{
    if (!shown.picture) return false;
    try {
        ctx.ui.draw_picture(window, *shown.picture, ctx.ui.client_rect(window));
    } catch (const platform::PictureError&) {
        shown.picture.reset();
        return false;
    }
    return true;
}

bool dlg_przeglad_grafiki_eh(kb::Context& ctx, Shown& shown, const platform::Event& event)
{
    using platform::EventKind;
    switch (event.kind) {
    case EventKind::Create: shown.picture = load_first_picture(ctx); return true;
    case EventKind::Paint:
    case EventKind::Move: return draw(ctx, shown, event.window);
    default: return false;
    }
}

void paint_picture_window(kb::Context& ctx, Shown& shown, platform::WindowId window)
{
    ctx.ui.set_window_state(window, platform::WindowState::Maximised);
    if (!draw(ctx, shown, window) || shown.asked) return;
    shown.asked = true;
    ctx.db.dane.dane_graf.remove_all();
    const int answer = ctx.ui.message_box(kPictureQuestionTitle, kPictureQuestion, platform::MessageIcon::Question,
                                          platform::MessageButtons::YesNo);
    if (answer == platform::kAnswerYes && ctx.ui.window_exists(window)) ctx.ui.destroy_window(window);
}

bool win_przeglad_grafiki_eh(kb::Context& ctx, Shown& shown, const platform::Event& event)
{
    using platform::EventKind;
    switch (event.kind) {
    case EventKind::Create: return true;
    case EventKind::Paint: paint_picture_window(ctx, shown, event.window); return true;
    case EventKind::Size: ctx.ui.set_window_state(event.window, platform::WindowState::Maximised); return true;
    case EventKind::MouseDoubleClick: ctx.ui.destroy_window(event.window); return true;
    case EventKind::Menu: return ctx.ui.send_event(ctx.ui.parent_window(event.window), event);
    case EventKind::Destroy: nowe_okno_pomocnicze(ctx); return true;
    default: return false;
    }
}

}  // namespace

std::string picture_missing_note(std::string_view path)
{
    const files::PathParts parts = files::split_path(path);
    return "Nie można wczytać obrazu " + parts.name + parts.extension + ".";
}

platform::DialogResult dlg_przeglad_grafiki_Create(kb::Context& ctx, platform::WindowId parent)
{
    auto shown = std::make_shared<Shown>();
    return dlg_przeglad_grafiki_Create(ctx, parent, [shown](kb::Context& c, const platform::Event& event) {
        return dlg_przeglad_grafiki_eh(c, *shown, event);
    });
}

bool show_picture(kb::Context& ctx, std::string_view name)
{
    const std::optional<std::string> path = kb::pierwszy_istniejacy(ctx, kb::nazwa_pelna_grafiki(ctx, name));
    if (!path) return false;
    ctx.db.dane.dane_graf.set(*path);
    dlg_przeglad_grafiki_Create(ctx, ctx.ui.main_window());
    return true;
}

// A picture that cannot be read opens no window: the note says why, and nothing else changes.
platform::WindowId win_przeglad_grafiki_Create(kb::Context& ctx, platform::WindowId parent)
{
    auto shown = std::make_shared<Shown>();
    shown->picture = load_first_picture(ctx);
    if (!shown->picture) return platform::kNoWindow;
    return win_przeglad_grafiki_Create(ctx, parent, [shown](kb::Context& c, const platform::Event& event) {
        return win_przeglad_grafiki_eh(c, *shown, event);
    });
}

}  // namespace windows
