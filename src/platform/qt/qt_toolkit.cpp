// The Qt toolkit's windows: the application object, the main window with its client area and
// event loop, document windows as MDI children, their titles, states, focus and fonts. Their life
// is WindowLife's: this file draws it, and never calls a handler itself.
#include "platform/qt/qt_toolkit.h"

#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QLayout>
#include <QLibraryInfo>
#include <QScreen>
#include <QTimer>
#include <QTranslator>
#include <clocale>
#include <cstdio>

#include "platform/qt/qt_find.h"
#include "platform/qt/qt_icons.h"
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

QtToolkit::QtToolkit(QtOptions options)
    : s_(std::make_unique<State>(std::move(options), *this, static_cast<WindowDrawing&>(*this)))
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

WindowId QtToolkit::main_window() const { return s_->life.main(); }

std::string QtToolkit::program_path() const
{
    if (!s_->options.program_path.empty()) return s_->options.program_path;
    return qt::u(QCoreApplication::applicationFilePath());
}

// ---- Lookup ------------------------------------------------------------------------------------------

QtToolkit::Win* QtToolkit::find(WindowId id) const { return static_cast<Win*>(s_->life.find(id)); }

QtToolkit::Win& QtToolkit::alive_window(WindowId id) const { return static_cast<Win&>(s_->life.alive_window(id)); }

QtToolkit::Win& QtToolkit::text_window(WindowId id) const
{
    Win& w = alive_window(id);
    if (w.role != WindowRole::Text || !w.editor) throw ToolkitError("window \"" + w.title + "\" is no text window");
    return w;
}

std::shared_ptr<WindowRecord> QtToolkit::new_record() { return std::make_shared<Win>(); }

bool QtToolkit::window_exists(WindowId window) const { return s_->life.exists(window); }
WindowId QtToolkit::parent_window(WindowId window) const { return alive_window(window).parent; }
std::string QtToolkit::window_title(WindowId window) const { return alive_window(window).title; }
void QtToolkit::set_window_title(WindowId window, std::string_view title) { s_->life.set_window_title(window, title); }
void QtToolkit::end_program() { s_->life.end_program(); }
WindowId QtToolkit::create_window(const WindowDesc& desc) { return s_->life.create_window(desc); }
void QtToolkit::destroy_window(WindowId window) { s_->life.destroy_window(window); }
WindowId QtToolkit::focused_window() const { return s_->life.focused_window(); }
void QtToolkit::activate_window(WindowId window) { s_->life.activate_window(window); }
bool QtToolkit::send_event(WindowId window, const Event& event) { return s_->life.send_event(window, event); }

void QtToolkit::title_changed(WindowRecord& record, const std::string&)
{
    Win& w = static_cast<Win&>(record);
    if (w.frame) w.frame->setWindowTitle(q(w.title));
}

Rect QtToolkit::client_rect(WindowId window) const
{
    const Win& w = alive_window(window);
    switch (w.role) {
    case WindowRole::Main: return s_->area ? to_rect(s_->area->viewport()->rect()) : Rect{};
    case WindowRole::Dialog: return w.frame ? to_rect(w.frame->rect()) : Rect{};
    default:
        if (!w.frame || !w.client || w.frame->isMinimized()) return Rect{};
        return to_rect(w.client->rect());
    }
}

// ---- The main window and the event loop ------------------------------------------------------------

void QtToolkit::run_task_window(const TaskWindowDesc& desc) { s_->life.run_task_window(desc); }

void QtToolkit::open_main(WindowRecord& record, const TaskWindowDesc& desc)
{
    Win& main = static_cast<Win&>(record);
    auto* frame = new qt::MainFrame;
    auto* area = new qt::ClientArea;
    frame->setObjectName(q(desc.class_name));
    frame->setWindowTitle(q(desc.title));
    frame->setCentralWidget(area);
    auto* menu_rows = new qt::MenuRows;
    frame->setMenuWidget(menu_rows);
    if (const QIcon icon = qt::resource_icon(desc.icon); !icon.isNull()) {
        frame->setWindowIcon(icon);
        QApplication::setWindowIcon(icon);  // its dialogs and boxes carry it too
    }
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    s_->main_frame = frame;
    s_->area = area;
    s_->menu_rows = menu_rows;
    main.frame = frame;
    main.client = area->viewport();
    build_menu(main, desc.menu);
    refresh_menu_bar();

    // Ctrl+F4 closes the active document window, as its close box does.
    auto* close_document = new QAction(frame);
    close_document->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    close_document->setShortcutContext(Qt::WindowShortcut);
    frame->addAction(close_document);
    QObject::connect(close_document, &QAction::triggered, area, &QMdiArea::closeActiveSubWindow);

    const WindowId id = main.id;
    frame->on_close_request = [this, id] {
        at_boundary([&] { s_->life.deliver_with_default(id, Event{EventKind::CloseRequest, id, 0, Notification::None, {}}); });
    };
    area->on_resize = [this, id] { at_boundary([&] { s_->life.size_changed(id); }); };
    QObject::connect(area, &QMdiArea::subWindowActivated, area, [this](QMdiSubWindow* sub) {
        if (!sub) return;  // the main window lost the activation (a box is up): the focus stays
        const QVariant id = sub->property(kWindowProperty);
        at_boundary([&] { s_->life.platform_activated(id.isValid() ? id.toInt() : kNoWindow); });
    });
}

void QtToolkit::show_main(WindowRecord&)
{
    if (s_->main_frame && !s_->main_frame->isVisible()) show_main_frame();
}

// Opened maximised, it fills the screen even where no window manager maximises it.
void QtToolkit::show_main_frame()
{
    qt::MainFrame* frame = s_->main_frame;
    if (!frame) return;
    if (alive_window(s_->life.main()).style & style::maximised) {
        if (QScreen* screen = frame->screen()) frame->setGeometry(screen->availableGeometry());
        frame->showMaximized();
    } else {
        frame->resize(1024, 768);
        frame->show();
    }
}

void QtToolkit::run_event_loop()
{
    QEventLoop loop;
    s_->main_loop = &loop;
    struct Forget {  // whatever leaves the loop must not leave a dangling pointer behind
        QEventLoop*& loop;
        ~Forget() { loop = nullptr; }
    } forget{s_->main_loop};
    loop.exec();
}

void QtToolkit::main_gone(WindowRecord&)
{
    close_aux_window();
    if (s_->main_frame) s_->main_frame->hide();
    request_exit();
}

void QtToolkit::program_ended()
{
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

// ---- Document windows ------------------------------------------------------------------------------

void QtToolkit::open_window(WindowRecord& record, const WindowDesc& desc)
{
    Win& window = static_cast<Win&>(record);
    const WindowId id = window.id;
    auto* frame = new qt::DocumentFrame;
    frame->setProperty(kWindowProperty, id);
    if (window.role == WindowRole::Text) {
        auto* editor = new qt::EditorView;
        editor->setReadOnly(desc.text.read_only);
        editor->setLineWrapMode(desc.text.word_wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        editor->on_resize = [this, id] { at_boundary([&] { s_->life.size_changed(id); }); };
        qt::add_find_and_replace(*editor, [this](const std::function<void()>& work) { at_boundary(work); }, *this,
                                 s_->find_text, s_->replace_text);
        QObject::connect(editor, &QPlainTextEdit::textChanged, editor, [this, id] {
            if (s_->program_edits > 0) return;
            at_boundary([&] { s_->life.deliver(id, Event{EventKind::Control, id, 0, Notification::TextChanged, {}}); });
        });
        window.editor = editor;
        window.client = editor;
    } else {
        auto* canvas = new qt::Canvas;
        canvas->on_resize = [this, id] { at_boundary([&] { s_->life.size_changed(id); }); };
        canvas->on_double_click = [this, id] {
            at_boundary([&] { s_->life.deliver(id, Event{EventKind::MouseDoubleClick, id, 0, Notification::None, {}}); });
        };
        window.pictures = &canvas->pictures;
        window.client = canvas;
    }
    frame->setWidget(window.client);
    frame->setWindowTitle(q(desc.title));
    window.frame = frame;
    s_->area->addSubWindow(frame, document_flags(desc.style));
    qt::leave_ctrl_f4_to_the_main_window(*frame);
    frame->setAttribute(Qt::WA_DeleteOnClose, false);
    frame->setGeometry(to_qrect(desc.rect));
    if (!(desc.style & style::sizing_border) && !(desc.style & style::maximise_box)) frame->setFixedSize(frame->size());
    frame->on_close_request = [this, id] {
        at_boundary([&] { s_->life.deliver_with_default(id, Event{EventKind::CloseRequest, id, 0, Notification::None, {}}); });
    };
    QObject::connect(frame, &QMdiSubWindow::windowStateChanged, frame,
                     [this, id] { at_boundary([&] { s_->life.size_changed(id); }); });
    build_menu(window, desc.menu);
}

void QtToolkit::show_window(WindowRecord& record, const WindowDesc& desc)
{
    QWidget* frame = static_cast<Win&>(record).frame;
    if (!frame) return;
    if (desc.style & style::maximised)
        frame->showMaximized();
    else
        frame->show();
    settle(frame);
}

// Before the main window shows (a window its create event opens) the first paint waits for the
// event loop, so that nothing the paint asks comes up before the main window.
bool QtToolkit::paints_at_once(WindowRecord& window)
{
    if (s_->main_frame && s_->main_frame->isVisible()) return true;
    queue_paint(window.id);
    return false;
}

// The window's widgets go when Qt is back in its loop, since a handler of one of them may still be
// running below us.
void QtToolkit::window_gone(WindowRecord& record)
{
    Win& w = static_cast<Win&>(record);
    drop_menu(w);
    if (QWidget* frame = w.frame) {
        frame->hide();
        frame->deleteLater();
    }
}

void QtToolkit::activate(WindowRecord& record)
{
    Win& w = static_cast<Win&>(record);
    if (auto* frame = qobject_cast<QMdiSubWindow*>(w.frame.data())) s_->area->setActiveSubWindow(frame);
    show_window_menu(w.id);
}

// After a document window went: the one Qt made current (kNoWindow for the auxiliary window).
std::optional<WindowId> QtToolkit::active_document() const
{
    QMdiSubWindow* current = s_->area ? s_->area->currentSubWindow() : nullptr;
    if (!current) return std::nullopt;
    const QVariant id = current->property(kWindowProperty);
    return id.isValid() ? id.toInt() : kNoWindow;
}

void QtToolkit::focus_moved(WindowId id) { show_window_menu(id); }

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
    s_->life.size_changed(window);
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
