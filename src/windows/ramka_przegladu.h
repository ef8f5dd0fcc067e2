// The frame every browse window is built on: the kinds of control it makes at run time, the table
// that places each control in proportion to the client area, and the events it answers (help,
// close, the choice of a number, size, menu commands). The windows themselves only fill it.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "kb/context.h"
#include "platform/toolkit_types.h"
#include "windows/okna.h"

namespace windows {

inline constexpr platform::ControlId kCloseButton = 1;
inline constexpr platform::ControlId kHelpButton = 3;
inline constexpr platform::ControlId kNumberList = 10177;
inline constexpr int kBrowseHelpContext = 1;

enum class BrowseKind {
    LabelRight,      // static text, right-aligned
    LabelCentred,    // static text, centred
    ValueField,      // read-only one-line field, text centred
    ValueFieldLeft,  // the same, text left-aligned
    NumberList,      // drop-down list of numbers, not sorted
    ItemList,        // list box, not sorted, exactly as high as laid out
    SortedItemList,  // the same, keeping its items in list order
    Frame,           // group box, with a caption or without one
    CloseButton,     // "&Zamknij", the default button
    HelpButton,      // "&Pomoc"
};

// A rectangle taken from other controls' final rectangles (left edge of one, top of another, ...)
// and grown by the margins: how frames are placed around what they enclose.
struct Enclosure {
    platform::ControlId left = 0;
    platform::ControlId top = 0;
    platform::ControlId right = 0;
    platform::ControlId bottom = 0;
    platform::Rect margins;  // grown by left, top, right, bottom pixels
};

// One row of a layout table. A control is placed by fractions of the client width W and height H:
// left W*x, top H*y, width W*w, each rounded to the nearest integer, halves up; its height is
// `height` pixels, or H*v for an item list (v > 0). A frame is placed by its enclosure instead.
// `below` names a control whose bottom edge is this one's top (a formula right under its heading).
struct BrowseControl {
    platform::ControlId id = 0;
    BrowseKind kind = BrowseKind::LabelRight;
    std::string text;
    double x = 0;
    double y = 0;
    double w = 0;
    int height = 0;
    double v = 0;
    std::optional<Enclosure> around;
    platform::ControlId below = 0;
};

// The rows of the tables, made by their kind of placement.
BrowseControl placed(platform::ControlId id, BrowseKind kind, std::string text, double x, double y, double w,
                     int height);
BrowseControl list_placed(platform::ControlId id, BrowseKind kind, double x, double y, double w, double v);
BrowseControl placed_below(platform::ControlId id, BrowseKind kind, std::string text, platform::ControlId above,
                           double x, double w, int height);
BrowseControl frame_around(platform::ControlId id, std::string caption, const Enclosure& around);

// A browse window: its document window, its controls in the order the size event places them,
// and the order in which they are made (empty: the same order).
struct BrowseForm {
    DocumentWindow window;
    std::vector<BrowseControl> controls;
    std::vector<platform::ControlId> creation_order;
};

// Where every control of the form goes in a client area, by the table's rule.
std::map<platform::ControlId, platform::Rect> browse_layout(const BrowseForm& form, platform::Rect client);

// The frames of item lists: the list grown by 10 pixels left, 20 up, 10 right and 10 down.
Enclosure captioned_frame_around(platform::ControlId list);

// What one browse window does on top of the frame: fill its controls once they are made (false
// declines the create event), and show the fact with the number chosen in its number list (none
// for a window without a number list). A window that may have nothing to show at all says so in
// `ready`: false declines the create event before any control is made.
struct BrowseWindow {
    const BrowseForm& form;
    std::function<bool(kb::Context&, platform::WindowId)> fill;
    std::function<void(kb::Context&, platform::WindowId, std::int32_t)> show_number;
    std::function<bool(kb::Context&)> ready;
};

// The frame's handler: create (the controls, then fill), the help button (context topic 1), the
// close button (the window goes and the auxiliary window is renewed), a new choice in the number
// list, size (maximised again, then laid out), menu commands (passed to the main window).
// Everything else is declined: the close box closes the window alone.
bool browse_frame_eh(kb::Context& ctx, const BrowseWindow& browse, const platform::Event& event);

// Opens the browse window as a child of `parent` with the frame's handler; returns at once.
platform::WindowId open_browse_window(kb::Context& ctx, const BrowseWindow& browse, platform::WindowId parent);

}  // namespace windows
