// Start-up: the main window (class with the program's icon, title, styles, menu 10062 all greyed,
// handler task_win_eh) and the event loop. Multiple-document mode and the three-dimensional look
// are how every back-end of the toolkit works, so there is nothing to switch on for them.
#include "app/start.h"

#include "app/main_menu.h"
#include "app/menu_states.h"
#include "app/task_win.h"
#include "platform/toolkit.h"

namespace app {
namespace {

// The main menu hears every event the program reports while the main window lives.
class Listening {
public:
    Listening(kb::Context& ctx, kb::EventSink& sink) : ctx_(ctx), before_(ctx.events) { ctx.events = &sink; }
    ~Listening() { ctx_.events = before_; }
    Listening(const Listening&) = delete;
    Listening& operator=(const Listening&) = delete;

private:
    kb::Context& ctx_;
    kb::EventSink* before_;
};

}  // namespace

void start_programu(kb::Context& ctx)
{
    namespace style = platform::style;
    platform::TaskWindowDesc desc;
    desc.class_name = kMainWindowClass;
    desc.icon = kProgramIcon;
    desc.title = kMainWindowTitle;
    desc.style = style::sizing_border | style::title_bar | style::close_box | style::maximise_box |
                 style::minimise_box | style::clip_siblings | style::maximised;
    desc.menu = main_menu();
    desc.handler = [&ctx](const platform::Event& event) { return task_win_eh(ctx, event); };
    MenuStates menu_states(ctx.ui);
    Listening listening(ctx, menu_states);
    ctx.ui.run_task_window(desc);
}

}  // namespace app
