// The report text and its writers: what reaches the auxiliary window and the report, the
// writers starting a report when there is none, and the offer to save the report file.
#include "kb/pisz.h"

#include "kb_harness.h"
#include "platform/files.h"

namespace kb {
namespace {

using platform::headless::in_quotes;

class PiszTest : public testing::KbHarness {
protected:
    std::vector<std::string> reports() { return ctx().db.baza_raportu.tekst_raportu.all(); }
};

TEST_F(PiszTest, ResetThenFourWritesGiveTheSevenByteReport)
{
    kasowanie_tekst_raportu(ctx());
    pisz_tuto(ctx(), "a");
    piszcr(ctx());
    pisz_tuto_int(ctx(), -5);
    pisz_tuto_real(ctx(), 0.5);
    EXPECT_EQ(reports(), (std::vector<std::string>{"a\n-50.5"}));
    EXPECT_EQ(reports()[0].size(), 7u);
    end_aux_line();
    EXPECT_EQ(aux(), (std::vector<std::string>{"a", "-50.5"}));  // the window got the same text
}

TEST_F(PiszTest, RealsUseTheGeneralNumberForm)
{
    kasowanie_tekst_raportu(ctx());
    for (double v : {1.0, 2.0 / 3.0, 0.00001, 1.5e10, -0.25}) {
        pisz_tuto_real(ctx(), v);
        pisz_tuto(ctx(), " ");
    }
    EXPECT_EQ(reports(), (std::vector<std::string>{"1 0.6666666667 1E-05 1.5E+10 -0.25 "}));
}

// Before the first reset, and after viewing a report file without a text, a writer starts a
// report instead of failing half-way through a check.
TEST_F(PiszTest, WritersStartAReportWhenThereIsNone)
{
    pisz_tuto(ctx(), "x");
    EXPECT_EQ(reports(), (std::vector<std::string>{"x"}));
    ctx().db.baza_raportu.tekst_raportu.remove_all();
    piszcr(ctx());
    EXPECT_EQ(reports(), (std::vector<std::string>{"\n"}));
    ctx().db.baza_raportu.tekst_raportu.remove_all();
    pisz_tuto(ctx(), "");
    EXPECT_EQ(reports(), (std::vector<std::string>{""}));
}

TEST_F(PiszTest, EmptyWritesAndEmptyListsChangeNothing)
{
    kasowanie_tekst_raportu(ctx());
    pisz_tuto(ctx(), "ab");
    pisz_tuto(ctx(), "");
    lista_dla_raportu(ctx(), {});
    EXPECT_EQ(reports(), (std::vector<std::string>{"ab"}));
}

TEST_F(PiszTest, ResetsLeaveOneEmptyTextAndSeveralTextsBecomeTheFirst)
{
    kasowanie_tekst_raportu(ctx());
    pisz_tuto(ctx(), "old");
    kasowanie_tekst_raportu(ctx());
    kasowanie_tekst_raportu(ctx());
    EXPECT_EQ(reports(), (std::vector<std::string>{""}));

    ctx().db.baza_raportu.tekst_raportu.set("first");
    ctx().db.baza_raportu.tekst_raportu.add_last("second");
    lista_dla_raportu(ctx(), {"+", "1"});
    EXPECT_EQ(reports(), (std::vector<std::string>{"first+1"}));
}

TEST_F(PiszTest, RaportAnsweredNieSucceedsAndSavesNothing)
{
    start("question \"Raport wnioskowania/diagnostyki\" -> Nie\n");
    kasowanie_tekst_raportu(ctx());
    EXPECT_TRUE(raport(ctx()));
    EXPECT_EQ(aux(), (std::vector<std::string>{" Czy zachować raport?  "}));
    EXPECT_NE(transcript().find("question \"Raport wnioskowania/diagnostyki\": " +
                                in_quotes("Czy chcesz zachować przebieg\nwnioskowania/diagnostyki w raporcie?") +
                                " [&Tak|&Nie] -> &Nie"),
              std::string::npos)
        << transcript();
}

TEST_F(PiszTest, RaportCancelledAtTheFileDialogFails)
{
    start("question -> Tak\nsave \"Podaj nazwę nowego pliku raportu\" -> cancel\n");
    kasowanie_tekst_raportu(ctx());
    EXPECT_FALSE(raport(ctx()));
    EXPECT_NE(transcript().find("save dialog \"Podaj nazwę nowego pliku raportu\" name \"*.RPT\" filter "
                                "\"Pliki raportów (*.RPT)\" \"*.RPT\" -> cancelled"),
              std::string::npos)
        << transcript();
    EXPECT_TRUE(std::filesystem::is_empty(dir_));
}

// The saved file is the report database in the fact-file form, CP1250 with CR LF, and it
// loads back to the same text.
TEST_F(PiszTest, RaportAnsweredTakSavesTheFileByteForByte)
{
    start("question -> Tak\nsave -> \"wynik.RPT\"\nnote \"Uwaga!\"\n");
    kasowanie_tekst_raportu(ctx());
    const std::string text = "Wniosek \"ł\"\\t\nkoniec\r";
    pisz_tuto(ctx(), text);
    EXPECT_TRUE(raport(ctx()));

    EXPECT_EQ(read_file("wynik.RPT"), "tekst_raportu(\"Wniosek \\\"\xB3\\\"\\\\t\\nkoniec\\r\")\r\n");
    BazaRaportu back;
    factfile::load(back, ctx().files, path("wynik.RPT"));
    EXPECT_EQ(back.tekst_raportu.all(), (std::vector<std::string>{text}));

    const std::vector<std::string> lines = aux();
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(lines.end() - 5, lines.end()),
              (std::vector<std::string>{" Podaj nazwę raportu (*.RPT):", "", " Raport <dir>/wynik.RPT został zapamiętany.",
                                        "", ""}));
    EXPECT_NE(transcript().find("note \"Uwaga!\": \"Raport wynik.RPT został zapamiętany.\""), std::string::npos)
        << transcript();
    EXPECT_EQ(reports(), (std::vector<std::string>{text}));  // saving keeps the report
}

TEST_F(PiszTest, AFailingSaveRaisesToTheEventTrap)
{
    start("question -> Tak\nsave -> \"brak/wynik.RPT\"\n");
    kasowanie_tekst_raportu(ctx());
    EXPECT_THROW(raport(ctx()), files::FileError);
}

}  // namespace
}  // namespace kb
