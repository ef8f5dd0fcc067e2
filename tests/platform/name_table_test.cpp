// The name tables of the whole-base computations: a name is found again however the table
// grew, equal names are one entry, and a name is never confused with another of the same hash
// bucket. Pure in-memory tests.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/name_table.h"

namespace {

TEST(NameTable, KeepsEachNameOnceThroughGrowth)
{
    std::vector<std::string> names;
    for (int i = 0; i < 5000; ++i) names.push_back("warunek_" + std::to_string(i));
    names.push_back("");  // the empty name is a name too
    names.push_back("żółw");
    platform::NameMap<int> map;
    for (std::size_t i = 0; i < names.size(); ++i) {
        auto [value, added] = map.try_emplace(names[i]);
        EXPECT_TRUE(added) << names[i];
        *value = static_cast<int>(i);
    }
    EXPECT_EQ(map.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string copy = names[i];  // found by its text, not by where it is stored
        ASSERT_NE(map.find(copy), nullptr) << copy;
        EXPECT_EQ(*map.find(copy), static_cast<int>(i));
        EXPECT_FALSE(map.try_emplace(copy).second);
    }
    EXPECT_EQ(map.size(), names.size());
    for (const char* absent : {"warunek_5000", "warunek_", "Żółw", "żółw "}) EXPECT_FALSE(map.contains(absent)) << absent;
}

TEST(NameTable, SetsAnswerMembership)
{
    platform::NameSet set(2);
    EXPECT_TRUE(set.insert("a"));
    EXPECT_TRUE(set.insert("ab"));
    EXPECT_FALSE(set.insert("a"));
    EXPECT_TRUE(set.contains("ab"));
    EXPECT_FALSE(set.contains("b"));
    EXPECT_FALSE(set.contains(std::string_view{}));
    EXPECT_TRUE(set.insert(std::string_view{}));
    EXPECT_TRUE(set.contains(""));
    EXPECT_EQ(set.size(), 3u);
}

}  // namespace
