// The headless toolkit: the program's windows, menus and events as data, the event loop and the
// modal dialogs, each running over the script step by step as the program asks. Nothing here
// waits for a person or draws a pixel.
#include "platform/headless/headless_toolkit.h"

#include <algorithm>
#include <set>

#include "platform/event_rules.h"
#include "platform/headless/window_state.h"

namespace platform::headless {

using namespace detail;

// ---- Construction and inspection ----------------------------------------------------------------

HeadlessToolkit::HeadlessToolkit(Script script, HeadlessOptions options)
    : script_(std::move(script)),
      options_(std::move(options)),
      files_(options_.working_dir.empty() ? files::Files() : files::Files(options_.working_dir)),
      transcript_(options_.mirror),
      output_(files_)
{
}

HeadlessToolkit::~HeadlessToolkit() = default;

std::vector<std::string> HeadlessToolkit::aux_lines() const
{
    return aux_ ? aux_->lines() : std::vector<std::string>{};
}

bool HeadlessToolkit::menu_item_enabled(int item) const
{
    const Window& main = alive_window(main_);
    for (const MenuItem& m : main.menu.items)
        if (m.id == item) return m.enabled;
    throw ToolkitError("no item " + std::to_string(item) + " in the main menu");
}

void HeadlessToolkit::check_script_finished() const
{
    if (!script_.done())
        throw ScriptFailure("the program has ended, but the script goes on at " + describe(script_.peek()));
}

// ---- Transcript helpers ----------------------------------------------------------------------------

std::string HeadlessToolkit::relative(const std::string& path) const
{
    const std::string& dir = files_.current_dir();
    if (path == dir) return ".";
    if (path.size() > dir.size() && path.starts_with(dir) && (dir.ends_with('/') || path[dir.size()] == '/'))
        return path.substr(dir.size() + (dir.ends_with('/') ? 0 : 1));
    return scrub(path);
}

std::string HeadlessToolkit::scrub(std::string_view text) const
{
    const std::string& dir = files_.current_dir();
    std::string out(text);
    if (dir.size() < 2) return out;
    for (std::size_t at = out.find(dir); at != std::string::npos; at = out.find(dir, at + 5))
        out.replace(at, dir.size(), "<dir>");
    return out;
}

std::string HeadlessToolkit::describe_window(const Window& w) const
{
    if (w.is_dialog()) return "dialog " + std::to_string(w.form->id) + " " + q(w.title);
    return q(w.title);
}

// Prints what changed in the controls and texts of every open window since it was last printed.
// Lines of the window the user works in (the innermost dialog, else the active window) stand
// alone; others name their window.
void HeadlessToolkit::report_changes()
{
    const WindowId context = dialogs_.empty() ? focused_window() : dialogs_.back();
    for (auto& [id, w] : windows_) {
        if (!w->alive || (w->is_dialog() && w->ended)) continue;
        const std::string where = id == context ? "  " : "  in " + describe_window(*w) + ": ";
        for (Control& c : w->controls) {
            const Window::Shown now{c.value, c.enabled};
            const auto it = w->shown.find(c.desc.id);
            if (it != w->shown.end() && it->second == now) continue;
            w->shown[c.desc.id] = now;
            std::string line = std::to_string(c.desc.id) + " " + kind_name(c.desc.kind);
            if (is_list(c.desc.kind)) {
                line += " [";
                for (std::size_t i = 0; i < c.value.items.size(); ++i)
                    line += (i ? ", " : "") + q(c.value.items[i]);
                line += "]";
                if (!c.value.selected.empty()) {
                    line += " selected";
                    for (int s : c.value.selected) line += " " + std::to_string(s);
                }
            } else {
                line += " " + q(c.value.text);
                if (c.desc.kind == ControlKind::RadioButton || c.desc.kind == ControlKind::CheckBox)
                    line += c.value.checked ? " checked" : " unchecked";
            }
            if (!c.enabled) line += " (disabled)";
            transcript_.line(where + line);
        }
        if (w->kind == Window::Kind::Text && w->editor.text() != w->shown_text) {
            w->shown_text = w->editor.text();
            transcript_.line(where + "text:");
            std::string_view rest = w->shown_text;
            while (!rest.empty()) {
                const std::size_t end = std::min(rest.find('\n'), rest.size());
                transcript_.line("  | " + scrub(rest.substr(0, end)));
                rest.remove_prefix(std::min(end + 1, rest.size()));
            }
        }
    }
}

// ---- Windows -------------------------------------------------------------------------------------

HeadlessToolkit::Window* HeadlessToolkit::find(WindowId id) const
{
    const auto it = windows_.find(id);
    return it == windows_.end() ? nullptr : it->second.get();
}

HeadlessToolkit::Window& HeadlessToolkit::alive_window(WindowId id) const
{
    Window* w = find(id);
    if (!w || !w->alive) throw ToolkitError("no window " + std::to_string(id));
    return *w;
}

HeadlessToolkit::Window& HeadlessToolkit::text_window(WindowId id) const
{
    Window& w = alive_window(id);
    if (w.kind != Window::Kind::Text) throw ToolkitError("window " + q(w.title) + " is no text window");
    return w;
}

HeadlessToolkit::Control& HeadlessToolkit::control(WindowId window, ControlId id) const
{
    Window& w = alive_window(window);
    for (Control& c : w.controls)
        if (c.desc.id == id) return c;
    throw ToolkitError("window " + q(w.title) + " has no control " + std::to_string(id));
}

WindowId HeadlessToolkit::add_window(std::unique_ptr<Window> window)
{
    const WindowId id = next_id_++;
    window->id = id;
    windows_.emplace(id, std::move(window));
    return id;
}

bool HeadlessToolkit::window_exists(WindowId window) const
{
    const Window* w = find(window);
    return w && w->alive;
}

WindowId HeadlessToolkit::parent_window(WindowId window) const { return alive_window(window).parent; }

std::string HeadlessToolkit::window_title(WindowId window) const { return alive_window(window).title; }

void HeadlessToolkit::set_window_title(WindowId window, std::string_view title)
{
    Window& w = alive_window(window);
    if (w.title == title) return;
    transcript_.line("title " + q(w.title) + " -> " + q(title));
    w.title = std::string(title);
}

Rect HeadlessToolkit::client_rect(WindowId window) const
{
    const Window& w = alive_window(window);
    switch (w.kind) {
    case Window::Kind::Main: return options_.main_client;
    case Window::Kind::Dialog: return w.rect;
    default:
        if (w.state == WindowState::Maximised) return options_.main_client;
        if (w.state == WindowState::Minimised) return Rect{};
        return Rect{0, 0, w.rect.width(), w.rect.height()};
    }
}

void HeadlessToolkit::set_window_state(WindowId window, WindowState state)
{
    Window& w = alive_window(window);
    if (!w.is_document() || w.state == state) return;
    const Rect before = client_rect(window);
    w.state = state;
    const Rect after = client_rect(window);
    if (after != before) deliver(window, Event{EventKind::Size, window, 0, Notification::None, after});
}

WindowId HeadlessToolkit::focused_window() const
{
    return window_exists(focus_) ? focus_ : main_;
}

void HeadlessToolkit::activate_window(WindowId window)
{
    if (alive_window(window).is_document()) focus_ = window;
}

void HeadlessToolkit::refocus()
{
    focus_ = kNoWindow;
    for (const auto& [id, w] : windows_)
        if (w->alive && !w->destroying && w->is_document()) focus_ = id;
}

void HeadlessToolkit::set_window_font(WindowId window, Font) { alive_window(window); }

WindowId HeadlessToolkit::create_window(const WindowDesc& desc)
{
    if (ending_) return kNoWindow;
    alive_window(main_);
    auto w = std::make_unique<Window>();
    w->parent = desc.parent == kNoWindow ? main_ : alive_window(desc.parent).id;
    w->kind = desc.kind == WindowKind::Text ? Window::Kind::Text : Window::Kind::Document;
    w->title = desc.title;
    w->rect = desc.rect;
    w->style = desc.style;
    w->state = desc.style & style::maximised ? WindowState::Maximised : WindowState::Normal;
    w->handler = desc.handler;
    w->menu = desc.menu;
    w->editor.read_only = desc.text.read_only;
    w->editor.word_wrap = desc.text.word_wrap;
    Window& window = *w;
    const WindowId id = add_window(std::move(w));

    std::string line = window.kind == Window::Kind::Text ? "text window " : "window ";
    line += q(window.title) + " opened at " + rect_text(window.rect);
    if (window.state == WindowState::Maximised) line += ", maximised";
    if (window.kind == Window::Kind::Text)
        line += std::string(window.editor.read_only ? ", read-only" : ", editable") +
                (window.editor.word_wrap ? ", word wrap" : ", no wrap");
    if (!window.menu.empty()) line += ", menu " + std::to_string(window.menu.resource_id);
    transcript_.line(line);

    focus_ = id;
    deliver_with_default(id, Event{EventKind::Create, id, 0, Notification::None, {}});
    if (window_exists(id)) deliver_with_default(id, Event{EventKind::Size, id, 0, Notification::None, client_rect(id)});
    if (window_exists(id)) deliver_with_default(id, Event{EventKind::Paint, id, 0, Notification::None, client_rect(id)});
    report_changes();
    return id;
}

void HeadlessToolkit::destroy_window(WindowId window)
{
    if (window == main_ && main_ != kNoWindow) {
        if (!window_exists(main_)) return;
        if (handler_depth_ > 0) end_program();
        destroy_main();
        return;
    }
    Window* w = find(window);
    if (!w || !w->alive || w->destroying) return;
    if (w->is_dialog()) {
        close_dialog(*w, kButtonCancel, false);
        return;
    }
    w->destroying = true;
    // The window goes whatever its handlers do: when one of them ends the program, the end
    // unwinds on once the window and its children are gone.
    bool program_ends = false;
    const auto unless_program_ends = [&](const auto& work) {
        try {
            work();
        } catch (const ProgramExit&) {
            program_ends = true;
        }
    };
    unless_program_ends([&] { deliver(window, Event{EventKind::Destroy, window, 0, Notification::None, {}}); });
    for (auto& [id, child] : windows_)
        if (child->alive && child->parent == window && child->is_document())
            unless_program_ends([&, child_id = id] { destroy_window(child_id); });
    w->alive = false;
    transcript_.line("window " + q(w->title) + " closed");
    if (focus_ == window) refocus();
    if (program_ends) throw ProgramExit{};
}

// The main window goes, and every window with it; handlers see their Destroy events, but nothing
// they do can stop or restart the end.
void HeadlessToolkit::destroy_main()
{
    Window& main = alive_window(main_);
    if (main.destroying) return;
    main.destroying = true;
    ending_ = true;
    try {
        deliver(main_, Event{EventKind::Destroy, main_, 0, Notification::None, {}});
    } catch (const ProgramExit&) {
        // the program is ending already
    }
    for (auto& [id, w] : windows_) {
        if (!w->alive || !w->is_document()) continue;
        try {
            destroy_window(id);
        } catch (const ProgramExit&) {
            // the program is ending already
        }
    }
    aux_.reset();
    main.alive = false;
    transcript_.line("window " + q(main.title) + " closed");
}

void HeadlessToolkit::end_program()
{
    ending_ = true;
    throw ProgramExit{};
}

// ---- Events --------------------------------------------------------------------------------------

Delivery HeadlessToolkit::deliver(WindowId id, const Event& event)
{
    Window* w = find(id);
    if (!w || !w->alive) return Delivery::Declined;
    if (w->destroying && event.kind != EventKind::Destroy) return Delivery::Declined;
    DepthGuard depth(handler_depth_);
    return deliver_trapped(w->handler, event, *this);
}

void HeadlessToolkit::deliver_with_default(WindowId id, const Event& event)
{
    if (deliver(id, event) != Delivery::Declined || !window_exists(id)) return;
    Window& w = alive_window(id);
    switch (default_for_declined(event, w.is_dialog())) {
    case DefaultAction::Nothing: return;
    case DefaultAction::CloseWindow:
        if (id == main_)
            destroy_main();
        else
            destroy_window(id);
        return;
    case DefaultAction::EndDialog: close_dialog(w, default_answer(event), true); return;
    }
}

bool HeadlessToolkit::send_event(WindowId window, const Event& event)
{
    alive_window(window);
    Event sent = event;
    sent.window = window;
    return deliver(window, sent) == Delivery::Handled;
}

// ---- Menus ---------------------------------------------------------------------------------------

void HeadlessToolkit::enable_menu_item(WindowId window, int item, bool enabled)
{
    Window& w = alive_window(window);
    for (MenuItem& m : w.menu.items) {
        if (m.id != item) continue;
        if (m.enabled == enabled) return;
        m.enabled = enabled;
        transcript_.menu_change(w.kind == Window::Kind::Main ? "menu" : "menu of " + q(w.title), item, enabled);
        return;
    }
    throw ToolkitError("no menu item " + std::to_string(item) + " in window " + q(w.title));
}

void HeadlessToolkit::check_menu_item(WindowId window, int item, bool checked)
{
    Window& w = alive_window(window);
    const bool was = w.checked_items.contains(item);
    if (was == checked) return;
    if (checked)
        w.checked_items.insert(item);
    else
        w.checked_items.erase(item);
    transcript_.line("menu item " + std::to_string(item) + (checked ? " checked" : " unchecked"));
}

// ---- The event loop and dialogs -----------------------------------------------------------------

void HeadlessToolkit::run_task_window(const TaskWindowDesc& desc)
{
    if (main_ != kNoWindow) throw ToolkitError("the main window has been created already");
    auto w = std::make_unique<Window>();
    w->kind = Window::Kind::Main;
    w->title = desc.title;
    w->style = desc.style;
    w->handler = desc.handler;
    w->menu = desc.menu;
    main_ = add_window(std::move(w));

    const Window& main = alive_window(main_);
    transcript_.line("main window " + q(main.title) + " (class " + desc.class_name + ", menu " +
                     std::to_string(main.menu.resource_id) + ")");
    std::vector<int> enabled;
    int items = 0;
    for (const MenuItem& m : main.menu.items) {
        if (m.id == 0) continue;
        ++items;
        if (m.enabled) enabled.push_back(m.id);
    }
    std::string menu_line = "menu " + std::to_string(main.menu.resource_id) + ": " + std::to_string(items) + " items, ";
    if (enabled.empty()) {
        menu_line += "all greyed";
    } else if (static_cast<int>(enabled.size()) == items) {
        menu_line += "all enabled";
    } else {
        menu_line += "enabled:";
        for (int id : enabled) menu_line += " " + std::to_string(id);
    }
    transcript_.line(menu_line);

    try {
        deliver_with_default(main_, Event{EventKind::Create, main_, 0, Notification::None, {}});
        if (window_exists(main_))
            deliver_with_default(main_, Event{EventKind::Size, main_, 0, Notification::None, options_.main_client});
        report_changes();
        while (window_exists(main_)) perform_user_step(take_user_step("the main window's event loop"), kNoWindow);
    } catch (const ProgramExit&) {
        // end_program() from some handler: every frame above has been left; the windows go now
    }
    if (window_exists(main_)) destroy_main();
    if (output_.is_open()) {
        try {
            close_output_file();
        } catch (const files::FileError& error) {
            transcript_.line("output file not written: " + scrub(error.what()));
        }
    }
    transcript_.line("end of program");
}

void HeadlessToolkit::close_dialog(Window& dialog, int button, bool keep_values)
{
    if (dialog.ended) return;
    dialog.ended = true;
    dialog.destroying = true;
    dialog.destroyed_by_program = !keep_values;
    dialog.result.button = button;
    if (keep_values) {
        for (const Control& c : dialog.controls) {
            ControlValue value = c.value;
            if (c.desc.kind == ControlKind::ComboBox) value.text = control_text(dialog.id, c.desc.id);
            dialog.result.values.emplace(c.desc.id, std::move(value));
        }
    }
    deliver(dialog.id, Event{EventKind::Destroy, dialog.id, 0, Notification::None, {}});
    dialog.alive = false;
}

void HeadlessToolkit::end_dialog(WindowId dialog, int button)
{
    Window& w = alive_window(dialog);
    if (!w.is_dialog()) throw ToolkitError("window " + q(w.title) + " is no dialog");
    close_dialog(w, button, true);
}

DialogResult HeadlessToolkit::run_dialog(const DialogDesc& desc)
{
    if (!desc.form) throw ToolkitError("a dialog needs its template");
    const DialogTemplate& form = *desc.form;
    const std::string title = desc.title.empty() ? form.title : desc.title;
    report_changes();
    const std::string shown = "dialog " + std::to_string(form.id) + " " + q(title);
    const Step step = take_step(shown, {"dialog"});
    for (const Arg& arg : step.args)
        if (!arg.quoted && (!arg.is_number() || arg.number() != form.id))
            throw ScriptFailure(describe(step) + " expects another dialog, but the program shows " + shown);
    check_title(step, title, shown);

    auto w = std::make_unique<Window>();
    w->kind = Window::Kind::Dialog;
    w->parent = desc.parent == kNoWindow ? main_ : desc.parent;
    w->title = title;
    w->form = &form;
    w->style = form.style;
    w->handler = desc.handler;
    w->rect = dialog_client_rect(form);
    for (const ControlDesc& c : form.controls) {
        Control control;
        control.desc = c;
        control.value.text = c.text;
        control.rect = dialog_units_to_pixels(c.rect);
        w->shown[c.id] = Window::Shown{control.value, true};
        w->controls.push_back(std::move(control));
    }
    for (const auto& [control_id, value] : desc.initial) {
        const ControlId wanted = control_id;  // clang 14 cannot capture a structured binding
        const auto c = std::find_if(w->controls.begin(), w->controls.end(),
                                    [&](const Control& k) { return k.desc.id == wanted; });
        if (c == w->controls.end())
            throw ToolkitError(shown + " has no control " + std::to_string(control_id) + " to set");
        for (const int s : value.selected)
            if (s < 0 || s >= static_cast<int>(value.items.size()))
                throw ToolkitError(shown + ": control " + std::to_string(control_id) + " has no item " +
                                   std::to_string(s) + " to select");
        if (c->desc.kind == ControlKind::RadioButton && value.checked)
            for (Control& other : w->controls)
                if (other.desc.kind == ControlKind::RadioButton) other.value.checked = false;
        c->value = value;
    }
    Window& dialog = *w;
    const WindowId id = add_window(std::move(w));

    transcript_.line(shown + " opened");
    transcript_.indent();
    dialogs_.push_back(id);
    // Leaves the dialog's frame on every way out: the loop ends, the program ends, the script fails.
    struct Frame {
        HeadlessToolkit& ui;
        Window& dialog;
        bool open = true;
        void leave()
        {
            if (!open) return;
            open = false;
            ui.dialogs_.pop_back();
            ui.transcript_.dedent();
            dialog.ended = true;
            dialog.alive = false;
        }
        ~Frame() { leave(); }
    } frame{*this, dialog};

    try {
        deliver_with_default(id, Event{EventKind::Create, id, 0, Notification::None, {}});
        if (!dialog.ended) deliver_with_default(id, Event{EventKind::Move, id, 0, Notification::None, dialog.rect});
        if (!dialog.ended) deliver_with_default(id, Event{EventKind::Paint, id, 0, Notification::None, dialog.rect});
        if (!dialog.ended) report_changes();
        while (!dialog.ended)
            perform_user_step(take_user_step(shown + ", open and waiting for the user"), id);
    } catch (const ProgramExit&) {
        frame.leave();
        transcript_.line("dialog " + std::to_string(form.id) + " closed: the program ends");
        throw;
    }
    frame.leave();
    transcript_.line("dialog " + std::to_string(form.id) + " closed -> " + std::to_string(dialog.result.button) +
                     (dialog.destroyed_by_program ? " (destroyed by the program)" : ""));
    return dialog.result;
}

}  // namespace platform::headless
