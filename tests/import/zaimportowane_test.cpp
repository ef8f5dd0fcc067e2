// Imported facts and known argument values belong to the knowledge base: they outlive the
// forgetting of the rule or model base and the loading of another model base (whose own checks
// never see them), and go only with the next rule-base load.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../kb/kb_harness.h"
#include "kb/baza_modeli.h"
#include "kb/baza_regul.h"
#include "kb/zaimportowane.h"
#include "load/ladowanie.h"

namespace {

using kb::Fakt;
using kb::NazwaWartosc;

const char* const kLoadRules = "open -> REmk.BQZ\nnote\nmessage -> Nie\nmessage -> Nie\nmessage -> Nie\n";
const char* const kLoadModels = "open -> MOmk.BQZ\nnote\nnote\nnote\nnote\nnote\n";

class ZaimportowaneTest : public kb::testing::KbHarness {
protected:
    void SetUp() override
    {
        KbHarness::SetUp();
        write_file("REmk.BQZ", "reguła(1,\"w\",[\"p\",\"r\"],1,\"0.8\")\nfakt(\"p\",\"0.5\")\n");
        // t is askable here; the imported `obcy` is not, and must not refuse the base.
        write_file("MOmk.BQZ", "model(5,\"bez warunku\",\"v\",\"t\",\"*\",\"2\",1,\"1\")\nargument_znany(\"t\",3)\n");
    }
    std::vector<Fakt> fakty() { return ctx().db.baza_regul.fakt.all(); }
    std::vector<NazwaWartosc> argumenty() { return ctx().db.baza_modeli.argument_znany.all(); }
    void importuj()
    {
        kb::dodaj_zaimportowany_fakt(ctx(), {"p", "0.9"});
        kb::dodaj_zaimportowany_fakt(ctx(), {"r", "-0.2"});
        kb::dodaj_zaimportowany_argument(ctx(), {"t", 7});
        kb::dodaj_zaimportowany_argument(ctx(), {"obcy", 1});
    }
};

TEST_F(ZaimportowaneTest, ForgettingABaseLaysTheImportedValuesOverItAgain)
{
    ctx().db.baza_regul.fakt.add_last({"q", "1"});
    importuj();
    EXPECT_EQ(fakty(), (std::vector<Fakt>{{"q", "1"}, {"p", "0.9"}, {"r", "-0.2"}}));
    kb::forget_rule_base(ctx());
    EXPECT_EQ(fakty(), (std::vector<Fakt>{{"p", "0.9"}, {"r", "-0.2"}}));
    kb::forget_model_base(ctx());
    EXPECT_EQ(argumenty(), (std::vector<NazwaWartosc>{{"t", 7}, {"obcy", 1}}));
}

TEST_F(ZaimportowaneTest, AModelBaseLoadKeepsThemOverTheFilesValues)
{
    start(std::string(kLoadRules) + kLoadModels + kLoadModels);
    load::LoadResult pierwsza = load::LoadResult::refused(), druga = pierwsza;
    in_main_window([&] {
        load::laduj_baze_regul(ctx());
        importuj();
        pierwsza = load::laduj_baze_modeli(ctx());
        druga = load::laduj_baze_modeli(ctx());
    });
    EXPECT_EQ(pierwsza, load::LoadResult::loaded(path("MOmk.BQZ")));
    EXPECT_EQ(druga, load::LoadResult::loaded(path("MOmk.BQZ")));
    EXPECT_EQ(argumenty(), (std::vector<NazwaWartosc>{{"t", 7}, {"obcy", 1}}));
    EXPECT_EQ(fakty(), (std::vector<Fakt>{{"p", "0.9"}, {"r", "-0.2"}}));
}

TEST_F(ZaimportowaneTest, TheNextRuleBaseLoadStartsWithoutThem)
{
    start(std::string(kLoadRules) + kLoadRules);
    in_main_window([&] {
        load::laduj_baze_regul(ctx());
        importuj();
        load::laduj_baze_regul(ctx());
    });
    EXPECT_EQ(fakty(), (std::vector<Fakt>{{"p", "0.5"}}));
    EXPECT_TRUE(argumenty().empty());
    kb::forget_rule_base(ctx());
    EXPECT_TRUE(fakty().empty());
}

}  // namespace
