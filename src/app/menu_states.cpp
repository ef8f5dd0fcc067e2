// The table of menu states and its application. Rows list items in the order they are changed;
// a change to an item the menu does not have is skipped, never an error.
#include "app/menu_states.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "app/main_menu.h"
#include "platform/toolkit.h"

namespace app {
namespace {

std::vector<MenuChange> enable(std::initializer_list<int> items)
{
    std::vector<MenuChange> out;
    for (int item : items) out.push_back({item, true});
    return out;
}

std::vector<MenuChange> grey(std::initializer_list<int> items)
{
    std::vector<MenuChange> out;
    for (int item : items) out.push_back({item, false});
    return out;
}

std::vector<MenuChange> then(std::vector<MenuChange> first, const std::vector<MenuChange>& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

std::vector<MenuStateRow> build()
{
    using E = MenuEvent;
    return {
        // Loading the rule base; editing, creating and deleting every kind of base; the media
        // folder commands; the description, report, summary and askables-file commands except
        // creating the askables file; settings, help and about.
        {E::IntroClosed,
         enable({10064, 10070, 10071, 10072, 10087, 10088, 10089, 10097, 10098, 10099, 10107, 10108, 10109,
                 10115, 10116, 10117, 10120, 10121, 10126, 10127, 10128, 10131, 10132, 10136, 10137, 10138,
                 10141, 10142, 10151, 10152, 10153, 10154, 10155, 10156, 10157, 10158, 10161, 10162, 10167,
                 10168, 10169, 10170})},
        {E::RuleBaseLoadStarted, grey({10065})},
        {E::RuleBaseLoaded,
         enable({10065, 10067, 10068, 10069, 10145, 10146, 10077, 10093, 10103, 10113, 10124, 10134, 10164,
                 10165, 10160})},
        {E::ModelBaseLoaded, enable({10080, 10082, 10081, 10083, 10084, 10085, 10086})},
        {E::ExactConstraintBaseLoaded, enable({10096, 10095, 10147, 10148, 10149, 10100, 10101})},
        {E::UncertainConstraintBaseLoaded, enable({10106, 10105, 10110, 10111})},
        // The free viewers 10119, 10130, 10140 and the advice-text delete 10122 come with the
        // base of their kind, so that every item of these popups can be reached.
        {E::AdviceBaseLoaded, enable({10114, 10118, 10119, 10122})},
        {E::GraphicsBaseLoaded, enable({10125, 10129, 10130})},
        {E::SoundBaseLoaded, enable({10139, 10135, 10140})},
        {E::ExternalContradictionFound, enable({10073})},
        {E::InternalContradictionFound, enable({10074})},
        {E::RedundantRulesFound,
         then(then(enable({10075}), grey({10101, 10100})), enable({10067, 10068, 10069, 10077, 10093, 10113, 10124}))},
        {E::ModelContradictionFound, enable({10090})},
        {E::ModelRuleContradictionFound, enable({10091})},
        {E::ExactJointContradictionFound, enable({10100})},
        {E::ExactJointRedundancyFound, enable({10101})},
        {E::UncertainJointContradictionFound, enable({10110})},
        {E::UncertainJointRedundancyFound, enable({10111})},
        {E::ConclusionClashFound, grey({10164, 10165})},
        {E::EditorCloseRequested,
         grey({10067, 10068, 10069, 10080, 10081, 10082, 10083, 10085, 10086, 10095, 10096})},
        {E::ImportReviewConfirmed, grey({10065})},
    };
}

bool on_main_menu(int item)
{
    static const platform::Menu menu = main_menu();
    return std::any_of(menu.items.begin(), menu.items.end(), [item](const platform::MenuItem& m) { return m.id == item; });
}

void apply(platform::Toolkit& ui, const MenuChange& change)
{
    if (on_main_menu(change.item)) ui.enable_menu_item(ui.main_window(), change.item, change.enabled);
}

}  // namespace

const std::vector<MenuStateRow>& menu_state_table()
{
    static const std::vector<MenuStateRow> table = build();
    return table;
}

const MenuStateRow& menu_state_row(MenuEvent event)
{
    for (const MenuStateRow& row : menu_state_table())
        if (row.event == event) return row;
    throw std::logic_error("no menu-state row for event " + std::to_string(static_cast<int>(event)));
}

void apply_menu_event(platform::Toolkit& ui, MenuEvent event)
{
    for (const MenuChange& change : menu_state_row(event).changes) apply(ui, change);
}

void set_menu_items(platform::Toolkit& ui, std::initializer_list<int> items, bool enabled)
{
    for (int item : items) apply(ui, MenuChange{item, enabled});
}

}  // namespace app
