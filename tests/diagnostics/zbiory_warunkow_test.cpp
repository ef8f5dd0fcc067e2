// The set operations on lists of condition lists that the joint redundancy search compares
// groups of rules with: order and repeats of every result, and the finding criterion.
#include "diagnostics/zbiory_warunkow.h"

#include <gtest/gtest.h>

namespace diagnostics {
namespace {

using facts::ListaList;
using facts::SList;

TEST(ZbioryWarunkow, DifferencesComeInReverseOrderWithoutAnyOccurrence)
{
    EXPECT_EQ(roznica_mnogosciowa({{"a", "b", "a"}}, {"a"}), (ListaList{{"b"}}));
    EXPECT_EQ(roznica_mnogosciowa({{"a", "x"}, {"b", "x"}}, {"x"}, {{"z"}}), (ListaList{{"b"}, {"a"}, {"z"}}));
    EXPECT_EQ(roznica_mnogosciowa({}, {"x"}), ListaList{});
    EXPECT_EQ(usun_wspolne_2({{"a", "x"}, {"b", "x"}, {"c", "x"}}), (ListaList{{"c"}, {"b"}, {"a"}}));
    EXPECT_EQ(usun_wspolne_2({{"a", "x"}}), (ListaList{{}}));
    EXPECT_EQ(usun_wspolne_2({{"a", "x"}, {"a", "x"}}), (ListaList{{}, {}}));
    EXPECT_EQ(usun_wspolne_2({}), std::nullopt);
}

TEST(ZbioryWarunkow, SameElementsCountsRepeats)
{
    struct Case {
        SList a, b;
        bool same;
    };
    const Case cases[] = {
        {{"a", "b"}, {"b", "a"}, true},          {{"a", "a", "b"}, {"a", "b", "b"}, false},
        {{}, {}, true},                          {{"a"}, {}, false},
        {{}, {"a"}, false},                      {{"a", "b", "a"}, {"b", "a", "a"}, true},
        {{"a", "b"}, {"a", "b", "b"}, false},
    };
    for (const Case& c : cases) EXPECT_EQ(listy_o_jednakowych_elementach(c.a, c.b), c.same) << c.a.size();
    EXPECT_TRUE(element_lista({"b", "a"}, {{"c"}, {"a", "b"}}));
    EXPECT_FALSE(element_lista({"b", "a"}, {{"c"}, {"a"}}));
    EXPECT_FALSE(element_lista({}, {}));
}

TEST(ZbioryWarunkow, ReductionKeepsTheLastOfEqualLists)
{
    EXPECT_EQ(redukuj_lista({{"a", "b"}, {"c"}, {"b", "a"}}), (ListaList{{"c"}, {"b", "a"}}));
    EXPECT_EQ(redukuj_lista({{"a"}, {"b"}, {"a"}}), (ListaList{{"b"}, {"a"}}));
    EXPECT_EQ(redukuj_lista({}), ListaList{});
    EXPECT_TRUE(nietrywialna({}));
    EXPECT_FALSE(nietrywialna({{"a"}, {}, {"b"}}));
}

TEST(ZbioryWarunkow, OppositeListsInTheirOrder)
{
    struct Case {
        ListaList listy;
        SList warunki;
        bool wynik;
    };
    const Case cases[] = {
        {{{"b"}, {"a"}}, {"a", "b"}, true},
        {{{"a"}, {"b"}, {"c", "d"}}, {"a", "b"}, true},  // the third is not looked at
        {{{"a"}}, {"a", "b"}, false},
        {{{"a", "b"}}, {"a", "b"}, false},
        {{{"a"}, {"a"}}, {"a", "b"}, false},
        {{}, {}, true},
        {{{"c"}}, {}, true},
        {{{"a", "c"}, {"b"}, {"a"}}, {"a", "b"}, false},  // a two-condition list in front
    };
    for (const Case& c : cases) EXPECT_EQ(przeciwne_2(c.listy, c.warunki), c.wynik) << c.listy.size();
}

// The order-free form: where the one-condition lists stand plays no part.
TEST(ZbioryWarunkow, OppositeListsInAnyOrder)
{
    struct Case {
        ListaList listy;
        SList warunki;
        bool raz, wynik;
    };
    const Case cases[] = {
        {{{"a", "c"}, {"b"}, {"a"}}, {"a", "b"}, false, true},
        {{{"a", "c"}, {"b"}, {"a"}}, {"a", "b"}, true, true},
        {{{"b"}, {"a"}, {"a", "c"}}, {"a", "b"}, false, true},
        {{{"a"}, {"a"}, {"b"}}, {"a", "b"}, false, true},
        {{{"a"}, {"a"}, {"b"}}, {"a", "b"}, true, false},  // [a] twice for one a
        {{{"a"}, {"c"}}, {"a", "b"}, false, false},
        {{{"a", "b"}}, {"a", "b"}, false, false},
        {{{"a"}, {"b"}}, {"a", "a", "b"}, false, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(przeciwne_w_dowolnym_porzadku(c.listy, c.warunki, c.raz), c.wynik) << c.listy.size() << c.raz;
}

}  // namespace
}  // namespace diagnostics
