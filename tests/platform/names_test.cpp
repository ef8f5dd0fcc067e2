// Interned names: equal texts are one name however they were made, a name's text stays where
// it is while the table grows by many names (and by a name longer than a chunk), names order
// and join like their texts, and name lists convert to and from string lists unchanged.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <span>
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

// The texts of each part made names under a table of the part's own, as a part of a file read
// on a thread of its own makes them, and where each part's numbers begin in a join's result.
struct PartsReadApart {
    std::vector<std::unique_ptr<facts::NameTable>> tables;
    std::vector<NameList> made;
    std::vector<std::size_t> first;
};

PartsReadApart read_apart(const std::vector<std::vector<std::string>>& texts)
{
    PartsReadApart parts;
    parts.made.resize(texts.size());
    parts.first = {0};
    for (std::size_t p = 0; p < texts.size(); ++p) {
        parts.tables.push_back(std::make_unique<facts::NameTable>());
        facts::NameTableScope scope(*parts.tables.back());
        for (const std::string& t : texts[p]) parts.made[p].emplace_back(t);
        for (std::size_t i = 0; i < texts[p].size(); ++i) EXPECT_EQ(parts.made[p][i].view(), texts[p][i]);
        parts.first.push_back(parts.first.back() + parts.tables.back()->size());
    }
    return parts;
}

// Names made under tables of their own (the parts of a file read side by side) stay out of the
// program's table; joining gives each the number one reading of the parts in order would have
// given: the old number of a name the program knew, new numbers in order of first occurrence
// for the rest, one number for a name several parts share. Renumbered, they are its names.
TEST(Names, NamesOfTablesOfTheirOwnJoinTheProgramsTableInTheirOrder)
{
    const Name known("znana_nazwa_do_łączenia");
    const std::vector<std::vector<std::string>> texts = {
        {"nowa_1_do_łączenia", "znana_nazwa_do_łączenia", "nowa_2_do_łączenia", "nowa_1_do_łączenia", ""},
        {"nowa_3_do_łączenia", "nowa_2_do_łączenia", "znana_nazwa_do_łączenia"},
        {},
        {"nowa_3_do_łączenia", "nowa_4_do_łączenia"},
    };
    auto [tables, made, first] = read_apart(texts);
    EXPECT_EQ(facts::name_table().find("nowa_1_do_łączenia"), 0u);
    EXPECT_EQ(tables[0]->size(), 4u);  // the empty name and three texts

    const std::uint32_t before = static_cast<std::uint32_t>(facts::name_table().size());
    const auto numbers = facts::name_table().join(tables);
    ASSERT_EQ(numbers.size(), first.back());
    for (std::size_t p = 0; p < texts.size(); ++p) {
        EXPECT_FALSE(tables[p]) << p;  // gone once joined
        for (Name& n : made[p]) renumber(n, std::span(numbers).subspan(first[p]));
        EXPECT_EQ(made[p], NameList(texts[p])) << p;
    }
    EXPECT_EQ(made[0][0].id(), before);
    EXPECT_EQ(made[0][1], known);
    EXPECT_EQ(made[0][2].id(), before + 1);
    EXPECT_EQ(made[1][0].id(), before + 2);
    EXPECT_EQ(made[3][1].id(), before + 3);
    EXPECT_EQ(facts::name_table().size(), before + 4);
}

// Many parts sharing many names, as a large file's parts do: every name is numbered as one
// reading in order numbers it, however the look-ups were shared out among threads.
TEST(Names, ManyPartsJoinAsOneReadingInOrder)
{
    std::vector<std::vector<std::string>> texts(7);
    for (std::size_t p = 0; p < texts.size(); ++p)
        for (int i = 0; i < 20000; ++i)
            texts[p].push_back("wspólna_" + std::to_string((i * 31 + static_cast<int>(p) * 7777) % 50000));
    auto [tables, made, first] = read_apart(texts);
    const Name held("wspólna_7");  // known before the join
    facts::NameTable& table = facts::name_table();
    const std::uint32_t before = static_cast<std::uint32_t>(table.size());
    const auto numbers = table.join(tables);
    std::uint32_t next = before;
    for (std::size_t p = 0; p < texts.size(); ++p)
        for (std::size_t i = 0; i < texts[p].size(); ++i) {
            Name n = made[p][i];
            renumber(n, std::span(numbers).subspan(first[p]));
            ASSERT_EQ(n.view(), texts[p][i]);
            if (n.id() >= before) {
                ASSERT_LE(n.id(), next) << texts[p][i];
                if (n.id() == next) ++next;
            }
        }
    EXPECT_EQ(table.size(), next);
    EXPECT_EQ(table.find("wspólna_7"), held.id());
}

}  // namespace
