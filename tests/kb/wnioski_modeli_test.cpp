// The clash check of a rule base and a model base loaded together: a table of small model
// bases against one rule base (which test fires and which names it lists), the exact report of
// each test, what a clash unloads and greys, and a missing base name reported, not hushed.
#include "kb/wnioski_modeli.h"

#include "kb/dopytywalne_modeli.h"
#include "kb/dopytywalne_regul.h"
#include "kb_harness.h"
#include "platform/toolkit.h"

namespace kb {
namespace {

using platform::headless::in_quotes;

const std::string kRules =
    "reguła(1,\"choroba\",[\"gorączka\",\"nkaszel\"],1,\"1\")\n"
    "reguła(2,\"koniec\",[\"choroba\"],1,\"1\")\n";

enum class Wynik { Zgoda, JednakoweWnioski, JednakoweZmienne };

struct ClashCase {
    const char* what;
    std::string models;
    Wynik wynik;
    SList nazwy;
};

class WnioskiModeli : public testing::KbHarness {
protected:
    // What the two loads leave behind: both bases, their names and the lists they computed.
    void load_bases(const std::string& models)
    {
        load(ctx().db.baza_regul, kRules);
        load(ctx().db.baza_modeli, models);
        ctx().db.stan.nazwa_re.add_first("REzoo.BQZ");
        ctx().db.stan.nazwa_re_pelna.add_first("/b/REzoo.BQZ");
        ctx().db.stan.nazwa_mo.add_first("MOzoo.BQZ");
        wyznacz_warunki_dopytywalne(ctx());
        wyznacz_i_pamietaj_argumenty_modeli(ctx());
        wyznacz_i_pamietaj_wnioski_modeli(ctx());
        wyznacz_i_pamietaj_warunki_stosowania_modeli(ctx());
        wyznacz_i_pamietaj_wyniki_modeli(ctx());
    }

    // Runs the check in the main window with both inference items enabled beforehand.
    bool check(bool* inference_enabled_after = nullptr)
    {
        bool ok = false;
        in_main_window([&] {
            ui().enable_menu_item(ui().main_window(), 10164, true);
            ui().enable_menu_item(ui().main_window(), 10165, true);
            ok = wnioski_modeli_a_wnioski_regul(ctx());
            if (inference_enabled_after)
                *inference_enabled_after = ui().menu_item_enabled(10164) || ui().menu_item_enabled(10165);
        });
        return ok;
    }
};

TEST_F(WnioskiModeli, ClashCases)
{
    const std::vector<ClashCase> cases = {
        {"no shared name", "model(1,\"pomiar\",\"temp_c\",\"temp_f\",\"-\",\"32\",1,\"1\")\n", Wynik::Zgoda, {}},
        {"relational conclusion of a rule",
         "model(1,\"pomiar\",\"choroba\",\"temp\",\">\",\"37\",1,\"1\")\n",
         Wynik::JednakoweWnioski,
         {"choroba"}},
        {"arithmetic result is a rule condition",
         "model(1,\"pomiar\",\"gorączka\",\"a\",\"+\",\"b\",1,\"1\")\n",
         Wynik::JednakoweZmienne,
         {"gorączka"}},
        {"arithmetic result is a negated condition's name",
         "model(1,\"pomiar\",\"kaszel\",\"a\",\"+\",\"b\",1,\"1\")\n",
         Wynik::JednakoweZmienne,
         {"kaszel"}},
        {"argument is an application condition",
         "model(1,\"pomiar\",\"x\",\"pomiar\",\"+\",\"b\",1,\"1\")\n",
         Wynik::JednakoweZmienne,
         {"pomiar"}},
        {"arithmetic result is a rule conclusion",
         "model(1,\"p\",\"choroba\",\"a\",\"+\",\"b\",1,\"1\")\n",
         Wynik::JednakoweZmienne,
         {"choroba"}},
        {"relational model comparing rule conditions",
         "model(1,\"p\",\"wysoka\",\"gorączka\",\">\",\"kaszel\",1,\"1\")\n",
         Wynik::Zgoda,
         {}},
        {"arguments first, then results",
         "model(1,\"p\",\"gorączka\",\"choroba\",\"+\",\"kaszel\",1,\"1\")\n",
         Wynik::JednakoweZmienne,
         {"choroba", "kaszel", "gorączka"}},
        {"letter case differs", "model(1,\"p\",\"Gorączka\",\"Choroba\",\"+\",\"b\",1,\"1\")\n", Wynik::Zgoda, {}},
        {"koniec counts among the rule conclusions",
         "model(1,\"p\",\"koniec\",\"a\",\"+\",\"b\",1,\"1\")\n",
         Wynik::JednakoweZmienne,
         {"koniec"}},
        {"relational koniec, met in the list with koniec",
         "model(1,\"p\",\"koniec\",\"a\",\">\",\"b\",1,\"1\")\n",
         Wynik::JednakoweWnioski,
         {"koniec"}},
        {"the first combination with a clash decides",
         "model(1,\"p\",\"koniec\",\"a\",\">\",\"b\",1,\"1\")\nmodel(2,\"p\",\"choroba\",\"a\",\"<\",\"b\",1,\"1\")\n",
         Wynik::JednakoweWnioski,
         {"choroba"}},
    };
    for (const auto& c : cases) {
        const bool clash = c.wynik != Wynik::Zgoda;
        std::string script;
        if (c.wynik == Wynik::JednakoweWnioski) script = "note \"Błąd: jednakowe nazwy wniosków bazy reguł i bazy modeli\"\n";
        if (c.wynik == Wynik::JednakoweZmienne)
            script = "note \"Błąd: jednakowe nazwy zmiennych bazy reguł i/lub zmiennych bazy modeli\"\n";
        start(script);
        load_bases(c.models);
        const Store before = ctx().db;
        bool enabled = false;
        EXPECT_EQ(check(&enabled), !clash) << c.what;
        EXPECT_EQ(enabled, !clash) << c.what;
        if (!clash) {  // no word and no change to any fact
            EXPECT_TRUE(aux().empty()) << c.what;
            EXPECT_EQ(factfile::save_text(ctx().db.stan), factfile::save_text(before.stan)) << c.what;
            EXPECT_EQ(factfile::save_text(ctx().db.baza_regul), factfile::save_text(before.baza_regul)) << c.what;
            EXPECT_EQ(factfile::save_text(ctx().db.baza_modeli), factfile::save_text(before.baza_modeli)) << c.what;
            continue;
        }
        std::vector<std::string> listed;
        for (const std::string& line : aux())
            if (line.rfind("   ", 0) == 0) listed.push_back(line.substr(3));
        EXPECT_EQ(listed, c.nazwy) << c.what;
        const std::string quoted = in_quotes(factfile::to_text(c.nazwy));  // as the note shows it
        EXPECT_NE(transcript().find(quoted.substr(1, quoted.size() - 2)), std::string::npos) << c.what;
    }
}

TEST_F(WnioskiModeli, ConclusionClashReportUnloadsTheModelBaseOnly)
{
    start("note \"Błąd: jednakowe nazwy wniosków bazy reguł i bazy modeli\"\n");
    load_bases("model(1,\"pomiar\",\"choroba\",\"temp\",\">\",\"37\",1,\"1\")\nargument_znany(\"temp\",38)\n");
    ctx().db.baza_regul.fakt.add_last({"gorączka", "1"});
    EXPECT_FALSE(check());

    EXPECT_EQ(aux(), (std::vector<std::string>{"Błąd w bazie reguł   REzoo.BQZ",
                                               "i w bazie modeli MOzoo.BQZ",
                                               "",
                                               "Reguły i modele relacyjne mają jednakowe wnioski.",
                                               "Wnioskami tymi są:",
                                               "",
                                               "   choroba",
                                               "",
                                               "Przejdź do 'Bazy modeli niepewnej' lub do 'Bazy reguł niepewnej',",
                                               "wybierz opcję 'Edycja bazy modeli', ",
                                               "lub opcję 'Edycja bazy reguł', ",
                                               "wybierz błędną bazę i usuń błąd."}));
    const std::string note =
        "Błąd w bazie reguł\n   REzoo.BQZ\ni w bazie modeli\n   MOzoo.BQZ.\nReguły i modele relacyjne mają wnioski o "
        "\njednakowych nazwach.  \nWnioskami tymi są wnioski z listy:\n   [\"choroba\"].\nWnioskowanie nie może być "
        "kontynuowane. \nPrzejdź do 'Bazy modeli niepewnej' lub \ndo 'Bazy reguł niepewnej',\nwybierz opcję 'Edycja "
        "bazy modeli', \nlub opcję 'Edycja bazy reguł', \nwybierz błędną bazę i usuń błąd.";
    EXPECT_NE(transcript().find("note \"Błąd: jednakowe nazwy wniosków bazy reguł i bazy modeli\": " + in_quotes(note)),
              std::string::npos)
        << transcript();

    // The model base goes as a unit; the rules stay for editing, inference waits for a reload.
    const Stan& s = ctx().db.stan;
    EXPECT_TRUE(ctx().db.baza_modeli.model.empty());
    EXPECT_TRUE(ctx().db.baza_modeli.argument_znany.empty());
    EXPECT_TRUE(s.nazwa_mo.empty() && s.lista_wnioskow_modeli.empty());
    EXPECT_TRUE(s.lista_argumentow_modeli.empty() && s.lista_wynikow_modeli.empty());
    EXPECT_FALSE(ctx().db.baza_regul.regula.empty());
    EXPECT_EQ(ctx().db.baza_regul.fakt.size(), 1u);
    EXPECT_FALSE(s.nazwa_re.empty());
    EXPECT_FALSE(s.lista_wnioskow_regul.empty());
    EXPECT_NE(transcript().find("menu greyed: 10164 10165"), std::string::npos) << transcript();
    EXPECT_TRUE(ctx().db.baza_raportu.tekst_raportu.empty());  // plain writes only
}

TEST_F(WnioskiModeli, VariableClashReportTexts)
{
    start("note\n");
    load_bases("model(1,\"pomiar\",\"gorączka\",\"a\",\"+\",\"b\",1,\"1\")\n");
    EXPECT_FALSE(check());
    EXPECT_EQ(aux(), (std::vector<std::string>{"Błąd w bazie reguł   REzoo.BQZ",
                                               "i/lub w bazie modeli MOzoo.BQZ",
                                               "",
                                               "Reguły i modele  mają warunki/wnioski",
                                               "o tych samych nazwach jak argumenty/wyniki.",
                                               "Są nimi:",
                                               "",
                                               "   gorączka",
                                               "",
                                               "Przejdź do 'Bazy modeli niepewnej ' lub do 'Bazy reguł niepewnej',",
                                               "wybierz opcję 'Edycja bazy modeli', ",
                                               "lub opcję 'Edycja bazy reguł', ",
                                               "wybierz błędną bazę i usuń błąd."}));
    const std::string note =
        "Błąd w bazie reguł\n   REzoo.BQZ\ni/lub w bazie modeli\n   MOzoo.BQZ.\nReguły i modele mają "
        "warunki/wnioski\no tych samych nazwach jak argumenty/wyniki. \nZawiera je lista:\n   [\"gorączka\"]."
        "\nWnioskowanie nie może być kontynuowane. \nPrzejdź do 'Bazy modeli niepewnej' lub \ndo 'Bazy reguł "
        "niepewnej',\nwybierz opcję 'Edycja bazy modeli', \nlub opcję 'Edycja bazy reguł', \nwybierz błędną bazę i "
        "usuń błąd.";
    EXPECT_NE(transcript().find("note \"Błąd: jednakowe nazwy zmiennych bazy reguł i/lub zmiennych bazy modeli\": " +
                                in_quotes(note)),
              std::string::npos)
        << transcript();
}

// A clash found while a base name is missing is still reported, naming what is missing.
TEST_F(WnioskiModeli, AMissingBaseNameIsReported)
{
    start("note\n");
    load_bases("model(1,\"pomiar\",\"choroba\",\"temp\",\">\",\"37\",1,\"1\")\n");
    ctx().db.stan.nazwa_mo.remove_all();
    EXPECT_FALSE(check());
    const auto lines = aux();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Błąd w bazie reguł   REzoo.BQZ");
    EXPECT_EQ(lines[1], "i w bazie modeli (brak nazwy bazy modeli)");
    EXPECT_NE(transcript().find("\\ni w bazie modeli\\n   (brak nazwy bazy modeli)."), std::string::npos);
    EXPECT_TRUE(ctx().db.baza_modeli.model.empty());
    EXPECT_FALSE(ctx().db.baza_regul.regula.empty());
}

TEST_F(WnioskiModeli, MissingListsPassWithoutAWord)
{
    load_bases("model(1,\"pomiar\",\"choroba\",\"temp\",\">\",\"37\",1,\"1\")\n");
    ctx().db.stan.lista_wnioskow_modeli.remove_all();
    EXPECT_TRUE(check());
    EXPECT_TRUE(aux().empty());
    EXPECT_EQ(ctx().db.baza_regul.regula.size(), 2u);
}

}  // namespace
}  // namespace kb
