// The flattening engine: the passes of a flattening walked depth first without recursion, over
// names turned into numbers once. It keeps its own copy of the rules and askable conditions and
// never touches the store after it is built; what it finds is only returned, never shown.
#include "diagnostics/splaszczanie.h"

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

#include "kb/listy.h"
#include "kb/name_index.h"

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

// A rule as the flattening reads it: its conditions are conditions[from, to) of the copy.
struct RuleCopy {
    std::int32_t numer = 0;
    std::uint32_t from = 0;
    std::uint32_t to = 0;
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

    // A name's own number (Id) is given when the flattening first meets it; the names' numbers
    // in the program's table lead to it. The rules are copied as they are, by their names'
    // numbers: a flattening that reads a few rules of a large base interns only their names.
    std::vector<facts::Name> names;
    std::vector<Id> ids;                      // by name number; kNone for a name not met yet
    std::vector<std::uint32_t> askables;      // the askable conditions' name numbers, rising
    std::vector<RuleCopy> rules;              // in rule-base order
    std::vector<facts::Name> conditions;      // of all rules, one after another
    kb::NameIndex<std::uint32_t> rules_by_conclusion;  // positions in rules

    // Worked out once per name, when first met.
    std::vector<std::vector<Alternative>> alternatives;
    std::vector<std::int8_t> alternatives_known;
    std::vector<std::int8_t> unresolved_memo;  // -1 unknown

    std::unordered_map<Ids, Flattening, IdsHash> memo;

    // Scratch of the walk.
    std::vector<std::uint32_t> seen_stamp;
    std::uint32_t stamp = 0;

    static constexpr Id kNone = -1;

    Id intern(facts::Name name)
    {
        if (name.id() >= ids.size()) ids.resize(facts::name_table().size(), kNone);
        Id& id = ids[name.id()];
        if (id == kNone) {
            id = static_cast<Id>(names.size());
            names.push_back(name);
            alternatives.emplace_back();
            alternatives_known.push_back(0);
            unresolved_memo.push_back(-1);
            seen_stamp.push_back(0);
        }
        return id;
    }

    template <class List>
    Ids intern_all(const List& list)
    {
        Ids out;
        out.reserve(list.size());
        for (const auto& name : list) out.push_back(intern(facts::Name(name)));
        return out;
    }

    Ids conditions_of(const RuleCopy& rule)
    {
        return intern_all(std::span<const facts::Name>(conditions.data() + rule.from, conditions.data() + rule.to));
    }

    const Flattening& flattening(Ids key)
    {
        auto it = memo.find(key);
        if (it != memo.end()) return it->second;
        Flattening result = run(key);
        return memo.emplace(std::move(key), std::move(result)).first->second;
    }

    bool askable(std::string_view name) const { return std::ranges::binary_search(askables, kb::name_number(name)); }

    bool counts_askable(std::string_view name) const
    {
        if (askable(name)) return true;
        return negated(name) && askable(name.substr(1));
    }

    bool unresolved_name(std::string_view name) const
    {
        if (negated(name)) return !counts_askable(name.substr(1));
        return !askable(name);
    }

    bool unresolved(Id id)
    {
        std::int8_t& memo_entry = unresolved_memo[static_cast<std::size_t>(id)];
        if (memo_entry < 0) memo_entry = unresolved_name(names[static_cast<std::size_t>(id)].view()) ? 1 : 0;
        return memo_entry == 1;
    }

    // The alternatives of a name, in the order they are tried: the rules concluding the name
    // (for a negated name, one negated condition of a rule concluding the rest, its last
    // condition first), then keeping it when it counts as askable.
    const std::vector<Alternative>& alternatives_of(Id id)
    {
        const auto index = static_cast<std::size_t>(id);
        if (alternatives_known[index]) return alternatives[index];
        const facts::Name name = names[index];
        std::vector<Alternative> out;
        if (negated(name.view())) {
            for (const std::uint32_t r : rules_by_conclusion.of(name.view().substr(1))) {
                const RuleCopy& rule = rules[r];
                for (std::uint32_t c = rule.to; c-- > rule.from;)
                    out.push_back({rule.numer, {intern(facts::Name(kb::negacja(conditions[c].view())))}});
            }
        } else {
            for (const std::uint32_t r : rules_by_conclusion.of(name)) out.push_back({rules[r].numer, conditions_of(rules[r])});
        }
        if (counts_askable(name.view())) out.push_back({0, {id}});
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
        for (Id id : list) f.warunki.emplace_back(names[static_cast<std::size_t>(id)].view());
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
    Impl& f = *impl_;
    f.limits = limits;
    ctx.db.stan.dopytywalny.scan([&](facts::Name name) { f.askables.push_back(name.id()); });
    std::ranges::sort(f.askables);
    ctx.db.baza_regul.regula.scan([&](const kb::Regula& r) {
        f.rules_by_conclusion.add(r.wniosek, static_cast<std::uint32_t>(f.rules.size()));
        const auto from = static_cast<std::uint32_t>(f.conditions.size());
        f.conditions.insert(f.conditions.end(), r.warunki.begin(), r.warunki.end());
        f.rules.push_back({r.numer, from, static_cast<std::uint32_t>(f.conditions.size())});
    });
    f.rules_by_conclusion.build();
    f.max_passes = f.rules.size() + 1;
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
