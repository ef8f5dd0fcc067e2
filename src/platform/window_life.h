// The windows of a run and their life, one for every back-end: the table of windows by id, the
// order of their events from creation to Destroy, modal dialogs, the focus and the program's end.
// A back-end only draws: what each step looks like reaches it through WindowDrawing. Nothing
// here draws, records a transcript or waits for a person.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/event_rules.h"
#include "platform/toolkit.h"

namespace platform {

enum class WindowRole { Main, Document, Text, Dialog };

// One window as every back-end sees it. A back-end derives its own record and adds what it draws
// the window with; the table hands the record back to it in each hook.
struct WindowRecord {
    virtual ~WindowRecord() = default;

    WindowId id = kNoWindow;
    WindowId parent = kNoWindow;
    WindowRole role = WindowRole::Document;
    std::string title;
    unsigned style = 0;
    Handler handler;
    // Dialogs.
    const DialogTemplate* form = nullptr;
    bool ended = false;                 // closed, or left while the program ends
    bool destroyed_by_program = false;  // closed by destroy_window: no values
    DialogResult result;
    // Life: out of the table once gone; a Destroy event under way or over.
    bool alive = true;
    bool destroying = false;
    // The client rectangles the handler last heard of in a size and a paint event.
    Rect sized{-1, -1, -1, -1};
    Rect painted{-1, -1, -1, -1};
    bool sizing = false;
    bool size_again = false;

    bool is_dialog() const { return role == WindowRole::Dialog; }
    bool is_document() const { return role == WindowRole::Document || role == WindowRole::Text; }
};

// What a back-end does at each step of a window's life. The life-cycle calls these in a fixed
// order and never calls a handler from inside one; a hook calls no handler either.
class WindowDrawing {
public:
    virtual ~WindowDrawing() = default;

    // A fresh record of the back-end's own kind.
    virtual std::shared_ptr<WindowRecord> new_record() = 0;

    // ---- The main window ----
    virtual void open_main(WindowRecord& main, const TaskWindowDesc& desc) = 0;
    // After its create event, before its first size event.
    virtual void show_main(WindowRecord&) {}
    // Runs until the main window is gone; ProgramExit may leave it.
    virtual void run_event_loop() = 0;
    // Its Destroy event and every other window's are over: what it showed goes.
    virtual void main_gone(WindowRecord& main) = 0;
    // The last step of run_task_window.
    virtual void program_ended() {}

    // ---- Document windows ----
    virtual void open_window(WindowRecord& window, const WindowDesc& desc) = 0;
    // After its create event, before its first size event.
    virtual void show_window(WindowRecord&, const WindowDesc&) {}
    // False when the back-end has put the first paint off (it calls WindowLife::paint later).
    virtual bool paints_at_once(WindowRecord&) { return true; }
    virtual void window_opened(WindowRecord&) {}
    // Its Destroy event and its children's are over and it is out of the table.
    virtual void window_gone(WindowRecord& window) = 0;

    // ---- Modal dialogs ----
    // Before anything of the dialog exists; may throw ProgramExit or a failure of its own.
    virtual void dialog_asked(const DialogTemplate&, const std::string& /*title*/) {}
    virtual void open_dialog(WindowRecord& dialog, const DialogDesc& desc) = 0;
    // After the create event, before the first move event.
    virtual void dialog_placed(WindowRecord&) {}
    virtual void dialog_shown(WindowRecord&) {}
    // Runs until the dialog has ended; ProgramExit may leave it.
    virtual void run_dialog_loop(WindowRecord& dialog) = 0;
    virtual std::map<ControlId, ControlValue> dialog_values(const WindowRecord& dialog) const = 0;
    // The dialog has ended (its Destroy event is over): its loop may return.
    virtual void dialog_finished(WindowRecord&) {}
    // The dialog's frame is left: after it closed, by the program's end, or by a failure that
    // escaped it (an error of the back-end, a failed test script).
    enum class Leaving { Closed, ProgramEnds, Abandoned };
    virtual void dialog_left(WindowRecord& dialog, Leaving how) = 0;

    // ---- Events, titles, focus ----
    virtual void before_paint(WindowRecord&) {}
    virtual void after_paint(WindowRecord&) {}
    // After the size events a change of the client area caused.
    virtual void after_size(WindowRecord&) {}
    virtual void title_changed(WindowRecord& window, const std::string& old_title) = 0;
    // Makes the document window the one the platform shows active.
    virtual void activate(WindowRecord&) {}
    // After a document window went: the one the platform made active (kNoWindow: one that is
    // none of the program's); nullopt when it has no opinion.
    virtual std::optional<WindowId> active_document() const { return std::nullopt; }
    // The focus moved to this window (kNoWindow: none of the program's).
    virtual void focus_moved(WindowId) {}
};

class WindowLife {
public:
    // `ui` shows the error box of the trap and answers client rectangles.
    WindowLife(Toolkit& ui, WindowDrawing& drawing) : ui_(ui), drawing_(drawing) {}
    WindowLife(const WindowLife&) = delete;
    WindowLife& operator=(const WindowLife&) = delete;

    // ---- The table ----
    WindowRecord* find(WindowId id) const;
    WindowRecord& alive_window(WindowId id) const;  // ToolkitError when there is none
    bool exists(WindowId id) const { return find(id) != nullptr; }
    // The windows alive, in the order they were opened.
    std::vector<WindowRecord*> windows() const;
    WindowId main() const { return main_; }
    // The running modal dialogs, innermost last.
    const std::vector<WindowId>& dialogs() const { return dialogs_; }
    bool ending() const { return ending_; }

    // ---- Toolkit calls, carried out ----
    void run_task_window(const TaskWindowDesc& desc);
    [[noreturn]] void end_program();
    WindowId create_window(const WindowDesc& desc);
    void destroy_window(WindowId window);
    void set_window_title(WindowId window, std::string_view title);
    WindowId focused_window() const;
    void activate_window(WindowId window);
    bool send_event(WindowId window, const Event& event);
    DialogResult run_dialog(const DialogDesc& desc);
    void end_dialog(WindowId dialog, int button);

    // ---- What the back-ends report ----
    // Delivers under the error trap; nothing reaches a window that is gone or going.
    Delivery deliver(WindowId id, const Event& event);
    // Delivers and applies the default of a declined event.
    void deliver_with_default(WindowId id, const Event& event);
    // The client area may have changed: size events until the handler has heard of the last one.
    void size_changed(WindowId id);
    // A paint event with the client rectangle of now.
    void paint(WindowId id);
    // The user made a document window (kNoWindow: one that is none of the program's) active.
    void platform_activated(WindowId id);
    // The program is ending: no window opens any more.
    void set_ending() { ending_ = true; }

private:
    WindowRecord& add(std::shared_ptr<WindowRecord> record);
    void remove(WindowId id);
    void destroy_main();
    void close_dialog(WindowRecord& dialog, int button, bool keep_values);
    void refocus();

    Toolkit& ui_;
    WindowDrawing& drawing_;
    // Ids are never reused: a window that is gone is out of the table and its id stays invalid.
    // Shared, so that a handler running when its window goes keeps what it runs in.
    std::map<WindowId, std::shared_ptr<WindowRecord>> table_;
    WindowId next_id_ = 1;
    WindowId main_ = kNoWindow;
    WindowId focus_ = kNoWindow;
    std::vector<WindowId> dialogs_;
    int handler_depth_ = 0;
    bool ending_ = false;
};

}  // namespace platform
