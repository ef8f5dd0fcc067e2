// The pictures and sounds of a conclusion: which entries are offered for its CF, in which order,
// what a No, a Yes and a missing file lead to, and that one picture and one sound at most are
// presented per offer.
#include <gtest/gtest.h>

#include "inference/media_wnioskow.h"
#include "inference_run.h"

namespace inference {
namespace {

using Lines = std::vector<std::string>;

const std::string kObraz = "message \"Wybierz:\" -> ";
const std::string kPytanieObrazu = "\"Czy chcesz przejrzeć dołączoną grafikę?\"";
const std::string kPytanieDzwieku = "\"Czy chcesz przesłuchać dołączony dźwięk?\"";

// A picture of one white pixel: a bitmap file any back-end reads.
std::string bitmapa()
{
    const unsigned char bajty[] = {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0,
                                   1, 0, 24, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                   255, 255, 255, 0};
    return std::string(reinterpret_cast<const char*>(bajty), sizeof bajty);
}

class MediaWnioskow : public test::InferenceRun {
protected:
    void SetUp() override
    {
        InferenceRun::SetUp();
        reguly = "reguła(1,\"K\",[\"a\"],1,\"0.5\")\n"
                 "reguła(2,\"K\",[\"b\"],0,\"0.5\")\n"
                 "reguła(3,\"K\",[\"c\"],1,\"0.5\")\n"
                 "reguła(4,\"L\",[\"c\"],1,\"0.5\")\n";
        modele = "model_r(7,\"bez warunku\",\"K\",\"<,<\",[\"x\",\"y\",\"z\"],1,\"CF\")\n"
                 "model(8,\"bez warunku\",\"K\",\"x\",\">\",\"y\",0,\"CF\")\n";
        for (const char* name : {"jeden.bmp", "trzy.bmp", "model.bmp", "nie.bmp"}) write_file(std::string("GRAFIKA/las/") + name, bitmapa());
        for (const char* name : {"jeden.wav", "dwa.wav", "model.wav"}) write_file(std::string("DŹWIĘKI/las/") + name);
    }
    std::string oferuj(const std::string& kroki, const std::string& media, double cf, bool dzwieki = false)
    {
        return uruchom(kroki, [&](kb::Context& ctx) {
            ctx.db.stan.wyroznik.add_last("las");
            if (dzwieki) {
                factfile::load_text(ctx.db.baza_melodii, media);
                przesluchaj_melodie(ctx, "K", cf);
            } else {
                factfile::load_text(ctx.db.baza_grafiki, media);
                wyswietl_grafike(ctx, "K", cf);
            }
        });
    }
};

TEST_F(MediaWnioskow, PicturesOfExplainedRulesThenOfTheFirstRelationalModel)
{
    const std::string media = "grafika(2,\"dwa.bmp\")\ngrafika(3,\"trzy.bmp\")\ngrafika(1,\"jeden.bmp\")\n"
                              "grafika(1,\"brak.bmp\")\ngrafika(8,\"model.bmp\")\ngrafika(7,\"siedem.bmp\")\n"
                              "ngrafika(1,\"nie.bmp\")\n";
    // No to each: rule 1's two pictures, rule 3's, then model 8's (the basic model comes first);
    // rule 2 keeps silent and model 7 is not the first.
    const std::string t = oferuj(kObraz + "Nie\n" + kObraz + "Nie\n" + kObraz + "Nie\n" + kObraz + "Nie\n", media, 0.0);
    EXPECT_EQ(wiersze_z(t, "message").size(), 4u);
    EXPECT_FALSE(zawiera(t, "dialog 10019"));

    // Yes to a missing file goes on to the next one; Yes to one that exists shows it and ends.
    const std::string tak = oferuj(kObraz + "Nie\n" + kObraz + "Tak\n" + kObraz + "Tak\ndialog 10019\n press 1\n", media, 0.5);
    EXPECT_EQ(wiersze_z(tak, "message").size(), 3u);
    EXPECT_TRUE(zawiera(tak, "dialog 10019 \"Przegląd grafiki\" opened\n")) << tak;
    EXPECT_EQ(ctx().db.dane.dane_graf.all(), Lines{path_of("GRAFIKA/las/trzy.bmp")});

    // A false conclusion is offered its negative pictures only.
    const std::string nie = oferuj(kObraz + "Tak\ndialog 10019\n press 1\n", media, -0.2);
    EXPECT_EQ(wiersze_z(nie, "message"),
              (Lines{"message \"Wybierz:\": " + kPytanieObrazu + " [Tak|Nie] -> Tak"}));
    EXPECT_EQ(ctx().db.dane.dane_graf.all(), Lines{path_of("GRAFIKA/las/nie.bmp")});
}

TEST_F(MediaWnioskow, MissingPictureAndNoBaseSayNothing)
{
    EXPECT_EQ(oferuj(kObraz + "Tak\n", "grafika(1,\"brak.bmp\")\n", 1.0), "message \"Wybierz:\": " + kPytanieObrazu +
                                                                            " [Tak|Nie] -> Tak\n");
    EXPECT_TRUE(ctx().db.dane.dane_graf.empty());
    EXPECT_EQ(oferuj("", "", 1.0), "");
}

TEST_F(MediaWnioskow, SoundsOfEveryRuleWhateverItsFlag)
{
    const std::string media = "dźwięk(2,\"dwa.wav\")\ndźwięk(1,\"jeden.wav\")\nndźwięk(8,\"model.wav\")\n";
    const std::string t = oferuj("message \"Wybierz:\" -> Nie\nmessage \"Wybierz:\" -> Tak\n", media, 0.0, true);
    EXPECT_EQ(wiersze_z(t, "message").size(), 2u);
    EXPECT_TRUE(zawiera(t, "message \"Wybierz:\": " + kPytanieDzwieku + " [Tak|Nie] -> Tak\nsound ")) << t;
    EXPECT_TRUE(zawiera(t, "dwa.wav")) << t;
    const std::string nie = oferuj("message \"Wybierz:\" -> Tak\n", media, -1.0, true);
    EXPECT_TRUE(zawiera(nie, "model.wav")) << nie;
}

}  // namespace
}  // namespace inference
