// The browse windows below the scenarios: the proportional layout of their tables, what they
// show when a base holds what the loader refuses (numbers written twice, an empty condition
// list) or changes while they are open, the askables window's missing inputs, and the size and
// menu events of the frame.
#include "windows/okna_przegladu.h"

#include <gtest/gtest.h>

#include "../kb/kb_harness.h"
#include "platform/factfile.h"
#include "platform/toolkit.h"
#include "windows/przeglad.h"

namespace windows {
namespace {

using platform::Rect;

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// ---- Layout ------------------------------------------------------------------------------------

// Left W*x, top H*y, width W*w rounded halves up; fixed heights, item lists H*v; frames grown
// around what they enclose.
TEST(BrowseLayout, PlacesEveryControlInProportionToTheClientArea)
{
    struct Case {
        const char* what;
        const BrowseForm& form;
        Rect client;
        platform::ControlId id;
        Rect expected;
    };
    const Case cases[] = {
        {"label", rule_browse_form(), {0, 0, 1024, 700}, 10248, {64, 22, 191, 46}},
        {"item list, half the height", rule_browse_form(), {0, 0, 1024, 700}, 10253, {92, 177, 911, 527}},
        {"its captioned frame", rule_browse_form(), {0, 0, 1024, 700}, 10254, {82, 157, 921, 537}},
        {"close button", rule_browse_form(), {0, 0, 1024, 700}, 1, {317, 569, 495, 593}},
        {"the list follows the height", rule_browse_form(), {0, 0, 800, 500}, 10253, {72, 127, 712, 377}},
        {"halves go up (48 x 0.03125 = 1.5)", rule_browse_form(), {0, 0, 1000, 48}, 10248, {62, 2, 186, 26}},
        {"askables frame, wider margins", askables_browse_form(), {0, 0, 1000, 1000}, 10179, {75, 101, 918, 710}},
        {"model form frame", model_browse_form(DocumentWindow::PrzegladModeliElementarnych), {0, 0, 1000, 1000},
         10218, {28, 11, 961, 743}},
        {"formula right under its heading", model_browse_form(DocumentWindow::PrzegladModeliLiniowych),
         {0, 0, 1000, 1000}, 10239, {69, 54, 369, 74}},
        {"constraint count field", constraint_browse_form(false), {0, 0, 1000, 1000}, 10173, {812, 38, 881, 62}},
    };
    for (const Case& c : cases) EXPECT_EQ(browse_layout(c.form, c.client).at(c.id), c.expected) << c.what;
}

// Every control of every table is placed, frames included, and the counts are those of the windows.
TEST(BrowseLayout, EveryFormPlacesAllItsControls)
{
    struct Case {
        const BrowseForm& form;
        std::size_t controls;
    };
    const Case cases[] = {
        {rule_browse_form(), 10},
        {model_browse_form(DocumentWindow::PrzegladModeliElementarnych), 28},
        {model_browse_form(DocumentWindow::PrzegladModeliRozwinietych), 24},
        {model_browse_form(DocumentWindow::PrzegladModeliLiniowych), 25},
        {model_browse_form(DocumentWindow::PrzegladModeliWielomianowych), 27},
        {constraint_browse_form(false), 8},
        {constraint_browse_form(true), 8},
        {askables_browse_form(), 4},
    };
    for (const Case& c : cases) {
        const auto places = browse_layout(c.form, {0, 0, 1024, 700});
        EXPECT_EQ(places.size(), c.controls) << document_window_form(c.form.window).title;
        for (const auto& [id, rect] : places) EXPECT_FALSE(rect.empty()) << id;
    }
}

// ---- The windows over facts ----------------------------------------------------------------------

class BrowseWindowTest : public kb::testing::KbHarness {
protected:
    // A fresh program whose user does what the script says and then closes the main window.
    void begin(const std::string& script) { start(script + "close\n"); }

    // The main window (which records the menu commands it gets) opens the window with `open` at
    // its creation; then the script of begin() runs.
    void run(const std::function<platform::WindowId()>& open)
    {
        platform::TaskWindowDesc desc;
        desc.class_name = "velk_ep_win";
        desc.title = "velk";
        desc.menu = app::main_menu();
        desc.handler = [&](const platform::Event& e) {
            if (e.kind == platform::EventKind::Menu) {
                menu_commands_.push_back(e.id);
                if (ui().window_exists(window_))
                    seen_.push_back({ui().client_rect(window_), ui().control_rect(window_, 10253)});
            }
            if (e.kind != platform::EventKind::Create) return false;
            ui().enable_menu_item(ui().main_window(), 10167, true);
            window_ = open();
            return true;
        };
        ui().run_task_window(desc);
        ui().check_script_finished();
    }

    platform::WindowId window_ = platform::kNoWindow;
    std::vector<int> menu_commands_;
    // At each menu command: the window's client area and the place of its control 10253.
    std::vector<std::pair<Rect, Rect>> seen_;
};

// Two rules with one number give two items and a count of both; either item shows the first of
// them. A number whose rule went since the window opened changes nothing.
TEST_F(BrowseWindowTest, RuleNumbersWrittenTwiceShowTheFirstRule)
{
    const std::string rules = "reguła(7,\"pierwszy\",[\"a\"],1,\"0.5\")\n"
                              "reguła(2,\"drugi\",[\"b\"],1,\"0.5\")\n"
                              "reguła(7,\"trzeci\",[\"c\",\"d\"],1,\"0.5\")\n";
    begin("select 10177 2\n");
    load(ctx().db.baza_regul, rules);
    run([&] { return win_przeglad_regul_Create(ctx(), ui().main_window()); });
    EXPECT_TRUE(contains(transcript(), "  10177 combo [\"7\", \"2\", \"7\"]\n"));
    EXPECT_TRUE(contains(transcript(), "  10250 edit \"3\"\n"));
    EXPECT_TRUE(contains(transcript(), "> select 10177 2\n  10177 combo [\"7\", \"2\", \"7\"] selected 2\n"
                                       "  10252 edit \"pierwszy\"\n  10253 list [\"a\"]\n"));

}

TEST_F(BrowseWindowTest, ARuleChosenAfterItWasRemovedChangesNothing)
{
    start("select 10177 \"1\"\nselect 10177 \"2\"\nclose\n");
    load(ctx().db.baza_regul, "reguła(1,\"jeden\",[\"a\"],1,\"0.5\")\nreguła(2,\"dwa\",[\"b\"],1,\"0.5\")\n");
    platform::TaskWindowDesc desc;
    desc.class_name = "velk_ep_win";
    desc.title = "velk";
    desc.menu = app::main_menu();
    desc.handler = [&](const platform::Event& e) {
        if (e.kind != platform::EventKind::Create) return false;
        win_przeglad_regul_Create(ctx(), ui().main_window());
        ctx().db.baza_regul.regula.remove_first([](const kb::Regula& r) { return r.numer == 2; });
        return true;
    };
    ui().run_task_window(desc);
    EXPECT_TRUE(contains(transcript(), "> select 10177 \"2\"\n  10177 combo [\"1\", \"2\"] selected 1\n> close\n"));
}

// Constraints in file order with their count; an empty condition list shows an empty list; the
// uncertain twin reads the uncertain constraints only.
TEST_F(BrowseWindowTest, ConstraintsInFileOrderAndTheTwinOverTheUncertainOnes)
{
    const auto bases = [&] {
        load(ctx().db.baza_ograniczen, "ograniczenie(3,[\"a\",\"b\"])\nograniczenie(1,[])\nograniczenie(3,[\"x\",\"y\"])\n");
        load(ctx().db.baza_ograniczen_p, "ograniczenie_n(5,[\"p\",\"q\"])\n");
    };
    begin("select 10177 0\nselect 10177 1\nselect 10177 2\n");
    bases();
    run([&] { return win_przeglad_ograniczen_Create(ctx(), ui().main_window()); });
    EXPECT_TRUE(contains(transcript(), "  10173 edit \"3\"\n"));
    // (the list 10174 is made before the number list, so its lines come first)
    EXPECT_TRUE(contains(transcript(), "> select 10177 0\n  10174 list [\"a\", \"b\"]\n"));
    EXPECT_TRUE(contains(transcript(), "> select 10177 1\n  10174 list []\n"));
    EXPECT_TRUE(contains(transcript(), "> select 10177 2\n  10174 list [\"a\", \"b\"]\n"));

    begin("select 10177 \"5\"\n");
    bases();
    run([&] { return win_przeglad_ograniczen_niepewnych_Create(ctx(), ui().main_window()); });
    EXPECT_TRUE(contains(transcript(), "window \"Przegląd ograniczeń niepewnych\" opened"));
    EXPECT_TRUE(contains(transcript(), "  10177 combo [\"5\"] selected 0\n"));
    EXPECT_TRUE(contains(transcript(), "  10174 list [\"p\", \"q\"]\n"));
}

// The askables window shows what the data channel holds: sorted, repeats kept; an empty list
// under its caption; no caption at all, no controls.
TEST_F(BrowseWindowTest, AskablesWindowShowsTheDataChannelSorted)
{
    struct Case {
        const char* what;
        std::optional<std::string> caption;
        std::optional<kb::SList> names;
        const char* shown;
    };
    const Case cases[] = {
        {"sorted", "Nagłówek", kb::SList{"wiek", "gorączka", "alergia", "wiek"},
         "  10178 list [\"alergia\", \"gorączka\", \"wiek\", \"wiek\"]\n  10179 group \"Nagłówek\"\n"},
        {"empty list", "Pusto", kb::SList{}, "  10178 list []\n  10179 group \"Pusto\"\n"},
        {"no list", "Bez listy", std::nullopt, "  10178 list []\n  10179 group \"Bez listy\"\n"},
        {"no caption", std::nullopt, kb::SList{"a"},
         "window \"Przeg_war_arg_dopyt\" opened at 100,80,631,363, maximised\n> close\n"},
    };
    for (const Case& c : cases) {
        begin("");
        if (c.caption) ctx().db.dane.dane_str.set(*c.caption);
        if (c.names) ctx().db.dane.dane_lista_str.set(*c.names);
        run([&] { return win_przeg_war_arg_dopyt_Create(ctx(), ui().main_window()); });
        EXPECT_TRUE(contains(transcript(), c.shown)) << c.what << "\n" << transcript();
    }
}

// Whatever changes its size (restored, minimised, the main window resized) the window ends
// maximised and laid out for the main window's client area; no size event recurses.
TEST_F(BrowseWindowTest, StaysMaximisedAndFollowsTheMainWindow)
{
    begin("menu 10167\nrestore \"Przegląd reguł\"\nmenu 10167\nminimise \"Przegląd reguł\"\nmenu 10167\n"
          "resize 800 500\nmenu 10167\n");
    load(ctx().db.baza_regul, "reguła(1,\"jeden\",[\"a\"],1,\"0.5\")\n");
    run([&] { return win_przeglad_regul_Create(ctx(), ui().main_window()); });
    const std::pair<Rect, Rect> full{{0, 0, 1024, 700}, {92, 177, 911, 527}};
    const std::pair<Rect, Rect> smaller{{0, 0, 800, 500}, {72, 127, 712, 377}};
    EXPECT_EQ(seen_, (std::vector<std::pair<Rect, Rect>>{full, full, full, smaller}));
}

// A menu command that reaches a browse window goes on to the main window.
TEST_F(BrowseWindowTest, MenuCommandsGoOnToTheMainWindow)
{
    begin("");
    load(ctx().db.baza_regul, "reguła(1,\"jeden\",[\"a\"],1,\"0.5\")\n");
    run([&] {
        const platform::WindowId w = win_przeglad_regul_Create(ctx(), ui().main_window());
        ui().send_event(w, platform::Event{platform::EventKind::Menu, w, 10167, platform::Notification::None, {}});
        return w;
    });
    EXPECT_EQ(menu_commands_, (std::vector<int>{10167}));
}

// A viewer with nothing to show opens empty; each viewer keeps the text it was given.
TEST_F(BrowseWindowTest, ViewersKeepTheirOwnTexts)
{
    begin("question -> \"&Nie\"\nquestion -> \"&Tak\"\nquestion -> \"&Nie\"\n");
    run([&] {
        win_przeglad_Create(ctx(), ui().main_window());
        show_text(ctx(), "pierwszy");
        return show_text(ctx(), "drugi\nwiersz");
    });
    EXPECT_TRUE(contains(transcript(), "text window \"Przegląd\" opened at 100,80,699,420, read-only, no wrap\n"
                                       "question"));
    EXPECT_TRUE(contains(transcript(), "word wrap\n  text:\n  | pierwszy\n"));
    EXPECT_TRUE(contains(transcript(), "no wrap\n  text:\n  | drugi\n  | wiersz\n"));
}

}  // namespace
}  // namespace windows
