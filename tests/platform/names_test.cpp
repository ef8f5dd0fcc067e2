// Interned names: equal texts are one name however they were made, a name's text stays where
// it is while the table grows by many names (and by a name longer than a chunk), names order
// and join like their texts, and name lists convert to and from string lists unchanged.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/names.h"

namespace {

using facts::Name;
using facts::NameList;

TEST(Names, EqualTextsAreOneNameAndViewsStayThroughGrowth)
{
    const Name first("warunek_0");
    const std::string_view kept = first;
    const std::string long_text(3 << 20, 'x');  // longer than a chunk of the table
    std::vector<Name> names;
    for (int i = 0; i < 200000; ++i) names.emplace_back("warunek_" + std::to_string(i));
    const Name longest(long_text);
    EXPECT_EQ(names[0], first);
    EXPECT_EQ(names[0].id(), first.id());
    EXPECT_EQ(kept.data(), first.view().data());  // never moved
    EXPECT_EQ(kept, "warunek_0");
    EXPECT_EQ(names[199999], std::string("warunek_199999"));
    EXPECT_EQ(longest.view(), long_text);
    EXPECT_EQ(Name(std::string_view(long_text)), longest);
    EXPECT_NE(Name("warunek_1"), Name("warunek_10"));
}

// A table of its own: numbers follow the order names first came in, a look-up that must not add
// a name adds none, and every name is found again by its text after long names (each in a
// chunk of its own, between short names sharing chunks) and after the table outgrew what it
// was sized for.
TEST(Names, ATableFindsEveryNameByItsTextAndFindAddsNone)
{
    facts::NameTable table;
    table.reserve(100);
    EXPECT_EQ(table.find("a"), 0u);
    EXPECT_EQ(table.find(""), 0u);
    EXPECT_EQ(table.size(), 1u);  // the empty name only
    std::vector<std::string> texts;
    for (int i = 0; i < 30000; ++i) {
        texts.push_back("w_" + std::to_string(i));
        if (i % 10000 == 5) texts.push_back(std::string((2 << 20) + i, static_cast<char>('a' + i % 26)));
    }
    std::vector<std::uint32_t> ids;
    for (const std::string& t : texts) ids.push_back(table.intern(t));
    ASSERT_EQ(table.size(), texts.size() + 1);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(ids[i], i + 1) << i;
        EXPECT_EQ(table.text(ids[i]), texts[i]) << i;
        const std::string copy = texts[i];
        EXPECT_EQ(table.find(copy), ids[i]) << i;
        EXPECT_EQ(table.intern(copy), ids[i]) << i;
    }
    for (const char* absent : {"w_30000", "w_", "w_1 ", "W_1"}) EXPECT_EQ(table.find(absent), 0u) << absent;
    EXPECT_EQ(table.size(), texts.size() + 1);
}

TEST(Names, TheEmptyNameIsTheDefaultOne)
{
    EXPECT_TRUE(Name().empty());
    EXPECT_EQ(Name(""), Name());
    EXPECT_EQ(Name(std::string()).view(), "");
    EXPECT_FALSE(Name(" ").empty());
}

TEST(Names, OrderComparisonAndJoiningFollowTheTexts)
{
    // Made in the opposite order of their texts: the numbers would order them the other way.
    const Name b("b"), a("a"), polish("ą"), upper("B");
    EXPECT_LT(a, b);
    EXPECT_LT(upper, a);
    EXPECT_LT(b, polish);  // byte order of UTF-8, as strings compare
    EXPECT_EQ(a, "a");
    EXPECT_EQ("a", a);
    EXPECT_EQ(a, std::string("a"));
    EXPECT_EQ(a, std::string_view("a"));
    EXPECT_NE(a, "A");
    EXPECT_EQ("reguła " + a + ", " + b, "reguła a, b");
    const std::string prefix = "x";  // an lvalue string before a name, and a name before one
    EXPECT_EQ(prefix + a, "xa");
    EXPECT_EQ(a + prefix, "ax");
    EXPECT_EQ(a + b, "ab");
    EXPECT_EQ('(' + a + ')', "(a)");
    std::string s = "x";
    s += a;
    EXPECT_EQ(s, "xa");
}

// Code that reads strings takes a name as one: the same string every time, so a reference or
// a view kept from it outlives the call, and its text is the name's.
TEST(Names, ANameReadAsAStringIsOneStringThatStays)
{
    const auto address = [](const std::string& s) { return &s; };
    const Name name("argument_1");
    const std::string* first = address(name);
    for (int i = 0; i < 100000; ++i) (void)Name("inny_" + std::to_string(i));
    EXPECT_EQ(address(Name("argument_1")), first);
    EXPECT_EQ(*first, "argument_1");
    EXPECT_EQ(address(Name()), address(Name("")));
    EXPECT_EQ(*address(Name()), "");
    const std::string copy = name;
    EXPECT_EQ(copy, "argument_1");
}

TEST(Names, NameListsConvertToAndFromStringLists)
{
    const std::vector<std::string> texts{"pierwszy", "", "nżółw", "pierwszy"};
    const NameList names(texts);
    ASSERT_EQ(names.size(), 4u);
    EXPECT_EQ(names[0], names[3]);
    EXPECT_TRUE(names[1].empty());
    EXPECT_EQ(names, texts);
    EXPECT_EQ(static_cast<std::vector<std::string>>(names), texts);
    EXPECT_EQ(names.strings(), texts);
    EXPECT_FALSE(names == std::vector<std::string>({"pierwszy", "", "nżółw"}));
    EXPECT_EQ(NameList({"a", "b"}), NameList(std::vector<std::string>{"a", "b"}));
}

// Names made under a table of their own (a part of a file read on a thread of its own) stay out
// of the program's table; joining gives each the number it would have had, had the program's
// table interned them in that order: the old number of a name the program knew, new numbers in
// order for the rest. Renumbered, they are the program's names.
TEST(Names, NamesOfATableOfTheirOwnJoinTheProgramsTableInTheirOrder)
{
    const Name known("znana_nazwa_do_łączenia");
    facts::NameTable own;
    NameList made;
    {
        facts::NameTableScope scope(own);
        for (const char* text : {"nowa_1_do_łączenia", "znana_nazwa_do_łączenia", "nowa_2_do_łączenia",
                                 "nowa_1_do_łączenia", ""})
            made.emplace_back(text);
        EXPECT_EQ(made[1].view(), "znana_nazwa_do_łączenia");  // read through its own table
    }
    EXPECT_EQ(facts::name_table().find("nowa_1_do_łączenia"), 0u);
    EXPECT_EQ(own.size(), 4u);  // the empty name and three texts

    const std::size_t before = facts::name_table().size();
    const std::vector<std::uint32_t> numbers = facts::name_table().join(own);
    ASSERT_EQ(numbers.size(), own.size());
    EXPECT_EQ(numbers[0], 0u);
    for (Name& n : made) renumber(n, numbers);
    EXPECT_EQ(made[0].id(), before);
    EXPECT_EQ(made[1], known);
    EXPECT_EQ(made[2].id(), before + 1);
    EXPECT_EQ(made[3], made[0]);
    EXPECT_TRUE(made[4].empty());
    EXPECT_EQ(made, NameList({"nowa_1_do_łączenia", "znana_nazwa_do_łączenia", "nowa_2_do_łączenia",
                              "nowa_1_do_łączenia", ""}));
    EXPECT_EQ(facts::name_table().size(), before + 2);
}

}  // namespace
