// The reading dialogs, the picture dialog and window, and the context help, below the scenarios:
// what inference will call (show_description, show_advice, show_picture), the description's
// heading, pictures read once and drawn again at every paint, and where the help file is found.
#include <gtest/gtest.h>

#include <filesystem>

#include "../kb/kb_harness.h"
#include "platform/toolkit.h"
#include "windows/czytanie.h"
#include "windows/grafika.h"
#include "windows/pomoc_kontekstowa.h"

namespace windows {
namespace {

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A bitmap's headers: what the headless toolkit reads of a picture.
std::string bitmap(int width, int height)
{
    std::string bmp(54, '\0');
    bmp[0] = 'B', bmp[1] = 'M', bmp[14] = 40;
    bmp[18] = static_cast<char>(width), bmp[22] = static_cast<char>(height);
    return bmp;
}

TEST(ReaderDialogs, DescriptionHeadingIsTheFileNameInCapitals)
{
    const std::pair<const char*, const char*> cases[] = {
        {"../OPISY/ABC.OPI", "Czytanie opisu bazy: ABC"},
        {"../OPISY/abc.opi", "Czytanie opisu bazy: ABC"},
        {"/dom/OPISY/źródło.OPI", "Czytanie opisu bazy: ŹRÓDŁO"},
    };
    for (const auto& [path, heading] : cases) EXPECT_EQ(description_heading(path), heading) << path;
}

// Both reading dialogs: heading, text and button follow the client area.
TEST(ReaderDialogs, LayoutFollowsTheClientArea)
{
    const ReaderLayout at = reader_layout({0, 0, 600, 300});
    EXPECT_EQ(at.heading, (platform::Rect{25, 11, 575, 35}));
    EXPECT_EQ(at.text, (platform::Rect{25, 39, 575, 249}));
    EXPECT_EQ(at.button, (platform::Rect{259, 266, 342, 290}));
}

// A knowledge base in <dir>/BAZY with the mark "las": its media beside it.
class MediaViewsTest : public kb::testing::KbHarness {
protected:
    void SetUp() override
    {
        KbHarness::SetUp();
        for (const char* folder : {"BAZY", "OPISY", "RADY/las", "GRAFIKA/las"})
            std::filesystem::create_directories(dir_ / folder);
    }

    void in_bases(const std::string& script, const std::function<void()>& body)
    {
        start(script);
        ctx().files.set_current_dir(path("BAZY"));
        ctx().db.stan.wyroznik.set("las");
        try {
            in_main_window(body);
            ui().check_script_finished();
        } catch (const platform::headless::ScriptFailure& failure) {
            ADD_FAILURE() << failure.message() << "\n" << transcript();
        }
    }
};

TEST_F(MediaViewsTest, DescriptionDialogShowsTheDescriptionFile)
{
    write_file("OPISY/las.OPI", "Baza o lesie.\r\nDrugi wiersz.\r\n");
    in_bases("dialog 10030 \"Czytanie opisu\"\n  press 1\ndialog 10030\n  press 1\n", [&] {
        ctx().db.stan.opis.set("../OPISY/las.OPI");
        show_description(ctx());
        ctx().db.stan.opis.remove_all();
        show_description(ctx());
    });
    EXPECT_TRUE(contains(transcript(), "    10021 edit \"Czytanie opisu bazy: LAS\"\n"
                                       "    10022 edit \"Baza o lesie.\\nDrugi wiersz.\\n\"\n"));
    // Without `opis` the fields stay empty.
    EXPECT_TRUE(contains(transcript(), "dialog 10030 \"Czytanie opisu\" opened\n  > press 1\ndialog 10030 closed -> 1\n"
                                       "window \"velk\" closed"));
}

// The advice of a name from the folder of the mark, whatever the case of the file's name; the
// slot is empty once the viewer has closed. A name without a file shows nothing.
TEST_F(MediaViewsTest, AdviceViewerShowsTheAdviceAndEmptiesTheSlot)
{
    write_file("RADY/las/R1.HLP", "Idź do lasu.\r\n");
    bool shown = false;
    bool missing = true;
    in_bases("dialog 10020 \"Czytanie rady\"\n  maximise\n  press 1\n", [&] {
        ctx().db.dane.dane_rada.set("stara");
        shown = show_advice(ctx(), "r1.hlp");
        EXPECT_TRUE(ctx().db.dane.dane_rada.empty());
        missing = show_advice(ctx(), "brak.hlp");
    });
    EXPECT_TRUE(shown);
    EXPECT_FALSE(missing);
    EXPECT_TRUE(contains(transcript(), "    10021 edit \"Rada eksperta:\"\n    10022 edit \"Idź do lasu.\\n\"\n"));
}

// Inference's picture: "sowa" finds sowa.bmp, drawn stretched at every paint and move of the
// dialog; a name without a file shows nothing; a file that is no bitmap gives one note and
// never an error at a paint.
TEST_F(MediaViewsTest, PictureDialogDrawsTheFirstExistingFileAtEveryPaint)
{
    write_file("GRAFIKA/las/sowa.bmp", bitmap(100, 50));
    write_file("GRAFIKA/las/zly.bmp", "to nie obraz");
    bool missing = true;
    in_bases("dialog 10019 \"Przegląd grafiki\"\n  maximise\n  paint\n  press 1\n"
             "dialog 10019\n  note \"Uwaga!\"\n  paint\n  press 1\n",
             [&] {
                 EXPECT_TRUE(show_picture(ctx(), "sowa"));
                 missing = show_picture(ctx(), "brak");
                 EXPECT_TRUE(show_picture(ctx(), "zly"));
             });
    EXPECT_FALSE(missing);
    const std::string drawn = "picture \"GRAFIKA/las/sowa.bmp\" 100x50 drawn in dialog 10019 \"Przegląd grafiki\" at ";
    EXPECT_TRUE(contains(transcript(), drawn + "0,0,600,325\n"));   // at its opening
    EXPECT_TRUE(contains(transcript(), drawn + "0,0,1024,700\n"));  // maximised, and painted again
    EXPECT_EQ(lines_after("  " + drawn).size(), 4u) << transcript();  // move and paint, twice
    EXPECT_TRUE(contains(transcript(), "note \"Uwaga!\": \"Nie można wczytać obrazu zly.bmp.\"\n"));
    EXPECT_FALSE(contains(transcript(), "error"));
}

// The picture window asks once, after its first drawing, and draws its picture again at every
// paint; the data channel's path goes once it is drawn.
TEST_F(MediaViewsTest, PictureWindowAsksOnceAndDrawsAtEveryPaint)
{
    write_file("GRAFIKA/las/sowa.bmp", bitmap(4, 3));
    in_bases("message \"Wybierz:\" -> Nie\n", [&] {
        ctx().db.dane.dane_graf.set(ctx().files.resolve("../GRAFIKA/las/sowa.bmp"));
        const platform::WindowId w = win_przeglad_grafiki_Create(ctx(), ui().main_window());
        EXPECT_TRUE(ctx().db.dane.dane_graf.empty());
        ui().send_event(w, platform::Event{platform::EventKind::Paint, w, 0, platform::Notification::None, {}});
    });
    EXPECT_EQ(lines_after("picture \"GRAFIKA/las/sowa.bmp\" 4x3 drawn in \"Przegląd grafiki\" at 0,0,1024,700").size(), 2u)
        << transcript();
    EXPECT_EQ(lines_after("message").size(), 1u);
}

// The help file of the bases' folder first, then the one beside the program; neither, or no
// such topic: the help viewer says so.
TEST_F(MediaViewsTest, ContextHelpIsFoundWithTheBasesOrBesideTheProgram)
{
    const std::string help = "[1] Okna przeglądu\nTekst.\n";
    write_file("BAZY/main_qz.hlp", "[1] Z katalogu baz\n");
    in_bases("", [&] { project_ShowHelpContext(ctx(), 1); });
    EXPECT_TRUE(contains(transcript(), "help \"BAZY/main_qz.hlp\" topic 1: \"Z katalogu baz\"\n"));

    std::filesystem::remove(dir_ / "BAZY" / "main_qz.hlp");
    in_bases("error \"Pomoc\"\n", [&] { project_ShowHelpContext(ctx(), 1); });
    EXPECT_TRUE(contains(transcript(), "error \"Pomoc\": \"Nie można otworzyć pliku pomocy <dir>/BAZY/Main_qz.HLP\"\n"));

    // Beside the program; a topic it does not have.
    std::filesystem::create_directories(dir_ / "prog");
    write_file("prog/Main_qz.HLP", help);
    platform::headless::HeadlessOptions options;
    options.working_dir = dir_.string();
    options.program_path = path("prog/velk_qz");
    platform::headless::HeadlessToolkit ui(platform::headless::Script::parse("error \"Pomoc\"\n"), options);
    kb::Context here(ui, path("BAZY"));
    platform::TaskWindowDesc desc;
    desc.handler = [&](const platform::Event& e) {
        if (e.kind != platform::EventKind::Create) return false;
        project_ShowHelpContext(here, 1);
        project_ShowHelpContext(here, 7);
        ui.end_program();
    };
    ui.run_task_window(desc);
    EXPECT_TRUE(contains(ui.transcript(), "help \"prog/Main_qz.HLP\" topic 1: \"Okna przeglądu\"\n"));
    EXPECT_TRUE(contains(ui.transcript(), "error \"Pomoc\": \"W pliku pomocy <dir>/prog/Main_qz.HLP nie ma tematu o numerze 7.\"\n"));
}

}  // namespace
}  // namespace windows
