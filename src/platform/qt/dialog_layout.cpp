// Placing the controls a template leaves unplaced, in dialog units. A row layout in template
// order is enough for the program's dialogs; the handlers that want another layout move their
// controls themselves.
#include "platform/qt/dialog_layout.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "platform/text.h"

namespace platform::qt {

namespace {

constexpr int kMargin = 7;
constexpr int kGap = 4;
constexpr int kButtonHeight = 14;
constexpr int kButtonWidth = 50;
constexpr int kLineHeight = 10;
constexpr int kFieldHeight = 12;
constexpr int kDefaultWidth = 300;
constexpr int kNaturalStretch = 60;  // a list's height in a dialog sized to its controls
constexpr int kMinimumStretch = 20;
constexpr int kCharWidth = 4;        // an average character, in dialog units

int visible_length(const std::string& text)
{
    const std::size_t n = text::length(text);
    const std::size_t marks = static_cast<std::size_t>(std::count(text.begin(), text.end(), '&'));
    return static_cast<int>(n - std::min(n, marks));
}

bool stretches(const ControlDesc& c)
{
    return c.kind == ControlKind::ListBox ||
           (c.kind == ControlKind::Edit && (c.flags & control_flag::multi_line));
}

// The height of a row, 0 for the rows that share what is left.
int row_height(const ControlDesc& c, int width)
{
    switch (c.kind) {
    case ControlKind::Static: {
        const int lines = std::max(1, (visible_length(c.text) * kCharWidth + width - 1) / std::max(1, width));
        return lines * kLineHeight;
    }
    case ControlKind::Edit: return stretches(c) ? 0 : kFieldHeight;
    case ControlKind::ListBox: return 0;
    case ControlKind::ComboBox: return kFieldHeight;
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
    case ControlKind::GroupBox: return kLineHeight;
    case ControlKind::PushButton: return kButtonHeight;
    }
    return kLineHeight;
}

int button_width(const ControlDesc& c) { return std::max(kButtonWidth, visible_length(c.text) * kCharWidth + 12); }

// The unplaced controls other than push buttons, top to bottom: the i-th label goes right above
// the i-th field or list, the labels left over follow.
std::vector<std::size_t> row_order(const DialogTemplate& form)
{
    std::vector<std::size_t> labels;
    std::vector<std::size_t> others;
    for (std::size_t i = 0; i < form.controls.size(); ++i) {
        const ControlDesc& c = form.controls[i];
        if (!c.rect.empty() || c.kind == ControlKind::PushButton) continue;
        (c.kind == ControlKind::Static ? labels : others).push_back(i);
    }
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < others.size(); ++i) {
        if (i < labels.size()) order.push_back(labels[i]);
        order.push_back(others[i]);
    }
    for (std::size_t i = others.size(); i < labels.size(); ++i) order.push_back(labels[i]);
    return order;
}

bool has_unplaced_buttons(const DialogTemplate& form)
{
    return std::any_of(form.controls.begin(), form.controls.end(),
                       [](const ControlDesc& c) { return c.rect.empty() && c.kind == ControlKind::PushButton; });
}

int round_div(long long value, int divisor)
{
    return static_cast<int>(std::lround(static_cast<double>(value) / divisor));
}

}  // namespace

int DialogUnits::x_pixels(int units) const { return round_div(static_cast<long long>(units) * base_x, 4); }
int DialogUnits::y_pixels(int units) const { return round_div(static_cast<long long>(units) * base_y, 8); }
int DialogUnits::x_units(int pixels) const { return round_div(static_cast<long long>(pixels) * 4, std::max(1, base_x)); }
int DialogUnits::y_units(int pixels) const { return round_div(static_cast<long long>(pixels) * 8, std::max(1, base_y)); }

Rect DialogUnits::to_pixels(Rect r) const
{
    return Rect{x_pixels(r.left), y_pixels(r.top), x_pixels(r.right), y_pixels(r.bottom)};
}

namespace {

// The height the rows and the button row need at that width, lists taking `stretch` each.
int needed_height(const DialogTemplate& form, int width, int stretch)
{
    int height = kMargin;
    for (const std::size_t i : row_order(form)) {
        const int h = row_height(form.controls[i], width - 2 * kMargin);
        height += (h == 0 ? stretch : h) + kGap;
    }
    if (has_unplaced_buttons(form)) height += kGap + kButtonHeight;
    for (const ControlDesc& c : form.controls)
        if (!c.rect.empty()) height = std::max(height, c.rect.bottom);
    return height + kMargin;
}

}  // namespace

Rect dialog_size(const DialogTemplate& form)
{
    if (form.rect.empty()) return Rect{0, 0, kDefaultWidth, needed_height(form, kDefaultWidth, kNaturalStretch)};
    const bool unplaced = std::any_of(form.controls.begin(), form.controls.end(),
                                      [](const ControlDesc& c) { return c.rect.empty(); });
    const int height = unplaced ? std::max(form.rect.height(), needed_height(form, form.rect.width(), kMinimumStretch))
                                : form.rect.height();
    return Rect{0, 0, form.rect.width(), height};
}

std::vector<Rect> place_controls(const DialogTemplate& form, int width, int height)
{
    std::vector<Rect> placed;
    placed.reserve(form.controls.size());
    for (const ControlDesc& c : form.controls) placed.push_back(c.rect);

    // Buttons: one row at the bottom, centred.
    const bool buttons = has_unplaced_buttons(form);
    const int buttons_top = height - kMargin - kButtonHeight;
    if (buttons) {
        int total = -kGap;
        for (const ControlDesc& c : form.controls)
            if (c.rect.empty() && c.kind == ControlKind::PushButton) total += button_width(c) + kGap;
        int left = std::max(kMargin, (width - total) / 2);
        for (std::size_t i = 0; i < form.controls.size(); ++i) {
            const ControlDesc& c = form.controls[i];
            if (!c.rect.empty() || c.kind != ControlKind::PushButton) continue;
            placed[i] = rect_at(left, buttons_top, button_width(c), kButtonHeight);
            left += button_width(c) + kGap;
        }
    }

    // The other rows: fixed heights first, the rest shared by lists and text areas.
    const std::vector<std::size_t> order = row_order(form);
    const int inner = std::max(1, width - 2 * kMargin);
    const int bottom = buttons ? buttons_top - kGap : height - kMargin;
    int fixed = 0;
    int stretching = 0;
    for (const std::size_t i : order) {
        const int h = row_height(form.controls[i], inner);
        fixed += h + kGap;
        if (h == 0) ++stretching;
    }
    const int left_over = bottom - kMargin - fixed + kGap;
    const int share = stretching ? std::max(kMinimumStretch, left_over / stretching) : 0;
    int top = kMargin;
    for (const std::size_t i : order) {
        const int h = row_height(form.controls[i], inner);
        const int row = h == 0 ? share : h;
        placed[i] = rect_at(kMargin, top, inner, row);
        top += row + kGap;
    }
    return placed;
}

}  // namespace platform::qt
