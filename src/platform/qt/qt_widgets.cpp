// The back-end's widgets: Qt event overrides that call the toolkit's hooks, the painting of
// picture lists, the editor's indentation. Hooks are set by the toolkit, which traps whatever
// they throw; nothing here throws.
#include "platform/qt/qt_widgets.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionMenuItem>
#include <QVBoxLayout>
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

// ---- The menu bar in rows ---------------------------------------------------------------------------

namespace {

// A row of the menu bar; it measures its items the way QMenuBar lays them out.
class MenuRow : public QMenuBar {
public:
    explicit MenuRow(QWidget* parent) : QMenuBar(parent) { setNativeMenuBar(false); }

    int item_width(QAction* action) const
    {
        QStyleOptionMenuItem option;
        initStyleOption(&option, action);
        const QSize text = fontMetrics().size(Qt::TextShowMnemonic, action->text());
        return style()->sizeFromContents(QStyle::CT_MenuBarItem, &option, text, this).width() +
               style()->pixelMetric(QStyle::PM_MenuBarItemSpacing, nullptr, this);
    }

    int margins() const
    {
        return 2 * (style()->pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, this) +
                    style()->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, this));
    }
};

// A few pixels to spare, so that rounding never tips a row into its overflow button.
constexpr int kRowSlack = 8;

}  // namespace

MenuRows::MenuRows(QWidget* parent) : QWidget(parent), layout_(new QVBoxLayout(this))
{
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    bars_.push_back(new MenuRow(this));
    layout_->addWidget(bars_.front());
}

void MenuRows::set_menus(const std::vector<QAction*>& menus)
{
    menus_.assign(menus.begin(), menus.end());
    flowed_width_ = -1;
    reflow();
}

std::vector<QMenuBar*> MenuRows::rows() const
{
    std::vector<QMenuBar*> out;
    for (QMenuBar* bar : bars_)
        if (!bar->actions().isEmpty() || out.empty()) out.push_back(bar);
    return out;
}

std::vector<std::size_t> MenuRows::row_starts(int width) const
{
    const auto* measure = static_cast<const MenuRow*>(bars_.front());
    std::vector<std::size_t> starts{0};
    int used = measure->margins() + kRowSlack;
    for (std::size_t i = 0; i < menus_.size(); ++i) {
        if (!menus_[i]) continue;
        const int w = measure->item_width(menus_[i]);
        if (used + w > width && i > starts.back()) {
            starts.push_back(i);
            used = measure->margins() + kRowSlack;
        }
        used += w;
    }
    return starts;
}

int MenuRows::rows_at(int width) const { return static_cast<int>(row_starts(width).size()); }

void MenuRows::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (width() != flowed_width_) reflow();
}

// Puts each menu on its row; rows no longer needed stay empty and hidden.
void MenuRows::reflow()
{
    const int width = this->width() > 0 ? this->width() : (parentWidget() ? parentWidget()->width() : 1024);
    flowed_width_ = this->width();
    const std::vector<std::size_t> starts = row_starts(width);
    while (bars_.size() < starts.size()) {
        bars_.push_back(new MenuRow(this));
        layout_->addWidget(bars_.back());
    }
    for (QMenuBar* bar : bars_)
        for (QAction* action : bar->actions()) bar->removeAction(action);
    for (std::size_t row = 0; row < starts.size(); ++row) {
        const std::size_t end = row + 1 < starts.size() ? starts[row + 1] : menus_.size();
        for (std::size_t i = starts[row]; i < end; ++i)
            if (menus_[i]) bars_[row]->addAction(menus_[i]);
    }
    for (std::size_t row = 0; row < bars_.size(); ++row) bars_[row]->setVisible(row < starts.size());
    updateGeometry();
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

void leave_ctrl_f4_to_the_main_window(QMdiSubWindow& frame)
{
    QMenu* menu = frame.systemMenu();
    if (!menu) return;
    const QKeySequence ctrl_f4(Qt::CTRL | Qt::Key_F4);
    for (QAction* action : menu->actions()) {
        QList<QKeySequence> keys = action->shortcuts();
        if (keys.removeAll(ctrl_f4) > 0) action->setShortcuts(keys);
    }
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
