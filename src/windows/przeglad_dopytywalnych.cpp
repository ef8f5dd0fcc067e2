// The askables browse window: one list of names, sorted by the list itself, under a caption. It
// knows nothing of the bases: its caption and names come from the dialog data channel when it
// opens, and an open window keeps them.
#include "platform/toolkit.h"
#include "windows/okna_przegladu.h"

namespace windows {
namespace {

using K = BrowseKind;

constexpr platform::ControlId kNames = 10178;
constexpr platform::ControlId kCaption = 10179;

bool has_caption(kb::Context& ctx) { return ctx.db.dane.dane_str.first().has_value(); }

bool fill_names(kb::Context& ctx, platform::WindowId window)
{
    ctx.ui.set_control_text(window, kCaption, *ctx.db.dane.dane_str.first());
    const std::optional<kb::SList> names = ctx.db.dane.dane_lista_str.first();
    if (!names) return true;
    ctx.ui.clear_list(window, kNames);
    ctx.ui.add_list_items(window, kNames, *names);
    return true;
}

}  // namespace

// Its frame has wider margins than the frames of the other browse windows.
const BrowseForm& askables_browse_form()
{
    static const BrowseForm form{
        DocumentWindow::PrzegWarArgDopyt,
        {list_placed(kNames, K::SortedItemList, 0.095, 0.13125, 0.80345, 0.559),
         frame_around(kCaption, "", Enclosure{kNames, kNames, kNames, kNames, platform::Rect{20, 30, 20, 20}}),
         placed(kCloseButton, K::CloseButton, "", 0.331, 0.7875, 0.1379, 24),
         placed(kHelpButton, K::HelpButton, "", 0.521, 0.7875, 0.1379, 24)},
        {kCloseButton, kHelpButton, kNames, kCaption}};
    return form;
}

platform::WindowId win_przeg_war_arg_dopyt_Create(kb::Context& ctx, platform::WindowId parent)
{
    return open_browse_window(ctx, BrowseWindow{askables_browse_form(), fill_names, {}, has_caption}, parent);
}

}  // namespace windows
