// The editor window and the file commands below the scenarios: what reaches the disk byte for
// byte, which window saves which file, and the cases where the user's edits or the loaded base
// could be lost: each is shown to keep them.
#include <gtest/gtest.h>

#include <filesystem>

#include "../kb/kb_harness.h"
#include "app/file_commands.h"
#include "kb/bazy.h"
#include "platform/toolkit.h"
#include "windows/edycja.h"
#include "windows/editor_windows.h"

namespace app {
namespace {

using platform::Event;
using platform::EventKind;
using platform::WindowId;

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class FileCommandsTest : public kb::testing::KbHarness {
protected:
    void SetUp() override
    {
        KbHarness::SetUp();
        std::filesystem::create_directories(dir_ / "BAZY");
    }

    // Runs the body in the main window with the user answering from the script; a script step
    // that does not fit fails the test with the transcript.
    void play(const std::string& script, const std::function<void()>& body)
    {
        start(script);
        try {
            in_main_window(body);
            ui().check_script_finished();
        } catch (const platform::headless::ScriptFailure& failure) {
            ADD_FAILURE() << failure.message() << "\n" << transcript();
        }
    }

    WindowId open_editor(const std::string& name)
    {
        ctx().db.dane.pamietana_nazwa.add_last(path(name));
        return windows::win_edycja_Create(ctx(), ctx().ui.main_window());
    }
    void menu(WindowId window, int item) { ctx().ui.send_event(window, Event{EventKind::Menu, window, item, platform::Notification::None, {}}); }

    // A rule base loaded from the file: its names and one rule.
    void load_rules_from(const std::string& name)
    {
        ctx().db.stan.nazwa_re.set(name);
        ctx().db.stan.nazwa_re_pelna.set(path(name));
        ctx().db.baza_regul.regula.add_last(kb::Regula{1, "w", {"a"}, 1, "0.9"});
    }
    bool rules_loaded() { return !ctx().db.stan.nazwa_re.empty() && !ctx().db.baza_regul.regula.empty(); }
};

// ---- The editor window ----------------------------------------------------------------------------

TEST_F(FileCommandsTest, SavedTextIsTheWindowsTextWithCrLfInTheEncodingItWasReadIn)
{
    const struct {
        const char* on_disk;
        const char* saved;
    } cases[] = {
        {"a(\"x\")\r\nb(\"y\")\r\n", "a(\"x\")\r\nb(\"y\")\r\n"},  // CR LF kept byte for byte
        {"a(\"x\")\nb(\"y\")", "a(\"x\")\r\nb(\"y\")"},            // bare LF becomes CR LF
        {"x\ry\r\n", "xy\r\n"},                                    // a stray CR is lost
        {"", ""},                                                  // empty stays empty
        {"regu\xb3" "a\r\n", "regu\xb3" "a\r\n"},                  // CP1250 stays CP1250
        {"regu\xc5\x82" "a\r\n", "regu\xc5\x82" "a\r\n"},          // UTF-8 stays UTF-8
    };
    for (const auto& c : cases) {
        write_file("BAZY/REa.BQZ", c.on_disk);
        play("question -> \"&Nie\"\nnote \"Uwaga!\"\n", [&] { menu(open_editor("BAZY/REa.BQZ"), windows::kZapisz); });
        EXPECT_EQ(read_file("BAZY/REa.BQZ"), c.saved) << c.on_disk;
    }
}

TEST_F(FileCommandsTest, ZapiszSavesTheWindowThatGotTheCommandNotTheFocusedOne)
{
    write_file("BAZY/REa.BQZ", "a\r\n");
    write_file("BAZY/REb.BQZ", "b\r\n");
    play("question -> \"&Nie\"\nquestion -> \"&Nie\"\nnote \"Uwaga!\"\n", [&] {
        const WindowId a = open_editor("BAZY/REa.BQZ");
        const WindowId b = open_editor("BAZY/REb.BQZ");
        ctx().ui.set_editor_text(a, "zmienione a\n");
        ctx().ui.set_editor_text(b, "zmienione b\n");
        ctx().ui.activate_window(a);
        menu(b, windows::kZapisz);
        EXPECT_FALSE(ctx().ui.window_exists(b));
        EXPECT_TRUE(ctx().ui.window_exists(a));
    });
    EXPECT_EQ(read_file("BAZY/REa.BQZ"), "a\r\n");
    EXPECT_EQ(read_file("BAZY/REb.BQZ"), "zmienione b\r\n");
}

TEST_F(FileCommandsTest, AFileThatCannotBeReadOpensNoEditor)
{
    play("", [&] {
        EXPECT_THROW(open_editor("BAZY/REbrak.BQZ"), files::FileError);
        EXPECT_TRUE(ctx().db.edycja.dla_zapisu.empty());
    });
    EXPECT_FALSE(contains(transcript(), "text window"));
    EXPECT_FALSE(std::filesystem::exists(dir_ / "BAZY/REbrak.BQZ"));
}

TEST_F(FileCommandsTest, AFailedSaveKeepsTheWindowItsTextAndItsFile)
{
    write_file("BAZY/REa.BQZ", "a\r\n");
    play("question -> \"&Nie\"\nsave -> BRAK/REa.BQZ\nerror\n", [&] {
        const WindowId a = open_editor("BAZY/REa.BQZ");
        ctx().ui.set_editor_text(a, "nowe\n");
        menu(a, windows::kZapiszJako);  // the error box of the event's trap
        EXPECT_TRUE(ctx().ui.window_exists(a));
        EXPECT_EQ(ctx().ui.editor_text(a), "nowe\n");
        EXPECT_EQ(ctx().db.edycja.dla_zapisu.size(), 1u);
    });
}

// Close box: save, discard, or go on editing; going on keeps everything.
TEST_F(FileCommandsTest, CloseRequestSavesDiscardsOrGoesOn)
{
    const struct {
        const char* answer;
        bool open_after;
        const char* on_disk;
    } cases[] = {{"\"&TAK\"", false, "nowe\r\n"}, {"\"&NIE\"", false, "a\r\n"}, {"\"&Anuluj\"", true, "a\r\n"},
                 {"close", true, "a\r\n"}};
    for (const auto& c : cases) {
        write_file("BAZY/REa.BQZ", "a\r\n");
        std::string script = "question -> \"&Nie\"\nclose \"Edycja pliku: REa.BQZ\"\nquestion \"Zapis pliku\" -> " +
                             std::string(c.answer) + "\n";
        if (!c.open_after && std::string(c.answer) == "\"&TAK\"") script += "note \"Uwaga!\"\n";
        script += "close\n";
        start(script);
        WindowId a = platform::kNoWindow;
        bool open_at_end = false;
        platform::TaskWindowDesc desc;
        desc.class_name = "velk_ep_win";
        desc.menu = app::main_menu();
        desc.handler = [&](const Event& e) {
            if (e.kind == EventKind::Create) {
                a = open_editor("BAZY/REa.BQZ");
                ctx().ui.set_editor_text(a, "nowe\n");
                return true;
            }
            if (e.kind == EventKind::CloseRequest) open_at_end = ctx().ui.window_exists(a);
            return false;
        };
        try {
            ui().run_task_window(desc);
            ui().check_script_finished();
        } catch (const platform::headless::ScriptFailure& failure) {
            ADD_FAILURE() << c.answer << ": " << failure.message() << "\n" << transcript();
        }
        EXPECT_EQ(open_at_end, c.open_after) << c.answer;
        EXPECT_EQ(read_file("BAZY/REa.BQZ"), c.on_disk) << c.answer;
    }
}

TEST_F(FileCommandsTest, EndingTheProgramAsksOnlyForChangedEditorsAndCancelKeepsItRunning)
{
    write_file("BAZY/REa.BQZ", "a\r\n");
    write_file("BAZY/REb.BQZ", "b\r\n");
    play("question -> \"&Nie\"\nquestion -> \"&Nie\"\n"
         "question \"Zapis pliku\" -> \"&Anuluj\"\n"
         "question \"Zapis pliku\" -> \"&TAK\"\nnote \"Uwaga!\"\n",
         [&] {
             const WindowId a = open_editor("BAZY/REa.BQZ");
             open_editor("BAZY/REb.BQZ");
             ctx().ui.send_event(a, Event{EventKind::Control, a, 0, platform::Notification::TextChanged, {}});
             ctx().ui.set_editor_text(a, "zmienione\n");
             EXPECT_FALSE(windows::ask_about_modified_editors(ctx()));
             EXPECT_TRUE(windows::ask_about_modified_editors(ctx()));
             EXPECT_FALSE(windows::tekst_zmieniony(ctx(), a));
         });
    EXPECT_TRUE(contains(transcript(), "Czy zapisać aktualną postać pliku REa.BQZ ?"));
    EXPECT_FALSE(contains(transcript(), "pliku REb.BQZ ?"));
    EXPECT_EQ(read_file("BAZY/REa.BQZ"), "zmienione\r\n");
    EXPECT_EQ(read_file("BAZY/REb.BQZ"), "b\r\n");
}

TEST_F(FileCommandsTest, ClosingAnEditorForgetsTheRuleBaseOnlyWhenItEditedThatBasesFile)
{
    write_file("BAZY/REa.BQZ", "a\r\n");
    write_file("BAZY/REb.BQZ", "b\r\n");
    play("question -> \"&Nie\"\nquestion -> \"&Nie\"\n", [&] {
        load_rules_from("BAZY/REa.BQZ");
        ctx().ui.destroy_window(open_editor("BAZY/REb.BQZ"));
        EXPECT_TRUE(rules_loaded());
        ctx().ui.destroy_window(open_editor("BAZY/REa.BQZ"));
        EXPECT_FALSE(rules_loaded());
        EXPECT_TRUE(ctx().db.edycja.dla_zapisu.empty());
    });
}

// ---- Base-file commands ------------------------------------------------------------------------------

TEST_F(FileCommandsTest, DeletingABaseFileForgetsTheLoadedBaseOnlyWhenItWasThatFile)
{
    write_file("BAZY/REa.BQZ", "a\r\n");
    write_file("BAZY/REb.BQZ", "b\r\n");
    play("open -> BAZY/REb.BQZ\nquestion -> Tak\nnote \"Uwaga!\"\n"
         "open -> BAZY/REa.BQZ\nquestion -> Nie\n"
         "open -> BAZY/REa.BQZ\nquestion -> Tak\nnote \"Uwaga!\"\n",
         [&] {
             load_rules_from("BAZY/REa.BQZ");
             EXPECT_TRUE(base_file_command(ctx(), 10072));
             EXPECT_TRUE(rules_loaded());
             EXPECT_FALSE(base_file_command(ctx(), 10072));
             EXPECT_TRUE(rules_loaded());
             EXPECT_TRUE(base_file_command(ctx(), 10072));
             EXPECT_FALSE(rules_loaded());
         });
    EXPECT_FALSE(std::filesystem::exists(dir_ / "BAZY/REa.BQZ"));
    EXPECT_FALSE(std::filesystem::exists(dir_ / "BAZY/REb.BQZ"));
}

TEST_F(FileCommandsTest, ACancelledCreateChangesNothingLoadedAndAnExistingFileIsEmptiedOnlyAfterTheDialogAsked)
{
    write_file("BAZY/OGa.BQZ", "ograniczenie(1,[\"a\",\"b\"])\r\n");
    play("save -> cancel\n"
         "save -> BAZY/OGa.BQZ\nreplace -> Nie\nsave -> cancel\n"
         "save -> BAZY/OGa.BQZ\nreplace -> Tak\nnote\nquestion -> \"&NIE\"\n",
         [&] {
             ctx().db.baza_ograniczen.ograniczenie.add_last(kb::Ograniczenie{1, {"a", "b"}});
             EXPECT_FALSE(base_file_command(ctx(), 10098));
             EXPECT_FALSE(base_file_command(ctx(), 10098));
             EXPECT_EQ(ctx().db.baza_ograniczen.ograniczenie.size(), 1u);
             EXPECT_EQ(read_file("BAZY/OGa.BQZ"), "ograniczenie(1,[\"a\",\"b\"])\r\n");
             EXPECT_FALSE(base_file_command(ctx(), 10098));
             EXPECT_TRUE(ctx().db.baza_ograniczen.ograniczenie.empty());
         });
    EXPECT_EQ(read_file("BAZY/OGa.BQZ"), "");
    EXPECT_TRUE(contains(transcript(), "\"Nowa baza ograniczeń dokładnychOGa.BQZ została utworzona.\""));
}

TEST_F(FileCommandsTest, CreatingAGraphicsBaseToEditNamesTheNewFile)
{
    play("save -> BAZY/GRnowa.BQZ\nnote\nquestion -> \"&TAK\"\nnote \"Uwaga!\"\nquestion -> \"&Nie\"\n", [&] {
        ctx().db.stan.nazwa_gr.set("stara");
        EXPECT_TRUE(base_file_command(ctx(), 10127));
        EXPECT_EQ(ctx().db.stan.nazwa_gr.all(), std::vector<std::string>{path("BAZY/GRnowa.BQZ")});
        EXPECT_EQ(ctx().db.edycja.dla_zapisu.size(), 1u);
    });
}

// ---- Side and media files ----------------------------------------------------------------------------

TEST_F(FileCommandsTest, ViewingAReportFileLeavesTheCurrentReportText)
{
    write_file("r.rpt", "tekst_raportu(\"stary raport\")\r\n");
    write_file("pusty.rpt", "");
    play("open -> r.rpt\nquestion -> \"&Nie\"\nopen -> pusty.rpt\n", [&] {
        ctx().db.baza_raportu.tekst_raportu.set("bieżący");
        EXPECT_TRUE(side_file_command(ctx(), 10151));
        EXPECT_FALSE(side_file_command(ctx(), 10151));
        EXPECT_EQ(ctx().db.baza_raportu.tekst_raportu.all(), std::vector<std::string>{"bieżący"});
    });
    EXPECT_TRUE(contains(transcript(), "  | stary raport\n"));
}

TEST_F(FileCommandsTest, ViewingAnyMediaFileKeepsTheMark)
{
    write_file("rada.hlp", "Rada.\r\n");
    write_file("dzwiek.wav", "");
    play("open -> rada.hlp\nquestion -> \"&Nie\"\nopen -> cancel\nopen -> dzwiek.wav\n", [&] {
        ctx().db.stan.wyroznik.set("sad");
        EXPECT_TRUE(media_command(ctx(), 10119));
        EXPECT_FALSE(media_command(ctx(), 10130));
        EXPECT_TRUE(media_command(ctx(), 10140));
        EXPECT_EQ(ctx().db.stan.wyroznik.all(), std::vector<std::string>{"sad"});
    });
}

TEST_F(FileCommandsTest, MediaFoldersAreMadeAndRemovedInsideTheDialog)
{
    play("mkdir RADY/sad\nopen -> cancel\nrmdir RADY/sad\nopen -> cancel\n", [&] {
        EXPECT_TRUE(media_command(ctx(), 10120));
        EXPECT_TRUE(std::filesystem::is_directory(dir_ / "RADY/sad"));
        EXPECT_TRUE(media_command(ctx(), 10131));
        EXPECT_FALSE(std::filesystem::exists(dir_ / "RADY/sad"));
    });
}

}  // namespace
}  // namespace app
