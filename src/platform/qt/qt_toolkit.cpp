// The Qt toolkit's windows: the application object, the main window with its client area and
// event loop, document windows as MDI children, their titles, states, focus and fonts.
// Handlers are called only through the event functions (qt_events.cpp), never from here directly.
#include "platform/qt/qt_toolkit.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLayout>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QTranslator>
#include <clocale>
#include <cstdio>

#include "platform/qt/qt_find.h"
#include "platform/qt/qt_state.h"

namespace platform {

using qt::q;
using qt::to_qrect;
using qt::to_rect;

namespace {

constexpr const char* kWindowProperty = "velk_window";

// The frame hints of a document window's style flags.
Qt::WindowFlags document_flags(unsigned s)
{
    Qt::WindowFlags flags = Qt::SubWindow | Qt::CustomizeWindowHint;
    const bool boxes = s & (style::close_box | style::minimise_box | style::maximise_box);
    if ((s & style::title_bar) || boxes) flags |= Qt::WindowTitleHint;
    if (s & style::close_box) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (s & style::minimise_box) flags |= Qt::WindowMinimizeButtonHint;
    if (s & style::maximise_box) flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

// Lays out a frame's content now, so that its client area has its final size at once.
void settle(QWidget* frame)
{
    if (frame && frame->layout()) frame->layout()->activate();
}

}  // namespace

// ---- The application object ----------------------------------------------------------------------

QtApplication::QtApplication(int& argc, char** argv)
    : app_(std::make_unique<QApplication>(argc, argv)), translator_(std::make_unique<QTranslator>())
{
    std::setlocale(LC_NUMERIC, "C");
    // Without the translations Qt's own labels stay English; nothing else changes.
    if (translator_->load(QStringLiteral("qtbase_pl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator_.get());
}

QtApplication::~QtApplication()
{
    QCoreApplication::removeTranslator(translator_.get());
}

// ---- Construction ------------------------------------------------------------------------------------

QtToolkit::QtToolkit(QtOptions options) : s_(std::make_unique<State>(std::move(options)))
{
    if (!QApplication::instance()) throw ToolkitError("the Qt back-end needs its application object first");
    // The program ends when its main window is destroyed, not when Qt sees no window left.
    QGuiApplication::setQuitOnLastWindowClosed(false);
}

QtToolkit::~QtToolkit()
{
    delete s_->main_frame.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

WindowId QtToolkit::main_window() const { return s_->main; }

std::string QtToolkit::program_path() const
{
    if (!s_->options.program_path.empty()) return s_->options.program_path;
    return qt::u(QCoreApplication::applicationFilePath());
}

// ---- Lookup ------------------------------------------------------------------------------------------

QtToolkit::Win* QtToolkit::find(WindowId id) const
{
    const auto it = s_->windows.find(id);
    return it == s_->windows.end() ? nullptr : it->second.get();
}

QtToolkit::Win& QtToolkit::alive_window(WindowId id) const
{
    Win* w = find(id);
    if (!w || !w->alive) throw ToolkitError("no window " + std::to_string(id));
    return *w;
}

QtToolkit::Win& QtToolkit::text_window(WindowId id) const
{
    Win& w = alive_window(id);
    if (w.kind != Win::Kind::Text || !w.editor) throw ToolkitError("window \"" + w.title + "\" is no text window");
    return w;
}

WindowId QtToolkit::add_window(std::unique_ptr<Win> window)
{
    const WindowId id = s_->next_id++;
    window->id = id;
    s_->windows.emplace(id, std::move(window));
    return id;
}

bool QtToolkit::window_exists(WindowId window) const
{
    const Win* w = find(window);
    return w && w->alive;
}

WindowId QtToolkit::parent_window(WindowId window) const { return alive_window(window).parent; }

std::string QtToolkit::window_title(WindowId window) const { return alive_window(window).title; }

void QtToolkit::set_window_title(WindowId window, std::string_view title)
{
    Win& w = alive_window(window);
    w.title = std::string(title);
    if (w.frame) w.frame->setWindowTitle(q(title));
}

Rect QtToolkit::client_rect(WindowId window) const
{
    const Win& w = alive_window(window);
    switch (w.kind) {
    case Win::Kind::Main: return s_->area ? to_rect(s_->area->viewport()->rect()) : Rect{};
    case Win::Kind::Dialog: return w.frame ? to_rect(w.frame->rect()) : Rect{};
    default:
        if (!w.frame || !w.client || w.frame->isMinimized()) return Rect{};
        return to_rect(w.client->rect());
    }
}

// ---- The main window and the event loop ------------------------------------------------------------

void QtToolkit::run_task_window(const TaskWindowDesc& desc)
{
    if (s_->main != kNoWindow) throw ToolkitError("the main window has been created already");
    auto* frame = new qt::MainFrame;
    auto* area = new qt::ClientArea;
    frame->setObjectName(q(desc.class_name));
    frame->setWindowTitle(q(desc.title));
    frame->setCentralWidget(area);
    frame->menuBar()->setNativeMenuBar(false);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    s_->main_frame = frame;
    s_->area = area;

    auto w = std::make_unique<Win>();
    w->kind = Win::Kind::Main;
    w->title = desc.title;
    w->style = desc.style;
    w->handler = desc.handler;
    w->frame = frame;
    w->client = area->viewport();
    Win& main = *w;
    s_->main = add_window(std::move(w));
    build_menu(main, desc.menu);
    for (const QPointer<QAction>& action : main.menu.bar)
        if (action) frame->menuBar()->addAction(action);

    frame->on_close_request = [this] {
        at_boundary([this] { deliver_with_default(s_->main, Event{EventKind::CloseRequest, s_->main, 0, Notification::None, {}}); });
    };
    area->on_resize = [this] { at_boundary([this] { report_size(s_->main); }); };
    QObject::connect(area, &QMdiArea::subWindowActivated, area, [this](QMdiSubWindow* sub) {
        if (!sub) return;  // the main window lost the activation (a box is up): the focus stays
        const QVariant id = sub->property(kWindowProperty);
        at_boundary([&] { window_activated(id.isValid() ? id.toInt() : kNoWindow); });
    });

    QEventLoop loop;
    s_->main_loop = &loop;
    struct Forget {  // an error escaping below must not leave a dangling loop behind
        QEventLoop*& loop;
        ~Forget() { loop = nullptr; }
    } forget{s_->main_loop};
    try {
        deliver_with_default(s_->main, Event{EventKind::Create, s_->main, 0, Notification::None, {}});
        if (window_exists(s_->main)) {
            if (!frame->isVisible()) show_main();
            report_size(s_->main);
        }
        if (window_exists(s_->main) && !s_->ending) loop.exec();
    } catch (const ProgramExit&) {
        // end_program() from a handler called here: every frame above has been left
    }
    s_->main_loop = nullptr;
    if (window_exists(s_->main)) destroy_main();
    if (s_->output.is_open()) {
        try {
            close_output_file();
        } catch (const files::FileError& error) {
            std::fprintf(stderr, "velk_qz: %s\n", error.what());
        }
    }
    delete s_->main_frame.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Opened maximised, it fills the screen even where no window manager maximises it.
void QtToolkit::show_main()
{
    qt::MainFrame* frame = s_->main_frame;
    if (!frame) return;
    if (alive_window(s_->main).style & style::maximised) {
        if (QScreen* screen = frame->screen()) frame->setGeometry(screen->availableGeometry());
        frame->showMaximized();
    } else {
        frame->resize(1024, 768);
        frame->show();
    }
}

// The main window goes, and every window with it; handlers see their Destroy events, but nothing
// they do can stop or restart the end.
void QtToolkit::destroy_main()
{
    Win& main = alive_window(s_->main);
    if (main.destroying) return;
    main.destroying = true;
    s_->ending = true;
    try {
        deliver(s_->main, Event{EventKind::Destroy, s_->main, 0, Notification::None, {}});
    } catch (const ProgramExit&) {
        // the program is ending already
    }
    for (auto& [id, w] : s_->windows) {
        if (!w->alive || !w->is_document()) continue;
        try {
            destroy_window(id);
        } catch (const ProgramExit&) {
            // the program is ending already
        }
    }
    close_aux_window();
    main.alive = false;
    if (s_->main_frame) s_->main_frame->hide();
    request_exit();
}

void QtToolkit::end_program()
{
    s_->ending = true;
    throw ProgramExit{};
}

// ---- Document windows ------------------------------------------------------------------------------

WindowId QtToolkit::create_window(const WindowDesc& desc)
{
    if (s_->ending) return kNoWindow;
    alive_window(s_->main);
    auto w = std::make_unique<Win>();
    w->parent = desc.parent == kNoWindow ? s_->main : alive_window(desc.parent).id;
    w->kind = desc.kind == WindowKind::Text ? Win::Kind::Text : Win::Kind::Document;
    w->title = desc.title;
    w->style = desc.style;
    w->handler = desc.handler;
    Win& window = *w;
    const WindowId id = add_window(std::move(w));

    auto* frame = new qt::DocumentFrame;
    frame->setProperty(kWindowProperty, id);
    if (window.kind == Win::Kind::Text) {
        auto* editor = new qt::EditorView;
        editor->setReadOnly(desc.text.read_only);
        editor->setLineWrapMode(desc.text.word_wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        editor->on_resize = [this, id] { at_boundary([&] { report_size(id); }); };
        qt::add_find_and_replace(*editor, [this](const std::function<void()>& work) { at_boundary(work); }, *this,
                                 s_->find_text, s_->replace_text);
        window.editor = editor;
        window.client = editor;
    } else {
        auto* canvas = new qt::Canvas;
        canvas->on_resize = [this, id] { at_boundary([&] { report_size(id); }); };
        canvas->on_double_click = [this, id] {
            at_boundary([&] { deliver(id, Event{EventKind::MouseDoubleClick, id, 0, Notification::None, {}}); });
        };
        window.pictures = &canvas->pictures;
        window.client = canvas;
    }
    frame->setWidget(window.client);
    frame->setWindowTitle(q(desc.title));
    window.frame = frame;
    s_->area->addSubWindow(frame, document_flags(desc.style));
    frame->setAttribute(Qt::WA_DeleteOnClose, false);
    frame->setGeometry(to_qrect(desc.rect));
    if (!(desc.style & style::sizing_border) && !(desc.style & style::maximise_box)) frame->setFixedSize(frame->size());
    frame->on_close_request = [this, id] {
        at_boundary([&] { deliver_with_default(id, Event{EventKind::CloseRequest, id, 0, Notification::None, {}}); });
    };
    QObject::connect(frame, &QMdiSubWindow::windowStateChanged, frame,
                     [this, id] { at_boundary([&] { report_size(id); }); });
    build_menu(window, desc.menu);

    s_->focus = id;
    deliver_with_default(id, Event{EventKind::Create, id, 0, Notification::None, {}});
    if (!window_exists(id)) return id;
    if (desc.style & style::maximised)
        frame->showMaximized();
    else
        frame->show();
    settle(frame);
    activate_window(id);
    if (window_exists(id)) report_size(id);
    // Before the main window shows (a window its create event opens) the first paint waits for
    // the event loop, so that nothing the paint asks comes up before the main window.
    if (window_exists(id) && s_->main_frame->isVisible())
        deliver_paint(id);
    else if (window_exists(id))
        queue_paint(id);
    return id;
}

void QtToolkit::destroy_window(WindowId window)
{
    if (window == s_->main && s_->main != kNoWindow) {
        if (!window_exists(s_->main)) return;
        if (s_->handler_depth > 0) end_program();
        destroy_main();
        return;
    }
    Win* w = find(window);
    if (!w || !w->alive || w->destroying) return;
    if (w->is_dialog()) {
        close_dialog(*w, kButtonCancel, false);
        return;
    }
    w->destroying = true;
    deliver(window, Event{EventKind::Destroy, window, 0, Notification::None, {}});
    for (auto& [id, child] : s_->windows)
        if (child->alive && child->parent == window && child->is_document()) destroy_window(id);
    release_document(*w);
    if (s_->focus == window) refocus();
}

// The window is dead at once; its widgets go when Qt is back in its loop, since a handler of one
// of them may still be running below us.
void QtToolkit::release_document(Win& w)
{
    w.alive = false;
    drop_menu(w);
    if (QWidget* frame = w.frame) {
        frame->hide();
        frame->deleteLater();
    }
}

// After a document window went: the one Qt made current, none when that is the auxiliary
// window, else the latest one still open.
void QtToolkit::refocus()
{
    s_->focus = kNoWindow;
    QMdiSubWindow* current = s_->area ? s_->area->currentSubWindow() : nullptr;
    const QVariant current_id = current ? current->property(kWindowProperty) : QVariant();
    if (current && !current_id.isValid()) {
        show_window_menu(kNoWindow);
        return;
    }
    for (const auto& [id, w] : s_->windows) {
        if (!w->alive || w->destroying || !w->is_document()) continue;
        s_->focus = id;
        if (current && w->frame == current) break;
    }
    show_window_menu(s_->focus);
}

WindowId QtToolkit::focused_window() const { return window_exists(s_->focus) ? s_->focus : s_->main; }

void QtToolkit::activate_window(WindowId window)
{
    Win& w = alive_window(window);
    if (!w.is_document()) return;
    s_->focus = window;
    if (auto* frame = qobject_cast<QMdiSubWindow*>(w.frame.data())) s_->area->setActiveSubWindow(frame);
    show_window_menu(window);
}

// The user activated a document window (or the auxiliary window, kNoWindow).
void QtToolkit::window_activated(WindowId id)
{
    const Win* w = find(id);
    if (id != kNoWindow && (!w || !w->alive || w->destroying)) return;
    s_->focus = id;
    show_window_menu(id);
}

void QtToolkit::set_window_state(WindowId window, WindowState state)
{
    Win& w = alive_window(window);
    auto* frame = qobject_cast<QMdiSubWindow*>(w.frame.data());
    if (!w.is_document() || !frame) return;
    switch (state) {
    case WindowState::Normal: frame->showNormal(); break;
    case WindowState::Maximised: frame->showMaximized(); break;
    case WindowState::Minimised: frame->showMinimized(); break;
    }
    settle(frame);
    report_size(window);
}

bool QtToolkit::send_event(WindowId window, const Event& event)
{
    alive_window(window);
    Event sent = event;
    sent.window = window;
    return deliver(window, sent) == Delivery::Handled;
}

void QtToolkit::set_window_font(WindowId window, Font font)
{
    Win& w = alive_window(window);
    QFont chosen = font.family == FontFamily::FixedPitch ? QFontDatabase::systemFont(QFontDatabase::FixedFont)
                                                         : QApplication::font();
    if (font.points > 0) chosen.setPointSize(font.points);
    if (w.client) w.client->setFont(chosen);
}

}  // namespace platform
