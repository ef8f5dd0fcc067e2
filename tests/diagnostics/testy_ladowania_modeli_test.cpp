// The load-time entries of the model-base diagnoses: what they tell the user for a finding
// (recorded by hand here; the searches have their own tests), that a clean search is silent,
// and that each joint search replaces the previous outcome.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../kb/kb_harness.h"
#include "diagnostics/testy_ladowania_modeli.h"

namespace {

class TestyLadowaniaModeliTest : public kb::testing::KbHarness {
protected:
    void bases()
    {
        ctx().db.stan.nazwa_re.add_first("REdom.BQZ");
        ctx().db.stan.nazwa_mo.add_first("MOdom.BQZ");
        load(ctx().db.baza_modeli, "model(1,\"bez warunku\",\"y\",\"x\",\"+\",\"1\",1,\"1\")\n");
    }
};

TEST_F(TestyLadowaniaModeliTest, CleanDiagnosesAreSilent)
{
    start("");
    bases();
    in_main_window([&] {
        EXPECT_TRUE(diagnostics::informuj_sprzecznosc_mz(ctx()));
        EXPECT_TRUE(diagnostics::informuj_sprzecznosc_mr(ctx()));
    });
    EXPECT_EQ(lines_after("aux").size(), 0u);
    EXPECT_TRUE(lines_after("note").empty());
    EXPECT_EQ(ctx().db.wyniki_diagnoz.sprzecznosc_mr.all(), (std::vector<std::string>{"NIE"}));
}

// Any of the three flags makes the diagnosis keep the name, tell the user, enable the report and
// remove the name; the models stay for the report. Nothing reaches the report text.
TEST_F(TestyLadowaniaModeliTest, ModelContradictionIsToldAndTheNameRemoved)
{
    for (int flag = 0; flag < 3; ++flag) {
        SCOPED_TRACE(flag);
        start("note \"Informacja o sprzeczności\"\n");
        bases();
        auto& w = ctx().db.wyniki_diagnoz;
        (flag == 0 ? w.model_aryt_sprzeczny : flag == 1 ? w.model_sprzeczny_gleboko : w.model_rela_sprzeczny)
            .add_last("TAK");
        in_main_window([&] { EXPECT_FALSE(diagnostics::informuj_sprzecznosc_mz(ctx())); });
        EXPECT_TRUE(ctx().db.stan.nazwa_mo.empty());
        EXPECT_EQ(ctx().db.stan.duplikat_nazwy_mo.all(), (std::vector<std::string>{"MOdom.BQZ"}));
        EXPECT_EQ(ctx().db.baza_modeli.model.size(), 1u);
        EXPECT_EQ(lines_after("menu enabled:"), (std::vector<std::string>{"10090"}));
        EXPECT_TRUE(ctx().db.baza_raportu.tekst_raportu.empty());
    }
    EXPECT_EQ(lines_after("aux:").size() + aux().size(), 10u);
    const auto notes = lines_after("note");
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0],
              "\"Informacja o sprzeczności\": \"Baza modeli rozwinięta niepewna\\n   MOdom.BQZ\\nzawiera co najmniej "
              "jedną sprzeczność.\\n\\nZaładowaną bazę modeli możesz tylko edytować, \\nlecz nie możesz korzystać z "
              "niej dla wnioskowania.\\nMożesz jednak diagnozować jej sprzeczności.\\nW tym celu musisz przejść do "
              "opcji\\n   'Baza modeli niepewna\\n     Diagnostyka sprzeczności bazy modeli'\"");
}

TEST_F(TestyLadowaniaModeliTest, ModelContradictionWithoutNameFailsSilently)
{
    start("");
    ctx().db.wyniki_diagnoz.model_aryt_sprzeczny.add_last("TAK");
    EXPECT_FALSE(diagnostics::informuj_sprzecznosc_mz(ctx()));
    EXPECT_EQ(transcript(), "");
    EXPECT_TRUE(ctx().db.stan.duplikat_nazwy_mo.empty());
}

// An earlier outcome and its findings do not survive the next search.
TEST_F(TestyLadowaniaModeliTest, EachJointSearchReplacesTheOutcome)
{
    start("");
    bases();
    auto& w = ctx().db.wyniki_diagnoz;
    w.sprzecznosc_mr.add_last("TAK");
    w.modele_i_reguly_sprzeczne.add_last({1, 5, {0}, {1}});
    EXPECT_TRUE(diagnostics::wyznacz_sprzecznosc_mr(ctx()));
    EXPECT_EQ(w.sprzecznosc_mr.all(), (std::vector<std::string>{"NIE"}));
    EXPECT_TRUE(w.modele_i_reguly_sprzeczne.empty());
}

TEST_F(TestyLadowaniaModeliTest, JointContradictionNotice)
{
    start("note \"Informacja o sprzecznościach łącznych bazy modeli i bazy reguł\"\n");
    bases();
    in_main_window([&] { diagnostics::powiadom_o_sprzecznosci_mr(ctx()); });
    end_aux_line();
    EXPECT_EQ(aux(), (std::vector<std::string>{
                         "Baza modeli  MOdom.BQZ", "i baza reguł REdom.BQZ",
                         "mają co najmniej jedną sprzeczność łączną. ",
                         "Załadowane bazy możesz tylko edytować, lecz nie możesz korzystać",
                         "z nich dla wnioskowania. Nie możesz również ładować odpowiadającej im",
                         "bazy ograniczeń i rad.", "", "Możesz jednak diagnozować† ich sprzeczności łączne.",
                         "W tym celu musisz przejść do opcji:", "'Baza modeli niepewna",
                         "        Diagnostyka sprzeczności łącznych bazy modeli i bazy reguł' ", "", ""}));
    EXPECT_EQ(lines_after("menu enabled:"), (std::vector<std::string>{"10091"}));
    EXPECT_EQ(ctx().db.stan.nazwa_mo.first(), "MOdom.BQZ");
}

}  // namespace
