// The set of names by number, both ways it keeps them: marks over the whole name table, and
// the open-addressing table of a small set that grows well past what it was sized for.
#include "kb/name_number_set.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kb {
namespace {

TEST(NameNumberSet, SmallAndLargeSetsAnswerAlike)
{
    std::vector<facts::Name> names;
    for (int i = 0; i < 3000; ++i) names.emplace_back("zbior_" + std::to_string(i));
    const facts::Name poza("zbior_poza");
    for (const std::size_t expected : {std::size_t{0}, std::size_t{4}, facts::name_table().size()}) {
        NameNumberSet set(expected);
        EXPECT_FALSE(set.contains(facts::Name()));
        for (std::size_t i = 0; i < names.size(); i += 2) EXPECT_TRUE(set.insert(names[i])) << expected << " " << i;
        for (std::size_t i = 0; i < names.size(); ++i) {
            EXPECT_EQ(set.contains(names[i]), i % 2 == 0) << expected << " " << i;
            EXPECT_EQ(set.insert(names[i]), i % 2 == 1) << expected << " " << i;
        }
        EXPECT_FALSE(set.contains(poza)) << expected;
        EXPECT_TRUE(set.insert(facts::Name())) << expected;  // the empty name is a name as any other
        EXPECT_FALSE(set.insert(facts::Name())) << expected;
    }
}

// Names interned after a set of marks was made are beyond its marks: they are still found.
TEST(NameNumberSet, NamesNewerThanTheSet)
{
    NameNumberSet set(facts::name_table().size());
    const facts::Name nowa("zbior_nowa_" + std::to_string(facts::name_table().size()));
    EXPECT_FALSE(set.contains(nowa));
    EXPECT_TRUE(set.insert(nowa));
    EXPECT_TRUE(set.contains(nowa));
}

}  // namespace
}  // namespace kb
