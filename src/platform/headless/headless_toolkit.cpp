// The headless toolkit: the program's windows, menus and events as data, the event loop and the
// modal dialogs, each running over the script step by step as the program asks. The windows'
// life is WindowLife's; this file draws it as transcript lines. Nothing here waits for a person.
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
    const Window& main = alive_window(life_.main());
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
    const WindowId context = life_.dialogs().empty() ? focused_window() : life_.dialogs().back();
    for (Window* w : open_windows()) {
        if (w->is_dialog() && w->ended) continue;
        const std::string where = w->id == context ? "  " : "  in " + describe_window(*w) + ": ";
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
        if (w->role == WindowRole::Text && w->editor.text() != w->shown_text) {
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

// ---- The table ------------------------------------------------------------------------------------

HeadlessToolkit::Window* HeadlessToolkit::find(WindowId id) const { return static_cast<Window*>(life_.find(id)); }

HeadlessToolkit::Window& HeadlessToolkit::alive_window(WindowId id) const
{
    return static_cast<Window&>(life_.alive_window(id));
}

HeadlessToolkit::Window& HeadlessToolkit::text_window(WindowId id) const
{
    Window& w = alive_window(id);
    if (w.role != WindowRole::Text) throw ToolkitError("window " + q(w.title) + " is no text window");
    return w;
}

HeadlessToolkit::Control& HeadlessToolkit::control(WindowId window, ControlId id) const
{
    Window& w = alive_window(window);
    for (Control& c : w.controls)
        if (c.desc.id == id) return c;
    throw ToolkitError("window " + q(w.title) + " has no control " + std::to_string(id));
}

std::vector<HeadlessToolkit::Window*> HeadlessToolkit::open_windows() const
{
    std::vector<Window*> out;
    for (WindowRecord* w : life_.windows()) out.push_back(static_cast<Window*>(w));
    return out;
}

std::shared_ptr<WindowRecord> HeadlessToolkit::new_record() { return std::make_shared<Window>(); }

// ---- Windows ----------------------------------------------------------------------------------------

void HeadlessToolkit::run_task_window(const TaskWindowDesc& desc) { life_.run_task_window(desc); }
void HeadlessToolkit::end_program() { life_.end_program(); }
WindowId HeadlessToolkit::create_window(const WindowDesc& desc) { return life_.create_window(desc); }
void HeadlessToolkit::destroy_window(WindowId window) { life_.destroy_window(window); }
bool HeadlessToolkit::window_exists(WindowId window) const { return life_.exists(window); }
WindowId HeadlessToolkit::parent_window(WindowId window) const { return alive_window(window).parent; }
std::string HeadlessToolkit::window_title(WindowId window) const { return alive_window(window).title; }
void HeadlessToolkit::set_window_title(WindowId window, std::string_view title) { life_.set_window_title(window, title); }
WindowId HeadlessToolkit::focused_window() const { return life_.focused_window(); }
void HeadlessToolkit::activate_window(WindowId window) { life_.activate_window(window); }
bool HeadlessToolkit::send_event(WindowId window, const Event& event) { return life_.send_event(window, event); }
void HeadlessToolkit::set_window_font(WindowId window, Font) { alive_window(window); }
DialogResult HeadlessToolkit::run_dialog(const DialogDesc& desc) { return life_.run_dialog(desc); }
void HeadlessToolkit::end_dialog(WindowId dialog, int button) { life_.end_dialog(dialog, button); }

void HeadlessToolkit::title_changed(WindowRecord& window, const std::string& old_title)
{
    transcript_.line("title " + q(old_title) + " -> " + q(window.title));
}

Rect HeadlessToolkit::client_rect(WindowId window) const
{
    const Window& w = alive_window(window);
    switch (w.role) {
    case WindowRole::Main: return options_.main_client;
    case WindowRole::Dialog: return w.rect;
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
    w.state = state;
    life_.size_changed(window);
}

void HeadlessToolkit::open_window(WindowRecord& record, const WindowDesc& desc)
{
    Window& window = static_cast<Window&>(record);
    window.rect = desc.rect;
    window.state = desc.style & style::maximised ? WindowState::Maximised : WindowState::Normal;
    window.menu = desc.menu;
    window.editor.read_only = desc.text.read_only;
    window.editor.word_wrap = desc.text.word_wrap;

    const bool text = window.role == WindowRole::Text;
    std::string line = text ? "text window " : "window ";
    line += q(window.title) + " opened at " + rect_text(window.rect);
    if (window.state == WindowState::Maximised) line += ", maximised";
    if (text)
        line += std::string(window.editor.read_only ? ", read-only" : ", editable") +
                (window.editor.word_wrap ? ", word wrap" : ", no wrap");
    if (!window.menu.empty()) line += ", menu " + std::to_string(window.menu.resource_id);
    transcript_.line(line);
}

void HeadlessToolkit::window_opened(WindowRecord&) { report_changes(); }

void HeadlessToolkit::window_gone(WindowRecord& window) { transcript_.line("window " + q(window.title) + " closed"); }

// ---- Menus ---------------------------------------------------------------------------------------

void HeadlessToolkit::enable_menu_item(WindowId window, int item, bool enabled)
{
    Window& w = alive_window(window);
    for (MenuItem& m : w.menu.items) {
        if (m.id != item) continue;
        if (m.enabled == enabled) return;
        m.enabled = enabled;
        transcript_.menu_change(w.role == WindowRole::Main ? "menu" : "menu of " + q(w.title), item, enabled);
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

// ---- The main window and the event loop --------------------------------------------------------

void HeadlessToolkit::open_main(WindowRecord& record, const TaskWindowDesc& desc)
{
    Window& main = static_cast<Window&>(record);
    main.menu = desc.menu;
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
}

void HeadlessToolkit::run_event_loop()
{
    report_changes();
    while (life_.exists(life_.main())) perform_user_step(take_user_step("the main window's event loop"), kNoWindow);
}

void HeadlessToolkit::main_gone(WindowRecord& main)
{
    aux_.reset();
    transcript_.line("window " + q(main.title) + " closed");
}

void HeadlessToolkit::program_ended()
{
    if (output_.is_open()) {
        try {
            close_output_file();
        } catch (const files::FileError& error) {
            transcript_.line("output file not written: " + scrub(error.what()));
        }
    }
    transcript_.line("end of program");
}

// ---- Dialogs ---------------------------------------------------------------------------------------

void HeadlessToolkit::dialog_asked(const DialogTemplate& form, const std::string& title)
{
    report_changes();
    const std::string shown = "dialog " + std::to_string(form.id) + " " + q(title);
    const Step step = take_step(shown, {"dialog"});
    for (const Arg& arg : step.args)
        if (!arg.quoted && (!arg.is_number() || arg.number() != form.id))
            throw ScriptFailure(describe(step) + " expects another dialog, but the program shows " + shown);
    check_title(step, title, shown);
}

void HeadlessToolkit::open_dialog(WindowRecord& record, const DialogDesc& desc)
{
    Window& dialog = static_cast<Window&>(record);
    const DialogTemplate& form = *dialog.form;
    const std::string shown = describe_window(dialog);
    dialog.rect = dialog_client_rect(form);
    for (const ControlDesc& c : form.controls) {
        Control control;
        control.desc = c;
        control.value.text = c.text;
        control.rect = dialog_units_to_pixels(c.rect);
        dialog.shown[c.id] = Window::Shown{control.value, true};
        dialog.controls.push_back(std::move(control));
    }
    for (const auto& [control_id, value] : desc.initial) {
        const ControlId wanted = control_id;  // clang 14 cannot capture a structured binding
        const auto c = std::find_if(dialog.controls.begin(), dialog.controls.end(),
                                    [&](const Control& k) { return k.desc.id == wanted; });
        if (c == dialog.controls.end())
            throw ToolkitError(shown + " has no control " + std::to_string(control_id) + " to set");
        for (const int s : value.selected)
            if (s < 0 || s >= static_cast<int>(value.items.size()))
                throw ToolkitError(shown + ": control " + std::to_string(control_id) + " has no item " +
                                   std::to_string(s) + " to select");
        if (c->desc.kind == ControlKind::RadioButton && value.checked)
            for (Control& other : dialog.controls)
                if (other.desc.kind == ControlKind::RadioButton) other.value.checked = false;
        c->value = value;
    }
    transcript_.line(shown + " opened");
    transcript_.indent();
}

void HeadlessToolkit::dialog_shown(WindowRecord& record)
{
    Window& dialog = static_cast<Window&>(record);
    dialog.focus = initial_focus(*dialog.form, [&](ControlId id) { return control(dialog.id, id).enabled; });
    report_changes();
}

void HeadlessToolkit::run_dialog_loop(WindowRecord& record)
{
    Window& dialog = static_cast<Window&>(record);
    const std::string waiting = describe_window(dialog) + ", open and waiting for the user";
    while (!dialog.ended) perform_user_step(take_user_step(waiting), dialog.id);
}

std::map<ControlId, ControlValue> HeadlessToolkit::dialog_values(const WindowRecord& record) const
{
    const Window& dialog = static_cast<const Window&>(record);
    std::map<ControlId, ControlValue> values;
    for (const Control& c : dialog.controls) {
        ControlValue value = c.value;
        if (c.desc.kind == ControlKind::ComboBox)
            value.text = c.value.selected.empty() ? std::string()
                                                  : c.value.items.at(static_cast<std::size_t>(c.value.selected.front()));
        values.emplace(c.desc.id, std::move(value));
    }
    return values;
}

void HeadlessToolkit::dialog_left(WindowRecord& record, Leaving how)
{
    const Window& dialog = static_cast<const Window&>(record);
    transcript_.dedent();
    const std::string closed = "dialog " + std::to_string(dialog.form->id) + " closed";
    switch (how) {
    case Leaving::Closed:
        transcript_.line(closed + " -> " + std::to_string(dialog.result.button) +
                         (dialog.destroyed_by_program ? " (destroyed by the program)" : ""));
        return;
    case Leaving::ProgramEnds: transcript_.line(closed + ": the program ends"); return;
    case Leaving::Abandoned: return;
    }
}

}  // namespace platform::headless
