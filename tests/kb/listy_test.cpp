// The list and set utilities and the negation convention: one table of cases per function,
// with the order, repeats and occurrence rules that the load checks rely on.
#include "kb/listy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/names.h"
#include "platform/cp1250_key.h"

namespace kb {
namespace {

struct Case2 {
    SList a;
    SList b;
    SList expected;
};

TEST(Listy, Sortuj)
{
    const std::vector<std::pair<SList, SList>> cases = {
        {{}, {}},
        {{"b", "a", "B", "b"}, {"B", "a", "b", "b"}},  // upper case first, repeats kept
        {{"ab", "a"}, {"a", "ab"}},                    // a beginning sorts first
        {{"ż", "z", "Z", "ą", "a"}, {"Z", "a", "z", "ą", "ż"}},  // Polish letters after ASCII, in CP1250 order
        {{"e", "d", "c", "b", "a"}, {"a", "b", "c", "d", "e"}},
        {{"x"}, {"x"}},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(sortuj(in), out) << ::testing::PrintToString(in);
}

// The lists of names answer as the lists of their texts, also where a sort meets a list that is
// sorted but for its tail, and keys that agree in their first eight bytes.
TEST(Listy, NameListsAgreeWithTextLists)
{
    SList dlugie;
    for (int i = 0; i < 300; ++i) dlugie.push_back("wartość_" + std::to_string(i * 7919 % 300));
    SList posortowane_z_ogonem = sortuj(dlugie);
    posortowane_z_ogonem.insert(posortowane_z_ogonem.end(), {"a", "wartość_150", "ź", "wartość_", "wartość_1500"});
    const std::vector<SList> listy = {
        {},
        {"b", "a", "B", "b"},
        {"a", "b", "c", "a"},
        {"wartość_b", "wartość_a", "wartość_ab", "wartość_", "wartość", "ab", "a"},
        {"ż", "z", "Z", "ą", "a", "ść", "s"},
        dlugie,
        posortowane_z_ogonem,
    };
    for (const SList& a : listy) {
        const NameList na(a);
        EXPECT_EQ(sortuj(na), sortuj(a)) << ::testing::PrintToString(a);
        EXPECT_EQ(redukuj(na), redukuj(a)) << ::testing::PrintToString(a);
        for (const SList& b : listy) EXPECT_EQ(roznica_zbiorow(na, NameList(b)), roznica_zbiorow(a, b));
    }
}

TEST(Listy, RedukujKeepsLastOccurrences)
{
    const std::vector<std::pair<SList, SList>> cases = {
        {{"a", "a"}, {"a"}},
        {{}, {}},
        {{"a", "b", "a", "c"}, {"b", "a", "c"}},
        {{"b", "a", "b"}, {"a", "b"}},
        {{"A", "a", "a "}, {"A", "a", "a "}},  // case and trailing blanks count
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(redukuj(in), out) << ::testing::PrintToString(in);
    EXPECT_EQ(redukuj(IList{1, 2, 1, 3}), (IList{2, 1, 3}));
}

TEST(Listy, RoznicaZbiorow)
{
    const std::vector<Case2> cases = {
        {{"a", "b", "a", "c"}, {"a", "x"}, {"b", "c"}},
        {{"a", "b", "b"}, {}, {"a", "b", "b"}},
        {{}, {"a"}, {}},
        {{"b", "a", "b"}, {"a"}, {"b", "b"}},
        {{"A", "a"}, {"a"}, {"A"}},
    };
    for (const auto& c : cases) EXPECT_EQ(roznica_zbiorow(c.a, c.b), c.expected) << ::testing::PrintToString(c.a);
    EXPECT_EQ(roznica_zbiorow(IList{1, 2, 1, 3}, IList{1}), (IList{2, 3}));
}

TEST(Listy, IloczynZbiorow)
{
    const std::vector<Case2> cases = {
        {{"a", "b", "a"}, {"a"}, {"a", "a"}},
        {{}, {"a", "b"}, {}},
        {{"c", "b", "a"}, {"a", "b"}, {"b", "a"}},  // the first list's order
        {{"a"}, {"A"}, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(iloczyn_zbiorow(c.a, c.b), c.expected) << ::testing::PrintToString(c.a);
    EXPECT_EQ(iloczyn_zbiorow(IList{3, 1, 3}, IList{3}), (IList{3, 3}));
}

TEST(Listy, SumaZbiorow)
{
    const std::vector<Case2> cases = {
        {{"a", "b", "a", "c"}, {"c", "d"}, {"a", "b", "a", "c", "d"}},
        {{"x", "y"}, {"y", "x"}, {"y", "x"}},
        {{}, {"q"}, {"q"}},
        {{"p"}, {}, {"p"}},
        {{"q", "q"}, {"q"}, {"q"}},
    };
    for (const auto& c : cases) EXPECT_EQ(suma_zbiorow(c.a, c.b), c.expected) << ::testing::PrintToString(c.a);
}

TEST(Listy, UsunAndJoins)
{
    EXPECT_EQ(usun("a", SList{"a", "b", "a"}), (SList{"b"}));
    EXPECT_EQ(usun("x", SList{"a"}), (SList{"a"}));
    EXPECT_EQ(usun_wszystkie("bez warunku", {"bez warunku", "a", "bez warunku"}), (SList{"a"}));
    EXPECT_EQ(usun_i(2, {2, 1, 2}), (IList{1}));
    EXPECT_EQ(dolaczenie({"a"}, {"b", "a"}), (SList{"a", "b", "a"}));
    EXPECT_EQ(dolaczenie_i({1}, {}), (IList{1}));
    EXPECT_EQ(usuniecie_list_wewnetrznych({}), SList{});
    EXPECT_EQ(usuniecie_list_wewnetrznych({{"a", "b"}, {"c"}}), (SList{"a", "b", "c"}));
    EXPECT_EQ(usuniecie_list_wewnetrznych_i({{1}, {}, {2, 3}}), (IList{1, 2, 3}));
}

TEST(Listy, UsunWszystkieOfNumbers)
{
    const std::vector<std::pair<IList, IList>> cases = {
        {{0, 5, 0, 7}, {5, 7}},
        {{5}, {5}},
        {{}, {}},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(usun_wszystkie(0, in), out) << ::testing::PrintToString(in);
}

// One occurrence at a time: the first, then each later one on a further answer.
TEST(Listy, UsunJeden)
{
    struct Case {
        IList list;
        std::size_t later;
        std::optional<IList> expected;
    };
    const std::vector<Case> cases = {
        {{4, 2, 4}, 0, IList{2, 4}},
        {{4, 2, 4}, 1, IList{4, 2}},
        {{4, 2, 4}, 2, std::nullopt},
        {{2}, 0, std::nullopt},
        {{}, 0, std::nullopt},
        {{4}, 0, IList{}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(usun_jeden(4, c.list, c.later), c.expected) << ::testing::PrintToString(c.list) << c.later;
    EXPECT_EQ(usun_jeden("a", SList{"b", "a", "a"}), (SList{"b", "a"}));
    EXPECT_EQ(usun_jeden("a", SList{"b", "a", "c", "a"}, 1), (SList{"b", "a", "c"}));
    EXPECT_EQ(usun_jeden("A", SList{"a"}), std::nullopt);
}

TEST(Listy, ElementLengthAndChoice)
{
    EXPECT_TRUE(element("b", {"a", "b"}));
    EXPECT_FALSE(element("B", {"a", "b"}));
    EXPECT_TRUE(element(3, IList{1, 3}));
    EXPECT_EQ(dlugosc_listy_s({}), 0);
    EXPECT_EQ(dlugosc_listy_s({"a", "a"}), 2);
    EXPECT_EQ(dlugosc_listy_i({5}), 1);

    const std::vector<std::pair<std::int32_t, std::optional<std::string>>> cases = {
        {1, "a"}, {2, "b"}, {3, std::nullopt}, {0, std::nullopt}, {-1, std::nullopt}};
    for (const auto& [n, e] : cases) {
        EXPECT_EQ(wybierz_element_z_listy(n, {"a", "b"}), e) << n;
        EXPECT_EQ(string_z_pozycji({"a", "b"}, n), e) << n;
    }

    // The helpers of the list windows.
    EXPECT_EQ(zmien_na_stringa({3, 10, -2}), (SList{"3", "10", "-2"}));
    EXPECT_EQ(dlugosc_listy1(SList{}), 0);
    EXPECT_EQ(dlugosc_listy1(IList{7, 7}), 2);
    EXPECT_EQ(zmien_na_string({"x", "y"}), "x");
    EXPECT_EQ(zmien_na_string({}), std::nullopt);
}

// Lower-case "n" alone marks a negation, whatever the rest of the name.
TEST(Listy, Negacja)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"wysoka", "nwysoka"}, {"nwysoka", "wysoka"}, {"nnx", "nx"}, {"n", ""},
        {"", "n"},             {"Nx", "nNx"},         {"niski", "iski"},  // merely begins with n
        {"ńx", "nńx"},
    };
    for (const auto& [a, b] : cases) {
        EXPECT_EQ(negacja(a), b) << a;
        EXPECT_TRUE(negacja(a, b)) << a;
        EXPECT_TRUE(negacja(b, a)) << a;
    }
    EXPECT_FALSE(negacja("x", "x"));
    EXPECT_FALSE(negacja("Nx", "x"));
    EXPECT_FALSE(negacja("nnx", "x"));
}

TEST(Listy, UsunNegacjeTakesOneLeadingN)
{
    EXPECT_EQ(usun_negacje(SList{"nnA", "n", "", "A", "NA", "nA", "nA"}), (SList{"nA", "", "", "A", "NA", "A", "A"}));
    EXPECT_EQ(usun_negacje(SList{}), SList{});
}

// Lists long enough to be sorted and stripped of negations in parts side by side: the order
// is that of comparing the CP1250 keys one pair at a time, and the forms without negation are
// those of the texts, made names in the list's order where the program had none yet.
TEST(Listy, LongListsSortAndLoseNegationsAsShortOnesDo)
{
    SList texts;
    for (int i = 0; i < 90000; ++i) {
        const int k = i * 7919 % 40000;
        texts.push_back((k % 5 == 0 ? "n" : "") + std::string(k % 3 ? "wartość_" : "żółw_") + std::to_string(k));
        if (i % 1000 == 0) texts.insert(texts.end(), {"n", "", "nn", "Z", "ą", "nowy_długi_" + std::to_string(i)});
    }
    std::vector<std::pair<std::string, std::string>> keyed;  // key, text
    for (const std::string& t : texts) {
        keyed.emplace_back(std::string(), t);
        text::append_cp1250_key(t, keyed.back().first);
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    SList expected;
    for (const auto& [key, t] : keyed) expected.push_back(t);
    EXPECT_EQ(sortuj(texts), expected);
    EXPECT_EQ(sortuj(NameList(texts)), expected);

    const SList stripped = usun_negacje(texts);
    std::vector<bool> had_name;
    for (const std::string& t : stripped) had_name.push_back(t.empty() || facts::name_table().find(t) != 0);
    ASSERT_TRUE(std::count(had_name.begin(), had_name.end(), false) > 100);
    const NameList forms = usun_negacje(NameList(texts));
    EXPECT_EQ(forms, stripped);
    // The forms the program had no name for are numbered in the order the list first needs them.
    std::uint32_t last = 0;
    for (std::size_t i = 0; i < forms.size(); ++i)
        if (!had_name[i] && forms[i].id() > last) {
            EXPECT_EQ(forms[i].id(), last == 0 ? forms[i].id() : last + 1) << forms[i];
            last = forms[i].id();
        }
}

}  // namespace
}  // namespace kb
