// The Qt toolkit's own data: its windows with their widgets, controls and menus, and the state
// of the event loop. Private to src/platform/qt; nothing outside includes it.
#pragma once

#include <QAction>
#include <QEventLoop>
#include <QMenu>
#include <QPointer>
#include <QString>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "platform/output_file.h"
#include "platform/qt/dialog_layout.h"
#include "platform/qt/qt_toolkit.h"
#include "platform/qt/qt_widgets.h"
#include "platform/window_life.h"

namespace platform {

// A control of a window or dialog.
struct QtToolkit::Ctl {
    ControlDesc desc;
    QPointer<QWidget> widget;
    std::string text;          // lists: the text the program gave them (they show none)
    bool enabled = true;
    bool auto_placed = false;  // placed by the dialog layout and not moved by the program since
};

// The menu of a window: what it puts on the menu bar, and its items by id.
struct MenuModel {
    std::vector<QPointer<QAction>> bar;  // in menu-bar order
    std::map<int, QPointer<QAction>> items;
    std::vector<QPointer<QObject>> owned;  // submenus and bar actions, deleted with the window
    bool empty() const { return bar.empty(); }
};

// A window of the table (window_life.h) with the widgets that draw it.
struct QtToolkit::Win : WindowRecord {
    QPointer<QWidget> frame;            // MainFrame, DocumentFrame or DialogFrame
    QPointer<QWidget> client;           // the client area: the MDI viewport, a Canvas, an EditorView, the dialog
    QPointer<qt::EditorView> editor;    // text windows
    qt::PictureList* pictures = nullptr;  // plain windows and dialogs: owned by their client widget
    std::unique_ptr<QWidget> owned;     // dialogs: the frame, deleted when the dialog is left
    MenuModel menu;
    std::vector<Ctl> controls;
    // events that Qt's own changes cause, put off to its event loop
    bool paint_queued = false;
    bool move_queued = false;
    QRect placed;                       // dialogs: the geometry of the last move event
    qt::DialogUnits units;              // dialogs
};

struct QtToolkit::State {
    State(QtOptions o, Toolkit& ui, WindowDrawing& drawing)
        : options(std::move(o)),
          files(options.working_dir.empty() ? files::Files() : files::Files(options.working_dir)),
          output(files),
          life(ui, drawing)
    {
    }

    QtOptions options;
    files::Files files;
    OutputFile output;
    WindowLife life;
    WindowId menu_shown = kNoWindow;           // the document window whose menu is on the menu bar
    std::vector<QPointer<QAction>> menu_shown_bar;  // what it put there
    // How to leave each running nested event loop (dialogs, boxes, sound), innermost last.
    std::vector<std::function<void()>> nested_loops;
    bool playing_sound = false;  // the program takes no input until the sound has ended
    QEventLoop* main_loop = nullptr;
    // widgets of the main window
    QPointer<qt::MainFrame> main_frame;
    QPointer<qt::ClientArea> area;
    QPointer<qt::MenuRows> menu_rows;
    // the auxiliary window
    QPointer<QWidget> aux_frame;
    QPointer<QPlainTextEdit> aux_text;
    int aux_max_lines = 100;
    // Edits the program makes through the toolkit (set, append, the editor commands) running
    // now: they send no text-changed event, which tells only of the user's typing.
    int program_edits = 0;
    // the editors' find and replace
    QString find_text;
    QString replace_text;
};

namespace qt {

inline QString q(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }
inline std::string u(const QString& text) { return text.toUtf8().toStdString(); }
inline QRect to_qrect(Rect r) { return QRect(r.left, r.top, r.width(), r.height()); }
inline Rect to_rect(const QRect& r) { return Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

// Characters (code points) and Qt's UTF-16 positions in a text.
int utf16_position(const QString& text, std::size_t characters);
std::size_t character_position(const QString& text, int utf16);

// The text of an editor with "\n" line breaks, nothing replaced (non-breaking spaces stay).
QString raw_text(const QPlainTextEdit& editor);

}  // namespace qt
}  // namespace platform
