// The exact and the uncertain constraint base on small fixture bases: the wrappers and the read
// forms. Their numbered actions: tests/app/constraint_base_actions_test.cpp.
#include "kb/bazy_ograniczen.h"

#include <gtest/gtest.h>

#include "constraint_bases_fixture.h"

namespace kb::test {
namespace {

TEST_F(ConstraintBases, WrappersEmptyABaseAndKeepTheNewestFullPathFirst)
{
    run("", [&](Context& ctx) {
        load_uncertain(ctx, "ONstary.BQZ", kUncertain);
        load_uncertain(ctx, "ONlas.BQZ", kUncertain);
        load_exact(ctx, "OGlas.BQZ", kExact);
        WynikiDiagnoz& w = ctx.db.wyniki_diagnoz;
        w.sprzecznosc_2.add_last({1, 1});
        w.sprzecznosc_2p.add_last({1, 1});
        w.reguly_nadmiarowe_n2pp.add_last({{1, 2}, 1, {{"a"}, {"b"}}});
        w.regula_splaszczona_s2pp.add_last({1, "w", {"a", "b"}, {}});
        w.zbadany_wniosek_pp.add_last({"w", 1});
        kasowanie_bazy_ograniczen_p(ctx);
        const BazaOgraniczenP& p = ctx.db.baza_ograniczen_p;
        EXPECT_TRUE(p.ograniczenie_n.empty() && p.nazwa_op.empty());
        EXPECT_TRUE(p.rem_ograniczenie_n.empty() && p._ograniczenie_n.empty());  // the file's inert lines too
        EXPECT_EQ(p.nazwa_op_pelna.all(),
                  (SList{path_of("bazy/ONlas.BQZ"), path_of("bazy/ONstary.BQZ")}));
        EXPECT_EQ(ctx.db.baza_ograniczen.ograniczenie.size(), 2u);  // the other base untouched
        // The joint findings about the base go with it; the other base's stay.
        EXPECT_TRUE(w.sprzecznosc_2p.empty() && w.reguly_nadmiarowe_n2pp.empty());
        EXPECT_TRUE(w.regula_splaszczona_s2pp.empty() && w.zbadany_wniosek_pp.empty());
        EXPECT_EQ(w.sprzecznosc_2.size(), 1u);
        kasowanie_bazy_ograniczen(ctx);
        EXPECT_TRUE(ctx.db.baza_ograniczen.ograniczenie.empty() && ctx.db.baza_ograniczen.nazwa_og.empty());
        EXPECT_TRUE(w.sprzecznosc_2.empty());
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
