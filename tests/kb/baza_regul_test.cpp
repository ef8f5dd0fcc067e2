// The retract-all wrappers of the rule base on a small fixture base: each removes its own kind
// of facts only, also when there are none.
#include "kb/baza_regul.h"

#include "rule_base_fixture.h"

namespace kb {
namespace {

using testing::BazaRegulTest;

TEST_F(BazaRegulTest, WrappersRemoveTheirKindOnly)
{
    load_base();
    kasowanie_fakt(ctx());
    EXPECT_TRUE(ctx().db.baza_regul.fakt.empty());
    EXPECT_EQ(ctx().db.baza_regul.regula.size(), 2u);
    kasowanie_nazwy_re(ctx());
    EXPECT_TRUE(stan().nazwa_re.empty() && stan().nazwa_re_pelna.empty());
    kasowanie_listy_wnioskow_regul(ctx());
    EXPECT_TRUE(stan().lista_wnioskow_regul.empty());
    EXPECT_EQ(stan().lista_warunkow.size(), 1u);
    kasowanie_dregula(ctx());
    kasowanie_dregula(ctx());  // also when there is none
    EXPECT_TRUE(ctx().db.baza_regul.regula.empty());
}

}  // namespace
}  // namespace kb
