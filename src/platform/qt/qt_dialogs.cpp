// Modal dialogs from templates on QDialog: controls placed in dialog units of the dialog's font,
// initial values, the create, move and paint events, Enter, Esc and the close box, and the
// answer with the final control values. The dialog's loop is QDialog::exec.
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

Qt::WindowFlags dialog_flags(unsigned s)
{
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint;
    if (s & style::maximise_box) flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

}  // namespace

DialogResult QtToolkit::run_dialog(const DialogDesc& desc)
{
    if (!desc.form) throw ToolkitError("a dialog needs its template");
    throw_if_ending();
    const DialogTemplate& form = *desc.form;
    const std::string title = desc.title.empty() ? form.title : desc.title;

    auto frame = std::make_unique<qt::DialogFrame>(modal_parent());
    frame->setWindowFlags(dialog_flags(form.style));
    frame->setWindowTitle(q(title));
    frame->setModal(true);
    frame->setObjectName(QStringLiteral("dialog-%1").arg(form.id));

    auto w = std::make_unique<Win>();
    w->kind = Win::Kind::Dialog;
    w->parent = desc.parent == kNoWindow ? s_->main : desc.parent;
    w->title = title;
    w->form = &form;
    w->style = form.style;
    w->handler = desc.handler;
    w->frame = frame.get();
    w->client = frame.get();
    w->pictures = &frame->pictures;
    w->units = units_of(frame->font());
    Win& dialog = *w;
    const WindowId id = add_window(std::move(w));
    s_->dialogs.push_back(id);
    // Leaves the dialog's frame on every way out: it closes, the program ends, an error escapes.
    struct Frame {
        QtToolkit::State& s;
        Win& dialog;
        bool open = true;
        void leave()
        {
            if (!open) return;
            open = false;
            s.dialogs.pop_back();
            dialog.ended = true;
            dialog.alive = false;
        }
        ~Frame() { leave(); }
    } guard{*s_, dialog};

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

    frame->on_enter = [this, id] { at_boundary([&] { deliver_with_default(id, enter_key_event(id)); }); };
    frame->on_esc = [this, id] { at_boundary([&] { deliver_with_default(id, esc_key_event(id)); }); };
    frame->on_close_request = [this, id] {
        at_boundary([&] { deliver_with_default(id, Event{EventKind::CloseRequest, id, 0, Notification::None, {}}); });
    };
    frame->on_geometry = [this, id] { at_boundary([&] { queue_move(id); }); };

    deliver_with_default(id, Event{EventKind::Create, id, 0, Notification::None, {}});
    if (!dialog.ended) {
        dialog.placed = frame->geometry();
        deliver_with_default(id, Event{EventKind::Move, id, 0, Notification::None, client_rect(id)});
    }
    if (!dialog.ended) deliver_paint(id);
    if (!dialog.ended) exec_modal(*frame);
    guard.leave();
    throw_if_ending();
    return dialog.result;
}

void QtToolkit::close_dialog(Win& dialog, int button, bool keep_values)
{
    if (dialog.ended) return;
    dialog.ended = true;
    dialog.destroying = true;
    dialog.destroyed_by_program = !keep_values;
    dialog.result.button = button;
    if (keep_values)
        for (const Ctl& c : dialog.controls)
            if (c.widget) dialog.result.values.emplace(c.desc.id, control_value(c));
    deliver(dialog.id, Event{EventKind::Destroy, dialog.id, 0, Notification::None, {}});
    dialog.alive = false;
    if (auto* frame = static_cast<qt::DialogFrame*>(dialog.frame.data())) frame->finish(button);
}

void QtToolkit::end_dialog(WindowId dialog, int button)
{
    Win& w = alive_window(dialog);
    if (!w.is_dialog()) throw ToolkitError("window \"" + w.title + "\" is no dialog");
    close_dialog(w, button, true);
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
    if (!w->alive || w->ended || !w->frame || w->frame->geometry() == w->placed) return;
    const bool resized = w->frame->size() != w->placed.size();
    w->placed = w->frame->geometry();
    if (resized) lay_out_dialog(*w);
    deliver_with_default(id, Event{EventKind::Move, id, 0, Notification::None, client_rect(id)});
    if (w->alive && !w->ended && client_rect(id) != w->painted) deliver_paint(id);
}

}  // namespace platform
