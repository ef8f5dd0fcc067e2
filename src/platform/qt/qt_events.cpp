// Events of the Qt toolkit: delivery under the error trap with the defaults of declined events,
// the boundary every piece of work started by Qt runs inside, the program's end unwinding the
// nested event loops, and the size, paint and move events that Qt's own changes cause.
#include <QDialog>
#include <QTimer>
#include <cstdio>

#include "platform/qt/qt_state.h"

namespace platform {

Delivery QtToolkit::deliver(WindowId id, const Event& event)
{
    Win* w = find(id);
    if (!w || !w->alive) return Delivery::Declined;
    if (w->destroying && event.kind != EventKind::Destroy) return Delivery::Declined;
    DepthGuard depth(s_->handler_depth);
    return deliver_trapped(w->handler, event, *this);
}

void QtToolkit::deliver_with_default(WindowId id, const Event& event)
{
    if (deliver(id, event) != Delivery::Declined || !window_exists(id)) return;
    Win& w = alive_window(id);
    switch (default_for_declined(event, w.is_dialog())) {
    case DefaultAction::Nothing: return;
    case DefaultAction::CloseWindow: destroy_window(id); return;
    case DefaultAction::EndDialog: close_dialog(w, default_answer(event), true); return;
    }
}

// Qt must never see an exception: the program's end becomes a request to leave every loop, and
// an error that escaped the handlers' traps is shown like theirs.
void QtToolkit::at_boundary(const std::function<void()>& work) noexcept
{
    if (s_->ending) return;
    try {
        work();
    } catch (const ProgramExit&) {
        request_exit();
    } catch (const std::exception& error) {
        try {
            error_box("Błąd", error.what());
        } catch (const ProgramExit&) {
            request_exit();
        } catch (const std::exception& again) {
            std::fprintf(stderr, "velk_qz: %s (%s)\n", error.what(), again.what());
        }
    }
}

// Closes every running modal loop, innermost first, and the main loop; the C++ frames waiting in
// them see the end when their loop returns (throw_if_ending) and unwind to run_task_window.
void QtToolkit::request_exit()
{
    s_->ending = true;
    const std::vector<std::function<void()>> loops = s_->nested_loops;
    for (auto it = loops.rbegin(); it != loops.rend(); ++it) (*it)();
    if (s_->main_loop) s_->main_loop->quit();
}

void QtToolkit::throw_if_ending() const
{
    if (s_->ending) throw ProgramExit{};
}

int QtToolkit::exec_modal(QDialog& dialog)
{
    throw_if_ending();
    s_->nested_loops.push_back([&dialog] { dialog.done(QDialog::Rejected); });
    struct Pop {
        std::vector<std::function<void()>>& loops;
        ~Pop() { loops.pop_back(); }
    } pop{s_->nested_loops};
    const int result = dialog.exec();
    throw_if_ending();
    return result;
}

QWidget* QtToolkit::modal_parent()
{
    for (auto it = s_->dialogs.rbegin(); it != s_->dialogs.rend(); ++it) {
        const Win* w = find(*it);
        if (w && w->alive && w->frame && w->frame->isVisible()) return w->frame;
    }
    if (s_->main_frame && !s_->main_frame->isVisible() && window_exists(s_->main) && !s_->ending) show_main();
    return s_->main_frame && s_->main_frame->isVisible() ? s_->main_frame.data() : nullptr;
}

// ---- Size, paint and move --------------------------------------------------------------------------

// A size event when the client area differs from the one last reported. A change made while the
// window's handler answers a size event is reported when it returns.
void QtToolkit::report_size(WindowId id)
{
    Win* w = find(id);
    if (!w || !w->alive || w->destroying || w->is_dialog()) return;
    if (w->sizing) {
        w->size_again = true;
        return;
    }
    w->sizing = true;
    struct Reset {
        Win& w;
        ~Reset() { w.sizing = false; }
    } reset{*w};
    do {
        w->size_again = false;
        const Rect now = client_rect(id);
        if (now == w->sized) break;
        w->sized = now;
        deliver(id, Event{EventKind::Size, id, 0, Notification::None, now});
    } while (w->alive && !w->destroying && w->size_again);
    if (w->alive && !w->destroying && w->kind == Win::Kind::Document && w->painted.left >= 0 &&
        client_rect(id) != w->painted)
        queue_paint(id);
}

// Qt keeps what was drawn and repaints it by itself; the program is asked to paint again only
// when the client area has a new size (and at creation).
void QtToolkit::queue_paint(WindowId id)
{
    Win& w = alive_window(id);
    if (w.paint_queued || !w.client) return;
    w.paint_queued = true;
    QTimer::singleShot(0, w.client, [this, id] { at_boundary([&] { deliver_paint(id); }); });
}

void QtToolkit::deliver_paint(WindowId id)
{
    Win* w = find(id);
    if (!w) return;
    w->paint_queued = false;
    if (!w->alive || w->destroying || (w->is_dialog() && w->ended)) return;
    const Rect now = client_rect(id);
    w->painted = now;
    if (w->pictures) w->pictures->clear();
    deliver(id, Event{EventKind::Paint, id, 0, Notification::None, now});
    if (w->alive && w->client) w->client->update();
}

void QtToolkit::queue_move(WindowId id)
{
    Win* w = find(id);
    if (!w || !w->alive || w->ended || w->move_queued || !w->frame) return;
    w->move_queued = true;
    QTimer::singleShot(0, w->frame, [this, id] { at_boundary([&] { dialog_moved(id); }); });
}

}  // namespace platform
