// Menus on the Qt menu bar: each window's menu built from its table of items (submenu paths,
// texts with "&" access keys, ids), the main menu always on the bar and the active document
// window's own menu after it. A chosen item goes to the window whose menu holds it.

#include "platform/qt/qt_state.h"

namespace platform {

using qt::q;

void QtToolkit::build_menu(Win& window, const Menu& menu)
{
    if (menu.empty() || !s_->main_frame) return;
    QWidget* owner = s_->main_frame;
    MenuModel& model = window.menu;
    std::map<std::vector<std::string>, QMenu*> submenus;

    // The submenu at the end of the path, made on first use; nullptr for the menu bar itself.
    auto submenu = [&](const std::vector<std::string>& path) -> QMenu* {
        QMenu* parent = nullptr;
        std::vector<std::string> prefix;
        for (const std::string& title : path) {
            prefix.push_back(title);
            QMenu*& made = submenus[prefix];
            if (!made) {
                made = new QMenu(q(title), owner);
                model.owned.emplace_back(made);
                if (parent)
                    parent->addMenu(made);
                else
                    model.bar.emplace_back(made->menuAction());
            }
            parent = made;
        }
        return parent;
    };

    const WindowId id = window.id;
    for (const MenuItem& item : menu.items) {
        QMenu* in = submenu(item.path);
        if (item.id == 0) {
            if (in) in->addSeparator();
            continue;
        }
        auto* action = new QAction(q(item.text), owner);
        action->setData(item.id);  // the item's id, for whoever looks for it by id
        model.owned.emplace_back(action);
        action->setEnabled(item.enabled);
        if (in)
            in->addAction(action);
        else
            model.bar.emplace_back(action);
        model.items[item.id] = action;
        const int item_id = item.id;
        QObject::connect(action, &QAction::triggered, action, [this, id, item_id] {
            at_boundary([&] {
                s_->life.deliver_with_default(id, Event{EventKind::Menu, id, item_id, Notification::None, {}});
            });
        });
    }
}

// Takes a dead window's menu off the bar and deletes it once Qt is back in its loop (the item
// that destroyed the window may still be on the stack).
void QtToolkit::drop_menu(Win& window)
{
    if (s_->menu_shown == window.id) show_window_menu(kNoWindow);
    for (const QPointer<QObject>& object : window.menu.owned)
        if (object) object->deleteLater();
    window.menu = MenuModel{};
}

// Puts the document window's own menu after the main menu, replacing the one shown before.
void QtToolkit::show_window_menu(WindowId id)
{
    if (s_->menu_shown == id || !s_->main_frame) return;
    s_->menu_shown = kNoWindow;
    s_->menu_shown_bar.clear();
    const Win* w = find(id);
    if (w && !w->destroying && w->is_document() && !w->menu.empty()) {
        s_->menu_shown = id;
        s_->menu_shown_bar = w->menu.bar;
    }
    refresh_menu_bar();
}

// The menu bar shows the main menu, then the active document window's own.
void QtToolkit::refresh_menu_bar()
{
    if (!s_->menu_rows) return;
    std::vector<QAction*> menus;
    if (const Win* main = find(s_->life.main()))
        for (const QPointer<QAction>& action : main->menu.bar)
            if (action) menus.push_back(action);
    for (const QPointer<QAction>& action : s_->menu_shown_bar)
        if (action) menus.push_back(action);
    s_->menu_rows->set_menus(menus);
}

void QtToolkit::enable_menu_item(WindowId window, int item, bool enabled)
{
    Win& w = alive_window(window);
    const auto it = w.menu.items.find(item);
    if (it == w.menu.items.end() || !it->second)
        throw ToolkitError("no menu item " + std::to_string(item) + " in window \"" + w.title + "\"");
    it->second->setEnabled(enabled);
}

void QtToolkit::check_menu_item(WindowId window, int item, bool checked)
{
    Win& w = alive_window(window);
    const auto it = w.menu.items.find(item);
    if (it == w.menu.items.end() || !it->second) return;
    it->second->setCheckable(true);
    it->second->setChecked(checked);
}

}  // namespace platform
