// The search for external contradictions: from every rule, depth first and backwards through
// the rules that conclude its conditions, every condition that is the rule's conclusion or its
// negation is a finding. Records the findings and the flag; it tells the user nothing.
//
// Names differing only in their leading "n"s share a stem. A finding needs a way back from
// the stems of a rule's conditions to the stem of its conclusion, so a rule whose stem lies on
// no cycle of stems is not searched at all, and a search never enters a stem outside the cycle
// it started on: the findings are the same, an ordinary base costs one look at each rule.
#include "diagnostics/sprzecznosc_zewnetrzna.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "kb/listy.h"
#include "kb/pisz.h"

namespace diagnostics {
namespace {

using Stem = std::int32_t;

std::string_view stem_of(std::string_view name)
{
    while (!name.empty() && name.front() == 'n') name.remove_prefix(1);
    return name;
}

struct RuleCopy {
    std::int32_t numer = 0;
    std::string wniosek;
    facts::SList warunki;
};

// The rules, indexed by conclusion, and the stems with their strongly connected components.
class RuleGraph {
public:
    explicit RuleGraph(const kb::Context& ctx)
    {
        ctx.db.baza_regul.regula.each([&](const kb::Regula& r) {
            by_conclusion_[r.wniosek.str()].push_back(rules_.size());
            rules_.push_back({r.numer, r.wniosek.str(), r.warunki.strings()});
        });
        for (const RuleCopy& r : rules_) {
            stem(r.wniosek);
            for (const std::string& c : r.warunki) stem(c);
        }
        edges_.resize(stems_.size());
        for (const RuleCopy& r : rules_) {
            auto& from = edges_[static_cast<std::size_t>(stem(r.wniosek))];
            for (const std::string& c : r.warunki) from.push_back(stem(c));
        }
        components();
    }

    const std::vector<RuleCopy>& rules() const { return rules_; }

    const std::vector<std::size_t>* concluding(const std::string& name) const
    {
        auto it = by_conclusion_.find(name);
        return it == by_conclusion_.end() ? nullptr : &it->second;
    }

    // The component of a name's stem; -1 for a stem no rule mentions.
    std::int32_t component_of(std::string_view name) const
    {
        auto it = stems_.find(std::string(stem_of(name)));
        return it == stems_.end() ? -1 : component_[static_cast<std::size_t>(it->second)];
    }

    // Whether a way leads from the stem back to itself.
    bool on_cycle(std::string_view name) const
    {
        auto it = stems_.find(std::string(stem_of(name)));
        return it != stems_.end() && cyclic_[static_cast<std::size_t>(component_[static_cast<std::size_t>(it->second)])];
    }

private:
    Stem stem(std::string_view name)
    {
        auto [it, added] = stems_.try_emplace(std::string(stem_of(name)), static_cast<Stem>(stems_.size()));
        return it->second;
    }

    // Tarjan's algorithm without recursion.
    void components()
    {
        const std::size_t n = edges_.size();
        component_.assign(n, -1);
        std::vector<std::int32_t> index(n, -1), low(n, 0);
        std::vector<bool> on_stack(n, false);
        std::vector<Stem> stack;
        std::int32_t next_index = 0;
        struct Visit {
            Stem v;
            std::size_t edge;
        };
        for (std::size_t root = 0; root < n; ++root) {
            if (index[root] >= 0) continue;
            std::vector<Visit> calls{{static_cast<Stem>(root), 0}};
            index[root] = low[root] = next_index++;
            stack.push_back(static_cast<Stem>(root));
            on_stack[root] = true;
            while (!calls.empty()) {
                Visit& call = calls.back();
                const auto v = static_cast<std::size_t>(call.v);
                if (call.edge < edges_[v].size()) {
                    const auto w = static_cast<std::size_t>(edges_[v][call.edge++]);
                    if (index[w] < 0) {
                        index[w] = low[w] = next_index++;
                        stack.push_back(static_cast<Stem>(w));
                        on_stack[w] = true;
                        calls.push_back({static_cast<Stem>(w), 0});
                    } else if (on_stack[w]) {
                        low[v] = std::min(low[v], index[w]);
                    }
                    continue;
                }
                if (low[v] == index[v]) {
                    const auto id = static_cast<std::int32_t>(cyclic_.size());
                    std::size_t size = 0;
                    Stem w;
                    do {
                        w = stack.back();
                        stack.pop_back();
                        on_stack[static_cast<std::size_t>(w)] = false;
                        component_[static_cast<std::size_t>(w)] = id;
                        ++size;
                    } while (static_cast<std::size_t>(w) != v);
                    bool self_loop = false;
                    for (Stem to : edges_[v]) self_loop = self_loop || static_cast<std::size_t>(to) == v;
                    cyclic_.push_back(size > 1 || self_loop);
                }
                calls.pop_back();
                if (!calls.empty()) {
                    const auto parent = static_cast<std::size_t>(calls.back().v);
                    low[parent] = std::min(low[parent], low[v]);
                }
            }
        }
    }

    std::vector<RuleCopy> rules_;
    std::unordered_map<std::string, std::vector<std::size_t>> by_conclusion_;
    std::unordered_map<std::string, Stem> stems_;
    std::vector<std::vector<Stem>> edges_;
    std::vector<std::int32_t> component_;
    std::vector<bool> cyclic_;
};

// One rule's condition list under examination, and where the walk stands in it.
struct Frame {
    Frame(const facts::SList* w, std::string t) : warunki(w), target(std::move(t)) {}
    const facts::SList* warunki = nullptr;
    std::string target;
    std::size_t i = 0;
    // The descent from condition i, once its hits are recorded: the rules still to enter.
    const std::vector<std::size_t>* descent = nullptr;
    std::size_t next_rule = 0;
    std::string descent_target;
};

class Search {
public:
    Search(kb::Context& ctx, const RuleGraph& graph, std::uint64_t max_steps)
        : ctx_(ctx), graph_(graph), max_steps_(max_steps)
    {
    }

    // badaj_sprzecznosc_reguly from one start rule, to its end; false when the work ran out.
    bool from(const RuleCopy& start)
    {
        const std::int32_t component = graph_.component_of(start.wniosek);
        chain_ = {start.numer};
        on_path_.clear();
        ++on_path_[start.wniosek];
        path_ = {start.wniosek};
        std::vector<Frame> frames;
        frames.push_back(Frame{&start.warunki, start.wniosek});
        while (!frames.empty()) {
            if (++steps_ > max_steps_) return false;
            Frame& f = frames.back();
            if (f.descent) {
                if (f.next_rule < f.descent->size()) {
                    const RuleCopy& r = graph_.rules()[(*f.descent)[f.next_rule++]];
                    chain_.push_back(r.numer);
                    frames.push_back(Frame{&r.warunki, f.descent_target});
                    continue;
                }
                leave(path_.back());
                f.descent = nullptr;
                ++f.i;
                continue;
            }
            if (f.i == f.warunki->size()) {
                frames.pop_back();
                chain_.pop_back();
                continue;
            }
            const std::string& c = (*f.warunki)[f.i];
            if (kb::negacja(c, f.target)) store(start.numer);
            if (c == f.target) store(start.numer);
            // korekta_negacji: the name to follow and the target to carry.
            const bool negated = !c.empty() && c.front() == 'n';
            std::string name = negated ? c.substr(1) : c;
            const std::vector<std::size_t>* rules = graph_.concluding(name);
            if (rules && !on_path_.contains(name) && graph_.component_of(name) == component) {
                f.descent_target = negated ? kb::negacja(f.target) : f.target;
                f.descent = rules;
                f.next_rule = 0;
                enter(std::move(name));
                continue;
            }
            ++f.i;
        }
        return true;
    }

private:
    void enter(std::string name)
    {
        ++on_path_[name];
        path_.push_back(std::move(name));
    }

    void leave(const std::string& name)
    {
        if (--on_path_[name] == 0) on_path_.erase(name);
        path_.pop_back();
    }

    // The finding: the start rule, the rule whose conditions met the target, and the chain
    // from that rule back to the start rule.
    void store(std::int32_t start)
    {
        facts::IList lancuch(chain_.rbegin(), chain_.rend());
        ctx_.db.wyniki_diagnoz.reguly_sprzeczne.add_last({start, lancuch.front(), std::move(lancuch)});
        steps_ += chain_.size();
    }

    kb::Context& ctx_;
    const RuleGraph& graph_;
    std::uint64_t max_steps_;
    std::uint64_t steps_ = 0;
    facts::IList chain_;  // the start rule first
    std::vector<std::string> path_;
    std::unordered_map<std::string, int> on_path_;
};

}  // namespace

Omissions badaj_sprzecznosc_1z(kb::Context& ctx, std::uint64_t max_steps)
{
    auto& w = ctx.db.wyniki_diagnoz;
    w.reguly_sprzeczne.remove_all();
    w.sprzecznosc_1z.remove_all();
    Omissions omissions;
    const RuleGraph graph(ctx);
    Search search(ctx, graph, max_steps);
    for (const RuleCopy& rule : graph.rules()) {
        if (!graph.on_cycle(rule.wniosek)) continue;
        if (!search.from(rule)) {
            omissions.stop_search();
            break;
        }
    }
    w.sprzecznosc_1z.add_last(w.reguly_sprzeczne.empty() ? "NIE" : "TAK");
    return omissions;
}

}  // namespace diagnostics
