// The constraint and media loads as state changes: what blocks them before the dialog, what a
// cancelled dialog or a read error leaves behind, which findings a load forgets, and the media
// folder tests. The texts themselves are pinned by the scenarios.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../kb/kb_harness.h"
#include "load/ladowanie.h"
#include "load/media_ladowanie.h"
#include "load/numery.h"

namespace {

using load::LoadResult;

using std::string;
using std::vector;

class LadowanieOgraniczenIMediowTest : public kb::testing::KbHarness {
protected:
    // A loaded rule base with the mark "t" and the askable conditions a, b, c.
    void start_z_baza_regul(const string& script)
    {
        start(script);
        ctx().db.stan.nazwa_re.add_first("REt.BQZ");
        ctx().db.stan.wyroznik.add_last("t");
        ctx().db.stan.lista_warunkow_dopytywalnych.add_first({"a", "b", "c"});
    }
    void plik(const string& sciezka, const string& tresc)
    {
        std::filesystem::create_directories((dir_ / sciezka).parent_path());
        write_file(sciezka, tresc);
    }
    using Laduj = LoadResult (*)(kb::Context&);
    LoadResult laduj(Laduj f) { return laduj_wszystkie({f}).front(); }
    // Several loads in one run of the program, in order.
    vector<LoadResult> laduj_wszystkie(const vector<Laduj>& loads)
    {
        vector<LoadResult> wyniki;
        in_main_window([&] {
            for (Laduj f : loads) wyniki.push_back(f(ctx()));
        });
        return wyniki;
    }
    vector<string> notes() const { return lines_after("note"); }
};

// Each kind asks for the base it needs, the rule base, and never for itself.
TEST_F(LadowanieOgraniczenIMediowTest, WithoutARuleBaseEachLoadAsksForOne)
{
    for (Laduj f : {load::laduj_baze_ograniczen, load::laduj_baze_ograniczen_p, load::laduj_baze_rad,
                    load::laduj_baze_grafiki, load::laduj_baze_melodii}) {
        start("note \"Uwaga!\"\n");
        EXPECT_EQ(laduj(f), LoadResult::nothing_chosen());
        EXPECT_EQ(notes(), (vector<string>{"\"Uwaga!\": \"Proszę załadować bazę reguł!\""}));
        EXPECT_TRUE(lines_after("open dialog").empty());
    }
}

// An externally contradictory rule base refuses every kind before its dialog (failure); the
// joint model-and-rule contradiction blocks the constraint and advice loads quietly ("").
TEST_F(LadowanieOgraniczenIMediowTest, ContradictionFlagsStopTheLoadBeforeItsDialog)
{
    const vector<Laduj> wszystkie = {
        load::laduj_baze_ograniczen, load::laduj_baze_ograniczen_p, load::laduj_baze_rad,
        load::laduj_baze_grafiki, load::laduj_baze_melodii};
    for (auto f : wszystkie) {
        start_z_baza_regul("");
        ctx().db.wyniki_diagnoz.sprzecznosc_1z.add_last("TAK");
        EXPECT_EQ(laduj(f), LoadResult::refused());
    }
    for (Laduj f : {load::laduj_baze_ograniczen, load::laduj_baze_ograniczen_p, load::laduj_baze_rad}) {
        start_z_baza_regul("");
        ctx().db.wyniki_diagnoz.sprzecznosc_mr.add_last("TAK");
        EXPECT_EQ(laduj(f), LoadResult::nothing_chosen());
    }
    EXPECT_TRUE(lines_after("open dialog").empty());
    start_z_baza_regul("open -> cancel\n");
    ctx().db.wyniki_diagnoz.sprzecznosc_mr.add_last("TAK");
    EXPECT_EQ(laduj(load::laduj_baze_grafiki), LoadResult::nothing_chosen());
    EXPECT_EQ(lines_after("open dialog").size(), 1u);
}

// While some loaded base has a repeated number, a cancelled load fails for the kinds that the
// flag blocks (constraints, advice) and ends quietly for graphics and sound.
TEST_F(LadowanieOgraniczenIMediowTest, ARepeatedNumberBlocksOnlyItsKindsAtTheQuietEnd)
{
    struct Case {
        Laduj laduj;
        LoadResult wynik;
    } cases[] = {
        {load::laduj_baze_ograniczen, LoadResult::refused()},
        {load::laduj_baze_ograniczen_p, LoadResult::refused()},
        {load::laduj_baze_rad, LoadResult::refused()},
        {load::laduj_baze_grafiki, LoadResult::nothing_chosen()},
        {load::laduj_baze_melodii, LoadResult::nothing_chosen()},
    };
    for (const Case& c : cases) {
        start_z_baza_regul("open -> cancel\n");
        ctx().db.stan_ladowania.rozne_numery.add_last(
            string(load::etykieta(load::BazaNumerowana::regul)));
        EXPECT_EQ(laduj(c.laduj), c.wynik);
        EXPECT_TRUE(load::rozne_numery(ctx()));  // a cancelled load changes no flag
    }
}

// Cancelling the dialog changes nothing: the loaded base, its name and its findings stay.
TEST_F(LadowanieOgraniczenIMediowTest, CancelLeavesTheLoadedBaseAsItWas)
{
    start_z_baza_regul("open -> cancel\nopen -> cancel\n");
    ctx().db.baza_ograniczen.nazwa_og.add_first("OGt.BQZ");
    load(ctx().db.baza_ograniczen, "ograniczenie(1,[\"a\",\"b\"])\n");
    ctx().db.baza_rad.rada.add_last({1, "a.hlp"});
    ctx().db.stan.nazwa_ra.add_first("RAt.BQZ");
    ctx().db.wyniki_diagnoz.opcja.add_last(3);
    EXPECT_EQ(laduj_wszystkie({load::laduj_baze_ograniczen, load::laduj_baze_rad}),
              (vector<LoadResult>{LoadResult::nothing_chosen(), LoadResult::nothing_chosen()}));
    EXPECT_EQ(ctx().db.baza_ograniczen.ograniczenie.size(), 1u);
    EXPECT_EQ(ctx().db.baza_ograniczen.nazwa_og.size(), 1u);
    EXPECT_EQ(ctx().db.baza_rad.rada.size(), 1u);
    EXPECT_EQ(ctx().db.stan.nazwa_ra.size(), 1u);
    EXPECT_EQ(ctx().db.wyniki_diagnoz.opcja.size(), 1u);
}

// A chosen file replaces the earlier base of its kind with its findings, and only of its kind.
TEST_F(LadowanieOgraniczenIMediowTest, AChosenFileForgetsTheFindingsOfItsKindOnly)
{
    start_z_baza_regul("open -> BAZY/OGt.BQZ\nnote\nmessage -> Nie\nmessage -> Nie\n");
    plik("BAZY/OGt.BQZ", "ograniczenie(2,[\"b\",\"c\"])\n");
    ctx().db.baza_ograniczen.nazwa_og.add_first("OGt-stara.BQZ");
    load(ctx().db.baza_ograniczen, "ograniczenie(1,[\"a\",\"b\"])\n");
    auto& w = ctx().db.wyniki_diagnoz;
    w.sprzecznosc_2.add_last({1, 1});
    w.sprzecznosc_2p.add_last({1, 1});
    w.zbadany_wniosek_p.add_last({"w", 1});
    w.zbadany_wniosek_pp.add_last({"w", 1});
    w.opcja.add_last(1);
    // Redundancy findings and the flattened rules of the earlier base's findings go too, so that
    // neither the new base's search nor the load's ending meets them.
    w.reguly_nadmiarowe_n2p.add_last({{1, 2}, 1, {{"a"}, {"b"}}});
    w.reguly_nadmiarowe_n2pp.add_last({{1, 2}, 1, {{"a"}, {"b"}}});
    w.regula_splaszczona_n2p.add_last({1, "w", {"a"}, {}});
    w.regula_splaszczona_s2p.add_last({1, "w", {"a", "b"}, {}});
    w.regula_splaszczona_s2pp.add_last({1, "w", {"a", "b"}, {}});
    EXPECT_EQ(laduj(load::laduj_baze_ograniczen), LoadResult::loaded(path("BAZY/OGt.BQZ")));
    EXPECT_EQ(ctx().db.baza_ograniczen.ograniczenie.all(), (vector<kb::Ograniczenie>{{2, {"b", "c"}}}));
    EXPECT_EQ(ctx().db.baza_ograniczen.nazwa_og.all(), (vector<string>{"OGt.BQZ"}));
    EXPECT_EQ(ctx().db.baza_ograniczen.nazwa_og_pelna.first(), path("BAZY/OGt.BQZ"));
    EXPECT_TRUE(w.sprzecznosc_2.empty());
    EXPECT_TRUE(w.zbadany_wniosek_p.empty());
    EXPECT_TRUE(w.opcja.empty());
    EXPECT_TRUE(w.reguly_nadmiarowe_n2p.empty() && w.regula_splaszczona_n2p.empty());
    EXPECT_TRUE(w.regula_splaszczona_s2p.empty());
    EXPECT_EQ(w.sprzecznosc_2p.size(), 1u);
    EXPECT_EQ(w.zbadany_wniosek_pp.size(), 1u);
    EXPECT_EQ(w.reguly_nadmiarowe_n2pp.size(), 1u);
    EXPECT_EQ(w.regula_splaszczona_s2pp.size(), 1u);
    EXPECT_TRUE(ctx().db.stan.jestem_tu.empty());
}

// A read error leaves no fact of the file and no name; the earlier base is gone (a file was
// chosen), and no marker outlives the call.
TEST_F(LadowanieOgraniczenIMediowTest, AReadErrorLeavesNoPartialBase)
{
    start_z_baza_regul("open -> BAZY/ONt.BQZ\nnote\nnote\n");
    plik("BAZY/ONt.BQZ", "ograniczenie_n(1,[\"a\",\"b\"])\nograniczenie_n(2,[\"a\" \"b\"])\n");
    ctx().db.baza_ograniczen_p.nazwa_op.add_first("ONt-stara.BQZ");
    load(ctx().db.baza_ograniczen_p, "ograniczenie_n(9,[\"a\",\"b\"])\n");
    EXPECT_EQ(laduj(load::laduj_baze_ograniczen_p), LoadResult::refused());
    EXPECT_TRUE(ctx().db.baza_ograniczen_p.ograniczenie_n.empty());
    EXPECT_TRUE(ctx().db.baza_ograniczen_p.nazwa_op.empty());
    EXPECT_TRUE(ctx().db.stan.jestem_tu.empty());
    EXPECT_TRUE(ctx().db.stan.blad.empty());
}

// A repeated number: reported before any success line, the base stays loaded and flagged, the
// load fails; a corrected base of the same kind replaces it and ends the flag.
TEST_F(LadowanieOgraniczenIMediowTest, RepeatedNumberFlagsTheBaseUntilItIsReplaced)
{
    start_z_baza_regul("open -> BAZY/OGt-1.BQZ\nnote \"Błąd bazy ograniczeń\"\n"
                       "open -> BAZY/OGt.BQZ\nnote\nmessage -> Nie\nmessage -> Nie\n");
    plik("BAZY/OGt-1.BQZ", "ograniczenie(3,[\"a\",\"b\"])\nograniczenie(3,[\"b\",\"c\"])\n");
    plik("BAZY/OGt.BQZ", "ograniczenie(3,[\"a\",\"b\"])\n");
    in_main_window([&] {
        EXPECT_EQ(load::laduj_baze_ograniczen(ctx()), LoadResult::refused());
        EXPECT_EQ(ctx().db.baza_ograniczen.ograniczenie.size(), 2u);
        EXPECT_TRUE(load::rozne_numery(ctx(), load::BazaNumerowana::ograniczen));
        EXPECT_EQ(transcript().find("została załadowana"), string::npos);
        EXPECT_EQ(load::laduj_baze_ograniczen(ctx()), LoadResult::loaded(path("BAZY/OGt.BQZ")));
        EXPECT_FALSE(load::rozne_numery(ctx()));
    });
}

// The media folder is found whatever the letter case of its files; files of another kind do not
// count; a failing test unloads the base (the advice full path stays).
TEST_F(LadowanieOgraniczenIMediowTest, MediaFolderTests)
{
    start_z_baza_regul("note \"Uwaga błąd!\"\nnote \"Uwaga błąd!\"\n");
    plik("BAZY/x", "");
    ctx().files.set_current_dir(path("BAZY"));
    plik("RADY/t/rada.hlp", "x");
    plik("GRAFIKA/t/dzwiek.WAV", "x");
    EXPECT_TRUE(load::sa_pliki_rad(ctx()));
    ctx().db.baza_grafiki.grafika.add_last({1, "x.bmp"});
    ctx().db.baza_grafiki.ngrafika.add_last({2, "y.bmp"});
    ctx().db.stan.nazwa_gr.add_first("/x/GRt.BQZ");
    EXPECT_FALSE(load::sa_pliki_grafiki(ctx()));
    EXPECT_TRUE(ctx().db.baza_grafiki.grafika.empty());
    EXPECT_TRUE(ctx().db.baza_grafiki.ngrafika.empty());
    EXPECT_TRUE(ctx().db.stan.nazwa_gr.empty());
    ctx().db.baza_melodii.ndzwiek.add_last({2, "y.wav"});
    ctx().db.stan.nazwa_me.add_first("/x/DŹt.BQZ");
    EXPECT_FALSE(load::sa_pliki_melodii(ctx()));
    EXPECT_TRUE(ctx().db.baza_melodii.ndzwiek.empty());
    EXPECT_TRUE(ctx().db.stan.nazwa_me.empty());
    EXPECT_EQ(notes().back(), "\"Uwaga błąd!\": \"Brak kartoteki z dźwiękami t.\\nBazy dźwięków nie można ładować "
                              "gdy brak kartoteki z dźwiękami.\"");
}

// A successful media load: its names, no marker, the path; graphics and sound keep the full
// path only.
TEST_F(LadowanieOgraniczenIMediowTest, MediaLoadsRecordTheirNames)
{
    start_z_baza_regul("open -> BAZY/RAt.BQZ\nnote\nopen -> BAZY/GRt.BQZ\nnote\n");
    plik("BAZY/RAt.BQZ", "rada(1,\"a.hlp\")\n");
    plik("BAZY/GRt.BQZ", "grafika(1,\"a.bmp\")\n");
    plik("RADY/t/A.HLP", "x");
    plik("GRAFIKA/t/A.BMP", "x");
    EXPECT_EQ(laduj_wszystkie({load::laduj_baze_rad, load::laduj_baze_grafiki}),
              (vector<LoadResult>{LoadResult::loaded(path("BAZY/RAt.BQZ")), LoadResult::loaded(path("BAZY/GRt.BQZ"))}));
    EXPECT_EQ(ctx().db.stan.nazwa_ra.all(), (vector<string>{"RAt.BQZ"}));
    EXPECT_EQ(ctx().db.stan.nazwa_ra_pelna.all(), (vector<string>{path("BAZY/RAt.BQZ")}));
    EXPECT_EQ(ctx().db.stan.nazwa_gr.all(), (vector<string>{path("BAZY/GRt.BQZ")}));
    EXPECT_TRUE(ctx().db.stan.jestem_tu.empty());
}

}  // namespace
