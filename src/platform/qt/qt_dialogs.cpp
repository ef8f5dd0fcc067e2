// Modal dialogs from templates on QDialog: controls placed in dialog units of the dialog's font,
// initial values, the keyboard focus, Enter, Esc and the close box, and the final control values.
// The dialog's life is WindowLife's; its loop is QDialog::exec.
#include <QFontMetrics>
#include <QLabel>
#include <QMdiArea>

#include "platform/qt/qt_state.h"

namespace platform {

using qt::q;

namespace {

qt::DialogUnits units_of(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return qt::DialogUnits{std::max(1, (letters / 26 + 1) / 2), std::max(1, metrics.height())};
}

// A one-line label the template places was laid out for a narrower font than ours: it keeps its
// one line and grows to the right as far as its text needs and the dialog allows.
void widen_label(QLabel& label, int dialog_width)
{
    const QRect place = label.geometry();
    if (place.height() >= 2 * label.fontMetrics().height() || label.alignment() & (Qt::AlignHCenter | Qt::AlignRight))
        return;
    label.setWordWrap(false);
    const int wanted = label.fontMetrics().horizontalAdvance(label.text()) + 2;
    label.resize(std::max(place.width(), std::min(wanted, dialog_width - place.left() - 2)), place.height());
}

// Whether the template places `inner` inside `outer`.
bool holds(const Rect& outer, const Rect& inner)
{
    return !outer.empty() && !inner.empty() && outer.left <= inner.left && inner.right <= outer.right &&
           outer.top <= inner.top && inner.bottom <= outer.bottom;
}

Qt::WindowFlags dialog_flags(unsigned s)
{
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint;
    if (s & style::maximise_box) flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

}  // namespace

DialogResult QtToolkit::run_dialog(const DialogDesc& desc) { return s_->life.run_dialog(desc); }
void QtToolkit::end_dialog(WindowId dialog, int button) { s_->life.end_dialog(dialog, button); }

void QtToolkit::open_dialog(WindowRecord& record, const DialogDesc& desc)
{
    Win& dialog = static_cast<Win&>(record);
    const DialogTemplate& form = *dialog.form;
    const WindowId id = dialog.id;
    auto* frame = new qt::DialogFrame(modal_parent());
    dialog.owned.reset(frame);
    frame->setWindowFlags(dialog_flags(form.style));
    frame->setWindowTitle(q(dialog.title));
    frame->setModal(true);
    frame->setObjectName(QStringLiteral("dialog-%1").arg(form.id));
    dialog.frame = frame;
    dialog.client = frame;
    dialog.pictures = &frame->pictures;
    dialog.units = units_of(frame->font());

    const Rect size = qt::dialog_size(form);
    const std::vector<Rect> places = qt::place_controls(form, size.width(), size.height());
    for (std::size_t i = 0; i < form.controls.size(); ++i)
        add_control(dialog, form.controls[i], dialog.units.to_pixels(places[i]), form.controls[i].rect.empty());
    const QSize pixels(dialog.units.x_pixels(size.width()), dialog.units.y_pixels(size.height()));
    if (form.style & style::maximise_box)
        frame->resize(pixels);
    else
        frame->setFixedSize(pixels);
    for (const Ctl& c : dialog.controls)
        if (auto* label = qobject_cast<QLabel*>(c.widget.data()); label && !c.auto_placed) widen_label(*label, pixels.width());
    // A control the template puts in a group box stays inside the box's frame and below its
    // title, which the platform's font may draw taller than the template allowed for.
    for (const Ctl& box : dialog.controls) {
        if (box.desc.kind != ControlKind::GroupBox || !box.widget) continue;
        const QRect inside = box.widget->contentsRect().translated(box.widget->pos());
        for (const Ctl& c : dialog.controls)
            if (&c != &box && c.widget && holds(box.desc.rect, c.desc.rect))
                c.widget->setGeometry(c.widget->geometry().intersected(inside));
    }
    for (const auto& [control_id, value] : desc.initial) {
        Ctl* found = nullptr;
        for (Ctl& c : dialog.controls)
            if (c.desc.id == control_id) found = &c;
        if (!found)
            throw ToolkitError("dialog " + std::to_string(form.id) + " has no control " + std::to_string(control_id) +
                               " to set");
        apply_value(dialog, *found, value);
    }
    // Where the template places the dialog: from the main window's client area.
    if ((form.rect.left || form.rect.top) && s_->area) {
        const QPoint origin = s_->area->viewport()->mapToGlobal(QPoint(0, 0));
        frame->move(origin + QPoint(dialog.units.x_pixels(form.rect.left), dialog.units.y_pixels(form.rect.top)));
    }

    frame->on_enter = [this, id] {
        at_boundary([&] {
            if (const Win* w = find(id)) s_->life.deliver_with_default(id, enter_key_event(id, focused_button(*w)));
        });
    };
    frame->on_esc = [this, id] { at_boundary([&] { s_->life.deliver_with_default(id, esc_key_event(id)); }); };
    frame->on_close_request = [this, id] {
        at_boundary([&] { s_->life.deliver_with_default(id, Event{EventKind::CloseRequest, id, 0, Notification::None, {}}); });
    };
    frame->on_geometry = [this, id] { at_boundary([&] { queue_move(id); }); };
}

void QtToolkit::dialog_placed(WindowRecord& record)
{
    Win& dialog = static_cast<Win&>(record);
    if (dialog.frame) dialog.placed = dialog.frame->geometry();
}

// The keyboard focus starts where the template's tab order says; on the frame itself when no
// control takes it, so that no button has it.
void QtToolkit::dialog_shown(WindowRecord& record)
{
    Win& dialog = static_cast<Win&>(record);
    const ControlId first = initial_focus(*dialog.form, [&](ControlId id) { return control(dialog.id, id).enabled; });
    for (const Ctl& c : dialog.controls)
        if (c.desc.id == first && c.widget) {
            c.widget->setFocus(Qt::TabFocusReason);
            return;
        }
    if (dialog.frame) dialog.frame->setFocus(Qt::OtherFocusReason);
}

void QtToolkit::run_dialog_loop(WindowRecord& record)
{
    Win& dialog = static_cast<Win&>(record);
    if (auto* frame = static_cast<qt::DialogFrame*>(dialog.frame.data())) exec_modal(*frame);
}

std::map<ControlId, ControlValue> QtToolkit::dialog_values(const WindowRecord& record) const
{
    const Win& dialog = static_cast<const Win&>(record);
    std::map<ControlId, ControlValue> values;
    for (const Ctl& c : dialog.controls)
        if (c.widget) values.emplace(c.desc.id, control_value(c));
    return values;
}

void QtToolkit::dialog_finished(WindowRecord& record)
{
    Win& dialog = static_cast<Win&>(record);
    if (auto* frame = static_cast<qt::DialogFrame*>(dialog.frame.data())) frame->finish(dialog.result.button);
}

// Its loop has returned (or never ran): nothing of the dialog is on the stack any more.
void QtToolkit::dialog_left(WindowRecord& record, Leaving)
{
    Win& dialog = static_cast<Win&>(record);
    dialog.controls.clear();
    dialog.owned.reset();
}

// The push button with the dialog's keyboard focus, 0 when the focus is elsewhere.
ControlId QtToolkit::focused_button(const Win& dialog) const
{
    const QWidget* focus = dialog.frame ? dialog.frame->focusWidget() : nullptr;
    for (const Ctl& c : dialog.controls)
        if (c.widget && c.widget == focus && c.desc.kind == ControlKind::PushButton && c.widget->isEnabled())
            return c.desc.id;
    return 0;
}

// The controls the dialog layout placed follow a new size; those the program moved stay.
void QtToolkit::lay_out_dialog(Win& dialog)
{
    if (!dialog.form || !dialog.frame) return;
    const int width = dialog.units.x_units(dialog.frame->width());
    const int height = dialog.units.y_units(dialog.frame->height());
    const std::vector<Rect> places = qt::place_controls(*dialog.form, width, height);
    for (std::size_t i = 0; i < dialog.form->controls.size(); ++i)
        for (Ctl& c : dialog.controls)
            if (c.auto_placed && c.widget && c.desc.id == dialog.form->controls[i].id)
                c.widget->setGeometry(qt::to_qrect(dialog.units.to_pixels(places[i])));
}

// The user (or the window manager) moved, resized, maximised or restored the dialog.
void QtToolkit::dialog_moved(WindowId id)
{
    Win* w = find(id);
    if (!w) return;
    w->move_queued = false;
    if (w->ended || !w->frame || w->frame->geometry() == w->placed) return;
    const bool resized = w->frame->size() != w->placed.size();
    w->placed = w->frame->geometry();
    if (resized) lay_out_dialog(*w);
    s_->life.deliver_with_default(id, Event{EventKind::Move, id, 0, Notification::None, client_rect(id)});
    if (find(id) == w && !w->ended && client_rect(id) != w->painted) s_->life.paint(id);
}

}  // namespace platform
