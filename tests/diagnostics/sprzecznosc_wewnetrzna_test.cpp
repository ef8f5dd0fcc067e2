// The search for internal contradictions: the flattened rules and findings of small bases of
// our own, found whatever the order of the conditions, and the rules it leaves out and says so.
#include "diagnostics/sprzecznosc_wewnetrzna.h"

#include <gtest/gtest.h>

#include "rule_lines.h"

namespace diagnostics {
namespace {

using facts::IList;
using facts::SList;
using Records = std::vector<kb::RegulaSplaszczona>;

class SprzecznoscWewnetrznaTest : public testing::RuleLinesTest {};

TEST_F(SprzecznoscWewnetrznaTest, FindingsOfSmallBases)
{
    struct Case {
        std::vector<std::string> rules;
        Records findings;
    };
    const std::vector<Case> cases = {
        {{"1|w|a,na"}, {{1, "w", {"na", "a"}, {}}}},
        {{"1|w|na,a"}, {{1, "w", {"a", "na"}, {}}}},
        {{"5|w|a,na,b,nb"}, {{5, "w", {"nb", "b", "na", "a"}, {}}, {5, "w", {"nb", "b", "na", "a"}, {}}}},
        {{"5|w|b,a,nb,na"}, {{5, "w", {"na", "nb", "a", "b"}, {}}, {5, "w", {"na", "nb", "a", "b"}, {}}}},
        {{"1|w|na,nna"}, {{1, "w", {"nna", "na"}, {}}}},
        {{"1|w|nna,na"}, {{1, "w", {"na", "nna"}, {}}}},  // whatever the order
        {{"1|w|nna,na,a"}, {{1, "w", {"a", "na", "nna"}, {}}, {1, "w", {"a", "na", "nna"}, {}}}},
        {{"1|w|a,na,nna"}, {{1, "w", {"nna", "na", "a"}, {}}, {1, "w", {"nna", "na", "a"}, {}}}},
        {{"1|w|n,a"}, {}},
        {{"1|w|Na,a"}, {}},
        {{"1|w|a,b"}, {}},
        {{"3|w|x", "4|x|a,na"}, {{3, "w", {"a", "na"}, {4}}, {4, "x", {"na", "a"}, {}}}},
        {{"3|w|y,b", "4|y|nb"}, {{3, "w", {"b", "nb"}, {4}}}},  // the negation comes in through rule 4
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.rules));
        ctx().db.wyniki_diagnoz.visit([](std::string_view, auto& facts) { facts.remove_all(); });
        rules(c.rules);
        EXPECT_TRUE(wyznacz_sprzecznosc_1w(ctx()).empty());
        EXPECT_EQ(ctx().db.wyniki_diagnoz.sprzecznosc_1w.all(), c.findings);
        EXPECT_EQ(ctx().db.wyniki_diagnoz.sprzecznosc_1_w.all(), c.findings.empty() ? SList{} : SList{"TAK"});
    }
}

// One record per distinct contradictory flattening, its findings once: rule 9 has eight ways
// to choose, four different results, six pairs among them. Rule 8 has no contradiction and
// leaves no record.
TEST_F(SprzecznoscWewnetrznaTest, EqualFlatteningsMakeOneRecord)
{
    rules({"1|c|d", "2|c|e", "9|w|c,c,c,nd,ne", "8|v|c"});
    wyznacz_sprzecznosc_1w(ctx());
    EXPECT_EQ(ctx().db.wyniki_diagnoz.regula_splaszczona_1w.all(),
              (Records{{9, "w", {"ne", "nd", "d"}, {1}},
                       {9, "w", {"ne", "nd", "e", "d"}, {1, 2}},
                       {9, "w", {"ne", "nd", "d", "e"}, {2, 1}},
                       {9, "w", {"ne", "nd", "e"}, {2}}}));
    EXPECT_EQ(ctx().db.wyniki_diagnoz.sprzecznosc_1w.size(), 6u);
}

// A cyclic base ends: its rules that depend on themselves are left out, and named.
TEST_F(SprzecznoscWewnetrznaTest, CyclicRulesAreLeftOutAndNamed)
{
    rules({"1|p|q", "2|q|p,a", "3|w|a,na", "4|v|nw"});
    const Omissions o = wyznacz_sprzecznosc_1w(ctx());
    EXPECT_EQ(o.self_dependent(), (std::vector<Omissions::Rule>{{1, "p"}, {2, "q"}}));
    EXPECT_EQ(ctx().db.wyniki_diagnoz.sprzecznosc_1w.all(), (Records{{3, "w", {"na", "a"}, {}}}));
}

}  // namespace
}  // namespace diagnostics
