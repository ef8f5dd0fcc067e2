// The rules of the toolkit layer, held against both back-ends by toy handlers: defaults of
// declined events, modal nesting, the error trap, ending the program, the window table, the keys
// of a dialog, the auxiliary window's bound, the current output and its failures. The user is
// played from one script: the headless back-end takes it itself, on Qt a player does it on the
// widgets (offscreen). What only the headless back-end has (its transcript, the script's own
// failures) is tested on it alone.
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>

#include "app/main_menu.h"
#include "platform/headless/headless_toolkit.h"
#include "platform/headless/text_editor.h"
#include "platform/list_order.h"
#include "windows/dialog_templates.h"

#ifdef VELK_TEST_QT
#include <QByteArray>
#include <QtGlobal>

#include "platform/qt/qt_toolkit.h"
#include "qt/qt_user.h"
#endif

namespace fs = std::filesystem;
using namespace platform;
using platform::headless::HeadlessOptions;
using platform::headless::HeadlessToolkit;
using platform::headless::Script;
using platform::headless::ScriptFailure;
using platform::headless::TextEditor;

namespace {

enum class Backend { Headless, Qt };

// A toy dialog: OK, Cancel, a third button, an edit field, a multiple-choice list, two radios.
const DialogTemplate& toy_form()
{
    static const DialogTemplate form{
        500, "Zabawka", rect_at(0, 0, 200, 100), 0,
        {ControlDesc{1, ControlKind::PushButton, "&OK", {}, control_flag::default_button},
         ControlDesc{2, ControlKind::PushButton, "Zakończ", {}, 0},
         ControlDesc{3, ControlKind::PushButton, "Inny", {}, 0},
         ControlDesc{10, ControlKind::Edit, "", {}, 0},
         ControlDesc{11, ControlKind::ListBox, "", {}, control_flag::multiple_selection},
         ControlDesc{12, ControlKind::RadioButton, "Pierwszy", {}, control_flag::group},
         ControlDesc{13, ControlKind::RadioButton, "Drugi", {}, 0}}};
    return form;
}

// A run of a toy program on one back-end, the user played from a script.
class ToolkitFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "velk-toolkit-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = fs::canonical(pattern);
    }
    void TearDown() override
    {
        finish();
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    bool headless() const { return backend_ == Backend::Headless; }

    Toolkit& start(const std::string& script)
    {
        finish();
        if (headless()) {
            HeadlessOptions options;
            options.working_dir = dir_.string();
            auto ui = std::make_unique<HeadlessToolkit>(Script::parse(script), options);
            headless_ = ui.get();
            ui_ = std::move(ui);
        } else {
#ifdef VELK_TEST_QT
            auto ui = std::make_unique<QtToolkit>(QtOptions{dir_.string(), ""});
            user_ = std::make_unique<velk_test::QtUser>(*ui, Script::parse(script), dir_.string());
            qt_ = ui.get();
            ui_ = std::move(ui);
#endif
        }
        return *ui_;
    }

    // Runs the main window with the handler; menu items 100 and 101 are enabled, 102 greyed.
    // A step of the script that does not fit what the program shows fails the run (ScriptFailure).
    void run(const Handler& handler)
    {
        TaskWindowDesc desc;
        desc.class_name = "toy";
        desc.title = "Główne";
        desc.style = style::title_bar | style::sizing_border | style::close_box;
        desc.menu.resource_id = 99;
        desc.menu.items = {{100, {"&Plik"}, "&Jeden", true}, {101, {"&Plik"}, "&Dwa", true},
                           {102, {"&Plik"}, "&Trzy", false}};
        desc.handler = handler;
        try {
            ui_->run_task_window(desc);
#ifdef VELK_TEST_QT
            if (user_)
                if (const std::optional<std::string> failure = user_->failure()) throw ScriptFailure(*failure);
#endif
        } catch (const ScriptFailure& failure) {
            if (report_script_failures_) ADD_FAILURE() << failure.message();
            throw;
        }
    }

    // Runs the main window with a handler that answers each menu command with `on_menu`.
    void run_menu(const std::function<bool(int)>& on_menu)
    {
        run([&](const Event& e) { return e.kind == EventKind::Menu && on_menu(e.id); });
    }

    DialogResult run_toy_dialog(const Handler& handler, std::vector<std::pair<ControlId, ControlValue>> initial = {})
    {
        DialogDesc desc;
        desc.form = &toy_form();
        desc.handler = handler;
        desc.initial = std::move(initial);
        return ui_->run_dialog(desc);
    }

    // After the run: a ScriptFailure when the program ended before the script did.
    void check_script_finished() const
    {
        if (headless_) headless_->check_script_finished();
#ifdef VELK_TEST_QT
        if (user_) user_->check_finished();
#endif
    }

    std::vector<std::string> aux_lines() const
    {
#ifdef VELK_TEST_QT
        if (qt_) return qt_->aux_lines();
#endif
        return headless_->aux_lines();
    }

    // The headless back-end's transcript ("" on the others).
    std::string transcript() const { return headless_ ? headless_->transcript() : std::string(); }
    // Whether the transcript holds the part; true on back-ends that keep none.
    bool transcript_has(const std::string& part) const
    {
        return !headless_ || transcript().find(part) != std::string::npos;
    }
    std::string read_bytes(const std::string& name) const
    {
        std::ifstream in(dir_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void write_bytes(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }

    Backend backend_ = Backend::Headless;
    bool report_script_failures_ = false;  // a test that expects none shows the one it meets
    fs::path dir_;
    std::unique_ptr<Toolkit> ui_;
    HeadlessToolkit* headless_ = nullptr;

private:
    void finish()
    {
#ifdef VELK_TEST_QT
        user_.reset();
        qt_ = nullptr;
#endif
        ui_.reset();
        headless_ = nullptr;
    }

#ifdef VELK_TEST_QT
    QtToolkit* qt_ = nullptr;
    std::unique_ptr<velk_test::QtUser> user_;
#endif
};

// The rules of toolkit.h: each test runs once per back-end.
class ToolkitTest : public ToolkitFixture, public ::testing::WithParamInterface<Backend> {
protected:
    void SetUp() override
    {
        backend_ = GetParam();
        report_script_failures_ = true;
        ToolkitFixture::SetUp();
    }
};

std::string backend_name(const ::testing::TestParamInfo<Backend>& info)
{
    return info.param == Backend::Headless ? "Headless" : "Qt";
}

#ifdef VELK_TEST_QT
INSTANTIATE_TEST_SUITE_P(Backends, ToolkitTest, ::testing::Values(Backend::Headless, Backend::Qt), backend_name);
#else
INSTANTIATE_TEST_SUITE_P(Backends, ToolkitTest, ::testing::Values(Backend::Headless), backend_name);
#endif

// What only the headless back-end has: its transcript and the failures of its script.
using HeadlessToolkitTest = ToolkitFixture;

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// ---- Defaults of declined events ---------------------------------------------------------------

TEST_P(ToolkitTest, DeclinedCloseRequestOfTheMainWindowEndsTheProgramAndHandledOneDoesNot)
{
    start("close\nclose\n");
    int close_requests = 0;
    bool destroyed = false;
    run([&](const Event& e) {
        if (e.kind == EventKind::Destroy) destroyed = true;
        if (e.kind != EventKind::CloseRequest) return false;
        return ++close_requests == 1;  // the first is handled ("No"), the second declined
    });
    EXPECT_EQ(close_requests, 2);
    EXPECT_TRUE(destroyed);
    EXPECT_FALSE(ui_->window_exists(ui_->main_window()));
    EXPECT_TRUE(transcript_has("window \"Główne\" closed\nend of program\n"));
    check_script_finished();
}

TEST_P(ToolkitTest, DeclinedCloseRequestDestroysADocumentWindowHandledOneKeepsIt)
{
    start("menu 100\nclose \"Okno\"\nclose \"Okno\"\nclose\n");
    WindowId window = kNoWindow;
    int requests = 0;
    bool destroyed = false;
    run_menu([&](int) {
        WindowDesc desc;
        desc.rect = Rect{10, 10, 110, 60};
        desc.title = "Okno";
        desc.handler = [&](const Event& e) {
            if (e.kind == EventKind::Destroy) destroyed = true;
            return e.kind == EventKind::CloseRequest && ++requests == 1;
        };
        window = ui_->create_window(desc);
        return true;
    });
    EXPECT_EQ(requests, 2);
    EXPECT_TRUE(destroyed);
    EXPECT_FALSE(ui_->window_exists(window));
}

// Each way of closing the toy dialog by the user: the answer, with the values of the controls.
TEST_P(ToolkitTest, DialogClosesByTheDefaultsOfDeclinedButtonsKeysAndCloseBox)
{
    struct Case {
        const char* steps;  // after "dialog 500" and "set 10 ..."
        int button;
    };
    const Case cases[] = {
        {"press 1", 1},           // OK declined: closes with 1
        {"press 2", 2},           // cancel declined: closes with 2
        {"enter", 1},             // Enter presses button 1
        {"esc", 2},               // Esc presses button 2
        {"close", 2},             // close box
        {"press 3\npress 1", 1},  // another button declined: nothing, the dialog stays
    };
    for (const Case& c : cases) {
        start(std::string("menu 100\ndialog 500 \"Zabawka\"\nset 10 \"0,5\"\n") + c.steps + "\nclose\n");
        DialogResult result;
        run_menu([&](int) {
            result = run_toy_dialog([](const Event&) { return false; });
            return true;
        });
        EXPECT_EQ(result.button, c.button) << c.steps;
        ASSERT_EQ(result.values.size(), toy_form().controls.size()) << c.steps;
        EXPECT_EQ(result.values.at(10).text, "0,5") << c.steps;
    }
}

TEST_P(ToolkitTest, DialogEndedByItsHandler)
{
    // Destroyed by the handler: answer 2, no values, and its Destroy event still arrives.
    start("menu 100\ndialog 500\npress 1\nmenu 101\ndialog 500\npress 3\nclose\n");
    DialogResult destroyed;
    DialogResult ended;
    bool destroy_seen = false;
    run_menu([&](int item) {
        if (item == 100) {
            destroyed = run_toy_dialog([&](const Event& e) {
                if (e.kind == EventKind::Destroy) destroy_seen = ui_->has_control(e.window, 10);
                if (e.kind == EventKind::Control && e.id == 1) ui_->destroy_window(e.window);
                return true;
            });
        } else {
            ended = run_toy_dialog([&](const Event& e) {
                if (e.kind == EventKind::Control && e.id == 3) ui_->end_dialog(e.window, 3);
                return true;
            });
        }
        return true;
    });
    EXPECT_EQ(destroyed.button, kButtonCancel);
    EXPECT_TRUE(destroyed.values.empty());
    EXPECT_TRUE(destroy_seen);
    EXPECT_EQ(ended.button, 3);
    EXPECT_EQ(ended.values.size(), toy_form().controls.size());
}

TEST_P(ToolkitTest, DialogControlsTakeInitialValuesAndTheUsersChoices)
{
    start("menu 100\ndialog 500\nselect 11 \"b\" 0\ncheck 13\npress 1\nclose\n");
    DialogResult result;
    run_menu([&](int) {
        ControlValue list;
        list.items = {"a", "b", "c"};
        ControlValue first;
        first.checked = true;
        result = run_toy_dialog([](const Event&) { return false; }, {{11, list}, {12, first}});
        return true;
    });
    EXPECT_EQ(result.values.at(11).selected, (std::vector<int>{0, 1}));
    EXPECT_FALSE(result.values.at(12).checked);  // checking 13 unchecked its sibling
    EXPECT_TRUE(result.values.at(13).checked);
    EXPECT_TRUE(transcript_has("  11 list [\"a\", \"b\", \"c\"]\n"));
}

// ---- Modal nesting ---------------------------------------------------------------------------------

TEST_P(ToolkitTest, QuestionAskedInsideADialogsHandlerIsAnsweredThereAndTheDialogGoesOn)
{
    start(R"(menu 100
dialog 500
  press 2
  question "Uwaga!" -> "&Nie"
  press 2
  question -> Tak
close
)");
    DialogResult result;
    int asked = 0;
    run_menu([&](int) {
        result = run_toy_dialog([&](const Event& e) {
            if (e.kind != EventKind::Control || e.id != 2) return false;
            ++asked;
            // "&Nie": handled, the dialog stays; "&Tak": declined, the default closes it with 2.
            return ui_->question("Uwaga!", "Zamknąć?", {"&Tak", "&Nie"}) == 1;
        });
        return true;
    });
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(result.button, 2);
    EXPECT_TRUE(transcript_has("dialog 500 \"Zabawka\" opened\n  > press 2\n"
                                       "  question \"Uwaga!\": \"Zamknąć?\" [&Tak|&Nie] -> &Nie\n"));
    EXPECT_TRUE(transcript_has("  question \"Uwaga!\": \"Zamknąć?\" [&Tak|&Nie] -> &Tak\ndialog 500 closed -> 2\n"));
}

// ---- The error trap ----------------------------------------------------------------------------------

TEST_P(ToolkitTest, AnErrorEscapingAHandlerEndsThatEventOnlyAndIsShown)
{
    start("menu 100\nerror \"Błąd\"\nclose\nerror\nmenu 101\nclose\n");
    int commands = 0;
    int close_requests = 0;
    run([&](const Event& e) {
        if (e.kind == EventKind::Menu) {
            ++commands;
            if (e.id == 100) throw std::runtime_error("Nie można otworzyć pliku x");
            return true;
        }
        if (e.kind == EventKind::CloseRequest && ++close_requests == 1)
            throw std::runtime_error("zepsute");  // no default: the window stays
        return false;
    });
    EXPECT_EQ(commands, 2);
    EXPECT_EQ(close_requests, 2);
    EXPECT_TRUE(transcript_has("error \"Błąd\": \"Nie można otworzyć pliku x\"\n"));
    EXPECT_TRUE(transcript_has("error \"Błąd\": \"zepsute\"\n> menu 101"));
}

// ---- Ending the program from nested dialogs ----------------------------------------------------------

TEST_P(ToolkitTest, EndingTheProgramFromANestedDialogUnwindsEveryFrame)
{
    for (const bool by_destroying_main : {false, true}) {
        start(R"(menu 100
dialog 500
  press 3
  dialog 500
    press 2
    message "Uwaga!" -> Tak
)");
        bool after_inner = false;
        bool after_outer = false;
        bool main_destroyed = false;
        bool document_destroyed = false;
        int events_after_end = 0;
        bool ended = false;
        run([&](const Event& e) {
            if (ended && e.kind != EventKind::Destroy) ++events_after_end;
            if (e.kind == EventKind::Destroy) main_destroyed = true;
            if (e.kind != EventKind::Menu) return false;
            WindowDesc doc;
            doc.title = "Dokument";
            doc.handler = [&](const Event& d) {
                if (d.kind == EventKind::Destroy) document_destroyed = true;
                return false;
            };
            ui_->create_window(doc);
            run_toy_dialog([&](const Event& outer) {
                if (outer.kind != EventKind::Control || outer.id != 3) return false;
                run_toy_dialog([&](const Event& inner) {
                    if (inner.kind != EventKind::Control || inner.id != 2) return false;
                    if (ui_->message_box("Uwaga!", "Czy na pewno chcesz zakończyć program ?", MessageIcon::Question,
                                         MessageButtons::YesNo) == kAnswerYes) {
                        ended = true;
                        if (by_destroying_main) ui_->destroy_window(ui_->main_window());
                        ui_->end_program();
                    }
                    return false;
                });
                after_inner = true;
                return true;
            });
            after_outer = true;
            return true;
        });
        EXPECT_FALSE(after_inner);
        EXPECT_FALSE(after_outer);
        EXPECT_TRUE(main_destroyed);
        EXPECT_TRUE(document_destroyed);
        EXPECT_EQ(events_after_end, 0);
        EXPECT_FALSE(ui_->window_exists(ui_->main_window()));
        EXPECT_TRUE(transcript_has("[Tak|Nie] -> Tak\n"
                                           "  dialog 500 closed: the program ends\n"
                                           "dialog 500 closed: the program ends\n"
                                           "window \"Dokument\" closed\n"
                                           "window \"Główne\" closed\nend of program\n"));
        check_script_finished();
    }
}

// A window's Destroy handler that asks something while the program ends is not answered: the
// question is not shown (the transcript says so), the handler ends there, and the windows still go.
TEST_P(ToolkitTest, NothingModalOpensWhileTheProgramEnds)
{
    start("menu 100\nclose\n");
    bool asked_past = false;
    run_menu([&](int) {
        WindowDesc doc;
        doc.title = "Dokument";
        doc.handler = [&](const Event& e) {
            if (e.kind != EventKind::Destroy) return false;
            ui_->question("Uwaga!", "Zapisać?", {"&Tak", "&Nie"});
            asked_past = true;
            return true;
        };
        ui_->create_window(doc);
        return true;
    });
    EXPECT_FALSE(asked_past);
    EXPECT_TRUE(transcript_has("> close\n"
                                       "question \"Uwaga!\": \"Zapisać?\" [&Tak|&Nie] (not shown: the program ends)\n"
                                       "window \"Dokument\" closed\nwindow \"Główne\" closed\nend of program\n"));
    check_script_finished();
}

// A Destroy handler that ends the program: its window and the window's children are gone first,
// then the end unwinds the command that destroyed it.
TEST_P(ToolkitTest, EndingTheProgramFromADestroyHandlerFinishesThatWindowFirst)
{
    start("menu 100\n");
    bool after_destroy = false;
    bool child_destroyed = false;
    run_menu([&](int) {
        WindowDesc doc;
        doc.title = "Dokument";
        doc.handler = [&](const Event& e) {
            if (e.kind == EventKind::Destroy) ui_->end_program();
            return false;
        };
        const WindowId parent = ui_->create_window(doc);
        WindowDesc child;
        child.title = "Dziecko";
        child.parent = parent;
        child.handler = [&](const Event& e) {
            if (e.kind == EventKind::Destroy) child_destroyed = true;
            return false;
        };
        ui_->create_window(child);
        ui_->destroy_window(parent);
        after_destroy = true;
        return true;
    });
    EXPECT_FALSE(after_destroy);
    EXPECT_TRUE(child_destroyed);
    EXPECT_TRUE(transcript_has("window \"Dziecko\" closed\nwindow \"Dokument\" closed\n"
                                       "window \"Główne\" closed\nend of program\n"));
    check_script_finished();
}

// ---- The keys of a dialog ------------------------------------------------------------------------

// Enter presses the button that has the keyboard focus, and button 1 only when no button has it.
// The focus starts on the first control the Tab key stops at; a control the user works on takes it.
TEST_P(ToolkitTest, EnterPressesTheFocusedButtonAndButtonOneWhenNoButtonHasIt)
{
    namespace flag = control_flag;
    static const DialogTemplate field_first{
        700, "Klawisze", rect_at(0, 0, 200, 80), 0,
        {ControlDesc{10, ControlKind::Edit, "", {}, flag::border | flag::tab_stop},
         ControlDesc{1, ControlKind::PushButton, "&OK", {}, flag::default_button | flag::tab_stop},
         ControlDesc{2, ControlKind::PushButton, "Anuluj", {}, flag::tab_stop},
         ControlDesc{3, ControlKind::PushButton, "Inny", {}, flag::tab_stop}}};
    static const DialogTemplate cancel_first{
        701, "Klawisze", rect_at(0, 0, 200, 80), 0,
        {ControlDesc{2, ControlKind::PushButton, "Anuluj", {}, flag::tab_stop},
         ControlDesc{1, ControlKind::PushButton, "&OK", {}, flag::default_button | flag::tab_stop},
         ControlDesc{10, ControlKind::Edit, "", {}, flag::border | flag::tab_stop}}};
    struct Case {
        const DialogTemplate* form;
        const char* steps;
        std::vector<int> pressed;  // the buttons the dialog heard of, in order
        int answer;
    };
    const Case cases[] = {
        {&field_first, "enter", {1}, 1},                       // the focus starts on the field
        {&field_first, "focus 2\nenter", {2}, 2},
        {&field_first, "focus 3\nenter\nesc", {3, 2}, 2},
        {&field_first, "press 3\nenter\nesc", {3, 3, 2}, 2},   // a click gives the button the focus
        {&field_first, "press 3\nset 10 \"x\"\nenter", {3, 1}, 1},
        {&field_first, "focus 3\nfocus 10\nenter", {1}, 1},
        {&cancel_first, "enter", {2}, 2},                      // the focus starts on button 2
        {&cancel_first, "focus 10\nenter", {1}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.steps);
        start("menu 100\ndialog " + std::to_string(c.form->id) + "\n" + c.steps + "\nclose\n");
        std::vector<int> pressed;
        DialogResult result;
        run_menu([&](int) {
            DialogDesc desc;
            desc.form = c.form;
            desc.handler = [&](const Event& e) {
                if (e.kind == EventKind::Control && e.notification == Notification::Clicked) pressed.push_back(e.id);
                return false;
            };
            result = ui_->run_dialog(desc);
            return true;
        });
        EXPECT_EQ(pressed, c.pressed);
        EXPECT_EQ(result.button, c.answer);
        check_script_finished();
    }
}

// ---- The window table -----------------------------------------------------------------------------

// A window that is gone is gone for every call, its id is never given again, and the focus goes
// back to the window opened before it, then to the main window.
TEST_P(ToolkitTest, DestroyedWindowsLeaveTheTableForGood)
{
    start("menu 100\nclose\n");
    std::vector<WindowId> ids;
    std::vector<WindowId> focus;
    run_menu([&](int) {
        for (const char* title : {"Pierwsze", "Drugie"}) {
            WindowDesc desc;
            desc.rect = Rect{10, 10, 200, 120};
            desc.title = title;
            desc.style = style::title_bar | style::sizing_border;
            ids.push_back(ui_->create_window(desc));
        }
        focus.push_back(ui_->focused_window());
        ui_->destroy_window(ids[1]);
        focus.push_back(ui_->focused_window());
        ui_->destroy_window(ids[0]);
        focus.push_back(ui_->focused_window());
        for (const WindowId gone : ids) {
            EXPECT_FALSE(ui_->window_exists(gone));
            EXPECT_THROW(ui_->window_title(gone), ToolkitError);
            EXPECT_THROW(ui_->parent_window(gone), ToolkitError);
            EXPECT_THROW(ui_->send_event(gone, Event{EventKind::Paint, gone, 0, Notification::None, {}}), ToolkitError);
            EXPECT_THROW(ui_->create_control(gone, ControlDesc{5, ControlKind::Static, "x", Rect{0, 0, 9, 9}, 0}),
                         ToolkitError);
            ui_->destroy_window(gone);  // nothing: it is gone already
        }
        WindowDesc again;
        again.title = "Pierwsze";
        const WindowId third = ui_->create_window(again);
        EXPECT_NE(third, ids[0]);
        EXPECT_NE(third, ids[1]);
        return true;
    });
    EXPECT_EQ(focus, (std::vector<WindowId>{ids[1], ids[0], ui_->main_window()}));
}

// A document window's own menu sends its items to that window, the main menu to the main window.
TEST_P(ToolkitTest, MenuItemsGoToTheWindowWhoseMenuHoldsThem)
{
    start("menu 100\nmenu 200\nmenu 101\nclose \"Okno\"\nclose\n");
    std::vector<int> main_heard;
    std::vector<int> window_heard;
    run([&](const Event& e) {
        if (e.kind != EventKind::Menu) return false;
        main_heard.push_back(e.id);
        if (e.id != 100) return true;
        WindowDesc desc;
        desc.rect = Rect{10, 10, 200, 120};
        desc.title = "Okno";
        desc.style = style::title_bar | style::sizing_border | style::close_box;
        desc.menu.resource_id = 98;
        desc.menu.items = {{200, {"&Okno"}, "&Własne", true}};
        desc.handler = [&](const Event& w) {
            if (w.kind == EventKind::Menu) window_heard.push_back(w.id);
            return w.kind == EventKind::Menu;
        };
        ui_->create_window(desc);
        return true;
    });
    EXPECT_EQ(main_heard, (std::vector<int>{100, 101}));
    EXPECT_EQ(window_heard, (std::vector<int>{200}));
}

// The user's typing tells the text window that its text changed; the program's own edits
// through the toolkit (filling it, undoing on a command) do not.
TEST_P(ToolkitTest, TypingInATextWindowSendsTextChangedAndTheProgramsEditsDoNot)
{
    start("menu 100\ntype \"ab\"\nmenu 101\nclose \"Tekst\"\nclose\n");
    WindowId window = kNoWindow;
    int changes = 0;
    int typed = 0;
    run_menu([&](int item) {
        if (item == 101) {
            typed = changes;
            ui_->set_editor_text(window, "nowy tekst");
            ui_->editor_append(window, " i dalej");
            ui_->editor_select(window, 0, 4);
            ui_->editor_cut(window);
            ui_->editor_paste(window);
            ui_->editor_delete(window);
            return true;
        }
        WindowDesc desc;
        desc.kind = WindowKind::Text;
        desc.rect = Rect{10, 10, 300, 200};
        desc.title = "Tekst";
        desc.style = style::title_bar | style::sizing_border | style::close_box;
        desc.handler = [&](const Event& e) {
            if (e.kind == EventKind::Control && e.notification == Notification::TextChanged) ++changes;
            return e.kind == EventKind::Control;
        };
        window = ui_->create_window(desc);
        ui_->editor_append(window, "start");
        return true;
    });
    EXPECT_GE(typed, 1);  // Qt tells of each typed key, the headless back-end of each step
    EXPECT_EQ(changes, typed);
    check_script_finished();
}

// ---- The auxiliary window and the current output --------------------------------------------------

TEST_P(ToolkitTest, WritesBeforeTheAuxWindowAreLostAndASecondCreateKeepsTheFirst)
{
    start("close\n");
    run([&](const Event& e) {
        if (e.kind != EventKind::Create) return false;
        ui_->write("przed oknem\n");  // no window yet: lost
        ui_->create_aux_window(100);
        for (int i = 1; i <= 150; ++i) ui_->write("linia " + std::to_string(i) + "\n");
        ui_->create_aux_window(5);  // one exists: it stays, with its bound
        ui_->write("niedokończona");
        return true;
    });
    // Checked before the end removes the window: the close request is the last step.
    EXPECT_TRUE(transcript_has("aux (no window): przed oknem\naux window opened (100 lines)\naux: linia 1\n"));
    EXPECT_FALSE(contains(transcript(), "aux window opened (5 lines)"));
}

TEST_P(ToolkitTest, AuxWindowBoundDropsTheOldestLines)
{
    start("close\n");
    std::vector<std::string> lines;
    run([&](const Event& e) {
        if (e.kind != EventKind::Create) return false;
        ui_->create_aux_window(100);
        for (int i = 1; i <= 150; ++i) ui_->write("linia " + std::to_string(i) + "\n");
        ui_->write("niedokończona");
        lines = aux_lines();
        ui_->clear_aux_window();
        EXPECT_TRUE(aux_lines().empty());
        ui_->close_aux_window();
        EXPECT_FALSE(ui_->has_aux_window());
        return true;
    });
    ASSERT_EQ(lines.size(), 100u);
    EXPECT_EQ(lines.front(), "linia 52");  // 99 finished lines and the unfinished one
    EXPECT_EQ(lines.back(), "niedokończona");
}

TEST_P(ToolkitTest, CurrentOutputGoesToAFileWhileOneIsOpenAndBackAfter)
{
    start("close\n");
    run([&](const Event& e) {
        if (e.kind != EventKind::Create) return false;
        ui_->create_aux_window(100);
        ui_->write("przed\n");
        ui_->open_output_file("wynik.txt");
        EXPECT_TRUE(ui_->output_is_file());
        ui_->write("zażółć\n");
        ui_->write("gęślą");
        ui_->open_output_file("drugi.txt");  // closes (writes) the first
        ui_->write("drugi\n");
        ui_->close_output_file();
        EXPECT_FALSE(ui_->output_is_file());
        ui_->write("po\n");
        EXPECT_EQ(aux_lines(), (std::vector<std::string>{"przed", "po"}));
        return true;
    });
    EXPECT_EQ(read_bytes("wynik.txt"), "za\xBF\xF3\xB3\xE6\r\ng\xEA\x9Cl\xB9");  // CP1250, CR LF
    EXPECT_EQ(read_bytes("drugi.txt"), "drugi\r\n");
    EXPECT_TRUE(transcript_has("output file \"wynik.txt\" opened\n"
                                       "output file \"wynik.txt\" written:\n  | zażółć\n  | gęślą\n"));
}

// The file is written whole when it is closed. When that write fails, the error reaches the
// caller, the output is the auxiliary window again, and nothing half-written stays behind.
TEST_P(ToolkitTest, FailedWriteOfTheOutputFileSendsTheOutputBackToTheAuxWindow)
{
    fs::create_directory(dir_ / "znika");
    start("close\n");
    run([&](const Event& e) {
        if (e.kind != EventKind::Create) return false;
        ui_->create_aux_window(100);
        EXPECT_THROW(ui_->open_output_file("brak/wynik.txt"), files::FileError);  // no such folder
        EXPECT_FALSE(ui_->output_is_file());
        ui_->open_output_file("znika/wynik.txt");
        ui_->write("do pliku\n");
        fs::remove_all(dir_ / "znika");
        EXPECT_THROW(ui_->close_output_file(), files::FileError);
        EXPECT_FALSE(ui_->output_is_file());
        ui_->write("z powrotem\n");
        EXPECT_EQ(aux_lines(), (std::vector<std::string>{"z powrotem"}));
        // Left open at the end and failing then: the transcript says so, the program still ends.
        fs::create_directory(dir_ / "znika");
        ui_->open_output_file("znika/koniec.txt");
        ui_->write("x");
        fs::remove_all(dir_ / "znika");
        return true;
    });
    EXPECT_FALSE(fs::exists(dir_ / "znika"));
    EXPECT_TRUE(transcript_has("output file \"znika/koniec.txt\" opened\n> close\nwindow \"Główne\" closed\n"
                                       "output file not written: "));
    EXPECT_TRUE(transcript_has("\nend of program\n"));
    EXPECT_FALSE(contains(transcript(), dir_.string()));
}

TEST_F(HeadlessToolkitTest, AuxLinesInterruptedByABoxContinueOnTheSameLine)
{
    start("menu 100\nquestion -> \"&Nie\"\nclose\n");
    run_menu([&](int) {
        ui_->create_aux_window(100);
        ui_->write(" Czy zachować raport?  ");
        ui_->question("Raport", "Czy?", {"&Tak", "&Nie"});
        ui_->write("dalej\nnowa\n");
        return true;
    });
    EXPECT_TRUE(contains(transcript(), "aux:  Czy zachować raport?  \nquestion \"Raport\": \"Czy?\" [&Tak|&Nie] -> &Nie\n"
                                       "aux+ dalej\naux: nowa\n"));
}

// ---- File dialogs, pictures, sound ----------------------------------------------------------------

TEST_P(ToolkitTest, SaveDialogAsksBeforeReplacingAFileAndNoGoesBackToTheDialog)
{
    write_bytes("stary.RPT", "x");
    start("menu 100\nsave -> stary.RPT\nreplace -> Nie\nsave \"Raport\" -> nowy.RPT\n"
          "menu 100\nsave -> stary.RPT\nreplace -> Tak\nmenu 100\nsave -> cancel\nclose\n");
    std::vector<std::string> chosen;
    run_menu([&](int) {
        chosen.push_back(ui_->save_file_dialog(FileDialogDesc{"Raport", "*.RPT", {{"Raporty", "*.RPT"}}, ""}));
        return true;
    });
    EXPECT_EQ(chosen, (std::vector<std::string>{(dir_ / "nowy.RPT").string(), (dir_ / "stary.RPT").string(), ""}));
    EXPECT_TRUE(transcript_has("save dialog \"Raport\" name \"*.RPT\" filter \"Raporty\" \"*.RPT\" -> \"stary.RPT\"\n"
                                       "replace \"stary.RPT\"? [Tak|Nie] -> Nie\n"));
}

TEST_F(HeadlessToolkitTest, PicturesGiveTheirSizeAndUnplayableSoundIsSilence)
{
    std::string bmp(54, '\0');
    bmp[0] = 'B', bmp[1] = 'M', bmp[14] = 40, bmp[18] = 100, bmp[22] = 50;
    write_bytes("sowa.bmp", bmp);
    write_bytes("zly.bmp", "to nie obraz");
    write_bytes("dzwiek.wav", std::string("RIFF\0\0\0\0WAVEfmt ", 16));
    start("close\n");
    run([&](const Event& e) {
        if (e.kind != EventKind::Create) return false;
        const Picture sowa = ui_->load_picture("sowa.bmp");
        EXPECT_EQ(sowa.width, 100);
        EXPECT_EQ(sowa.height, 50);
        ui_->draw_picture(ui_->main_window(), sowa, ui_->client_rect(ui_->main_window()));
        EXPECT_THROW(ui_->load_picture("zly.bmp"), PictureError);
        EXPECT_THROW(ui_->load_picture("brak.bmp"), PictureError);
        ui_->play_sound("dzwiek.wav");
        ui_->play_sound("brak.wav");
        ui_->play_sound("zly.bmp");
        EXPECT_GE(ui_->shell_open("sowa.bmp", true), 32);
        EXPECT_EQ(ui_->shell_open("velk_QZ.chm", true), 2);
        return true;
    });
    EXPECT_TRUE(contains(transcript(), "picture \"sowa.bmp\" 100x50 drawn in \"Główne\" at 0,0,1024,700\n"
                                       "sound \"dzwiek.wav\" played\n"
                                       "sound \"brak.wav\" silent (cannot be played)\n"
                                       "sound \"zly.bmp\" silent (cannot be played)\n"));
}

// ---- A script that does not match what the program asks -------------------------------------------

// Menu item 100 shows a note, 101 opens the toy dialog with the items "a" and "b" in list 11.
TEST_F(HeadlessToolkitTest, MismatchedScriptFailsNamingBothSides)
{
    struct Case {
        const char* script;
        const char* message_part;
    };
    const Case cases[] = {
        // a note where a question was expected, and the other way round
        {"menu 100\nquestion -> Tak\n", "script line 2 `question -> Tak` does not match: the program shows note \"Uwaga!\": \"Tekst\""},
        // a different title
        {"menu 100\nnote \"Błąd\"\n", "expects the title \"Błąd\", but the program shows note \"Uwaga!\""},
        // an answer while the program waits for a command
        {"note\n", "script line 1 `note` answers something the program did not ask"},
        // a greyed item, an item no menu has
        {"menu 102\n", "menu item 102 \"&Trzy\" is greyed"},
        {"menu \"&Cztery\"\n", "script line 1 `menu \"&Cztery\"`: no such item in the main menu"},
        // the script ends first
        {"menu 100\n", "the script has ended, but the program shows note \"Uwaga!\""},
        // another dialog, a control or item or window that is not there, a step the dialog does not allow
        {"menu 101\ndialog 501\n", "script line 2 `dialog 501` expects another dialog, but the program shows dialog 500 \"Zabawka\""},
        {"menu 101\ndialog 500\npress 7\n", "script line 3 `press 7`: dialog 500 \"Zabawka\" has no control 7"},
        {"menu 101\ndialog 500\nselect 11 \"z\"\n", "the list holds no item \"z\"; it holds [\"a\", \"b\"]"},
        {"close \"Brak\"\n", "script line 1 `close \"Brak\"`: no window has that title; the program shows no document window"},
        {"menu 101\ndialog 500\nmaximise\n", "script line 3 `maximise`: dialog 500 \"Zabawka\" has no maximise box"},
        {"menu 101\ndialog 500\nmenu 100\n", "`menu 100` cannot be done while dialog 500 \"Zabawka\" is open"},
    };
    for (const Case& c : cases) {
        start(c.script);
        try {
            run_menu([&](int item) {
                if (item == 100) {
                    ui_->note("Uwaga!", "Tekst");
                } else {
                    ControlValue list;
                    list.items = {"a", "b"};
                    run_toy_dialog([](const Event&) { return false; }, {{11, list}});
                }
                return true;
            });
            ADD_FAILURE() << "no failure for " << c.script;
        } catch (const ScriptFailure& failure) {
            EXPECT_TRUE(contains(failure.message(), c.message_part)) << failure.message();
        }
    }
}

// The user maximises, restores or minimises a document window, or maximises and restores a
// dialog that has a maximise box: the window hears of its new client area.
TEST_P(ToolkitTest, WindowStateStepsChangeTheClientAreaAndTellTheWindow)
{
    static const DialogTemplate big{600, "Duży", rect_at(0, 0, 100, 40), style::maximise_box,
                                    {ControlDesc{1, ControlKind::PushButton, "&OK", {}, 0}}};
    start("menu 100\nminimise\nrestore \"Okno\"\nmaximise\nrestore\n"
          "menu 101\ndialog 600\nmaximise\nrestore\npress 1\nclose\n");
    std::vector<Rect> sizes;
    std::vector<Rect> moves;
    run_menu([&](int item) {
        if (item == 100) {
            WindowDesc desc;
            desc.rect = Rect{10, 10, 310, 210};
            desc.title = "Okno";
            desc.style = style::title_bar | style::sizing_border | style::minimise_box | style::maximise_box;
            desc.handler = [&](const Event& e) {
                if (e.kind == EventKind::Size) sizes.push_back(e.rect);
                return false;
            };
            ui_->create_window(desc);
        } else {
            DialogDesc desc;
            desc.form = &big;
            desc.handler = [&](const Event& e) {
                if (e.kind == EventKind::Move) moves.push_back(e.rect);
                return false;
            };
            ui_->run_dialog(desc);
        }
        return true;
    });
    // Each change is heard, and restoring gives the first client area back. A dialog may also be
    // moved without a new client area (when it shows): those moves repeat the area they had.
    moves.erase(std::unique(moves.begin(), moves.end()), moves.end());
    ASSERT_EQ(sizes.size(), 5u);
    EXPECT_FALSE(sizes[0].empty());
    EXPECT_TRUE(sizes[1].empty()) << "minimised";
    EXPECT_EQ(sizes[2], sizes[0]);
    EXPECT_GT(sizes[3].width(), sizes[0].width()) << "maximised";
    EXPECT_GT(sizes[3].height(), sizes[0].height()) << "maximised";
    EXPECT_EQ(sizes[4], sizes[0]);
    ASSERT_EQ(moves.size(), 3u);
    EXPECT_GT(moves[1].width(), moves[0].width()) << "maximised";
    EXPECT_EQ(moves[2], moves[0]);
    if (!headless()) return;
    // The headless geometry: the window's own rectangle, the template's size in pixels, and the
    // main window's client area when maximised.
    const Rect main_client{0, 0, 1024, 700};
    EXPECT_EQ(sizes, (std::vector<Rect>{Rect{0, 0, 300, 200}, Rect{}, Rect{0, 0, 300, 200}, main_client, Rect{0, 0, 300, 200}}));
    EXPECT_EQ(moves, (std::vector<Rect>{Rect{0, 0, 150, 65}, main_client, Rect{0, 0, 150, 65}}));
    EXPECT_TRUE(transcript_has("> minimise\n> restore \"Okno\"\n> maximise\n> restore\n"));
}

TEST_F(HeadlessToolkitTest, StepsLeftWhenTheProgramEndsFailTheRun)
{
    start("close\nmenu 100\n");
    run([](const Event&) { return false; });
    try {
        check_script_finished();
        ADD_FAILURE() << "no failure";
    } catch (const ScriptFailure& failure) {
        EXPECT_TRUE(contains(failure.message(), "script line 2 `menu 100`")) << failure.message();
    }
}

TEST(ScriptTest, RejectsMalformedSteps)
{
    for (const char* bad : {"frobnicate\n", "question\n", "note -> Tak\n", "set 10\n", "type \"bez końca\n",
                            "open -> \n"}) {
        EXPECT_THROW(Script::parse(bad), ScriptFailure) << bad;
    }
    try {
        Script::parse("\nset 10\n");
        ADD_FAILURE() << "no failure";
    } catch (const ScriptFailure& failure) {
        EXPECT_EQ(failure.message(), "script line 2: `set` takes 2 arguments, the line has 1");
    }
    const Script ok = Script::parse("# komentarz\nbase ../bazy\n  set 10 \"a \\\"b\\\" #c\" # koniec\n");
    EXPECT_EQ(ok.base_folder(), "../bazy");
    ASSERT_EQ(ok.remaining(), 1u);
    EXPECT_EQ(ok.peek().args.at(1).text, "a \"b\" #c");
}

// ---- The editor control --------------------------------------------------------------------------

// Typing a line break starts the new line with the blanks and tabs of the line above; one typed
// step is one undo.
TEST(TextEditorTest, TypedLineBreaksIndentLikeTheLineAbove)
{
    struct Case {
        const char* text;
        std::size_t caret;
        const char* typed;
        const char* expected;
    };
    const Case cases[] = {
        {"", 0, "a\nb", "a\nb"},
        {"  reguła", 8, "\nx", "  reguła\n  x"},
        {"\t a\nb", 3, "\n", "\t a\n\t \nb"},       // caret at the end of the first line
        {"    x", 2, "\n", "  \n    x"},              // the line above holds only what was before the caret
        {"  a", 3, "\n b\nc", "  a\n   b\n   c"},     // each new line indents like the one typed above it
        {"zażółć", 6, "\ngęś", "zażółć\ngęś"},
    };
    for (const Case& c : cases) {
        TextEditor editor;
        editor.set_text(c.text);
        editor.set_caret(c.caret);
        editor.type(c.typed);
        EXPECT_EQ(editor.text(), c.expected) << c.text << " + " << c.typed;
        editor.undo();
        EXPECT_EQ(editor.text(), c.text);
        EXPECT_FALSE(editor.can_undo());
    }
}

// ---- Lists and tables -------------------------------------------------------------------------------

TEST(ListOrderTest, SortedListsPutPolishLettersAfterTheirBaseLetterIgnoringCase)
{
    std::vector<std::string> items;
    for (const char* item : {"żaba", "c", "Ala", "ćma", "ala", "zebra", "źrebię", "b", "Łoś", "lis"})
        items.insert(items.begin() + static_cast<std::ptrdiff_t>(sorted_position(items, item)), item);
    EXPECT_EQ(items, (std::vector<std::string>{"Ala", "ala", "b", "c", "ćma", "lis", "Łoś", "zebra", "źrebię", "żaba"}));
}

TEST(TablesTest, DialogTemplatesAndMainMenuAreComplete)
{
    std::vector<int> ids;
    for (const DialogTemplate& t : windows::dialog_templates()) {
        ids.push_back(t.id);
        EXPECT_FALSE(t.title.empty()) << t.id;
        std::set<int> controls;
        for (const ControlDesc& c : t.controls) EXPECT_TRUE(controls.insert(c.id).second) << t.id << " " << c.id;
    }
    EXPECT_EQ(ids, (std::vector<int>{10000, 10003, 10008, 10013, 10015, 10016, 10019, 10020, 10023, 10026, 10028,
                                     10029, 10030, 10031, 10032, 10033, 10039, 10042, 10046}));
    EXPECT_EQ(windows::dialog_template(10023).controls.at(0).rect, rect_at(105, 51, 40, 12));

    const Menu menu = app::main_menu();
    EXPECT_EQ(menu.resource_id, 10062);
    std::set<int> items;
    for (const MenuItem& m : menu.items) {
        EXPECT_FALSE(m.enabled) << m.id;
        EXPECT_TRUE(items.insert(m.id).second) << m.id;
    }
    EXPECT_EQ(items.size(), 90u);
}

// The whole transcript of a small session with a browse-like window and a text viewer: the
// format reviewers read, so any change to it shows here first.
TEST_F(HeadlessToolkitTest, TranscriptShowsWindowsControlsTextsAndTitles)
{
    start(R"(menu 100
select 10177 "1"
menu "&dwa"
question "Zawiń/rozwiń" -> "&Nie"
type "x"
)");
    EXPECT_THROW(
        {
            run_menu([&](int item) {
                if (item == 100) {
                    WindowDesc desc;
                    desc.rect = Rect{100, 80, 625, 382};
                    desc.title = "Przegląd reguł";
                    desc.style = style::maximised;
                    desc.handler = [&](const Event& e) {
                        const WindowId w = e.window;
                        if (e.kind == EventKind::Create) {
                            ui_->create_control(w, ControlDesc{10248, ControlKind::Static, "Nr reguły", {}, 0});
                            ui_->create_control(w, ControlDesc{10177, ControlKind::ComboBox, "", {}, 0});
                            ui_->create_control(w, ControlDesc{10252, ControlKind::Edit, "", {}, control_flag::read_only});
                            ui_->add_list_items(w, 10177, {"5", "1", "3"});
                            return true;
                        }
                        if (e.kind == EventKind::Control && e.id == 10177) {
                            ui_->set_control_text(w, 10252, "wniosek " + ui_->control_text(w, 10177));
                            return true;
                        }
                        return false;
                    };
                    ui_->create_window(desc);
                } else {
                    const bool wrap = ui_->question("Zawiń/rozwiń", "Czy zawijać tekst?", {"&Tak", "&Nie"}) == 0;
                    WindowDesc desc;
                    desc.kind = WindowKind::Text;
                    desc.rect = Rect{100, 80, 699, 420};
                    desc.title = "Przegląd";
                    desc.text = TextOptions{true, wrap};
                    desc.handler = [&](const Event& e) {
                        if (e.kind == EventKind::Create) ui_->editor_append(e.window, "reguła 1\nreguła 2");
                        return e.kind == EventKind::Create;
                    };
                    ui_->create_window(desc);
                    ui_->set_window_title(ui_->main_window(), "Przegląd pliku: " + (dir_ / "RE.BQZ").string());
                    ui_->enable_menu_item(ui_->main_window(), 102, true);
                    ui_->enable_menu_item(ui_->main_window(), 100, false);
                    ui_->enable_menu_item(ui_->main_window(), 101, false);
                }
                return true;
            });
        },
        ScriptFailure);  // typing into the read-only viewer
    EXPECT_EQ(transcript(), R"(main window "Główne" (class toy, menu 99)
menu 99: 3 items, enabled: 100 101
> menu 100 "&Jeden"
window "Przegląd reguł" opened at 100,80,625,382, maximised
  10248 static "Nr reguły"
  10177 combo ["5", "1", "3"]
  10252 edit ""
> select 10177 "1"
  10177 combo ["5", "1", "3"] selected 1
  10252 edit "wniosek 1"
> menu 101 "&Dwa"
question "Zawiń/rozwiń": "Czy zawijać tekst?" [&Tak|&Nie] -> &Nie
text window "Przegląd" opened at 100,80,699,420, read-only, no wrap
  text:
  | reguła 1
  | reguła 2
title "Główne" -> "Przegląd pliku: <dir>/RE.BQZ"
menu enabled: 102
menu greyed: 100 101
)");
}

}  // namespace

int main(int argc, char** argv)
{
#ifdef VELK_TEST_QT
    qputenv("QT_QPA_PLATFORM", "offscreen");
    platform::QtApplication application(argc, argv);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
