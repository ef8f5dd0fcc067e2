// The relational models of a forward run over bases put straight into the store: which model is
// applied and through which outcome of its relation, what is recorded under which name, and
// which dialogs the user sees (the explanation before the CF question always, the conclusion
// only for display flag 1). Arguments are numbers written in the model, so nothing is asked but
// the CF.
#include <gtest/gtest.h>

#include "inference/wnioskowanie.h"
#include "inference_run.h"
#include "kb/dopytywalne_modeli.h"

namespace inference {
namespace {

const std::string kKrok = "dialog 10026\npress 1\n";
std::string cf_podane(const std::string& cf) { return "dialog 10003\nset 10005 \"" + cf + "\"\npress 1\n"; }

// The end of a run: the notes around the closing listing (its dialog only when a fact is
// known), the summary and the report declined.
std::string koniec(bool sa_fakty)
{
    return std::string("note \"Uwaga!\"\n") + (sa_fakty ? kKrok : "") + "note \"Uwaga!\"\n" +
           "question \"Plik podsumowania\" -> \"&NIE\"\n" +
           "question \"Raport wnioskowania/diagnostyki\" -> \"&Nie\"\n";
}

class ModeleRelacyjne : public test::InferenceRun {
protected:
    ModeleRelacyjne() : InferenceRun("mała") {}

    void biegnij(const std::string& kroki_uzytkownika)
    {
        uruchom(kroki_uzytkownika, [&](kb::Context& ctx) {
            kb::wyznacz_i_pamietaj_warunki_stosowania_modeli(ctx);  // as the model-base load does
            ctx.db.stan.wyroznik.add_last("test");
            kb::dodaj_wypadkowa(ctx, "bez warunku", 1.0);
            wnioskowanie(ctx);
        });
    }
    bool zastosowany(std::int32_t numer)
    {
        return ctx().db.stan_ladowania.model_stosowany.any([&](std::int32_t n) { return n == numer; });
    }
};

TEST_F(ModeleRelacyjne, EachOutcomeRecordsTheDeclaredCfUnderItsNameAndShowsItsDialogs)
{
    struct Przypadek {
        const char* opis;
        std::string model;
        std::string kroki;                 // the user's side up to the end of the run
        std::vector<std::string> wypadkowe;  // every resultant recorded, in order
        bool zastosowany;
    };
    const std::string pytanie_i_wniosek = kKrok + cf_podane("0.8") + kKrok;
    const std::vector<Przypadek> przypadki = {
        {"a relation that holds, explained", "model(7,\"bez_warunku\",\"alarm\",\"120\",\">\",\"100\",1,\"CFA\")",
         pytanie_i_wniosek + koniec(true), {"bez warunku=1", "alarm=0.8", "nalarm=-0.8"}, true},
        {"display flag 0: no conclusion dialog", "model(7,\"bez_warunku\",\"alarm\",\"120\",\">\",\"100\",0,\"CFA\")",
         kKrok + cf_podane("0.8") + koniec(true), {"bez warunku=1", "alarm=0.8", "nalarm=-0.8"}, true},
        {"display flag 2: asked, never applied", "model(7,\"bez_warunku\",\"alarm\",\"120\",\">\",\"100\",2,\"CFA\")",
         kKrok + cf_podane("0.8") + koniec(false), {"bez warunku=1"}, false},
        {"equal values under <>: the opposite is declared", "model(7,\"bez_warunku\",\"alarm\",\"5\",\"<>\",\"5\",1,\"CFA\")",
         kKrok + cf_podane("0.7") + kKrok + koniec(true), {"bez warunku=1", "nalarm=0.7", "alarm=-0.7"}, true},
        {"a result written as a negation that fails", "model(7,\"bez_warunku\",\"nzimno\",\"5\",\"<\",\"0\",1,\"CFZ\")",
         kKrok + cf_podane("0.7") + kKrok + koniec(true), {"bez warunku=1", "zimno=0.7", "nzimno=-0.7"}, true},
        {"an interval that holds over 1, 2, 2", "model_r(9,\"bez_warunku\",\"ciepło\",\"<,<=\",[\"1\",\"2\",\"2\"],1,\"CFC\")",
         pytanie_i_wniosek + koniec(true), {"bez warunku=1", "ciepło=0.8", "nciepło=-0.8"}, true},
        {"an interval that fails over 1, 2, 2", "model_r(9,\"bez_warunku\",\"ciepło\",\"<,<\",[\"1\",\"2\",\"2\"],1,\"CFC\")",
         kKrok + cf_podane("0.7") + kKrok + koniec(true), {"bez warunku=1", "nciepło=0.7", "ciepło=-0.7"}, true},
        {"an interval over two arguments", "model_r(9,\"bez_warunku\",\"ciepło\",\"<,<\",[\"1\",\"2\"],1,\"CFC\")",
         koniec(false), {"bez warunku=1"}, false},
        {"an interval over four arguments", "model_r(9,\"bez_warunku\",\"ciepło\",\"<,<\",[\"1\",\"2\",\"3\",\"4\"],1,\"CFC\")",
         koniec(false), {"bez warunku=1"}, false},
    };
    for (const Przypadek& p : przypadki) {
        modele = p.model + "\n";
        EXPECT_NO_THROW(biegnij(p.kroki)) << p.opis;  // a dialog the user did not expect throws
        EXPECT_EQ(wypadkowe(), p.wypadkowe) << p.opis;
        const std::int32_t numer = p.model.rfind("model_r", 0) == 0 ? 9 : 7;
        EXPECT_EQ(zastosowany(numer), p.zastosowany) << p.opis;
    }
}

TEST_F(ModeleRelacyjne, AModelWhoseResultIsSettledIsNotApplied)
{
    // A relation that holds comes before one that fails; both conclude alarm, so the second
    // finds alarm settled and is passed over without a question.
    modele = "model(8,\"bez_warunku\",\"alarm\",\"5\",\">\",\"10\",1,\"CFB\")\n"
             "model(7,\"bez_warunku\",\"alarm\",\"120\",\">\",\"100\",1,\"CFA\")\n";
    biegnij(kKrok + cf_podane("0.8") + kKrok + koniec(true));
    EXPECT_EQ(wypadkowe(), (std::vector<std::string>{"bez warunku=1", "alarm=0.8", "nalarm=-0.8"}));
    EXPECT_TRUE(zastosowany(7));
    EXPECT_FALSE(zastosowany(8));
}

}  // namespace
}  // namespace inference
