// The Qt back-end on Qt's offscreen platform: the main window with its icon and its menu in rows,
// template dialogs and their layout, boxes, the program's end from nested dialogs, text windows,
// the auxiliary window, pictures, file dialogs, the keys of a desktop program, the help viewer,
// and the program's browse and media windows (scenarios played on the Qt windows). The user's
// side is played by timers that act on the widget that is up.
#include <stdlib.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <QColor>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/main_menu.h"
#include "app/start.h"
#include "kb/context.h"
#include "platform/headless/script.h"
#include "platform/qt/dialog_layout.h"
#include "platform/qt/qt_toolkit.h"
#include "qt/qt_user.h"
#include "windows/dialog_templates.h"
#include "windows/okna_przegladu.h"

namespace fs = std::filesystem;
using namespace platform;

namespace {

QString qs(const std::string& s) { return QString::fromUtf8(s); }

// Acts once on the next modal widget that shows (other than `not_this`), from the event loop of
// whatever modal call is waiting.
void on_next_modal(std::function<void(QWidget*)> act, const QWidget* not_this = nullptr)
{
    auto* timer = new QTimer(qApp);
    timer->setInterval(5);
    auto polls = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act, not_this, polls] {
        QWidget* modal = QApplication::activeModalWidget();
        if (++*polls > 4000) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "no modal widget came up";
            if (modal) modal->close();
            return;
        }
        if (!modal || modal == not_this || !modal->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        act(modal);
    });
    timer->start();
}

void click(QWidget* parent, const QString& text)
{
    for (QAbstractButton* button : parent->findChildren<QAbstractButton*>())
        if (button->text() == text && button->isVisible()) {
            button->click();
            return;
        }
    ADD_FAILURE() << "no button " << text.toStdString();
}

void click_control(QWidget* dialog, int id)
{
    auto* button = dialog->findChild<QAbstractButton*>(QStringLiteral("control-%1").arg(id));
    ASSERT_NE(button, nullptr) << "control " << id;
    button->click();
}

void press_key(QWidget* target, Qt::Key key, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
}

QMainWindow* main_frame()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* frame = qobject_cast<QMainWindow*>(w); frame && frame->isVisible()) return frame;
    return nullptr;
}

// The items right on the menu bar, row after row (the bar takes as many rows as its width needs).
std::vector<QAction*> bar_actions(QMainWindow* frame)
{
    std::vector<QAction*> out;
    for (QMenuBar* row : frame->findChildren<QMenuBar*>())
        if (row->isVisible())
            for (QAction* action : row->actions()) out.push_back(action);
    return out;
}

// How many items the main menu puts right on the bar.
std::size_t top_level_items(const Menu& menu)
{
    std::set<std::string> submenus;
    std::size_t commands = 0;
    for (const MenuItem& item : menu.items) {
        if (item.path.empty())
            commands += item.id != 0;
        else
            submenus.insert(item.path.front());
    }
    return submenus.size() + commands;
}

// Every item of the bar stands whole inside its row, and no row hides items behind an overflow
// button: all `items` are in sight.
void expect_every_menu_in_sight(QMainWindow& frame, std::size_t items)
{
    std::size_t seen = 0;
    for (QMenuBar* row : frame.findChildren<QMenuBar*>()) {
        if (!row->isVisible()) continue;
        for (QAction* action : row->actions()) {
            const QRect place = row->actionGeometry(action);
            EXPECT_FALSE(place.isEmpty()) << action->text().toStdString();
            EXPECT_TRUE(row->rect().contains(place)) << action->text().toStdString() << " is cut off";
            ++seen;
        }
        for (const QToolButton* more : row->findChildren<QToolButton*>())
            EXPECT_FALSE(more->isVisible()) << "a row hides menus behind its overflow button";
    }
    EXPECT_EQ(seen, items);
}

QWidget* document_client(const std::string& title)
{
    QMainWindow* frame = main_frame();
    if (!frame) return nullptr;
    for (QMdiSubWindow* sub : frame->findChildren<QMdiSubWindow*>())
        if (sub->windowTitle() == qs(title) && sub->isVisible()) return sub->widget();
    return nullptr;
}

// Every command item of the menu bar, by its submenu path and text, with its enabled state.
void collect_items(const QList<QAction*>& actions, std::vector<std::string> path,
                   std::map<std::pair<std::vector<std::string>, std::string>, bool>& out)
{
    for (QAction* action : actions) {
        if (action->isSeparator()) continue;
        if (QMenu* menu = action->menu()) {
            std::vector<std::string> deeper = path;
            deeper.push_back(menu->title().toStdString());
            collect_items(menu->actions(), deeper, out);
        } else {
            out[{path, action->text().toStdString()}] = action->isEnabled();
        }
    }
}

// A toy dialog: OK, Zakończ, a third button, an edit field, a multiple-choice sorted list, two radios.
const DialogTemplate& toy_form()
{
    namespace flag = control_flag;
    static const DialogTemplate form{
        500, "Zabawka", rect_at(0, 0, 200, 120), 0,
        {ControlDesc{1, ControlKind::PushButton, "&OK", {}, flag::default_button},
         ControlDesc{2, ControlKind::PushButton, "Zakończ", {}, 0},
         ControlDesc{3, ControlKind::PushButton, "Inny", {}, 0},
         ControlDesc{10, ControlKind::Edit, "", {}, flag::border},
         ControlDesc{11, ControlKind::ListBox, "", {}, flag::multiple_selection | flag::sorted},
         ControlDesc{12, ControlKind::RadioButton, "Pierwszy", {}, flag::group},
         ControlDesc{13, ControlKind::RadioButton, "Drugi", {}, 0}}};
    return form;
}

class QtSmokeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "velk-qt-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = fs::canonical(pattern);
        QtOptions options;
        options.working_dir = dir_.string();
        ui_ = std::make_unique<QtToolkit>(options);
    }
    void TearDown() override
    {
        ui_.reset();
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    // Runs the program with a toy menu; once the main window shows, item 100 is chosen and its
    // handler runs `body`; then the main window's close box ends the program.
    void run_program(const std::function<void()>& body)
    {
        TaskWindowDesc desc;
        desc.class_name = "toy";
        desc.title = "Główne";
        desc.style = style::title_bar | style::sizing_border;
        desc.menu.resource_id = 99;
        desc.menu.items = {{100, {"&Plik"}, "&Jeden", true}};
        desc.handler = [&](const Event& e) {
            if (e.kind != EventKind::Menu) return false;
            try {
                body();
            } catch (const std::exception& error) {
                ADD_FAILURE() << error.what();
            }
            return true;
        };
        QTimer::singleShot(0, [] {
            choose("&Jeden");
            if (QMainWindow* frame = main_frame()) frame->close();
        });
        ui_->run_task_window(desc);
    }

    static void choose(const QString& text)
    {
        QMainWindow* frame = main_frame();
        ASSERT_NE(frame, nullptr);
        for (QAction* top : bar_actions(frame)) {
            if (top->text() == text) {
                top->trigger();
                return;
            }
            if (top->menu())
                for (QAction* action : top->menu()->actions())
                    if (action->text() == text) {
                        action->trigger();
                        return;
                    }
        }
        ADD_FAILURE() << "no menu item " << text.toStdString();
    }

    DialogResult run_toy_dialog(const Handler& handler, std::vector<std::pair<ControlId, ControlValue>> initial = {})
    {
        DialogDesc desc;
        desc.form = &toy_form();
        desc.handler = handler;
        desc.initial = std::move(initial);
        return ui_->run_dialog(desc);
    }

    fs::path dir_;
    std::unique_ptr<QtToolkit> ui_;
};

// ---- Start-up ---------------------------------------------------------------------------------------

TEST_F(QtSmokeTest, MainWindowShowsTitleAndGreyedMenuThenRunsADialogANoteAndEnds)
{
    std::vector<EventKind> events;
    int about_answer = 0;
    std::string about_text;
    int question_answer = -1;
    int message_answer = -1;

    TaskWindowDesc desc;
    desc.class_name = app::kMainWindowClass;
    desc.title = app::kMainWindowTitle;
    desc.style = style::sizing_border | style::title_bar | style::close_box | style::maximise_box |
                 style::minimise_box | style::clip_siblings | style::maximised;
    desc.menu = app::main_menu();
    desc.handler = [&](const Event& e) {
        events.push_back(e.kind);
        if (e.kind != EventKind::Menu || e.id != 10170) return false;
        on_next_modal([](QWidget* about) { click(about, "OK"); });
        DialogDesc dialog;
        dialog.form = &windows::dialog_template(10046);
        const DialogResult result = ui_->run_dialog(dialog);
        about_answer = result.button;
        about_text = result.values.at(10051).text;

        on_next_modal([](QWidget* box) { click(box, "OK"); });
        ui_->note("Uwaga", "Ustawienie ścieżki dostępu do baz  następuje po załadowaniu bazy reguł");
        on_next_modal([](QWidget* box) { box->close(); });
        question_answer = ui_->question("Zawiń/rozwiń", "Czy zawijać tekst?", {"&Tak", "&Nie", "&Może"});
        on_next_modal([](QWidget* box) { box->close(); });
        message_answer = ui_->message_box("Uwaga!", "Czy na pewno chcesz zakończyć program ?", MessageIcon::Question,
                                          MessageButtons::YesNo);
        return true;
    };

    QTimer::singleShot(0, [&] {
        QMainWindow* frame = main_frame();
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->windowTitle(), qs(app::kMainWindowTitle));
        EXPECT_EQ(frame->objectName(), qs(app::kMainWindowClass));
        std::map<std::pair<std::vector<std::string>, std::string>, bool> shown;
        const std::vector<QAction*> bar = bar_actions(frame);
        collect_items(QList<QAction*>(bar.begin(), bar.end()), {}, shown);
        const Menu menu = app::main_menu();
        EXPECT_EQ(shown.size(), menu.items.size());
        for (const MenuItem& item : menu.items) {
            const auto it = shown.find({item.path, item.text});
            ASSERT_NE(it, shown.end()) << item.id << " " << item.text;
            EXPECT_FALSE(it->second) << item.id << " is not greyed";
        }
        ui_->enable_menu_item(ui_->main_window(), 10170, true);
        choose(QString::fromUtf8("&O programie"));
        frame->close();
    });
    ui_->run_task_window(desc);

    EXPECT_EQ(about_answer, 1);
    EXPECT_EQ(about_text, "velk_QZ");
    EXPECT_EQ(question_answer, 2) << "closing a question answers its last button";
    EXPECT_EQ(message_answer, kAnswerNo) << "closing a yes/no box answers No";
    ASSERT_GE(events.size(), 4u);
    EXPECT_EQ(events.front(), EventKind::Create);
    EXPECT_EQ(events[1], EventKind::Size);
    EXPECT_EQ(events.back(), EventKind::Destroy);
    EXPECT_NE(std::find(events.begin(), events.end(), EventKind::Menu), events.end());
    EXPECT_FALSE(ui_->window_exists(ui_->main_window()));
    EXPECT_EQ(main_frame(), nullptr);
}

// The real program's main window: the program's icon on it, and every menu of the main menu in
// sight at the widths of desktop screens, the bar taking a second row where one is too narrow.
TEST_F(QtSmokeTest, TheProgramsMainWindowCarriesItsIconAndShowsEveryMenuAtDesktopWidths)
{
    bool icon_drawn = false;
    std::vector<int> rows;
    on_next_modal([&](QWidget* note) {  // the folder holds no intro picture: a note says so
        click(note, "OK");
        QTimer::singleShot(20, [&] {
            QMainWindow* frame = main_frame();
            ASSERT_NE(frame, nullptr);
            const QImage icon = frame->windowIcon().pixmap(32, 32).toImage();
            icon_drawn = !icon.isNull() && qAlpha(icon.pixel(16, 16)) == 255;
            frame->showNormal();
            for (const int width : {1024, 1280, 1920}) {
                SCOPED_TRACE(width);
                frame->resize(width, 700);
                QApplication::sendPostedEvents();
                QApplication::processEvents();
                expect_every_menu_in_sight(*frame, top_level_items(app::main_menu()));
                int shown = 0;
                for (const QMenuBar* row : frame->findChildren<QMenuBar*>()) shown += row->isVisible();
                rows.push_back(shown);
            }
            on_next_modal([](QWidget* box) { click(box, "&Tak"); });
            frame->close();
        });
    });
    kb::Context ctx(*ui_, dir_.string());
    app::start_programu(ctx);
    EXPECT_TRUE(icon_drawn);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_GE(rows[0], 2) << "at 1024 px the menus take two rows";
    EXPECT_GE(rows[0], rows[2]);
}

// ---- The program's end and errors ------------------------------------------------------------------

TEST_F(QtSmokeTest, EndingTheProgramFromNestedDialogsUnwindsEveryFrame)
{
    for (const bool by_destroying_main : {false, true}) {
        bool after_inner = false;
        bool after_outer = false;
        bool document_destroyed = false;
        bool body_returned = false;
        run_program([&] {
            WindowDesc doc;
            doc.title = "Dokument";
            doc.rect = Rect{10, 10, 300, 200};
            doc.style = style::title_bar | style::close_box | style::sizing_border;
            doc.handler = [&](const Event& d) {
                if (d.kind == EventKind::Destroy) document_destroyed = true;
                return false;
            };
            ui_->create_window(doc);
            on_next_modal([](QWidget* outer) { click_control(outer, 3); });
            run_toy_dialog([&](const Event& outer) {
                if (outer.kind != EventKind::Control || outer.id != 3) return false;
                on_next_modal([](QWidget* inner) { click_control(inner, 2); });
                run_toy_dialog([&](const Event& inner) {
                    if (inner.kind != EventKind::Control || inner.id != 2) return false;
                    on_next_modal([](QWidget* box) { click(box, "&Tak"); });
                    if (ui_->message_box("Uwaga!", "Czy na pewno chcesz zakończyć program ?", MessageIcon::Question,
                                         MessageButtons::YesNo) == kAnswerYes) {
                        if (by_destroying_main) ui_->destroy_window(ui_->main_window());
                        ui_->end_program();
                    }
                    return false;
                });
                after_inner = true;
                return true;
            });
            after_outer = true;
            body_returned = true;
        });
        EXPECT_FALSE(after_inner);
        EXPECT_FALSE(after_outer);
        EXPECT_FALSE(body_returned);
        EXPECT_TRUE(document_destroyed);
        EXPECT_FALSE(ui_->window_exists(ui_->main_window()));
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        ui_ = std::make_unique<QtToolkit>(QtOptions{dir_.string(), ""});
    }
}

// Whatever modal call is waiting when an event ends the program, it returns into the unwinding
// and nothing after it runs.
TEST_F(QtSmokeTest, EndingTheProgramWhileAnyModalCallWaitsUnwindsIt)
{
    FileDialogDesc files;
    files.title = "Plik";
    files.filters = {{"Wszystkie", "*.*"}};
    struct Modal {
        const char* name;
        std::function<void()> open;
    };
    const Modal modals[] = {
        {"open file dialog", [&] { ui_->open_file_dialog(files); }},
        {"save file dialog", [&] { ui_->save_file_dialog(files); }},
        {"prompt", [&] { ui_->prompt("Znajdź", "Szukany tekst:", ""); }},
        {"note", [&] { ui_->note("Uwaga", "Tekst"); }},
        {"question", [&] { ui_->question("Zawiń/rozwiń", "Czy zawijać tekst?", {"&Tak", "&Nie"}); }},
        {"template dialog", [&] { run_toy_dialog([](const Event&) { return false; }); }},
    };
    for (const Modal& modal : modals) {
        SCOPED_TRACE(modal.name);
        bool after_modal = false;
        run_program([&] {
            WindowDesc doc;
            doc.title = "Dokument";
            doc.rect = Rect{10, 10, 300, 200};
            doc.style = style::title_bar | style::sizing_border;
            doc.handler = [this](const Event& e) {
                if (e.kind == EventKind::MouseDoubleClick) ui_->end_program();
                return false;
            };
            ui_->create_window(doc);
            on_next_modal([](QWidget*) {
                QWidget* canvas = document_client("Dokument");
                ASSERT_NE(canvas, nullptr);
                QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(5, 5), canvas->mapToGlobal(QPointF(5, 5)),
                                  Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(canvas, &twice);
            });
            modal.open();
            after_modal = true;
        });
        EXPECT_FALSE(after_modal);
        EXPECT_FALSE(ui_->window_exists(ui_->main_window()));
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        ui_ = std::make_unique<QtToolkit>(QtOptions{dir_.string(), ""});
    }
}

// A Yes to the main window's close request while a command waits in a dialog leaves the command
// first; the windows are destroyed only then, never from under it.
TEST_F(QtSmokeTest, ClosingTheMainWindowWhileACommandWaitsUnwindsTheCommandFirst)
{
    bool in_command = false;
    bool destroyed_under_command = true;
    bool after_dialog = false;
    run_program([&] {
        in_command = true;
        struct Leave {
            bool& flag;
            ~Leave() { flag = false; }
        } leave{in_command};
        WindowDesc doc;
        doc.title = "Dokument";
        doc.rect = Rect{10, 10, 300, 200};
        doc.style = style::title_bar | style::sizing_border;
        doc.handler = [&](const Event& e) {
            if (e.kind == EventKind::Destroy) destroyed_under_command = in_command;
            return false;
        };
        ui_->create_window(doc);
        on_next_modal([](QWidget*) {
            QCloseEvent close;
            QApplication::sendEvent(main_frame(), &close);  // the main handler declines: the default closes
        });
        run_toy_dialog([](const Event&) { return false; });
        after_dialog = true;
    });
    EXPECT_FALSE(after_dialog);
    EXPECT_FALSE(destroyed_under_command);
    EXPECT_FALSE(ui_->window_exists(ui_->main_window()));
}

TEST_F(QtSmokeTest, AnErrorEscapingAHandlerIsShownAndEndsThatEventOnly)
{
    std::string shown_title;
    std::string shown_text;
    int answer = 0;
    run_program([&] {
        // Press "Inny", whose handler fails; close the error box; then leave the dialog by Esc.
        on_next_modal([&](QWidget* dialog) {
            on_next_modal([&](QWidget* box) {
                shown_title = box->windowTitle().toStdString();
                if (auto* message = qobject_cast<QMessageBox*>(box)) shown_text = message->text().toStdString();
                on_next_modal([](QWidget* again) { press_key(again, Qt::Key_Escape); }, box);
                click(box, "OK");
            }, dialog);
            click_control(dialog, 3);
        });
        answer = run_toy_dialog([&](const Event& e) {
                     if (e.kind == EventKind::Control && e.id == 3) throw std::runtime_error("Zły plik <b>bazy</b>");
                     return false;
                 }).button;
    });
    EXPECT_EQ(shown_title, "Błąd");
    EXPECT_EQ(shown_text, "Zły plik <b>bazy</b>");
    EXPECT_EQ(answer, 2) << "the dialog went on after the error and closed by Esc";
}

// ---- Boxes ---------------------------------------------------------------------------------------------

// A note, a question and a prompt are as wide as their titles need, so that the window manager
// shows the whole title: set in a bold font, with room beside it for the window's icon and buttons.
TEST_F(QtSmokeTest, BoxesAreAsWideAsTheirTitles)
{
    const std::string titles[] = {"Wynik ładowania bazy reguł",
                                  "Wynik diagnozowania sprzeczności łącznych bazy modeli i bazy reguł", "Uwaga"};
    struct Shown {
        std::string title;
        int width;
    };
    std::vector<Shown> shown;
    run_program([&] {
        for (const std::string& title : titles) {
            for (int kind = 0; kind < 3; ++kind) {
                on_next_modal([&](QWidget* box) {
                    shown.push_back({box->objectName().toStdString() + ": " + box->windowTitle().toStdString(), box->width()});
                    box->close();
                });
                if (kind == 0) ui_->note(title, "Tak.");
                if (kind == 1) ui_->question(title, "Tak?", {"&Tak", "&Nie"});
                if (kind == 2) ui_->prompt(title, "Nazwa:", "");
            }
        }
    });
    ASSERT_EQ(shown.size(), 9u);
    QFont bold = QApplication::font();
    bold.setBold(true);
    for (const Shown& box : shown)
        EXPECT_GE(box.width, QFontMetrics(bold).horizontalAdvance(qs(box.title.substr(box.title.find(": ") + 2))) + 80)
            << box.title;
}

// ---- Dialogs ---------------------------------------------------------------------------------------

TEST_F(QtSmokeTest, DialogReportsTheUsersActionsAndClosesByEnterEscAndCloseBox)
{
    struct Case {
        const char* how;
        int answer;
    };
    for (const Case c : {Case{"enter", 1}, Case{"esc", 2}, Case{"close", 2}}) {
        SCOPED_TRACE(c.how);
        DialogResult result;
        std::vector<std::pair<int, Notification>> reported;
        std::vector<std::string> items;
        run_program([&] {
            on_next_modal([&](QWidget* dialog) {
                auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("control-10"));
                auto* list = dialog->findChild<QListWidget*>(QStringLiteral("control-11"));
                ASSERT_TRUE(field && list);
                field->setFocus();
                press_key(field, Qt::Key_X, QStringLiteral("x"));
                list->item(0)->setSelected(true);
                list->item(2)->setSelected(true);
                click_control(dialog, 13);
                if (std::string(c.how) == "enter") press_key(field, Qt::Key_Return);
                if (std::string(c.how) == "esc") press_key(field, Qt::Key_Escape);
                if (std::string(c.how) == "close") dialog->close();
            });
            result = run_toy_dialog(
                [&](const Event& e) {
                    if (e.kind == EventKind::Create) {
                        ui_->add_list_items(e.window, 11, {"b", "Z", "ą", "a"});
                        items = ui_->list_items(e.window, 11);
                    }
                    if (e.kind == EventKind::Control) reported.emplace_back(e.id, e.notification);
                    return false;
                },
                {{10, ControlValue{"a", {}, {}, false}}, {12, ControlValue{"Pierwszy", {}, {}, true}}});
        });
        ui_ = std::make_unique<QtToolkit>(QtOptions{dir_.string(), ""});
        EXPECT_EQ(items, (std::vector<std::string>{"a", "ą", "b", "Z"}));
        EXPECT_EQ(result.button, c.answer);
        EXPECT_EQ(result.values.at(10).text, "ax");
        EXPECT_EQ(result.values.at(11).selected, (std::vector<int>{0, 2}));
        EXPECT_FALSE(result.values.at(12).checked) << "checking one radio button unchecks the other";
        EXPECT_TRUE(result.values.at(13).checked);
        const std::vector<std::pair<int, Notification>> expected_start{
            {10, Notification::TextChanged}, {11, Notification::SelectionChanged}, {11, Notification::SelectionChanged},
            {13, Notification::Clicked}};
        ASSERT_GE(reported.size(), expected_start.size());
        EXPECT_TRUE(std::equal(expected_start.begin(), expected_start.end(), reported.begin()));
    }
}

TEST_F(QtSmokeTest, DialogEndedOrDestroyedByItsHandler)
{
    DialogResult ended;
    DialogResult destroyed;
    run_program([&] {
        on_next_modal([](QWidget* dialog) { click_control(dialog, 3); });
        ended = run_toy_dialog([&](const Event& e) {
            if (e.kind == EventKind::Control && e.id == 3) ui_->end_dialog(e.window, 7);
            return true;
        });
        destroyed = run_toy_dialog([&](const Event& e) {
            if (e.kind == EventKind::Create) ui_->destroy_window(e.window);
            return true;
        });
    });
    EXPECT_EQ(ended.button, 7);
    EXPECT_EQ(ended.values.at(1).text, "&OK");
    EXPECT_EQ(destroyed.button, 2);
    EXPECT_TRUE(destroyed.values.empty());
}

// ---- Text windows, the auxiliary window, the output file ------------------------------------------------

TEST_F(QtSmokeTest, TextWindowEditsByCharacterPositionsWithUndoForTheUsersEditsOnly)
{
    run_program([&] {
        WindowDesc desc;
        desc.kind = WindowKind::Text;
        desc.title = "Edycja";
        desc.rect = Rect{100, 80, 699, 420};
        desc.style = style::title_bar | style::sizing_border | style::close_box;
        const WindowId w = ui_->create_window(desc);
        ui_->set_editor_text(w, "zażółć\ngęślą\u00a0jaźń");
        EXPECT_EQ(ui_->editor_text(w), "zażółć\ngęślą\u00a0jaźń");
        EXPECT_FALSE(ui_->editor_can_undo(w));
        ui_->editor_select(w, 2, 5);
        EXPECT_EQ(ui_->editor_caret(w), 5u);
        ui_->editor_delete(w);
        EXPECT_EQ(ui_->editor_text(w), "zać\ngęślą\u00a0jaźń");
        EXPECT_TRUE(ui_->editor_can_undo(w));
        ui_->editor_undo(w);
        EXPECT_EQ(ui_->editor_text(w), "zażółć\ngęślą\u00a0jaźń");
        EXPECT_TRUE(ui_->editor_can_redo(w));

        ui_->set_editor_text(w, "a\U0001F600b");  // a character outside Qt's 16-bit units
        ui_->editor_select(w, 1, 2);
        ui_->editor_cut(w);
        EXPECT_EQ(ui_->editor_text(w), "ab");
        ui_->set_editor_caret(w, std::string::npos);
        EXPECT_EQ(ui_->editor_caret(w), 2u);
        ui_->editor_paste(w);
        EXPECT_EQ(ui_->editor_text(w), "ab\U0001F600");

        ui_->editor_append(w, "\nkoniec");
        EXPECT_EQ(ui_->editor_text(w), "ab\U0001F600\nkoniec");
        EXPECT_EQ(ui_->editor_caret(w), 10u);
        EXPECT_FALSE(ui_->editor_can_undo(w));
        ui_->editor_set_read_only(w, true);
        ui_->editor_select(w, 0, 2);
        ui_->editor_delete(w);
        ui_->editor_cut(w);
        EXPECT_EQ(ui_->editor_text(w), "ab\U0001F600\nkoniec") << "a read-only text is not changed";
        EXPECT_THROW(ui_->editor_text(ui_->main_window()), ToolkitError);
        ui_->destroy_window(w);
        EXPECT_FALSE(ui_->window_exists(w));
    });
}

TEST_F(QtSmokeTest, EnterInAnEditableTextWindowIndentsLikeTheLineAbove)
{
    constexpr std::size_t end = std::string::npos;
    struct Case {
        const char* text;
        std::size_t from;  // the selection, or the caret when from == to
        std::size_t to;
        bool read_only;
        const char* after;
    };
    const Case cases[] = {
        {"  abc", end, end, false, "  abc\n  "},
        {"\t abc\nx", 5, 5, false, "\t abc\n\t \nx"},
        {"    x", 2, 2, false, "  \n    x"},    // only the blanks before the caret
        {"abc", 1, 1, false, "a\nbc"},
        {"ab\n    cd", 1, 7, false, "a\ncd"},  // the line where the replaced selection starts
        {"  abc", end, end, true, "  abc"},
    };
    run_program([&] {
        WindowDesc desc;
        desc.kind = WindowKind::Text;
        desc.title = "Edycja";
        desc.rect = Rect{100, 80, 699, 420};
        desc.style = style::title_bar | style::sizing_border;
        const WindowId w = ui_->create_window(desc);
        QWidget* editor = document_client("Edycja");
        ASSERT_NE(editor, nullptr);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.text);
            ui_->editor_set_read_only(w, c.read_only);
            ui_->set_editor_text(w, c.text);
            ui_->editor_select(w, c.from, c.to);
            press_key(editor, Qt::Key_Return, QStringLiteral("\r"));
            EXPECT_EQ(ui_->editor_text(w), c.after);
            if (c.read_only) continue;
            ui_->editor_undo(w);
            EXPECT_EQ(ui_->editor_text(w), c.text) << "one undo step";
        }
    });
}

TEST_F(QtSmokeTest, TextWindowsOwnReplaceChangesEveryOccurrenceInOneUndoStep)
{
    std::string reported;
    run_program([&] {
        WindowDesc desc;
        desc.kind = WindowKind::Text;
        desc.title = "Edycja";
        desc.rect = Rect{100, 80, 699, 420};
        desc.style = style::title_bar | style::sizing_border;
        const WindowId w = ui_->create_window(desc);
        ui_->set_editor_text(w, "Ósemka i ósmy\nósmy");
        QWidget* editor = document_client("Edycja");
        ASSERT_NE(editor, nullptr);
        QAction* replace = nullptr;
        for (QAction* action : editor->actions())
            if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_H)) replace = action;
        ASSERT_NE(replace, nullptr);
        auto answer = [](const char* text) {
            return [text](QWidget* asked) {
                auto* input = qobject_cast<QInputDialog*>(asked);
                ASSERT_NE(input, nullptr);
                input->setTextValue(QString::fromUtf8(text));
                static_cast<QDialog*>(input)->accept();
            };
        };
        on_next_modal([&](QWidget* first) {
            on_next_modal([&](QWidget* second) {
                on_next_modal([&](QWidget* box) {
                    if (auto* note = qobject_cast<QMessageBox*>(box)) reported = note->text().toStdString();
                    click(box, "OK");
                }, second);
                answer("o")(second);
            }, first);
            answer("ó")(first);
        });
        replace->trigger();
        EXPECT_EQ(ui_->editor_text(w), "osemka i osmy\nosmy");
        ui_->editor_undo(w);
        EXPECT_EQ(ui_->editor_text(w), "Ósemka i ósmy\nósmy");
    });
    EXPECT_EQ(reported, "Zamienionych wystąpień: 3");
}

TEST_F(QtSmokeTest, AuxWindowKeepsTheLastLinesAndTheOutputFileTakesTheWrites)
{
    std::vector<std::string> after_bound;
    std::vector<std::string> after_second_create;
    std::vector<std::string> while_file_open;
    run_program([&] {
        ui_->write("zgubione\n");
        ui_->create_aux_window(3);
        ui_->write("jeden\ndwa\n");
        ui_->write("trzy\ncztery\npięć");
        after_bound = ui_->aux_lines();
        ui_->create_aux_window(100);
        ui_->write("\nsześć");
        after_second_create = ui_->aux_lines();
        ui_->open_output_file("raport.txt");
        ui_->write("zażółć\n");
        while_file_open = ui_->aux_lines();
        ui_->close_output_file();
        ui_->clear_aux_window();
        EXPECT_TRUE(ui_->aux_lines().empty());
        ui_->close_aux_window();
        EXPECT_FALSE(ui_->has_aux_window());

        // The user's close box: the window is gone, and the next one is a new, empty one.
        ui_->create_aux_window(100);
        ui_->write("stare\n");
        QMainWindow* frame = main_frame();
        ASSERT_NE(frame, nullptr);
        QMdiSubWindow* aux = nullptr;  // the one shown: those closed before may wait for deletion
        for (QMdiSubWindow* sub : frame->findChildren<QMdiSubWindow*>(QStringLiteral("aux-window")))
            if (sub->isVisible()) aux = sub;
        ASSERT_NE(aux, nullptr);
        aux->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(ui_->has_aux_window());
        ui_->create_aux_window(100);
        EXPECT_TRUE(ui_->has_aux_window());
        EXPECT_TRUE(ui_->aux_lines().empty());
    });
    EXPECT_EQ(after_bound, (std::vector<std::string>{"trzy", "cztery", "pięć"}));
    EXPECT_EQ(after_second_create, (std::vector<std::string>{"cztery", "pięć", "sześć"}));
    EXPECT_EQ(while_file_open, after_second_create);
    std::ifstream in(dir_ / "raport.txt", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "za\xBF\xF3\xB3\xE6\r\n");
}

// The caret the program writes under a syntax error stands under the character it points at:
// every character of the auxiliary window is as wide as every other.
TEST_F(QtSmokeTest, AuxWindowWritesInAFixedPitchFont)
{
    run_program([&] {
        ui_->create_aux_window(100);
        ui_->write("reguła(1, \"ssak\", [\"ma sierść\" \"karmi\"]).\n                        ^\n");
        QMainWindow* frame = main_frame();
        ASSERT_NE(frame, nullptr);
        auto* aux = frame->findChild<QMdiSubWindow*>(QStringLiteral("aux-window"));
        ASSERT_NE(aux, nullptr);
        auto* text = qobject_cast<QPlainTextEdit*>(aux->widget());
        ASSERT_NE(text, nullptr);
        const QFontMetrics metrics(text->font());
        EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("iiiiiiii")), metrics.horizontalAdvance(QStringLiteral("WWWWWWWW")));
        EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("żżżżżżżż")), metrics.horizontalAdvance(QStringLiteral("        ")));
    });
}

// Ctrl+F4 asks the active document window to close, as its close box does: a handler that keeps
// it keeps it, one that declines lets it go, and the window before it becomes the active one.
TEST_F(QtSmokeTest, CtrlF4ClosesTheActiveDocumentWindowAsItsCloseBoxDoes)
{
    std::vector<std::string> asked;
    run_program([&] {
        auto open = [&](const char* title, int keep_times) {
            WindowDesc desc;
            desc.title = title;
            desc.rect = Rect{10, 10, 300, 200};
            desc.style = style::title_bar | style::sizing_border | style::close_box;
            auto kept = std::make_shared<int>(keep_times);
            desc.handler = [&asked, title, kept](const Event& e) {
                if (e.kind != EventKind::CloseRequest) return false;
                asked.push_back(title);
                return (*kept)-- > 0;
            };
            return ui_->create_window(desc);
        };
        const WindowId first = open("Pierwsze", 0);
        const WindowId second = open("Drugie", 1);
        QMainWindow* frame = main_frame();
        ASSERT_NE(frame, nullptr);
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
        QTest::keyClick(frame, Qt::Key_F4, Qt::ControlModifier);
        EXPECT_TRUE(ui_->window_exists(second)) << "its handler kept it";
        QTest::keyClick(frame, Qt::Key_F4, Qt::ControlModifier);
        EXPECT_FALSE(ui_->window_exists(second));
        EXPECT_EQ(ui_->focused_window(), first);
        QTest::keyClick(frame, Qt::Key_F4, Qt::ControlModifier);
        EXPECT_FALSE(ui_->window_exists(first));
    });
    EXPECT_EQ(asked, (std::vector<std::string>{"Drugie", "Drugie", "Pierwsze"}));
}

// ---- Pictures, sound, shell, help -----------------------------------------------------------------------

TEST_F(QtSmokeTest, PicturesAreDrawnStretchedAndBadFilesAreReported)
{
    QImage two(2, 1, QImage::Format_RGB32);
    two.setPixel(0, 0, qRgb(255, 0, 0));
    two.setPixel(1, 0, qRgb(0, 0, 255));
    ASSERT_TRUE(two.save(QString::fromStdString((dir_ / "dwa.bmp").string()), "BMP"));
    std::ofstream(dir_ / "tekst.bmp") << "to nie obraz";
    QImage shot;
    run_program([&] {
        const Picture picture = ui_->load_picture("dwa.bmp");
        EXPECT_EQ(picture.width, 2);
        EXPECT_EQ(picture.height, 1);
        EXPECT_THROW(ui_->load_picture("brak.bmp"), PictureError);
        EXPECT_THROW(ui_->load_picture("tekst.bmp"), PictureError);
        WindowDesc desc;
        desc.title = "Obraz";
        desc.rect = Rect{0, 0, 320, 240};
        desc.style = style::title_bar | style::sizing_border;
        desc.handler = [this, picture](const Event& e) {
            if (e.kind == EventKind::Paint) ui_->draw_picture(e.window, picture, e.rect);
            return e.kind == EventKind::Paint;
        };
        const WindowId w = ui_->create_window(desc);
        QWidget* client = document_client("Obraz");
        ASSERT_NE(client, nullptr);
        EXPECT_EQ(ui_->client_rect(w), (Rect{0, 0, client->width(), client->height()}));
        shot = client->grab().toImage();
    });
    ASSERT_FALSE(shot.isNull());
    const int y = shot.height() / 2;
    EXPECT_EQ(QColor(shot.pixel(shot.width() / 4, y)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(shot.pixel(shot.width() * 3 / 4, y)), QColor(0, 0, 255));
}

// Where there is a sound device, a sound plays to its end and the windows keep repainting while
// it plays (a window resized meanwhile is painted again before the sound has ended). Without a
// device the sound is silence at once, and there is nothing more to see.
TEST_F(QtSmokeTest, WindowsKeepRepaintingWhileASoundPlays)
{
    // Four tenths of a second of a 440 Hz tone: 8 kHz, 8 bits, mono.
    std::string wave = "RIFF";
    auto le = [&](unsigned v, int bytes) {
        for (int i = 0; i < bytes; ++i) wave += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    constexpr unsigned kSamples = 3200;
    le(36 + kSamples, 4);
    wave += "WAVEfmt ";
    le(16, 4), le(1, 2), le(1, 2), le(8000, 4), le(8000, 4), le(1, 2), le(8, 2);
    wave += "data";
    le(kSamples, 4);
    for (unsigned i = 0; i < kSamples; ++i)
        wave += static_cast<char>(128 + static_cast<int>(100 * std::sin(i * 2 * 3.14159265 * 440 / 8000)));
    std::ofstream(dir_ / "ton.wav", std::ios::binary) << wave;
    bool playing = false;
    bool painted_while_playing = false;
    bool device = false;
    run_program([&] {
        WindowDesc desc;
        desc.title = "Obraz";
        desc.rect = Rect{0, 0, 320, 240};
        desc.style = style::title_bar | style::sizing_border | style::maximise_box;
        desc.handler = [&](const Event& e) {
            if (e.kind == EventKind::Paint && playing) painted_while_playing = true;
            return e.kind == EventKind::Paint;
        };
        const WindowId w = ui_->create_window(desc);
        QObject guard;  // the resize goes with this call when the sound ends before it
        QTimer::singleShot(100, &guard, [&] { ui_->at_boundary([&] { ui_->set_window_state(w, WindowState::Maximised); }); });
        QElapsedTimer clock;
        clock.start();
        playing = true;
        ui_->play_sound("ton.wav");
        playing = false;
        device = clock.elapsed() >= 300;
    });
    if (!device) GTEST_SKIP() << "no sound device: the sound was silence";
    EXPECT_TRUE(painted_while_playing);
}

TEST_F(QtSmokeTest, UnplayableSoundIsSilenceAndMissingFilesFailTheShellAndHelp)
{
    std::ofstream(dir_ / "nie.wav") << "RIFF....AVI ";
    // A tenth of a second of silence: 8 kHz, 8 bits, mono.
    std::string wave = "RIFF";
    auto le = [&](unsigned v, int bytes) {
        for (int i = 0; i < bytes; ++i) wave += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    le(36 + 800, 4);
    wave += "WAVEfmt ";
    le(16, 4), le(1, 2), le(1, 2), le(8000, 4), le(8000, 4), le(1, 2), le(8, 2);
    wave += "data";
    le(800, 4);
    wave += std::string(800, static_cast<char>(0x80));
    std::ofstream(dir_ / "cisza.wav", std::ios::binary) << wave;
    std::string help_box;
    run_program([&] {
        ui_->play_sound("brak.wav");
        ui_->play_sound("nie.wav");
        ui_->play_sound("cisza.wav");  // played where there is a sound device, skipped where none
        EXPECT_EQ(ui_->shell_open("brak.chm", true), 2);
        on_next_modal([&](QWidget* box) {
            help_box = box->windowTitle().toStdString();
            click(box, "OK");
        });
        ui_->show_help_topic("Main_qz.HLP", 1);
    });
    EXPECT_EQ(help_box, "Pomoc");
}

// ---- The program's own windows ----------------------------------------------------------------------

// The rule browse window on Qt: its controls made at run time, filled from the rules, a number
// chosen by the user shows its rule; the window fills the main window and its condition list
// is half as high as its client area.
TEST_F(QtSmokeTest, RuleBrowseWindowShowsTheChosenRuleMaximised)
{
    kb::Context ctx(*ui_, dir_.string());
    ctx.db.baza_regul.regula.add_last(kb::Regula{5, "pięć", {"a", "nb"}, 1, "0.5"});
    ctx.db.baza_regul.regula.add_last(kb::Regula{1, "jeden", {"bez warunku"}, 1, "0.5"});
    run_program([&] {
        windows::win_przeglad_regul_Create(ctx, ui_->main_window());
        QWidget* client = document_client("Przegląd reguł");
        ASSERT_NE(client, nullptr);
        auto* numbers = client->findChild<QComboBox*>(QStringLiteral("control-10177"));
        ASSERT_NE(numbers, nullptr);
        ASSERT_EQ(numbers->count(), 2);
        EXPECT_EQ(numbers->itemText(0), QStringLiteral("5"));
        numbers->setCurrentIndex(0);
        emit numbers->activated(0);
        EXPECT_EQ(client->findChild<QLineEdit*>(QStringLiteral("control-10252"))->text(), QStringLiteral("pięć"));
        auto* conditions = client->findChild<QListWidget*>(QStringLiteral("control-10253"));
        ASSERT_EQ(conditions->count(), 2);
        EXPECT_EQ(conditions->item(1)->text(), QStringLiteral("nb"));
        EXPECT_EQ(client->findChild<QLineEdit*>(QStringLiteral("control-10250"))->text(), QStringLiteral("2"));
        EXPECT_TRUE(client->parentWidget()->isMaximized());
        EXPECT_EQ(conditions->height(), static_cast<int>(std::floor(client->height() * 0.5 + 0.5)));
        EXPECT_EQ(client->findChild<QGroupBox*>(QStringLiteral("control-10254"))->geometry(),
                  conditions->geometry().adjusted(-10, -20, 10, 10));
    });
}

// The help viewer: a window beside the main window with the topic of that number; another topic
// replaces it in the same window.
TEST_F(QtSmokeTest, HelpViewerShowsTheTopicByItsNumber)
{
    std::ofstream(dir_ / "Main_qz.HLP") << "[1] Pierwszy\nTekst jeden.\n[2] Drugi\nTekst dwa.\n";
    run_program([&] {
        ui_->show_help_topic("Main_qz.HLP", 2);
        ui_->show_help_topic("Main_qz.HLP", 1);
        const QList<QWidget*> viewers = main_frame()->findChildren<QWidget*>(QStringLiteral("help-viewer"));
        ASSERT_EQ(viewers.size(), 1);
        EXPECT_TRUE(viewers.front()->isVisible());
        EXPECT_EQ(viewers.front()->windowTitle(), QStringLiteral("Pomoc - Pierwszy"));
        EXPECT_EQ(viewers.front()->findChild<QPlainTextEdit*>()->toPlainText(), QStringLiteral("Tekst jeden."));
    });
}

// The whole program on Qt, the user played from the scenarios of the browse windows, the viewer,
// the media choosers and viewers, the picture window and the help viewer, and of hypothesis
// tests from the menu to their report: every step the scenario takes must fit what the Qt
// windows show.
class QtScenarioTest : public QtSmokeTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(QtScenarioTest, PlaysOnTheQtWindows)
{
    const fs::path scenario = fs::path(VELK_SCENARIOS) / (std::string(GetParam()) + ".scn");
    std::ifstream in(scenario, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    platform::headless::Script script = platform::headless::Script::parse(text);
    fs::path base = scenario;
    base.replace_extension(".d");
    if (script.base_folder()) base = scenario.parent_path() / *script.base_folder();
    if (fs::exists(base)) fs::copy(base, dir_, fs::copy_options::recursive);  // none: an empty folder
    velk_test::QtUser user(*ui_, std::move(script), dir_.string());
    kb::Context ctx(*ui_, dir_.string());
    app::start_programu(ctx);
    EXPECT_EQ(user.failure(), std::nullopt);
    if (!user.failure()) user.check_finished();
}

INSTANTIATE_TEST_SUITE_P(BrowseAndMedia, QtScenarioTest,
                         ::testing::Values("przeglad_regul", "przeglad_modeli", "przeglad_modeli_bez_bazy",
                                           "przeglad_ograniczen", "media_przeglad", "media_braki"));

// Forward inference from the menu on the Qt windows: the description, detail level, labels and
// fact-entry dialogs, every step dialog and CF question, the summary file's save dialog; a run
// stopped by "koniec"; the whole road on the example base, with its pictures, sounds and
// advice; and the models' explanations with argument values and CFs typed in.
INSTANTIATE_TEST_SUITE_P(ForwardInference, QtScenarioTest,
                         ::testing::Values("wnioskowanie_lancuch", "wnioskowanie_koniec", "wnioskowanie_dom",
                                           "wyjasnienia_modeli"));

// Hypothesis tests from the menu on the Qt windows: the kind and the hypothesis chosen, the
// questions, the result, the closing listings, the summary and the report saved; a chain with an
// auxiliary hypothesis; a disjunctive conclusion reached through its negation; models applied
// backwards; a stop rule; a cyclic base.
INSTANTIATE_TEST_SUITE_P(HypothesisTest, QtScenarioTest,
                         ::testing::Values("wstecz_hipotezy", "wstecz_akumulator", "wstecz_dysjunktywne",
                                           "wstecz_modele", "wstecz_koniec", "wstecz_cykl"));

// ---- File dialogs --------------------------------------------------------------------------------------

TEST_F(QtSmokeTest, SaveDialogAsksBeforeReplacingAFileAndNoGoesBackToTheDialog)
{
    std::ofstream(dir_ / "raport.rpt") << "stary";
    const std::string existing = (dir_ / "raport.rpt").string();
    std::string first;
    std::string second;
    std::string opened;
    FileDialogDesc desc;
    desc.title = "Zapis raportu";
    desc.initial_name = "re*.RPT";
    desc.filters = {{"Pliki raportów (*.RPT)", "*.RPT"}};
    run_program([&] {
        // Choose the existing file, answer "Nie", and cancel the dialog that comes back.
        on_next_modal([&](QWidget* dialog) {
            on_next_modal([&](QWidget* box) {
                EXPECT_NE(qobject_cast<QMessageBox*>(box), nullptr);
                on_next_modal([](QWidget* again) {
                    EXPECT_NE(qobject_cast<QFileDialog*>(again), nullptr);
                    static_cast<QDialog*>(again)->reject();
                }, box);
                click(box, "&Nie");
            }, dialog);
            auto* files = qobject_cast<QFileDialog*>(dialog);
            ASSERT_NE(files, nullptr);
            files->selectFile(qs(existing));
            static_cast<QDialog*>(files)->accept();  // QFileDialog's own, through its base
        });
        first = ui_->save_file_dialog(desc);
        // Choose it again and answer "Tak".
        on_next_modal([&](QWidget* dialog) {
            on_next_modal([](QWidget* box) { click(box, "&Tak"); }, dialog);
            auto* files = qobject_cast<QFileDialog*>(dialog);
            ASSERT_NE(files, nullptr);
            files->selectFile(qs(existing));
            static_cast<QDialog*>(files)->accept();  // QFileDialog's own, through its base
        });
        second = ui_->save_file_dialog(desc);
        on_next_modal([&](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            ASSERT_NE(files, nullptr);
            files->selectFile(qs(existing));
            static_cast<QDialog*>(files)->accept();  // QFileDialog's own, through its base
        });
        opened = ui_->open_file_dialog(desc);
    });
    EXPECT_EQ(first, "");
    EXPECT_EQ(second, existing);
    EXPECT_EQ(opened, existing);
}

// ---- Dialog layout -----------------------------------------------------------------------------------

bool overlap(Rect a, Rect b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool holds(const Rect& outer, const Rect& inner)
{
    return !outer.empty() && !inner.empty() && outer.left <= inner.left && inner.right <= outer.right &&
           outer.top <= inner.top && inner.bottom <= outer.bottom;
}

// Each template as the user sees it, laid out in the platform's fonts: every control inside the
// dialog, none over another, and a control that the template puts in a group box inside that box's
// frame and below its title.
TEST_F(QtSmokeTest, EveryDialogTemplateKeepsItsControlsApartAndInsideItsFrame)
{
    run_program([&] {
        for (const DialogTemplate& form : windows::dialog_templates()) {
            SCOPED_TRACE(form.id);
            on_next_modal([&form](QWidget* dialog) {
                std::vector<QWidget*> widgets;
                for (const ControlDesc& c : form.controls) {
                    widgets.push_back(dialog->findChild<QWidget*>(QStringLiteral("control-%1").arg(c.id)));
                    ASSERT_NE(widgets.back(), nullptr) << c.id;
                }
                for (std::size_t i = 0; i < widgets.size(); ++i) {
                    const ControlDesc& a = form.controls[i];
                    const QRect place = widgets[i]->geometry();
                    EXPECT_TRUE(dialog->rect().contains(place)) << a.id << " leaves the dialog";
                    for (std::size_t j = 0; j < i; ++j) {
                        const ControlDesc& b = form.controls[j];
                        const QRect other = widgets[j]->geometry();
                        const bool a_holds_b = a.kind == ControlKind::GroupBox && holds(a.rect, b.rect);
                        const bool b_holds_a = b.kind == ControlKind::GroupBox && holds(b.rect, a.rect);
                        if (a_holds_b || b_holds_a) {
                            QWidget* box = a_holds_b ? widgets[i] : widgets[j];
                            const QRect inside = box->contentsRect().translated(box->pos());
                            EXPECT_TRUE(inside.contains(a_holds_b ? other : place))
                                << (a_holds_b ? b.id : a.id) << " over the frame or title of " << (a_holds_b ? a.id : b.id);
                        } else {
                            EXPECT_FALSE(place.intersects(other)) << a.id << " over " << b.id;
                        }
                    }
                }
                press_key(dialog, Qt::Key_Escape);
            });
            DialogDesc desc;
            desc.form = &form;
            ui_->run_dialog(desc);
        }
    });
}

TEST(DialogLayoutTest, EveryTemplateFitsItsControlsInsideWithoutOverlaps)
{
    for (const DialogTemplate& form : windows::dialog_templates()) {
        SCOPED_TRACE(form.id);
        const Rect size = qt::dialog_size(form);
        const std::vector<Rect> placed = qt::place_controls(form, size.width(), size.height());
        ASSERT_EQ(placed.size(), form.controls.size());
        for (std::size_t i = 0; i < placed.size(); ++i) {
            SCOPED_TRACE(form.controls[i].id);
            EXPECT_FALSE(placed[i].empty());
            if (!form.controls[i].rect.empty()) {
                EXPECT_EQ(placed[i], form.controls[i].rect) << "a place the template gives is kept";
                continue;
            }
            EXPECT_GE(placed[i].left, 0);
            EXPECT_GE(placed[i].top, 0);
            EXPECT_LE(placed[i].right, size.width());
            EXPECT_LE(placed[i].bottom, size.height());
            for (std::size_t j = 0; j < i; ++j) {
                if (!form.controls[j].rect.empty()) continue;
                EXPECT_FALSE(overlap(placed[i], placed[j])) << form.controls[j].id;
            }
        }
    }
}

TEST(DialogLayoutTest, LabelsGoAboveTheFieldsTheyNameAndButtonsAtTheBottom)
{
    const DialogTemplate& chooser = windows::dialog_template(10039);
    const Rect size = qt::dialog_size(chooser);
    const std::vector<Rect> placed = qt::place_controls(chooser, size.width(), size.height());
    auto at = [&](int id) {
        for (std::size_t i = 0; i < chooser.controls.size(); ++i)
            if (chooser.controls[i].id == id) return placed[i];
        return Rect{};
    };
    EXPECT_LT(at(10040).top, at(10037).top);  // the prompt above the drop-down list
    EXPECT_LT(at(10037).top, at(10041).top);  // then the base label
    EXPECT_LT(at(10041).top, at(10038).top);  // above the base name
    EXPECT_LT(at(10038).bottom, at(10034).top);
    EXPECT_EQ(at(10034).bottom, size.height() - 7);

    const qt::DialogUnits units{8, 16};
    EXPECT_EQ(units.to_pixels(rect_at(4, 8, 40, 12)), (Rect{8, 16, 88, 40}));
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    platform::QtApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
