// The search for internal contradictions over the flattened forms of every rule. Records the
// flattened rules, the findings and the flag; it tells the user nothing.
#include "diagnostics/sprzecznosc_wewnetrzna.h"

#include <string>
#include <unordered_map>
#include <unordered_set>

#include "kb/listy.h"

namespace diagnostics {
namespace {

// testuj_sprzecznosc: for each condition, the first later condition that is its negation makes
// one finding; a pair is found from its earlier member only.
void testuj_sprzecznosc(kb::Context& ctx, const kb::RegulaSplaszczona& r)
{
    std::unordered_map<std::string, std::size_t> last_place;
    for (std::size_t i = 0; i < r.warunki.size(); ++i) last_place[r.warunki[i]] = i;
    for (std::size_t i = 0; i < r.warunki.size(); ++i) {
        auto it = last_place.find(kb::negacja(r.warunki[i]));
        if (it != last_place.end() && it->second > i) ctx.db.wyniki_diagnoz.sprzecznosc_1w.add_last(r);
    }
}

}  // namespace

std::string flattened_rule_key(const kb::RegulaSplaszczona& r)
{
    std::string k = std::to_string(r.numer) + '\x1f' + r.wniosek + '\x1f';
    for (const std::string& c : r.warunki) k += c + '\x1e';
    k += '\x1f';
    for (std::int32_t n : r.uzyte_reguly) k += std::to_string(n) + ',';
    return k;
}

Omissions wyznacz_sprzecznosc_1w(kb::Context& ctx, FlatteningLimits limits)
{
    auto& w = ctx.db.wyniki_diagnoz;
    Omissions omissions;
    Flattener flattener(ctx, limits);
    std::unordered_set<std::string> recorded;
    w.regula_splaszczona_1w.each([&](const kb::RegulaSplaszczona& r) { recorded.insert(flattened_rule_key(r)); });
    ctx.db.baza_regul.regula.each([&](const kb::Regula& rule) {
        const Flattening& s = flattener.splaszcz(rule.warunki);
        omissions.note(rule.numer, rule.wniosek, s);
        for (const FlatForm& form : s.postacie) {
            kb::RegulaSplaszczona r{rule.numer, rule.wniosek, form.warunki, uzyte_reguly(form)};
            if (!recorded.insert(flattened_rule_key(r)).second) continue;
            w.regula_splaszczona_1w.add_last(r);
            testuj_sprzecznosc(ctx, r);
        }
    });
    if (!w.sprzecznosc_1w.empty() && !w.sprzecznosc_1_w.contains("TAK")) w.sprzecznosc_1_w.add_last("TAK");
    return omissions;
}

}  // namespace diagnostics
