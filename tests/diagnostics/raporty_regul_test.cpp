// The reports of the rule-base diagnoses at their edges: no rule base loaded, nothing found,
// and the chain writer. The full reports are shown by the scenarios diagnostyka_*.
#include <gtest/gtest.h>

#include "diagnostics/diagnozy.h"
#include "diagnostics/sprzecznosc_zewnetrzna.h"
#include "kb/pisz.h"
#include "rule_lines.h"

namespace diagnostics {
namespace {

class RaportyRegulTest : public testing::RuleLinesTest {};

// A report item stays enabled after its base is forgotten: the report then says there is no
// rule base, and leaves the report text alone.
TEST_F(RaportyRegulTest, WithoutARuleBaseEachReportSaysSo)
{
    start("note \"Uwaga!\"\nnote \"Uwaga!\"\nnote \"Uwaga!\"\n");
    kb::lista_dla_raportu(ctx(), {"poprzedni raport"});
    EXPECT_FALSE(pisz_sprzecznosc_1z(ctx()));
    EXPECT_FALSE(pisz_sprzecznosc_1w(ctx()));
    EXPECT_FALSE(pisz_nadmiar_p(ctx()));
    EXPECT_EQ(lines_after("note"), std::vector<std::string>(3, "\"Uwaga!\": \"Brak bazy reguł do diagnozowania!\""));
    EXPECT_EQ(ctx().db.baza_raportu.tekst_raportu.first(), "poprzedni raport");
}

// Nothing found: one note each, no report written.
TEST_F(RaportyRegulTest, NothingFound)
{
    start("note\nnote\nnote\n");
    loaded({"1|w|a"});
    kb::lista_dla_raportu(ctx(), {"poprzedni raport"});
    EXPECT_TRUE(pisz_sprzecznosc_1z(ctx()));
    EXPECT_TRUE(pisz_sprzecznosc_1w(ctx()));
    EXPECT_TRUE(pisz_nadmiar_p(ctx()));  // searches first when no pair is recorded
    EXPECT_EQ(lines_after("note"),
              (std::vector<std::string>{
                  "\"Uwaga!\": \"Baza reguł rozwinieta niepewna\\n   REtest.BQZ\\nnie jest zewnętrznie SQZ1-sprzeczna.\"",
                  "\"Wynik diagnozowania sprzeczności wewnętrznej\": \"Baza reguł REtest.BQZ nie jest wewnętrznie "
                  "SQZ1 sprzeczna.\"",
                  "\"Wynik diagnozowania nadmiarowości bazy reguł\": \"Baza reguł rozwinięta niepewna\\n   "
                  "REtest.BQZ\\nnie ma reguł nadmiarowych!\""}));
    EXPECT_EQ(ctx().db.baza_raportu.tekst_raportu.first(), "poprzedni raport");
}

TEST_F(RaportyRegulTest, ChainWriter)
{
    const std::vector<std::pair<facts::IList, std::string>> cases = {{{3, 7}, "3 ==> 7\n"}, {{12}, "12\n"}};
    for (const auto& [chain, written] : cases) {
        kb::kasowanie_tekst_raportu(ctx());
        EXPECT_TRUE(pisz_podstawienie(ctx(), chain));
        EXPECT_EQ(ctx().db.baza_raportu.tekst_raportu.first(), written);
    }
    EXPECT_FALSE(pisz_podstawienie(ctx(), {}));
}

}  // namespace
}  // namespace diagnostics
