// The flattening engine: the passes of a flattening walked depth first without recursion, over
// names turned into numbers once. It keeps its own copy of the rules and askable conditions and
// never touches the store after it is built; what it finds is only returned, never shown.
#include "diagnostics/splaszczanie.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "kb/listy.h"

namespace diagnostics {
namespace {

using Id = std::int32_t;
using Ids = std::vector<Id>;

bool negated(std::string_view name) { return !name.empty() && name.front() == 'n'; }

// One way of replacing a name in a pass: the rule used (0: the name is kept) and what comes in
// its place.
struct Alternative {
    std::int32_t numer = 0;
    Ids zamiana;
};

struct IdsHash {
    std::size_t operator()(const Ids& ids) const noexcept
    {
        std::size_t h = ids.size();
        for (Id id : ids) h = h * 1000003u ^ static_cast<std::size_t>(id);
        return h;
    }
};

struct RuleCopy {
    std::int32_t numer = 0;
    Ids warunki;
};

// One pass under way: the names it replaces, the alternative chosen for each, and how long the
// number list was before it.
struct Pass {
    Ids pending;
    std::vector<std::uint32_t> choice;
    std::size_t numbers_before = 0;
};

}  // namespace

struct Flattener::Impl {
    FlatteningLimits limits;
    std::uint64_t steps = 0;
    std::size_t max_passes = 1;

    std::vector<std::string> names;
    std::unordered_map<std::string, Id> ids;
    std::unordered_set<std::string> askables;
    std::unordered_map<std::string, std::vector<RuleCopy>> rules_by_conclusion;

    // Worked out once per name, when first met.
    std::vector<std::vector<Alternative>> alternatives;
    std::vector<std::int8_t> alternatives_known;
    std::vector<std::int8_t> unresolved_memo;  // -1 unknown

    std::unordered_map<Ids, Flattening, IdsHash> memo;

    // Scratch of the walk.
    std::vector<std::uint32_t> seen_stamp;
    std::uint32_t stamp = 0;

    Id intern(const std::string& name)
    {
        auto [it, added] = ids.try_emplace(name, static_cast<Id>(names.size()));
        if (added) {
            names.push_back(name);
            alternatives.emplace_back();
            alternatives_known.push_back(0);
            unresolved_memo.push_back(-1);
            seen_stamp.push_back(0);
        }
        return it->second;
    }

    Ids intern_all(const facts::SList& list)
    {
        Ids out;
        out.reserve(list.size());
        for (const std::string& name : list) out.push_back(intern(name));
        return out;
    }
    // A copy of each text, not the name's own string: a walk over every rule of a large base
    // must not leave a string behind for each of its names.
    Ids intern_all(const facts::NameList& list)
    {
        Ids out;
        out.reserve(list.size());
        for (const facts::Name name : list) out.push_back(intern(name.str()));
        return out;
    }

    const Flattening& flattening(Ids key)
    {
        auto it = memo.find(key);
        if (it != memo.end()) return it->second;
        Flattening result = run(key);
        return memo.emplace(std::move(key), std::move(result)).first->second;
    }

    bool counts_askable(std::string_view name) const
    {
        if (askables.contains(std::string(name))) return true;
        return negated(name) && askables.contains(std::string(name.substr(1)));
    }

    bool unresolved_name(std::string_view name) const
    {
        if (negated(name)) return !counts_askable(name.substr(1));
        return !askables.contains(std::string(name));
    }

    bool unresolved(Id id)
    {
        std::int8_t& memo_entry = unresolved_memo[static_cast<std::size_t>(id)];
        if (memo_entry < 0) memo_entry = unresolved_name(names[static_cast<std::size_t>(id)]) ? 1 : 0;
        return memo_entry == 1;
    }

    // The alternatives of a name, in the order they are tried: the rules concluding the name
    // (for a negated name, one negated condition of a rule concluding the rest, its last
    // condition first), then keeping it when it counts as askable.
    const std::vector<Alternative>& alternatives_of(Id id)
    {
        const auto index = static_cast<std::size_t>(id);
        if (alternatives_known[index]) return alternatives[index];
        const std::string name = names[index];
        std::vector<Alternative> out;
        if (negated(name)) {
            auto it = rules_by_conclusion.find(name.substr(1));
            if (it != rules_by_conclusion.end())
                for (const RuleCopy& rule : it->second)
                    for (auto c = rule.warunki.rbegin(); c != rule.warunki.rend(); ++c)
                        out.push_back({rule.numer, {intern(kb::negacja(names[static_cast<std::size_t>(*c)]))}});
        } else {
            auto it = rules_by_conclusion.find(name);
            if (it != rules_by_conclusion.end())
                for (const RuleCopy& rule : it->second) out.push_back({rule.numer, rule.warunki});
        }
        if (counts_askable(name)) out.push_back({0, {id}});
        // intern() above may have grown the tables: index afresh.
        alternatives[index] = std::move(out);
        alternatives_known[index] = 1;
        return alternatives[index];
    }

    // The first choice of every name of a pass; false when some name has no alternative.
    bool first_choice(Pass& pass)
    {
        pass.choice.assign(pass.pending.size(), 0);
        for (Id id : pass.pending)
            if (alternatives_of(id).empty()) return false;
        return true;
    }

    // The next choice, the last name's alternatives varying fastest; false when none is left.
    bool next_choice(Pass& pass)
    {
        for (std::size_t i = pass.pending.size(); i-- > 0;) {
            if (pass.choice[i] + 1 < alternatives_of(pass.pending[i]).size()) {
                ++pass.choice[i];
                std::fill(pass.choice.begin() + static_cast<std::ptrdiff_t>(i) + 1, pass.choice.end(), 0u);
                return true;
            }
        }
        return false;
    }

    // The pass's result: the replacements of the last name first, each in its own order, then
    // of every name only its last occurrence. Appends the pass's rule numbers, oldest first.
    Ids join(const Pass& pass, std::vector<std::int32_t>& numbers)
    {
        numbers.resize(pass.numbers_before);
        ++stamp;
        if (stamp == 0) {
            std::fill(seen_stamp.begin(), seen_stamp.end(), 0u);
            stamp = 1;
        }
        Ids reversed;
        reversed.reserve(pass.pending.size() + 4);
        for (std::size_t i = 0; i < pass.pending.size(); ++i) {
            const Alternative& alt = alternatives_of(pass.pending[i])[pass.choice[i]];
            numbers.push_back(alt.numer);
            for (auto it = alt.zamiana.rbegin(); it != alt.zamiana.rend(); ++it) {
                std::uint32_t& seen = seen_stamp[static_cast<std::size_t>(*it)];
                if (seen != stamp) {
                    seen = stamp;
                    reversed.push_back(*it);
                }
            }
            steps += alt.zamiana.size() + 1;
        }
        std::reverse(reversed.begin(), reversed.end());
        return reversed;
    }

    // The number list of a form: newest first, of every number only its first use. The lists
    // are short: a scan of what is kept costs less than a set.
    static facts::IList number_list(const std::vector<std::int32_t>& oldest_first)
    {
        facts::IList out;
        for (std::int32_t n : oldest_first)
            if (std::find(out.begin(), out.end(), n) == out.end()) out.push_back(n);
        std::reverse(out.begin(), out.end());
        return out;
    }

    FlatForm form(const Ids& list, const std::vector<std::int32_t>& numbers)
    {
        FlatForm f;
        f.warunki.reserve(list.size());
        for (Id id : list) f.warunki.push_back(names[static_cast<std::size_t>(id)]);
        f.numery = number_list(numbers);
        // A form costs its callers far more than a step of a pass: each name is copied, hashed
        // and stored again downstream.
        steps += 8 * list.size() + numbers.size();
        return f;
    }

    bool any_unresolved(const Ids& list)
    {
        return std::any_of(list.begin(), list.end(), [&](Id id) { return unresolved(id); });
    }

    Flattening run(const Ids& conditions)
    {
        Flattening result;
        if (steps >= limits.max_steps) {
            result.koniec = FlatteningEnd::cut;
            return result;
        }
        std::vector<Pass> passes;
        std::vector<std::int32_t> numbers;
        passes.push_back(Pass{conditions, {}, 0});
        if (!first_choice(passes.back())) return result;
        while (!passes.empty()) {
            Ids joined = join(passes.back(), numbers);
            if (!any_unresolved(joined)) {
                result.postacie.push_back(form(joined, numbers));
                if (result.postacie.size() >= limits.max_forms) {
                    result.koniec = FlatteningEnd::cut;
                    return result;
                }
            } else if (passes.size() >= max_passes) {
                result.postacie.clear();
                result.koniec = FlatteningEnd::self_dependent;
                return result;
            } else {
                Pass next{std::move(joined), {}, numbers.size()};
                if (first_choice(next)) {
                    passes.push_back(std::move(next));
                    continue;
                }
            }
            if (steps >= limits.max_steps) {
                result.koniec = FlatteningEnd::cut;
                return result;
            }
            while (!passes.empty() && !next_choice(passes.back())) passes.pop_back();
        }
        return result;
    }
};

Flattener::Flattener(const kb::Context& ctx, FlatteningLimits limits) : impl_(std::make_unique<Impl>())
{
    impl_->limits = limits;
    ctx.db.stan.dopytywalny.scan([&](facts::Name name) { impl_->askables.insert(name.str()); });
    std::size_t rules = 0;
    ctx.db.baza_regul.regula.each([&](const kb::Regula& r) {
        impl_->rules_by_conclusion[r.wniosek.str()].push_back({r.numer, impl_->intern_all(r.warunki)});
        ++rules;
    });
    impl_->max_passes = rules + 1;
}

Flattener::~Flattener() = default;

const Flattening& Flattener::splaszcz(const facts::SList& warunki)
{
    return impl_->flattening(impl_->intern_all(warunki));
}

const Flattening& Flattener::splaszcz(const facts::NameList& warunki)
{
    return impl_->flattening(impl_->intern_all(warunki));
}

bool Flattener::dopytywalny_t(const std::string& nazwa) const { return impl_->counts_askable(nazwa); }

bool Flattener::sprawdz_niedopytywalnosc(const facts::SList& warunki) const
{
    return std::any_of(warunki.begin(), warunki.end(),
                       [&](const std::string& name) { return impl_->unresolved_name(name); });
}

facts::IList uzyte_reguly(const FlatForm& form) { return odwracanie(kb::usun_i(0, form.numery)); }

facts::SList neguj_liste(const facts::SList& nazwy)
{
    facts::SList out;
    out.reserve(nazwy.size());
    for (auto it = nazwy.rbegin(); it != nazwy.rend(); ++it) out.push_back(kb::negacja(*it));
    return out;
}

facts::IList odwracanie(const facts::IList& lista) { return facts::IList(lista.rbegin(), lista.rend()); }

}  // namespace diagnostics
