// What inference says about each step: the CF of a rule or relational model taken from its text
// or declared by the user, the explanation of a fired rule, the note on a skipped disjunctive
// rule, the fact listings, the conflict of given facts with the exact constraints, the labels of
// a run and the presence tests.
#include <gtest/gtest.h>

#include "inference/cf_reguly.h"
#include "inference/etykiety.h"
#include "inference/przedstawienie_faktow.h"
#include "inference/sprzeczne_fakty.h"
#include "inference/wyjasnienie_reguly.h"
#include "inference_run.h"

namespace inference {
namespace {

using Lines = std::vector<std::string>;

std::string odpowiedz(const std::string& tekst)
{
    return "dialog 10003\n set 10005 \"" + tekst + "\"\n press 1\n";
}

class Wyjasnienia : public test::InferenceRun {
protected:
    // Runs body with an empty report text; the transcript.
    std::string z_raportem(const std::string& kroki, const std::function<void(kb::Context&)>& body)
    {
        return uruchom(kroki, [&](kb::Context& ctx) {
            kb::kasowanie_tekst_raportu(ctx);
            body(ctx);
        });
    }
};

TEST_F(Wyjasnienia, RuleCfIsItsTextOrDeclaredUntilAccepted)
{
    struct Case {
        std::string tekst;
        std::string kroki;
        double cf;
        std::string raport;
        std::size_t naglowki;
    };
    const std::vector<Case> cases = {
        {"0.8", "", 0.8, "", 0},
        {"1", "", 1.0, "", 0},
        {"-1", "", -1.0, "", 0},
        {" 0.5 ", "", 0.5, "", 0},
        {"x", odpowiedz("0.7"), 0.7, "Zadeklaruj CF z przedziału [-1,1]\n   CF(w) = x = 0.7\n", 1},
        {"1.5", odpowiedz("0.7"), 0.7, "Zadeklaruj CF z przedziału [-1,1]\n   CF(w) = 1.5 = 0.7\n", 1},
        {"NAN", odpowiedz("-1"), -1.0, "Zadeklaruj CF z przedziału [-1,1]\n   CF(w) = NAN = -1\n", 1},
        {"x", odpowiedz("2") + "note \"Note\"\n" + odpowiedz("0,7") + odpowiedz(" 0.7"), 0.7,
         "Zadeklaruj CF z przedziału [-1,1]\n     Źle! Musi być -1 <= CF <= 1 ! \n"
         "Zadeklaruj CF z przedziału [-1,1]\nZadeklaruj CF z przedziału [-1,1]\n   CF(w) = x =  0.7\n",
         3},
        {"x", "dialog 10003\n press 2\n message \"Uwaga!\" -> Nie\n" + odpowiedz("0"), 0.0,
         "Zadeklaruj CF z przedziału [-1,1]\nZadeklaruj CF z przedziału [-1,1]\n   CF(w) = x = 0\n", 2},
    };
    for (const Case& c : cases) {
        double cf = 9;
        z_raportem(c.kroki, [&](kb::Context& ctx) { cf = wyznacz_cf(ctx, "w", c.tekst); });
        EXPECT_EQ(cf, c.cf) << c.tekst << c.kroki;
        EXPECT_EQ(raport(), c.raport) << c.tekst << c.kroki;
        EXPECT_EQ(ctx().db.dane.tytul.all(), Lines(c.naglowki, "Zadeklaruj CF z przedziału [-1,1]"));
    }
    double cf = 9;
    z_raportem(odpowiedz("-0.4"), [&](kb::Context& ctx) { cf = wyznacz_cf_negatywne(ctx, "nw"); });
    EXPECT_EQ(cf, -0.4);
    EXPECT_EQ(raport(), "Zadeklaruj CF z przedziału [-1,1]\n   CF(nw) = -0.4\n");
}

TEST_F(Wyjasnienia, FiredRuleIsExplainedInTheWindowAndInTheStepDialog)
{
    reguly = "reguła(12,\"z\",[\"a\",\"nb\",\"c\"],1,\"0.80\")\n";
    bool wynik = false;
    const std::string t = z_raportem("dialog 10026\n press 1\n", [&](kb::Context& ctx) {
        kb::dodaj_wypadkowa(ctx, "a", 0.9);
        kb::dodaj_wypadkowa(ctx, "nb", 0.6);
        ctx.db.dane.tytul.add_last("czekający");
        wynik = wyjasnienie_regula(ctx, 12, "z", {"a", "nb", "c"}, 0.48);
    });
    EXPECT_TRUE(wynik);
    EXPECT_EQ(raport(), "\nStosuję regułę 12 o postaci: \nJeżeli\n    a(0.9)    nb(0.6)\nto z współczynnikiem CF = 0.80\n"
                        "z\nStąd wynika wniosek: \n    z(0.48)\n\n");
    EXPECT_TRUE(zawiera(t, "    10022 edit \"Wyjaśnienie reguły\"\n"
                           "    10027 list [\"Stosuję regułę 12 o postaci:\", \"Jeżeli\", \"    a(0.9)\", \"    nb(0.6)\", "
                           "\"to z współczynnikiem CF = 0.80\", \"    z\", \"Stąd wynika wniosek:\", \"    z(0.48)\"]\n"))
        << t;
}

TEST_F(Wyjasnienia, SilentAndUnexplainableRules)
{
    reguly = "reguła(1,\"x\",[\"a\"],0,\"0.5\")\n"
             "reguła(2,\"koniec\",[\"a\"],1,\"1\")\n"
             "reguła(3,\"koniec\",[\"a\"],0,\"1\")\n";
    struct Case {
        std::int32_t numer;
        std::string wniosek;
        bool wynik;
    };
    const std::vector<Case> cases = {
        {1, "x", true},        // silent
        {1, "nx", false},      // silent, applied to the negated conclusion
        {2, "koniec", false},  // "koniec" is never explained
        {3, "koniec", true},
        {9, "x", false},       // no such rule
    };
    for (const Case& c : cases) {
        bool wynik = !c.wynik;
        const std::string t = z_raportem("", [&](kb::Context& ctx) {
            ctx.db.dane.dane_str.add_last("poprzedni krok");
            wynik = wyjasnienie_regula(ctx, c.numer, c.wniosek, {"a"}, 0.5);
        });
        EXPECT_EQ(wynik, c.wynik) << c.numer << c.wniosek;
        EXPECT_EQ(t, "");
        EXPECT_EQ(ctx().db.dane.dane_str.all(), Lines{"poprzedni krok"});
    }
}

TEST_F(Wyjasnienia, NegatedHypothesisShowsTheRulesOwnConclusion)
{
    reguly = "reguła(4,\"x\",[\"a\"],1,\"0.5\")\n";
    z_raportem("dialog 10026\n press 1\n", [](kb::Context& ctx) { EXPECT_TRUE(wyjasnienie_regula(ctx, 4, "nx", {"a"}, -0.5)); });
    EXPECT_TRUE(zawiera(raport(), "to z współczynnikiem CF = 0.5\nx\nStąd wynika wniosek: \n    nx(-0.5)\n\n")) << raport();
}

TEST_F(Wyjasnienia, SkippedDisjunctiveRule)
{
    reguly = "reguła(5,\"d\",[\"a\"],1,\"-0.7\")\nreguła(6,\"d\",[\"a\"],0,\"-0.7\")\nreguła(7,\"d\",[\"a\"],3,\"-0.7\")\n";
    bool wynik = false;
    const std::string t = z_raportem("note \"Uwaga!\"\n", [&](kb::Context& ctx) {
        wynik = wyjasnienie_regula_dysjunktywna_pomijana(ctx, 5, -0.5);
    });
    EXPECT_TRUE(wynik);
    EXPECT_EQ(raport(), "Stosuję regułę dysjunktywną 5\nz ujemnym CF listy warunków, równym  -0.5\n"
                        "i z ujemnym CF reguły, równym -0.7.\nReguła ta zostanie pominięta przy dalszym wnioskowaniu.\n\n");
    EXPECT_TRUE(zawiera(t, "note \"Uwaga!\": \"Stosuję regułę dysjunktywną 5\\nz ujemnym CF listy warunków, równym  -0.5\\n"
                           "i z ujemnym CF reguły, równym  -0.7\\nReguła ta zostanie pominięta przy dalszym wnioskowaniu.\"\n"))
        << t;
    for (const auto& [numer, oczekiwany] : std::vector<std::pair<int, bool>>{{6, true}, {7, false}, {8, false}}) {
        const std::string cicho = z_raportem("", [&](kb::Context& ctx) {
            wynik = wyjasnienie_regula_dysjunktywna_pomijana(ctx, numer, -0.5);
        });
        EXPECT_EQ(wynik, oczekiwany) << numer;
        EXPECT_EQ(cicho, "");
    }
}

TEST_F(Wyjasnienia, EstablishedFactsAreListedAtTheHighDetailLevelOnly)
{
    struct Case {
        std::string poziom;
        std::vector<kb::NazwaWartosc> wypadkowe;
        std::string kroki;
        std::string raport;
        std::string lista;
    };
    const std::vector<Case> cases = {
        {"mała", {{"gorączka", 1.0}}, "", "", ""},
        {"duża", {{"bez warunku", 1.0}, {"koniec", 1.0}}, "", "\nDane są następujące fakty:\n", ""},
        {"duża",
         {{"gorączka", 1.0}, {"ngorączka", -1.0}, {"katar", 0.13}, {"nadciśnienie", 0.5}, {"wniosek", -0.4}},
         "dialog 10026\n press 1\n",
         "\nDane są następujące fakty:\n    gorączka(1)\n    katar(0.13)\n    wniosek(-0.4)\n",
         "    10027 list [\"    gorączka(1)\", \"    katar(0.13)\", \"    wniosek(-0.4)\"]\n"},
    };
    for (const Case& c : cases) {
        szczegolowosc = c.poziom;
        const std::string t = z_raportem(c.kroki, [&](kb::Context& ctx) {
            for (const auto& w : c.wypadkowe) kb::dodaj_wypadkowa(ctx, w.nazwa, w.wartosc);
            przedstawienie_faktow(ctx);
        });
        EXPECT_EQ(raport(), c.raport) << c.poziom;
        EXPECT_EQ(zawiera(t, "dialog 10026"), !c.lista.empty());
        if (!c.lista.empty()) {
            EXPECT_TRUE(zawiera(t, "    10022 edit \"Dane są następujące fakty:\"\n" + c.lista)) << t;
        }
    }
}

TEST_F(Wyjasnienia, GivenFactsAreListedWithTheirTextsAsWritten)
{
    reguly = "fakt(\"katar\",\"0.50\")\nfakt(\"gorączka\",\"1.0\")\n";
    modele = "m_fakt(\"pora\",\"-1\")\n";
    const std::string t = z_raportem("dialog 10026\n press 1\ndialog 10026\n press 1\n", [](kb::Context& ctx) {
        EXPECT_TRUE(przedstawienie_faktow_pierwotnych(ctx));
        EXPECT_TRUE(przedstawienie_m_faktow_pierwotnych(ctx));
    });
    EXPECT_EQ(raport(), "W bazie reguł są następujące fakty:\n    katar(0.50)\n    gorączka(1.0)\n"
                        "W bazie modeli są następujące fakty:\n    pora(-1)\n");
    EXPECT_TRUE(zawiera(t, "    10022 edit \"W bazie reguł są następujące fakty:\"\n"
                           "    10027 list [\"    katar(0.50)\", \"    gorączka(1.0)\"]\n"))
        << t;
    reguly.clear();
    modele.clear();
    EXPECT_EQ(z_raportem("", [](kb::Context& ctx) { EXPECT_TRUE(przedstawienie_faktow_pierwotnych(ctx)); }), "");
}

// Two members of one exact constraint given as certain: reported once, with the first pair found;
// "1" and "1.0" are the same CF. The run cannot go on.
TEST_F(Wyjasnienia, CertainGivenFactsOfOneExactConstraintConflict)
{
    struct Case {
        std::string fakty;
        bool konflikt;
        std::string para;  // "A B N" of the report
    };
    const std::vector<Case> cases = {
        {"fakt(\"a\",\"1.0\")\nfakt(\"b\",\"1.0\")\n", true, "a b 1"},
        {"fakt(\"a\",\"1.0\")\nfakt(\"b\",\"1\")\n", true, "a b 1"},
        {"fakt(\"a\",\"1\")\nfakt(\"b\",\"1\")\n", true, "a b 1"},
        {"fakt(\"a\",\"1.0\")\nfakt(\"b\",\"0.9\")\n", false, ""},
        {"fakt(\"a\",\"1.0\")\nfakt(\"x\",\"1.0\")\n", false, ""},
        {"fakt(\"x\",\"0.3\")\nfakt(\"c\",\"1.00\")\nfakt(\"a\",\" 1 \")\nfakt(\"b\",\"1\")\n", true, "c a 1"},
    };
    dokladne = "ograniczenie(1,[\"a\",\"b\",\"c\"])\nograniczenie(2,[\"c\",\"a\",\"b\"])\nograniczenie(3,[\"x\",\"y\"])\n";
    for (const Case& c : cases) {
        reguly = c.fakty;
        bool dalej = !c.konflikt;
        const std::string t = z_raportem(std::string(c.konflikt ? "note \"Błąd bazy reguł! \"\n" : "") +
                                             "dialog 10026\n press 1\n",
                                         [&](kb::Context& ctx) {
                                             ctx.db.dane.tytul.add_last("czekający");
                                             dalej = przedstawienie_faktow_pierwotnych(ctx);
                                         });
        EXPECT_EQ(dalej, !c.konflikt) << c.fakty;
        EXPECT_EQ(ctx().db.stan_ladowania.blad_wykluczajacych.all(), c.konflikt ? Lines{"TAK"} : Lines{});
        if (!c.konflikt) continue;
        std::istringstream para(c.para);
        std::string a, b, n;
        para >> a >> b >> n;
        EXPECT_TRUE(zawiera(raport(), "Błąd bazy reguł! Dwa warunki wykluczające się:     " + a + "     " + b +
                                          "z ograniczenia dokładnego " + n +
                                          " zostały zadeklarowane w bazie reguł jako fakty z CF=1.0."
                                          "Wnioskowanie nie jest możliwe! Aby poprawić bazę reguł przejdź do opcji:"
                                          "      'Baza reguł niepewna/Edycja bazy reguł' i popraw błędną bazę reguł."))
            << raport();
        EXPECT_TRUE(zawiera(t, "note \"Błąd bazy reguł! \": \"Dwa warunki wykluczające się:\\n    " + a + "\\n    " + b +
                                   "\\nz ograniczenia dokładnego " + n +
                                   "\\nzostały zadeklarowane w bazie reguł jako fakty z CF=1.0.\\nWnioskowanie nie jest "
                                   "możliwe! Aby poprawić bazę reguł, przejdź do opcji:\\n      'Baza reguł "
                                   "niepewna/Edycja bazy reguł' \\ni popraw błędną bazę reguł.\"\n"))
            << t;
        // The heading went with the conflict: the step dialog opens empty.
        EXPECT_TRUE(zawiera(t, "dialog 10026 \"Wnioskowanie\" opened\n  > press 1\n")) << t;
    }
}

TEST_F(Wyjasnienia, ConflictAmongModelBaseFactsKeepsTheHeading)
{
    dokladne = "ograniczenie(4,[\"a\",\"b\"])\n";
    modele = "m_fakt(\"z\",\"0.2\")\nm_fakt(\"a\",\"1\")\nm_fakt(\"b\",\"1.0\")\n";
    reguly = "fakt(\"b\",\"1\")\n";
    bool dalej = true;
    const std::string t = z_raportem("dialog 10026\n press 1\nnote \"Uwaga: błąd!\"\ndialog 10026\n press 1\n",
                                     [&](kb::Context& ctx) {
                                         EXPECT_TRUE(przedstawienie_faktow_pierwotnych(ctx));
                                         dalej = przedstawienie_m_faktow_pierwotnych(ctx);
                                     });
    EXPECT_FALSE(dalej);
    EXPECT_TRUE(zawiera(t, "note \"Uwaga: błąd!\": \"Błąd bazy modeli! Dwa warunki wykluczające się:\\n    a\\n    b\\n"
                           "z ograniczenia 4\\nzostały zadeklarowane w bazie modeli jako m_fakty z CF=1.0.\\n"
                           "Wnioskowanie nie jest możliwe! Aby poprawić bazę modeli, przejdź do opcji:\\n      'Baza "
                           "modeli dokładna/Edycja bazy modeli' \\ni popraw błędną bazę modeli.\"\n"
                           "dialog 10026 \"Wnioskowanie\" opened\n"
                           "    10022 edit \"W bazie modeli są następujące fakty:\"\n"
                           "    10027 list [\"    z(0.2)\"]\n"))
        << t;
    // Once recorded, the conflict refuses every later listing without a word.
    const std::string znowu = z_raportem("dialog 10026\n press 1\n", [](kb::Context& ctx) {
        ctx.db.stan_ladowania.blad_wykluczajacych.add_last("TAK");
        EXPECT_FALSE(przedstawienie_m_faktow_pierwotnych(ctx));
    });
    EXPECT_FALSE(zawiera(znowu, "note"));
}

TEST_F(Wyjasnienia, KnownMembersOfAnUncertainConstraint)
{
    z_raportem("", [](kb::Context& ctx) {
        EXPECT_FALSE(przedstaw_znane_niepewne(ctx, {}, {}));
        EXPECT_FALSE(przedstaw_blizej(ctx, {"a", "b"}, {0.5}));
        EXPECT_TRUE(przedstaw_znane_niepewne(ctx, {"a"}, {0.25}));
    });
    EXPECT_EQ(raport(), "    a(0.5)\nZadeklarowano wartości CF dla następujących warunków dopytywalnych\n"
                        "z bazy ograniczeń niepewnych:\n    a(0.25)\n");
    EXPECT_EQ(ctx().db.dane.tytul.all(), Lines{"Wartości CF dla warunków dopytywalnych z bazy ograniczeń niepewnych"});
}

TEST_F(Wyjasnienia, LabelsOfARun)
{
    struct Case {
        std::string kroki;
        Lines etykiety;
    };
    const std::vector<Case> cases = {
        {"question \"Tworzenie etykiet\" -> \"&NIE\"\n", {}},
        {"question \"Tworzenie etykiet\" -> close\n", {}},
        {"question \"Tworzenie etykiet\" -> \"&TAK\"\nprompt \"Tworzenie etykiety\" -> \"a\"\n"
         "question \"Następna etykieta?\" -> \"&TAK\"\nprompt \"Tworzenie etykiety\" -> cancel\n"
         "prompt \"Tworzenie etykiety\" -> \"b\"\nquestion \"Następna etykieta?\" -> \"&NIE\"\n",
         {"a", "b"}},
        {"question -> \"&TAK\"\nprompt -> \"\"\nquestion -> close\n", {""}},
    };
    for (const Case& c : cases) {
        uruchom(c.kroki, [](kb::Context& ctx) { generuj_etykiety(ctx); });
        EXPECT_EQ(ctx().db.stan_ladowania.etykieta.all(), c.etykiety) << c.kroki;
    }
}

TEST_F(Wyjasnienia, PresenceTests)
{
    modele = "model(1,\"bez warunku\",\"R\",\"x\",\"+\",\"1\",1,\"1\")\n"
             "model_r(2,\"bez warunku\",\"R\",\"<,<\",[\"a\",\"b\",\"c\"],1,\"CF\")\n"
             "model(3,\"bez warunku\",\"R\",\"x\",\"<>\",\"1\",0,\"CF\")\n"
             "model_r(4,\"bez warunku\",\"S\",\"<=,<=\",[\"a\",\"b\",\"c\"],1,\"CF\")\n"
             "argument_znany(\"x\",1)\n";
    uruchom("", [](kb::Context& ctx) {
        EXPECT_EQ(jest_baza_mo(ctx), "");
        EXPECT_EQ(jest_model_relacyjny(ctx, "R"), 3);
        EXPECT_EQ(jest_model_relacyjny(ctx, "S"), 4);
        EXPECT_EQ(jest_model_relacyjny(ctx, "x"), std::nullopt);
        EXPECT_FALSE(jest_m_fakt(ctx));
        EXPECT_TRUE(jest_argument_znany(ctx));
        EXPECT_FALSE(jest_fakt(ctx));
        ctx.db.stan.nazwa_mo.add_last("MOa.BQZ");
        ctx.db.stan.nazwa_mo.add_last("MOb.BQZ");
        EXPECT_EQ(jest_baza_mo(ctx), "MOa.BQZ");
    });
}

}  // namespace
}  // namespace inference
