// The actions of the exact and the uncertain constraint base on small fixture bases: review,
// the missing base, the diagnostic actions' preconditions, the wrappers and the read forms.
#include "kb/bazy_ograniczen.h"

#include <gtest/gtest.h>

#include "bazy_run.h"
#include "platform/factfile.h"
#include "platform/files.h"

namespace kb::test {
namespace {

const char* const kExact = "ograniczenie(1,[\"ptak\",\"ssak\",\"ryba\"])\nograniczenie(2,[\"duży\",\"mały\"])\n";
const char* const kUncertain =
    "ograniczenie_n(1,[\"lata\",\"pływa\"])\nrem_ograniczenie_n(\"uwaga\")\n_ograniczenie_n(9,[\"x\"])\n"
    "ograniczenie_n(2,[\"lata\",\"pływa\"])\n";
const char* const kNoBase = "aux:  Brak bazy ograniczeń do przeglądania.\n"
                            "note \"Uwaga!\": \"Brak bazy ograniczeń do przeglądania!\"\n";

class ConstraintBases : public BazyRun {
protected:
    // What the loader does for an exact (OG) or uncertain (ON) base: facts, then names in front.
    void load_exact(Context& ctx, const std::string& file, const std::string& text)
    {
        write_file("bazy/" + file, text);
        factfile::load_text(ctx.db.baza_ograniczen, text);
        ctx.db.baza_ograniczen.nazwa_og.add_first(file);
        ctx.db.baza_ograniczen.nazwa_og_pelna.add_first(path_of("bazy/" + file));
    }
    void load_uncertain(Context& ctx, const std::string& file, const std::string& text)
    {
        write_file("bazy/" + file, text);
        factfile::load_text(ctx.db.baza_ograniczen_p, text);
        ctx.db.baza_ograniczen_p.nazwa_op.add_first(file);
        ctx.db.baza_ograniczen_p.nazwa_op_pelna.add_first(path_of("bazy/" + file));
    }
};

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
    run("", [&](Context& ctx) {
        ctx.db.stan.nazwa_re.set("RElas.BQZ");
        load_exact(ctx, "OGlas.BQZ", kExact);
        load_uncertain(ctx, "ONlas.BQZ", kUncertain);
        // The contradiction report succeeds with an empty list and text; the redundancy report,
        // finding nothing here, fails and the action with it.
        EXPECT_EQ(dzialanie_w_bazie_ograniczen(ctx, 5), AkcjaWynik{});
        EXPECT_EQ(dzialanie_w_bazie_ograniczen_p(ctx, 5), AkcjaWynik{});
        EXPECT_FALSE(dzialanie_w_bazie_ograniczen(ctx, 6));
    });
}

TEST_F(ConstraintBases, WrappersEmptyABaseAndKeepTheNewestFullPathFirst)
{
    run("", [&](Context& ctx) {
        load_uncertain(ctx, "ONstary.BQZ", kUncertain);
        load_uncertain(ctx, "ONlas.BQZ", kUncertain);
        load_exact(ctx, "OGlas.BQZ", kExact);
        kasowanie_bazy_ograniczen_p(ctx);
        const BazaOgraniczenP& p = ctx.db.baza_ograniczen_p;
        EXPECT_TRUE(p.ograniczenie_n.empty() && p.nazwa_op.empty());
        EXPECT_TRUE(p.rem_ograniczenie_n.empty() && p._ograniczenie_n.empty());  // the file's inert lines too
        EXPECT_EQ(p.nazwa_op_pelna.all(),
                  (SList{path_of("bazy/ONlas.BQZ"), path_of("bazy/ONstary.BQZ")}));
        EXPECT_EQ(ctx.db.baza_ograniczen.ograniczenie.size(), 2u);  // the other base untouched
        kasowanie_bazy_ograniczen(ctx);
        EXPECT_TRUE(ctx.db.baza_ograniczen.ograniczenie.empty() && ctx.db.baza_ograniczen.nazwa_og.empty());
        EXPECT_EQ(ctx.db.baza_ograniczen.nazwa_og_pelna.size(), 1u);
    });
}

TEST_F(ConstraintBases, ReadForms)
{
    run("", [&](Context& ctx) {
        load_exact(ctx, "OGlas.BQZ", std::string(kExact) + "ograniczenie(1,[\"gad\"])\n");
        load_uncertain(ctx, "ONlas.BQZ", kUncertain);
        EXPECT_EQ(warunki_ograniczenia(ctx, 1), (std::vector<SList>{{"ptak", "ssak", "ryba"}, {"gad"}}));
        EXPECT_TRUE(warunki_ograniczenia(ctx, 3).empty());
        EXPECT_EQ(warunki_ograniczenia_n(ctx, 2), (std::vector<SList>{{"lata", "pływa"}}));
        EXPECT_EQ(numery_ograniczen_n(ctx, {"lata", "pływa"}), (IList{1, 2}));
        EXPECT_TRUE(numery_ograniczen_n(ctx, {"pływa", "lata"}).empty());  // element by element
    });
}

}  // namespace
}  // namespace kb::test
