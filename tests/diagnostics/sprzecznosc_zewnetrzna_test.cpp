// The search for external contradictions: the findings of small bases of our own, in their
// order and with their repeats; that a dense cyclic base ends, at its limit saying so; and a
// differential test against the plain recursive search on random bases (the search skips rules
// and names that cannot lead back, and must find exactly the same).
#include "diagnostics/sprzecznosc_zewnetrzna.h"

#include <gtest/gtest.h>

#include <random>

#include "kb/listy.h"
#include "rule_lines.h"

namespace diagnostics {
namespace {

using facts::IList;
using facts::SList;
using Findings = std::vector<kb::RegulySprzeczne>;

class SprzecznoscZewnetrznaTest : public testing::RuleLinesTest {
protected:
    Findings search(const std::vector<std::string>& lines)
    {
        rules(lines);
        const Omissions o = badaj_sprzecznosc_1z(ctx());
        EXPECT_FALSE(o.search_stopped());
        return ctx().db.wyniki_diagnoz.reguly_sprzeczne.all();
    }
};

TEST_F(SprzecznoscZewnetrznaTest, FindingsOfSmallBases)
{
    struct Case {
        std::vector<std::string> rules;
        Findings findings;
    };
    const std::vector<Case> cases = {
        {{}, {}},
        {{"1|a|na"}, {{1, 1, {1}}}},
        {{"1|a|a"}, {{1, 1, {1}}}},
        {{"1|a|a,a"}, {{1, 1, {1}}, {1, 1, {1}}}},
        {{"1|a|b", "2|b|na"}, {{1, 2, {2, 1}}, {2, 1, {1, 2}}}},
        {{"1|a|nb", "2|b|a"}, {{1, 2, {2, 1}}, {2, 1, {1, 2}}}},
        {{"1|a|b", "2|b|c", "3|c|a"}, {{1, 3, {3, 2, 1}}, {2, 1, {1, 3, 2}}, {3, 2, {2, 1, 3}}}},
        {{"1|a|b", "2|b|c"}, {}},
        {{"1|a|A"}, {}},                                      // letter case counts
        {{"1|a|x,b", "2|b|nx", "3|b|na"}, {{1, 3, {3, 1}}, {3, 1, {1, 3}}}},
        {{"1|a|b,nb", "2|b|a"}, {{1, 2, {2, 1}}, {1, 2, {2, 1}}, {2, 1, {1, 2}}, {2, 1, {1, 2}}}},  // both ways
        {{"1|a|bez warunku"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.rules));
        EXPECT_EQ(search(c.rules), c.findings);
        EXPECT_EQ(ctx().db.wyniki_diagnoz.sprzecznosc_1z.all(), SList{c.findings.empty() ? "NIE" : "TAK"});
    }
}

// Every name concluded by every other: the paths grow as a factorial. The search ends at its
// limit, keeps what it found and says it stopped.
TEST_F(SprzecznoscZewnetrznaTest, ADenseCycleEndsAtTheLimit)
{
    std::vector<std::string> lines;
    const SList names = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"};
    int numer = 1;
    for (const std::string& w : names) {
        std::string conds;
        for (const std::string& c : names)
            if (c != w) conds += (conds.empty() ? "" : ",") + c;
        lines.push_back(std::to_string(numer++) + "|" + w + "|" + conds);
    }
    rules(lines);
    const Omissions o = badaj_sprzecznosc_1z(ctx(), 200000);
    EXPECT_TRUE(o.search_stopped());
    EXPECT_FALSE(ctx().db.wyniki_diagnoz.reguly_sprzeczne.empty());
    EXPECT_EQ(ctx().db.wyniki_diagnoz.sprzecznosc_1z.all(), SList{"TAK"});
}

// The search as written: for each condition in turn its hits, then everything reachable
// through the rules that conclude it (never a name already entered), then the next condition.
class Transcription {
public:
    explicit Transcription(std::vector<kb::Regula> rules) : rules_(std::move(rules)) {}

    Findings search()
    {
        found_.clear();
        for (const kb::Regula& r : rules_) badaj(r.numer, r.wniosek.str(), r.warunki.strings(), 0, {r.numer}, {r.wniosek.str()});
        return found_;
    }

private:
    void badaj(std::int32_t n, const std::string& t, const SList& conds, std::size_t i, const IList& chain,
               const SList& path)
    {
        if (i == conds.size()) return;
        const std::string& c = conds[i];
        if (kb::negacja(c, t)) found_.push_back({n, chain.front(), chain});
        if (c == t) found_.push_back({n, chain.front(), chain});
        const bool neg = !c.empty() && c[0] == 'n';
        const std::string name = neg ? c.substr(1) : c;
        const std::string t2 = neg ? kb::negacja(t) : t;
        if (!kb::element(name, path))
            for (const kb::Regula& r : rules_)
                if (r.wniosek == name) {
                    IList ch = chain;
                    ch.insert(ch.begin(), r.numer);
                    SList p = path;
                    p.insert(p.begin(), name);
                    badaj(n, t2, r.warunki.strings(), 0, ch, p);
                }
        badaj(n, t, conds, i + 1, chain, path);
    }

    std::vector<kb::Regula> rules_;
    Findings found_;
};

TEST_F(SprzecznoscZewnetrznaTest, AgreesWithTheRecursiveSearchOnRandomBases)
{
    const SList names = {"a", "b", "c", "d", "na", "nb", "nc", "nna", "nnb", "x"};
    const SList conclusions = {"a", "b", "c", "d", "na", "nb"};
    std::mt19937 random(104);
    auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
    std::size_t with_findings = 0;
    for (int base = 0; base < 1500; ++base) {
        std::vector<std::string> lines;
        const std::size_t count = 1 + pick(7);
        for (std::size_t r = 0; r < count; ++r) {
            std::string line = std::to_string(1 + r) + "|" + conclusions[pick(conclusions.size())] + "|";
            const std::size_t conds = pick(4);
            for (std::size_t c = 0; c < conds; ++c) line += (c ? "," : "") + names[pick(names.size())];
            lines.push_back(line);
        }
        SCOPED_TRACE(::testing::PrintToString(lines));
        const Findings found = search(lines);
        ASSERT_EQ(found, Transcription(ctx().db.baza_regul.regula.all()).search());
        if (!found.empty()) ++with_findings;
    }
    EXPECT_GT(with_findings, 300u);
}

}  // namespace
}  // namespace diagnostics
