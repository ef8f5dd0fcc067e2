// The list and text helpers of the diagnoses: subset tests, number texts, the list writers of
// report lines (what reaches the report text, empty lists included) and the intersection of
// condition lists.
#include "diagnostics/listy_diagnoz.h"

#include <gtest/gtest.h>

#include "../kb/kb_harness.h"
#include "diagnostics/zbiory_warunkow.h"
#include "kb/pisz.h"

namespace diagnostics {
namespace {

using facts::IList;
using facts::SList;

TEST(ListyDiagnoz, Subsets)
{
    struct Case {
        SList a, b;
        bool podzbior, ogolny;
    };
    const std::vector<Case> cases = {
        {{"a", "b"}, {"b", "a", "c"}, true, true},
        {{"b", "a", "c"}, {"a", "b"}, false, true},
        {{"a", "d"}, {"b", "c"}, false, false},
        {{}, {"x"}, true, true},
        {{"a", "a"}, {"a"}, true, true},
        {{"a"}, {"A"}, false, false},
        {{"a", "na"}, {"na", "b"}, false, false},
        {{"a", "b", "c", "d", "e"}, {"e", "d", "c", "b", "a", "f"}, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.a) + ::testing::PrintToString(c.b));
        EXPECT_EQ(podzbior(c.a, c.b), c.podzbior);
        EXPECT_EQ(podzbior_ogolny(c.a, c.b), c.ogolny);
    }
    EXPECT_TRUE(nie_jest_elementem("a", {}));
    EXPECT_FALSE(nie_jest_elementem("a", {"b", "a"}));
}

TEST(ListyDiagnoz, NumberTexts)
{
    EXPECT_EQ(lista_str_int({3, -7, 12}), (SList{"3", "-7", "12"}));
    EXPECT_EQ(zmien_na_stringa1({12}), SList{"12==>"});
    std::string chain = tworz_string(zmien_na_stringa1({1, 2, 3}));
    EXPECT_EQ(chain.substr(0, chain.size() - 3), "1==>2==>3");
    EXPECT_EQ(tworz_string1({"5", "7"}), "5, 7, ");
    EXPECT_EQ(tworz_string1({}), "");
}

TEST(ListyDiagnoz, IloczynMnogosciowy)
{
    EXPECT_EQ(iloczyn_mnogosciowy({{"a", "b", "a"}, {"a", "c"}}), (SList{"a", "a"}));
    EXPECT_EQ(iloczyn_mnogosciowy({{"x"}}), SList{"x"});
    EXPECT_EQ(iloczyn_mnogosciowy({{"b", "a"}, {"a", "b"}, {"a"}}), SList{"a"});
    EXPECT_EQ(iloczyn_mnogosciowy({}), std::nullopt);
}

class ListWriters : public kb::testing::KbHarness {};

// What the writers append to the report text; the empty list of strings closes with "]" alone.
TEST_F(ListWriters, WriteTheReportLine)
{
    const std::vector<std::pair<SList, std::string>> s_cases = {{{"a", "b"}, "a,b]"}, {{"a"}, "a]"}, {{}, "]"}};
    for (const auto& [list, written] : s_cases) {
        kb::kasowanie_tekst_raportu(ctx());
        pisz_liste_dla_raportu_s(ctx(), list);
        EXPECT_EQ(ctx().db.baza_raportu.tekst_raportu.first(), written);
    }
    const std::vector<std::pair<SList, std::string>> i_cases = {{{"3", "7"}, "3,7\n"}, {{}, "\n"}};
    for (const auto& [list, written] : i_cases) {
        kb::kasowanie_tekst_raportu(ctx());
        pisz_liste_dla_raportu_i(ctx(), list);
        EXPECT_EQ(ctx().db.baza_raportu.tekst_raportu.first(), written);
    }
}

}  // namespace
}  // namespace diagnostics
