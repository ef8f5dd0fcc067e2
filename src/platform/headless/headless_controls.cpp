// The headless toolkit's text windows and controls: editor text, list items and selections,
// checks, enable states, rectangles, kept as data. Records nothing; changes show in the
// transcript when the toolkit next reports them.
#include "platform/headless/headless_toolkit.h"

#include <algorithm>
#include <set>

#include "platform/list_order.h"
#include "platform/headless/window_state.h"

namespace platform::headless {

using namespace detail;

// ---- Text windows ----------------------------------------------------------------------------------

std::string HeadlessToolkit::editor_text(WindowId window) const { return text_window(window).editor.text(); }
void HeadlessToolkit::set_editor_text(WindowId window, std::string_view text) { text_window(window).editor.set_text(text); }
void HeadlessToolkit::editor_append(WindowId window, std::string_view text) { text_window(window).editor.append(text); }
std::size_t HeadlessToolkit::editor_caret(WindowId window) const { return text_window(window).editor.caret(); }
void HeadlessToolkit::set_editor_caret(WindowId window, std::size_t position) { text_window(window).editor.set_caret(position); }
void HeadlessToolkit::editor_select(WindowId window, std::size_t from, std::size_t to) { text_window(window).editor.select(from, to); }
bool HeadlessToolkit::editor_can_undo(WindowId window) const { return text_window(window).editor.can_undo(); }
bool HeadlessToolkit::editor_can_redo(WindowId window) const { return text_window(window).editor.can_redo(); }
void HeadlessToolkit::editor_undo(WindowId window) { text_window(window).editor.undo(); }
void HeadlessToolkit::editor_redo(WindowId window) { text_window(window).editor.redo(); }
void HeadlessToolkit::editor_copy(WindowId window) { clipboard_ = text_window(window).editor.selected_text(); }
void HeadlessToolkit::editor_set_read_only(WindowId window, bool read_only) { text_window(window).editor.read_only = read_only; }
void HeadlessToolkit::editor_set_word_wrap(WindowId window, bool word_wrap) { text_window(window).editor.word_wrap = word_wrap; }

void HeadlessToolkit::editor_cut(WindowId window)
{
    TextEditor& editor = text_window(window).editor;
    clipboard_ = editor.selected_text();
    if (!editor.read_only) editor.delete_selection();
}

void HeadlessToolkit::editor_paste(WindowId window)
{
    TextEditor& editor = text_window(window).editor;
    if (!editor.read_only) editor.replace_selection(clipboard_);
}

void HeadlessToolkit::editor_delete(WindowId window)
{
    TextEditor& editor = text_window(window).editor;
    if (!editor.read_only) editor.delete_selection();
}

// ---- Controls --------------------------------------------------------------------------------------

void HeadlessToolkit::create_control(WindowId window, const ControlDesc& desc)
{
    Window& w = alive_window(window);
    if (has_control(window, desc.id))
        throw ToolkitError("window " + q(w.title) + " has a control " + std::to_string(desc.id) + " already");
    Control c;
    c.desc = desc;
    c.value.text = desc.text;
    c.rect = desc.rect;
    w.controls.push_back(std::move(c));
}

bool HeadlessToolkit::has_control(WindowId window, ControlId id) const
{
    const Window& w = alive_window(window);
    return std::any_of(w.controls.begin(), w.controls.end(), [&](const Control& c) { return c.desc.id == id; });
}

void HeadlessToolkit::set_control_text(WindowId window, ControlId id, std::string_view text)
{
    control(window, id).value.text = std::string(text);
}

std::string HeadlessToolkit::control_text(WindowId window, ControlId id) const
{
    const Control& c = control(window, id);
    if (c.desc.kind == ControlKind::ComboBox)
        return c.value.selected.empty() ? std::string() : c.value.items.at(static_cast<std::size_t>(c.value.selected.front()));
    return c.value.text;
}

void HeadlessToolkit::clear_list(WindowId window, ControlId id)
{
    Control& c = control(window, id);
    c.value.items.clear();
    c.value.selected.clear();
}

void HeadlessToolkit::add_list_items(WindowId window, ControlId id, const std::vector<std::string>& items)
{
    Control& c = control(window, id);
    for (const std::string& item : items) {
        if (!(c.desc.flags & control_flag::sorted)) {
            c.value.items.push_back(item);
            continue;
        }
        const std::size_t at = sorted_position(c.value.items, item);
        c.value.items.insert(c.value.items.begin() + static_cast<std::ptrdiff_t>(at), item);
        for (int& s : c.value.selected)
            if (s >= static_cast<int>(at)) ++s;
    }
}

std::vector<std::string> HeadlessToolkit::list_items(WindowId window, ControlId id) const
{
    return control(window, id).value.items;
}

int HeadlessToolkit::list_selection(WindowId window, ControlId id) const
{
    const Control& c = control(window, id);
    return c.value.selected.empty() ? -1 : c.value.selected.front();
}

void HeadlessToolkit::set_list_selection(WindowId window, ControlId id, int position)
{
    Control& c = control(window, id);
    c.value.selected.clear();
    if (position >= 0 && position < static_cast<int>(c.value.items.size())) c.value.selected.push_back(position);
}

std::vector<int> HeadlessToolkit::list_selections(WindowId window, ControlId id) const
{
    return control(window, id).value.selected;
}

void HeadlessToolkit::set_list_selections(WindowId window, ControlId id, const std::vector<int>& positions)
{
    Control& c = control(window, id);
    std::set<int> chosen;
    for (int p : positions)
        if (p >= 0 && p < static_cast<int>(c.value.items.size())) chosen.insert(p);
    c.value.selected.assign(chosen.begin(), chosen.end());
    if (!(c.desc.flags & control_flag::multiple_selection) && c.value.selected.size() > 1)
        c.value.selected.erase(c.value.selected.begin() + 1, c.value.selected.end());
}

void HeadlessToolkit::enable_control(WindowId window, ControlId id, bool enabled) { control(window, id).enabled = enabled; }
bool HeadlessToolkit::control_enabled(WindowId window, ControlId id) const { return control(window, id).enabled; }
bool HeadlessToolkit::is_checked(WindowId window, ControlId id) const { return control(window, id).value.checked; }
void HeadlessToolkit::move_control(WindowId window, ControlId id, Rect rect) { control(window, id).rect = rect; }
Rect HeadlessToolkit::control_rect(WindowId window, ControlId id) const { return control(window, id).rect; }

// Checking a radio button unchecks the other radio buttons of its window.
void HeadlessToolkit::set_checked(WindowId window, ControlId id, bool checked)
{
    Control& c = control(window, id);
    if (checked && c.desc.kind == ControlKind::RadioButton)
        for (Control& other : alive_window(window).controls)
            if (other.desc.kind == ControlKind::RadioButton) other.value.checked = false;
    c.value.checked = checked;
}

}  // namespace platform::headless
