// The grouping of values by name: each group keeps the order the values came in, looking up a
// text that no name has finds nothing (and adds no name), and the empty name is a key as any other.
#include "kb/name_index.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kb {
namespace {

std::vector<int> values(std::span<const int> group) { return {group.begin(), group.end()}; }

TEST(NameIndex, GroupsKeepTheOrderOfAdding)
{
    NameIndex<int> index;
    const std::vector<std::pair<std::string, int>> added = {
        {"b", 1}, {"a", 2}, {"b", 3}, {"", 4}, {"c", 5}, {"a", 6}, {"b", 7}, {"", 8},
    };
    for (const auto& [name, value] : added) index.add(facts::Name(name), value);
    index.build();
    const std::vector<std::pair<std::string, std::vector<int>>> cases = {
        {"a", {2, 6}}, {"b", {1, 3, 7}}, {"c", {5}}, {"", {4, 8}},
    };
    for (const auto& [name, expected] : cases) {
        EXPECT_EQ(values(index.of(facts::Name(name))), expected) << name;
        EXPECT_EQ(values(index.of(std::string_view(name))), expected) << name;
    }
}

TEST(NameIndex, UnknownNamesHaveNoGroup)
{
    NameIndex<int> index;
    index.add(facts::Name("obecna"), 1);
    index.build();
    EXPECT_TRUE(index.of(facts::Name("inna")).empty());
    const std::size_t names = facts::name_table().size();
    EXPECT_TRUE(index.of(std::string_view("nazwa, której nie ma w żadnej bazie")).empty());
    EXPECT_EQ(facts::name_table().size(), names);
    EXPECT_EQ(name_number("nazwa, której nie ma w żadnej bazie"), kNoName);

    NameIndex<int> empty;
    empty.build();
    EXPECT_TRUE(empty.of(facts::Name("obecna")).empty());
}

// Many names, so that their numbers need more than one pass of the radix sort; every group
// must still come out whole and in order.
TEST(NameIndex, ManyNamesInterleaved)
{
    constexpr int kNames = 5000;
    std::vector<facts::Name> names;
    for (int i = 0; i < kNames; ++i) names.emplace_back("grupa_" + std::to_string(i));
    NameIndex<int> index;
    for (int round = 0; round < 3; ++round)
        for (int i = kNames - 1; i >= 0; --i) index.add(names[static_cast<std::size_t>(i)], round * kNames + i);
    index.build();
    for (int i = 0; i < kNames; ++i)
        ASSERT_EQ(values(index.of(names[static_cast<std::size_t>(i)])),
                  (std::vector<int>{i, kNames + i, 2 * kNames + i}))
            << i;
}

TEST(StableOrderByKey, EqualKeysKeepTheirPlaces)
{
    const std::vector<std::uint32_t> keys = {70000, 3, 70000, 0, 3, 1u << 30, 0};
    EXPECT_EQ(stable_order_by_key(keys), (std::vector<std::uint32_t>{3, 6, 1, 4, 0, 2, 5}));
    EXPECT_TRUE(stable_order_by_key({}).empty());
}

}  // namespace
}  // namespace kb
