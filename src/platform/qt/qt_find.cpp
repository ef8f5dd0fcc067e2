// Find and replace in a text window, through the toolkit's own prompt and note so that ending
// the program while one is open unwinds as everywhere else. Case is ignored, as in the lists.
#include "platform/qt/qt_find.h"

#include <QAction>
#include <QKeySequence>
#include <QPointer>
#include <QTextCursor>
#include <QTextDocument>
#include <string>

#include "platform/qt/qt_state.h"

namespace platform::qt {

namespace {

bool ask(Toolkit& ui, const char* title, const char* label, QString& value)
{
    const std::optional<std::string> answer = ui.prompt(title, label, u(value));
    if (!answer || answer->empty()) return false;
    value = q(*answer);
    return true;
}

// From the caret on, then from the start.
void find_next(Toolkit& ui, QPlainTextEdit& editor, const QString& wanted)
{
    QTextDocument& document = *editor.document();
    QTextCursor found = document.find(wanted, editor.textCursor());
    if (found.isNull()) found = document.find(wanted, 0);
    if (found.isNull()) {
        ui.note("Znajdź", "Nie znaleziono tekstu \"" + u(wanted) + "\".");
        return;
    }
    editor.setTextCursor(found);
}

void replace_all(Toolkit& ui, QPlainTextEdit& editor, const QString& wanted, const QString& with)
{
    QString text = raw_text(editor);
    const qsizetype count = text.count(wanted, Qt::CaseInsensitive);
    if (count > 0) {
        text.replace(wanted, with, Qt::CaseInsensitive);
        QTextCursor all(editor.document());
        all.select(QTextCursor::Document);
        all.insertText(text);
    }
    ui.note("Zamień", "Zamienionych wystąpień: " + std::to_string(count));
}

}  // namespace

void add_find_and_replace(QPlainTextEdit& editor, Boundary boundary, Toolkit& ui, QString& find_text,
                          QString& replace_text)
{
    auto add = [&](QKeySequence keys, std::function<void()> work) {
        auto* action = new QAction(&editor);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetShortcut);
        editor.addAction(action);
        QObject::connect(action, &QAction::triggered, &editor, [boundary, work] { boundary(work); });
    };
    // The window may be gone when a prompt returns (the program ended meanwhile, say).
    const QPointer<QPlainTextEdit> target = &editor;
    add(QKeySequence::Find, [&ui, target, &find_text] {
        if (ask(ui, "Znajdź", "Szukany tekst:", find_text) && target) find_next(ui, *target, find_text);
    });
    add(QKeySequence::FindNext, [&ui, target, &find_text] {
        if ((!find_text.isEmpty() || ask(ui, "Znajdź", "Szukany tekst:", find_text)) && target)
            find_next(ui, *target, find_text);
    });
    add(QKeySequence(Qt::CTRL | Qt::Key_H), [&ui, target, &find_text, &replace_text] {
        if (!target || target->isReadOnly()) return;
        if (!ask(ui, "Zamień", "Szukany tekst:", find_text)) return;
        const std::optional<std::string> with = ui.prompt("Zamień", "Zamień na:", u(replace_text));
        if (!with || !target) return;
        replace_text = q(*with);
        replace_all(ui, *target, find_text, replace_text);
    });
}

}  // namespace platform::qt
