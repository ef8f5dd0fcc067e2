// A model base of all four kinds next to a rule base as their loads leave them, for the tests
// of the model base's askables, checks, forgetting and numbered actions. Test support only.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "kb/baza_modeli.h"
#include "kb/context.h"
#include "kb/dopytywalne_modeli.h"
#include "platform/factfile.h"
#include "platform/headless/headless_toolkit.h"

namespace kb::testing {

namespace fs = std::filesystem;
using platform::headless::HeadlessOptions;
using platform::headless::HeadlessToolkit;
using platform::headless::in_quotes;
using platform::headless::Script;

// A house: area from length and width, its root, a big-house conclusion, a sum, a comfort
// interval, a cost line and a polynomial. "nadwyżka" is an ordinary word that begins with n.
inline const char* const kModelBase =
    "model(1,\"bez warunku\",\"pole\",\"długość\",\"*\",\"szerokość\",1,\"1.0\")\n"
    "model(2,\"bez warunku\",\"pierwiastek\",\"pole\",\"sqrt\",\"0\",1,\"1.0\")\n"
    "model(3,\"duży_dom\",\"dom_duży\",\"pole\",\">=\",\"100\",1,\"0.8\")\n"
    "model_r(4,\"bez warunku\",\"suma\",\"+\",[\"a1\",\"a2\",\"3\"],1,\"1.0\")\n"
    "model_r(5,\"ciepło\",\"komfort\",\"<=,<\",[\"temp\",\"18\",\"24\"],0,\"0.9\")\n"
    "model_liniowy(6,\"bez warunku\",\"koszt\",[\"2.5\",\"cena_m2\"],[\"pole\",\"nadwyżka\"],1,\"1.0\")\n"
    "model_wielomianowy(7,\"bez warunku\",\"y\",\"x\",[\"1\",\"wsp\"],[0,1],1,\"1.0\")\n"
    "argument_znany(\"długość\",12.5)\n"
    "argument_znany(\"x\",2)\n"
    "m_fakt(\"ciepło\",\"0.7\")\n"
    "modele_ekskluzywne([\"dom_duży\",\"komfort\"])\n"
    "rem_model(\"uwaga\")\n";

class ModelBaseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "velk-models-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = fs::canonical(pattern).string();
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    // A program whose user answers with `script`; its current directory is the temporary one.
    kb::Context& start(const std::string& script = "")
    {
        HeadlessOptions options;
        options.working_dir = dir_;
        ui_ = std::make_unique<HeadlessToolkit>(Script::parse(script), options);
        ctx_ = std::make_unique<kb::Context>(*ui_, dir_);
        return *ctx_;
    }

    // A rule base as its load leaves it, and the model base read from `model_text`.
    void load_bases(const std::string& model_text = kModelBase)
    {
        kb::Stan& s = ctx_->db.stan;
        s.nazwa_re.add_first("REdom.BQZ");
        s.wyroznik.add_last("dom");
        s.lista_warunkow_dopytywalnych.add_first({"ciepło", "dom_duży", "wiatr"});
        s.lista_wnioskow_regul.add_last({"duży_dom", "decyzja"});
        s.lista_wnioskow_regul.add_last({"duży_dom", "decyzja", "koniec"});
        factfile::load_text(ctx_->db.baza_modeli, model_text);
        s.nazwa_mo.add_first("MOdom.BQZ");
        s.nazwa_mo_pelna.add_first(dir_ + "/MOdom.BQZ");
    }

    // The computations of the model-base load, in its order.
    void compute_askables()
    {
        kb::Context& c = *ctx_;
        kb::wyznacz_i_pamietaj_argumenty_modeli(c);
        kb::wyznacz_i_pamietaj_wnioski_modeli(c);
        kb::wyznacz_i_pamietaj_warunki_stosowania_modeli(c);
        kb::wyznacz_i_pamietaj_wyniki_modeli(c);
        ASSERT_TRUE(kb::redukuj_warunki_dopytywalne(c));
        ASSERT_TRUE(kb::wyznacz_dopytywalne_zmienne(c));
        ASSERT_TRUE(kb::wyznacz_warunki_i_argumenty_dopytywalne(c));
    }

    std::string transcript() const { return ui_->transcript(); }
    kb::Stan& stan() { return ctx_->db.stan; }

    // No fact of the model-base database, no model-base name and no list computed from the
    // base is left; the rule base, its askable conditions and the full path stay.
    void expect_model_base_forgotten()
    {
        ctx_->db.baza_modeli.visit([](std::string_view name, const auto& facts) {
            EXPECT_TRUE(facts.empty()) << name;
        });
        kb::Stan& s = stan();
        EXPECT_TRUE(s.nazwa_mo.empty());
        for (const auto* list : {&s.lista_argumentow_dopytywalnych, &s.lista_argumentow_modeli,
                                 &s.lista_warunkow_i_argumentow_dopytywalnych, &s.lista_warunkow_stosowania,
                                 &s.lista_wnioskow_modeli, &s.lista_wynikow_modeli,
                                 &s.lista_wszystkich_dopytywalnych_dla_wyswietlania, &s.zmienne, &s.wyniki,
                                 &s.argumenty_zredukowane, &s.wyniki_zredukowane})
            EXPECT_TRUE(list->empty());
        EXPECT_TRUE(s.lista_wszystkich_zmiennych_logicznych.empty());
        EXPECT_TRUE(s.zmienna_ustalona.empty());
        EXPECT_TRUE(s.duplikat_nazwy_mo.empty());
        EXPECT_TRUE(s.lista_argumentow_modelu_arytmetycznego.empty());

        EXPECT_EQ(s.nazwa_mo_pelna.first(), dir_ + "/MOdom.BQZ");
        EXPECT_EQ(s.nazwa_re.first(), "REdom.BQZ");
        EXPECT_EQ(s.wyroznik.first(), "dom");
        EXPECT_EQ(s.lista_warunkow_dopytywalnych.size(), 1u);
        EXPECT_EQ(s.lista_wnioskow_regul.size(), 2u);
    }

    std::string dir_;
    std::unique_ptr<HeadlessToolkit> ui_;
    std::unique_ptr<kb::Context> ctx_;
};

inline std::string note_line(const std::string& title, const std::string& text)
{
    return "note " + in_quotes(title) + ": " + in_quotes(text) + "\n";
}

}  // namespace kb::testing
