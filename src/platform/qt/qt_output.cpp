// The auxiliary window "Okno pomocnicze" (a read-only, word-wrapping text in a fixed-pitch font,
// in an MDI child that keeps the last lines written to it) and the current output file. Where a
// write goes is decided here; what the program writes is not.
#include <QFontDatabase>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "platform/qt/qt_state.h"

namespace platform {

using qt::q;
using qt::u;

namespace {

// The lines shown: every block, the last one only when it holds something.
int shown_lines(const QTextDocument& document)
{
    const int blocks = document.blockCount();
    return document.lastBlock().length() <= 1 ? blocks - 1 : blocks;
}

void drop_first_line(QTextDocument& document)
{
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::Start);
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

}  // namespace

void QtToolkit::create_aux_window(int max_lines)
{
    if (s_->life.ending() || has_aux_window()) return;
    alive_window(s_->life.main());
    auto* text = new QPlainTextEdit;
    text->setReadOnly(true);
    // Fixed pitch: a caret the program writes under a line stands under the character it means.
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setUndoRedoEnabled(false);
    auto* frame = new QMdiSubWindow;
    frame->setWidget(text);
    frame->setWindowTitle(QStringLiteral("Okno pomocnicze"));
    frame->setObjectName(QStringLiteral("aux-window"));
    // The user's close box deletes it rather than hiding it for good: there is none then, and
    // the program writes nowhere until it makes a new one.
    frame->setAttribute(Qt::WA_DeleteOnClose);
    s_->area->addSubWindow(frame);
    qt::leave_ctrl_f4_to_the_main_window(*frame);
    s_->aux_frame = frame;
    s_->aux_text = text;
    s_->aux_max_lines = std::max(1, max_lines);
    fit_aux_window();
    frame->show();
}

void QtToolkit::close_aux_window()
{
    if (QWidget* frame = s_->aux_frame) {
        frame->hide();
        frame->deleteLater();
    }
    s_->aux_frame = nullptr;
    s_->aux_text = nullptr;
}

void QtToolkit::clear_aux_window()
{
    if (s_->aux_text) s_->aux_text->clear();
}

bool QtToolkit::has_aux_window() const { return s_->aux_frame && s_->aux_text; }

void QtToolkit::fit_aux_window()
{
    auto* frame = qobject_cast<QMdiSubWindow*>(s_->aux_frame.data());
    if (!frame || !s_->area || frame->isMaximized() || frame->isMinimized()) return;
    frame->setGeometry(s_->area->viewport()->rect());
}

void QtToolkit::write(std::string_view text)
{
    if (s_->output.is_open()) {
        s_->output.append(text);
        return;
    }
    if (!has_aux_window()) return;
    QPlainTextEdit& aux = *s_->aux_text;
    QTextDocument& document = *aux.document();
    QTextCursor end(&document);
    end.movePosition(QTextCursor::End);
    end.insertText(q(text));
    while (shown_lines(document) > s_->aux_max_lines) drop_first_line(document);
    aux.verticalScrollBar()->setValue(aux.verticalScrollBar()->maximum());
}

std::vector<std::string> QtToolkit::aux_lines() const
{
    std::vector<std::string> lines;
    if (!has_aux_window()) return lines;
    const QTextDocument& document = *s_->aux_text->document();
    const int shown = shown_lines(document);
    QTextBlock block = document.begin();
    for (int i = 0; i < shown && block.isValid(); ++i, block = block.next()) lines.push_back(u(block.text()));
    return lines;
}

void QtToolkit::open_output_file(const std::string& path)
{
    if (s_->output.is_open()) close_output_file();
    s_->output.open(path);
}

void QtToolkit::close_output_file()
{
    if (s_->output.is_open()) s_->output.close();
}

bool QtToolkit::output_is_file() const { return s_->output.is_open(); }

}  // namespace platform
