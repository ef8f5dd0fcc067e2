// Flattening: the forms of small rule bases of our own, in their order and with their repeats;
// the bounds that keep cyclic bases and "nnx" conditions from hanging; and a differential test
// that compares the engine with a plain recursive transcription of the passes on random bases.
#include "diagnostics/splaszczanie.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "rule_lines.h"
#include "kb/listy.h"

namespace diagnostics {
namespace {

using facts::IList;
using facts::ListaList;
using facts::SList;

class SplaszczanieTest : public testing::RuleLinesTest {};

struct Expected {
    SList warunki;
    IList numery;
};

void expect_forms(const Flattening& f, const std::vector<Expected>& expected)
{
    ASSERT_EQ(f.postacie.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(f.postacie[i].warunki, expected[i].warunki) << "form " << i;
        EXPECT_EQ(f.postacie[i].numery, expected[i].numery) << "form " << i;
    }
}

// Askable b, d, e, f; rule 5 is unconditional.
const std::vector<std::string> kExample = {"1|a|b,c", "2|c|d,e", "3|x|a,f", "4|y|na,f", "5|g|bez warunku", "6|h|g,b"};

TEST_F(SplaszczanieTest, FormsOfTheExampleBase)
{
    rules(kExample, SList{"b", "d", "e", "f"});
    Flattener f(ctx());
    struct Case {
        SList warunki;
        std::vector<Expected> forms;
    };
    const std::vector<Case> cases = {
        {{"a", "f"}, {{{"d", "e", "b", "f"}, {2, 0, 1}}}},
        {{"na", "f"}, {{{"ne", "f"}, {2, 0, 1}}, {{"nd", "f"}, {2, 0, 1}}, {{"f", "nb"}, {0, 1}}}},
        {{"bez warunku"}, {}},
        {{"g", "b"}, {}},                               // passes through an unconditional rule
        {{"b", "d", "e"}, {{{"e", "d", "b"}, {0}}}},    // all askable: reversed, one pass
        {{"b", "d", "b"}, {{{"d", "b"}, {0}}}},         // a repeat keeps its last place
        {{}, {{{}, {}}}},
        {{"nb"}, {{{"nb"}, {0}}}},                      // negated askable: kept
        {{"nc"}, {{{"ne"}, {2}}, {{"nd"}, {2}}}},       // one form per condition, the last first
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.warunki));
        const Flattening& s = f.splaszcz(c.warunki);
        EXPECT_EQ(s.koniec, FlatteningEnd::complete);
        expect_forms(s, c.forms);
    }
    EXPECT_EQ(uzyte_reguly(f.splaszcz({"a", "f"}).postacie[0]), (IList{1, 2}));
    EXPECT_EQ(uzyte_reguly(f.splaszcz({"b"}).postacie[0]), IList{});
}

// Two rules conclude c: their forms in rule-base order. A name that is concluded and askable
// too is replaced first and kept only in a later form. A plain word beginning with "n" is read
// as a negation.
TEST_F(SplaszczanieTest, OrderOfAlternatives)
{
    rules({"1|c|d", "2|c|e", "3|iski|d,e"}, SList{"c", "d", "e", "iski"});
    Flattener f(ctx());
    expect_forms(f.splaszcz({"c"}), {{{"d"}, {1}}, {{"e"}, {2}}, {{"c"}, {0}}});
    expect_forms(f.splaszcz({"niski"}), {{{"ne"}, {3}}, {{"nd"}, {3}}, {{"niski"}, {0}}});
    expect_forms(f.splaszcz({"c", "c"}),
                 {{{"d"}, {1}}, {{"e", "d"}, {2, 1}}, {{"c", "d"}, {0, 1}}, {{"d", "e"}, {1, 2}}, {{"e"}, {2}},
                  {{"c", "e"}, {0, 2}}, {{"d", "c"}, {1, 0}}, {{"e", "c"}, {2, 0}}, {{"c"}, {0}}});
}

// Conditions that depend on themselves end the flattening with no form, whether through a
// cycle of rules (with or without a way out) or through a negated askable "nx" that no pass
// resolves; the rest of the base flattens as before.
TEST_F(SplaszczanieTest, SelfDependentConditionsEnd)
{
    rules({"1|p|q", "2|q|p", "3|q|a", "4|w|nnx", "5|v|nw", "6|z|a"});
    Flattener f(ctx());
    for (const SList& warunki : std::vector<SList>{{"q"}, {"p"}, {"a", "p"}, {"nw"}}) {
        SCOPED_TRACE(::testing::PrintToString(warunki));
        const Flattening& s = f.splaszcz(warunki);
        EXPECT_EQ(s.koniec, FlatteningEnd::self_dependent);
        EXPECT_TRUE(s.postacie.empty());
    }
    expect_forms(f.splaszcz({"nnx"}), {{{"nnx"}, {0}}});
    expect_forms(f.splaszcz({"a"}), {{{"a"}, {0}}});
    EXPECT_EQ(f.splaszcz({"a"}).koniec, FlatteningEnd::complete);
}

// Past the limits a list keeps the forms found so far, in order; once the work of the
// flattener is used up, every later list is cut at once.
TEST_F(SplaszczanieTest, LimitsCutAndSaySo)
{
    rules({"1|c|d", "2|c|e", "3|g|c,c,c"});
    {
        Flattener f(ctx(), FlatteningLimits{2, 1'000'000});
        const Flattening& s = f.splaszcz({"c", "c"});
        EXPECT_EQ(s.koniec, FlatteningEnd::cut);
        expect_forms(s, {{{"d"}, {1}}, {{"e", "d"}, {2, 1}}});
    }
    {
        Flattener f(ctx(), FlatteningLimits{1000, 10});
        EXPECT_EQ(f.splaszcz({"c", "c", "c"}).koniec, FlatteningEnd::cut);
        const Flattening& later = f.splaszcz({"d"});
        EXPECT_EQ(later.koniec, FlatteningEnd::cut);
        EXPECT_TRUE(later.postacie.empty());
    }
}

TEST_F(SplaszczanieTest, EachListIsFlattenedOnce)
{
    rules(kExample, SList{"b", "d", "e", "f"});
    Flattener f(ctx());
    EXPECT_EQ(&f.splaszcz({"a", "f"}), &f.splaszcz({"a", "f"}));
    EXPECT_TRUE(f.dopytywalny_t("nb"));
    EXPECT_FALSE(f.dopytywalny_t("nc"));
    EXPECT_TRUE(f.sprawdz_niedopytywalnosc({"b", "nc"}));
    EXPECT_FALSE(f.sprawdz_niedopytywalnosc({"b", "nd"}));
}

TEST(Splaszczanie, ListHelpers)
{
    EXPECT_EQ(neguj_liste({"a", "nb", "c"}), (SList{"nc", "b", "na"}));
    EXPECT_EQ(neguj_liste({}), SList{});
    EXPECT_EQ(odwracanie({1, 2, 3}), (IList{3, 2, 1}));
}

// ---- The differential test ------------------------------------------------------------------

// The passes as written: each pass goes through its conditions by recursion, every replacement
// looked up afresh among the rules; the joined lists and the number list are built exactly as
// described; a way of flattening that needs more passes than rules + 1 leaves no form at all.
class Transcription {
public:
    Transcription(std::vector<kb::Regula> rules, SList askables)
        : rules_(std::move(rules)), askables_(std::move(askables)), bound_(rules_.size() + 1)
    {
    }

    // nullopt when the transcription itself gave up (too much work for a test).
    std::optional<Flattening> splaszcz(const SList& warunki)
    {
        forms_.clear();
        bound_reached_ = false;
        work_ = 0;
        pass(warunki, 0, {}, {}, 1);
        if (work_ > kMaxWork) return std::nullopt;
        Flattening out;
        if (bound_reached_) {
            out.koniec = FlatteningEnd::self_dependent;
            return out;
        }
        out.postacie = forms_;
        return out;
    }

private:
    static constexpr std::size_t kMaxWork = 200000;

    bool dopytywalny(const std::string& s) const { return kb::element(s, askables_); }
    bool dopytywalny_t(const std::string& s) const
    {
        return dopytywalny(s) || (!s.empty() && s[0] == 'n' && dopytywalny(s.substr(1)));
    }
    bool niedopytywalny(const std::string& s) const
    {
        if (!s.empty() && s[0] == 'n') return !dopytywalny_t(s.substr(1));
        return !dopytywalny(s);
    }
    bool ma_warunki_niedopyt(const SList& l) const
    {
        for (const std::string& s : l)
            if (niedopytywalny(s)) return true;
        return false;
    }

    std::vector<std::pair<std::int32_t, SList>> szukaj_regule(const std::string& y) const
    {
        std::vector<std::pair<std::int32_t, SList>> out;
        if (!y.empty() && y[0] == 'n') {
            for (const kb::Regula& r : rules_)
                if (r.wniosek == y.substr(1))
                    for (const std::string& c : neguj_liste(r.warunki.strings())) out.push_back({r.numer, {c}});
        } else {
            for (const kb::Regula& r : rules_)
                if (r.wniosek == y) out.push_back({r.numer, r.warunki.strings()});
        }
        if (dopytywalny_t(y)) out.push_back({0, {y}});
        return out;
    }

    void pass(const SList& pending, std::size_t i, const ListaList& collected, const IList& numbers, std::size_t n)
    {
        if (bound_reached_ || ++work_ > kMaxWork) return;
        if (i == pending.size()) {
            const SList joined = kb::redukuj(kb::usuniecie_list_wewnetrznych(collected));
            if (!ma_warunki_niedopyt(joined)) {
                forms_.push_back({joined, kb::redukuj(numbers)});
            } else if (n == bound_) {
                bound_reached_ = true;
            } else {
                pass(joined, 0, {}, numbers, n + 1);
            }
            return;
        }
        for (const auto& [numer, zamiana] : szukaj_regule(pending[i])) {
            ListaList c = collected;
            c.insert(c.begin(), zamiana);
            IList nums = numbers;
            nums.insert(nums.begin(), numer);
            pass(pending, i + 1, c, nums, n);
        }
    }

    std::vector<kb::Regula> rules_;
    SList askables_;
    std::size_t bound_;
    std::vector<FlatForm> forms_;
    bool bound_reached_ = false;
    std::size_t work_ = 0;
};

// Small random bases over a handful of names, negations and "bez warunku" among them, with the
// askables a load computes or, now and then, one odd askable more: every rule's forms agree with
// the transcription in order, repeats and end.
TEST_F(SplaszczanieTest, AgreesWithATranscriptionOnRandomBases)
{
    const SList names = {"a", "b", "c", "d", "e", "na", "nb", "nc", "nnd", "nd", "bez warunku"};
    const SList conclusions = {"a", "b", "c", "d", "nd"};
    std::mt19937 random(15);
    auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
    std::size_t compared = 0, with_forms = 0, self_dependent = 0;
    for (int base = 0; base < 1500; ++base) {
        std::vector<std::string> lines;
        const std::size_t count = 1 + pick(6);
        for (std::size_t r = 0; r < count; ++r) {
            std::string line = std::to_string(10 + r) + "|" + conclusions[pick(conclusions.size())] + "|";
            const std::size_t conds = pick(4);
            for (std::size_t c = 0; c < conds; ++c) line += (c ? "," : "") + names[pick(names.size())];
            lines.push_back(line);
        }
        rules(lines);
        if (pick(8) == 0) ctx().db.stan.dopytywalny.add_last(names[pick(names.size())]);
        const SList askables = facts::strings_of(ctx().db.stan.dopytywalny.all());
        Transcription t(ctx().db.baza_regul.regula.all(), askables);
        Flattener f(ctx());
        for (const kb::Regula& r : ctx().db.baza_regul.regula.all()) {
            const std::optional<Flattening> expected = t.splaszcz(r.warunki.strings());
            if (!expected) continue;
            SCOPED_TRACE(::testing::PrintToString(lines) + " askables " + ::testing::PrintToString(askables) +
                         " rule " + std::to_string(r.numer));
            const Flattening& actual = f.splaszcz(r.warunki);
            ASSERT_EQ(actual.koniec, expected->koniec);
            ASSERT_EQ(actual.postacie, expected->postacie);
            ++compared;
            if (!actual.postacie.empty()) ++with_forms;
            if (actual.koniec == FlatteningEnd::self_dependent) ++self_dependent;
        }
    }
    // The bases are varied enough: most rules compared, many with forms, many cyclic.
    EXPECT_GT(compared, 4000u);
    EXPECT_GT(with_forms, 1000u);
    EXPECT_GT(self_dependent, 200u);
}

}  // namespace
}  // namespace diagnostics
