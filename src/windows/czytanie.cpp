// The reading dialogs' handlers and their shared layout. They read what their openers put into
// the data channel (`opis`, `dane_rada`); nothing here changes a knowledge base.
#include "windows/czytanie.h"

#include <cmath>

#include "kb/wyroznik.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/toolkit.h"
#include "windows/dialogi.h"

namespace windows {
namespace {

constexpr platform::ControlId kHeading = 10021;
constexpr platform::ControlId kText = 10022;
constexpr platform::ControlId kButton = 1;
constexpr int kRowHeight = 24;

int nearest(double x) { return static_cast<int>(std::lround(x)); }

void lay_out(kb::Context& ctx, const platform::Event& event)
{
    const ReaderLayout place = reader_layout(event.rect);
    ctx.ui.move_control(event.window, kHeading, place.heading);
    ctx.ui.move_control(event.window, kText, place.text);
    ctx.ui.move_control(event.window, kButton, place.button);
}

bool show_description_file(kb::Context& ctx, platform::WindowId dialog)
{
    const std::optional<std::string> path = ctx.db.stan.opis.first();
    if (!path) return false;
    const std::string text = ctx.files.read_text(*path).text;
    ctx.ui.set_control_text(dialog, kText, text);
    ctx.ui.set_control_text(dialog, kHeading, description_heading(*path));
    return true;
}

bool show_first_advice(kb::Context& ctx, platform::WindowId dialog)
{
    const std::optional<std::string> text = ctx.db.dane.dane_rada.first();
    if (!text) return false;
    ctx.ui.set_control_text(dialog, kText, *text);
    ctx.ui.set_control_text(dialog, kHeading, kAdviceHeading);
    return true;
}

}  // namespace

// The same proportions in both dialogs; nearest rounds halves away from zero.
ReaderLayout reader_layout(platform::Rect client)
{
    const double w = client.width();
    const double h = client.height();
    ReaderLayout out;
    out.heading.left = nearest(0.0414 * w);
    out.heading.top = nearest(0.0375 * h);
    out.heading.right = nearest(0.9172 * w + out.heading.left);
    out.heading.bottom = out.heading.top + kRowHeight;
    out.text.left = nearest(0.0414 * w);
    out.text.top = nearest(0.1312 * h);
    out.text.right = nearest(0.9172 * w + out.text.left);
    out.text.bottom = nearest(0.7 * h + out.text.top);
    out.button.left = nearest(0.431 * w);
    out.button.top = nearest(0.8875 * h);
    out.button.right = nearest(0.138 * w + out.button.left);
    out.button.bottom = out.button.top + kRowHeight;
    return out;
}

std::string description_heading(std::string_view path)
{
    return kDescriptionHeading + text::to_upper(files::split_path(path).name);
}

bool dlg_czytanie_opisu_eh(kb::Context& ctx, const platform::Event& event)
{
    using platform::EventKind;
    switch (event.kind) {
    case EventKind::Create: return show_description_file(ctx, event.window);
    case EventKind::Move: lay_out(ctx, event); return true;
    case EventKind::Paint: return true;
    default: return false;
    }
}

bool dlg_czytanie_rady_eh(kb::Context& ctx, const platform::Event& event)
{
    using platform::EventKind;
    switch (event.kind) {
    case EventKind::Create: return show_first_advice(ctx, event.window);
    case EventKind::Move: lay_out(ctx, event); return true;
    case EventKind::Destroy: ctx.db.dane.dane_rada.remove_all(); return true;
    default: return false;
    }
}

void show_description(kb::Context& ctx)
{
    dlg_czytanie_opisu_Create(ctx, ctx.ui.main_window(), dlg_czytanie_opisu_eh);
}

void show_advice_text(kb::Context& ctx, const std::string& text)
{
    ctx.db.dane.dane_rada.add_last(text);
    dlg_czytanie_rady_Create(ctx, ctx.ui.main_window(), dlg_czytanie_rady_eh);
}

bool show_advice(kb::Context& ctx, std::string_view name)
{
    const std::optional<std::string> path = kb::nazwa_pelna_rady(ctx, name);
    if (!path || !ctx.files.exists(*path)) return false;
    const std::string text = ctx.files.read_text(*path).text;
    ctx.db.dane.dane_rada.remove_all();
    show_advice_text(ctx, text);
    return true;
}

}  // namespace windows
