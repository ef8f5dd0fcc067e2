// The search for redundant rules: the pairs and flattened forms of small bases of our own, in
// the order found, and its limits.
#include "diagnostics/nadmiar.h"

#include <gtest/gtest.h>

#include "rule_lines.h"

namespace diagnostics {
namespace {

using facts::SList;
using Pairs = std::vector<kb::RegulyNadmiarowe>;

class NadmiarTest : public testing::RuleLinesTest {
protected:
    bool search(const std::vector<std::string>& lines, Omissions& o, std::uint64_t max_steps = 50'000'000)
    {
        ctx().db.wyniki_diagnoz.visit([](std::string_view, auto& facts) { facts.remove_all(); });
        rules(lines);
        return wyznacz_nadmiar_p(ctx(), o, {}, max_steps);
    }
};

TEST_F(NadmiarTest, PairsOfSmallBases)
{
    struct Case {
        std::vector<std::string> rules;
        Pairs pairs;
    };
    const std::vector<Case> cases = {
        {{"1|w|a", "2|v|a"}, {}},
        {{"1|w|a", "2|w|a,b"}, {{1, 2}}},
        {{"1|w|a,b", "2|w|a"}, {{1, 2}}},
        {{"1|w|b,a", "2|w|a,b"}, {{1, 2}}},
        {{"1|w|a", "2|w|a", "3|w|a"}, {{1, 2}, {1, 3}, {2, 3}}},
        {{"1|w|a,b", "2|w|b,c"}, {}},
        {{"1|w|bez warunku", "2|w|bez warunku"}, {}},
        {{"1|w|a", "2|w|na"}, {}},
        {{"1|w|a", "2|w|A"}, {}},
        {{"1|w|a", "1|w|a,b"}, {}},  // one number: never compared
        {{"1|w|c", "2|w|d,e", "3|c|d", "4|c|e"}, {{1, 2}, {1, 2}}},  // both forms of rule 1
        {{"2|w|x", "1|w|x,y", "5|x|a"}, {{2, 1}}},  // the earlier rule first, whatever its number
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.rules));
        Omissions o;
        EXPECT_EQ(search(c.rules, o), c.pairs.empty());
        EXPECT_TRUE(o.empty());
        EXPECT_EQ(ctx().db.wyniki_diagnoz.reguly_nadmiarowe_n1.all(), c.pairs);
        EXPECT_EQ(ctx().db.wyniki_diagnoz.para_splaszczona_n1.size(), c.pairs.size());
        EXPECT_EQ(ctx().db.wyniki_diagnoz.jest_nadmiar.all(), c.pairs.empty() ? SList{} : SList{"TAK"});
    }
}

TEST_F(NadmiarTest, TheFormsThatShowTheRedundancy)
{
    Omissions o;
    search({"1|w|c", "2|w|d,e", "3|c|d", "4|c|e"}, o);
    EXPECT_EQ(ctx().db.wyniki_diagnoz.para_splaszczona_n1.all(),
              (std::vector<kb::ParaSplaszczona>{{1, "w", {"d"}, {3}, 2, {"e", "d"}, {}},
                                                {1, "w", {"e"}, {4}, 2, {"e", "d"}, {}}}));
}

// Rules that depend on themselves are left out and named; the comparisons stop at their limit.
TEST_F(NadmiarTest, OmissionsAreNamed)
{
    Omissions cyclic;
    EXPECT_TRUE(search({"1|p|q", "2|q|p", "3|p|a", "4|p|b"}, cyclic));
    EXPECT_EQ(cyclic.self_dependent(), (std::vector<Omissions::Rule>{{1, "p"}}));

    Omissions stopped;
    search({"1|w|a", "2|w|a", "3|w|a", "4|w|a"}, stopped, 7);
    EXPECT_TRUE(stopped.search_stopped());
    EXPECT_EQ(ctx().db.wyniki_diagnoz.reguly_nadmiarowe_n1.all(), (Pairs{{1, 2}, {1, 3}}));
}

}  // namespace
}  // namespace diagnostics
