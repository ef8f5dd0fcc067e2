// Which main-menu items are offered when: one table of the events that enable or grey items
// (the intro's close, each successful load, the findings of the load-time diagnoses, ...; the
// events are named in kb/events.h), applied through the toolkit. The menu itself holds the
// states; nothing here reads them back.
#pragma once

#include <initializer_list>
#include <vector>

#include "kb/context.h"

namespace app {

using kb::MenuEvent;

struct MenuChange {
    int item = 0;
    bool enabled = false;
    bool operator==(const MenuChange&) const = default;
};

// One event and the changes it makes, in the order they are made.
struct MenuStateRow {
    MenuEvent event;
    std::vector<MenuChange> changes;
};

// Every row; each event has exactly one.
const std::vector<MenuStateRow>& menu_state_table();
const MenuStateRow& menu_state_row(MenuEvent event);

// Applies the row of the event to the main menu.
void apply_menu_event(platform::Toolkit& ui, MenuEvent event);

// Enables or greys main-menu items one by one, in the order given. An id the menu does not
// have is ignored, so callers may name items that other versions of the menu carry.
void set_menu_items(platform::Toolkit& ui, std::initializer_list<int> items, bool enabled);

// The main window's listener of the events the program reports (kb::Context::report): each
// event changes the main menu by its row.
class MenuStates final : public kb::EventSink {
public:
    explicit MenuStates(platform::Toolkit& ui) : ui_(ui) {}
    void report(MenuEvent event) override { apply_menu_event(ui_, event); }

private:
    platform::Toolkit& ui_;
};

}  // namespace app
