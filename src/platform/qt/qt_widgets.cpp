// The back-end's widgets: Qt event overrides that call the toolkit's hooks, the painting of
// picture lists, the editor's indentation. Hooks are set by the toolkit, which traps whatever
// they throw; nothing here throws.
#include "platform/qt/qt_widgets.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace platform::qt {

namespace {

void call(const Hook& hook)
{
    if (hook) hook();
}

}  // namespace

// ---- Pictures ------------------------------------------------------------------------------------

void PictureList::add(const QImage& image, const QRect& target)
{
    std::erase_if(drawn_, [&](const Drawn& d) { return target.contains(d.target); });
    drawn_.push_back(Drawn{image, target});
}

// A plain copy of the pixels, stretched in width and height independently.
void PictureList::paint(QPainter& painter) const
{
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (const Drawn& d : drawn_) painter.drawImage(d.target, d.image);
}

// ---- Frames ------------------------------------------------------------------------------------------

// The program decides whether the main window goes; when it does, it is deleted, never closed.
void MainFrame::closeEvent(QCloseEvent* event)
{
    event->ignore();
    call(on_close_request);
}

bool ClientArea::viewportEvent(QEvent* event)
{
    const bool result = QMdiArea::viewportEvent(event);
    if (event->type() == QEvent::Resize) call(on_resize);
    return result;
}

// The program decides whether a document window goes; when it does, it is deleted, never closed.
void DocumentFrame::closeEvent(QCloseEvent* event)
{
    event->ignore();
    call(on_close_request);
}

void Canvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    pictures.paint(painter);
}

void Canvas::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    call(on_resize);
}

void Canvas::mouseDoubleClickEvent(QMouseEvent* event)
{
    QWidget::mouseDoubleClickEvent(event);
    call(on_double_click);
}

void EditorView::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    call(on_resize);
}

// Enter replaces the selection by a line break and the blanks and tabs that open the line up to
// the selection (or the caret); one undo step.
void EditorView::keyPressEvent(QKeyEvent* event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (isReadOnly() || !plain || !enter) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    const QTextBlock line = document()->findBlock(start);
    const QString before = line.text().left(start - line.position());
    qsizetype blanks = 0;
    while (blanks < before.size() && (before.at(blanks) == u' ' || before.at(blanks) == u'\t')) ++blanks;
    cursor.beginEditBlock();
    cursor.insertText(QStringLiteral("\n") + before.left(blanks));
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
    event->accept();
}

// ---- Dialogs ----------------------------------------------------------------------------------------

void DialogFrame::keyPressEvent(QKeyEvent* event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        event->accept();
        call(on_enter);
        return;
    }
    if (plain && event->key() == Qt::Key_Escape) {
        event->accept();
        call(on_esc);
        return;
    }
    QWidget::keyPressEvent(event);  // not QDialog's: it would close the dialog itself
}

void DialogFrame::closeEvent(QCloseEvent* event)
{
    event->ignore();
    call(on_close_request);
}

void DialogFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    pictures.paint(painter);
}

void DialogFrame::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    call(on_geometry);
}

void DialogFrame::moveEvent(QMoveEvent* event)
{
    QDialog::moveEvent(event);
    call(on_geometry);
}

}  // namespace platform::qt
