// The search for redundant rules over the flattened forms of the rules of each conclusion.
// Records the pairs, their forms and the flag; it tells the user nothing.
#include "diagnostics/nadmiar.h"

#include <algorithm>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace diagnostics {
namespace {

using Pair = std::pair<std::int32_t, std::int32_t>;

void pamietaj_nadmiar(kb::Context& ctx)
{
    if (!ctx.db.wyniki_diagnoz.jest_nadmiar.contains("TAK")) ctx.db.wyniki_diagnoz.jest_nadmiar.add_last("TAK");
}

// The forms of a rule with their conditions sorted, for the containment test.
struct Forms {
    const Flattening* flattening = nullptr;
    std::vector<facts::SList> sorted;
};

class Redundancy {
public:
    Redundancy(kb::Context& ctx, Omissions& omissions, FlatteningLimits limits, std::uint64_t max_steps)
        : ctx_(ctx), omissions_(omissions), flattener_(ctx, limits), max_steps_(max_steps)
    {
        ctx.db.baza_regul.regula.each([&](const kb::Regula& r) {
            by_conclusion_[r.wniosek.str()].push_back(rules_.size());
            rules_.push_back(r);
        });
        ctx.db.wyniki_diagnoz.reguly_nadmiarowe_n1.each(
            [&](const kb::RegulyNadmiarowe& p) { recorded_.insert({p.pierwsza, p.druga}); });
    }

    // False when the comparisons stopped at their limit.
    bool run()
    {
        for (const kb::Regula& r1 : rules_)
            for (std::size_t j : by_conclusion_[r1.wniosek.str()]) {
                const kb::Regula& r2 = rules_[j];
                if (r1.numer == r2.numer || recorded_.contains({r1.numer, r2.numer}) ||
                    recorded_.contains({r2.numer, r1.numer}))
                    continue;
                if (!compare(r1, r2)) return false;
            }
        return true;
    }

private:
    const Forms& forms(const kb::Regula& r)
    {
        const Flattening& s = flattener_.splaszcz(r.warunki);
        omissions_.note(r.numer, r.wniosek, s);
        Forms& f = sorted_[&s];
        if (!f.flattening) {
            f.flattening = &s;
            for (const FlatForm& form : s.postacie) {
                facts::SList sorted = form.warunki;
                std::sort(sorted.begin(), sorted.end());
                f.sorted.push_back(std::move(sorted));
            }
        }
        return f;
    }

    static bool contained(const facts::SList& a, const facts::SList& b)
    {
        return std::includes(b.begin(), b.end(), a.begin(), a.end()) ||
               std::includes(a.begin(), a.end(), b.begin(), b.end());
    }

    // Every combination of a form of r1 with a form of r2.
    bool compare(const kb::Regula& r1, const kb::Regula& r2)
    {
        const Forms& f1 = forms(r1);
        if (f1.sorted.empty()) return true;
        const Forms& f2 = forms(r2);
        for (std::size_t a = 0; a < f1.sorted.size(); ++a)
            for (std::size_t b = 0; b < f2.sorted.size(); ++b) {
                steps_ += f1.sorted[a].size() + f2.sorted[b].size() + 1;
                if (steps_ > max_steps_) return false;
                if (contained(f1.sorted[a], f2.sorted[b]))
                    store(r1, f1.flattening->postacie[a], r2, f2.flattening->postacie[b]);
            }
        return true;
    }

    void store(const kb::Regula& r1, const FlatForm& form1, const kb::Regula& r2, const FlatForm& form2)
    {
        auto& w = ctx_.db.wyniki_diagnoz;
        w.reguly_nadmiarowe_n1.add_last({r1.numer, r2.numer});
        recorded_.insert({r1.numer, r2.numer});
        pamietaj_nadmiar(ctx_);
        w.para_splaszczona_n1.add_last({r1.numer, r1.wniosek.str(), form1.warunki, uzyte_reguly(form1), r2.numer,
                                        form2.warunki, uzyte_reguly(form2)});
    }

    kb::Context& ctx_;
    Omissions& omissions_;
    Flattener flattener_;
    std::uint64_t max_steps_;
    std::uint64_t steps_ = 0;
    std::vector<kb::Regula> rules_;
    std::unordered_map<std::string, std::vector<std::size_t>> by_conclusion_;
    std::set<Pair> recorded_;
    std::unordered_map<const Flattening*, Forms> sorted_;
};

}  // namespace

bool wyznacz_nadmiar_p(kb::Context& ctx, Omissions& omissions, FlatteningLimits limits, std::uint64_t max_steps)
{
    Redundancy search(ctx, omissions, limits, max_steps);
    if (!search.run()) omissions.stop_search();
    return ctx.db.wyniki_diagnoz.reguly_nadmiarowe_n1.empty();
}

}  // namespace diagnostics
