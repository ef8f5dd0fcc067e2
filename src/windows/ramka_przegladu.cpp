// The browse frame: controls made from a layout table, placed again at every size event, and the
// events every browse window answers alike. A browse window reads facts; it never changes one.
#include "windows/ramka_przegladu.h"

#include <cmath>
#include <memory>
#include <stdexcept>

#include "platform/text.h"
#include "platform/toolkit.h"
#include "windows/okno_pomocnicze.h"
#include "windows/pomoc_kontekstowa.h"

namespace windows {
namespace {

using platform::ControlId;
using platform::Rect;
namespace flag = platform::control_flag;

int half_up(double value) { return static_cast<int>(std::floor(value + 0.5)); }

platform::ControlDesc desc_of(const BrowseControl& c, Rect rect)
{
    using platform::ControlKind;
    constexpr unsigned field = flag::read_only | flag::auto_hscroll | flag::border | flag::tab_stop | flag::group;
    constexpr unsigned list = flag::border | flag::vscroll | flag::notify | flag::tab_stop | flag::group;
    switch (c.kind) {
    case BrowseKind::LabelRight: return {c.id, ControlKind::Static, c.text, rect, flag::right_aligned};
    case BrowseKind::LabelCentred: return {c.id, ControlKind::Static, c.text, rect, flag::centred};
    case BrowseKind::ValueField: return {c.id, ControlKind::Edit, c.text, rect, field | flag::centred};
    case BrowseKind::ValueFieldLeft: return {c.id, ControlKind::Edit, c.text, rect, field};
    case BrowseKind::NumberList: return {c.id, ControlKind::ComboBox, c.text, rect, flag::vscroll | flag::tab_stop};
    case BrowseKind::ItemList: return {c.id, ControlKind::ListBox, c.text, rect, list};
    case BrowseKind::SortedItemList: return {c.id, ControlKind::ListBox, c.text, rect, list | flag::sorted};
    case BrowseKind::Frame: return {c.id, ControlKind::GroupBox, c.text, rect, 0};
    case BrowseKind::CloseButton:
        return {c.id, ControlKind::PushButton, "&Zamknij", rect, flag::default_button | flag::tab_stop | flag::group};
    case BrowseKind::HelpButton: return {c.id, ControlKind::PushButton, "&Pomoc", rect, flag::tab_stop | flag::group};
    }
    return {c.id, ControlKind::Static, c.text, rect, 0};
}

const BrowseControl& control_of(const BrowseForm& form, ControlId id)
{
    for (const BrowseControl& c : form.controls)
        if (c.id == id) return c;
    throw std::logic_error("no control " + std::to_string(id) + " in the browse form");
}

void make_controls(kb::Context& ctx, const BrowseForm& form, platform::WindowId window)
{
    const std::map<ControlId, Rect> places = browse_layout(form, ctx.ui.client_rect(window));
    const auto make = [&](const BrowseControl& c) { ctx.ui.create_control(window, desc_of(c, places.at(c.id))); };
    if (form.creation_order.empty()) {
        for (const BrowseControl& c : form.controls) make(c);
    } else {
        for (const ControlId id : form.creation_order) make(control_of(form, id));
    }
}

// Maximised first, so that whatever changed the size, the window fills the main window's client
// area; the toolkit tells of the size this causes after this event, never inside it.
void lay_out(kb::Context& ctx, const BrowseForm& form, platform::WindowId window)
{
    ctx.ui.set_window_state(window, platform::WindowState::Maximised);
    if (!ctx.ui.window_exists(window)) return;
    const std::map<ControlId, Rect> places = browse_layout(form, ctx.ui.client_rect(window));
    for (const BrowseControl& c : form.controls)
        if (ctx.ui.has_control(window, c.id)) ctx.ui.move_control(window, c.id, places.at(c.id));
}

void show_chosen(kb::Context& ctx, const BrowseWindow& browse, platform::WindowId window)
{
    const int at = ctx.ui.list_selection(window, kNumberList);
    const std::vector<std::string> items = ctx.ui.list_items(window, kNumberList);
    if (at < 0 || at >= static_cast<int>(items.size())) return;
    if (const std::optional<std::int32_t> number = text::text_to_int(items[static_cast<std::size_t>(at)]))
        browse.show_number(ctx, window, *number);
}

void close(kb::Context& ctx, platform::WindowId window)
{
    ctx.ui.destroy_window(window);
    nowe_okno_pomocnicze(ctx);
}

bool on_control(kb::Context& ctx, const BrowseWindow& browse, const platform::Event& event)
{
    switch (event.id) {
    case kHelpButton: project_ShowHelpContext(ctx, kBrowseHelpContext); return true;
    case kCloseButton: close(ctx, event.window); return true;
    case kNumberList:
        if (event.notification != platform::Notification::SelectionChanged || !browse.show_number) return false;
        show_chosen(ctx, browse, event.window);
        return true;
    default: return false;
    }
}

}  // namespace

BrowseControl placed(ControlId id, BrowseKind kind, std::string text, double x, double y, double w, int height)
{
    BrowseControl c;
    c.id = id;
    c.kind = kind;
    c.text = std::move(text);
    c.x = x;
    c.y = y;
    c.w = w;
    c.height = height;
    return c;
}

BrowseControl list_placed(ControlId id, BrowseKind kind, double x, double y, double w, double v)
{
    BrowseControl c = placed(id, kind, "", x, y, w, 0);
    c.v = v;
    return c;
}

BrowseControl placed_below(ControlId id, BrowseKind kind, std::string text, ControlId above, double x, double w,
                           int height)
{
    BrowseControl c = placed(id, kind, std::move(text), x, 0, w, height);
    c.below = above;
    return c;
}

BrowseControl frame_around(ControlId id, std::string caption, const Enclosure& around)
{
    BrowseControl c = placed(id, BrowseKind::Frame, std::move(caption), 0, 0, 0, 0);
    c.around = around;
    return c;
}

Enclosure captioned_frame_around(ControlId list) { return Enclosure{list, list, list, list, Rect{10, 20, 10, 10}}; }

std::map<ControlId, Rect> browse_layout(const BrowseForm& form, Rect client)
{
    const double width = client.width();
    const double height = client.height();
    std::map<ControlId, Rect> places;
    for (const BrowseControl& c : form.controls) {
        Rect r;
        if (c.around) {
            const Enclosure& e = *c.around;
            r = Rect{places.at(e.left).left - e.margins.left, places.at(e.top).top - e.margins.top,
                     places.at(e.right).right + e.margins.right, places.at(e.bottom).bottom + e.margins.bottom};
        } else {
            r.left = half_up(width * c.x);
            r.top = c.below ? places.at(c.below).bottom : half_up(height * c.y);
            r.right = r.left + half_up(width * c.w);
            r.bottom = r.top + (c.v > 0 ? half_up(height * c.v) : c.height);
        }
        places[c.id] = r;
    }
    return places;
}

bool browse_frame_eh(kb::Context& ctx, const BrowseWindow& browse, const platform::Event& event)
{
    using platform::EventKind;
    switch (event.kind) {
    case EventKind::Create:
        if (browse.ready && !browse.ready(ctx)) return false;
        make_controls(ctx, browse.form, event.window);
        return browse.fill(ctx, event.window);
    case EventKind::Control: return on_control(ctx, browse, event);
    case EventKind::Size: lay_out(ctx, browse.form, event.window); return true;
    case EventKind::Menu: return ctx.ui.send_event(ctx.ui.parent_window(event.window), event);
    default: return false;
    }
}

platform::WindowId open_browse_window(kb::Context& ctx, const BrowseWindow& browse, platform::WindowId parent)
{
    auto held = std::make_shared<BrowseWindow>(browse);
    return create_document_window(ctx, browse.form.window, parent,
                                  [held](kb::Context& c, const platform::Event& event) {
                                      return browse_frame_eh(c, *held, event);
                                  });
}

}  // namespace windows
