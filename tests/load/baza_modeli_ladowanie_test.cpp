// The model-base load as a whole, where the store shows more than the transcript: a cancelled
// dialog keeps the loaded model base, a new load forgets everything of the previous model base
// (models, lists, findings, the duplicate flag), and what each outcome answers.
#include <gtest/gtest.h>

#include <string>

#include "../kb/kb_harness.h"
#include "load/ladowanie.h"
#include "load/numery.h"
#include "platform/names.h"

namespace {

using load::LoadResult;

const char* const kRules =
    "reguła(1,\"w\",[\"p\",\"r\"],1,\"0.8\")\n"
    "reguła(2,\"w\",[\"q\"],1,\"0.5\")\n";

// The rule-base load with its three diagnoses declined.
const char* const kLoadRules = "open -> REmk.BQZ\nnote\nmessage -> Nie\nmessage -> Nie\nmessage -> Nie\n";
// A model-base load that passes both diagnoses.
std::string load_models(const std::string& file)
{
    return "open -> " + file + "\nnote\nnote\nnote\nnote\nnote\n";
}

class LadowanieModeliTest : public kb::testing::KbHarness {
protected:
    void SetUp() override
    {
        KbHarness::SetUp();
        write_file("REmk.BQZ", kRules);
        write_file("MOmk.BQZ",
                   "model(1,\"bez warunku\",\"y\",\"x\",\"+\",\"2\",1,\"1\")\n"
                   "model(2,\"c\",\"d\",\"x\",\">\",\"1\",1,\"C\")\n"
                   "m_fakt(\"c\",\"0.5\")\n");
        write_file("MOmk-2.BQZ", "model(5,\"bez warunku\",\"v\",\"t\",\"*\",\"2\",1,\"1\")\n");
        write_file("MOmk-t.BQZ", "model(5,\"bez warunku\",\"v\",\"t\",\"+\",\"0\",1,\"1\")\n");
        write_file("MOmk-nr.BQZ",
                   "model(5,\"bez warunku\",\"v\",\"t\",\"*\",\"2\",1,\"1\")\n"
                   "model_liniowy(5,\"bez warunku\",\"u\",[\"1\"],[\"t\"],1,\"1\")\n");
    }

    // Runs the loads inside the main window; their answers in order.
    std::vector<LoadResult> run(const std::string& script, int loads)
    {
        start(script);
        std::vector<LoadResult> out;
        in_main_window([&] {
            out.push_back(load::laduj_baze_regul(ctx()));
            for (int i = 0; i < loads; ++i) out.push_back(load::laduj_baze_modeli(ctx()));
        });
        return out;
    }
    kb::Stan& stan() { return ctx().db.stan; }
};

TEST_F(LadowanieModeliTest, DisplayFlagOtherThanZeroOrOneRefusesTheModelBase)
{
    write_file("MOmk-w.BQZ",
               "model(1,\"bez warunku\",\"y\",\"x\",\"+\",\"2\",0,\"1\")\n"
               "model_liniowy(4,\"bez warunku\",\"u\",[\"1\"],[\"t\"],-1,\"1\")\n");
    const auto results =
        run(kLoadRules + std::string("open -> MOmk-w.BQZ\nnote\nnote\nnote\nnote\nnote\nnote \"Błędny znacznik wyjaśniania dla modelu!\"\n"), 1);
    EXPECT_FALSE(results.back().is_loaded());
    EXPECT_TRUE(ctx().db.baza_modeli.model.empty());
    EXPECT_TRUE(stan().nazwa_mo.empty());
    EXPECT_NE(transcript().find("Błędny znacznik wyjaśniania dla modelu 4."), std::string::npos);
}

// The names of a base are kept only as numbers and texts: a load that made a string of each
// (a name handed to code that reads strings, in a loop over the base) would hold a second copy
// of every name for the rest of the run.
TEST_F(LadowanieModeliTest, TheLoadsMakeNoStringOfTheBasesNames)
{
    write_file("REns.BQZ",
               "reguła(1,\"wniosek_ns\",[\"warunek_ns\",\"nwarunek_ns_2\"],1,\"0.8\")\n"
               "reguła(2,\"wniosek_ns_2\",[\"wniosek_ns\"],0,\"0.5\")\n");
    write_file("MOns.BQZ",
               "model(1,\"bez warunku\",\"wynik_ns\",\"argument_ns\",\"+\",\"2\",1,\"1\")\n"
               "model(2,\"warunek_ns\",\"wniosek_ns_3\",\"wynik_ns\",\">\",\"1\",1,\"C\")\n"
               "model_r(3,\"bez warunku\",\"wynik_ns_2\",\"+\",[\"argument_ns\",\"wynik_ns\"],1,\"1\")\n"
               "model_liniowy(4,\"bez warunku\",\"wynik_ns_3\",[\"0.5\"],[\"argument_ns_2\"],1,\"1\")\n"
               "model_wielomianowy(5,\"bez warunku\",\"wynik_ns_4\",\"argument_ns_3\",[\"1\"],[2],1,\"1\")\n");
    const std::size_t before = facts::name_table().strings_made();
    const auto out = run("open -> REns.BQZ\nnote\nmessage -> Nie\nmessage -> Nie\nmessage -> Nie\n" +
                             load_models("MOns.BQZ"),
                         1);
    ASSERT_TRUE(out.back().is_loaded()) << transcript();
    EXPECT_EQ(facts::name_table().strings_made(), before);
}

TEST_F(LadowanieModeliTest, CleanLoadAnswersThePathAndCancelKeepsTheBase)
{
    const auto out = run(std::string(kLoadRules) + load_models("MOmk.BQZ") + "open -> cancel\n", 2);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[1], LoadResult::loaded(path("MOmk.BQZ")));
    EXPECT_EQ(out[2], LoadResult::nothing_chosen());
    EXPECT_EQ(stan().nazwa_mo.first(), "MOmk.BQZ");
    EXPECT_EQ(ctx().db.baza_modeli.model.size(), 2u);
    EXPECT_EQ(ctx().db.baza_modeli.m_fakt.size(), 1u);
    EXPECT_EQ(stan().lista_wnioskow_modeli.all(), (std::vector<kb::SList>{{"d"}}));
    EXPECT_TRUE(stan().jestem_tu.empty());
    EXPECT_EQ(ctx().db.wyniki_diagnoz.sprzecznosc_mr.all(), (std::vector<std::string>{"NIE"}));
}

// Nothing of the first model base, its lists or its joint findings reaches the second.
TEST_F(LadowanieModeliTest, ASecondLoadForgetsTheFirstModelBase)
{
    const auto out = run(std::string(kLoadRules) + load_models("MOmk.BQZ") + load_models("MOmk-2.BQZ"), 2);
    EXPECT_EQ(out[2], LoadResult::loaded(path("MOmk-2.BQZ")));
    EXPECT_EQ(stan().nazwa_mo.all(), (std::vector<std::string>{"MOmk-2.BQZ"}));
    EXPECT_EQ(ctx().db.baza_modeli.model.size(), 1u);
    EXPECT_TRUE(ctx().db.baza_modeli.m_fakt.empty());
    EXPECT_EQ(stan().lista_wnioskow_modeli.all(), (std::vector<kb::SList>{{}}));
    EXPECT_EQ(stan().lista_argumentow_dopytywalnych.all(), (std::vector<kb::SList>{{"t"}}));
    EXPECT_EQ(ctx().db.wyniki_diagnoz.sprzecznosc_mr.size(), 1u);
}

// Loading the same base again finds its tautological model once, not once per load.
TEST_F(LadowanieModeliTest, ReloadingFindsTheSameTautologies)
{
    const std::string taut = load_models("MOmk-t.BQZ") + "message \"Wybierz:\" -> Nie\n";
    const auto out = run(std::string(kLoadRules) + taut + taut, 2);
    EXPECT_EQ(out[2], LoadResult::loaded(path("MOmk-t.BQZ")));
    EXPECT_EQ(stan().model_tautologiczny.all(), (std::vector<kb::ModelTautologiczny>{{5, "v", "t"}}));
}

// A duplicate number keeps the base named and fails; its flag blocks inference until the next
// model load that gets as far as reading a file.
TEST_F(LadowanieModeliTest, DuplicateFlagLastsUntilTheNextModelLoad)
{
    const auto out = run(std::string(kLoadRules) + "open -> MOmk-nr.BQZ\nnote\nnote \"Błąd bazy modeli\"\n" +
                             "open -> cancel\n" + load_models("MOmk-2.BQZ"),
                         3);
    EXPECT_EQ(out[1], LoadResult::refused());
    EXPECT_EQ(out[2], LoadResult::refused());  // cancelled: the flag still holds, the quiet end refuses
    EXPECT_EQ(out[3], LoadResult::loaded(path("MOmk-2.BQZ")));
    EXPECT_FALSE(load::rozne_numery(ctx()));
}

// An externally contradictory rule base: no dialog, nothing forgotten.
TEST_F(LadowanieModeliTest, ContradictoryRuleBaseShowsNoDialog)
{
    start(std::string(kLoadRules) + load_models("MOmk.BQZ"));
    std::vector<LoadResult> out;
    in_main_window([&] {
        out.push_back(load::laduj_baze_regul(ctx()));
        out.push_back(load::laduj_baze_modeli(ctx()));
        ctx().db.wyniki_diagnoz.sprzecznosc_1z.add_last("TAK");
        out.push_back(load::laduj_baze_modeli(ctx()));
    });
    EXPECT_EQ(out[2], LoadResult::nothing_chosen());
    EXPECT_EQ(lines_after("open dialog").size(), 2u);
    EXPECT_EQ(stan().nazwa_mo.first(), "MOmk.BQZ");
}

TEST_F(LadowanieModeliTest, WithoutARuleBaseANoteAsksForOne)
{
    start("note \"Uwaga!\"\n");
    LoadResult out;
    in_main_window([&] { out = load::laduj_baze_modeli(ctx()); });
    EXPECT_EQ(out, LoadResult::nothing_chosen());
    EXPECT_EQ(lines_after("note"), (std::vector<std::string>{"\"Uwaga!\": \"Proszę załadować bazę reguł!\""}));
}

}  // namespace
