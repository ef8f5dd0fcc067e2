// The editor control of text windows on QPlainTextEdit: text, caret and selection in character
// positions (Qt counts UTF-16 units), undo and redo, the clipboard. The program's own edits
// (set, append) start a fresh undo history; the user's edits can be undone.
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "platform/qt/qt_state.h"

namespace platform {

namespace qt {

int utf16_position(const QString& text, std::size_t characters)
{
    int at = 0;
    for (std::size_t n = 0; n < characters && at < text.size(); ++n)
        at += (text.at(at).isHighSurrogate() && at + 1 < text.size()) ? 2 : 1;
    return at;
}

std::size_t character_position(const QString& text, int utf16)
{
    std::size_t n = 0;
    for (int at = 0; at < utf16 && at < text.size(); ++n)
        at += (text.at(at).isHighSurrogate() && at + 1 < text.size()) ? 2 : 1;
    return n;
}

QString raw_text(const QPlainTextEdit& editor)
{
    QString text = editor.document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

}  // namespace qt

using qt::q;
using qt::u;

namespace {

void move_to(QPlainTextEdit& editor, std::size_t from, std::size_t to)
{
    const QString text = qt::raw_text(editor);
    QTextCursor cursor(editor.document());
    cursor.setPosition(qt::utf16_position(text, from));
    cursor.setPosition(qt::utf16_position(text, to), QTextCursor::KeepAnchor);
    editor.setTextCursor(cursor);
}

}  // namespace

// Counts an edit of the program while it runs (no text-changed event reaches the handler).
class QtToolkit::ProgramEdit {
public:
    explicit ProgramEdit(State& s) : s_(s) { ++s_.program_edits; }
    ~ProgramEdit() { --s_.program_edits; }
    ProgramEdit(const ProgramEdit&) = delete;
    ProgramEdit& operator=(const ProgramEdit&) = delete;

private:
    State& s_;
};

std::string QtToolkit::editor_text(WindowId window) const { return u(qt::raw_text(*text_window(window).editor)); }

void QtToolkit::set_editor_text(WindowId window, std::string_view text)
{
    QPlainTextEdit& editor = *text_window(window).editor;
    const ProgramEdit edit(*s_);
    editor.setPlainText(q(text));  // also empties the undo history
    editor.moveCursor(QTextCursor::Start);
}

void QtToolkit::editor_append(WindowId window, std::string_view text)
{
    QPlainTextEdit& editor = *text_window(window).editor;
    const ProgramEdit edit(*s_);
    QTextDocument& document = *editor.document();
    document.setUndoRedoEnabled(false);
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(q(text));
    document.setUndoRedoEnabled(true);
    document.clearUndoRedoStacks();
    editor.moveCursor(QTextCursor::End);
}

std::size_t QtToolkit::editor_caret(WindowId window) const
{
    const QPlainTextEdit& editor = *text_window(window).editor;
    return qt::character_position(qt::raw_text(editor), editor.textCursor().position());
}

void QtToolkit::set_editor_caret(WindowId window, std::size_t position)
{
    move_to(*text_window(window).editor, position, position);
}

void QtToolkit::editor_select(WindowId window, std::size_t from, std::size_t to)
{
    move_to(*text_window(window).editor, from, to);
}

bool QtToolkit::editor_can_undo(WindowId window) const { return text_window(window).editor->document()->isUndoAvailable(); }
bool QtToolkit::editor_can_redo(WindowId window) const { return text_window(window).editor->document()->isRedoAvailable(); }
void QtToolkit::editor_undo(WindowId window)
{
    const ProgramEdit edit(*s_);
    text_window(window).editor->undo();
}
void QtToolkit::editor_redo(WindowId window)
{
    const ProgramEdit edit(*s_);
    text_window(window).editor->redo();
}
void QtToolkit::editor_copy(WindowId window) { text_window(window).editor->copy(); }
void QtToolkit::editor_paste(WindowId window)  // nothing when read-only
{
    const ProgramEdit edit(*s_);
    text_window(window).editor->paste();
}

// A read-only text is copied, not cut.
void QtToolkit::editor_cut(WindowId window)
{
    QPlainTextEdit& editor = *text_window(window).editor;
    const ProgramEdit edit(*s_);
    if (editor.isReadOnly())
        editor.copy();
    else
        editor.cut();
}

void QtToolkit::editor_delete(WindowId window)
{
    QPlainTextEdit& editor = *text_window(window).editor;
    if (editor.isReadOnly()) return;
    const ProgramEdit edit(*s_);
    QTextCursor cursor = editor.textCursor();
    cursor.removeSelectedText();
    editor.setTextCursor(cursor);
}

void QtToolkit::editor_set_read_only(WindowId window, bool read_only) { text_window(window).editor->setReadOnly(read_only); }

void QtToolkit::editor_set_word_wrap(WindowId window, bool word_wrap)
{
    text_window(window).editor->setLineWrapMode(word_wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

}  // namespace platform
