// Tautological models at a model-base load: which basic models only rename a variable, the order
// they are recorded in, and how far the user's answers take the listing and the recommendation.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../kb/kb_harness.h"
#include "load/modele_tautologiczne.h"

namespace {

class TautologieTest : public kb::testing::KbHarness {
protected:
    void model_base(const std::string& text)
    {
        load(ctx().db.baza_modeli, text);
        ctx().db.stan.nazwa_mo.add_first("MOdom.BQZ");
    }
    std::vector<int> recorded()
    {
        std::vector<int> out;
        for (const auto& m : ctx().db.stan.model_tautologiczny.all()) out.push_back(m.numer);
        return out;
    }
};

std::string basic(int number, const std::string& arg1, const std::string& op, const std::string& arg2)
{
    return "model(" + std::to_string(number) + ",\"bez warunku\",\"y" + std::to_string(number) + "\",\"" + arg1 +
           "\",\"" + op + "\",\"" + arg2 + "\",1,\"1\")\n";
}

TEST_F(TautologieTest, WhichModelsAreTautological)
{
    struct Row {
        std::string base;
        bool tautological;
    };
    const std::vector<Row> rows = {
        {basic(5, "x", "+", "0"), true},      {basic(5, "x", "-", "0.0"), true},
        {basic(5, "x", "=", "0"), true},      {basic(5, "x", "+", " 0"), true},
        {basic(5, "x", "*", "1"), true},      {basic(5, "x", "/", "1.0"), true},
        {basic(5, "2", "*", "1"), false},     {basic(5, "x", "*", "0"), false},
        {basic(5, "x", "min", "0"), false},   {basic(5, "x", "A^N", "1"), false},
        {basic(5, "x", "+", "zero"), false},  {basic(5, "x", "+", "1e999"), false},
        {"model_r(5,\"bez warunku\",\"y\",\"+\",[\"x\",\"0\"],1,\"1\")\n", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.base);
        start(row.tautological ? "message -> Nie\n" : "");
        model_base(row.base);
        load::wykrywanie_modeli_tautologicznych(ctx());
        EXPECT_EQ(recorded().size(), row.tautological ? 1u : 0u);
        EXPECT_EQ(transcript().empty(), !row.tautological);
    }
}

// "+" models come before "*" models whatever the file order; model 5 is recorded with its result
// and its first argument.
TEST_F(TautologieTest, RecordOrderAndFields)
{
    start("message -> Nie\n");
    model_base(basic(1, "a", "*", "1") + basic(5, "x", "+", "0"));
    load::wykrywanie_modeli_tautologicznych(ctx());
    EXPECT_EQ(recorded(), (std::vector<int>{5, 1}));
    EXPECT_EQ(ctx().db.stan.model_tautologiczny.first(), (kb::ModelTautologiczny{5, "y5", "x"}));
}

TEST_F(TautologieTest, NoAtTheIntroductionShowsNoModel)
{
    start("message \"Wybierz:\" -> Nie\n");
    model_base(basic(5, "x", "+", "0"));
    load::wykrywanie_modeli_tautologicznych(ctx());
    EXPECT_EQ(transcript(),
              "aux (no window): Baza modeli MOdom.BQZ\n"
              "aux (no window): ma przynajmniej jeden model arytmetyczny \n"
              "aux (no window): przyrównujący jedna nazwę zmiennej do innej.\n"
              "aux (no window): Model taki jest tautologią, zastępującą\n"
              "aux (no window): jedna nazwę zmiennej inną nazwą zmienej i wpływającą\n"
              "aux (no window): na przejrzystość i czytelność bazy modeli.\n"
              "aux (no window):\n"
              "message \"Wybierz:\": \"Baza modeli rozwinięta niepewna\\n   MOdom.BQZ\\nma przynajmniej jeden model "
              "arytmetyczny \\nprzyrównujący jedną nazwę zmiennej do innej.\\nnazwy.\\n\\n Model taki jest "
              "tautologią, mogącą \\nwpływać na przejrzystość i czytelność bazy modeli.\\n\\nChcesz wiedzieć, "
              "które modele są  tautologiczne?\" [Tak|Nie] -> Nie\n");
    EXPECT_TRUE(ctx().db.baza_raportu.tekst_raportu.empty());
}

TEST_F(TautologieTest, NoAtTheSecondModelEndsWithoutRecommendation)
{
    start("message -> Tak\nmessage -> Tak\nmessage -> Nie\n");
    model_base(basic(1, "a", "+", "0") + basic(2, "b", "+", "0") + basic(3, "c", "+", "0"));
    load::wykrywanie_modeli_tautologicznych(ctx());
    const auto messages = lines_after("message");
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[1],
              "\"Model tautologiczny\": \"Model 1 jest tautologiczny: zastępuje zmienną \\n     'a'\\ninną zmienną "
              "\\n     'y1'\\n\\nChcesz zobaczyć następny model tautologiczny?\" [Tak|Nie] -> Tak");
    EXPECT_TRUE(lines_after("note").empty());
    const auto lines = aux();
    EXPECT_EQ(lines[lines.size() - 2], "Model 2 jest tautologiczny: zastępuje zmienną 'b'");
    EXPECT_EQ(lines.back(), "inną zmienną 'y2'");
}

TEST_F(TautologieTest, YesEverywhereEndsWithTheRecommendation)
{
    start("message -> Tak\nmessage -> Tak\nnote \"Zalecenie\"\n");
    model_base(basic(1, "a", "+", "0"));
    load::wykrywanie_modeli_tautologicznych(ctx());
    const auto lines = aux();
    EXPECT_EQ(std::vector<std::string>(lines.end() - 6, lines.end()),
              (std::vector<std::string>{"W pewnych sytuacjach modele tautologiczne czynią bazę modeli",
                                        "bardziej czytelną, w innych - mogą zaciemniać bazę modeli. ",
                                        "Wtedy lepiej je usunąć.", "W tym celu musisz  przejść do opcji:",
                                        "             'Baza modeli niepewna/Edycja bazy modeli'",
                                        "i usunąć modele tautologiczne."}));
    EXPECT_EQ(lines_after("note"),
              (std::vector<std::string>{
                  "\"Zalecenie\": \"W pewnych sytuacjach modele tautologiczne\\nczynią bazę modeli bardziej "
                  "czytelną,\\nw innych - mogą zaciemniać bazę modeli. \\nWtedy lepiej je usunąć.\\nW tym celu "
                  "musisz  przejść do opcji:\\n      'Baza modeli niepewna/Edycja bazy modeli'\\ni usunąć modele "
                  "tautologiczne.\""}));
}

}  // namespace
