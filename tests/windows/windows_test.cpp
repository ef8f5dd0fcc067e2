// The windows and dialogs that every layer opens: "Zakończ" from inside a dialog, which asks and
// unwinds to the event loop, each document window's creator, and the choice dialogs' titles.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "../kb/kb_harness.h"
#include "platform/toolkit.h"
#include "windows/dialogi.h"
#include "windows/okna.h"
#include "windows/zakonczenie.h"

namespace {

using platform::Event;
using platform::EventKind;

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A program in a fresh temporary folder whose main window runs `handler`, the user doing what
// `script` says.
class WindowsTest : public kb::testing::KbHarness {
protected:
    void run(const std::string& script, const std::function<bool(kb::Context&, const Event&)>& handler)
    {
        start(script);
        platform::TaskWindowDesc desc;
        desc.class_name = "velk_ep_win";
        desc.title = "velk";
        desc.handler = [&](const Event& e) { return handler(ctx(), e); };
        ui().run_task_window(desc);
        ui().check_script_finished();
    }
};

// ---- Ending the program from a dialog ------------------------------------------------------------------

TEST_F(WindowsTest, ZakonczAsksAndOnYesUnwindsEveryFrameToTheEventLoop)
{
    int questions_answered_no = 0;
    bool code_after_the_dialog_ran = false;
    run("dialog 10003\npress 2\nmessage \"Uwaga!\" -> Nie\npress 2\nmessage \"Uwaga!\" -> Tak\n",
        [&](kb::Context& ctx, const Event& e) {
            if (e.kind != EventKind::Create) return false;
            windows::dlg_okresl_wartosc_cf_Create(ctx, ctx.ui.main_window(), [&](kb::Context& c, const Event& d) {
                if (d.kind != EventKind::Control || d.id != 2) return false;
                if (!windows::zakoncz_program_na_zyczenie(c)) ++questions_answered_no;
                return true;
            });
            code_after_the_dialog_ran = true;
            return true;
        });
    EXPECT_EQ(questions_answered_no, 1);
    EXPECT_FALSE(code_after_the_dialog_ran);
    EXPECT_TRUE(contains(ui_->transcript(), "dialog 10003 closed: the program ends\n"));
    EXPECT_TRUE(contains(ui_->transcript(), "\"Czy na pewno chcesz zakończyć program ?\" [Tak|Nie] -> Nie\n"));
}

// ---- Creators ------------------------------------------------------------------------------------------

TEST_F(WindowsTest, EachWindowCreatorOpensItsOwnWindow)
{
    using Creator = std::function<platform::WindowId(kb::Context&)>;
    const windows::WindowHandler none;
    const std::vector<std::pair<Creator, std::string>> cases = {
        {[&](kb::Context& c) { return windows::win_przeglad_Create(c, 0, none, true); },
         "text window \"Przegląd\" opened at 100,80,699,420, read-only, word wrap"},
        {[&](kb::Context& c) { return windows::win_edycja_Create(c, 0, none, false, {}); },
         "text window \"velk_QZ\" opened at 100,80,699,420, editable, no wrap"},
        {[&](kb::Context& c) { return windows::win_przeglad_regul_Create(c, 0, none); },
         "window \"Przegląd reguł\" opened at 100,80,625,382, maximised"},
        {[&](kb::Context& c) { return windows::win_przeglad_modeli_elementarnych_Create(c, 0, none); },
         "window \"Przegląd modeli podstawowych\" opened at 100,80,689,396\n"},
        {[&](kb::Context& c) { return windows::win_przeglad_modeli_rozwinietych_Create(c, 0, none); },
         "window \"Przegląd modeli rozwiniętych\" opened at 100,80,684,400, maximised"},
        {[&](kb::Context& c) { return windows::win_przeglad_modeli_liniowych_Create(c, 0, none); },
         "window \"Przegląd modeli liniowych\" opened at 100,80,686,396, maximised"},
        {[&](kb::Context& c) { return windows::win_przeglad_modeli_wielomianowych_Create(c, 0, none); },
         "window \"Przegląd modeli wielomianowych\" opened at 100,80,683,404, maximised"},
        {[&](kb::Context& c) { return windows::win_przeg_war_arg_dopyt_Create(c, 0, none); },
         "window \"Przeg_war_arg_dopyt\" opened at 100,80,631,363, maximised"},
        {[&](kb::Context& c) { return windows::win_przeglad_ograniczen_Create(c, 0, none); },
         "window \"Przegląd ograniczeń\" opened at 100,80,609,378, maximised"},
        {[&](kb::Context& c) { return windows::win_przeglad_grafiki_Create(c, 0, none); },
         "window \"Przegląd grafiki\" opened at 100,80,440,240, maximised"},
    };
    run("close\n", [&](kb::Context& ctx, const Event& e) {
        if (e.kind != EventKind::Create) return false;
        for (const auto& [create, line] : cases) {
            const platform::WindowId window = create(ctx);
            EXPECT_TRUE(ctx.ui.window_exists(window)) << line;
            EXPECT_TRUE(contains(ui_->transcript(), line)) << line;
        }
        return true;
    });
}

TEST_F(WindowsTest, ChoiceDialogsNeedATitleAndShowIt)
{
    std::optional<platform::DialogResult> without_title;
    std::optional<platform::DialogResult> with_title;
    run("dialog 10029 \"Wybierz zwierzę\"\npress 1\nclose\n", [&](kb::Context& ctx, const Event& e) {
        if (e.kind != EventKind::Create) return false;
        without_title = windows::dlg_wybierz_fakt_Create(ctx, 0, {});
        ctx.db.dane.tytul.add_last("Wybierz zwierzę");
        ctx.db.dane.tytul.add_last("Drugi tytuł");
        with_title = windows::dlg_wybierz_fakt_Create(ctx, 0, {});
        return true;
    });
    EXPECT_FALSE(without_title.has_value());
    ASSERT_TRUE(with_title.has_value());
    EXPECT_EQ(with_title->button, 1);
}

}  // namespace
