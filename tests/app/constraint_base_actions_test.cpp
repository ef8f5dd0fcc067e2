// The numbered actions of the exact and the uncertain constraint base on small fixture bases:
// review, the missing base, and the diagnostic actions' preconditions and reports.
#include <gtest/gtest.h>

#include "../kb/constraint_bases_fixture.h"
#include "app/base_actions.h"
#include "kb/bazy_ograniczen.h"
#include "platform/files.h"

namespace kb::test {
namespace {

using app::dzialanie_w_bazie_ograniczen;
using app::dzialanie_w_bazie_ograniczen_p;

TEST_F(ConstraintBases, ReviewShowsTheFileLoadedLastAndTitlesTheMainWindow)
{
    std::optional<AkcjaWynik> exact, uncertain;
    const std::string shown = run("", [&](Context& ctx) {
        load_exact(ctx, "OGstary.BQZ", "ograniczenie(7,[\"a\",\"b\"])\n");
        kasowanie_dogranicz(ctx);
        kasowanie_nazwy_og(ctx);
        load_exact(ctx, "OGlas.BQZ", kExact);
        exact = dzialanie_w_bazie_ograniczen(ctx, 1);
        load_uncertain(ctx, "ONlas.BQZ", kUncertain);
        uncertain = dzialanie_w_bazie_ograniczen_p(ctx, 1);
    });
    ASSERT_TRUE(exact && uncertain);
    EXPECT_EQ(*exact, (AkcjaWynik{{}, kExact}));
    EXPECT_EQ(*uncertain, (AkcjaWynik{{}, kUncertain}));
    EXPECT_EQ(shown,
              "title \"velk_QZ\" -> \"Przegląd bazy ograniczeń: OGlas.BQZ\"\n"
              "title \"Przegląd bazy ograniczeń: OGlas.BQZ\" -> \"Przegląd bazy ograniczeń niepewnych: ONlas.BQZ\"\n");
}

TEST_F(ConstraintBases, ReviewWithoutConstraintsSaysThereIsNoBase)
{
    // Names loaded but no constraint in the file; and the uncertain base with only an exact one.
    std::optional<AkcjaWynik> empty_file, other_kind;
    const std::string shown = run("note\nnote", [&](Context& ctx) {
        load_exact(ctx, "OGpusty.BQZ", "");
        empty_file = dzialanie_w_bazie_ograniczen(ctx, 1);
        load_exact(ctx, "OGlas.BQZ", kExact);
        other_kind = dzialanie_w_bazie_ograniczen_p(ctx, 1);
    });
    EXPECT_FALSE(empty_file);
    EXPECT_FALSE(other_kind);
    EXPECT_EQ(shown, std::string(kNoBase) + kNoBase);
}

TEST_F(ConstraintBases, ReviewOfAFileGoneSinceLoadingRaisesAFileErrorAndKeepsTheTitle)
{
    const std::string shown = run("", [&](Context& ctx) {
        load_exact(ctx, "OGlas.BQZ", kExact);
        ctx.files.remove(path_of("bazy/OGlas.BQZ"));
        EXPECT_THROW(dzialanie_w_bazie_ograniczen(ctx, 1), files::FileError);
    });
    EXPECT_EQ(shown, "");
}

TEST_F(ConstraintBases, DiagnosticActionsNeedTheRuleBaseAndThisBase)
{
    const std::string shown = run("", [&](Context& ctx) {
        // A rule base without a constraint base: 5 and 6 fail at once.
        ctx.db.stan.nazwa_re.set("RElas.BQZ");
        EXPECT_FALSE(dzialanie_w_bazie_ograniczen(ctx, 5));
        EXPECT_FALSE(dzialanie_w_bazie_ograniczen_p(ctx, 6));
        // The constraint base without the rule base.
        ctx.db.stan.nazwa_re.remove_all();
        load_exact(ctx, "OGlas.BQZ", kExact);
        load_uncertain(ctx, "ONlas.BQZ", kUncertain);
        EXPECT_FALSE(dzialanie_w_bazie_ograniczen(ctx, 5));
        EXPECT_FALSE(dzialanie_w_bazie_ograniczen_p(ctx, 6));
        // Numbers that are no action.
        for (int akcja : {0, 2, 3, 4, 7}) {
            EXPECT_FALSE(dzialanie_w_bazie_ograniczen(ctx, akcja)) << akcja;
            EXPECT_FALSE(dzialanie_w_bazie_ograniczen_p(ctx, akcja)) << akcja;
        }
    });
    EXPECT_EQ(shown, "");
}

TEST_F(ConstraintBases, DiagnosticActionsFollowTheirReports)
{
    run("note\nnote\nnote\nnote\nnote\n", [&](Context& ctx) {
        ctx.db.stan.nazwa_re.set("RElas.BQZ");
        ctx.db.stan_ladowania.rozszerzenie.set(".BQZ");
        load_exact(ctx, "OGlas.BQZ", kExact);
        load_uncertain(ctx, "ONlas.BQZ", kUncertain);
        // The contradiction report, finding nothing, says so and succeeds with an empty list and
        // text; the redundancy report, finding nothing here, fails and the action with it.
        EXPECT_EQ(dzialanie_w_bazie_ograniczen(ctx, 5), AkcjaWynik{});
        EXPECT_EQ(dzialanie_w_bazie_ograniczen_p(ctx, 5), AkcjaWynik{});
        EXPECT_FALSE(dzialanie_w_bazie_ograniczen(ctx, 6));
        // Without a kind name (another extension) the contradiction report stops after its head.
        ctx.db.stan_ladowania.rozszerzenie.set(".TXT");
        EXPECT_FALSE(dzialanie_w_bazie_ograniczen(ctx, 5));
    });
}

}  // namespace
}  // namespace kb::test
