// The actions of the advice, graphics and sound bases on small fixture bases (review, names,
// the missing base, other numbers) and their wrappers, each unload taking a base whole.
#include "kb/bazy_mediow.h"

#include <gtest/gtest.h>

#include "bazy_run.h"
#include "platform/factfile.h"
#include "platform/files.h"

namespace kb::test {
namespace {

const char* const kRady = "rada(1,\"r1.hlp\")\nrada(2,\"r2.hlp\")\nrada(3,\"r1.hlp\")\n";
const char* const kGrafika = "grafika(1,\"a\")\nngrafika(1,\"nie_a\")\ngrafika(2,\"b\")\ngrafika(3,\"a\")\n";
const char* const kDzwieki = "dźwięk(4,\"puszczyk.wav\")\nndźwięk(4,\"cisza\")\n";

class MediaBases : public BazyRun {
protected:
    // What the loader does for each kind: facts, then names in front of older ones.
    void load_advice(Context& ctx, const std::string& file, const std::string& text)
    {
        write_file("bazy/" + file, text);
        factfile::load_text(ctx.db.baza_rad, text);
        ctx.db.stan.nazwa_ra.add_first(file);
        ctx.db.stan.nazwa_ra_pelna.add_first(path_of("bazy/" + file));
    }
    void load_graphics(Context& ctx, const std::string& file, const std::string& text)
    {
        write_file("bazy/" + file, text);
        factfile::load_text(ctx.db.baza_grafiki, text);
        ctx.db.stan.nazwa_gr.add_first(path_of("bazy/" + file));
    }
    void load_sound(Context& ctx, const std::string& file, const std::string& text)
    {
        write_file("bazy/" + file, text);
        factfile::load_text(ctx.db.baza_melodii, text);
        ctx.db.stan.nazwa_me.add_first(path_of("bazy/" + file));
    }
};

TEST_F(MediaBases, ReviewGivesTheFileAndTitlesTheMainWindow)
{
    std::optional<AkcjaWynik> rady, grafika, dzwieki;
    const std::string shown = run("", [&](Context& ctx) {
        load_advice(ctx, "RAlas.BQZ", kRady);
        load_graphics(ctx, "GRlas.BQZ", kGrafika);
        load_sound(ctx, "DŹlas.BQZ", kDzwieki);
        rady = dzialanie_w_bazie_rad(ctx, 1);
        grafika = dzialanie_w_bazie_grafiki(ctx, 1);
        dzwieki = dzialanie_w_bazie_melodii(ctx, 1);
    });
    EXPECT_EQ(rady, (AkcjaWynik{{}, kRady}));
    EXPECT_EQ(grafika, (AkcjaWynik{{}, kGrafika}));
    EXPECT_EQ(dzwieki, (AkcjaWynik{{}, kDzwieki}));
    EXPECT_EQ(shown,
              "title \"velk_QZ\" -> \"velk_QZ Przegląd pliku bazy: RAlas.BQZ\"\n"
              "title \"velk_QZ Przegląd pliku bazy: RAlas.BQZ\" -> \"velk_qz Przegląd pliku bazy: GRlas.BQZ\"\n"
              "title \"velk_qz Przegląd pliku bazy: GRlas.BQZ\" -> \"Przegląd pliku bazy dźwięków: DŹlas.BQZ\"\n");
}

TEST_F(MediaBases, ReviewWithoutABaseSaysSoAndFails)
{
    // Advice: no base at all. Graphics: only ngrafika facts. Sound: names without a file's facts.
    std::optional<AkcjaWynik> rady, grafika, dzwieki;
    const std::string shown = run("note\nnote\nnote", [&](Context& ctx) {
        load_graphics(ctx, "GRnie.BQZ", "ngrafika(1,\"x\")\n");
        load_sound(ctx, "DŹpusty.BQZ", "");
        rady = dzialanie_w_bazie_rad(ctx, 1);
        grafika = dzialanie_w_bazie_grafiki(ctx, 1);
        dzwieki = dzialanie_w_bazie_melodii(ctx, 1);
    });
    EXPECT_FALSE(rady || grafika || dzwieki);
    EXPECT_EQ(shown,
              "aux:  Brak bazy rad do przeglądania.\n"
              "note \"Uwaga!\": \"Brak bazy rad do przeglądania!\"\n"
              "aux:  Brak bazy grafiki do przeglądania.\n"
              "note \"Uwaga!\": \"Brak bazy grafiki do przeglądania!\"\n"
              "aux:  Brak bazy dźwięków do przeglądania.\n"
              "note \"Uwaga!\": \"Brak bazy dźwięków do przeglądania!\"\n");
}

TEST_F(MediaBases, ReviewOfAFileGoneSinceLoading)
{
    // Graphics and sound set the title before reading; advice reads first.
    const std::string shown = run("", [&](Context& ctx) {
        load_advice(ctx, "RAlas.BQZ", kRady);
        load_graphics(ctx, "GRlas.BQZ", kGrafika);
        ctx.files.remove(path_of("bazy/RAlas.BQZ"));
        ctx.files.remove(path_of("bazy/GRlas.BQZ"));
        EXPECT_THROW(dzialanie_w_bazie_rad(ctx, 1), files::FileError);
        EXPECT_THROW(dzialanie_w_bazie_grafiki(ctx, 1), files::FileError);
    });
    EXPECT_EQ(shown, "title \"velk_QZ\" -> \"velk_qz Przegląd pliku bazy: GRlas.BQZ\"\n");
}

TEST_F(MediaBases, NamesActionListsTheFirstKindOnceEachWithTheFileName)
{
    std::optional<AkcjaWynik> rady, grafika, dzwieki, tylko_ngrafika;
    const std::string shown = run("", [&](Context& ctx) {
        load_advice(ctx, "RAlas.BQZ", kRady);
        load_graphics(ctx, "GRlas.BQZ", kGrafika);
        load_sound(ctx, "DŹlas.BQZ", kDzwieki);
        rady = dzialanie_w_bazie_rad(ctx, 5);
        grafika = dzialanie_w_bazie_grafiki(ctx, 2);
        dzwieki = dzialanie_w_bazie_melodii(ctx, 2);
        kasowanie_bazy_grafiki(ctx);
        load_graphics(ctx, "GRnie.BQZ", "ngrafika(1,\"x\")\n");
        tylko_ngrafika = dzialanie_w_bazie_grafiki(ctx, 2);
    });
    EXPECT_EQ(rady, (AkcjaWynik{{"r2.hlp", "r1.hlp"}, "RAlas.BQZ"}));
    EXPECT_EQ(grafika, (AkcjaWynik{{"b", "a"}, "GRlas.BQZ"}));  // of a, b, a the last a stays
    EXPECT_EQ(dzwieki, (AkcjaWynik{{"puszczyk.wav"}, "DŹlas.BQZ"}));
    EXPECT_EQ(tylko_ngrafika, (AkcjaWynik{{}, "GRnie.BQZ"}));
    EXPECT_EQ(shown, "");
}

TEST_F(MediaBases, NamesActionWithoutABaseAsksForOneAndSucceedsEmpty)
{
    std::optional<AkcjaWynik> rady, grafika, dzwieki;
    const std::string shown = run("note\nnote\nnote", [&](Context& ctx) {
        rady = dzialanie_w_bazie_rad(ctx, 5);
        grafika = dzialanie_w_bazie_grafiki(ctx, 2);
        dzwieki = dzialanie_w_bazie_melodii(ctx, 2);
    });
    EXPECT_EQ(rady, AkcjaWynik{});
    EXPECT_EQ(grafika, AkcjaWynik{});
    EXPECT_EQ(dzwieki, AkcjaWynik{});
    EXPECT_EQ(shown,
              "note \"Uwaga!\": \"Proszę załadować bazę rad!\"\n"
              "note \"Uwaga!\": \"Proszę załadować bazę grafiki!\"\n"
              "note \"Uwaga!\": \"Proszę załadować bazę dźwięku!\"\n");
}

TEST_F(MediaBases, OtherNumbersFailWithoutOutput)
{
    const std::string shown = run("", [&](Context& ctx) {
        load_advice(ctx, "RAlas.BQZ", kRady);
        load_graphics(ctx, "GRlas.BQZ", kGrafika);
        load_sound(ctx, "DŹlas.BQZ", kDzwieki);
        for (int akcja : {0, 3, 4, 6}) {
            EXPECT_FALSE(dzialanie_w_bazie_rad(ctx, akcja)) << akcja;
            EXPECT_FALSE(dzialanie_w_bazie_grafiki(ctx, akcja)) << akcja;
            EXPECT_FALSE(dzialanie_w_bazie_melodii(ctx, akcja)) << akcja;
        }
        EXPECT_FALSE(dzialanie_w_bazie_rad(ctx, 2));
        EXPECT_FALSE(dzialanie_w_bazie_grafiki(ctx, 5));
        EXPECT_FALSE(dzialanie_w_bazie_melodii(ctx, 5));
    });
    EXPECT_EQ(shown, "");
}

TEST_F(MediaBases, AnUnloadedAdviceBaseIsGoneThoughItsFullPathStays)
{
    std::optional<AkcjaWynik> review;
    const std::string shown = run("note", [&](Context& ctx) {
        load_advice(ctx, "RAlas.BQZ", kRady);
        kasowanie_bazy_rad(ctx);
        review = dzialanie_w_bazie_rad(ctx, 1);
        EXPECT_EQ(ctx.db.stan.nazwa_ra_pelna.first(), path_of("bazy/RAlas.BQZ"));
    });
    EXPECT_FALSE(review);
    EXPECT_EQ(shown,
              "aux:  Brak bazy rad do przeglądania.\n"
              "note \"Uwaga!\": \"Brak bazy rad do przeglądania!\"\n");
}

// Emptying the graphics base takes its ngrafika facts too: a reload does not find old ones,
// and no picture of an old base is offered for the rules of the next.
TEST_F(MediaBases, EmptyingABaseRemovesBothKindsOfItsFacts)
{
    run("", [&](Context& ctx) {
        load_graphics(ctx, "GRlas.BQZ", kGrafika);
        load_sound(ctx, "DŹlas.BQZ", kDzwieki);
        kasowanie_dgrafika(ctx);
        kasowanie_dgrafika(ctx);  // also when there is nothing left
        EXPECT_TRUE(ctx.db.baza_grafiki.grafika.empty());
        EXPECT_TRUE(ctx.db.baza_grafiki.ngrafika.empty());
        EXPECT_EQ(ctx.db.stan.nazwa_gr.size(), 1u);  // the name has its own wrapper
        kasowanie_nazwy_gr(ctx);
        EXPECT_TRUE(ctx.db.stan.nazwa_gr.empty());
        kasowanie_bazy_melodii(ctx);
        EXPECT_TRUE(ctx.db.baza_melodii.dzwiek.empty() && ctx.db.baza_melodii.ndzwiek.empty());
        EXPECT_TRUE(ctx.db.stan.nazwa_me.empty());
        load_graphics(ctx, "GRlas.BQZ", kGrafika);
        EXPECT_EQ(ctx.db.baza_grafiki.ngrafika.size(), 1u);
    });
}

TEST_F(MediaBases, ReadForms)
{
    run("", [&](Context& ctx) {
        load_graphics(ctx, "GRlas.BQZ", kGrafika + std::string("grafika(1,\"c\")\n"));
        const BazaGrafiki& g = ctx.db.baza_grafiki;
        EXPECT_EQ(nazwy_dla_numeru(g.grafika, 1), (SList{"a", "c"}));
        EXPECT_EQ(nazwy_dla_numeru(g.ngrafika, 1), SList{"nie_a"});
        EXPECT_EQ(numery_dla_nazwy(g.grafika, "a"), (IList{1, 3}));
        EXPECT_TRUE(numery_dla_nazwy(g.grafika, "A").empty());
    });
}

}  // namespace
}  // namespace kb::test
