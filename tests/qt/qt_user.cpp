// The user of a Qt run, played from a scenario script: a timer looks at what the program shows
// whenever it waits in an event loop (its own, or a modal widget's) and does the next step there,
// on the widgets, the way a person would: clicks, keys, chosen items, typed texts.
#include "qt/qt_user.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>
#include <set>
#include <vector>

#include "platform/files.h"
#include "platform/text.h"

namespace velk_test {

using platform::headless::Arg;
using platform::headless::describe;
using platform::headless::in_quotes;
using platform::headless::Script;
using platform::headless::ScriptFailure;
using platform::headless::Step;

namespace {

std::string u(const QString& text) { return text.toUtf8().toStdString(); }
QString q(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Button and menu texts compared as a person reads them: letter case and "&" ignored.
std::string plain_label(const std::string& text)
{
    std::string out = text::to_lower(text);
    std::erase(out, '&');
    return out;
}

bool is_modal_verb(const std::string& verb)
{
    static const std::set<std::string> verbs{"dialog", "note",  "error", "question", "message",
                                             "prompt", "open", "save",  "replace", "mkdir", "rmdir"};
    return verbs.contains(verb);
}

bool is_template_dialog(const QWidget* w) { return w->objectName().startsWith(QStringLiteral("dialog-")); }

// What a modal widget is, in the script's words: "dialog", "note", "question", "open", ...
std::string kind_of(QWidget* modal)
{
    if (is_template_dialog(modal)) return "dialog";
    if (auto* files = qobject_cast<QFileDialog*>(modal))
        return files->acceptMode() == QFileDialog::AcceptSave ? "save" : "open";
    return u(modal->objectName());
}

std::string shown(QWidget* modal)
{
    std::string out = kind_of(modal) + " ";
    if (is_template_dialog(modal)) out += u(modal->objectName().mid(7)) + " ";
    out += in_quotes(u(modal->windowTitle()));
    if (auto* box = qobject_cast<QMessageBox*>(modal)) out += ": " + in_quotes(u(box->text()));
    return out;
}

void send_key(QWidget* target, Qt::Key key, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

QMainWindow* main_frame()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* frame = qobject_cast<QMainWindow*>(w); frame && frame->isVisible()) return frame;
    return nullptr;
}

void collect_actions(const QList<QAction*>& actions, std::vector<QAction*>& out)
{
    for (QAction* action : actions) {
        if (action->isSeparator()) continue;
        if (QMenu* menu = action->menu())
            collect_actions(menu->actions(), out);
        else
            out.push_back(action);
    }
}

}  // namespace

class QtUser::Player {
public:
    Player(platform::QtToolkit& ui, Script script, std::string working_dir)
        : ui_(ui), script_(std::move(script)), files_(std::move(working_dir))
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { tick(); });
        timer_.start();
    }

    const std::optional<std::string>& failure() const { return failure_; }

    void check_finished() const
    {
        if (!script_.done())
            throw ScriptFailure("the program has ended, but the script goes on at " + describe(script_.peek()));
    }

private:
    // The timer's slot only queues the step: the step may open a modal loop, in which the timer
    // (never re-entered by Qt while its slot runs) must go on firing.
    void tick()
    {
        if (queued_ || failure_) return;
        queued_ = true;
        QMetaObject::invokeMethod(
            &timer_,
            [this] {
                queued_ = false;
                try {
                    next_step();
                } catch (const ScriptFailure& failure) {
                    fail(failure.message());
                }
            },
            Qt::QueuedConnection);
    }

    void fail(const std::string& message)
    {
        failure_ = message;
        timer_.stop();
        ui_.at_boundary([this] { ui_.end_program(); });
    }

    void next_step()
    {
        if (!ui_.accepts_user_input()) return;  // a sound plays: no click reaches the program
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && !modal->isVisible()) return;
        const platform::WindowId main = ui_.main_window();
        if (!modal && (main == platform::kNoWindow || !ui_.window_exists(main))) return;
        // A dialog whose create event asks something shows after the answer: its step comes first.
        if (QWidget* opening = unacknowledged_dialog()) {
            acknowledge(opening);
            return;
        }
        if (script_.done()) {
            fail("the script has ended, but the program " +
                 (modal ? "shows " + shown(modal) : std::string("waits in its event loop")));
            return;
        }
        if (!modal) {
            user_step(nullptr);
        } else if (!is_template_dialog(modal)) {
            answer(modal);
        } else if (std::find(acknowledged_.begin(), acknowledged_.end(), modal) == acknowledged_.end()) {
            acknowledge(modal);
        } else {
            user_step(modal);
        }
    }

    QWidget* unacknowledged_dialog()
    {
        std::erase_if(acknowledged_, [](const QPointer<QWidget>& w) { return w.isNull(); });
        for (QWidget* w : QApplication::topLevelWidgets())
            if (is_template_dialog(w) &&
                std::find(acknowledged_.begin(), acknowledged_.end(), w) == acknowledged_.end() && !w->isVisible())
                return w;
        return nullptr;
    }

    Step take(const std::string& verb, QWidget* modal)
    {
        const Step& step = script_.peek();
        if (step.verb != verb) throw ScriptFailure(describe(step) + " does not match: the program shows " + shown(modal));
        for (const Arg& arg : step.args)
            if (arg.quoted && arg.text != u(modal->windowTitle()))
                throw ScriptFailure(describe(step) + " expects the title " + in_quotes(arg.text) +
                                    ", but the program shows " + shown(modal));
        return script_.take();
    }

    void acknowledge(QWidget* dialog)
    {
        if (script_.done()) throw ScriptFailure("the script has ended, but the program shows " + shown(dialog));
        const Step step = take("dialog", dialog);
        for (const Arg& arg : step.args)
            if (!arg.quoted && (!arg.is_number() || q(arg.text) != dialog->objectName().mid(7)))
                throw ScriptFailure(describe(step) + " expects another dialog, but the program shows " + shown(dialog));
        acknowledged_.emplace_back(dialog);
    }

    // ---- Answers to boxes, prompts and file dialogs ----

    void answer(QWidget* modal)
    {
        const std::string kind = kind_of(modal);
        // Folders made or removed while a file dialog is open, as its user can; the dialog's
        // view follows the file system.
        while (qobject_cast<QFileDialog*>(modal) && !script_.done() &&
               (script_.peek().verb == "mkdir" || script_.peek().verb == "rmdir")) {
            const Step step = script_.take();
            const std::string folder = files_.resolve(step.args.front().text);
            if (step.verb == "mkdir")
                files_.create_directory(folder);
            else
                files_.remove_directory(folder);
        }
        if (script_.done()) throw ScriptFailure("the script has ended, but the program shows " + shown(modal));
        const Step step = take(kind, modal);
        if (kind == "note" || kind == "error") {
            press_labelled(modal, "ok", step);
        } else if (kind == "question" || kind == "message" || kind == "replace") {
            if (step.answer->is_word("close"))
                modal->close();
            else
                press_labelled(modal, plain_label(step.answer->text), step);
        } else if (auto* input = qobject_cast<QInputDialog*>(modal)) {
            if (step.answer->is_word("cancel")) return input->reject();
            input->setTextValue(q(step.answer->text));
            input->accept();
        } else if (auto* chooser = qobject_cast<QFileDialog*>(modal)) {
            if (step.answer->is_word("cancel")) return chooser->reject();
            // Typed into the name field, as a person does: selectFile leaves a field with the focus alone.
            const QString path = q(files_.resolve(step.answer->text));
            chooser->selectFile(path);
            if (auto* name = chooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) name->setText(path);
            static_cast<QDialog*>(chooser)->accept();  // QFileDialog's own, through its base
        } else {
            throw ScriptFailure(describe(step) + ": the program shows " + shown(modal) + ", which the player cannot answer");
        }
    }

    void press_labelled(QWidget* box, const std::string& label, const Step& step)
    {
        for (QAbstractButton* button : box->findChildren<QAbstractButton*>())
            if (button->isVisible() && plain_label(u(button->text())) == label) return button->click();
        throw ScriptFailure(describe(step) + " presses a button the program does not offer: the program shows " + shown(box));
    }

    // ---- The user's own steps ----

    // In the open dialog, or (dialog nullptr) in the main window's event loop.
    void user_step(QWidget* dialog)
    {
        const Step& next = script_.peek();
        if (is_modal_verb(next.verb))
            throw ScriptFailure(describe(next) + " answers something the program did not ask: the program " +
                                (dialog ? "shows " + shown(dialog) + ", open and waiting for the user"
                                        : std::string("waits in its event loop")));
        const Step step = script_.take();
        const std::string& verb = step.verb;
        auto outside_dialogs = [&] {
            if (dialog) throw ScriptFailure(describe(step) + " cannot be done while " + shown(dialog) + " is open");
        };
        if (verb == "menu") {
            outside_dialogs();
            choose_menu(step);
        } else if (verb == "close") {
            if (!step.args.empty()) outside_dialogs();
            QWidget* target = !step.args.empty() ? titled_window(step) : dialog ? dialog : main_frame();
            target->close();
        } else if (verb == "focus" && !dialog) {
            activate(titled_window(step));
        } else if (verb == "maximise" || verb == "restore" || verb == "minimise") {
            if (!step.args.empty()) outside_dialogs();
            QWidget* target = dialog ? dialog : !step.args.empty() ? titled_window(step) : active_document(step);
            if (dialog && (verb == "minimise" || !(dialog->windowFlags() & Qt::WindowMaximizeButtonHint)))
                throw ScriptFailure(describe(step) + ": " + shown(dialog) + " has no " + (verb == "minimise" ? "minimise" : "maximise") + " box");
            if (verb == "maximise") target->showMaximized();
            if (verb == "restore") target->showNormal();
            if (verb == "minimise") target->showMinimized();
        } else if (verb == "resize") {
            outside_dialogs();
            resize_main(step);
        } else if (verb == "enter" || verb == "esc") {
            if (!dialog) throw ScriptFailure(describe(step) + ": keys go to a modal dialog, and none is open");
            QWidget* focus = dialog->focusWidget() ? dialog->focusWidget() : dialog;
            send_key(focus, verb == "enter" ? Qt::Key_Return : Qt::Key_Escape);
        } else if (verb == "type" || verb == "caret" || verb == "mark") {
            outside_dialogs();
            edit_text(step);
        } else if (verb == "dblclick" && step.args.empty()) {
            QWidget* client = dialog ? dialog : active_document(step)->widget();
            const QPointF at(5, 5);
            QMouseEvent twice(QEvent::MouseButtonDblClick, at, client->mapToGlobal(at), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(client, &twice);
        } else if (verb == "paint") {
            throw ScriptFailure(describe(step) + ": Qt repaints by itself; the player cannot ask for a paint");
        } else {
            control_step(step, dialog ? dialog : active_document(step)->widget());
        }
    }

    static void activate(QWidget* sub)
    {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(sub))
            if (QMdiArea* area = frame->mdiArea()) area->setActiveSubWindow(frame);
    }

    std::vector<QMdiSubWindow*> documents() const
    {
        std::vector<QMdiSubWindow*> out;
        if (QMainWindow* frame = main_frame())
            for (QMdiSubWindow* sub : frame->findChildren<QMdiSubWindow*>())
                if (sub->isVisible() && sub->property("velk_window").isValid()) out.push_back(sub);
        return out;
    }

    // The document window with that title; the last opened when several have it.
    QMdiSubWindow* titled_window(const Step& step) const
    {
        QMdiSubWindow* found = nullptr;
        for (QMdiSubWindow* sub : documents())
            if (u(sub->windowTitle()) == step.args.front().text &&
                (!found || sub->property("velk_window").toInt() > found->property("velk_window").toInt()))
                found = sub;
        if (!found) throw ScriptFailure(describe(step) + ": no window has that title");
        return found;
    }

    QMdiSubWindow* active_document(const Step& step) const
    {
        const platform::WindowId active = ui_.focused_window();
        for (QMdiSubWindow* sub : documents())
            if (sub->property("velk_window").toInt() == active) return sub;
        throw ScriptFailure(describe(step) + ": no document window is active");
    }

    void choose_menu(const Step& step)
    {
        QMainWindow* frame = main_frame();
        if (!frame) throw ScriptFailure(describe(step) + ": no main window");
        std::vector<QAction*> actions;
        for (QMenuBar* row : frame->findChildren<QMenuBar*>())  // the bar may take several rows
            if (row->isVisible()) collect_actions(row->actions(), actions);
        const Arg& wanted = step.args.front();
        for (QAction* action : actions) {
            const bool match = wanted.is_number() ? action->data().toInt() == wanted.number()
                                                  : plain_label(u(action->text())) == plain_label(wanted.text);
            if (!match) continue;
            if (!action->isEnabled()) throw ScriptFailure(describe(step) + ": menu item " + u(action->text()) + " is greyed");
            action->trigger();
            return;
        }
        throw ScriptFailure(describe(step) + ": no such item in the menus");
    }

    // The main window's client area becomes width x height.
    void resize_main(const Step& step)
    {
        QMainWindow* frame = main_frame();
        auto* area = frame ? qobject_cast<QMdiArea*>(frame->centralWidget()) : nullptr;
        if (!area || !step.args[0].is_number() || !step.args[1].is_number())
            throw ScriptFailure(describe(step) + ": width and height are numbers, and the main window is up");
        const QSize wanted(step.args[0].number(), step.args[1].number());
        frame->resize(frame->size() + wanted - area->viewport()->size());
    }

    void edit_text(const Step& step)
    {
        auto* editor = qobject_cast<QPlainTextEdit*>(active_document(step)->widget());
        if (!editor) throw ScriptFailure(describe(step) + ": the active window is no text window");
        const platform::WindowId window = ui_.focused_window();
        if (step.verb == "type") {
            if (editor->isReadOnly()) throw ScriptFailure(describe(step) + ": the text is read-only");
            const QString typed = q(step.args.front().text);
            const QStringList lines = typed.split(QLatin1Char('\n'));
            for (qsizetype i = 0; i < lines.size(); ++i) {
                if (i > 0) send_key(editor, Qt::Key_Return, QStringLiteral("\r"));
                if (!lines[i].isEmpty()) send_key(editor, Qt::Key_unknown, lines[i]);
            }
        } else if (step.verb == "caret") {
            const Arg& at = step.args.front();
            ui_.set_editor_caret(window, at.is_word("end") ? std::string::npos
                                                            : static_cast<std::size_t>(std::max(0, at.number())));
        } else {
            ui_.editor_select(window, static_cast<std::size_t>(std::max(0, step.args[0].number())),
                              static_cast<std::size_t>(std::max(0, step.args[1].number())));
        }
    }

    // set, select, check, uncheck, press, dblclick, focus: on a control of the dialog or the
    // active window. The control takes the keyboard focus, as a click gives it.
    void control_step(const Step& step, QWidget* container)
    {
        if (!step.args.front().is_number()) throw ScriptFailure(describe(step) + ": a control id comes first");
        const int id = step.args.front().number();
        QWidget* widget = container->findChild<QWidget*>(QStringLiteral("control-%1").arg(id));
        if (!widget) throw ScriptFailure(describe(step) + ": the window has no control " + std::to_string(id));
        if (!widget->isEnabled()) throw ScriptFailure(describe(step) + ": control " + std::to_string(id) + " is disabled");
        widget->setFocus(step.verb == "focus" ? Qt::TabFocusReason : Qt::MouseFocusReason);
        const std::string& verb = step.verb;
        if (verb == "focus") return;
        if (verb == "set") return set_text(step, widget);
        if (verb == "select") return select(step, widget);
        if (verb == "check" || verb == "uncheck") {
            auto* button = qobject_cast<QAbstractButton*>(widget);
            if (!button || !button->isCheckable()) throw ScriptFailure(describe(step) + ": not a radio button or check box");
            const bool wanted = verb == "check";
            if (!wanted && qobject_cast<QRadioButton*>(button))
                throw ScriptFailure(describe(step) + ": a radio button (check another one instead)");
            if (button->isChecked() != wanted)
                button->click();
            else
                emit button->clicked(wanted);
            return;
        }
        if (verb == "press") {
            auto* button = qobject_cast<QPushButton*>(widget);
            if (!button) throw ScriptFailure(describe(step) + ": not a push button");
            return button->click();
        }
        if (verb == "dblclick") {
            auto* list = qobject_cast<QListWidget*>(widget);
            if (!list) throw ScriptFailure(describe(step) + ": not a list box");
            const QPointer<QListWidget> alive = list;
            if (step.args.size() > 1) select(step, widget);
            if (alive && alive->isVisible() && alive->currentItem()) emit alive->itemDoubleClicked(alive->currentItem());
            return;
        }
        throw ScriptFailure(describe(step) + " is no step the user can take here");
    }

    void set_text(const Step& step, QWidget* widget)
    {
        const QString text = q(step.args[1].text);
        if (auto* field = qobject_cast<QLineEdit*>(widget)) {
            if (field->isReadOnly()) throw ScriptFailure(describe(step) + ": the field is read-only");
            field->selectAll();
            field->insert(text);  // as typed: the field reports the edit
            return;
        }
        if (auto* area = qobject_cast<QPlainTextEdit*>(widget)) {
            if (area->isReadOnly()) throw ScriptFailure(describe(step) + ": the field is read-only");
            area->setPlainText(text);
            return;
        }
        throw ScriptFailure(describe(step) + ": not an edit field");
    }

    // The items named from the second argument on become the selection, reported once.
    void select(const Step& step, QWidget* widget)
    {
        auto* list = qobject_cast<QListWidget*>(widget);
        auto* combo = qobject_cast<QComboBox*>(widget);
        if (!list && !combo) throw ScriptFailure(describe(step) + ": not a list");
        std::vector<std::string> items;
        for (int i = 0; i < (list ? list->count() : combo->count()); ++i)
            items.push_back(u(list ? list->item(i)->text() : combo->itemText(i)));
        std::vector<int> chosen;
        for (std::size_t i = 1; i < step.args.size(); ++i) {
            const Arg& a = step.args[i];
            int at = a.is_number() ? a.number() : -1;
            if (!a.is_number())
                if (const auto it = std::find(items.begin(), items.end(), a.text); it != items.end())
                    at = static_cast<int>(it - items.begin());
            if (at < 0 || at >= static_cast<int>(items.size()))
                throw ScriptFailure(describe(step) + ": the list holds no item " + in_quotes(a.text));
            chosen.push_back(at);
        }
        if (combo) {
            if (chosen.size() != 1) throw ScriptFailure(describe(step) + ": a drop-down list takes one item");
            {
                const QSignalBlocker quiet(combo);
                combo->setCurrentIndex(chosen.front());
            }
            emit combo->activated(chosen.front());
            return;
        }
        if (list->selectionMode() != QAbstractItemView::MultiSelection && chosen.size() > 1)
            throw ScriptFailure(describe(step) + ": the list takes one item");
        {
            const QSignalBlocker quiet(list);
            list->clearSelection();
            for (const int at : chosen) list->item(at)->setSelected(true);
            if (!chosen.empty()) list->setCurrentItem(list->item(chosen.front()), QItemSelectionModel::NoUpdate);
        }
        emit list->itemSelectionChanged();
    }

    platform::QtToolkit& ui_;
    Script script_;
    files::Files files_;
    QTimer timer_;
    bool queued_ = false;
    std::optional<std::string> failure_;
    std::vector<QPointer<QWidget>> acknowledged_;
};

QtUser::QtUser(platform::QtToolkit& ui, Script script, std::string working_dir)
    : player_(std::make_unique<Player>(ui, std::move(script), std::move(working_dir)))
{
}

QtUser::~QtUser() = default;

std::optional<std::string> QtUser::failure() const { return player_->failure(); }

void QtUser::check_finished() const { player_->check_finished(); }

}  // namespace velk_test
