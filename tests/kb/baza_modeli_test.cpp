// The model base as the menu and the load see it: the askables computed at a load from a small
// model base of all four kinds next to a rule base, the known-argument check with its exact
// texts, forgetting the base as a unit, and the numbered actions.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <memory>
#include <string>
#include <vector>

#include "kb/baza_modeli.h"
#include "kb/context.h"
#include "kb/dopytywalne_modeli.h"
#include "platform/factfile.h"
#include "platform/files.h"
#include "platform/headless/headless_toolkit.h"

namespace fs = std::filesystem;

namespace {

using kb::SList;
using platform::headless::HeadlessOptions;
using platform::headless::HeadlessToolkit;
using platform::headless::in_quotes;
using platform::headless::Script;

// A house: area from length and width, its root, a big-house conclusion, a sum, a comfort
// interval, a cost line and a polynomial. "nadwyżka" is an ordinary word that begins with n.
const char* const kModelBase =
    "model(1,\"bez warunku\",\"pole\",\"długość\",\"*\",\"szerokość\",1,\"1.0\")\n"
    "model(2,\"bez warunku\",\"pierwiastek\",\"pole\",\"sqrt\",\"0\",1,\"1.0\")\n"
    "model(3,\"duży_dom\",\"dom_duży\",\"pole\",\">=\",\"100\",1,\"0.8\")\n"
    "model_r(4,\"bez warunku\",\"suma\",\"+\",[\"a1\",\"a2\",\"3\"],1,\"1.0\")\n"
    "model_r(5,\"ciepło\",\"komfort\",\"<=,<\",[\"temp\",\"18\",\"24\"],0,\"0.9\")\n"
    "model_liniowy(6,\"bez warunku\",\"koszt\",[\"2.5\",\"cena_m2\"],[\"pole\",\"nadwyżka\"],1,\"1.0\")\n"
    "model_wielomianowy(7,\"bez warunku\",\"y\",\"x\",[\"1\",\"wsp\"],[0,1],1,\"1.0\")\n"
    "argument_znany(\"długość\",12.5)\n"
    "argument_znany(\"x\",2)\n"
    "m_fakt(\"ciepło\",\"0.7\")\n"
    "modele_ekskluzywne([\"dom_duży\",\"komfort\"])\n"
    "rem_model(\"uwaga\")\n";

class ModelBaseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "velk-models-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = fs::canonical(pattern).string();
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    // A program whose user answers with `script`; its current directory is the temporary one.
    kb::Context& start(const std::string& script = "")
    {
        HeadlessOptions options;
        options.working_dir = dir_;
        ui_ = std::make_unique<HeadlessToolkit>(Script::parse(script), options);
        ctx_ = std::make_unique<kb::Context>(*ui_, dir_);
        return *ctx_;
    }

    // A rule base as its load leaves it, and the model base read from `model_text`.
    void load_bases(const std::string& model_text = kModelBase)
    {
        kb::Stan& s = ctx_->db.stan;
        s.nazwa_re.add_first("REdom.BQZ");
        s.wyroznik.add_last("dom");
        s.lista_warunkow_dopytywalnych.add_first({"ciepło", "dom_duży", "wiatr"});
        s.lista_wnioskow_regul.add_last({"duży_dom", "decyzja"});
        s.lista_wnioskow_regul.add_last({"duży_dom", "decyzja", "koniec"});
        factfile::load_text(ctx_->db.baza_modeli, model_text);
        s.nazwa_mo.add_first("MOdom.BQZ");
        s.nazwa_mo_pelna.add_first(dir_ + "/MOdom.BQZ");
    }

    // The computations of the model-base load, in its order.
    void compute_askables()
    {
        kb::Context& c = *ctx_;
        kb::wyznacz_i_pamietaj_argumenty_modeli(c);
        kb::wyznacz_i_pamietaj_wnioski_modeli(c);
        kb::wyznacz_i_pamietaj_warunki_stosowania_modeli(c);
        kb::wyznacz_i_pamietaj_wyniki_modeli(c);
        ASSERT_TRUE(kb::redukuj_warunki_dopytywalne(c));
        ASSERT_TRUE(kb::wyznacz_dopytywalne_zmienne(c));
        ASSERT_TRUE(kb::wyznacz_warunki_i_argumenty_dopytywalne(c));
    }

    std::string transcript() const { return ui_->transcript(); }
    kb::Stan& stan() { return ctx_->db.stan; }

    // No fact of the model-base database, no model-base name and no list computed from the
    // base is left; the rule base, its askable conditions and the full path stay.
    void expect_model_base_forgotten()
    {
        ctx_->db.baza_modeli.visit([](std::string_view name, const auto& facts) {
            EXPECT_TRUE(facts.empty()) << name;
        });
        kb::Stan& s = stan();
        EXPECT_TRUE(s.nazwa_mo.empty());
        for (const auto* list : {&s.lista_argumentow_dopytywalnych, &s.lista_argumentow_modeli,
                                 &s.lista_warunkow_i_argumentow_dopytywalnych, &s.lista_warunkow_stosowania,
                                 &s.lista_wnioskow_modeli, &s.lista_wynikow_modeli,
                                 &s.lista_wszystkich_zmiennych_logicznych,
                                 &s.lista_wszystkich_dopytywalnych_dla_wyswietlania, &s.zmienne, &s.wyniki,
                                 &s.argumenty_zredukowane, &s.wyniki_zredukowane})
            EXPECT_TRUE(list->empty());
        EXPECT_TRUE(s.zmienna_ustalona.empty());
        EXPECT_TRUE(s.duplikat_nazwy_mo.empty());
        EXPECT_TRUE(s.lista_argumentow_modelu_arytmetycznego.empty());

        EXPECT_EQ(s.nazwa_mo_pelna.first(), dir_ + "/MOdom.BQZ");
        EXPECT_EQ(s.nazwa_re.first(), "REdom.BQZ");
        EXPECT_EQ(s.wyroznik.first(), "dom");
        EXPECT_EQ(s.lista_warunkow_dopytywalnych.size(), 1u);
        EXPECT_EQ(s.lista_wnioskow_regul.size(), 2u);
    }

    std::string dir_;
    std::unique_ptr<HeadlessToolkit> ui_;
    std::unique_ptr<kb::Context> ctx_;
};

std::string note_line(const std::string& title, const std::string& text)
{
    return "note " + in_quotes(title) + ": " + in_quotes(text) + "\n";
}

// ---- Askables computed at the load ----------------------------------------------------------

TEST_F(ModelBaseTest, LoadComputesEveryListOfTheModelBase)
{
    start();
    load_bases();
    compute_askables();

    struct Row {
        const char* fact;
        const kb::FactList<SList>& list;
        SList expected;
    };
    const std::vector<Row> rows = {
        {"lista_argumentow_modeli", stan().lista_argumentow_modeli,
         {"długość", "szerokość", "a1", "a2", "3", "2.5", "cena_m2", "pole", "nadwyżka", "x", "1", "wsp"}},
        {"lista_wnioskow_modeli", stan().lista_wnioskow_modeli, {"dom_duży", "komfort"}},
        {"lista_warunkow_stosowania", stan().lista_warunkow_stosowania, {"duży_dom", "ciepło", "bez warunku"}},
        {"lista_wynikow_modeli", stan().lista_wynikow_modeli, {"pole", "pierwiastek", "suma", "koszt", "y"}},
        // the askable conditions less the conclusions of relational models
        {"lista_wszystkich_dopytywalnych_dla_wyswietlania", stan().lista_wszystkich_dopytywalnych_dla_wyswietlania,
         {"ciepło", "wiatr"}},
        {"argumenty_zredukowane", stan().argumenty_zredukowane,
         {"duży_dom", "szerokość", "długość", "temp", "a2", "a1", "ciepło", "pole", "cena_m2", "wsp", "x"}},
        {"wyniki_zredukowane", stan().wyniki_zredukowane,
         {"pole", "pierwiastek", "dom_duży", "suma", "komfort", "koszt", "y"}},
        // no results, no rule conclusions ("duży_dom"), no "bez warunku", nothing beginning
        // with n, no numbers; sorted by CP1250 bytes ("ł" after every ASCII letter)
        {"lista_argumentow_dopytywalnych", stan().lista_argumentow_dopytywalnych,
         {"a1", "a2", "cena_m2", "ciepło", "długość", "szerokość", "temp", "wsp", "x"}},
        // "ciepło", an askable condition and an askable argument, is there once
        {"lista_warunkow_i_argumentow_dopytywalnych", stan().lista_warunkow_i_argumentow_dopytywalnych,
         {"a1", "a2", "cena_m2", "ciepło", "długość", "szerokość", "temp", "wiatr", "wsp", "x"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.fact);
        EXPECT_EQ(row.list.all(), std::vector<SList>{row.expected});
    }
}

TEST_F(ModelBaseTest, WithoutModelsTheListsAreEmptyAndAllAskablesAreTheConditions)
{
    start();
    load_bases("m_fakt(\"ciepło\",\"0.7\")\n");
    compute_askables();
    for (const auto* list : {&stan().lista_argumentow_modeli, &stan().lista_wnioskow_modeli,
                             &stan().lista_warunkow_stosowania, &stan().lista_wynikow_modeli,
                             &stan().lista_argumentow_dopytywalnych})
        EXPECT_EQ(list->all(), std::vector<SList>{SList{}});
    EXPECT_TRUE(stan().zmienne.empty());
    EXPECT_EQ(stan().lista_warunkow_i_argumentow_dopytywalnych.first(), (SList{"ciepło", "dom_duży", "wiatr"}));
}

TEST_F(ModelBaseTest, MissingInputsFailWithoutEffect)
{
    start();
    kb::Context& c = *ctx_;
    EXPECT_FALSE(kb::redukuj_warunki_dopytywalne(c));
    EXPECT_TRUE(stan().lista_wszystkich_dopytywalnych_dla_wyswietlania.empty());

    factfile::load_text(c.db.baza_modeli, kModelBase);
    EXPECT_FALSE(kb::wyznacz_dopytywalne_zmienne(c));  // no rule base
    EXPECT_TRUE(stan().zmienne.empty());
    EXPECT_TRUE(stan().argumenty_zredukowane.empty());

    stan().nazwa_re.add_first("REdom.BQZ");  // a rule base, but no list of its conclusions
    EXPECT_FALSE(kb::wyznacz_dopytywalne_zmienne(c));
    EXPECT_EQ(stan().zmienne.size(), 4u);
    EXPECT_EQ(stan().argumenty_zredukowane.size(), 1u);
    EXPECT_TRUE(stan().lista_argumentow_dopytywalnych.empty());

    EXPECT_FALSE(kb::wyznacz_warunki_i_argumenty_dopytywalne(c));
    EXPECT_TRUE(stan().lista_warunkow_i_argumentow_dopytywalnych.empty());
}

TEST_F(ModelBaseTest, NamesDifferingInCaseAreDifferentAndAnOutOfRangeNumberIsAVariable)
{
    start();
    load_bases("model(1,\"bez warunku\",\"Pole\",\"pole\",\"+\",\"1e400\",1,\"1\")\n");
    compute_askables();
    EXPECT_EQ(stan().lista_argumentow_dopytywalnych.first(), (SList{"1e400", "pole"}));
}

// A second model-base load on the same rule base: every list describes the new base only,
// one fact per name, so that no reader meets the lists of the base before.
TEST_F(ModelBaseTest, ListsOfASecondLoadReplaceThoseOfTheFirst)
{
    start();
    load_bases();
    compute_askables();

    kb::Context& c = *ctx_;
    kb::kasowanie_dmodel(c);
    kb::kasowanie_dmodel_r(c);
    kb::kasowanie_dmodel_liniowy(c);
    kb::kasowanie_dmodel_wielomianowy(c);
    kb::kasowanie_argument_znany(c);
    kb::kasowanie_m_fakt(c);
    factfile::load_text(c.db.baza_modeli, "model(1,\"bez warunku\",\"wiatr\",\"v\",\">\",\"10\",1,\"1\")\n");
    compute_askables();
    kb::wyznacz_i_pamietaj_wnioski_modeli(c);  // as backward inference does before reading it

    EXPECT_EQ(stan().lista_argumentow_modeli.all(), std::vector<SList>{SList{}});
    EXPECT_EQ(stan().lista_wnioskow_modeli.all(), std::vector<SList>{SList{"wiatr"}});
    EXPECT_EQ(stan().lista_warunkow_stosowania.all(), std::vector<SList>{SList{"bez warunku"}});
    EXPECT_EQ(stan().lista_wynikow_modeli.all(), std::vector<SList>{SList{}});
    EXPECT_EQ(stan().lista_wszystkich_dopytywalnych_dla_wyswietlania.all(),
              (std::vector<SList>{{"ciepło", "dom_duży"}}));
    EXPECT_EQ(stan().argumenty_zredukowane.all(), std::vector<SList>{SList{"v"}});
    EXPECT_EQ(stan().wyniki_zredukowane.all(), std::vector<SList>{SList{"wiatr"}});
    EXPECT_EQ(stan().lista_argumentow_dopytywalnych.all(), std::vector<SList>{SList{"v"}});
    EXPECT_EQ(stan().lista_warunkow_i_argumentow_dopytywalnych.all(),
              (std::vector<SList>{{"ciepło", "dom_duży", "v"}}));
}

// ---- The known-argument check -----------------------------------------------------------------

TEST_F(ModelBaseTest, KnownArgumentsThatAreAskablePass)
{
    start();
    load_bases();
    compute_askables();
    EXPECT_TRUE(kb::testowanie_dopytywalnosci_argumentow(*ctx_));
    EXPECT_EQ(transcript(), "");
    EXPECT_EQ(ctx_->db.baza_modeli.argument_znany.size(), 2u);
}

TEST_F(ModelBaseTest, CheckPassesWithoutKnownArgumentsWithoutModelBaseNameOrWithoutTheList)
{
    start();
    load_bases("model(1,\"bez warunku\",\"r\",\"a\",\"+\",\"b\",1,\"1\")\n");
    compute_askables();
    EXPECT_TRUE(kb::testowanie_dopytywalnosci_argumentow(*ctx_));

    factfile::load_text(ctx_->db.baza_modeli, "argument_znany(\"r\",1)\n");  // a result: not askable
    kb::kasowanie_argumentow_dopytywalnych(*ctx_);
    EXPECT_TRUE(kb::testowanie_dopytywalnosci_argumentow(*ctx_));
    compute_askables();
    kb::kasowanie_nazwy_mo(*ctx_);
    EXPECT_TRUE(kb::testowanie_dopytywalnosci_argumentow(*ctx_));
    EXPECT_EQ(transcript(), "");
}

// A result, a rule conclusion, a number, a word beginning with n, and one of them twice: each
// is reported in the order of the base file, repeats included; then the whole model base is
// forgotten, while the rule base and the full path of the model-base file stay.
TEST_F(ModelBaseTest, NotAskableKnownArgumentsAreReportedAndTheModelBaseIsForgottenAsAUnit)
{
    start("note \"Błędne argumenty znane bazy modeli MOdom.BQZ\"\n");
    load_bases(std::string(kModelBase) +
               "argument_znany(\"pole\",80)\n"
               "argument_znany(\"decyzja\",1)\n"
               "argument_znany(\"3\",3)\n"
               "argument_znany(\"nadwyżka\",0)\n"
               "argument_znany(\"pole\",81)\n");
    compute_askables();

    EXPECT_FALSE(kb::testowanie_dopytywalnosci_argumentow(*ctx_));

    const std::string expected =
        "aux (no window): Błędne argumenty znane bazy modeli MOdom.BQZ.\n"
        "aux (no window): Następujące argumenty znane nie są argumentami dopytywalnymi: \n"
        "aux (no window):    pole\n"
        "aux (no window):    decyzja\n"
        "aux (no window):    3\n"
        "aux (no window):    nadwyżka\n"
        "aux (no window):    pole\n"
        "aux (no window): Przejdź do 'Bazy modeli niepewnej',\n"
        "aux (no window): wybierz opcję 'Edycja bazy modeli', wybierz błędną bazę \n"
        "aux (no window): i usuń argumenty znane nie będące argumentami dopytywalnymi!\n" +
        note_line("Błędne argumenty znane bazy modeli MOdom.BQZ",
                  "Następujące argumenty znane \nnie są argumentami dopytywalnymi:\n   "
                  "[\"pole\",\"decyzja\",\"3\",\"nadwyżka\",\"pole\"]"
                  "\nPrzejdź do 'Bazy modeli niepewnej',"
                  "\nwybierz opcję 'Edycja bazy modeli', \nwybierz błędną bazę "
                  "\ni usuń argumenty znane nie będące \nargumentami dopytywalnymi!");
    EXPECT_EQ(transcript(), expected);
    EXPECT_TRUE(ctx_->db.baza_raportu.tekst_raportu.empty());  // plain writes only
    expect_model_base_forgotten();
}

}  // namespace

namespace {

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
    in_main_window(*ui_, [&] { wynik = kb::dzialanie_w_bazie_modeli(*ctx_, 1); });
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
    in_main_window(*ui_, [&] { wynik = kb::dzialanie_w_bazie_modeli(*ctx_, 1); });
    EXPECT_FALSE(wynik);
    EXPECT_EQ(transcript().find("title \"velk_QZ\" ->"), std::string::npos);
    EXPECT_EQ(transcript().find("note"), std::string::npos);
}

TEST_F(ModelBaseTest, ReviewWithoutAModelBaseSaysSo)
{
    start("note \"Uwaga!\"\n");
    EXPECT_FALSE(kb::dzialanie_w_bazie_modeli(*ctx_, 1));
    EXPECT_EQ(transcript(), "aux (no window):  Brak bazy modeli do przeglądania.\n" +
                                note_line("Uwaga!", "Brak bazy modeli do przeglądania!"));
}

TEST_F(ModelBaseTest, ReviewOfAFileThatIsGoneRaisesForTheEventTrap)
{
    start();
    load_bases();
    EXPECT_THROW(kb::dzialanie_w_bazie_modeli(*ctx_, 1), files::FileError);
}

TEST_F(ModelBaseTest, AskablesActionsGiveTheFirstListWithTheirHeading)
{
    start();
    load_bases();
    compute_askables();
    stan().lista_argumentow_dopytywalnych.add_last({"później"});
    stan().lista_warunkow_i_argumentow_dopytywalnych.add_last({"później"});

    const auto a2 = kb::dzialanie_w_bazie_modeli(*ctx_, 2);
    ASSERT_TRUE(a2);
    EXPECT_EQ(a2->lista, stan().lista_argumentow_dopytywalnych.first());
    EXPECT_EQ(a2->tekst, "Warunki i argumenty dopytywalne bazy modeli MOdom.BQZ");

    const auto a3 = kb::dzialanie_w_bazie_modeli(*ctx_, 3);
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
        EXPECT_FALSE(kb::dzialanie_w_bazie_modeli(*ctx_, c.akcja));
        EXPECT_EQ(factfile::save_text(ctx_->db.stan), factfile::save_text(before.stan));
        EXPECT_EQ(factfile::save_text(ctx_->db.baza_modeli), factfile::save_text(before.baza_modeli));
        EXPECT_EQ(transcript(), "");
    }
}

TEST_F(ModelBaseTest, DiagnosisReportsNameTheBases)
{
    start();
    load_bases();
    stan().duplikat_nazwy_mo.add_last("MOstary.BQZ");
    EXPECT_EQ(kb::dzialanie_w_bazie_modeli(*ctx_, 7), (kb::AkcjaWynik{{""}, " Sprzeczności bazy modeli MOstary.BQZ"}));
    EXPECT_EQ(kb::dzialanie_w_bazie_modeli(*ctx_, 8),
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

    EXPECT_EQ(kb::dzialanie_w_bazie_modeli(*ctx_, 5), kb::pusty_wynik_akcji());
    expect_model_base_forgotten();
    EXPECT_EQ(transcript(), "");
}

TEST_F(ModelBaseTest, KasowanieNazwyMoKeepsTheFullPath)
{
    start();
    load_bases();
    kb::kasowanie_nazwy_mo(*ctx_);
    EXPECT_TRUE(stan().nazwa_mo.empty());
    EXPECT_EQ(stan().nazwa_mo_pelna.size(), 1u);
}

}  // namespace
