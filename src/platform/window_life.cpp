// The life of the program's windows, the same in every back-end: creation and its first events,
// the Destroy events of a window and its children, the program's end, modal dialogs, focus,
// size and paint events. It decides the order; the back-end draws each step through its hooks.
#include "platform/window_life.h"

#include <utility>

namespace platform {

namespace {

Event event_of(EventKind kind, WindowId window, Rect rect = {})
{
    return Event{kind, window, 0, Notification::None, rect};
}

}  // namespace

// ---- The table ------------------------------------------------------------------------------------

WindowRecord* WindowLife::find(WindowId id) const
{
    const auto it = table_.find(id);
    return it == table_.end() ? nullptr : it->second.get();
}

WindowRecord& WindowLife::alive_window(WindowId id) const
{
    WindowRecord* w = find(id);
    if (!w) throw ToolkitError("no window " + std::to_string(id));
    return *w;
}

std::vector<WindowRecord*> WindowLife::windows() const
{
    std::vector<WindowRecord*> out;
    out.reserve(table_.size());
    for (const auto& [id, w] : table_) out.push_back(w.get());
    return out;
}

WindowRecord& WindowLife::add(std::shared_ptr<WindowRecord> record)
{
    record->id = next_id_++;
    WindowRecord& added = *record;
    table_.emplace(added.id, std::move(record));
    return added;
}

void WindowLife::remove(WindowId id)
{
    const auto it = table_.find(id);
    if (it == table_.end()) return;
    it->second->alive = false;
    table_.erase(it);
}

// ---- Events ---------------------------------------------------------------------------------------

Delivery WindowLife::deliver(WindowId id, const Event& event)
{
    const auto it = table_.find(id);
    if (it == table_.end()) return Delivery::Declined;
    const std::shared_ptr<WindowRecord> window = it->second;  // the handler may destroy it
    if (window->destroying && event.kind != EventKind::Destroy) return Delivery::Declined;
    DepthGuard depth(handler_depth_);
    return deliver_trapped(window->handler, event, ui_);
}

void WindowLife::deliver_with_default(WindowId id, const Event& event)
{
    if (deliver(id, event) != Delivery::Declined) return;
    WindowRecord* w = find(id);
    if (!w) return;
    switch (default_for_declined(event, w->is_dialog())) {
    case DefaultAction::Nothing: return;
    case DefaultAction::CloseWindow: destroy_window(id); return;
    case DefaultAction::EndDialog: close_dialog(*w, default_answer(event), true); return;
    }
}

bool WindowLife::send_event(WindowId window, const Event& event)
{
    alive_window(window);
    Event sent = event;
    sent.window = window;
    return deliver(window, sent) == Delivery::Handled;
}

// A change made while the handler answers a size event is reported when it returns.
void WindowLife::size_changed(WindowId id)
{
    const auto it = table_.find(id);
    if (it == table_.end()) return;
    const std::shared_ptr<WindowRecord> w = it->second;
    if (w->destroying || w->is_dialog()) return;
    if (w->sizing) {
        w->size_again = true;
        return;
    }
    w->sizing = true;
    struct Reset {
        WindowRecord& w;
        ~Reset() { w.sizing = false; }
    } reset{*w};
    do {
        w->size_again = false;
        const Rect now = ui_.client_rect(id);
        if (now == w->sized) break;
        w->sized = now;
        deliver(id, event_of(EventKind::Size, id, now));
    } while (w->alive && !w->destroying && w->size_again);
    if (w->alive && !w->destroying) drawing_.after_size(*w);
}

void WindowLife::paint(WindowId id)
{
    const auto it = table_.find(id);
    if (it == table_.end()) return;
    const std::shared_ptr<WindowRecord> w = it->second;
    if (w->destroying || w->ended) return;
    const Rect now = ui_.client_rect(id);
    w->painted = now;
    drawing_.before_paint(*w);
    deliver(id, event_of(EventKind::Paint, id, now));
    if (w->alive) drawing_.after_paint(*w);
}

// ---- The main window and the program's end -------------------------------------------------------

void WindowLife::run_task_window(const TaskWindowDesc& desc)
{
    if (main_ != kNoWindow) throw ToolkitError("the main window has been created already");
    const std::shared_ptr<WindowRecord> main = drawing_.new_record();
    main->role = WindowRole::Main;
    main->title = desc.title;
    main->style = desc.style;
    main->handler = desc.handler;
    main_ = add(main).id;
    drawing_.open_main(*main, desc);
    try {
        deliver_with_default(main_, event_of(EventKind::Create, main_));
        if (exists(main_)) drawing_.show_main(*main);
        if (exists(main_)) size_changed(main_);
        if (exists(main_) && !ending_) drawing_.run_event_loop();
    } catch (const ProgramExit&) {
        // end_program() from some handler: every frame above has been left; the windows go now
    }
    if (exists(main_)) destroy_main();
    drawing_.program_ended();
}

void WindowLife::end_program()
{
    ending_ = true;
    throw ProgramExit{};
}

// The main window goes, and every window with it; handlers see their Destroy events, but nothing
// they do can stop or restart the end.
void WindowLife::destroy_main()
{
    const auto it = table_.find(main_);
    if (it == table_.end() || it->second->destroying) return;
    const std::shared_ptr<WindowRecord> main = it->second;
    main->destroying = true;
    ending_ = true;
    try {
        deliver(main_, event_of(EventKind::Destroy, main_));
    } catch (const ProgramExit&) {
        // the program is ending already
    }
    for (WindowRecord* w : windows()) {
        if (!w->is_document()) continue;
        try {
            destroy_window(w->id);
        } catch (const ProgramExit&) {
            // the program is ending already
        }
    }
    remove(main_);
    drawing_.main_gone(*main);
}

// ---- Document windows ---------------------------------------------------------------------------

WindowId WindowLife::create_window(const WindowDesc& desc)
{
    if (ending_) return kNoWindow;
    alive_window(main_);
    const std::shared_ptr<WindowRecord> window = drawing_.new_record();
    window->parent = desc.parent == kNoWindow ? main_ : alive_window(desc.parent).id;
    window->role = desc.kind == WindowKind::Text ? WindowRole::Text : WindowRole::Document;
    window->title = desc.title;
    window->style = desc.style;
    window->handler = desc.handler;
    const WindowId id = add(window).id;
    drawing_.open_window(*window, desc);

    focus_ = id;
    deliver_with_default(id, event_of(EventKind::Create, id));
    if (exists(id)) drawing_.show_window(*window, desc);
    if (exists(id)) {
        focus_ = id;  // shown last, it is the active one, whatever its create event opened
        drawing_.activate(*window);
    }
    if (exists(id)) size_changed(id);
    if (exists(id) && drawing_.paints_at_once(*window)) paint(id);
    drawing_.window_opened(*window);
    return id;
}

// The window goes whatever its handlers do: when one of them ends the program, the end unwinds on
// once the window and its children are gone.
void WindowLife::destroy_window(WindowId window)
{
    if (window == main_ && main_ != kNoWindow) {
        if (!exists(main_)) return;
        // From inside a handler the end unwinds first; the windows go in run_task_window.
        if (handler_depth_ > 0) end_program();
        destroy_main();
        return;
    }
    const auto it = table_.find(window);
    if (it == table_.end() || it->second->destroying) return;
    const std::shared_ptr<WindowRecord> w = it->second;
    if (w->is_dialog()) {
        close_dialog(*w, kButtonCancel, false);
        return;
    }
    w->destroying = true;
    bool program_ends = false;
    const auto unless_program_ends = [&](const auto& work) {
        try {
            work();
        } catch (const ProgramExit&) {
            program_ends = true;
        }
    };
    unless_program_ends([&] { deliver(window, event_of(EventKind::Destroy, window)); });
    for (WindowRecord* child : windows())
        if (child->parent == window && child->is_document())
            unless_program_ends([&, child_id = child->id] { destroy_window(child_id); });
    remove(window);
    drawing_.window_gone(*w);
    if (focus_ == window) refocus();
    if (program_ends) throw ProgramExit{};
}

void WindowLife::set_window_title(WindowId window, std::string_view title)
{
    WindowRecord& w = alive_window(window);
    if (w.title == title) return;
    const std::string old_title = std::exchange(w.title, std::string(title));
    drawing_.title_changed(w, old_title);
}

// ---- Focus ------------------------------------------------------------------------------------------

WindowId WindowLife::focused_window() const { return exists(focus_) ? focus_ : main_; }

void WindowLife::activate_window(WindowId window)
{
    WindowRecord& w = alive_window(window);
    if (!w.is_document()) return;
    focus_ = window;
    drawing_.activate(w);
}

void WindowLife::platform_activated(WindowId id)
{
    if (id != kNoWindow) {
        const WindowRecord* w = find(id);
        if (!w || w->destroying) return;
    }
    focus_ = id;
    drawing_.focus_moved(id);
}

// After the focused window went: the one the platform made active, else the latest still open,
// which becomes the active one.
void WindowLife::refocus()
{
    focus_ = kNoWindow;
    const std::optional<WindowId> active = drawing_.active_document();
    WindowRecord* next = nullptr;
    if (!active || *active != kNoWindow) {
        for (WindowRecord* w : windows()) {
            if (!w->is_document() || w->destroying) continue;
            next = w;
            if (active && *active == w->id) break;
        }
    }
    if (!next) {
        drawing_.focus_moved(kNoWindow);
        return;
    }
    focus_ = next->id;
    drawing_.activate(*next);
}

// ---- Modal dialogs ------------------------------------------------------------------------------------

DialogResult WindowLife::run_dialog(const DialogDesc& desc)
{
    if (!desc.form) throw ToolkitError("a dialog needs its template");
    const DialogTemplate& form = *desc.form;
    const std::string title = desc.title.empty() ? form.title : desc.title;
    drawing_.dialog_asked(form, title);
    if (ending_) throw ProgramExit{};

    const std::shared_ptr<WindowRecord> dialog = drawing_.new_record();
    dialog->role = WindowRole::Dialog;
    dialog->parent = desc.parent == kNoWindow ? main_ : desc.parent;
    dialog->title = title;
    dialog->form = &form;
    dialog->style = form.style;
    dialog->handler = desc.handler;
    const WindowId id = add(dialog).id;
    dialogs_.push_back(id);
    // Leaves the dialog's frame on every way out: it closes, the program ends, a failure escapes.
    using Leaving = WindowDrawing::Leaving;
    struct Frame {
        WindowLife& life;
        WindowRecord& dialog;
        bool opened = false;
        bool open = true;
        void leave(Leaving how)
        {
            if (!open) return;
            open = false;
            life.dialogs_.pop_back();
            dialog.ended = true;
            life.remove(dialog.id);
            if (opened) life.drawing_.dialog_left(dialog, how);
        }
        ~Frame() { leave(Leaving::Abandoned); }
    } frame{*this, *dialog};

    try {
        drawing_.open_dialog(*dialog, desc);
        frame.opened = true;
        deliver_with_default(id, event_of(EventKind::Create, id));
        if (!dialog->ended) {
            drawing_.dialog_placed(*dialog);
            deliver_with_default(id, event_of(EventKind::Move, id, ui_.client_rect(id)));
        }
        if (!dialog->ended) paint(id);
        if (!dialog->ended) drawing_.dialog_shown(*dialog);
        if (!dialog->ended) drawing_.run_dialog_loop(*dialog);
    } catch (const ProgramExit&) {
        frame.leave(Leaving::ProgramEnds);
        throw;
    }
    frame.leave(Leaving::Closed);
    if (ending_) throw ProgramExit{};
    return dialog->result;
}

void WindowLife::end_dialog(WindowId dialog, int button)
{
    WindowRecord& w = alive_window(dialog);
    if (!w.is_dialog()) throw ToolkitError("window \"" + w.title + "\" is no dialog");
    close_dialog(w, button, true);
}

// The answer and the values are taken first; the Destroy event still finds the controls.
void WindowLife::close_dialog(WindowRecord& dialog, int button, bool keep_values)
{
    if (dialog.ended) return;
    const std::shared_ptr<WindowRecord> held = table_.at(dialog.id);
    dialog.ended = true;
    dialog.destroying = true;
    dialog.destroyed_by_program = !keep_values;
    dialog.result.button = button;
    if (keep_values) dialog.result.values = drawing_.dialog_values(dialog);
    struct Finish {
        WindowLife& life;
        WindowRecord& dialog;
        ~Finish()
        {
            life.remove(dialog.id);
            life.drawing_.dialog_finished(dialog);
        }
    } finish{*this, dialog};
    deliver(dialog.id, event_of(EventKind::Destroy, dialog.id));
}

}  // namespace platform
