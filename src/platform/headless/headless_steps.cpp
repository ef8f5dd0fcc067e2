// The user's side of the headless toolkit: taking script steps when the program waits, doing the
// user's commands, and answering notes, questions, prompts and file dialogs. A step that does
// not fit what the program does fails the run; nothing here guesses.
#include "platform/headless/headless_toolkit.h"

#include <algorithm>

#include "platform/event_rules.h"
#include "platform/headless/window_state.h"

namespace platform::headless {

using namespace detail;

namespace {

constexpr std::string_view kModalVerbs[] = {"dialog", "note",  "error",   "question", "message", "prompt",
                                            "open",   "save",  "replace", "mkdir",    "rmdir"};

bool is_modal_verb(std::string_view verb)
{
    return std::find(std::begin(kModalVerbs), std::end(kModalVerbs), verb) != std::end(kModalVerbs);
}

}  // namespace

// ---- The script --------------------------------------------------------------------------------------

// The program waits for the user from here on: whatever it has shown so far goes out first.
// While the program ends nothing modal opens: the transcript says what was not shown, and the
// call ends the handler that made it.
Step HeadlessToolkit::take_step(const std::string& shown, std::initializer_list<std::string_view> verbs)
{
    if (life_.ending()) {
        transcript_.line(shown + " (not shown: the program ends)");
        throw ProgramExit{};
    }
    transcript_.flush();
    if (script_.done()) throw ScriptFailure("the script has ended, but the program shows " + shown);
    const Step& step = script_.peek();
    if (std::find(verbs.begin(), verbs.end(), step.verb) == verbs.end())
        throw ScriptFailure(describe(step) + " does not match: the program shows " + shown);
    return script_.take();
}

Step HeadlessToolkit::take_user_step(const std::string& waiting)
{
    transcript_.flush();
    if (script_.done()) throw ScriptFailure("the script has ended, but the program waits: " + waiting);
    const Step& step = script_.peek();
    if (is_modal_verb(step.verb))
        throw ScriptFailure(describe(step) + " answers something the program did not ask: the program waits: " +
                            waiting);
    return script_.take();
}

// A title given in the step (its one quoted argument) must be the title the program shows.
void HeadlessToolkit::check_title(const Step& step, std::string_view actual, const std::string& shown) const
{
    for (const Arg& arg : step.args)
        if (arg.quoted && arg.text != actual)
            throw ScriptFailure(describe(step) + " expects the title " + in_quotes(arg.text) + ", but the program shows " +
                                shown);
}

std::size_t HeadlessToolkit::answer_index(const Step& step, const std::vector<std::string>& buttons,
                                          const std::string& shown) const
{
    if (step.answer->is_word("close")) return buttons.size() - 1;
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (plain_label(buttons[i]) == plain_label(step.answer->text)) return i;
    throw ScriptFailure(describe(step) + " presses a button the program does not offer: the program shows " + shown);
}

void HeadlessToolkit::echo(const Step& step) { transcript_.line("> " + step.source); }

// One step of the user while the program waits: in its event loop (dialog kNoWindow) or in a
// modal dialog.
void HeadlessToolkit::perform_user_step(const Step& step, WindowId dialog)
{
    const std::string& verb = step.verb;
    const bool in_dialog = dialog != kNoWindow;
    auto only_outside_dialogs = [&] {
        if (in_dialog)
            throw ScriptFailure(describe(step) + " cannot be done while " + describe_window(alive_window(dialog)) +
                                " is open");
    };
    if (verb == "menu") {
        only_outside_dialogs();
        perform_menu_step(step);
    } else if (verb == "close") {
        if (!step.args.empty()) only_outside_dialogs();
        const WindowId target = !step.args.empty() ? titled_window(step) : in_dialog ? dialog : life_.main();
        echo(step);
        life_.deliver_with_default(target, Event{EventKind::CloseRequest, target, 0, Notification::None, {}});
    } else if (verb == "focus" && in_dialog) {
        perform_control_step(step, dialog);
    } else if (verb == "focus") {
        const WindowId target = titled_window(step);
        echo(step);
        activate_window(target);
    } else if (verb == "maximise" || verb == "restore" || verb == "minimise") {
        if (!step.args.empty()) only_outside_dialogs();
        perform_state_step(step, dialog);
    } else if (verb == "resize") {
        only_outside_dialogs();
        if (!step.args[0].is_number() || !step.args[1].is_number())
            throw ScriptFailure(describe(step) + ": width and height are numbers");
        echo(step);
        options_.main_client = Rect{0, 0, step.args[0].number(), step.args[1].number()};
        life_.size_changed(life_.main());
        for (Window* w : open_windows())
            if (w->is_document() && w->state == WindowState::Maximised) life_.size_changed(w->id);
    } else if (verb == "paint") {
        const WindowId target = !step.args.empty() ? titled_window(step) : in_dialog ? dialog : focused_window();
        echo(step);
        life_.paint(target);
    } else if (verb == "enter" || verb == "esc") {
        if (!in_dialog) throw ScriptFailure(describe(step) + ": keys go to a modal dialog, and none is open");
        echo(step);
        life_.deliver_with_default(dialog, verb == "enter" ? enter_key_event(dialog, focused_button(dialog))
                                                           : esc_key_event(dialog));
    } else if (verb == "type" || verb == "caret" || verb == "mark") {
        only_outside_dialogs();
        const WindowId target = focused_window();
        Window& w = alive_window(target);
        if (w.role != WindowRole::Text) throw ScriptFailure(describe(step) + ": the active window is no text window");
        if (verb == "type" && w.editor.read_only)
            throw ScriptFailure(describe(step) + ": the text of " + q(w.title) + " is read-only");
        echo(step);
        if (verb == "type") {
            w.editor.type(step.args.front().text);
            life_.deliver(target, Event{EventKind::Control, target, 0, Notification::TextChanged, {}});
        } else if (verb == "caret") {
            const Arg& at = step.args.front();
            if (!at.is_word("end") && !at.is_number()) throw ScriptFailure(describe(step) + ": a position or `end`");
            w.editor.set_caret(at.is_word("end") ? std::string::npos : static_cast<std::size_t>(std::max(0, at.number())));
        } else {
            if (!step.args[0].is_number() || !step.args[1].is_number())
                throw ScriptFailure(describe(step) + ": two positions");
            w.editor.select(static_cast<std::size_t>(std::max(0, step.args[0].number())),
                            static_cast<std::size_t>(std::max(0, step.args[1].number())));
        }
    } else {
        perform_control_step(step, in_dialog ? dialog : focused_window());
    }
    report_changes();
}

// The document window named by the step's title; the last opened when several have it.
WindowId HeadlessToolkit::titled_window(const Step& step) const
{
    const std::string& title = step.args.front().text;
    std::optional<WindowId> found;
    std::string open;
    for (const Window* w : open_windows()) {
        if (!w->is_document()) continue;
        if (w->title == title) found = w->id;
        open += (open.empty() ? "" : ", ") + q(w->title);
    }
    if (!found)
        throw ScriptFailure(describe(step) + ": no window has that title; the program shows " +
                            (open.empty() ? std::string("no document window") : "the windows " + open));
    return *found;
}

// maximise, restore, minimise: a document window (the one named, else the active one), or the
// open dialog when it has a maximise box; its client area changes and it hears of it.
void HeadlessToolkit::perform_state_step(const Step& step, WindowId dialog)
{
    const WindowState state = step.verb == "maximise"   ? WindowState::Maximised
                              : step.verb == "minimise" ? WindowState::Minimised
                                                        : WindowState::Normal;
    if (dialog == kNoWindow) {
        const WindowId target = step.args.empty() ? focused_window() : titled_window(step);
        if (!alive_window(target).is_document())
            throw ScriptFailure(describe(step) + ": no document window is active");
        echo(step);
        set_window_state(target, state);
        return;
    }
    Window& d = alive_window(dialog);
    if (state == WindowState::Minimised || !(d.style & style::maximise_box))
        throw ScriptFailure(describe(step) + ": " + describe_window(d) + " has no " +
                            (state == WindowState::Minimised ? "minimise" : "maximise") + " box");
    echo(step);
    const Rect client = state == WindowState::Maximised ? options_.main_client : dialog_client_rect(*d.form);
    if (client == d.rect) return;
    d.rect = client;
    life_.deliver_with_default(dialog, Event{EventKind::Move, dialog, 0, Notification::None, client});
}

void HeadlessToolkit::perform_menu_step(const Step& step)
{
    const Arg& wanted = step.args.front();
    auto matches = [&](const MenuItem& m) {
        return m.id != 0 && (wanted.is_number() ? m.id == wanted.number() : plain_label(m.text) == plain_label(wanted.text));
    };
    // The active window's own menu first, then the main menu.
    for (const WindowId owner : {focused_window(), life_.main()}) {
        Window& w = alive_window(owner);
        for (const MenuItem& m : w.menu.items) {
            if (!matches(m)) continue;
            if (!m.enabled)
                throw ScriptFailure(describe(step) + ": menu item " + std::to_string(m.id) + " " + in_quotes(m.text) +
                                    " is greyed");
            transcript_.line("> menu " + std::to_string(m.id) + " " + in_quotes(m.text));
            life_.deliver_with_default(owner, Event{EventKind::Menu, owner, m.id, Notification::None, {}});
            return;
        }
    }
    const Window& active = alive_window(focused_window());
    throw ScriptFailure(describe(step) + ": no such item in the main menu" +
                        (active.menu.empty() ? std::string() : " nor in the menu of " + q(active.title)));
}

// set, select, check, uncheck, press, dblclick, and focus in a dialog: on a control of the dialog
// or the active window.
void HeadlessToolkit::perform_control_step(const Step& step, WindowId target)
{
    const std::string& verb = step.verb;
    Window& w = alive_window(target);
    if (verb == "dblclick" && step.args.empty()) {
        echo(step);
        life_.deliver(target, Event{EventKind::MouseDoubleClick, target, 0, Notification::None, {}});
        return;
    }
    if (!step.args.front().is_number()) throw ScriptFailure(describe(step) + ": a control id comes first");
    const ControlId id = step.args.front().number();
    Control* found = nullptr;
    for (Control& c : w.controls)
        if (c.desc.id == id) found = &c;
    if (!found) throw ScriptFailure(describe(step) + ": " + describe_window(w) + " has no control " + std::to_string(id));
    Control& c = *found;
    if (!c.enabled) throw ScriptFailure(describe(step) + ": control " + std::to_string(id) + " is disabled");
    // The control the user works on takes the keyboard focus, as a click or the Tab key gives it.
    if (w.is_dialog()) w.focus = id;
    if (verb == "focus") {
        echo(step);
        return;
    }
    const ControlKind kind = c.desc.kind;
    auto send = [&](Notification n) { life_.deliver_with_default(target, Event{EventKind::Control, target, id, n, {}}); };
    auto require = [&](bool ok, const char* what) {
        if (!ok) throw ScriptFailure(describe(step) + ": control " + std::to_string(id) + " is " + kind_name(kind) + ", " + what);
    };
    // The positions named by the arguments from `first` on: numbers, or item texts.
    auto positions = [&](std::size_t first) {
        std::vector<int> out;
        for (std::size_t i = first; i < step.args.size(); ++i) {
            const Arg& a = step.args[i];
            const auto& items = c.value.items;
            int at = -1;
            if (a.is_number()) {
                at = a.number();
            } else {
                const auto it = std::find(items.begin(), items.end(), a.text);
                if (it != items.end()) at = static_cast<int>(it - items.begin());
            }
            if (at < 0 || at >= static_cast<int>(items.size())) {
                std::string held;
                for (const std::string& item : items) held += (held.empty() ? "" : ", ") + q(item);
                throw ScriptFailure(describe(step) + ": the list holds no item " + in_quotes(a.text) + "; it holds [" +
                                    held + "]");
            }
            out.push_back(at);
        }
        return out;
    };

    if (verb == "set") {
        require(kind == ControlKind::Edit, "not an edit field");
        require(!(c.desc.flags & control_flag::read_only), "read-only");
        echo(step);
        c.value.text = step.args[1].text;
        send(Notification::TextChanged);
    } else if (verb == "select") {
        require(is_list(kind), "not a list");
        std::vector<int> chosen = positions(1);
        if (!(c.desc.flags & control_flag::multiple_selection) && chosen.size() > 1)
            throw ScriptFailure(describe(step) + ": the list takes one item");
        echo(step);
        set_list_selections(target, id, chosen);
        send(Notification::SelectionChanged);
    } else if (verb == "check" || verb == "uncheck") {
        require(kind == ControlKind::RadioButton || kind == ControlKind::CheckBox, "not a radio button or check box");
        require(verb == "check" || kind == ControlKind::CheckBox, "a radio button (check another one instead)");
        echo(step);
        set_checked(target, id, verb == "check");
        send(Notification::Clicked);
    } else if (verb == "press") {
        require(kind == ControlKind::PushButton, "not a push button");
        echo(step);
        send(Notification::Clicked);
    } else if (verb == "dblclick") {
        require(kind == ControlKind::ListBox, "not a list box");
        echo(step);
        if (step.args.size() > 1) {
            set_list_selections(target, id, positions(1));
            send(Notification::SelectionChanged);
        }
        if (window_exists(target) && !(w.is_dialog() && w.ended)) send(Notification::DoubleClicked);
    } else {
        throw ScriptFailure(describe(step) + " is no step the user can take here");
    }
}

// ---- Boxes ---------------------------------------------------------------------------------------

void HeadlessToolkit::note(std::string_view title, std::string_view text)
{
    report_changes();
    const std::string shown = "note " + q(title) + ": " + q(text);
    check_title(take_step(shown, {"note"}), title, shown);
    transcript_.line(shown);
}

void HeadlessToolkit::error_box(std::string_view title, std::string_view text)
{
    report_changes();
    const std::string shown = "error " + q(title) + ": " + q(text);
    check_title(take_step(shown, {"error"}), title, shown);
    transcript_.line(shown);
}

int HeadlessToolkit::question(std::string_view title, std::string_view text, const std::vector<std::string>& buttons)
{
    if (buttons.empty()) throw ToolkitError("a question needs buttons");
    report_changes();
    const std::string shown = "question " + q(title) + ": " + q(text) + " " + button_list(buttons);
    const Step step = take_step(shown, {"question"});
    check_title(step, title, shown);
    const std::size_t answer = answer_index(step, buttons, shown);
    transcript_.line(shown + " -> " + buttons[answer]);
    return static_cast<int>(answer);
}

int HeadlessToolkit::message_box(std::string_view title, std::string_view text, MessageIcon, MessageButtons buttons,
                                 int)
{
    report_changes();
    const std::vector<std::string> labels = message_labels(buttons);
    const std::string shown = "message " + q(title) + ": " + q(text) + " " + button_list(labels);
    const Step step = take_step(shown, {"message"});
    check_title(step, title, shown);
    const std::size_t answer = answer_index(step, labels, shown);
    transcript_.line(shown + " -> " + labels[answer]);
    return static_cast<int>(answer) + 1;
}

std::optional<std::string> HeadlessToolkit::prompt(std::string_view title, std::string_view label,
                                                   std::string_view initial)
{
    report_changes();
    std::string shown = "prompt " + q(title) + ": " + q(label);
    if (!initial.empty()) shown += " initial " + q(initial);
    const Step step = take_step(shown, {"prompt"});
    check_title(step, title, shown);
    if (step.answer->is_word("cancel")) {
        transcript_.line(shown + " -> cancelled");
        return std::nullopt;
    }
    transcript_.line(shown + " -> " + q(step.answer->text));
    return step.answer->text;
}

std::string HeadlessToolkit::file_dialog_text(std::string_view verb, const FileDialogDesc& desc) const
{
    std::string out = std::string(verb) + " dialog " + q(desc.title) + " name " + q(desc.initial_name);
    for (const FileFilter& f : desc.filters) out += " filter " + q(f.label) + " " + q(f.pattern);
    return out;
}

// The file the user chose in an open or save dialog, as a full path; "" when cancelled.
std::string HeadlessToolkit::answer_file_dialog(std::string_view verb, const FileDialogDesc& desc)
{
    const std::string shown = file_dialog_text(verb, desc);
    Step step = take_step(shown, {verb, "mkdir", "rmdir"});
    // Folders made or removed inside the dialog, as the user of a file dialog can.
    while (step.verb == "mkdir" || step.verb == "rmdir") {
        const std::string folder = files_.resolve(step.args.front().text);
        if (step.verb == "mkdir")
            files_.create_directory(folder);
        else
            files_.remove_directory(folder);
        transcript_.line(shown + ": " + step.verb + " " + in_quotes(relative(folder)));
        step = take_step(shown, {verb, "mkdir", "rmdir"});
    }
    check_title(step, desc.title, shown);
    if (step.answer->is_word("cancel")) {
        transcript_.line(shown + " -> cancelled");
        return "";
    }
    const std::string path = files_.resolve(step.answer->text);
    transcript_.line(shown + " -> " + in_quotes(relative(path)));
    return path;
}

std::string HeadlessToolkit::open_file_dialog(const FileDialogDesc& desc)
{
    report_changes();
    return answer_file_dialog("open", desc);
}

// A chosen file that exists must be confirmed; "Nie" goes back to the dialog.
std::string HeadlessToolkit::save_file_dialog(const FileDialogDesc& desc)
{
    report_changes();
    for (;;) {
        const std::string path = answer_file_dialog("save", desc);
        if (path.empty() || !files_.exists(path)) return path;
        const std::vector<std::string> labels = message_labels(MessageButtons::YesNo);
        const std::string confirm = "replace " + in_quotes(relative(path)) + "? " + button_list(labels);
        const Step answer = take_step(confirm, {"replace"});
        const std::size_t choice = answer_index(answer, labels, confirm);
        transcript_.line(confirm + " -> " + labels[choice]);
        if (choice == 0) return path;
    }
}

}  // namespace platform::headless

namespace platform::headless {

// The push button with the dialog's keyboard focus, 0 when the focus is elsewhere.
ControlId HeadlessToolkit::focused_button(WindowId dialog) const
{
    const Window& d = alive_window(dialog);
    for (const Control& c : d.controls)
        if (c.desc.id == d.focus && c.desc.kind == ControlKind::PushButton && c.enabled) return c.desc.id;
    return 0;
}

}  // namespace platform::headless
