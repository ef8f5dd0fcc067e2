// The distinguishing mark of base file names (Polish letters are letters), the marks a loader
// may accept, the media names a base may give, and the media paths built in a folder tree.
#include "kb/wyroznik.h"

#include <gtest/gtest.h>

#include "bazy_run.h"

namespace kb::test {
namespace {

TEST(Wyroznik, OfFileNames)
{
    struct Case {
        const char* file;
        std::optional<std::string> mark;
    };
    const Case cases[] = {
        {"RElas.BQZ", "las"},
        {"REżaby.BQZ", "żaby"},                  // a Polish letter is a letter, first or not
        {"REgęś_2ó.BQZ", "gęś_2ó"},
        {"REŁąkaŹródło.BQZ", "ŁąkaŹródło"},
        {"REčaj.BQZ", "čaj"},                    // any letter of the code page
        {"DŹśpiew.BQZ", "śpiew"},                // the prefix is two characters, not bytes
        {"REzoo-2.BQZ", "zoo"},
        {"/home/ja/bazy/RElas.BQZ", "las"},      // the folder goes first
        {"C:\\bazy\\RElas.BQZ", "las"},
        {"RAzwierzeta.BQZ", "zwierzeta"},
        {"RA_las2.BQZ", "_las2"},
        {"RE  \tlas.BQZ", "las"},                // blanks before the token are skipped
        {"RA12.BQZ", "12"},
        {"RA1.5x.BQZ", "1.5"},                   // an integer followed by "." and a digit
        {"RE1.BQZ", "1"},                        // "." without a digit after it
        {"RE1e5a.BQZ", "1e5"},
        {"RE1e-5.BQZ", "1e-5"},
        {"RE1e+5.BQZ", "1"},                     // only "-" may stand between "e" and the digit
        {"RE0x1F.BQZ", "0x1F"},
        {"RE99999999999x.BQZ", "99999999999"},   // beyond an integer: the real literal
        {"RE-las.BQZ", "-"},                     // any other character is a token by itself
        {"RA.BQZ", "."},
        {"RA", std::nullopt},
        {"R", std::nullopt},
        {"", std::nullopt},
        {"RA   ", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(wyznacz_wyroznik(c.file), c.mark) << c.file;
}

TEST(Wyroznik, ThatMayNameAFolder)
{
    struct Case {
        const char* mark;
        bool fit;
    };
    const Case cases[] = {
        {"las", true}, {"żaby", true}, {"_las2", true}, {"12", true}, {"ŁąkaŹródło", true},
        {"1.5", false}, {".", false}, {"", false}, {"a b", false}, {"zoo-2", false},
        {"a/b", false}, {"..", false}, {"\xff", false},
    };
    for (const Case& c : cases) EXPECT_EQ(wyroznik_poprawny(c.mark), c.fit) << c.mark;
}

TEST(Wyroznik, MediaNamesThatMayBeJoinedIntoAPath)
{
    struct Case {
        const char* name;
        bool fit;
    };
    const Case cases[] = {
        {"sowa", true}, {"sowa.bmp", true}, {"źródło.hlp", true}, {"a b.wav", true},
        {"", false}, {"..", false}, {"../x.hlp", false}, {"sub/sowa.bmp", false},
        {"sub\\sowa.bmp", false}, {"/etc/passwd", false}, {"a..b", false},
    };
    for (const Case& c : cases) EXPECT_EQ(nazwa_medium_poprawna(c.name), c.fit) << c.name;
}

TEST(Wyroznik, MediaFolders)
{
    EXPECT_EQ(kartoteka_mediow(Media::rady, "las"), "../RADY/las/");
    EXPECT_EQ(kartoteka_mediow(Media::grafika, "las"), "../GRAFIKA/las/");
    EXPECT_EQ(kartoteka_mediow(Media::dzwieki, "żaby"), "../DŹWIĘKI/żaby/");
}

using MediaPaths = BazyRun;

TEST_F(MediaPaths, WithTheRuleBasesMark)
{
    run("", [&](Context& ctx) {
        ctx.db.stan.wyroznik.set("las");
        ctx.db.stan.nazwa_ra.add_first("RAinny.BQZ");  // the rule base's mark wins
        EXPECT_EQ(czytaj_wyroznik(ctx), "las");
        EXPECT_EQ(nazwa_pelna_rady(ctx, "r1.hlp"), path_of("RADY/las/r1.hlp"));
        EXPECT_EQ(nazwa_pelna_grafiki(ctx, "sowa"),
                  (std::vector<std::string>{path_of("GRAFIKA/las/sowa"), path_of("GRAFIKA/las/sowa.bmp")}));
        EXPECT_EQ(nazwa_pelna_grafiki(ctx, "sowa.bmp"),
                  (std::vector<std::string>{path_of("GRAFIKA/las/sowa.bmp"), path_of("GRAFIKA/las/sowa.bmp.bmp")}));
        EXPECT_EQ(nazwa_pelna_melodii(ctx, "puszczyk"),
                  (std::vector<std::string>{path_of("DŹWIĘKI/las/puszczyk"), path_of("DŹWIĘKI/las/puszczyk.wav")}));
    });
}

TEST_F(MediaPaths, FromTheAdviceBaseNameWithoutARuleBase)
{
    run("", [&](Context& ctx) {
        ctx.db.stan.nazwa_ra.add_last("RA");  // gives no mark: the next name is tried
        ctx.db.stan.nazwa_ra.add_last("RAlas.BQZ");
        EXPECT_EQ(czytaj_wyroznik(ctx), "las");
        EXPECT_EQ(nazwa_pelna_rady(ctx, "r1.hlp"), path_of("RADY/las/r1.hlp"));
        EXPECT_EQ(nazwa_pelna_grafiki(ctx, "sowa"), std::vector<std::string>{path_of("GRAFIKA/las/sowa.bmp")});
    });
}

TEST_F(MediaPaths, NoMarkNoPath)
{
    const std::string shown = run("", [&](Context& ctx) {
        EXPECT_EQ(czytaj_wyroznik(ctx), std::nullopt);
        EXPECT_EQ(nazwa_pelna_rady(ctx, "r1.hlp"), std::nullopt);
        EXPECT_TRUE(nazwa_pelna_grafiki(ctx, "sowa").empty());
        EXPECT_TRUE(nazwa_pelna_melodii(ctx, "sowa").empty());
        // A mark that is no fit folder name builds no path either.
        ctx.db.stan.wyroznik.set("1.5");
        EXPECT_EQ(czytaj_wyroznik(ctx), "1.5");
        EXPECT_EQ(nazwa_pelna_rady(ctx, "r1.hlp"), std::nullopt);
        EXPECT_TRUE(nazwa_pelna_grafiki(ctx, "sowa").empty());
    });
    EXPECT_EQ(shown, "");
}

TEST_F(MediaPaths, FilesAreFoundWhateverTheirLetterCase)
{
    const std::string on_disk = write_file("GRAFIKA/żaby/Kumak.BMP");
    const std::string sound = write_file("DŹWIĘKI/żaby/rechot.wav");
    run("", [&](Context& ctx) {
        ctx.db.stan.wyroznik.set("żaby");
        const std::vector<std::string> candidates = nazwa_pelna_grafiki(ctx, "kumak");
        ASSERT_EQ(candidates.size(), 2u);
        EXPECT_EQ(candidates[1], on_disk);
        EXPECT_EQ(pierwszy_istniejacy(ctx, candidates), on_disk);
        EXPECT_EQ(pierwszy_istniejacy(ctx, nazwa_pelna_melodii(ctx, "rechot.wav")), sound);
        EXPECT_EQ(pierwszy_istniejacy(ctx, nazwa_pelna_melodii(ctx, "cisza")), std::nullopt);
    });
}

// A base that names a media file by a path is refused with a note; nothing is joined.
TEST_F(MediaPaths, NamesHoldingAPathAreRefusedWithANote)
{
    const std::string note =
        "note \"Uwaga!\": \"Plik \\\"../../tajne.txt\\\" pominięto: nazwa pliku w bazie nie może zawierać "
        "ścieżki ani \\\"..\\\".\"\n";
    const std::string shown = run("note\nnote\nnote\nnote", [&](Context& ctx) {
        ctx.db.stan.wyroznik.set("las");
        EXPECT_EQ(nazwa_pelna_rady(ctx, "../../tajne.txt"), std::nullopt);
        EXPECT_TRUE(nazwa_pelna_grafiki(ctx, "../../tajne.txt").empty());
        EXPECT_TRUE(nazwa_pelna_melodii(ctx, "podfolder\\puszczyk").empty());
        EXPECT_TRUE(nazwa_pelna_grafiki(ctx, "/etc/passwd").empty());
    });
    EXPECT_EQ(shown.substr(0, note.size() * 2), note + note);
    EXPECT_NE(shown.find("Plik \\\"podfolder\\\\puszczyk\\\" pominięto"), std::string::npos) << shown;
    EXPECT_NE(shown.find("Plik \\\"/etc/passwd\\\" pominięto"), std::string::npos) << shown;
}

}  // namespace
}  // namespace kb::test
