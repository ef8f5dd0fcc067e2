// Controls of windows and dialogs on Qt widgets, found by id: labels, edit fields, buttons,
// radio buttons and check boxes, lists and drop-down lists, group boxes. Only the user's own
// actions become events; what the program sets never does.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>
#include <set>

#include "platform/list_order.h"
#include "platform/qt/qt_state.h"

namespace platform {

using qt::q;
using qt::u;

namespace {

bool has(unsigned flags, unsigned flag) { return (flags & flag) != 0; }

Qt::Alignment alignment(unsigned flags)
{
    if (has(flags, control_flag::centred)) return Qt::AlignHCenter | Qt::AlignVCenter;
    if (has(flags, control_flag::right_aligned)) return Qt::AlignRight | Qt::AlignVCenter;
    return Qt::AlignLeft | Qt::AlignVCenter;
}

QWidget* make_widget(const ControlDesc& desc, QWidget* parent)
{
    const unsigned f = desc.flags;
    switch (desc.kind) {
    case ControlKind::Static: {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(alignment(f));
        if (has(f, control_flag::border)) label->setFrameShape(QFrame::Box);
        label->setText(q(desc.text));
        return label;
    }
    case ControlKind::Edit: {
        if (has(f, control_flag::multi_line)) {
            auto* area = new QPlainTextEdit(parent);
            area->setReadOnly(has(f, control_flag::read_only));
            area->setLineWrapMode(QPlainTextEdit::WidgetWidth);
            area->setPlainText(q(desc.text));
            return area;
        }
        auto* field = new QLineEdit(parent);
        field->setReadOnly(has(f, control_flag::read_only));
        field->setAlignment(alignment(f));
        field->setFrame(has(f, control_flag::border));
        field->setText(q(desc.text));
        return field;
    }
    case ControlKind::PushButton: {
        auto* button = new QPushButton(q(desc.text), parent);
        button->setAutoDefault(false);  // Enter is the dialog's: it presses button 1
        button->setDefault(has(f, control_flag::default_button));
        return button;
    }
    case ControlKind::RadioButton: {
        auto* radio = new QRadioButton(q(desc.text), parent);
        radio->setAutoExclusive(false);  // the toolkit unchecks the others, and lets all be unchecked
        return radio;
    }
    case ControlKind::CheckBox: return new QCheckBox(q(desc.text), parent);
    case ControlKind::ListBox: {
        auto* list = new QListWidget(parent);
        list->setSelectionMode(has(f, control_flag::multiple_selection) ? QAbstractItemView::MultiSelection
                                                                       : QAbstractItemView::SingleSelection);
        return list;
    }
    case ControlKind::ComboBox: {
        auto* combo = new QComboBox(parent);
        combo->setMaxVisibleItems(20);
        combo->setCurrentIndex(-1);
        return combo;
    }
    case ControlKind::GroupBox: return new QGroupBox(q(desc.text), parent);
    }
    throw ToolkitError("unknown control kind");
}

std::vector<std::string> items_of(const QWidget* widget)
{
    std::vector<std::string> out;
    if (const auto* list = qobject_cast<const QListWidget*>(widget))
        for (int i = 0; i < list->count(); ++i) out.push_back(u(list->item(i)->text()));
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        for (int i = 0; i < combo->count(); ++i) out.push_back(u(combo->itemText(i)));
    return out;
}

std::vector<int> selected_of(const QWidget* widget)
{
    std::vector<int> out;
    if (const auto* list = qobject_cast<const QListWidget*>(widget)) {
        for (const QModelIndex& index : list->selectionModel()->selectedIndexes()) out.push_back(index.row());
        std::sort(out.begin(), out.end());
        out.erase(std::unique(out.begin(), out.end()), out.end());
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        if (combo->currentIndex() >= 0) out.push_back(combo->currentIndex());
    return out;
}

}  // namespace

// ---- Creation --------------------------------------------------------------------------------------

void QtToolkit::add_control(Win& window, const ControlDesc& desc, Rect pixels, bool auto_placed)
{
    if (!window.client) throw ToolkitError("window \"" + window.title + "\" cannot hold controls");
    for (const Ctl& c : window.controls)
        if (c.desc.id == desc.id)
            throw ToolkitError("window \"" + window.title + "\" has a control " + std::to_string(desc.id) + " already");
    Ctl c;
    c.desc = desc;
    c.auto_placed = auto_placed;
    c.widget = make_widget(desc, window.client);
    c.widget->setObjectName(QStringLiteral("control-%1").arg(desc.id));
    c.widget->setGeometry(qt::to_qrect(pixels));
    if (desc.kind == ControlKind::GroupBox) c.widget->lower();  // a frame behind the controls it holds
    c.widget->show();
    window.controls.push_back(std::move(c));
    connect_control(window, window.controls.back());
}

// The user's actions on a control become its window's control events.
void QtToolkit::connect_control(Win& window, Ctl& control)
{
    const WindowId wid = window.id;
    const ControlId cid = control.desc.id;
    QWidget* widget = control.widget;
    auto send = [this, wid, cid](Notification n) {
        at_boundary([&] {
            s_->life.deliver_with_default(wid, Event{EventKind::Control, wid, cid, n, {}});
        });
    };
    if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        QObject::connect(radio, &QAbstractButton::clicked, radio, [this, wid, cid, send] {
            at_boundary([&] { set_checked(wid, cid, true); });
            send(Notification::Clicked);
        });
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        QObject::connect(button, &QAbstractButton::clicked, button, [send] { send(Notification::Clicked); });
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        QObject::connect(list, &QListWidget::itemSelectionChanged, list, [send] { send(Notification::SelectionChanged); });
        QObject::connect(list, &QListWidget::itemDoubleClicked, list, [send] { send(Notification::DoubleClicked); });
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        QObject::connect(combo, &QComboBox::activated, combo, [send] { send(Notification::SelectionChanged); });
    } else if (auto* field = qobject_cast<QLineEdit*>(widget)) {
        QObject::connect(field, &QLineEdit::textEdited, field, [send] { send(Notification::TextChanged); });
    } else if (auto* area = qobject_cast<QPlainTextEdit*>(widget)) {
        QObject::connect(area, &QPlainTextEdit::textChanged, area, [send] { send(Notification::TextChanged); });
    }
}

void QtToolkit::create_control(WindowId window, const ControlDesc& desc)
{
    add_control(alive_window(window), desc, desc.rect, false);
}

QtToolkit::Ctl& QtToolkit::control(WindowId window, ControlId id) const
{
    Win& w = alive_window(window);
    for (Ctl& c : w.controls)
        if (c.desc.id == id && c.widget) return c;
    throw ToolkitError("window \"" + w.title + "\" has no control " + std::to_string(id));
}

bool QtToolkit::has_control(WindowId window, ControlId id) const
{
    const Win& w = alive_window(window);
    return std::any_of(w.controls.begin(), w.controls.end(), [&](const Ctl& c) { return c.desc.id == id; });
}

// ---- Texts -------------------------------------------------------------------------------------------

void QtToolkit::set_control_text(WindowId window, ControlId id, std::string_view text)
{
    Ctl& c = control(window, id);
    QWidget* widget = c.widget;
    const QSignalBlocker quiet(widget);
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(q(text));
    else if (auto* field = qobject_cast<QLineEdit*>(widget))
        field->setText(q(text));
    else if (auto* area = qobject_cast<QPlainTextEdit*>(widget))
        area->setPlainText(q(text));
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(q(text));
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        group->setTitle(q(text));
    c.text = std::string(text);
}

std::string QtToolkit::control_text(WindowId window, ControlId id) const
{
    const Ctl& c = control(window, id);
    const QWidget* widget = c.widget;
    if (const auto* label = qobject_cast<const QLabel*>(widget)) return u(label->text());
    if (const auto* field = qobject_cast<const QLineEdit*>(widget)) return u(field->text());
    if (const auto* area = qobject_cast<const QPlainTextEdit*>(widget)) return u(qt::raw_text(*area));
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) return u(button->text());
    if (const auto* group = qobject_cast<const QGroupBox*>(widget)) return u(group->title());
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->currentIndex() < 0 ? std::string() : u(combo->currentText());
    return c.text;
}

// ---- Lists -----------------------------------------------------------------------------------------

void QtToolkit::clear_list(WindowId window, ControlId id)
{
    Ctl& c = control(window, id);
    const QSignalBlocker quiet(c.widget);
    if (auto* list = qobject_cast<QListWidget*>(c.widget.data())) list->clear();
    if (auto* combo = qobject_cast<QComboBox*>(c.widget.data())) combo->clear();
}

void QtToolkit::add_list_items(WindowId window, ControlId id, const std::vector<std::string>& items)
{
    Ctl& c = control(window, id);
    const QSignalBlocker quiet(c.widget);
    const bool sorted = c.desc.flags & control_flag::sorted;
    std::vector<std::string> now = items_of(c.widget);
    auto* list = qobject_cast<QListWidget*>(c.widget.data());
    auto* combo = qobject_cast<QComboBox*>(c.widget.data());
    if (!list && !combo) throw ToolkitError("control " + std::to_string(id) + " is no list");
    // A drop-down list selects its first item when it gets one; the program's lists start with none.
    const bool none_selected = combo && combo->currentIndex() < 0;
    for (const std::string& item : items) {
        const std::size_t at = sorted ? sorted_position(now, item) : now.size();
        now.insert(now.begin() + static_cast<std::ptrdiff_t>(at), item);
        if (list) list->insertItem(static_cast<int>(at), q(item));
        if (combo) combo->insertItem(static_cast<int>(at), q(item));
    }
    if (none_selected) combo->setCurrentIndex(-1);
}

std::vector<std::string> QtToolkit::list_items(WindowId window, ControlId id) const
{
    return items_of(control(window, id).widget);
}

int QtToolkit::list_selection(WindowId window, ControlId id) const
{
    const std::vector<int> selected = selected_of(control(window, id).widget);
    return selected.empty() ? -1 : selected.front();
}

void QtToolkit::set_list_selection(WindowId window, ControlId id, int position)
{
    set_list_selections(window, id, position < 0 ? std::vector<int>{} : std::vector<int>{position});
}

std::vector<int> QtToolkit::list_selections(WindowId window, ControlId id) const
{
    return selected_of(control(window, id).widget);
}

// Positions outside the list are left out; a list with single selection keeps the first.
void QtToolkit::set_list_selections(WindowId window, ControlId id, const std::vector<int>& positions)
{
    Ctl& c = control(window, id);
    const QSignalBlocker quiet(c.widget);
    const int count = static_cast<int>(items_of(c.widget).size());
    std::set<int> chosen;
    for (const int p : positions)
        if (p >= 0 && p < count) chosen.insert(p);
    if (!(c.desc.flags & control_flag::multiple_selection) && chosen.size() > 1)
        chosen.erase(std::next(chosen.begin()), chosen.end());
    if (auto* list = qobject_cast<QListWidget*>(c.widget.data())) {
        list->clearSelection();
        for (const int p : chosen) list->item(p)->setSelected(true);
        if (!chosen.empty()) {
            list->selectionModel()->setCurrentIndex(list->model()->index(*chosen.begin(), 0),
                                                    QItemSelectionModel::NoUpdate);
            list->scrollToItem(list->item(*chosen.begin()));
        }
    }
    if (auto* combo = qobject_cast<QComboBox*>(c.widget.data())) combo->setCurrentIndex(chosen.empty() ? -1 : *chosen.begin());
}

// ---- States and places ----------------------------------------------------------------------------

void QtToolkit::enable_control(WindowId window, ControlId id, bool enabled)
{
    Ctl& c = control(window, id);
    c.enabled = enabled;
    c.widget->setEnabled(enabled);
}

bool QtToolkit::control_enabled(WindowId window, ControlId id) const { return control(window, id).enabled; }

// Checking a radio button unchecks the other radio buttons of its window.
void QtToolkit::set_checked(WindowId window, ControlId id, bool checked)
{
    Ctl& c = control(window, id);
    auto* button = qobject_cast<QAbstractButton*>(c.widget.data());
    if (!button) return;
    if (checked && c.desc.kind == ControlKind::RadioButton)
        for (Ctl& other : alive_window(window).controls)
            if (other.desc.kind == ControlKind::RadioButton && other.widget)
                qobject_cast<QAbstractButton*>(other.widget.data())->setChecked(false);
    button->setChecked(checked);
}

bool QtToolkit::is_checked(WindowId window, ControlId id) const
{
    const auto* button = qobject_cast<const QAbstractButton*>(control(window, id).widget.data());
    return button && button->isChecked();
}

void QtToolkit::move_control(WindowId window, ControlId id, Rect rect)
{
    Ctl& c = control(window, id);
    c.auto_placed = false;
    c.widget->setGeometry(qt::to_qrect(rect));
}

Rect QtToolkit::control_rect(WindowId window, ControlId id) const
{
    return qt::to_rect(control(window, id).widget->geometry());
}

// ---- Values of a dialog's controls ----------------------------------------------------------------

ControlValue QtToolkit::control_value(const Ctl& c) const
{
    ControlValue value;
    const QWidget* widget = c.widget;
    if (const auto* label = qobject_cast<const QLabel*>(widget)) value.text = u(label->text());
    else if (const auto* field = qobject_cast<const QLineEdit*>(widget)) value.text = u(field->text());
    else if (const auto* area = qobject_cast<const QPlainTextEdit*>(widget)) value.text = u(qt::raw_text(*area));
    else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) value.text = u(group->title());
    else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        value.text = u(button->text());
        value.checked = button->isChecked();
    } else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        value.text = combo->currentIndex() < 0 ? std::string() : u(combo->currentText());
    } else {
        value.text = c.text;
    }
    value.items = items_of(widget);
    value.selected = selected_of(widget);
    return value;
}

// Initial values, as given: list items in the given order, the text even when empty.
void QtToolkit::apply_value(Win& window, Ctl& c, const ControlValue& value)
{
    const QSignalBlocker quiet(c.widget);
    const bool list = c.desc.kind == ControlKind::ListBox || c.desc.kind == ControlKind::ComboBox;
    if (list) {
        clear_list(window.id, c.desc.id);
        auto* list_widget = qobject_cast<QListWidget*>(c.widget.data());
        auto* combo = qobject_cast<QComboBox*>(c.widget.data());
        for (const std::string& item : value.items) {
            if (list_widget) list_widget->addItem(q(item));
            if (combo) combo->addItem(q(item));
        }
        if (combo) combo->setCurrentIndex(-1);
        set_list_selections(window.id, c.desc.id, value.selected);
        c.text = value.text;
        return;
    }
    set_control_text(window.id, c.desc.id, value.text);
    if (c.desc.kind == ControlKind::RadioButton || c.desc.kind == ControlKind::CheckBox)
        set_checked(window.id, c.desc.id, value.checked);
}

}  // namespace platform
