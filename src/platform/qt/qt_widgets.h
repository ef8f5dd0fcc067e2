// The Qt widgets the back-end is made of: the main frame and its client area, document frames,
// the canvas of plain windows, the text editor, the dialog frame. Each turns Qt's events into
// calls of hooks the toolkit sets; none of them decides anything or calls a handler itself.
#pragma once

#include <QDialog>
#include <QImage>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <functional>
#include <vector>

class QPainter;
class QVBoxLayout;

namespace platform::qt {

using Hook = std::function<void()>;

// Pictures stretched onto rectangles of a client area, painted under its controls. Qt repaints
// from this list whenever it needs to; the program's paint events fill it.
class PictureList {
public:
    // A picture that covers earlier ones completely replaces them.
    void add(const QImage& image, const QRect& target);
    void clear() { drawn_.clear(); }
    void paint(QPainter& painter) const;

private:
    struct Drawn {
        QImage image;
        QRect target;
    };
    std::vector<Drawn> drawn_;
};

// The main window: its close box asks the program instead of closing.
class MainFrame : public QMainWindow {
public:
    Hook on_close_request;

protected:
    void closeEvent(QCloseEvent* event) override;
};

// The main window's menu bar, in rows: each row takes the menus that fit its width and the rest
// go on to the next, so that every menu stays in sight at any width (a single QMenuBar hides the
// menus that do not fit behind an overflow button). Each row is a QMenuBar of its own.
class MenuRows : public QWidget {
public:
    explicit MenuRows(QWidget* parent = nullptr);
    // The items of the bar, in order: submenus' actions, or commands right on the bar.
    void set_menus(const std::vector<QAction*>& menus);
    std::vector<QMenuBar*> rows() const;
    // How many rows the menus take at that width.
    int rows_at(int width) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Which menus start a new row at that width.
    std::vector<std::size_t> row_starts(int width) const;
    void reflow();

    QVBoxLayout* layout_;
    std::vector<QPointer<QAction>> menus_;
    std::vector<QMenuBar*> bars_;
    int flowed_width_ = -1;
};

// The main window's client area, holding the document windows.
class ClientArea : public QMdiArea {
public:
    Hook on_resize;

protected:
    bool viewportEvent(QEvent* event) override;
};

// Ctrl+F4 belongs to the main window, which closes the active document window with it: the
// frame's own system menu may claim it too, depending on the platform, which would make the key
// ambiguous and do nothing.
void leave_ctrl_f4_to_the_main_window(QMdiSubWindow& frame);

// The frame of a document window inside the client area.
class DocumentFrame : public QMdiSubWindow {
public:
    Hook on_close_request;

protected:
    void closeEvent(QCloseEvent* event) override;
};

// The client area of a plain document window: pictures, controls, double clicks.
class Canvas : public QWidget {
public:
    PictureList pictures;
    Hook on_resize;
    Hook on_double_click;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// The editor control of a text window. Editable, it starts a new line with the indentation of
// the line above.
class EditorView : public QPlainTextEdit {
public:
    Hook on_resize;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// A modal dialog built from a template. Enter, Esc and the close box become hooks; the dialog
// ends only through finish().
class DialogFrame : public QDialog {
public:
    explicit DialogFrame(QWidget* parent) : QDialog(parent) {}

    PictureList pictures;
    Hook on_enter;
    Hook on_esc;
    Hook on_close_request;
    Hook on_geometry;  // moved, resized, maximised or restored

    void finish(int answer) { QDialog::done(answer); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
};

}  // namespace platform::qt
