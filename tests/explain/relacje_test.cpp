// The relation tests of relational models and their opposites, case by case: exact comparison of
// doubles, exact relation texts, and the halves of interval relations that fail.
#include <gtest/gtest.h>

#include "explain/relacje.h"

namespace explain {
namespace {

TEST(Relacje, SingleRelations)
{
    struct Case {
        std::string rel;
        double v1, v2;
        bool holds;
    };
    const std::vector<Case> cases = {
        {"==", 2.5, 2.5, true},  {"><", 2.5, 2.5, false}, {"<>", 2.5, 2.5, false}, {"<>", 1.0, 2.0, true},
        {">=", 3.0, 3.0, true},  {"<=", 3.0, 3.0, true},  {">", 3.0, 3.0, false},  {"<", 1.0, 2.0, true},
        {"==", 0.1 + 0.2, 0.3, false},  // no tolerance
        {" >", 3.0, 1.0, false}, {"=", 1.0, 1.0, false},  {"<,<", 1.0, 2.0, false},
    };
    for (const Case& c : cases) EXPECT_EQ(relacja(c.rel, c.v1, c.v2), c.holds) << c.rel << " " << c.v1 << " " << c.v2;
}

TEST(Relacje, IntervalRelations)
{
    struct Case {
        std::string rel;
        double v1, v2, v3;
        bool holds;
    };
    const std::vector<Case> cases = {
        {"<=,<", 1.0, 1.0, 2.0, true}, {"<,<", 1.0, 1.0, 2.0, false}, {"<,<=", 1.0, 2.0, 2.0, true},
        {"<=,<=", 1.0, 1.0, 1.0, true}, {"<,<", 1.0, 2.0, 3.0, true}, {"<", 1.0, 2.0, 3.0, false},
    };
    for (const Case& c : cases) EXPECT_EQ(relacja_r(c.rel, c.v1, c.v2, c.v3), c.holds) << c.rel;
}

TEST(Relacje, Opposites)
{
    const std::vector<std::pair<std::string, std::optional<std::string>>> cases = {
        {">", "<="}, {"<", ">="}, {">=", "<"}, {"<=", ">"}, {"==", "><"}, {"><", "=="}, {"<>", "=="}, {"=>", std::nullopt},
    };
    for (const auto& [rel, opposite] : cases) EXPECT_EQ(relacja_przeciwna(rel), opposite) << rel;
}

TEST(Relacje, FailingHalvesOfAnIntervalRelationLeftFirst)
{
    using P = PrzeciwnaPolowa;
    struct Case {
        std::string rel;
        double v1, v2, v3;
        std::vector<P> answers;
    };
    const std::vector<Case> cases = {
        {"<,<", 5.0, 3.0, 1.0, {{5.0, ">=", 3.0, "a", "b"}, {3.0, ">=", 1.0, "b", "c"}}},
        {"<,<=", 1.0, 3.0, 2.0, {{3.0, ">", 2.0, "b", "c"}}},
        {"<=,<", 2.0, 1.0, 3.0, {{2.0, ">", 1.0, "a", "b"}}},
        {"<=,<=", 1.0, 1.0, 1.0, {}},  // it holds
        {"<", 5.0, 3.0, 1.0, {}},      // no interval relation
    };
    for (const Case& c : cases)
        EXPECT_EQ(relacja_przeciwna_r(c.rel, c.v1, "a", c.v2, "b", c.v3, "c"), c.answers) << c.rel;
}

TEST(Relacje, HalvesOfIntervalRelations)
{
    using Pair = std::pair<std::string, std::string>;
    EXPECT_EQ(wyznacz_parametry_relacji("<=,<"), (Pair{"<=", "<"}));
    EXPECT_EQ(wyznacz_parametry_relacji("<,<="), (Pair{"<", "<="}));
    EXPECT_EQ(wyznacz_parametry_relacji("<"), std::nullopt);
}

}  // namespace
}  // namespace explain
