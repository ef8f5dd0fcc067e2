// The headless toolkit's own data: its windows and controls, and the small helpers its source
// files share. Private to src/platform/headless; nothing outside includes it.
#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/headless/headless_toolkit.h"
#include "platform/text.h"

namespace platform::headless {

// ---- Data ------------------------------------------------------------------------------------

struct HeadlessToolkit::Control {
    ControlDesc desc;
    ControlValue value;
    bool enabled = true;
    Rect rect;  // pixels
};

// A window of the table (window_life.h) with what the transcript shows of it.
struct HeadlessToolkit::Window : WindowRecord {
    // What the transcript last showed of a control.
    struct Shown {
        ControlValue value;
        bool enabled = true;
        bool operator==(const Shown&) const = default;
    };

    Rect rect;  // document windows: in the main window's client area; dialogs: client area in pixels
    WindowState state = WindowState::Normal;
    Menu menu;
    std::set<int> checked_items;
    std::vector<Control> controls;
    std::map<ControlId, Shown> shown;
    TextEditor editor;
    std::string shown_text;
    ControlId focus = 0;  // dialogs: the control with the keyboard focus, 0 for none
};

namespace detail {

// Dialog units to pixels, for the system font the templates are laid out for.
inline Rect dialog_units_to_pixels(Rect r)
{
    return Rect{r.left * 3 / 2, r.top * 13 / 8, r.right * 3 / 2, r.bottom * 13 / 8};
}

// A template that leaves its size open gets this one (dialog units).
constexpr int kDefaultDialogWidth = 300;
constexpr int kDefaultDialogHeight = 150;

// The client area of a dialog opened (or restored) at its template's size, in pixels.
inline Rect dialog_client_rect(const DialogTemplate& form)
{
    const Rect size = form.rect.empty() ? rect_at(0, 0, kDefaultDialogWidth, kDefaultDialogHeight) : form.rect;
    return dialog_units_to_pixels(rect_at(0, 0, size.width(), size.height()));
}

inline std::string rect_text(Rect r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

inline const char* kind_name(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Static: return "static";
    case ControlKind::Edit: return "edit";
    case ControlKind::PushButton: return "button";
    case ControlKind::RadioButton: return "radio";
    case ControlKind::CheckBox: return "check";
    case ControlKind::ListBox: return "list";
    case ControlKind::ComboBox: return "combo";
    case ControlKind::GroupBox: return "group";
    }
    return "control";
}

inline bool is_list(ControlKind kind) { return kind == ControlKind::ListBox || kind == ControlKind::ComboBox; }

// Button texts compared as a person reads them: letter case and "&" ignored.
inline std::string plain_label(std::string_view text)
{
    std::string out = text::to_lower(text);
    std::erase(out, '&');
    return out;
}

inline std::vector<std::string> message_labels(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return {"OK"};
    case MessageButtons::OkCancel: return {"OK", "Anuluj"};
    case MessageButtons::YesNo: return {"Tak", "Nie"};
    case MessageButtons::YesNoCancel: return {"Tak", "Nie", "Anuluj"};
    }
    return {"OK"};
}

inline std::string button_list(const std::vector<std::string>& buttons)
{
    std::string out = "[";
    for (std::size_t i = 0; i < buttons.size(); ++i) out += (i ? "|" : "") + buttons[i];
    return out + "]";
}

}  // namespace detail
}  // namespace platform::headless
