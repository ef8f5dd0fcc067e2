// The explanations of applied models, each against a golden file of what it must say: the lines
// of the auxiliary window and of the step dialog, the report text and the answer. A golden file
// (tests/explain/golden/*.txt) gives, in sections opened by "== NAME":
//   wywolanie  the explanation and its arguments, one per line after the name
//   modele     the model base, as fact-file text
//   kanal      (optional) lines and headings pending before the call: "dane_str TEXT", "tytul TEXT"
//   kroki      (optional) the user's steps; "dialog 10026 / press 1" when omitted
//   transcript the lines the program shows, each ended by "|" so that trailing blanks stay seen
//   raport     the report text, each line ended by "|"
//   wynik      true or false
//   pozostale  (optional) the trace lines and headings left pending afterwards, as in kanal
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#include "../inference/inference_run.h"
#include "explain/wyjasnienia_modeli.h"
#include "platform/headless/script.h"

#ifndef VELK_EXPLAIN_GOLDEN
#define VELK_EXPLAIN_GOLDEN ""
#endif

namespace explain {
namespace {

namespace fs = std::filesystem;
using Args = std::vector<std::string>;

std::map<std::string, std::vector<std::string>> sekcje(const fs::path& plik)
{
    std::ifstream in(plik, std::ios::binary);
    std::map<std::string, std::vector<std::string>> out;
    std::string linia;
    std::string biezaca;
    while (std::getline(in, linia)) {
        if (linia.rfind("== ", 0) == 0) {
            biezaca = linia.substr(3);
            out[biezaca];
            continue;
        }
        if (!biezaca.empty()) out[biezaca].push_back(linia);
    }
    return out;
}

// The lines of a section as the golden file holds them, joined by line feeds.
std::string polacz(const std::vector<std::string>& wiersze)
{
    std::string out;
    for (std::size_t i = 0; i < wiersze.size(); ++i) {
        out += wiersze[i];
        if (i + 1 < wiersze.size()) out += '\n';
    }
    return out;
}

// Every line of the text ended by "|"; a final line end opens no further line when
// `bez_ostatniego` (the transcript), and does (the report text, whose last line may be empty).
std::string z_kreskami(std::string tekst, bool bez_ostatniego)
{
    if (bez_ostatniego) {
        if (tekst.empty()) return "";
        if (tekst.back() == '\n') tekst.pop_back();
    }
    std::string out;
    std::size_t start = 0;
    while (true) {
        const std::size_t koniec = tekst.find('\n', start);
        out += tekst.substr(start, koniec == std::string::npos ? std::string::npos : koniec - start) + "|";
        if (koniec == std::string::npos) return out;
        out += '\n';
        start = koniec + 1;
    }
}

double liczba(const std::string& s) { return std::stod(s); }
std::int32_t calkowita(const std::string& s) { return std::stoi(s); }

// The small driver: each explanation by its name, its arguments from the golden file.
bool wywolaj(kb::Context& ctx, const std::string& nazwa, const Args& a)
{
    using Arytm = bool (*)(kb::Context&, std::int32_t, const std::string&, double);
    using Podst = bool (*)(kb::Context&, std::int32_t, const std::string&, double, const std::string&, double);
    using Rozw = bool (*)(kb::Context&, std::int32_t, const std::string&, const std::string&, double, double, double);
    static const std::map<std::string, Arytm> arytmetyczne = {
        {"wyjasnienie_model_matematyczny", wyjasnienie_model_matematyczny},
        {"wyjasnienie_model_matematyczny_2", wyjasnienie_model_matematyczny_2},
        {"wyjasnienie_model_matematyczny_liniowy", wyjasnienie_model_matematyczny_liniowy},
        {"wyjasnienie_model_matematyczny_wielomianowy", wyjasnienie_model_matematyczny_wielomianowy},
        {"wyjasnienie_model_relacyjny", wyjasnienie_model_relacyjny},
        {"wyjasnienie_model_relacyjny_r", wyjasnienie_model_relacyjny_r},
    };
    static const std::map<std::string, Podst> podstawowe = {
        {"wyjasnienie_wstepne_model_relacyjny", wyjasnienie_wstepne_model_relacyjny},
        {"wyjasnienie_negatywne_model_relacyjny", wyjasnienie_negatywne_model_relacyjny},
        {"wyjasnienie_negatywne_model_relacyjny_zanegowany", wyjasnienie_negatywne_model_relacyjny_zanegowany},
        {"wyjasnienie_wstepne_model_relacyjny_zanegowany", wyjasnienie_wstepne_model_relacyjny_zanegowany},
    };
    static const std::map<std::string, Rozw> rozwiniete = {
        {"wyjasnienie_wstepne_model_relacyjny_r", wyjasnienie_wstepne_model_relacyjny_r},
        {"wyjasnienie_negatywne_model_relacyjny_r", wyjasnienie_negatywne_model_relacyjny_r},
        {"wyjasnienie_negatywne_model_relacyjny_r_zanegowany", wyjasnienie_negatywne_model_relacyjny_r_zanegowany},
        {"wyjasnienie_wstepne_model_relacyjny_r_zanegowany", wyjasnienie_wstepne_model_relacyjny_r_zanegowany},
    };
    if (auto f = arytmetyczne.find(nazwa); f != arytmetyczne.end()) {
        return f->second(ctx, calkowita(a.at(0)), a.at(1), liczba(a.at(2)));
    }
    if (auto f = podstawowe.find(nazwa); f != podstawowe.end()) {
        return f->second(ctx, calkowita(a.at(0)), a.at(1), liczba(a.at(2)), a.at(3), liczba(a.at(4)));
    }
    if (auto f = rozwiniete.find(nazwa); f != rozwiniete.end()) {
        return f->second(ctx, calkowita(a.at(0)), a.at(1), a.at(2), liczba(a.at(3)), liczba(a.at(4)),
                         liczba(a.at(5)));
    }
    ADD_FAILURE() << "no explanation named " << nazwa;
    return false;
}

void do_kanalu(kb::Context& ctx, const std::vector<std::string>& wiersze)
{
    for (const std::string& w : wiersze) {
        if (w.rfind("dane_str ", 0) == 0) ctx.db.dane.dane_str.add_last(w.substr(9));
        if (w.rfind("tytul ", 0) == 0) ctx.db.dane.tytul.add_last(w.substr(6));
    }
}

std::vector<std::string> z_kanalu(kb::Context& ctx)
{
    std::vector<std::string> out;
    for (const std::string& s : ctx.db.dane.dane_str.all()) out.push_back("dane_str " + s);
    for (const std::string& s : ctx.db.dane.tytul.all()) out.push_back("tytul " + s);
    return out;
}

class WyjasnieniaModeli : public inference::test::InferenceRun {
protected:
    void sprawdz(const fs::path& plik)
    {
        SCOPED_TRACE(plik.filename().string());
        auto s = sekcje(plik);
        ASSERT_FALSE(s["wywolanie"].empty());
        const std::string nazwa = s["wywolanie"].front();
        const Args args(s["wywolanie"].begin() + 1, s["wywolanie"].end());
        modele.clear();
        for (const std::string& w : s["modele"]) modele += w + "\n";
        std::string kroki = "dialog 10026\n press 1\n";
        if (s.count("kroki")) {
            kroki.clear();
            for (const std::string& w : s["kroki"]) kroki += w + "\n";
        }
        bool wynik = false;
        const std::string t = uruchom(kroki, [&](kb::Context& ctx) {
            ctx.db.baza_raportu.tekst_raportu.add_first("");
            do_kanalu(ctx, s["kanal"]);
            wynik = wywolaj(ctx, nazwa, args);
        });
        const std::string raport = ctx().db.baza_raportu.tekst_raportu.first().value_or("");
        EXPECT_EQ(z_kreskami(t, true), polacz(s["transcript"]));
        EXPECT_EQ(z_kreskami(raport, false), polacz(s["raport"]));
        ASSERT_EQ(s["wynik"].size(), 1u);
        EXPECT_EQ(wynik ? "true" : "false", s["wynik"].front());
        EXPECT_EQ(z_kanalu(ctx()), s["pozostale"]);
    }
};

TEST_F(WyjasnieniaModeli, EveryExplanationSaysExactlyItsGoldenText)
{
    const fs::path katalog = fs::path(VELK_EXPLAIN_GOLDEN);
    ASSERT_TRUE(fs::is_directory(katalog)) << katalog;
    std::vector<fs::path> pliki;
    for (const auto& e : fs::directory_iterator(katalog))
        if (e.path().extension() == ".txt") pliki.push_back(e.path());
    std::sort(pliki.begin(), pliki.end());
    ASSERT_FALSE(pliki.empty());
    for (const fs::path& p : pliki) {
        try {
            sprawdz(p);
        } catch (const std::exception& e) {
            ADD_FAILURE() << p.filename() << ": " << e.what();
        } catch (const platform::headless::ScriptFailure& e) {
            ADD_FAILURE() << p.filename() << ": " << e.message();
        } catch (const platform::ProgramExit&) {
            ADD_FAILURE() << p.filename() << ": the program ended";
        }
    }
}

}  // namespace
}  // namespace explain
