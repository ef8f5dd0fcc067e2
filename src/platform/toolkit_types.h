// The value types of the toolkit layer: window and control ids, rectangles, events, menus,
// dialog templates, control values, message-box and file-dialog options, pictures.
// Plain data only; no toolkit library appears here and nothing here talks to the user.
#pragma once

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace platform {

// ---- Ids and geometry ----------------------------------------------------------------------

// A window of the program: the main window, a document window or a running modal dialog.
// Ids are never reused within a run, so an id of a destroyed window stays invalid.
using WindowId = int;
inline constexpr WindowId kNoWindow = 0;

// A control is found by its id within its window (dialog template ids, or the ids given to
// controls created at run time).
using ControlId = int;

// Left, top, right, bottom. In pixels, except in dialog templates (dialog units).
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return width() <= 0 || height() <= 0; }
    bool operator==(const Rect&) const = default;
};

// The form dialog templates are written in: position and size.
constexpr Rect rect_at(int x, int y, int width, int height) { return Rect{x, y, x + width, y + height}; }

// ---- Events ---------------------------------------------------------------------------------

enum class EventKind {
    Create,            // the window exists, before it is shown
    Destroy,           // the window is going away; its controls still exist
    CloseRequest,      // close box, system menu (declined: the window closes)
    Size,              // the client area changed; rect is the new client rectangle
    Move,              // a dialog was placed, moved, maximised or restored; rect is its client rectangle
    Paint,             // the client area must be drawn
    Menu,              // a menu item was chosen; id is the item
    Control,           // a control reports something; id is the control, notification what
    MouseDoubleClick,  // a double click in the window's client area (not on a control)
};

enum class Notification {
    None,
    Clicked,           // a button pressed (also Enter: button 1, and Esc: button 2, in dialogs)
    SelectionChanged,  // list box or drop-down list
    DoubleClicked,     // an item of a list box
    TextChanged,       // an edit field or the editor of a text window (by the user)
};

struct Event {
    EventKind kind = EventKind::Create;
    WindowId window = kNoWindow;
    int id = 0;  // Menu: the item id; Control: the control id
    Notification notification = Notification::None;
    Rect rect;   // Size, Move: the client rectangle
};

// A window's event handler: true when it handled the event, false when it declines it and the
// toolkit's default applies (a declined close request closes the window; a declined press of
// button 1 or 2 of a dialog closes the dialog with that answer). An exception thrown by a
// handler ends that event only: the toolkit shows it in an error box and goes on.
using Handler = std::function<bool(const Event&)>;

// ---- Menus ----------------------------------------------------------------------------------

struct MenuItem {
    int id = 0;                     // 0 marks a separator
    std::vector<std::string> path;  // titles of the submenus from the menu bar down; empty: on the bar
    std::string text;               // "&" marks the access key
    bool enabled = true;
};

struct Menu {
    int resource_id = 0;            // 0 with no items: the window has no menu
    std::vector<MenuItem> items;
    bool empty() const { return items.empty(); }
};

// ---- Windows --------------------------------------------------------------------------------

// Style flags of windows (and of dialog templates, where only maximise_box matters).
namespace style {
inline constexpr unsigned sizing_border = 1u << 0;
inline constexpr unsigned title_bar = 1u << 1;
inline constexpr unsigned close_box = 1u << 2;  // the system menu with its close item
inline constexpr unsigned minimise_box = 1u << 3;
inline constexpr unsigned maximise_box = 1u << 4;
inline constexpr unsigned hscroll = 1u << 5;
inline constexpr unsigned vscroll = 1u << 6;
inline constexpr unsigned maximised = 1u << 7;  // opened maximised
inline constexpr unsigned clip_children = 1u << 8;
inline constexpr unsigned clip_siblings = 1u << 9;
}  // namespace style

enum class WindowKind {
    Plain,  // a document window: the handler draws and adds controls
    Text,   // a document window whose client area is a text editor control
};

struct TextOptions {
    bool read_only = false;
    bool word_wrap = false;
};

// A document window inside the main window (the program's toolkit always runs in
// multiple-document mode with three-dimensional controls).
struct WindowDesc {
    WindowKind kind = WindowKind::Plain;
    WindowId parent = kNoWindow;  // kNoWindow: the main window
    Rect rect;                    // in the main window's client coordinates
    std::string title;
    unsigned style = 0;
    Menu menu;                    // its own menu, shown while it is active; none when empty
    Handler handler;
    TextOptions text;             // Text windows only
};

// The main window ("task window"): a frame whose client area holds the document windows.
struct TaskWindowDesc {
    std::string class_name;
    int icon = 0;  // the icon resource its window class carries; 0: the platform's own
    std::string title;
    unsigned style = 0;
    Menu menu;
    Handler handler;
};

enum class WindowState { Normal, Maximised, Minimised };

enum class FontFamily { System, FixedPitch };
struct Font {
    FontFamily family = FontFamily::System;
    int points = 8;
};

// ---- Controls and dialog templates -----------------------------------------------------------

enum class ControlKind {
    Static,       // a text label
    Edit,         // one line, or several with control_flag::multi_line
    PushButton,
    RadioButton,  // automatic: checking one unchecks the other radio buttons of its window
    CheckBox,
    ListBox,
    ComboBox,     // a drop-down list without an edit part
    GroupBox,
};

namespace control_flag {
inline constexpr unsigned default_button = 1u << 0;
inline constexpr unsigned read_only = 1u << 1;
inline constexpr unsigned multi_line = 1u << 2;
inline constexpr unsigned auto_hscroll = 1u << 3;
inline constexpr unsigned vscroll = 1u << 4;
inline constexpr unsigned sorted = 1u << 5;              // lists keep their items in list order
inline constexpr unsigned multiple_selection = 1u << 6;  // each click toggles an item
inline constexpr unsigned centred = 1u << 7;
inline constexpr unsigned right_aligned = 1u << 8;
inline constexpr unsigned border = 1u << 9;
inline constexpr unsigned notify = 1u << 10;             // reports selection changes and double clicks
inline constexpr unsigned tab_stop = 1u << 11;
inline constexpr unsigned group = 1u << 12;              // starts a group
inline constexpr unsigned integral_height = 1u << 13;    // list shortened to whole lines
}  // namespace control_flag

struct ControlDesc {
    ControlId id = 0;
    ControlKind kind = ControlKind::Static;
    std::string text;
    Rect rect;  // dialog units in templates, pixels for controls created at run time
    unsigned flags = 0;
};

struct DialogTemplate {
    int id = 0;
    std::string title;
    Rect rect;          // position and size in dialog units; empty when the template leaves it open
    unsigned style = 0;  // style::maximise_box where the dialog can be maximised
    std::vector<ControlDesc> controls;  // template order, which is also the tab order
};

// What a control holds: the text of statics, buttons and edit fields; the items and the
// selected positions (counted from 0, ascending) of lists; the check state of radio buttons
// and check boxes.
struct ControlValue {
    std::string text;
    std::vector<std::string> items;
    std::vector<int> selected;
    bool checked = false;
    bool operator==(const ControlValue&) const = default;
};

// A modal dialog opened from a template.
struct DialogDesc {
    const DialogTemplate* form = nullptr;
    std::string title;  // "": the template's title
    WindowId parent = kNoWindow;  // kNoWindow: the main window
    Handler handler;
    // Initial values of controls, set before the create event (list items, texts, checks).
    std::vector<std::pair<ControlId, ControlValue>> initial;
};

inline constexpr int kButtonOk = 1;
inline constexpr int kButtonCancel = 2;

struct DialogResult {
    // The answer: 1 (OK, Enter), 2 (cancel: button 2, Esc, the close box, or the handler
    // destroying the dialog), or the button given to end_dialog.
    int button = kButtonCancel;
    // The final value of every control; empty when the handler destroyed the dialog.
    std::map<ControlId, ControlValue> values;
};

// ---- Message boxes and file dialogs ------------------------------------------------------------

enum class MessageIcon { None, Information, Question, Warning, Error };

// The platform's standard button sets; message_box answers the 1-based position of the
// pressed button: Yes 1, No 2, Cancel 3 (OK 1, Cancel 2).
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
inline constexpr int kAnswerYes = 1;
inline constexpr int kAnswerNo = 2;

struct FileFilter {
    std::string label;    // "Pliki raportów (*.RPT)"
    std::string pattern;  // "*.RPT"; "" lists folders only
};

struct FileDialogDesc {
    std::string title;
    std::string initial_name;  // proposed in the name field, usually the mask ("re*.BQZ")
    std::vector<FileFilter> filters;
    std::string folder;        // the folder it opens in (the program's current directory); "" any
};

// ---- Pictures --------------------------------------------------------------------------------

struct Picture {
    std::string path;  // the full path it was loaded from
    int width = 0;     // pixels
    int height = 0;
};

// A picture file that is missing or is no bitmap the toolkit can read.
class PictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A misuse of the toolkit by the program: an unknown window or control, a call that needs a
// text window on another kind. Raised like any run-time error; the handler's trap reports it.
class ToolkitError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace platform
