// The numbered actions of the model base: the review with its title, the askables lists with
// their headings, what each action needs, the diagnosis reports and forgetting the base.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "../kb/model_base_fixture.h"
#include "app/base_actions.h"
#include "kb/baza_modeli.h"
#include "platform/factfile.h"
#include "platform/files.h"

namespace {

using kb::SList;
using namespace kb::testing;

// ---- Actions ------------------------------------------------------------------------------------

// Runs `body` inside a menu event of a main window, as the menu commands call the actions.
void in_main_window(HeadlessToolkit& ui, const std::function<void()>& body)
{
    platform::TaskWindowDesc desc;
    desc.class_name = "velk_ep_win";
    desc.title = "velk_QZ";
    desc.menu.resource_id = 10062;
    desc.menu.items = {{10084, {"Baza &modeli niepewna"}, "Przegląd", true}};
    desc.handler = [&](const platform::Event& e) {
        if (e.kind != platform::EventKind::Menu) return false;
        body();
        return true;
    };
    ui.run_task_window(desc);
}

TEST_F(ModelBaseTest, ReviewGivesTheFileTextAndSetsTheTitle)
{
    start("menu 10084\nclose\n");
    load_bases();
    ctx_->files.write_text("MOdom.BQZ", "model(1,\"bez warunku\",\"pole\",\"a\",\"*\",\"b\",1,\"1.0\")\nżółw\n");
    std::optional<kb::AkcjaWynik> wynik;
    in_main_window(*ui_, [&] { wynik = app::dzialanie_w_bazie_modeli(*ctx_, 1); });
    ASSERT_TRUE(wynik);
    EXPECT_EQ(wynik->lista, SList{});
    EXPECT_EQ(wynik->tekst, "model(1,\"bez warunku\",\"pole\",\"a\",\"*\",\"b\",1,\"1.0\")\nżółw\n");
    EXPECT_NE(transcript().find("title \"velk_QZ\" -> \"Przegląd pliku bazy modeli: MOdom.BQZ\"\n"),
              std::string::npos);
}

TEST_F(ModelBaseTest, ReviewWithoutANameReadsTheFileAndFailsSilently)
{
    start("menu 10084\nclose\n");
    load_bases();
    ctx_->files.write_text("MOdom.BQZ", "m_fakt(\"a\",\"1\")\n");
    kb::kasowanie_nazwy_mo(*ctx_);
    std::optional<kb::AkcjaWynik> wynik{kb::AkcjaWynik{}};
    in_main_window(*ui_, [&] { wynik = app::dzialanie_w_bazie_modeli(*ctx_, 1); });
    EXPECT_FALSE(wynik);
    EXPECT_EQ(transcript().find("title \"velk_QZ\" ->"), std::string::npos);
    EXPECT_EQ(transcript().find("note"), std::string::npos);
}

TEST_F(ModelBaseTest, ReviewWithoutAModelBaseSaysSo)
{
    start("note \"Uwaga!\"\n");
    EXPECT_FALSE(app::dzialanie_w_bazie_modeli(*ctx_, 1));
    EXPECT_EQ(transcript(), "aux (no window):  Brak bazy modeli do przeglądania.\n" +
                                note_line("Uwaga!", "Brak bazy modeli do przeglądania!"));
}

TEST_F(ModelBaseTest, ReviewOfAFileThatIsGoneRaisesForTheEventTrap)
{
    start();
    load_bases();
    EXPECT_THROW(app::dzialanie_w_bazie_modeli(*ctx_, 1), files::FileError);
}

TEST_F(ModelBaseTest, AskablesActionsGiveTheFirstListWithTheirHeading)
{
    start();
    load_bases();
    compute_askables();
    stan().lista_argumentow_dopytywalnych.add_last({"później"});
    stan().lista_warunkow_i_argumentow_dopytywalnych.add_last({"później"});

    const auto a2 = app::dzialanie_w_bazie_modeli(*ctx_, 2);
    ASSERT_TRUE(a2);
    EXPECT_EQ(a2->lista, stan().lista_argumentow_dopytywalnych.first());
    EXPECT_EQ(a2->tekst, "Warunki i argumenty dopytywalne bazy modeli MOdom.BQZ");

    const auto a3 = app::dzialanie_w_bazie_modeli(*ctx_, 3);
    ASSERT_TRUE(a3);
    EXPECT_EQ(a3->lista, stan().lista_warunkow_i_argumentow_dopytywalnych.first());
    EXPECT_EQ(a3->tekst, "Warunki i argumenty dopytywalne bazy wiedzy dom");
    EXPECT_EQ(transcript(), "");
}

TEST_F(ModelBaseTest, ActionsFailSilentlyWhenWhatTheyNeedIsMissing)
{
    struct Case {
        const char* what;
        int akcja;
        std::function<void(kb::Context&)> remove;
    };
    const std::vector<Case> cases = {
        {"2 without nazwa_mo", 2, kb::kasowanie_nazwy_mo},
        {"2 without the askable arguments", 2, kb::kasowanie_argumentow_dopytywalnych},
        {"3 without nazwa_mo", 3, kb::kasowanie_nazwy_mo},
        {"3 without wyroznik", 3, [](kb::Context& c) { c.db.stan.wyroznik.remove_all(); }},
        {"3 without all askables",
         3, [](kb::Context& c) { c.db.stan.lista_warunkow_i_argumentow_dopytywalnych.remove_all(); }},
        {"7 without duplikat_nazwy_mo", 7, [](kb::Context&) {}},
        {"8 without nazwa_mo", 8, kb::kasowanie_nazwy_mo},
        {"8 without nazwa_re", 8, [](kb::Context& c) { c.db.stan.nazwa_re.remove_all(); }},
        {"4 is no action", 4, [](kb::Context&) {}},
        {"6 is no action", 6, [](kb::Context&) {}},
        {"9 is no action", 9, [](kb::Context&) {}},
        {"0 is no action", 0, [](kb::Context&) {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        start();
        load_bases();
        compute_askables();
        c.remove(*ctx_);
        const kb::Store before = ctx_->db;
        EXPECT_FALSE(app::dzialanie_w_bazie_modeli(*ctx_, c.akcja));
        EXPECT_EQ(factfile::save_text(ctx_->db.stan), factfile::save_text(before.stan));
        EXPECT_EQ(factfile::save_text(ctx_->db.baza_modeli), factfile::save_text(before.baza_modeli));
        EXPECT_EQ(transcript(), "");
    }
}

TEST_F(ModelBaseTest, DiagnosisReportsNameTheBases)
{
    // Nothing is recorded: the first report has only its frame and the offer to keep it, the
    // second only its note.
    start("question -> \"&Nie\"\nnote\n");
    load_bases();
    stan().duplikat_nazwy_mo.add_last("MOstary.BQZ");
    EXPECT_EQ(app::dzialanie_w_bazie_modeli(*ctx_, 7), (kb::AkcjaWynik{{""}, " Sprzeczności bazy modeli MOstary.BQZ"}));
    EXPECT_EQ(app::dzialanie_w_bazie_modeli(*ctx_, 8),
              (kb::AkcjaWynik{{""}, " Sprzeczności łączne bazy modeli MOdom.BQZ i bazy reguł REdom.BQZ"}));
}

// The delete command asks for action 5 once the file is gone: the loaded model base is
// forgotten whole, whatever file was deleted.
TEST_F(ModelBaseTest, DeletingTheFileForgetsTheModelBaseAsAUnit)
{
    start();
    load_bases();
    compute_askables();
    stan().zmienna_ustalona.add_last({"x", 3});
    stan().lista_wszystkich_zmiennych_logicznych.add_last({"a"});
    stan().lista_argumentow_modelu_arytmetycznego.add_last({1, "pole", {"długość", "szerokość"}});
    ctx_->db.baza_modeli.arg_dopyt.add_last("x");

    EXPECT_EQ(app::dzialanie_w_bazie_modeli(*ctx_, 5), kb::pusty_wynik_akcji());
    expect_model_base_forgotten();
    EXPECT_EQ(transcript(), "");
}

}  // namespace
