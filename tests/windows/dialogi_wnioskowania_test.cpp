// The inference dialogs: the step dialog 10026 showing and clearing the channel, the choice
// dialogs 10028 and 10029 and their answers, the radio dialogs 10031 and 10032, the value
// dialogs 10003 and 10023, "Zakończ" answered No and Yes, and the layout on maximising.
#include <gtest/gtest.h>

#include <map>

#include "../inference/inference_run.h"
#include "platform/toolkit.h"
#include "windows/dialog_kroku.h"
#include "windows/dialogi.h"
#include "windows/dialogi_wartosci.h"
#include "windows/dialogi_wyboru.h"

namespace {

using inference::test::InferenceRun;
using facts::IList;
using facts::SList;

class DialogiWnioskowania : public InferenceRun {
protected:
    // Everything the dialog data channel holds after the body, fact name by fact name.
    std::map<std::string, std::size_t> pozostale_w_kanale()
    {
        std::map<std::string, std::size_t> out;
        ctx().db.dane.visit([&](std::string_view name, const auto& list) {
            if (!list.empty()) out[std::string(name)] = list.size();
        });
        return out;
    }
};

void krok(kb::Context& ctx, const SList& linie, const SList& naglowki)
{
    for (const std::string& l : linie) ctx.db.dane.dane_str.add_last(l);
    for (const std::string& n : naglowki) ctx.db.dane.tytul.add_last(n);
    windows::pokaz_krok(ctx);
}

TEST_F(DialogiWnioskowania, StepShowsTheFirstHeadingAndEveryLineInOrderThenEmptiesTheChannel)
{
    bool po_dialogu = false;
    const std::string t = uruchom("dialog 10026 \"Wnioskowanie\"\n press 1\n", [&](kb::Context& ctx) {
        ctx.db.dane.dane_lista_str.add_last({"x"});
        ctx.db.dane.dane_lista_int.add_last({1});
        krok(ctx, {"a", "b", "c"}, {"Pierwszy", "Drugi"});
        po_dialogu = true;
    });
    EXPECT_EQ(t, "dialog 10026 \"Wnioskowanie\" opened\n"
                 "    10022 edit \"Pierwszy\"\n"
                 "    10027 list [\"a\", \"b\", \"c\"]\n"
                 "  > press 1\n"
                 "dialog 10026 closed -> 1\n");
    EXPECT_TRUE(po_dialogu);
    EXPECT_TRUE(pozostale_w_kanale().empty());
}

TEST_F(DialogiWnioskowania, StepWithoutHeadingOpensEmptyAndLeavesTheLines)
{
    const std::string t = uruchom("dialog 10026\n press 1\n", [](kb::Context& ctx) { krok(ctx, {"a"}, {}); });
    EXPECT_EQ(t, "dialog 10026 \"Wnioskowanie\" opened\n  > press 1\ndialog 10026 closed -> 1\n");
    EXPECT_EQ(pozostale_w_kanale(), (std::map<std::string, std::size_t>{{"dane_str", 1}}));
}

TEST_F(DialogiWnioskowania, ZakonczAnsweredNoGoesOnAndYesEndsTheProgram)
{
    bool po_dialogu = false;
    std::string t = uruchom("dialog 10026\n press 2\n message \"Uwaga!\" -> Nie\n",
                            [&](kb::Context& ctx) {
                                krok(ctx, {"a"}, {"N"});
                                po_dialogu = true;
                            });
    EXPECT_TRUE(po_dialogu);
    EXPECT_TRUE(zawiera(t, "\"Czy na pewno chcesz zakończyć program ?\" [Tak|Nie] -> Nie\ndialog 10026 closed -> 2\n"));

    po_dialogu = false;
    platform::headless::HeadlessOptions options;
    options.working_dir = root_.string();
    ui_ = std::make_unique<platform::headless::HeadlessToolkit>(
        platform::headless::Script::parse("menu 100\ndialog 10026\n press 2\n message \"Uwaga!\" -> Tak\n"), options);
    ctx_ = std::make_unique<kb::Context>(*ui_, root_.string());
    platform::TaskWindowDesc desc;
    desc.menu.resource_id = 99;
    desc.menu.items = {{100, {"&Test"}, "&Uruchom", true}};
    desc.handler = [&](const platform::Event& e) {
        if (e.kind != platform::EventKind::Menu) return false;
        krok(*ctx_, {"a"}, {"N"});
        po_dialogu = true;
        return true;
    };
    ui_->run_task_window(desc);
    EXPECT_FALSE(po_dialogu);
    EXPECT_TRUE(zawiera(ui_->transcript(), "dialog 10026 closed: the program ends\n"));
}

TEST_F(DialogiWnioskowania, MaximisingLaysTheControlsOutInProportion)
{
    std::map<int, platform::Rect> rects;
    uruchom("dialog 10026\n maximise\n press 1\n", [&](kb::Context& ctx) {
        ctx.db.dane.tytul.add_last("N");
        windows::dlg_start_wnioskowania_Create(ctx, ctx.ui.main_window(), [&](kb::Context& c, const platform::Event& e) {
            const bool handled = windows::dlg_start_wnioskowania_eh(c, e);
            if (e.kind == platform::EventKind::Move)
                for (int id : {10022, 10027, 1, 2}) rects[id] = c.ui.control_rect(e.window, id);
            return handled;
        });
    });
    // The main window's client area is 1024 x 700 pixels.
    EXPECT_EQ(rects[10022], (platform::Rect{42, 26, 981, 50}));
    EXPECT_EQ(rects[10027], (platform::Rect{42, 92, 981, 582}));
    EXPECT_EQ(rects[1], (platform::Rect{441, 621, 582, 645}));
    EXPECT_EQ(rects[2], (platform::Rect{42, 621, 112, 645}));
}

TEST_F(DialogiWnioskowania, OneFactChoiceAnswersThePositionFromOne)
{
    struct Case {
        std::string kroki;
        SList pozycje;
        std::optional<std::int32_t> odpowiedz;
    };
    const std::vector<Case> cases = {
        {" press 1\n", {"a", "b", "c"}, 1},
        {" select 10027 \"c\"\n press 1\n", {"a", "b", "c"}, 3},
        {" press 1\n", {}, std::nullopt},  // nothing to choose: no answer
        {" press 2\n message \"Uwaga!\" -> Nie\n", {"a"}, std::nullopt},
    };
    for (const Case& c : cases) {
        uruchom("dialog 10029 \"Hipoteza w sensie wąskim\"\n" + c.kroki, [&](kb::Context& ctx) {
            ctx.db.dane.dane_int.add_last(7);  // an earlier answer
            ctx.db.dane.dane_str.add_last("Wybierz hipotezę w sensie wąskim!");
            ctx.db.dane.dane_lista_str.add_last(c.pozycje);
            ctx.db.dane.tytul.add_last("Hipoteza w sensie wąskim");
            EXPECT_TRUE(windows::wybierz_fakt(ctx));
        });
        EXPECT_EQ(ctx().db.dane.dane_int.first(), c.odpowiedz) << c.kroki;
        EXPECT_TRUE(ctx().db.dane.dane_str.empty());
        EXPECT_TRUE(ctx().db.dane.tytul.empty());
    }
}

TEST_F(DialogiWnioskowania, FactListChoiceAnswersThePositionsFromZero)
{
    const std::vector<std::pair<std::string, std::optional<IList>>> cases = {
        {" select 10027 0 2\n press 1\n", IList{0, 2}},
        {" press 1\n", IList{}},
        {" close\n", std::nullopt},
    };
    for (const auto& [kroki, odpowiedz] : cases) {
        const std::string t = uruchom("dialog 10028\n" + kroki, [&](kb::Context& ctx) {
            ctx.db.dane.dane_str.add_last("Wybierz fakty!");
            ctx.db.dane.dane_lista_str.add_last({"a", "b", "c"});
            ctx.db.dane.tytul.add_last("Fakty");
            EXPECT_TRUE(windows::wybierz_liste_faktow(ctx));
        });
        EXPECT_EQ(ctx().db.dane.dane_lista_int.first(), odpowiedz) << kroki;
        EXPECT_TRUE(zawiera(t, "dialog 10028 \"Fakty\" opened\n    10022 edit \"Wybierz fakty!\"\n")) << t;
    }
}

TEST_F(DialogiWnioskowania, ListChoiceNeedsItsTitle)
{
    const std::string t = uruchom("", [](kb::Context& ctx) {
        ctx.db.dane.dane_str.add_last("Wybierz!");
        EXPECT_FALSE(windows::wybierz_fakt(ctx));
        EXPECT_FALSE(windows::wybierz_liste_faktow(ctx));
    });
    EXPECT_EQ(t, "");
}

TEST_F(DialogiWnioskowania, RadioDialogsAnswerTheButtonChosenLast)
{
    struct Case {
        int dialog;
        std::string kroki;
        std::int32_t odpowiedz;
    };
    const std::vector<Case> cases = {
        {10031, " press 1\n", 1},
        {10031, " check 10018\n press 1\n", 2},
        {10031, " check 10018\n check 10017\n press 1\n", 1},
        {10032, " press 1\n", 2},
        {10032, " check 10017\n press 1\n", 1},
    };
    for (const Case& c : cases) {
        uruchom("dialog " + std::to_string(c.dialog) + "\n" + c.kroki, [&](kb::Context& ctx) {
            if (c.dialog == 10031) windows::poziom_szczegolowosci(ctx);
            else windows::wnioskowanie_wybor(ctx);
        });
        EXPECT_EQ(ctx().db.dane.dane_int.all(), std::vector<std::int32_t>{c.odpowiedz}) << c.dialog << c.kroki;
    }
}

TEST_F(DialogiWnioskowania, CfDialogShowsThePostedNameAndHandsBackTheTextAsTyped)
{
    const std::string t = uruchom("dialog 10003 \"Określ wartość CF\"\n set 10005 \" 1 \"\n press 1\n",
                                  [](kb::Context& ctx) {
                                      ctx.db.dane.dane_cf_nazwa.add_last("gorączka");
                                      ctx.db.dane.dane_cf_wartosc.add_last("stara");
                                      windows::okresl_wartosc_cf(ctx);
                                  });
    EXPECT_TRUE(zawiera(t, "    10007 edit \"gorączka\"\n")) << t;
    EXPECT_EQ(ctx().db.dane.dane_cf_wartosc.all(), SList{" 1 "});

    uruchom("dialog 10003\n press 2\n message \"Uwaga!\" -> Nie\n", [](kb::Context& ctx) {
        ctx.db.dane.dane_cf_nazwa.add_last("gorączka");
        windows::okresl_wartosc_cf(ctx);
    });
    EXPECT_TRUE(ctx().db.dane.dane_cf_wartosc.empty());
}

TEST_F(DialogiWnioskowania, ArgumentDialogShowsTheNameAndTakesItAwayWithTheAnswer)
{
    const std::string t = uruchom("dialog 10023 \"Określ wartość argumentu\"\n set 10022 \"12.5\"\n enter\n",
                                  [](kb::Context& ctx) {
                                      ctx.db.dane.dane_arg_nazwa.add_last("powierzchnia");
                                      windows::okresl_wartosc_argumentu(ctx);
                                  });
    EXPECT_TRUE(zawiera(t, "    10024 edit \"powierzchnia\"\n")) << t;
    EXPECT_EQ(ctx().db.dane.dane_arg_wartosc.all(), SList{"12.5"});
    EXPECT_TRUE(ctx().db.dane.dane_arg_nazwa.empty());

    uruchom("dialog 10023\n set 10022 \"abc\"\n press 2\n message \"Uwaga!\" -> Nie\n", [](kb::Context& ctx) {
        ctx.db.dane.dane_arg_nazwa.add_last("powierzchnia");
        windows::okresl_wartosc_argumentu(ctx);
    });
    EXPECT_TRUE(ctx().db.dane.dane_arg_wartosc.empty());
    EXPECT_EQ(ctx().db.dane.dane_arg_nazwa.all(), SList{"powierzchnia"});
}

TEST(DialogAnswer, AnyAnswerButOkAndCancelIsAFault)
{
    EXPECT_NO_THROW(windows::sprawdz_odpowiedz_dialogu({1, {}}));
    EXPECT_NO_THROW(windows::sprawdz_odpowiedz_dialogu({2, {}}));
    EXPECT_THROW(windows::sprawdz_odpowiedz_dialogu({3, {}}), std::runtime_error);
}

}  // namespace
