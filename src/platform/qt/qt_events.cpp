// Events of the Qt toolkit: the boundary every piece of work started by Qt runs inside, the
// program's end unwinding the nested event loops, and the paint and move events that Qt's own
// changes cause. Delivery itself, with its trap and defaults, is WindowLife's.
#include <QDialog>
#include <QTimer>
#include <cstdio>

#include "platform/qt/qt_state.h"

namespace platform {

// Qt must never see an exception: the program's end becomes a request to leave every loop, and
// an error that escaped the handlers' traps is shown like theirs.
void QtToolkit::at_boundary(const std::function<void()>& work) noexcept
{
    if (s_->life.ending()) return;
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
    s_->life.set_ending();
    const std::vector<std::function<void()>> loops = s_->nested_loops;
    for (auto it = loops.rbegin(); it != loops.rend(); ++it) (*it)();
    if (s_->main_loop) s_->main_loop->quit();
}

void QtToolkit::throw_if_ending() const
{
    if (s_->life.ending()) throw ProgramExit{};
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
    const std::vector<WindowId>& dialogs = s_->life.dialogs();
    for (auto it = dialogs.rbegin(); it != dialogs.rend(); ++it) {
        const Win* w = find(*it);
        if (w && w->frame && w->frame->isVisible()) return w->frame;
    }
    if (s_->main_frame && !s_->main_frame->isVisible() && window_exists(s_->life.main()) && !s_->life.ending())
        show_main_frame();
    return s_->main_frame && s_->main_frame->isVisible() ? s_->main_frame.data() : nullptr;
}

// ---- Size, paint and move --------------------------------------------------------------------------

// Qt keeps what was drawn and repaints it by itself; the program is asked to paint again only
// when the client area of a plain window has a new size (and at creation).
void QtToolkit::after_size(WindowRecord& record)
{
    const Win& w = static_cast<Win&>(record);
    if (w.role == WindowRole::Document && w.painted.left >= 0 && client_rect(w.id) != w.painted) queue_paint(w.id);
}

void QtToolkit::queue_paint(WindowId id)
{
    Win& w = alive_window(id);
    if (w.paint_queued || !w.client) return;
    w.paint_queued = true;
    QTimer::singleShot(0, w.client, [this, id] {
        at_boundary([&] {
            if (Win* w = find(id)) w->paint_queued = false;
            s_->life.paint(id);
        });
    });
}

void QtToolkit::before_paint(WindowRecord& record)
{
    Win& w = static_cast<Win&>(record);
    if (w.pictures) w.pictures->clear();
}

void QtToolkit::after_paint(WindowRecord& record)
{
    Win& w = static_cast<Win&>(record);
    if (w.client) w.client->update();
}

void QtToolkit::queue_move(WindowId id)
{
    Win* w = find(id);
    if (!w || w->ended || w->move_queued || !w->frame) return;
    w->move_queued = true;
    QTimer::singleShot(0, w->frame, [this, id] { at_boundary([&] { dialog_moved(id); }); });
}

}  // namespace platform
